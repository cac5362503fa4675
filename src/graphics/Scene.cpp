#include "graphics/Scene.h"

#include "audio/CdPlayer.h"
#include "audio/Listener.h"
#include "audio/Sound.h"
#include "graphics/Camera.h"
#include "graphics/Font.h"
#include "graphics/FrameStats.h"
#include "graphics/Light.h"
#include "graphics/Primitives.h"
#include "graphics/SceneSetup.h"
#include "graphics/SpriteBatch.h"
#include "graphics/Texture.h"
#include "graphics/Transform.h"
#include "input/EventManager.h"
#include "input/Time.h"
#include "vfs/VFS.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>

namespace bg {

SharedPointer<Scene> gScene;

using namespace scenesetup;

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
    gFrameStats.endFrame();
}

SceneStats Scene::getStats() const {
    SceneStats stats;
    stats.frame = gFrameStats.last();
    stats.frameTime = gFrameStats.lastFrameTime();
    stats.lastSecond = gFrameStats.lastSecond();
    if (!gTextureManager.isNull()) stats.textures = gTextureManager->count(), stats.textureBytes = gTextureManager->bytes();
    if (!gSoundManager.isNull()) {
        stats.sounds = gSoundManager->count();
        stats.soundBytes = gSoundManager->bytes();
        stats.playingSources = gSoundManager->playingSources();
    }
    return stats;
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
