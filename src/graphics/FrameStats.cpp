#include "graphics/FrameStats.h"

#include <algorithm>
#include <chrono>
#include <iterator>

namespace bg {

FrameStats gFrameStats;

namespace {

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

void FrameStats::endFrame() {
    mLast = mCounting;
    mCounting = FrameCounts();
    const double now = nowMs();
    if (mLastSwap >= 0) {
        mTimes[mNext] = now - mLastSwap;
        mEnds[mNext] = now;
        mNext = (mNext + 1) % HISTORY;
        mSize = std::min(mSize + 1, HISTORY);
    }
    mLastSwap = now;
}

FrameStats::Span FrameStats::lastSecond() const {
    Span span;
    if (mSize == 0) return span;
    const double newest = mEnds[(mNext - 1 + HISTORY) % HISTORY];
    double total = 0;
    for (int i = mSize - 1; i >= 0; --i) {
        const int at = (mNext - mSize + i + HISTORY) % HISTORY;
        if (newest - mEnds[at] >= 1000 && span.frames > 0) break;
        const double time = mTimes[at];
        span.minimum = span.frames ? std::min(span.minimum, time) : time;
        span.maximum = std::max(span.maximum, time);
        total += time;
        ++span.frames;
    }
    span.average = total / span.frames;
    return span;
}

void SceneStats::fields(Field (&out)[FIELDS]) const {
    const Field all[FIELDS] = {{"drawCalls", double(frame.drawCalls)},
                               {"vertices", double(frame.vertices)},
                               {"triangles", double(frame.triangles)},
                               {"textureBinds", double(frame.textureBinds)},
                               {"stateChanges", double(frame.stateChanges)},
                               {"stateChangesSkipped", double(frame.stateChangesSkipped)},
                               {"textures", double(textures)},
                               {"textureBytes", double(textureBytes)},
                               {"sounds", double(sounds)},
                               {"soundBytes", double(soundBytes)},
                               {"playingSources", double(playingSources)},
                               {"frameTime", frameTime},
                               {"frameTimeAverage", lastSecond.average},
                               {"frameTimeMin", lastSecond.minimum},
                               {"frameTimeMax", lastSecond.maximum}};
    std::copy(std::begin(all), std::end(all), out);
}

} // namespace bg
