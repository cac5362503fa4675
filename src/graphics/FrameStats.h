#ifndef BRAWLGEAR_GRAPHICS_FRAMESTATS_H
#define BRAWLGEAR_GRAPHICS_FRAMESTATS_H

// What a frame cost: the engine counts its draw calls, the vertices and
// triangles they send, the texture binds and the render-state changes (sent,
// or skipped because OpenGL already held the value) where it makes them,
// and at each swap the frame's counts become the last frame's. The times
// between swaps, in milliseconds, are kept for the last HISTORY frames.
// One record for the process; counting costs an add.

namespace bg {

struct FrameCounts {
    long drawCalls = 0;
    long vertices = 0;
    long triangles = 0;
    long textureBinds = 0;
    long stateChanges = 0;
    long stateChangesSkipped = 0;
};

class FrameStats {
public:
    static constexpr int HISTORY = 240;

    void draw(long vertices, long triangles) {
        ++mCounting.drawCalls;
        mCounting.vertices += vertices;
        mCounting.triangles += triangles;
    }
    void bind() { ++mCounting.textureBinds; }
    void stateChange(bool sent) { ++(sent ? mCounting.stateChanges : mCounting.stateChangesSkipped); }

    // The frame being drawn; what is drawn between a save and a put-back
    // (an overlay over the game's frame) does not count.
    const FrameCounts& counting() const { return mCounting; }
    void putBack(const FrameCounts& counts) { mCounting = counts; }

    // At the swap: the counts become the last frame's and start again.
    void endFrame();
    const FrameCounts& last() const { return mLast; }

    // Milliseconds between the last two swaps (0 before there were two).
    double lastFrameTime() const { return mSize ? timeAt(mSize - 1) : 0; }
    // The frame times of the last second: average, shortest, longest.
    struct Span {
        double average = 0, minimum = 0, maximum = 0;
        int frames = 0;
    };
    Span lastSecond() const;
    // The kept frame times, oldest first.
    int size() const { return mSize; }
    double timeAt(int i) const { return mTimes[(mNext - mSize + i + HISTORY) % HISTORY]; }

    // Everything back to nothing, as when the engine starts.
    void reset() { *this = FrameStats(); }

private:
    FrameCounts mCounting, mLast;
    double mTimes[HISTORY] = {};
    double mEnds[HISTORY] = {}; // when each kept frame ended, in ms
    int mNext = 0, mSize = 0;
    double mLastSwap = -1;
};

extern FrameStats gFrameStats;

// The last frame's counts with what the engine holds, as scripts, the
// overlay and the statistics file see them. Times in milliseconds.
struct SceneStats {
    FrameCounts frame;
    int textures = 0;
    long textureBytes = 0;
    int sounds = 0;
    long soundBytes = 0;
    int playingSources = 0;
    double frameTime = 0;
    FrameStats::Span lastSecond;

    struct Field {
        const char* name;
        double value;
    };
    static constexpr int FIELDS = 15;
    // Name and value of each, always in this order.
    void fields(Field (&out)[FIELDS]) const;
};

} // namespace bg

#endif
