#ifndef BRAWLGEAR_INPUT_TIME_H
#define BRAWLGEAR_INPUT_TIME_H

// The frame timer: caps the frame rate at the display's refresh rate by
// sleeping, measures each frame (dt) and keeps frames-per-second statistics
// since its start or last restart. All times are SDL milliseconds.

#include "foundation/Pointer.h"

#include <cstdint>

namespace bg {

// Where the timer gets the time, its sleep and the refresh rate; a test
// gives a clock of its own.
struct Clock {
    std::uint32_t (*now)();            // milliseconds
    void (*sleep)(std::uint32_t ms);
    int (*refreshRate)();              // hertz, 0 when unknown
    static Clock system();             // SDL's ticks, the platform's sleep and display
};

class Time {
public:
    explicit Time(const Clock& clock = Clock::system()) : mClock(clock) { restart(); }

    void restart();
    // Ends a frame: waits until at least the minimum frame length has passed
    // since the last update, then measures.
    void update();

    float getDt() const { return mDt; }
    std::uint32_t getFPSMax() const { return mFpsMax; }
    std::uint32_t getFPSMid() const { return mFpsMid; }
    std::uint32_t getFPSMin() const { return mFpsMin; }
    std::uint32_t getMinFrameLength() const { return mMinFrameLength; }

    // The frame period for a refresh rate in hertz: 1000 / rate above 60 Hz,
    // else (and for an unknown rate, 0) 16 ms; never below 1 ms.
    static std::uint32_t framePeriod(int refreshRate);

private:
    Clock mClock;
    std::uint32_t mStart = 0;
    std::uint32_t mElapsed = 0;
    std::uint32_t mPreviousElapsed = 0;
    std::uint32_t mFps = 0;
    std::uint32_t mFpsSum = 0;
    std::uint32_t mFrameCount = 0;
    std::uint32_t mMinFrameLength = 16;
    std::uint32_t mFpsMax = 0;
    std::uint32_t mFpsMid = 0;
    std::uint32_t mFpsMin = UINT32_MAX;
    float mDt = 0;
};

extern SharedPointer<Time> gTime;

} // namespace bg

#endif
