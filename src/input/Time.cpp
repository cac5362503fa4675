#include "input/Time.h"

#include "platform/RefreshRate.h"
#include "platform/Sleep.h"

#include <SDL.h>

namespace bg {

SharedPointer<Time> gTime;

namespace {
std::uint32_t sdlTicks() { return SDL_GetTicks(); }
void sleepFor(std::uint32_t ms) { platform::sleepMilliseconds(ms); }
} // namespace

Clock Clock::system() { return Clock{sdlTicks, sleepFor, platform::displayRefreshRate}; }

std::uint32_t Time::framePeriod(int refreshRate) {
    if (refreshRate <= 60) return 16;
    // A period of 0 would allow frames of no length, and a division by 0.
    return refreshRate >= 1000 ? 1 : static_cast<std::uint32_t>(1000 / refreshRate);
}

void Time::restart() {
    mDt = 0;
    mElapsed = mPreviousElapsed = mFps = mFpsSum = mFrameCount = 0;
    mFpsMax = mFpsMid = 0;
    mFpsMin = UINT32_MAX;
    mMinFrameLength = framePeriod(mClock.refreshRate());
    mStart = mClock.now();
}

void Time::update() {
    mPreviousElapsed = mElapsed;
    mElapsed = mClock.now() - mStart;
    std::uint32_t frame = mElapsed - mPreviousElapsed;
    while (frame < mMinFrameLength) {
        mClock.sleep(mMinFrameLength - frame);
        mElapsed = mClock.now() - mStart;
        frame = mElapsed - mPreviousElapsed;
    }
    mFps = 1000 / frame;
    mDt = static_cast<float>(frame) / 1000.0f;
    if (mFps > mFpsMax) mFpsMax = mFps;
    if (mFps < mFpsMin) mFpsMin = mFps;
    ++mFrameCount;
    mFpsSum += mFps;
    mFpsMid = mFpsSum / mFrameCount;
}

} // namespace bg
