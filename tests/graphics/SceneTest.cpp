// The scene, render state, transform and camera with a real OpenGL context.

#include "audio/Sound.h"
#include "graphics/Camera.h"
#include "graphics/Font.h"
#include "graphics/Light.h"
#include "graphics/Texture.h"
#include "graphics/Primitives.h"
#include "graphics/Transform.h"
#include "support/Expect.h"
#include "support/SceneFixture.h"
#include "tools/media/Media.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <AL/al.h>
#include <SDL.h>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <vector>

using bg::gCamera;
using bg::gTransform;
using bg::Matrix;
using bg::Point;
using bg::Vector;
using bgtest::report;

namespace {

// A forked child would share the parent's X connection and close it on
// exit: fatal paths run in a fresh process of their own.
class Scene : public bgtest::SceneTest {
protected:
    void SetUp() override { testing::GTEST_FLAG(death_test_style) = "threadsafe"; }
};

void expectNear(const float* a, const float* b, float tolerance = 1e-5f) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(a[i], b[i], tolerance) << "element " << i;
}

Matrix readModelView() {
    Matrix m;
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

TEST_F(Scene, ClearsInTheFogColourWhetherFogIsOnOrNot) {
    for (const char* fog : {"0", "1"}) {
        build({{"GL_FOG", fog}, {"GL_FOG_COLOR_R", "1.0"}, {"GL_FOG_COLOR_G", "0.5"}, {"GL_FOG_COLOR_B", "0.25"}});
        scene().clearBuffers();
        unsigned char pixel[4] = {};
        glReadPixels(400, 300, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        EXPECT_NEAR(pixel[0], 255, 1) << "fog " << fog;
        EXPECT_NEAR(pixel[1], 128, 1);
        EXPECT_NEAR(pixel[2], 64, 1);
        EXPECT_EQ(scene().isEnabled(GL_FOG), fog[0] == '1');
        EXPECT_EQ(glIsEnabled(GL_FOG), fog[0] == '1');
        bg::gScene.free();
    }
}

TEST_F(Scene, InvalidEnumerantNamesAreReportedAndDefaultsKept) {
    const std::string err = build({{"GL_POLYGON_MODE", "GL_WIRE"},
                                   {"GL_CULL_FACE_MODE", "GL_FRONT_AND_BACK"},
                                   {"GL_BLEND", "1"},
                                   {"GL_BLEND_SRC", "x"},
                                   {"GL_BLEND_DST", "y"},
                                   {"AL_DISTANCE_MODEL", "AL_LINEAR"}});
    for (const char* key : {"GL_POLYGON_MODE", "GL_CULL_FACE_MODE", "GL_BLEND_SRC", "GL_BLEND_DST"})
        EXPECT_NE(err.find(std::string("ERROR : Scene::initGLContext() : Invalid ") + key + " value!\n"),
                  std::string::npos)
            << key;
    EXPECT_NE(err.find("ERROR : Scene::initALContext() : Invalid AL_DISTANCE_MODEL value!\n"), std::string::npos);
    GLint mode[2] = {}, source = 0, destination = 0, cull = 0;
    glGetIntegerv(GL_POLYGON_MODE, mode);
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    glGetIntegerv(GL_CULL_FACE_MODE, &cull);
    EXPECT_EQ(mode[0], GL_FILL);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(cull, GL_BACK); // OpenGL's own default: nothing was set
}

TEST_F(Scene, RenderStateIsSavedAndRestoredInPairs) {
    build({{"GL_BLEND", "0"}});
    scene().set(GL_BLEND, true);
    scene().set(GL_BLEND, true);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    scene().restore(GL_BLEND);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    scene().restore(GL_BLEND);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));

    testing::internal::CaptureStderr();
    scene().restore(GL_BLEND);
    scene().set(GL_LINE_SMOOTH, true);
    EXPECT_FALSE(scene().isEnabled(GL_LINE_SMOOTH));
    scene().restoreDepthMask();
    EXPECT_TRUE(bgtest::matches(testing::internal::GetCapturedStderr(),
                                report("Scene:#: WARNING : Scene::restore( cap ) : Stack empty\n"
                                       "Scene:#: WARNING : Scene::getStateAndStack( cap, pState, pStack ) : invalid cap\n"
                                       "Scene:#: WARNING : Scene::getState( cap ) : invalid cap\n"
                                       "Scene:#: WARNING : Scene::restoreDepthMask() : Stack empty\n")));
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));

    scene().setBlendFunc(GL_SRC_ALPHA, GL_ONE);
    GLint destination = 0;
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(destination, GL_ONE);
    scene().restoreBlendFunc();
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(destination, GL_ZERO);

    scene().setDepthMask(false);
    GLboolean mask = GL_TRUE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    EXPECT_EQ(mask, GL_FALSE);
    scene().restoreDepthMask();
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    EXPECT_EQ(mask, GL_TRUE);
}

TEST_F(Scene, TheHundredAndFirstUnmatchedSetIsFatal) {
    build({{"GL_DEPTH_TEST", "1"}});
    // initGLContext's own set of the depth test holds one entry already.
    for (int i = 0; i < 99; ++i) scene().set(GL_DEPTH_TEST, true);
    bg::Scene* s = &scene();
    EXPECT_EXIT(s->set(GL_DEPTH_TEST, false), testing::ExitedWithCode(1),
                report("ASSERTION FAILED:Utils:#:DepthTest: mSize < mCapacity\n"));
    for (int i = 0; i < 100; ++i) s->setShadeModel(GL_SMOOTH);
    EXPECT_EXIT(s->setShadeModel(GL_FLAT), testing::ExitedWithCode(1),
                report("ASSERTION FAILED:Utils:#:ShadeModel: mSize < mCapacity\n"));
}

TEST_F(Scene, MathRotationsMatchOpenGL) {
    build();
    const Vector angles(25, -40, 110);
    gTransform->loadIdentity();
    glRotatef(angles.z, 0, 0, 1);
    glRotatef(angles.y, 0, 1, 0);
    glRotatef(angles.x, 1, 0, 0);
    Matrix euler;
    euler.rotation(angles);
    expectNear(readModelView().data(), euler.data());

    gTransform->loadIdentity();
    glRotatef(63, 1, -2, 0.5f);
    Matrix axis;
    axis.rotation(63, Vector(1, -2, 0.5f));
    expectNear(readModelView().data(), axis.data());
}

TEST_F(Scene, CameraToWorldUndoesTheView) {
    build();
    gTransform->loadIdentity();
    gTransform->lookAt(3, 4, 5, -1, 0.5, 2, 0, 1, 0.2);
    const Matrix product = gTransform->getCameraToWorld() * readModelView();
    expectNear(product.data(), Matrix().data());

    gCamera->lookAt();
    expectNear(gTransform->getWorldMatrix().data(), Matrix().data());
    gTransform->translate(1, 2, 3);
    const Matrix& world = gTransform->getWorldMatrix();
    EXPECT_NEAR(world[12], 1, 1e-5f);
    EXPECT_NEAR(world[13], 2, 1e-5f);
    EXPECT_NEAR(world[14], 3, 1e-5f);
}

TEST_F(Scene, TheDefaultCameraLooksDownMinusZ) {
    build();
    EXPECT_EQ(gCamera->getLook(), Vector(0, 0, -1));
    EXPECT_EQ(gCamera->getUp(), Vector(0, 1, 0));
    EXPECT_EQ(gCamera->getRight(), Vector(1, 0, 0));
    gCamera->setCenter(Point(0, 0, 2));
    EXPECT_EQ(gCamera->getLook(), Vector(0, 0, -4)); // not normalised until normalize
    gCamera->setUp(Vector(0, 0, 1));
    bg::Camera* camera = gCamera.get();
    EXPECT_EXIT(camera->normalize(), testing::ExitedWithCode(1),
                report("ASSERTION FAILED:Camera:#: sin(RAD(angleBetween( mUp, mLook ))) > ZERO\n"));
}

TEST_F(Scene, FrustumPlanesOfAKnownPerspective) {
    build();
    scene().setPerspective(90, 100, 100, 1, 100);
    gCamera->lookAt();
    const float r = std::sqrt(0.5f);
    // Normals point out of the volume; the eye is at z = 6 looking down -z.
    const float expected[6][4] = {{-r, 0, r, -6 * r}, {r, 0, r, -6 * r}, {0, r, r, -6 * r},
                                  {0, -r, r, -6 * r}, {0, 0, -1, -94},   {0, 0, 1, -5}};
    for (int i = 0; i < 6; ++i) {
        const bg::Plane& plane = gCamera->getFrustumPlane(i);
        EXPECT_NEAR(plane.a, expected[i][0], 1e-4f) << "plane " << i;
        EXPECT_NEAR(plane.b, expected[i][1], 1e-4f) << "plane " << i;
        EXPECT_NEAR(plane.c, expected[i][2], 1e-4f) << "plane " << i;
        EXPECT_NEAR(plane.d, expected[i][3], 1e-3f) << "plane " << i;
    }
}

TEST_F(Scene, SpheresAreTestedAgainstTheFrustum) {
    build({{"FOV", "45"}, {"ZNEAR", "1"}});
    gCamera->lookAt();
    float distance = -1;
    EXPECT_TRUE(gCamera->isSphereVisible(Point(0, 0, -4), 1, distance)); // 10 in front of the eye
    EXPECT_NEAR(distance, 9, 1e-3f);
    EXPECT_FALSE(gCamera->isSphereVisible(Point(0, 0, 16), 1, distance)); // behind
    EXPECT_TRUE(gCamera->isSphereVisible(Point(0, 0, 5.2f), 1, distance)); // across the near plane
    EXPECT_EQ(distance, 0.0f);

    bg::BoundingSphere sphere;
    sphere.initialRadius = 1;
    gTransform->scale(1, 3, 1);
    bg::applyTransformations(sphere);
    EXPECT_NEAR(sphere.radius, 3, 1e-5f);
}

TEST_F(Scene, TheOverlayUsesHalfTheDepthRangeEachWay) {
    build({{"ZNEAR", "1"}, {"ZFAR", "1000"}, {"GL_LIGHTING", "1"}});
    scene().glBegin2D();
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    Matrix projection;
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    // glOrtho's z scale is -2 / (far - near) and its offset -(far + near) / (far - near).
    EXPECT_NEAR(projection[10], -2.0f / 999.0f, 1e-7f);
    EXPECT_NEAR(projection[14], 0, 1e-6f);
    scene().glEnd2D();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST_F(Scene, ErrorReportersDrainWhatIsPending) {
    build();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(scene().errorGL(""));
    glEnable(0x1234);
    EXPECT_TRUE(scene().errorGL("after a bad enable"));
    EXPECT_FALSE(scene().errorGL(""));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Scene::errorGL( after a bad enable ) \nGL_INVALID_ENUM\n");
}

TEST_F(Scene, ColourBitsAreAQuarterOfTheBufferAtMostFour) {
    EXPECT_EQ(bg::Scene::channelBits(32), 4);
    EXPECT_EQ(bg::Scene::channelBits(16), 4);
    EXPECT_EQ(bg::Scene::channelBits(8), 2);
}

// What OpenGL holds agrees with what the scene remembers.
void expectStateAgrees(bg::Scene& s) {
    for (int cap : {GL_ALPHA_TEST, GL_BLEND, GL_CULL_FACE, GL_DEPTH_TEST, GL_FOG, GL_LIGHTING, GL_TEXTURE_2D,
                    GL_NORMALIZE})
        EXPECT_EQ(glIsEnabled(cap) == GL_TRUE, s.isEnabled(cap)) << "capability " << cap;
    GLboolean mask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    EXPECT_EQ(mask == GL_TRUE, s.renderState().getDepthMask());
    GLint value = 0;
    glGetIntegerv(GL_SHADE_MODEL, &value);
    EXPECT_EQ(value, s.renderState().getShadeModel());
    glGetIntegerv(GL_CULL_FACE_MODE, &value);
    EXPECT_EQ(value, s.renderState().getCullFaceMode());
    glGetIntegerv(GL_BLEND_DST, &value);
    EXPECT_EQ(value, s.renderState().getBlendFunc().destination);
}

// Reopening the window any number of times keeps the render state and
// its stacks as they were, and the new context agrees with them.
TEST_F(Scene, TwoHundredContextRestartsKeepTheStateAndTheStacks) {
    build({{"GL_DEPTH_TEST", "1"}, {"GL_CULL_FACE", "1"}, {"GL_CULL_FACE_MODE", "GL_FRONT"}, {"GL_FOG", "1"}});
    scene().set(GL_BLEND, true);
    scene().setBlendFunc(GL_SRC_ALPHA, GL_ONE);
    scene().setShadeModel(GL_FLAT);
    scene().set(GL_FOG, false);
    scene().setBackgroundColor(0, 1, 0, 1);
    testing::internal::CaptureStderr();
    for (int i = 0; i < 200; ++i) {
        if (i % 2) scene().endSDL(); // and every other time over an open window
        scene().restartSDL();
    }
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(scene().isVideoOpen());
    expectStateAgrees(scene());
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    GLint cull = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &cull);
    EXPECT_EQ(cull, GL_FRONT);
    scene().clearBuffers();
    unsigned char pixel[4] = {};
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[1], 255); // the script's background, not the fog colour

    // The stacks hold what they held before: one entry each for the depth
    // test and culling (start-up), and the script's pairs unwind.
    for (int i = 0; i < 99; ++i) scene().set(GL_DEPTH_TEST, true);
    bg::Scene* s = &scene();
    EXPECT_EXIT(s->set(GL_DEPTH_TEST, true), testing::ExitedWithCode(1),
                report("ASSERTION FAILED:Utils:#:DepthTest: mSize < mCapacity\n"));
    for (int i = 0; i < 99; ++i) scene().restore(GL_DEPTH_TEST);
    scene().restore(GL_FOG);
    scene().restoreShadeModel();
    scene().restoreBlendFunc();
    scene().restore(GL_BLEND);
    expectStateAgrees(scene());
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

// Names a context holds: textures, and OpenAL sources and buffers.
struct Names {
    int textures = 0, sources = 0, buffers = 0;
    bool operator==(const Names& o) const { return textures == o.textures && sources == o.sources && buffers == o.buffers; }
};
Names namesInUse() {
    Names n;
    for (unsigned i = 1; i < 4096; ++i) {
        n.textures += glIsTexture(i) ? 1 : 0;
        n.sources += alIsSource(i) ? 1 : 0;
        n.buffers += alIsBuffer(i) ? 1 : 0;
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
    auto play = [&] {
        bg::gTextureManager->load("t.png");
        bg::gSoundManager->addSource(bg::gSoundManager->load("s.ogg"));
        bg::gFontManager->load("Fonts/Font3.txt");
        bg::gLightManager->enable(bg::gLightManager->addLight());
        scene().set(GL_BLEND, true); // never restored
        scene().setShadeModel(GL_FLAT);
        gTransform->pushMatrix();
        glColorMask(GL_FALSE, GL_TRUE, GL_TRUE, GL_TRUE);
    };
    testing::internal::CaptureStderr();
    play();
    scene().startOver();
    const Names once = namesInUse();
    // The game's state is gone: the start-up state is back.
    expectStateAgrees(scene());
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    GLint depth = 0, mask[4] = {};
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetIntegerv(GL_COLOR_WRITEMASK, mask);
    EXPECT_EQ(depth, 1);
    EXPECT_EQ(mask[0], GL_TRUE);
    play();
    scene().startOver();
    const long before = residentKiB();
    for (int i = 0; i < 100; ++i) {
        play();
        scene().startOver();
    }
    testing::internal::GetCapturedStderr();
    const Names after = namesInUse();
    EXPECT_TRUE(after == once) << "textures " << after.textures << " (" << once.textures << "), sources "
                               << after.sources << " (" << once.sources << "), buffers " << after.buffers << " ("
                               << once.buffers << ")";
#if !defined(__SANITIZE_ADDRESS__)
    // (The address sanitizer keeps freed memory in quarantine; its leak
    // checker watches that build instead.)
    EXPECT_LT(residentKiB() - before, 4096) << "KiB";
#else
    (void)before;
#endif
}

// Sphere mapping on texture unit 1 is part of what a new context gets.
TEST_F(Scene, ANewContextGetsTheEnvironmentUnitBack) {
    build();
    if (!scene().hasMultiTexture()) GTEST_SKIP() << "no multitexturing";
    scene().prepareEnvironmentUnit();
    testing::internal::CaptureStderr();
    scene().restartSDL();
    testing::internal::GetCapturedStderr();
    bg::gActiveTextureARB(GL_TEXTURE1_ARB);
    GLint mode = 0;
    glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, &mode);
    bg::gActiveTextureARB(GL_TEXTURE0_ARB);
    EXPECT_EQ(mode, GL_SPHERE_MAP);
}

TEST_F(Scene, TheTextureStateOfUnitOneIsTrackedApart) {
    build({{"GL_TEXTURE_2D", "1"}});
    if (!scene().hasMultiTexture()) GTEST_SKIP() << "no multitexturing";
    bg::RenderState& state = scene().renderState();
    state.setTexture2D(1, true);
    bg::gActiveTextureARB(GL_TEXTURE1_ARB);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    bg::gActiveTextureARB(GL_TEXTURE0_ARB);
    EXPECT_TRUE(state.restoreTexture2D(1));
    bg::gActiveTextureARB(GL_TEXTURE1_ARB);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    bg::gActiveTextureARB(GL_TEXTURE0_ARB);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D)); // unit 0 untouched
    EXPECT_FALSE(state.restoreTexture2D(1));

    // A new context takes unit 1's texturing over with the rest.
    state.setTexture2D(1, true);
    testing::internal::CaptureStderr();
    scene().restartSDL();
    testing::internal::GetCapturedStderr();
    bg::gActiveTextureARB(GL_TEXTURE1_ARB);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    bg::gActiveTextureARB(GL_TEXTURE0_ARB);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

// The fog's hint, as every other fog setting, goes from Engine.cfg to OpenGL.
TEST_F(Scene, TheFogHintReachesOpenGL) {
    build({{"GL_FOG", "1"}, {"GL_FOG_HINT", "GL_FASTEST"}, {"GL_FOG_MODE", "GL_EXP"}});
    GLint hint = 0, mode = 0;
    glGetIntegerv(GL_FOG_HINT, &hint);
    glGetIntegerv(GL_FOG_MODE, &mode);
    EXPECT_EQ(hint, GL_FASTEST); // OpenGL's own is GL_DONT_CARE
    EXPECT_EQ(mode, GL_EXP);
}

TEST_F(Scene, ErrorReportersWithAndWithoutContexts) {
    build();
    testing::internal::CaptureStderr();
    SDL_SetError("something SDL said");
    EXPECT_TRUE(scene().errorSDL("asked"));
    // error() stops at the first reporter with something to say.
    glEnable(0x1234);
    EXPECT_TRUE(scene().error("all"));
    EXPECT_TRUE(scene().errorGL(""));
    SDL_ClearError();
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
              "Scene::errorAL( source ) \nAL_INVALID_NAME\n"
              "Scene::errorAL( closed ) \n"
              "Scene::errorGL( closed ) \n");
}

// Drawn with a real context, read back: a point, a vector from a point and
// a wire sphere, white on black in the overlay's pixel coordinates.
TEST_F(Scene, TheMathsClassesDrawWhereTheyAre) {
    build({{"GL_DEPTH_TEST", "0"}, {"GL_CULL_FACE", "0"}});
    scene().setBackgroundColor(0, 0, 0, 1);
    scene().clearBuffers();
    scene().glBegin2D();
    glColor3f(1, 1, 1);
    glPointSize(3);
    bg::display(Point(400.5f, 300.5f, 0));
    bg::display(Vector(100, 0, 0), Point(100, 100.5f, 0));
    bg::BoundingSphere sphere;
    sphere.position = Point(600, 300, 0);
    sphere.radius = 50;
    bg::display(sphere);
    scene().glEnd2D();
    std::vector<unsigned char> pixels(800 * 600 * 4);
    glReadPixels(0, 0, 800, 600, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    const auto lit = [&](int x, int y) { return pixels[(y * 800 + x) * 4] > 128; };
    EXPECT_TRUE(lit(400, 300));
    EXPECT_FALSE(lit(405, 300));
    EXPECT_TRUE(lit(150, 100));
    EXPECT_FALSE(lit(150, 105));
    EXPECT_FALSE(lit(250, 100)); // beyond the tip
    int inside = 0, outside = 0;
    for (int y = 200; y < 400; ++y)
        for (int x = 520; x < 680; ++x) (std::abs(x - 600) <= 51 && std::abs(y - 300) <= 51 ? inside : outside) += lit(x, y);
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);
}

} // namespace
