#include "graphics/RenderState.h"

#include "graphics/FrameStats.h"
#include "graphics/Scene.h"
#include "graphics/SpriteBatch.h"

#include <GL/gl.h>
#include <GL/glext.h>

namespace bg {

namespace {

// A change a context sees is counted as sent, or as skipped when OpenGL
// already held the value.
bool counted(bool changed, bool live) {
    if (live) gFrameStats.stateChange(changed);
    return changed;
}

// Sends a value only when it changed and a context is there to take it.
template <class V, class Send> void setAndSend(TrackedState<V>& state, const V& value, bool live, Send send) {
    if (!counted(state.set(value), live) || !live) return;
    drawPendingSprites();
    send(value);
}

template <class V, class Send> bool restoreAndSend(TrackedState<V>& state, bool live, Send send) {
    if (state.isEmpty()) return false;
    if (counted(state.restore(), live) && live) {
        drawPendingSprites();
        send(state.current());
    }
    return true;
}

void sendBlendFunc(const BlendFunc& f) { glBlendFunc(f.source, f.destination); }
void sendDepthMask(const bool& on) { glDepthMask(on ? GL_TRUE : GL_FALSE); }
void sendShadeModel(const int& mode) { glShadeModel(mode); }
void sendCullFaceMode(const int& mode) { glCullFace(mode); }

} // namespace

RenderState::RenderState()
    : mShadeModel("ShadeModel", GL_SMOOTH), mCullFaceMode("CullFaceMode", GL_BACK),
      mCapabilities{{GL_ALPHA_TEST, &mAlphaTest}, {GL_BLEND, &mBlend},         {GL_CULL_FACE, &mCullFace},
                    {GL_DEPTH_TEST, &mDepthTest}, {GL_FOG, &mFog},             {GL_LIGHTING, &mLighting},
                    {GL_TEXTURE_2D, &mTexture2D}, {GL_NORMALIZE, &mNormalize}} {}

TrackedState<bool>* RenderState::find(int cap) const {
    for (const Capability& c : mCapabilities)
        if (c.cap == cap) return c.state;
    return nullptr;
}

void RenderState::sendCapability(int cap, bool on, int unit) const {
    drawPendingSprites();
    if (!mLive) return;
    // Unit 1 is reached through the active unit, which is left on 0.
    const bool other = unit != 0 && gActiveTextureARB;
    if (unit != 0 && !other) return;
    if (other) gActiveTextureARB(GL_TEXTURE0_ARB + unit);
    if (on)
        glEnable(cap);
    else
        glDisable(cap);
    if (other) gActiveTextureARB(GL_TEXTURE0_ARB);
}

void RenderState::assumeDefaults() {
    for (Capability& c : mCapabilities) c.state->assume(false);
    mTexture2DUnit1.assume(false);
    mDepthMask.assume(true);
    mShadeModel.assume(GL_SMOOTH);
    mCullFaceMode.assume(GL_BACK);
    GLint source = GL_ONE, destination = GL_ZERO;
    if (mLive) {
        glGetIntegerv(GL_BLEND_SRC, &source);
        glGetIntegerv(GL_BLEND_DST, &destination);
    }
    mBlendFunc.assume({source, destination});
}

void RenderState::resetToDefaults() {
    for (Capability& c : mCapabilities) c.state->reset(false);
    mTexture2DUnit1.reset(false);
    mDepthMask.reset(true);
    mShadeModel.reset(GL_SMOOTH);
    mCullFaceMode.reset(GL_BACK);
    mBlendFunc.reset({GL_ONE, GL_ZERO});
    apply();
}

void RenderState::apply() const {
    if (!mLive) return;
    for (const Capability& c : mCapabilities) sendCapability(c.cap, c.state->current());
    if (mTextureUnits > 1) sendCapability(GL_TEXTURE_2D, mTexture2DUnit1.current(), 1);
    sendDepthMask(mDepthMask.current());
    sendShadeModel(mShadeModel.current());
    sendBlendFunc(mBlendFunc.current());
    sendCullFaceMode(mCullFaceMode.current());
}

RenderState::Result RenderState::set(int cap, bool value) {
    TrackedState<bool>* state = find(cap);
    if (!state) return Result::Untracked;
    if (counted(state->set(value), mLive)) sendCapability(cap, value);
    return Result::Done;
}

RenderState::Result RenderState::restore(int cap) {
    TrackedState<bool>* state = find(cap);
    if (!state) return Result::Untracked;
    if (state->isEmpty()) return Result::Empty;
    if (counted(state->restore(), mLive)) sendCapability(cap, state->current());
    return Result::Done;
}

bool RenderState::isEnabled(int cap, bool* tracked) const {
    const TrackedState<bool>* state = find(cap);
    if (tracked) *tracked = state != nullptr;
    return state && state->current();
}

void RenderState::setTexture2D(int unit, bool value) {
    if (unit == 0) {
        set(GL_TEXTURE_2D, value);
    } else if (counted(mTexture2DUnit1.set(value), mLive)) {
        sendCapability(GL_TEXTURE_2D, value, 1);
    }
}

bool RenderState::restoreTexture2D(int unit) {
    if (unit == 0) return restore(GL_TEXTURE_2D) == Result::Done;
    if (mTexture2DUnit1.isEmpty()) return false;
    if (counted(mTexture2DUnit1.restore(), mLive)) sendCapability(GL_TEXTURE_2D, mTexture2DUnit1.current(), 1);
    return true;
}

bool RenderState::isTexture2DEnabled(int unit) const {
    return unit == 0 ? mTexture2D.current() : mTexture2DUnit1.current();
}

void RenderState::setBlendFunc(int source, int destination) {
    setAndSend(mBlendFunc, BlendFunc{source, destination}, mLive, sendBlendFunc);
}
bool RenderState::restoreBlendFunc() { return restoreAndSend(mBlendFunc, mLive, sendBlendFunc); }
void RenderState::setDepthMask(bool value) { setAndSend(mDepthMask, value, mLive, sendDepthMask); }
bool RenderState::restoreDepthMask() { return restoreAndSend(mDepthMask, mLive, sendDepthMask); }
void RenderState::setShadeModel(int mode) { setAndSend(mShadeModel, mode, mLive, sendShadeModel); }
bool RenderState::restoreShadeModel() { return restoreAndSend(mShadeModel, mLive, sendShadeModel); }
void RenderState::setCullFaceMode(int mode) { setAndSend(mCullFaceMode, mode, mLive, sendCullFaceMode); }
bool RenderState::restoreCullFaceMode() { return restoreAndSend(mCullFaceMode, mLive, sendCullFaceMode); }

void RenderState::initCullFaceMode(int mode) {
    drawPendingSprites();
    mCullFaceMode.assume(mode);
    if (mLive) glCullFace(mode);
}

} // namespace bg
