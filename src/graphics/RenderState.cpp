#include "graphics/RenderState.h"

#include "graphics/Scene.h"

#include <GL/gl.h>
#include <GL/glext.h>

namespace bg {

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

void RenderState::apply() const {
    if (!mLive) return;
    for (const Capability& c : mCapabilities) sendCapability(c.cap, c.state->current());
    if (mTextureUnits > 1) sendCapability(GL_TEXTURE_2D, mTexture2DUnit1.current(), 1);
    glDepthMask(mDepthMask.current() ? GL_TRUE : GL_FALSE);
    glShadeModel(mShadeModel.current());
    glBlendFunc(mBlendFunc.current().source, mBlendFunc.current().destination);
    glCullFace(mCullFaceMode.current());
}

RenderState::Result RenderState::set(int cap, bool value) {
    TrackedState<bool>* state = find(cap);
    if (!state) return Result::Untracked;
    if (state->set(value)) sendCapability(cap, value);
    return Result::Done;
}

RenderState::Result RenderState::restore(int cap) {
    TrackedState<bool>* state = find(cap);
    if (!state) return Result::Untracked;
    if (state->isEmpty()) return Result::Empty;
    if (state->restore()) sendCapability(cap, state->current());
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
    } else if (mTexture2DUnit1.set(value)) {
        sendCapability(GL_TEXTURE_2D, value, 1);
    }
}

bool RenderState::restoreTexture2D(int unit) {
    if (unit == 0) return restore(GL_TEXTURE_2D) == Result::Done;
    if (mTexture2DUnit1.isEmpty()) return false;
    if (mTexture2DUnit1.restore()) sendCapability(GL_TEXTURE_2D, mTexture2DUnit1.current(), 1);
    return true;
}

bool RenderState::isTexture2DEnabled(int unit) const {
    return unit == 0 ? mTexture2D.current() : mTexture2DUnit1.current();
}

void RenderState::setBlendFunc(int source, int destination) {
    if (mBlendFunc.set({source, destination}) && mLive) glBlendFunc(source, destination);
}

bool RenderState::restoreBlendFunc() {
    if (mBlendFunc.isEmpty()) return false;
    if (mBlendFunc.restore() && mLive) glBlendFunc(mBlendFunc.current().source, mBlendFunc.current().destination);
    return true;
}

void RenderState::setDepthMask(bool value) {
    if (mDepthMask.set(value) && mLive) glDepthMask(value ? GL_TRUE : GL_FALSE);
}

bool RenderState::restoreDepthMask() {
    if (mDepthMask.isEmpty()) return false;
    if (mDepthMask.restore() && mLive) glDepthMask(mDepthMask.current() ? GL_TRUE : GL_FALSE);
    return true;
}

void RenderState::setShadeModel(int mode) {
    if (mShadeModel.set(mode) && mLive) glShadeModel(mode);
}

bool RenderState::restoreShadeModel() {
    if (mShadeModel.isEmpty()) return false;
    if (mShadeModel.restore() && mLive) glShadeModel(mShadeModel.current());
    return true;
}

void RenderState::setCullFaceMode(int mode) {
    if (mCullFaceMode.set(mode) && mLive) glCullFace(mode);
}

bool RenderState::restoreCullFaceMode() {
    if (mCullFaceMode.isEmpty()) return false;
    if (mCullFaceMode.restore() && mLive) glCullFace(mCullFaceMode.current());
    return true;
}

void RenderState::initCullFaceMode(int mode) {
    mCullFaceMode.assume(mode);
    if (mLive) glCullFace(mode);
}

} // namespace bg
