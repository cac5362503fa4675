#include "graphics/Scene.h"

#include "graphics/Light.h"
#include "graphics/SceneSetup.h"
#include "graphics/SpriteBatch.h"
#include "graphics/Texture.h"
#include "platform/SwapInterval.h"
#include "platform/WindowCentre.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>
#include <type_traits>

// The contexts' work was part of the scene's file: reports keep its name.
#undef BG_REPORT_FILE
#define BG_REPORT_FILE "Scene"

namespace bg {

ActiveTextureFunction gActiveTextureARB = nullptr;
MultiTexCoord2fFunction gMultiTexCoord2fARB = nullptr;
void (*gSwapInterval)(int) = nullptr;
BufferFunctions gBufferObjects;
unsigned gContextGeneration = 0;

using namespace scenesetup;

namespace {

const Enumerant POLYGON_FACES[] = {{"GL_FRONT", GL_FRONT}, {"GL_BACK", GL_BACK}, {"GL_FRONT_AND_BACK", GL_FRONT_AND_BACK}};
const Enumerant POLYGON_MODES[] = {{"GL_POINT", GL_POINT}, {"GL_LINE", GL_LINE}, {"GL_FILL", GL_FILL}};
const Enumerant HINTS[] = {{"GL_NICEST", GL_NICEST}, {"GL_FASTEST", GL_FASTEST}, {"GL_DONT_CARE", GL_DONT_CARE}};
const Enumerant COMPARISONS[] = {{"GL_NEVER", GL_NEVER},     {"GL_LESS", GL_LESS},         {"GL_EQUAL", GL_EQUAL},
                                 {"GL_LEQUAL", GL_LEQUAL},   {"GL_GREATER", GL_GREATER},   {"GL_NOTEQUAL", GL_NOTEQUAL},
                                 {"GL_GEQUAL", GL_GEQUAL},   {"GL_ALWAYS", GL_ALWAYS}};
const Enumerant CULL_FACES[] = {{"GL_FRONT", GL_FRONT}, {"GL_BACK", GL_BACK}};
const Enumerant BLEND_SOURCES[] = {{"GL_ZERO", GL_ZERO},
                                   {"GL_ONE", GL_ONE},
                                   {"GL_DST_COLOR", GL_DST_COLOR},
                                   {"GL_ONE_MINUS_DST_COLOR", GL_ONE_MINUS_DST_COLOR},
                                   {"GL_SRC_ALPHA", GL_SRC_ALPHA},
                                   {"GL_ONE_MINUS_SRC_ALPHA", GL_ONE_MINUS_SRC_ALPHA},
                                   {"GL_DST_ALPHA", GL_DST_ALPHA},
                                   {"GL_ONE_MINUS_DST_ALPHA", GL_ONE_MINUS_DST_ALPHA},
                                   {"GL_SRC_ALPHA_SATURATE", GL_SRC_ALPHA_SATURATE}};
const Enumerant BLEND_DESTINATIONS[] = {{"GL_ZERO", GL_ZERO},
                                        {"GL_ONE", GL_ONE},
                                        {"GL_SRC_COLOR", GL_SRC_COLOR},
                                        {"GL_ONE_MINUS_SRC_COLOR", GL_ONE_MINUS_SRC_COLOR},
                                        {"GL_SRC_ALPHA", GL_SRC_ALPHA},
                                        {"GL_ONE_MINUS_SRC_ALPHA", GL_ONE_MINUS_SRC_ALPHA},
                                        {"GL_DST_ALPHA", GL_DST_ALPHA},
                                        {"GL_ONE_MINUS_DST_ALPHA", GL_ONE_MINUS_DST_ALPHA}};
const Enumerant FOG_MODES[] = {{"GL_LINEAR", GL_LINEAR}, {"GL_EXP2", GL_EXP2}, {"GL_EXP", GL_EXP}};

void setColourAttributes(int bufferSize) {
    const int bits = Scene::channelBits(bufferSize);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, bits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, bits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, bits);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, bits);
    SDL_GL_SetAttribute(SDL_GL_BUFFER_SIZE, bufferSize);
}

} // namespace

void Scene::initSDLContext() {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_CDROM) < 0) {
        BG_ERROR(FixedString("Scene::initSDLContext() : Error during SDL initialisation - ") + SDL_GetError());
        SDL_Quit();
        std::exit(1);
    }
    const int bpp = var("SDL_GL_BUFFER_SIZE").toInt();
    setColourAttributes(bpp);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, var("SDL_GL_DOUBLEBUFFER").toInt());
    const struct {
        SDL_GLattr attribute;
        const char* key;
    } attributes[] = {{SDL_GL_DEPTH_SIZE, "SDL_GL_DEPTH_SIZE"},
                      {SDL_GL_STENCIL_SIZE, "SDL_GL_STENCIL_SIZE"},
                      {SDL_GL_ACCUM_RED_SIZE, "SDL_GL_ACCUM_RED_SIZE"},
                      {SDL_GL_ACCUM_GREEN_SIZE, "SDL_GL_ACCUM_GREEN_SIZE"},
                      {SDL_GL_ACCUM_BLUE_SIZE, "SDL_GL_ACCUM_BLUE_SIZE"},
                      {SDL_GL_ACCUM_ALPHA_SIZE, "SDL_GL_ACCUM_ALPHA_SIZE"},
                      {SDL_GL_MULTISAMPLEBUFFERS, "SDL_GL_MULTISAMPLEBUFFERS"},
                      {SDL_GL_MULTISAMPLESAMPLES, "SDL_GL_MULTISAMPLESAMPLES"}};
    for (const auto& a : attributes) SDL_GL_SetAttribute(a.attribute, var(a.key).toInt());

    Uint32 flags = SDL_OPENGL;
    if (var("SDL_FULLSCREEN").isOn()) flags |= SDL_FULLSCREEN;
    SDL_WM_SetCaption("Brawlgear - real-time 3D engine", "Brawlgear");
    if (var("SDL_SHOW_CURSOR").toInt() == 0) SDL_ShowCursor(SDL_DISABLE);

    int width = var("SDL_SCREEN_WIDTH").toInt();
    int height = var("SDL_SCREEN_HEIGHT").toInt();
    platform::centreNextWindow();

    // SDL answers 0 when no depth suits the mode. The configured depth is
    // then kept only when SDL could use it at all; otherwise 0 asks for the
    // display's own depth, and that is what is saved.
    int depth = bpp >= 8 && bpp <= 32 ? bpp : 0;
    if (width > 0 && height > 0) {
        const int closest = SDL_VideoModeOK(width, height, bpp, flags);
        if (closest > 0) depth = closest;
    }
    var("SDL_GL_BUFFER_SIZE").set(depth);
    if (depth != bpp) setColourAttributes(depth);

    SDL_ClearError();
    if (width > 0 && height > 0 && SDL_SetVideoMode(width, height, depth, flags)) {
        mVideoOpen = true;
        return;
    }
    failVideoMode(width, height);
}

void Scene::failVideoMode(int width, int height) {
    const char* cause = SDL_GetError();
    FixedString reason = cause && *cause ? FixedString(cause) : FixedString("SDL gave no reason");
    if (width <= 0 || height <= 0) reason = FixedString("no window of ") + width + " x " + height + " can be made";
    BG_ERROR(FixedString("Scene::initSDLContext() : Error during setting video mode - ") + reason);
    // The next start tries a mode no larger than 800 x 600; a size of 0 or
    // less could never be set, so it becomes that mode too.
    width = width > 0 ? std::min(width, 800) : 800;
    height = height > 0 ? std::min(height, 600) : 600;
    var("SDL_SCREEN_WIDTH").set(width);
    var("SDL_SCREEN_HEIGHT").set(height);
    gVarManager->end();
    SDL_Quit();
    std::exit(1);
}

// The first context is set up from Engine.cfg, saving what it turns on as
// the design has always done. A later one (restartSDL) gets the render
// state the old context had, without saving anything again: the stacks do
// not grow with every restart, and the scene's record stays true.
void Scene::initGLContext() {
    const char* where = "Scene::initGLContext()";
    const bool first = !mGLConfigured;
    gSprites.discard(); // drawn while there was no window: nothing
    mState.setLive(mVideoOpen);
    if (first) mState.assumeDefaults();

    const int face = enumerant("GL_POLYGON_FACE", POLYGON_FACES, GL_FRONT_AND_BACK, where);
    const int mode = enumerant("GL_POLYGON_MODE", POLYGON_MODES, GL_FILL, where);
    glPolygonMode(face, mode);
    const int hint = enumerant("GL_PERSPECTIVE_CORRECTION_HINT", HINTS, -1, where);
    if (hint >= 0) glHint(GL_PERSPECTIVE_CORRECTION_HINT, hint);

    if (var("GL_DEPTH_TEST").isOn()) {
        if (first) set(GL_DEPTH_TEST, true);
        const int function = enumerant("GL_DEPTH_FUNC", COMPARISONS, -1, where);
        if (function >= 0) glDepthFunc(function);
    }
    if (var("GL_CULL_FACE").isOn() && first) {
        set(GL_CULL_FACE, true);
        const int cull = enumerant("GL_CULL_FACE_MODE", CULL_FACES, -1, where);
        if (cull >= 0) mState.initCullFaceMode(cull);
    }
    if (var("GL_ALPHA_TEST").isOn()) {
        if (first) set(GL_ALPHA_TEST, true);
        const int function = enumerant("GL_ALPHA_TEST_FUNC", COMPARISONS, -1, where);
        if (function >= 0) glAlphaFunc(function, var("GL_ALPHA_TEST_REF").toFloat());
    }
    if (var("GL_BLEND").isOn() && first) {
        set(GL_BLEND, true);
        const int source = enumerant("GL_BLEND_SRC", BLEND_SOURCES, GL_SRC_ALPHA, where);
        const int destination = enumerant("GL_BLEND_DST", BLEND_DESTINATIONS, GL_ONE_MINUS_SRC_ALPHA, where);
        setBlendFunc(source, destination);
    }
    if (var("GL_LIGHTING").isOn()) {
        if (first) set(GL_LIGHTING, true);
        const GLfloat ambient[] = {var("GL_LIGHT_MODEL_AMBIENT_R").toFloat(), var("GL_LIGHT_MODEL_AMBIENT_G").toFloat(),
                                   var("GL_LIGHT_MODEL_AMBIENT_B").toFloat(), var("GL_LIGHT_MODEL_AMBIENT_A").toFloat()};
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    }
    glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);

    const GLfloat fog[] = {var("GL_FOG_COLOR_R").toFloat(), var("GL_FOG_COLOR_G").toFloat(),
                           var("GL_FOG_COLOR_B").toFloat(), var("GL_FOG_COLOR_A").toFloat()};
    if (var("GL_FOG").isOn()) {
        if (first) set(GL_FOG, true);
        const int fogMode = enumerant("GL_FOG_MODE", FOG_MODES, -1, where);
        if (fogMode >= 0) glFogi(GL_FOG_MODE, fogMode);
        const int fogHint = enumerant("GL_FOG_HINT", HINTS, -1, where);
        if (fogHint >= 0) glHint(GL_FOG_HINT, fogHint);
        glFogf(GL_FOG_DENSITY, var("GL_FOG_DENSITY").toFloat());
        glFogf(GL_FOG_START, var("GL_FOG_START").toFloat());
        glFogf(GL_FOG_END, var("GL_FOG_END").toFloat());
        glFogfv(GL_FOG_COLOR, fog);
    }
    // The clear colour starts as the fog colour; a new context keeps the
    // one the script set.
    if (first) std::copy(fog, fog + 4, mClearColor);
    glClearColor(mClearColor[0], mClearColor[1], mClearColor[2], mClearColor[3]);
    glClearDepth(1.0);

    mOrthoWidth = var("GL_ORTHO_RESOLUTION_X").toInt();
    mOrthoHeight = var("GL_ORTHO_RESOLUTION_Y").toInt();
    mNear = std::atof(var("ZNEAR").getValue());
    mFar = std::atof(var("ZFAR").getValue());
    setPerspective(std::atof(var("FOV").getValue()), var("SDL_SCREEN_WIDTH").toInt(),
                   var("SDL_SCREEN_HEIGHT").toInt(), mNear, mFar);

    if (isInfoShown())
        std::fprintf(stderr, "\nGL Vendor: %s\nGL Version: %s\nGL Renderer: %s\n", text(glGetString(GL_VENDOR)),
                     text(glGetString(GL_VERSION)), text(glGetString(GL_RENDERER)));

    const char* extensions = text(glGetString(GL_EXTENSIONS));
    mMultiTexture = false;
    gActiveTextureARB = nullptr;
    gMultiTexCoord2fARB = nullptr;
    if (hasWord(extensions, "GL_ARB_multitexture")) {
        gMultiTexCoord2fARB = reinterpret_cast<MultiTexCoord2fFunction>(SDL_GL_GetProcAddress("glMultiTexCoord2fARB"));
        if (!gMultiTexCoord2fARB) assertionFailed(__FILE__, __LINE__, "glMultiTexCoord2fARB!= 0");
        gActiveTextureARB = reinterpret_cast<ActiveTextureFunction>(SDL_GL_GetProcAddress("glActiveTextureARB"));
        if (!gActiveTextureARB) assertionFailed(__FILE__, __LINE__, "glActiveTextureARB!= 0");
        mMultiTexture = true;
    }
    mState.setTextureUnits(mMultiTexture ? 2 : 1);
    ++gContextGeneration;
    gBufferObjects = BufferFunctions();
    if (hasWord(extensions, "GL_ARB_vertex_buffer_object")) {
        auto find = [](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(SDL_GL_GetProcAddress(name));
            return function != nullptr;
        };
        BufferFunctions f;
        if (find(f.generate, "glGenBuffersARB") && find(f.bind, "glBindBufferARB") &&
            find(f.data, "glBufferDataARB") && find(f.remove, "glDeleteBuffersARB"))
            gBufferObjects = f;
    }
    gSwapInterval = platform::findSwapInterval();
    if (gSwapInterval) gSwapInterval(var("GL_SWAP_CONTROL").isOn() ? 1 : 0);

    if (var("GL_TEXTURE_2D").isOn() && first) set(GL_TEXTURE_2D, true);
    if (!first) {
        mState.apply();
        if (mEnvironmentPrepared) prepareEnvironmentUnit();
    }
    mGLConfigured = true;
    printExtensions("GL Extensions", extensions);
}

bool Scene::errorSDL(const char* message) {
    if (message && *message) std::fprintf(stderr, "Scene::errorSDL( %s ) \n", message);
    const char* pending = SDL_GetError();
    if (!pending || !*pending) return false;
    std::fprintf(stderr, "%s\n", pending);
    return true;
}

bool Scene::errorGL(const char* message) {
    if (message && *message) std::fprintf(stderr, "Scene::errorGL( %s ) \n", message);
    if (!mVideoOpen) return false; // no context to ask
    bool any = false;
    // Bounded: without a context some drivers keep answering an error.
    for (int i = 0; i < 64; ++i) {
        const GLenum error = glGetError();
        if (error == GL_NO_ERROR) break;
        any = true;
        switch (error) {
        case GL_INVALID_ENUM: std::fputs("GL_INVALID_ENUM\n", stderr); break;
        case GL_INVALID_VALUE: std::fputs("GL_INVALID_VALUE\n", stderr); break;
        case GL_INVALID_OPERATION: std::fputs("GL_INVALID_OPERATION\n", stderr); break;
        case GL_STACK_OVERFLOW: std::fputs("GL_STACK_OVERFLOW\n", stderr); break;
        case GL_STACK_UNDERFLOW: std::fputs("GL_STACK_UNDERFLOW\n", stderr); break;
        case GL_OUT_OF_MEMORY: std::fputs("GL_OUT_OF_MEMORY\n", stderr); break;
        default: std::fputs("Error Unknown!\n", stderr);
        }
    }
    return any;
}

void Scene::endSDL() {
    gSprites.discard();
    // The buffers went with the context; none is made until the next.
    gBufferObjects = BufferFunctions();
    ++gContextGeneration;
    if (!gTextureManager.isNull() && mVideoOpen) gTextureManager->end();
    mVideoOpen = false;
    mState.setLive(false);
    SDL_Quit();
}

// Opening over an open context would leave the old one (and OpenAL's
// device) behind, and the render state disagreeing with the new one.
void Scene::restartSDL() {
    if (mVideoOpen) endSDL();
    initSDLContext();
    initGLContext();
    if (!gTextureManager.isNull()) gTextureManager->restart();
    // The lights' record must stay true of the new context at once.
    if (!gLightManager.isNull()) gLightManager->restart();
}

} // namespace bg
