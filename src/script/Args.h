#ifndef BRAWLGEAR_SCRIPT_ARGS_H
#define BRAWLGEAR_SCRIPT_ARGS_H

// Reading script arguments in binding methods. Every failure is raised as a
// script error (a long jump out of the method).

#include <lua.hpp>

namespace bg {

// "Class :method : Invalid number of parameters".
[[noreturn]] void argCountError(lua_State* L, const char* className, const char* method);

// A number argument, truncated toward zero.
int argInt(lua_State* L, int index);
inline float argFloat(lua_State* L, int index) { return static_cast<float>(luaL_checknumber(L, index)); }
inline double argNumber(lua_State* L, int index) { return luaL_checknumber(L, index); }
// The interpreter's truth rule: only nil, false and a missing argument are false.
inline bool argBool(lua_State* L, int index) { return lua_toboolean(L, index) != 0; }
inline const char* argString(lua_State* L, int index) { return luaL_checkstring(L, index); }

} // namespace bg

#endif
