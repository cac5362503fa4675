#include "script/Globals.h"

#include "foundation/Utils.h"
#include "platform/Sleep.h"
#include "script/Runner.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <lua.hpp>

namespace bg {

namespace {

// loadModule(name): runs a further stored script in this interpreter and
// returns whatever became of it.
int loadModule(lua_State* L) {
    if (lua_gettop(L) != 1) return luaL_error(L, "loadModule : Invalid number of parameters");
    const FixedString name = luaL_checkstring(L, 1);
    runScript(L, name);
    return 0;
}

int clamp(lua_State* L) {
    const lua_Number x = luaL_checknumber(L, 1);
    const lua_Number low = luaL_checknumber(L, 2);
    const lua_Number high = luaL_checknumber(L, 3);
    lua_pushnumber(L, std::max(low, std::min(x, high)));
    return 1;
}

// Arc cosine in radians, the argument clamped to [-1, 1] first.
int acos(lua_State* L) {
    const lua_Number x = luaL_checknumber(L, 1);
    lua_pushnumber(L, std::acos(std::max<lua_Number>(-1, std::min<lua_Number>(x, 1))));
    return 1;
}

// trace(text): one line on standard error, cut at 255 characters.
int trace(lua_State* L) {
    const FixedString line = FixedString(luaL_checkstring(L, 1)) + "\n";
    std::fputs(line.c_str(), stderr);
    return 0;
}

// delay(ms): sleeps the whole program; fractions are cut off and a negative
// delay does not sleep at all.
int delay(lua_State* L) {
    const lua_Number ms = std::trunc(luaL_checknumber(L, 1));
    unsigned milliseconds = 0;
    if (ms >= static_cast<lua_Number>(UINT_MAX))
        milliseconds = UINT_MAX;
    else if (ms > 0)
        milliseconds = static_cast<unsigned>(ms);
    platform::sleepMilliseconds(milliseconds);
    return 0;
}

} // namespace

void registerGlobalFunctions(lua_State* L) {
    lua_register(L, "loadModule", loadModule);
    lua_register(L, "clamp", clamp);
    lua_register(L, "acos", acos);
    lua_register(L, "trace", trace);
    lua_register(L, "delay", delay);
}

} // namespace bg
