#ifndef BRAWLGEAR_GRAPHICS_SCENE_H
#define BRAWLGEAR_GRAPHICS_SCENE_H

// The scene owns the window, the OpenGL context and the OpenAL device and
// context, and builds every engine singleton in a fixed order (and takes
// them down in another). Scripts may close and reopen either context at any
// time: while the window is closed drawing, clearing and swapping do
// nothing, and a new OpenGL context gets the render state (RenderState.h)
// and the set-up the old one had.
//
// Configuration keys read here (Engine.cfg): SDL_* for the window, AL_* for
// the listener-wide audio parameters, GL_* for the initial OpenGL state,
// FOV, ZNEAR and ZFAR for the projection. Enumerations are given by their
// exact OpenGL or OpenAL name; an unknown name is reported and the default
// kept.

#include "foundation/Pointer.h"
#include "foundation/Utils.h"
#include "graphics/FrameStats.h"
#include "graphics/RenderState.h"

#include <cstdint>
#include <string>
#include <vector>

typedef struct ALCdevice_struct ALCdevice;
typedef struct ALCcontext_struct ALCcontext;

namespace bg {

class Scene {
public:
    // With an archive, the game is read from it whatever Engine.cfg says;
    // with `sourceFolder` (development), from the folder, likewise.
    explicit Scene(bool fullScreen, const char* archive = nullptr, bool sourceFolder = false);
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    void initSDLContext();
    void initALContext();
    void initGLContext();

    // Each reports what is pending (after a header naming `message` when it
    // is not empty) and answers whether there was anything.
    bool errorSDL(const char* message);
    bool errorGL(const char* message);
    bool errorAL(const char* message);
    bool error(const char* message);

    void setPerspective(double fov, int width, int height, double zNear, double zFar);
    // Into and out of the 2D overlay: an orthographic projection of the
    // ortho resolution, without depth test, lighting or fog.
    void glBegin2D();
    void glEnd2D();
    void update();
    void display();
    // The last frame's statistics and what the managers hold now.
    SceneStats getStats() const;
    void clearBuffers();
    void setBackgroundColor(float red, float green, float blue, float alpha);

    void endSDL();
    void endAL();
    void restartSDL();
    void restartAL();
    // For development reloads: releases everything the game made and starts
    // the engine again as it did, keeping the window and the audio device.
    // Engine.cfg is read again (save it first).
    void startOver();

    // Render state (see RenderState.h), with the scene's warnings.
    // Capabilities outside the tracked eight are warned about and left
    // alone.
    void set(int cap, bool value);
    bool isEnabled(int cap);
    void restore(int cap);
    void setBlendFunc(int source, int destination);
    void restoreBlendFunc();
    void setDepthMask(bool value);
    void restoreDepthMask();
    void setShadeModel(int mode);
    void restoreShadeModel();

    bool hasMultiTexture() const { return mMultiTexture; }
    // The 2D overlay's size in its units (glBegin2D).
    int getOrthoHeight() const { return mOrthoHeight; }
    // Sets texture unit 1 up for sphere-mapped environment mapping (only
    // with multitexturing); done again for every new context.
    void prepareEnvironmentUnit();

    // Colour bits asked for per channel for a buffer depth: a quarter of
    // it, at most 4.
    static int channelBits(int bufferSize) { return bufferSize / 4 < 4 ? bufferSize / 4 : 4; }

    bool isVideoOpen() const { return mVideoOpen; }
    // The back buffer as RGB rows, top row first (for captures).
    void readBackBuffer(int& width, int& height, std::vector<std::uint8_t>& rgb);
    bool isAudioOpen() const { return mContext != nullptr; }
    RenderState& renderState() { return mState; }

private:
    void openFiles(bool fullScreen);
    void createManagers();
    void freeManagers();
    void closeAL();
    void failVideoMode(int width, int height);

    std::string mArchive; // named on the command line
    bool mSourceFolder = false;
    int mOrthoWidth = 0;
    int mOrthoHeight = 0;
    double mNear = 0;
    double mFar = 0;
    bool mMultiTexture = false;
    RenderState mState;
    bool mVideoOpen = false;
    bool mGLConfigured = false;
    bool mEnvironmentPrepared = false;
    float mClearColor[4] = {0, 0, 0, 0};

    ALCcontext* mContext = nullptr;
    ALCdevice* mDevice = nullptr;
};

extern SharedPointer<Scene> gScene;
// OpenGL entry points found when the context was set up; null when the
// driver lacks them.
using ActiveTextureFunction = void (*)(unsigned texture);
using MultiTexCoord2fFunction = void (*)(unsigned texture, float s, float t);
extern ActiveTextureFunction gActiveTextureARB;
extern MultiTexCoord2fFunction gMultiTexCoord2fARB;
extern void (*gSwapInterval)(int interval);
// Buffer objects (GL_ARB_vertex_buffer_object): all null when the driver
// lacks them. A buffer belongs to the context it was made in; every new
// context counts one more in gContextGeneration.
struct BufferFunctions {
    void (*generate)(int count, unsigned* names) = nullptr;
    void (*bind)(unsigned target, unsigned name) = nullptr;
    void (*data)(unsigned target, long size, const void* data, unsigned usage) = nullptr;
    void (*remove)(int count, const unsigned* names) = nullptr;
};
extern BufferFunctions gBufferObjects;
extern unsigned gContextGeneration;

} // namespace bg

#endif
