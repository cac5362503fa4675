#ifndef BRAWLGEAR_GRAPHICS_SCENE_H
#define BRAWLGEAR_GRAPHICS_SCENE_H

// The scene owns the window, the OpenGL context and the OpenAL device and
// context, and builds every engine singleton in a fixed order (and takes
// them down in another). It keeps the render-state stacks: a small set of
// OpenGL states that are only ever changed by saving the old value first,
// so nested code puts back exactly what it found. Redundant OpenGL calls
// are skipped by comparing with the remembered value, never by reading
// OpenGL back.
//
// Configuration keys read here (Engine.cfg): SDL_* for the window, AL_* for
// the listener-wide audio parameters, GL_* for the initial OpenGL state,
// FOV, ZNEAR and ZFAR for the projection. Enumerations are given by their
// exact OpenGL or OpenAL name; an unknown name is reported and the default
// kept.

#include "foundation/Pointer.h"
#include "foundation/Utils.h"

#include <cstdint>

typedef struct ALCdevice_struct ALCdevice;
typedef struct ALCcontext_struct ALCcontext;

namespace bg {

class Scene {
public:
    explicit Scene(bool fullScreen);
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
    void clearBuffers();
    void setBackgroundColor(float red, float green, float blue, float alpha);

    void endSDL();
    void endAL();
    void restartSDL();
    void restartAL();

    // Render state. Capabilities outside the tracked eight are warned about
    // and left alone.
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
    // Sets texture unit 1 up for sphere-mapped environment mapping (only
    // with multitexturing).
    void prepareEnvironmentUnit();

private:
    struct Capability {
        int cap;
        bool current;
        Stack<bool>* saved;
    };
    struct BlendFunc {
        int source, destination;
        bool operator!=(const BlendFunc& other) const {
            return source != other.source || destination != other.destination;
        }
    };

    Capability* getStateAndStack(int cap);
    bool* getState(int cap);
    void applyCapability(int cap, bool on);
    void resetStates();

    int mOrthoWidth = 0;
    int mOrthoHeight = 0;
    double mNear = 0;
    double mFar = 0;
    bool mMultiTexture = false;

    Stack<bool> mAlphaTestStack{"AlphaTest", STACK_DEPTH};
    Stack<bool> mBlendStack{"Blend", STACK_DEPTH};
    Stack<bool> mCullFaceStack{"CullFace", STACK_DEPTH};
    Stack<bool> mDepthTestStack{"DepthTest", STACK_DEPTH};
    Stack<bool> mFogStack{"Fog", STACK_DEPTH};
    Stack<bool> mLightingStack{"Lighting", STACK_DEPTH};
    Stack<bool> mTexture2DStack{"Texture2D", STACK_DEPTH};
    Stack<bool> mDepthMaskStack{"DepthMask", STACK_DEPTH};
    Stack<int> mShadeModelStack{"ShadeModel", STACK_DEPTH};
    Stack<bool> mNormalizeStack{"Normalize", STACK_DEPTH};
    Stack<BlendFunc> mBlendFuncStack{"BlendFunc", STACK_DEPTH};
    Capability mCapabilities[8];
    bool mDepthMask = true;
    int mShadeModel = 0;
    BlendFunc mBlendFunc{1, 0};

    ALCcontext* mContext = nullptr;
    ALCdevice* mDevice = nullptr;

    static constexpr int STACK_DEPTH = 100;
};

extern SharedPointer<Scene> gScene;
// OpenGL entry points found when the context was set up; null when the
// driver lacks them.
using ActiveTextureFunction = void (*)(unsigned texture);
using MultiTexCoord2fFunction = void (*)(unsigned texture, float s, float t);
extern ActiveTextureFunction gActiveTextureARB;
extern MultiTexCoord2fFunction gMultiTexCoord2fARB;
extern void (*gSwapInterval)(int interval);

} // namespace bg

#endif
