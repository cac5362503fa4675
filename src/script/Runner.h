#ifndef BRAWLGEAR_SCRIPT_RUNNER_H
#define BRAWLGEAR_SCRIPT_RUNNER_H

#include "foundation/Utils.h"

#include <string>

struct lua_State;

namespace bg {

// How a stored script's run ended.
struct RunOutcome {
    int status = 0;     // the interpreter's status: 0, LUA_ERRRUN, LUA_ERRSYNTAX, ...
    bool ended = false; // endRun was called in it
    int results = 0;    // values the chunk returned, left on L's stack when asked for
    std::string report; // a failure's message and traceback, as printed
};

// Runs the stored script `name`: reads name + ".o" through the VFS in
// binary mode, unscrambles it and runs it in L. A failure is reported on
// standard error (the message, its traceback, then its status word), or
// handed to a script-defined _ALERT (message and traceback); the caller
// carries on either way. With keepResults, what the chunk returned is left
// on the stack (outcome.results values).
RunOutcome runScript(lua_State* L, const FixedString& name, bool keepResults = false);

// In development the game's sources run as they are: a script `X` is read
// from X.lua when the game folder has it (its chunk named "@X.lua", so
// error positions read "X.lua:28:" for an editor to follow), else from the
// stored X.o as always.
void useSourceScripts(bool on);

// Ends the run between frames as if the main script had returned: a long
// jump through every chunk running, which each runner takes as a normal
// end (outcome.ended). The executable ends headless runs and development
// reloads this way.
[[noreturn]] void endRun(lua_State* L);
// Whether the error object at `index` is that end of the run.
bool isEndOfRun(lua_State* L, int index);

// The status word the runner prints for an interpreter status ("ERRRUN",
// "ERRSYNTAX", ...), or null for success.
const char* statusWord(int status);

} // namespace bg

#endif
