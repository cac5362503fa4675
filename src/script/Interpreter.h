#ifndef BRAWLGEAR_SCRIPT_INTERPRETER_H
#define BRAWLGEAR_SCRIPT_INTERPRETER_H

// The script interpreter's state, made over an allocator of our own so that
// an allocation failure inside the engine can be raised as the
// interpreter's own memory error (status ERRMEM), as one of its own would
// be.

#include <lua.hpp>

namespace bg {

// A new interpreter with no libraries opened; null when even that fails.
lua_State* newInterpreter();
// The standard libraries, in the order scripts were written against: base
// (with coroutine), table, io and os, string, math, debug.
void openStandardLibraries(lua_State* L);
// Raises the interpreter's memory error. In a state not made by
// newInterpreter, a plain error with the same message.
[[noreturn]] void raiseMemoryError(lua_State* L);

} // namespace bg

#endif
