#include "graphics/Scene.h"

#include "audio/ALErrors.h"
#include "audio/CdPlayer.h"
#include "audio/Listener.h"
#include "audio/Sound.h"
#include "config/Var.h"
#include "graphics/Camera.h"
#include "graphics/Font.h"
#include "graphics/Light.h"
#include "graphics/Primitives.h"
#include "graphics/SpriteBatch.h"
#include "graphics/Texture.h"
#include "graphics/Transform.h"
#include "input/EventManager.h"
#include "input/Time.h"
#include "platform/SwapInterval.h"
#include "platform/WindowCentre.h"
#include "vfs/VFS.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

namespace bg {

SharedPointer<Scene> gScene;
ActiveTextureFunction gActiveTextureARB = nullptr;
MultiTexCoord2fFunction gMultiTexCoord2fARB = nullptr;
void (*gSwapInterval)(int) = nullptr;
BufferFunctions gBufferObjects;
unsigned gContextGeneration = 0;

namespace {

struct Enumerant {
    const char* name;
    int value;
};

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
const Enumerant DISTANCE_MODELS[] = {{"AL_INVERSE_DISTANCE", AL_INVERSE_DISTANCE},
                                     {"AL_INVERSE_DISTANCE_CLAMPED", AL_INVERSE_DISTANCE_CLAMPED},
                                     {"AL_NONE", AL_NONE}};

Var& var(const char* key) { return gVarManager->get(key); }

// The value of a configuration key that names an enumerant; an unknown name
// is reported and `fallback` (-1: none) is returned.
template <std::size_t N> int enumerant(const char* key, const Enumerant (&table)[N], int fallback, const char* where) {
    const char* value = var(key).getValue();
    for (const Enumerant& e : table)
        if (std::strcmp(value, e.name) == 0) return e.value;
    BG_ERROR(FixedString(where) + " : Invalid " + key + " value!");
    return fallback;
}

void setColourAttributes(int bufferSize) {
    const int bits = Scene::channelBits(bufferSize);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, bits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, bits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, bits);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, bits);
    SDL_GL_SetAttribute(SDL_GL_BUFFER_SIZE, bufferSize);
}

const char* alcErrorName(ALCenum error) {
    switch (error) {
    case ALC_INVALID_DEVICE: return "ALC_INVALID_DEVICE";
    case ALC_INVALID_CONTEXT: return "ALC_INVALID_CONTEXT";
    case ALC_INVALID_ENUM: return "ALC_INVALID_ENUM";
    case ALC_INVALID_VALUE: return "ALC_INVALID_VALUE";
    default: return "";
    }
}

// Driver extension lists, one name a line.
void printExtensions(const char* title, const char* extensions) {
    if (!isInfoShown()) return;
    std::string list = extensions ? extensions : "";
    std::replace(list.begin(), list.end(), ' ', '\n');
    std::replace(list.begin(), list.end(), ',', '\n');
    std::fprintf(stderr, "%s:\n%s\n\n", title, list.c_str());
}

const char* text(const unsigned char* s) { return s ? reinterpret_cast<const char*>(s) : ""; }
const char* text(const char* s) { return s ? s : ""; }

} // namespace

Scene::Scene(bool fullScreen, const char* archive, bool sourceFolder)
    : mArchive(archive ? archive : ""), mSourceFolder(sourceFolder) {
    gQuadric = SharedPointer<Quadric>(new Quadric);
    openFiles(fullScreen);
    initSDLContext();
    initALContext();
    gListener = SharedPointer<Listener>(new Listener(Point(0, 0, 6), Point(0, 0, 0), Vector(0, 1, 0), Vector(0, 0, 0)));
    initGLContext();
    createManagers();
}

Scene::~Scene() {
    freeManagers();
    gListener.free();
    closeAL();
    SDL_Quit();
    gVarManager.free();
    gVFS.free();
    gQuadric.free();
    gTransform.free();
}

// The transform, the file system and Engine.cfg, as a game starts with them.
void Scene::openFiles(bool fullScreen) {
    gTransform = SharedPointer<Transform>(new Transform);
    gVFS = SharedPointer<VFS>(new VFS);
    gVarManager = SharedPointer<VarManager>(new VarManager("Engine.cfg"));
    var("SDL_FULLSCREEN").set(fullScreen ? 1 : 0);
    // Optional: the largest archive entry the game may load, in MiB.
    if (gVarManager->has("VFS_MAX_ENTRY_SIZE")) {
        const int mib = var("VFS_MAX_ENTRY_SIZE").toInt();
        if (mib > 0 && mib < 2048)
            gVFS->setMaxEntrySize(static_cast<unsigned long>(mib) << 20);
        else
            BG_ERROR("Scene::Scene() : Invalid VFS_MAX_ENTRY_SIZE value! (1 to 2047 MiB)");
    }
    // An archive named on the command line wins over Engine.cfg's, which is
    // kept as it is for the next run.
    if (!mArchive.empty())
        gVFS->open(mArchive.c_str());
    else if (!mSourceFolder && var("VFS_LOAD_FROM_ARCHIVE").isOn())
        gVFS->open(var("VFS_ARCHIVE").getValue());
}

void Scene::createManagers() {
    gTime = SharedPointer<Time>(new Time);
    gEventManager = SharedPointer<EventManager>(new EventManager);
    gSoundManager = SharedPointer<SoundManager>(new SoundManager);
    gTextureManager = SharedPointer<TextureManager>(new TextureManager);
    gFontManager = SharedPointer<FontManager>(new FontManager("Fonts/Font.txt", 1.0f));
    gCamera = SharedPointer<Camera>(new Camera(Point(0, 0, 6), Point(0, 0, 0), Vector(0, 1, 0)));
    gLightManager = SharedPointer<LightManager>(new LightManager);
}

void Scene::freeManagers() {
    gLightManager.free();
    gCamera.free();
    gFontManager.free();
    gTextureManager.free();
    gSoundManager.free();
    gEventManager.free();
    gTime.free();
}

// A development reload: what the game made is released (its textures,
// sounds, fonts, lights, settings, render state, matrices) and the engine
// starts again as it did, in the window and the audio device it has.
// Engine.cfg is read again, so the caller saves it first.
void Scene::startOver() {
    gSprites.discard(); // the frame they were for is never shown
    const bool fullScreen = var("SDL_FULLSCREEN").isOn();
    freeManagers();
    gListener.free();
    gVarManager.free();
    gVFS.free();
    gTransform.free();
    openFiles(fullScreen);
    // A game may have closed the window or the device.
    if (!mVideoOpen) initSDLContext();
    if (!mContext) initALContext();
    gListener = SharedPointer<Listener>(new Listener(Point(0, 0, 6), Point(0, 0, 0), Vector(0, 1, 0), Vector(0, 0, 0)));
    // Matrices a failed frame left pushed, channels a script masked, the
    // environment unit, the lights: back to what a new context holds.
    for (GLenum mode : {GL_TEXTURE, GL_PROJECTION, GL_MODELVIEW}) {
        glMatrixMode(mode);
        GLint depth = 1;
        glGetIntegerv(mode == GL_TEXTURE ? GL_TEXTURE_STACK_DEPTH
                      : mode == GL_PROJECTION ? GL_PROJECTION_STACK_DEPTH
                                              : GL_MODELVIEW_STACK_DEPTH,
                      &depth);
        for (; depth > 1; --depth) glPopMatrix();
        glLoadIdentity();
    }
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    for (int light = 0; light < LightManager::MAX_LIGHTS; ++light) glDisable(GL_LIGHT0 + light);
    mState.resetToDefaults();
    mGLConfigured = false;
    initGLContext();
    if (gActiveTextureARB) {
        gActiveTextureARB(GL_TEXTURE1_ARB);
        glDisable(GL_TEXTURE_GEN_S);
        glDisable(GL_TEXTURE_GEN_T);
        gActiveTextureARB(GL_TEXTURE0_ARB);
    }
    if (mEnvironmentPrepared) prepareEnvironmentUnit();
    createManagers();
    // What the old game left pending is not the new one's to report.
    for (int i = 0; i < 64 && glGetError() != GL_NO_ERROR; ++i) {
    }
}

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

void Scene::initALContext() {
    // The by-name entries are taken only when the driver answers with that
    // very name; the default device is taken as it comes.
    const struct {
        const char* name;
        const char* open;
        bool byName;
    } devices[] = {{"Generic Software", "Generic Software", true},
                   {"Generic Hardware", "Generic Hardware", true},
                   {"NULL", nullptr, false},
                   {"", "", true}};
    mDevice = nullptr;
    for (int i = 0; i < 4 && !mDevice; ++i) {
        BG_INFO(FixedString("I try to use: ") + devices[i].name);
        ALCdevice* device = alcOpenDevice(devices[i].open);
        if (!device) continue;
        const char* specifier = alcGetString(device, ALC_DEVICE_SPECIFIER);
        // The last entry only ends the search.
        if (i < 3 && (!devices[i].byName || std::strcmp(text(specifier), devices[i].name) == 0))
            mDevice = device;
        else
            alcCloseDevice(device);
    }
    if (!mDevice) {
        BG_ERROR(FixedString("Scene::initALContext() : Unable to open an OpenAL device: ") +
                 alcErrorName(alcGetError(nullptr)));
        std::exit(1);
    }
    const char* specifier = text(alcGetString(mDevice, ALC_DEVICE_SPECIFIER));
    BG_INFO(FixedString("AL valid device: ") + specifier);

    mContext = alcCreateContext(mDevice, nullptr);
    if (!mContext) {
        BG_ERROR(FixedString("Scene::initALContext(): Unable to create an OpenAL context: ") +
                 alcErrorName(alcGetError(mDevice)));
        alcCloseDevice(mDevice);
        std::exit(1);
    }
    alcGetError(mDevice);
    alcMakeContextCurrent(mContext);
    const ALCenum current = alcGetError(mDevice);
    if (current != ALC_NO_ERROR) {
        BG_ERROR(FixedString("Scene::initALContext(): Unable to setting OpenAL context as current: ") +
                 alcErrorName(current));
        alcDestroyContext(mContext);
        alcCloseDevice(mDevice);
        std::exit(1);
    }
    errorAL("");
    alcGetError(mDevice);

    alListenerf(AL_GAIN, var("AL_MASTER_GAIN").toFloat());
    alDopplerFactor(var("AL_DOPPLER_FACTOR").toFloat());
    alDopplerVelocity(var("AL_DOPPLER_VELOCITY").toFloat());
    const int model = enumerant("AL_DISTANCE_MODEL", DISTANCE_MODELS, -1, "Scene::initALContext()");
    if (model >= 0) alDistanceModel(model);

    if (isInfoShown())
        std::fprintf(stderr, "ALC Device: %s\nAL Vendor: %s\nAL Version: %s\nAL Renderer: %s\n", specifier,
                     text(alGetString(AL_VENDOR)), text(alGetString(AL_VERSION)), text(alGetString(AL_RENDERER)));
    printExtensions("AL Extensions", alGetString(AL_EXTENSIONS));
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

bool Scene::errorAL(const char* message) {
    if (message && *message) std::fprintf(stderr, "Scene::errorAL( %s ) \n", message);
    return mContext && drainALErrors();
}

bool Scene::error(const char* message) {
    if (message && *message) std::fprintf(stderr, "Scene::error( %s ) \n", message);
    return errorSDL("") || errorGL("") || errorAL("");
}

void Scene::setPerspective(double fov, int width, int height, double zNear, double zFar) {
    drawPendingSprites();
    glViewport(0, 0, width, height);
    gTransform->matrixMode(GL_PROJECTION);
    gTransform->loadIdentity();
    // A zero height would make the aspect infinite.
    gluPerspective(fov, height > 0 ? double(width) / double(height) : 1.0, zNear, zFar);
    gTransform->matrixMode(GL_MODELVIEW);
    gTransform->loadIdentity();
}

void Scene::glBegin2D() {
    gTransform->matrixMode(GL_MODELVIEW);
    gTransform->pushMatrix();
    gTransform->loadIdentity();
    gTransform->matrixMode(GL_PROJECTION);
    gTransform->pushMatrix();
    gTransform->loadIdentity();
    set(GL_DEPTH_TEST, false);
    set(GL_LIGHTING, false);
    set(GL_FOG, false);
    const double half = (mFar - mNear) / 2;
    glOrtho(0, mOrthoWidth, 0, mOrthoHeight, -half, half);
    gTransform->matrixMode(GL_MODELVIEW);
}

void Scene::glEnd2D() {
    restore(GL_DEPTH_TEST);
    restore(GL_LIGHTING);
    restore(GL_FOG);
    gTransform->matrixMode(GL_PROJECTION);
    gTransform->popMatrix();
    gTransform->matrixMode(GL_MODELVIEW);
    gTransform->popMatrix();
}

void Scene::update() {
    gTime->update();
    gEventManager->update();
    cd::pump(); // a virtual CD's music streams a little ahead
}

// Without a window there is nothing to swap or clear (SDL would crash).
void Scene::display() {
    drawPendingSprites();
    if (mVideoOpen) SDL_GL_SwapBuffers();
}

void Scene::readBackBuffer(int& width, int& height, std::vector<std::uint8_t>& rgb) {
    drawPendingSprites();
    // The whole window, whatever viewport the game has set.
    const SDL_Surface* screen = SDL_GetVideoSurface();
    width = screen ? screen->w : 0, height = screen ? screen->h : 0;
    std::vector<std::uint8_t> bottomUp(static_cast<std::size_t>(width) * height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    rgb.resize(bottomUp.size());
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
        std::copy_n(&bottomUp[static_cast<std::size_t>(height - 1 - y) * row], row, &rgb[static_cast<std::size_t>(y) * row]);
}

void Scene::clearBuffers() {
    drawPendingSprites();
    if (mVideoOpen) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void Scene::setBackgroundColor(float red, float green, float blue, float alpha) {
    mClearColor[0] = red, mClearColor[1] = green, mClearColor[2] = blue, mClearColor[3] = alpha;
    if (mVideoOpen) glClearColor(red, green, blue, alpha);
}

void Scene::prepareEnvironmentUnit() {
    drawPendingSprites();
    if (!gActiveTextureARB) return;
    mEnvironmentPrepared = true;
    if (!mVideoOpen) return;
    gActiveTextureARB(GL_TEXTURE1_ARB);
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    gActiveTextureARB(GL_TEXTURE0_ARB);
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

void Scene::endAL() {
    if (!gSoundManager.isNull() && mContext) gSoundManager->end();
    closeAL();
}

// The teardown's way out of OpenAL: the handles are cleared, so a later
// endAL or the teardown never closes them twice.
void Scene::closeAL() {
    if (mContext) {
        cd::endAL();
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(mContext);
        mContext = nullptr;
    }
    if (mDevice) {
        alcCloseDevice(mDevice);
        mDevice = nullptr;
    }
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

void Scene::restartAL() {
    if (mContext || mDevice) endAL();
    initALContext();
    if (!gListener.isNull()) gListener->normalize();
    if (!gSoundManager.isNull()) gSoundManager->restart();
    cd::restartAL();
}

void Scene::set(int cap, bool value) {
    if (mState.set(cap, value) == RenderState::Result::Untracked)
        BG_WARNING("Scene::getStateAndStack( cap, pState, pStack ) : invalid cap");
}

bool Scene::isEnabled(int cap) {
    bool tracked = false;
    const bool on = mState.isEnabled(cap, &tracked);
    if (!tracked) BG_WARNING("Scene::getState( cap ) : invalid cap");
    return on;
}

void Scene::restore(int cap) {
    switch (mState.restore(cap)) {
    case RenderState::Result::Untracked: BG_WARNING("Scene::getStateAndStack( cap, pState, pStack ) : invalid cap"); break;
    case RenderState::Result::Empty: BG_WARNING("Scene::restore( cap ) : Stack empty"); break;
    case RenderState::Result::Done: break;
    }
}

void Scene::setBlendFunc(int source, int destination) { mState.setBlendFunc(source, destination); }
void Scene::setDepthMask(bool value) { mState.setDepthMask(value); }
void Scene::setShadeModel(int mode) { mState.setShadeModel(mode); }

void Scene::restoreBlendFunc() {
    if (!mState.restoreBlendFunc()) BG_WARNING("Scene::restoreBlendFunc() : Stack empty");
}

void Scene::restoreDepthMask() {
    if (!mState.restoreDepthMask()) BG_WARNING("Scene::restoreDepthMask() : Stack empty");
}

void Scene::restoreShadeModel() {
    if (!mState.restoreShadeModel()) BG_WARNING("Scene::restoreShadeModel() : Stack empty");
}

} // namespace bg
