#ifndef BRAWLGEAR_BINDINGS_FRAMEHOOKS_H
#define BRAWLGEAR_BINDINGS_FRAMEHOOKS_H

// What the executable adds to a script's frame: the bindings call these
// where events are read and around the buffer swap, and the executable
// installs its own (headless capture, quit requests, development reloads).
// Any of them may end the run with endRun. Unset, they do nothing.

struct lua_State;

namespace bg {

struct FrameHooks {
    void (*afterEvents)(lua_State* L) = nullptr;
    void (*beforeSwap)() = nullptr;
    void (*afterSwap)(lua_State* L) = nullptr;
};

extern FrameHooks gFrameHooks;

} // namespace bg

#endif
