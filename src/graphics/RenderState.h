#ifndef BRAWLGEAR_GRAPHICS_RENDERSTATE_H
#define BRAWLGEAR_GRAPHICS_RENDERSTATE_H

// The one record of the OpenGL state the engine changes in nested pairs:
// the eight tracked capabilities (GL_TEXTURE_2D once per texture unit), the
// depth mask, the shade model, the blend function and the cull-face mode.
// Each has a current value and a stack of the values it replaced: set
// saves, then touches OpenGL only when the value really changes; restore
// puts back the newest saved value. The current values are what OpenGL
// holds, never read back during a frame.
//
// While no OpenGL context is open the record is still kept (nothing is
// sent); apply() sends every current value to a new context, so the state a
// script built survives closing and reopening the window. Owned by the
// scene, from its construction to its destruction.

#include "foundation/Utils.h"

namespace bg {

// A tracked value with its saved values, stored by value: a push allocates
// nothing.
template <class V> class TrackedState {
public:
    static constexpr int CAPACITY = 100;

    TrackedState(const char* stackName, const V& initial) : mStack(stackName, CAPACITY), mCurrent(initial) {}

    // Saves the current value; true when `value` differs from it (and is
    // now current), so the caller sends it to OpenGL.
    bool set(const V& value) {
        mStack.push(mCurrent);
        if (value == mCurrent) return false;
        mCurrent = value;
        return true;
    }
    // Puts the newest saved value back; true when that changed the current
    // value. False with nothing done when the stack is empty (see isEmpty).
    bool restore() {
        const V saved = mStack.pop();
        if (saved == mCurrent) return false;
        mCurrent = saved;
        return true;
    }
    bool isEmpty() const { return mStack.size() == 0; }
    int depth() const { return mStack.size(); }
    const V& current() const { return mCurrent; }
    // What a new context is assumed to hold, without saving anything.
    void assume(const V& value) { mCurrent = value; }
    // Back to one value and nothing saved.
    void reset(const V& value) {
        mStack.clear();
        mCurrent = value;
    }

private:
    Stack<V> mStack;
    V mCurrent;
};

struct BlendFunc {
    int source, destination;
    bool operator==(const BlendFunc& other) const {
        return source == other.source && destination == other.destination;
    }
};

class RenderState {
public:
    static constexpr int TEXTURE_UNITS = 2;

    RenderState();
    RenderState(const RenderState&) = delete;
    RenderState& operator=(const RenderState&) = delete;

    // Whether state changes go to OpenGL now (a context is open).
    void setLive(bool live) { mLive = live; }
    bool isLive() const { return mLive; }
    // How many texture units the context has (1 without multitexturing).
    void setTextureUnits(int units) { mTextureUnits = units; }

    // A new context: every value back to OpenGL's defaults (the blend
    // function as the context reports it), saved values kept.
    void assumeDefaults();
    // OpenGL's defaults with nothing saved, sent to a live context: the
    // state a game starts in.
    void resetToDefaults();
    // Sends every current value to the context.
    void apply() const;

    // The capabilities; GL_TEXTURE_2D means texture unit 0. The caller
    // reports what is refused: an untracked capability (false, Untracked)
    // or nothing to restore (false, Empty).
    enum class Result { Done, Untracked, Empty };
    Result set(int cap, bool value);
    Result restore(int cap);
    // The current value; false for an untracked capability.
    bool isEnabled(int cap, bool* tracked = nullptr) const;
    void setTexture2D(int unit, bool value);
    bool restoreTexture2D(int unit);
    bool isTexture2DEnabled(int unit) const;

    // These cannot be given an invalid argument; false: nothing to restore.
    void setBlendFunc(int source, int destination);
    bool restoreBlendFunc();
    void setDepthMask(bool value);
    bool restoreDepthMask();
    void setShadeModel(int mode);
    bool restoreShadeModel();
    void setCullFaceMode(int mode);
    bool restoreCullFaceMode();
    // Configuration of a new context: the value becomes current and is
    // sent, nothing is saved.
    void initCullFaceMode(int mode);
    int getCullFaceMode() const { return mCullFaceMode.current(); }
    BlendFunc getBlendFunc() const { return mBlendFunc.current(); }
    bool getDepthMask() const { return mDepthMask.current(); }
    int getShadeModel() const { return mShadeModel.current(); }

private:
    struct Capability {
        int cap;
        TrackedState<bool>* state;
    };

    TrackedState<bool>* find(int cap) const;
    void sendCapability(int cap, bool on, int unit = 0) const;

    TrackedState<bool> mAlphaTest{"AlphaTest", false};
    TrackedState<bool> mBlend{"Blend", false};
    TrackedState<bool> mCullFace{"CullFace", false};
    TrackedState<bool> mDepthTest{"DepthTest", false};
    TrackedState<bool> mFog{"Fog", false};
    TrackedState<bool> mLighting{"Lighting", false};
    TrackedState<bool> mTexture2D{"Texture2D", false};
    TrackedState<bool> mDepthMask{"DepthMask", true};
    TrackedState<int> mShadeModel;
    TrackedState<bool> mNormalize{"Normalize", false};
    TrackedState<BlendFunc> mBlendFunc{"BlendFunc", BlendFunc{1, 0}};
    TrackedState<bool> mTexture2DUnit1{"Texture2D1", false};
    TrackedState<int> mCullFaceMode;
    Capability mCapabilities[8];
    bool mLive = false;
    int mTextureUnits = 1;
};

} // namespace bg

#endif
