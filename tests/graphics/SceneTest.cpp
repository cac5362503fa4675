// The scene, render state, transform and camera with a real OpenGL context.

#include "audio/Sound.h"
#include "graphics/Camera.h"
#include "graphics/Effects.h"
#include "graphics/Font.h"
#include "graphics/FrameStats.h"
#include "graphics/Light.h"
#include "graphics/Texture.h"
#include "graphics/Primitives.h"
#include "graphics/Transform.h"
#include "support/Expect.h"
#include "support/SceneFixture.h"
#include "tools/media/Media.h"

#include <GL/gl.h>
#include <AL/al.h>
#include <SDL.h>
#include <array>
#include <cmath>
#include <fstream>
#include <vector>

using bg::gCamera;
using bg::gTransform;
using bg::Matrix;
using bg::Point;
using bg::Vector;
using bgtest::report;
using bgtest::stderrOf;

namespace {

// A forked child would share the parent's X connection and close it on
// exit: fatal paths run in a fresh process of their own.
class Scene : public bgtest::SceneTest {
protected:
    void SetUp() override { testing::GTEST_FLAG(death_test_style) = "threadsafe"; }
    // What OpenGL holds agrees with what the scene remembers.
    void expectStateAgrees() {
        for (int cap : {GL_ALPHA_TEST, GL_BLEND, GL_CULL_FACE, GL_DEPTH_TEST, GL_FOG, GL_LIGHTING, GL_TEXTURE_2D,
                        GL_NORMALIZE})
            EXPECT_EQ(glIsEnabled(cap) == GL_TRUE, scene().isEnabled(cap)) << "capability " << cap;
        const bg::RenderState& state = scene().renderState();
        EXPECT_EQ(glInt(GL_DEPTH_WRITEMASK) == GL_TRUE, state.getDepthMask());
        EXPECT_EQ(glInt(GL_SHADE_MODEL), state.getShadeModel());
        EXPECT_EQ(glInt(GL_CULL_FACE_MODE), state.getCullFaceMode());
        EXPECT_EQ(glInt(GL_BLEND_DST), state.getBlendFunc().destination);
    }
};

void expectNear(const float* a, const float* b, float tolerance = 1e-5f) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(a[i], b[i], tolerance) << "element " << i;
}

// The fog's colour, mode and hint, as every other fog setting, go from
// Engine.cfg to OpenGL; the colour clears the screen with fog on or off.
TEST_F(Scene, ClearsInTheFogColourWhetherFogIsOnOrNotAndSendsItsModeAndHint) {
    for (const char* fog : {"0", "1"}) {
        build({{"GL_FOG", fog}, {"GL_FOG_COLOR_R", "1.0"}, {"GL_FOG_COLOR_G", "0.5"}, {"GL_FOG_COLOR_B", "0.25"},
               {"GL_FOG_HINT", "GL_FASTEST"}, {"GL_FOG_MODE", "GL_EXP"}, {"AL_DISTANCE_MODEL", "AL_NONE"}});
        EXPECT_EQ(alGetInteger(AL_DISTANCE_MODEL), AL_NONE); // 0, and a model all the same
        scene().clearBuffers();
        const std::vector<int> pixel = pixelAt(400, 300), fogColour{255, 128, 64};
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(pixel[k], fogColour[k], 1) << "fog " << fog << ", channel " << k;
        EXPECT_EQ(scene().isEnabled(GL_FOG), fog[0] == '1');
        EXPECT_EQ(glIsEnabled(GL_FOG), fog[0] == '1');
        if (fog[0] == '1') {
            EXPECT_EQ(glInt(GL_FOG_HINT), GL_FASTEST); // OpenGL's own is GL_DONT_CARE
            EXPECT_EQ(glInt(GL_FOG_MODE), GL_EXP);
        }
        bg::gScene.free();
    }
}

TEST_F(Scene, InvalidEnumerantNamesAreReportedAndDefaultsKept) {
    const std::string err = build({{"GL_POLYGON_MODE", "GL_WIRE"}, {"GL_CULL_FACE_MODE", "GL_FRONT_AND_BACK"},
                                   {"GL_BLEND", "1"}, {"GL_BLEND_SRC", "x"}, {"GL_BLEND_DST", "y"},
                                   {"AL_DISTANCE_MODEL", "AL_LINEAR"}, {"VFS_MAX_ENTRY_SIZE", "2048"}});
    for (const std::string key : {"GL_POLYGON_MODE", "GL_CULL_FACE_MODE", "GL_BLEND_SRC", "GL_BLEND_DST"})
        EXPECT_NE(err.find("ERROR : Scene::initGLContext() : Invalid " + key + " value!\n"), std::string::npos) << key;
    EXPECT_NE(err.find("ERROR : Scene::initALContext() : Invalid AL_DISTANCE_MODEL value!\n"), std::string::npos);
    EXPECT_NE(err.find("ERROR : Scene::Scene() : Invalid VFS_MAX_ENTRY_SIZE value! (1 to 2047 MiB)\n"), std::string::npos);
    GLint mode[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(glInt(GL_BLEND_SRC), GL_SRC_ALPHA);
    EXPECT_EQ(glInt(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(glInt(GL_CULL_FACE_MODE), GL_BACK); // OpenGL's own default: nothing was set
}

// A hundred deep: the hundred and first unmatched set is fatal (the depth
// test's stack is filled after restarts below).
TEST_F(Scene, RenderStateIsSavedAndRestoredInPairsAHundredDeep) {
    build({{"GL_BLEND", "0"}});
    scene().set(GL_BLEND, true);
    scene().set(GL_BLEND, true);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    scene().restore(GL_BLEND);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    scene().restore(GL_BLEND);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));

    const std::string warnings = stderrOf([&] {
        scene().restore(GL_BLEND);
        scene().set(GL_LINE_SMOOTH, true);
        EXPECT_FALSE(scene().isEnabled(GL_LINE_SMOOTH));
        scene().restoreDepthMask();
        for (int i = 0; i < 2; ++i) scene().setShadeModel(GL_FLAT);
        for (int i = 0; i < 3; ++i) scene().restoreShadeModel(); // the third finds none
    });
    EXPECT_TRUE(bgtest::isReport(warnings,
                                 "Scene:#: WARNING : Scene::restore( cap ) : Stack empty\n"
                                 "Scene:#: WARNING : Scene::getStateAndStack( cap, pState, pStack ) : invalid cap\n"
                                 "Scene:#: WARNING : Scene::getState( cap ) : invalid cap\n"
                                 "Scene:#: WARNING : Scene::restoreDepthMask() : Stack empty\n"
                                 "Scene:#: WARNING : Scene::restoreShadeModel() : Stack empty\n"));
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));

    scene().setBlendFunc(GL_SRC_ALPHA, GL_ONE);
    EXPECT_EQ(glInt(GL_BLEND_DST), GL_ONE);
    scene().restoreBlendFunc();
    EXPECT_EQ(glInt(GL_BLEND_DST), GL_ZERO);

    scene().setDepthMask(false);
    EXPECT_EQ(glInt(GL_DEPTH_WRITEMASK), GL_FALSE);
    scene().restoreDepthMask();
    EXPECT_EQ(glInt(GL_DEPTH_WRITEMASK), GL_TRUE);

    for (int i = 0; i < 100; ++i) scene().setShadeModel(GL_SMOOTH);
    EXPECT_EXIT(scene().setShadeModel(GL_FLAT), testing::ExitedWithCode(1),
                report("ASSERTION FAILED:Utils:#:ShadeModel: mSize < mCapacity\n"));
}

// The overlay: pixel coordinates, no lighting, half the depth range each
// way. Drawn there with a real context, read back: a point, a vector from a
// point and a wire sphere, white on black. Then the default camera, the
// planes and spheres of its frustum, and the world matrix it leaves.
TEST_F(Scene, TheOverlayAndTheCameraPutWhatTheyShowWhereItBelongs) {
    build({{"GL_DEPTH_TEST", "0"}, {"GL_CULL_FACE", "0"}, {"GL_LIGHTING", "1"}});
    clear();
    gTransform->translate(50, 0, 0); // whatever the game left, in whichever mode
    gTransform->matrixMode(GL_PROJECTION);
    scene().glBegin2D();
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    Matrix projection;
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    // glOrtho's z scale is -2 / (far - near) and its offset -(far + near) / (far - near).
    EXPECT_NEAR(projection[10], -2.0f / 999.0f, 1e-7f);
    EXPECT_NEAR(projection[14], 0, 1e-6f);
    glColor3f(1, 1, 1);
    glPointSize(3);
    bg::display(Point(400.5f, 300.5f, 0));
    bg::display(Vector(100, 0, 0), Point(100, 100.5f, 0));
    bg::BoundingSphere sphere;
    sphere.position = Point(600, 300, 0);
    sphere.radius = 50;
    const int depth = glInt(GL_MODELVIEW_STACK_DEPTH);
    bg::display(sphere);
    EXPECT_EQ(glInt(GL_MODELVIEW_STACK_DEPTH), depth);
    scene().glEnd2D();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    const auto pixels = readAll();
    EXPECT_TRUE(lit(pixels, 400, 300));
    EXPECT_FALSE(lit(pixels, 405, 300));
    EXPECT_TRUE(lit(pixels, 150, 100));
    EXPECT_FALSE(lit(pixels, 150, 105));
    EXPECT_FALSE(lit(pixels, 250, 100)); // beyond the tip
    const int inside = litIn(pixels, 600 - 51, 600 + 52, 300 - 51, 300 + 52); // the sphere's square
    EXPECT_GT(inside, 100);
    EXPECT_EQ(litIn(pixels, 520, 680, 200, 400), inside); // nothing outside

    EXPECT_EQ(gCamera->getLook(), Vector(0, 0, -1));
    EXPECT_EQ(gCamera->getUp(), Vector(0, 1, 0));
    EXPECT_EQ(gCamera->getRight(), Vector(1, 0, 0));

    gCamera->lookAt();
    float distance = -1;
    EXPECT_TRUE(gCamera->isSphereVisible(Point(0, 0, -4), 1, distance)); // 10 in front of the eye
    EXPECT_NEAR(distance, 9, 1e-3f);
    EXPECT_FALSE(gCamera->isSphereVisible(Point(0, 0, 16), 1, distance)); // behind
    EXPECT_TRUE(gCamera->isSphereVisible(Point(0, 0, 5.2f), 1, distance)); // across the near plane
    EXPECT_EQ(distance, 0.0f);
    bg::BoundingSphere scaled;
    scaled.initialRadius = 1;
    gTransform->scale(1, 3, 1);
    bg::applyTransformations(scaled);
    EXPECT_NEAR(scaled.radius, 3, 1e-5f);

    scene().setPerspective(90, 100, 100, 1, 100);
    gCamera->lookAt();
    const float r = std::sqrt(0.5f);
    // Normals point out of the volume; the eye is at z = 6 looking down -z.
    const float expected[6][4] = {{-r, 0, r, -6 * r}, {r, 0, r, -6 * r}, {0, r, r, -6 * r},
                                  {0, -r, r, -6 * r}, {0, 0, -1, -94},   {0, 0, 1, -5}};
    for (int i = 0; i < 6; ++i) {
        const bg::Plane& plane = gCamera->getFrustumPlane(i);
        const float got[] = {plane.a, plane.b, plane.c, plane.d};
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(got[k], expected[i][k], k < 3 ? 1e-4f : 1e-3f) << "plane " << i << k;
    }

    // Turned away from every axis: the side planes still meet at the eye.
    gCamera->setEye(Point(3, 4, 5));
    gCamera->setCenter(Point(-1, 0.5f, 2));
    gCamera->setUp(Vector(0, 1, 0.2f));
    gCamera->normalize();
    gCamera->lookAt();
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(gCamera->getFrustumPlane(i).distance(Point(3, 4, 5)), 0, 1e-3f) << i;
    EXPECT_TRUE(gCamera->isSphereVisible(Point(-1, 0.5f, 2), 0.1f, distance));
    gCamera->setEye(Point(0, 0, 6));

    gTransform->loadIdentity();
    gTransform->lookAt(3, 4, 5, -1, 0.5, 2, 0, 1, 0.2);
    Matrix view;
    glGetFloatv(GL_MODELVIEW_MATRIX, view.data());
    expectNear((gTransform->getCameraToWorld() * view).data(), Matrix().data());
    gCamera->lookAt();
    expectNear(gTransform->getWorldMatrix().data(), Matrix().data());
    gTransform->translate(1, 2, 3);
    Matrix moved;
    moved.translation(Vector(1, 2, 3));
    expectNear(gTransform->getWorldMatrix().data(), moved.data());

    gCamera->setCenter(Point(0, 0, 2));
    EXPECT_EQ(gCamera->getLook(), Vector(0, 0, -4)); // not normalised until normalize
    gCamera->setUp(Vector(0, 0, 1));
    bg::Camera* camera = gCamera.get();
    EXPECT_EXIT(camera->normalize(), testing::ExitedWithCode(1),
                report("ASSERTION FAILED:Camera:#: sin(RAD(angleBetween( mUp, mLook ))) > ZERO\n"));
}

TEST_F(Scene, ColourBitsAreAQuarterOfTheBufferAtMostFour) {
    for (const auto& [buffer, bits] : {std::pair{32, 4}, std::pair{16, 4}, std::pair{8, 2}})
        EXPECT_EQ(bg::Scene::channelBits(buffer), bits) << buffer;
}

// Reopening the window, over an open one or a closed one, keeps the render
// state and its stacks as they were, and the new context agrees with them.
// Unit 1's texturing is tracked apart from unit 0's; a new context takes it
// over with the rest, and sphere mapping on unit 1 with it.
TEST_F(Scene, ContextRestartsKeepTheStateTheStacksAndUnitOnesTexturing) {
    build({{"GL_DEPTH_TEST", "1"}, {"GL_CULL_FACE", "1"}, {"GL_CULL_FACE_MODE", "GL_FRONT"}, {"GL_FOG", "1"},
           {"GL_TEXTURE_2D", "1"}});
    ASSERT_TRUE(scene().hasMultiTexture()) << "the test driver offers multitexturing";
    bg::RenderState& state = scene().renderState();
    state.setTexture2D(1, true);
    EXPECT_TRUE(enabledOn(1, GL_TEXTURE_2D));
    EXPECT_TRUE(state.restoreTexture2D(1));
    EXPECT_FALSE(enabledOn(1, GL_TEXTURE_2D));
    EXPECT_TRUE(enabledOn(0, GL_TEXTURE_2D)); // unit 0 untouched
    EXPECT_FALSE(state.restoreTexture2D(1));
    state.setTexture2D(1, true);
    scene().prepareEnvironmentUnit();
    scene().set(GL_BLEND, true);
    scene().setBlendFunc(GL_SRC_ALPHA, GL_ONE);
    scene().setShadeModel(GL_FLAT);
    scene().set(GL_FOG, false);
    scene().setBackgroundColor(0.2f, 1, 0.6f, 1);
    stderrOf([&] {
        for (int i = 0; i < 3; ++i) {
            if (i % 2) scene().endSDL(); // and every other time over an open window
            scene().restartSDL();
        }
    });
    EXPECT_TRUE(scene().isVideoOpen());
    expectStateAgrees();
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    EXPECT_EQ(glInt(GL_CULL_FACE_MODE), GL_FRONT);
    scene().clearBuffers();
    EXPECT_EQ(pixelAt(10, 10), (std::vector<int>{51, 255, 153})); // the script's background, not the fog colour
    for (int unit : {0, 1}) EXPECT_TRUE(enabledOn(unit, GL_TEXTURE_2D)) << unit;
    bg::gActiveTextureARB(GL_TEXTURE1_ARB);
    GLint mode = 0;
    glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, &mode);
    bg::gActiveTextureARB(GL_TEXTURE0_ARB);
    EXPECT_EQ(mode, GL_SPHERE_MAP);

    // The stacks hold what they held before: one entry each for the depth
    // test and culling (start-up), and the script's pairs unwind.
    for (int i = 0; i < 99; ++i) scene().set(GL_DEPTH_TEST, true);
    EXPECT_EXIT(scene().set(GL_DEPTH_TEST, true), testing::ExitedWithCode(1),
                report("ASSERTION FAILED:Utils:#:DepthTest: mSize < mCapacity\n"));
    for (int i = 0; i < 99; ++i) scene().restore(GL_DEPTH_TEST);
    scene().restore(GL_FOG);
    scene().restoreShadeModel();
    scene().restoreBlendFunc();
    scene().restore(GL_BLEND);
    expectStateAgrees();
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

// Names a context holds: textures, OpenAL sources and OpenAL buffers.
std::array<int, 3> namesInUse() {
    std::array<int, 3> n{};
    for (unsigned i = 1; i < 4096; ++i) {
        n[0] += glIsTexture(i) ? 1 : 0;
        n[1] += alIsSource(i) ? 1 : 0;
        n[2] += alIsBuffer(i) ? 1 : 0;
    }
    return n;
}
long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * 4;
}

// A development reload starts the game over in the same window: what one
// game made is gone, and a hundred reloads hold what one does.
TEST_F(Scene, StartingOverReleasesWhatTheGameMade) {
    build({{"GL_DEPTH_TEST", "1"}});
    scratch.write("t.png", bg::media::png(64, 64, 0, std::vector<std::uint8_t>(64 * 64, 9)));
    scratch.write("s.ogg", bg::media::sineOgg(1, 22050, 2205));
    auto playAndStartOver = [&] {
        bg::gTextureManager->load("t.png");
        bg::gSoundManager->addSource(bg::gSoundManager->load("s.ogg"));
        bg::gFontManager->load("Fonts/Font3.txt");
        bg::gLightManager->enable(bg::gLightManager->addLight());
        scene().set(GL_BLEND, true); // never restored
        scene().setShadeModel(GL_FLAT);
        scene().setDepthMask(false);
        gTransform->pushMatrix();
        glColorMask(GL_FALSE, GL_TRUE, GL_TRUE, GL_TRUE);
        bg::enableEnvironmentMapping(-1); // never disabled
        scene().startOver();
    };
    testing::internal::CaptureStderr();
    playAndStartOver();
    const std::array<int, 3> once = namesInUse();
    // The game's state is gone: the start-up state is back.
    expectStateAgrees();
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    GLint mask[4] = {};
    glGetIntegerv(GL_COLOR_WRITEMASK, mask);
    EXPECT_EQ(glInt(GL_MODELVIEW_STACK_DEPTH), 1);
    EXPECT_EQ(glInt(GL_DEPTH_WRITEMASK), GL_TRUE);
    EXPECT_EQ(mask[0], GL_TRUE);
    for (GLenum cap : {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T}) EXPECT_FALSE(enabledOn(1, cap)) << cap;
    playAndStartOver();
    const long before = residentKiB();
    for (int i = 0; i < 100; ++i) playAndStartOver();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(namesInUse(), once) << "textures, sources and buffers";
#if !defined(__SANITIZE_ADDRESS__)
    // (The address sanitizer keeps freed memory in quarantine; its leak
    // checker watches that build instead.)
    EXPECT_LT(residentKiB() - before, 4096) << "KiB";
#else
    (void)before;
#endif
}

// Each reporter says what is pending and drains it; without a context
// there is nothing to ask.
TEST_F(Scene, ErrorReportersDrainWhatIsPendingWithAndWithoutContexts) {
    build();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(scene().errorGL(""));
    SDL_SetError("something SDL said");
    EXPECT_TRUE(scene().errorSDL("asked"));
    // error() stops at the first reporter with something to say.
    glEnable(0x1234);
    EXPECT_TRUE(scene().error("all"));
    EXPECT_TRUE(scene().errorGL(""));
    EXPECT_FALSE(scene().errorGL(""));
    glEnable(0x1234);
    EXPECT_TRUE(scene().errorGL("after a bad enable"));
    EXPECT_FALSE(scene().errorGL(""));
    SDL_ClearError();
    EXPECT_FALSE(scene().errorSDL(""));
    alGetError();
    ALfloat gain = 0;
    alGetSourcef(12345, AL_GAIN, &gain); // no such source
    EXPECT_TRUE(scene().errorAL("source"));
    EXPECT_FALSE(scene().errorAL(""));
    scene().endAL();
    EXPECT_FALSE(scene().errorAL("closed"));
    scene().endSDL();
    EXPECT_FALSE(scene().errorGL("closed"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Scene::errorSDL( asked ) \nsomething SDL said\n"
              "Scene::error( all ) \nsomething SDL said\n"
              "GL_INVALID_ENUM\n"
              "Scene::errorGL( after a bad enable ) \nGL_INVALID_ENUM\n"
              "Scene::errorAL( source ) \nAL_INVALID_NAME\n"
              "Scene::errorAL( closed ) \n"
              "Scene::errorGL( closed ) \n");
}

// The last second's frame times include its oldest frame.
TEST(FrameStats, TheLastSecondHoldsEachOfItsFrames) {
    bg::FrameStats stats;
    stats.endFrame();
    SDL_Delay(30);
    stats.endFrame();
    stats.endFrame();
    const bg::FrameStats::Span span = stats.lastSecond();
    EXPECT_EQ(span.frames, 2);
    EXPECT_GE(span.maximum, 29);
    SDL_Delay(1010); // and only its frames
    stats.endFrame();
    EXPECT_EQ(stats.lastSecond().frames, 1);
}

} // namespace
