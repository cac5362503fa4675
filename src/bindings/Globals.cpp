#include "bindings/Globals.h"

#include "audio/CdPlayer.h"
#include "foundation/Utils.h"
#include "graphics/Effects.h"
#include "graphics/Scene.h"
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
// returns what its chunk returned (nothing when it failed: its error is
// reported and the caller goes on).
int loadModule(lua_State* L) {
    if (lua_gettop(L) != 1) return luaL_error(L, "loadModule : Invalid number of parameters");
    const FixedString name = luaL_checkstring(L, 1);
    const RunOutcome outcome = runScript(L, name, true);
    // A run that ended in the module ends the caller too.
    if (outcome.ended) endRun(L);
    return outcome.results;
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

// The effects take no count check; surplus arguments are ignored.
int glBeginMirror(lua_State*) {
    beginMirror();
    return 0;
}

int glEndMirror(lua_State*) {
    endMirror();
    return 0;
}

// Without multitexturing the argument is not even read.
int enableEnvironmentalMapping(lua_State* L) {
    if (!gScene->hasMultiTexture()) return 0;
    const lua_Number id = std::trunc(luaL_checknumber(L, 1));
    enableEnvironmentMapping(id >= INT_MIN && id <= INT_MAX ? static_cast<int>(id) : -1);
    return 0;
}

int disableEnvironmentalMapping(lua_State*) {
    disableEnvironmentMapping();
    return 0;
}

int enableVSync(lua_State*) {
    if (gSwapInterval) gSwapInterval(1);
    return 0;
}

int disableVSync(lua_State*) {
    if (gSwapInterval) gSwapInterval(0);
    return 0;
}

// The interpreter's truth rule: 0 is true, a missing argument false.
int setColorMaskFunction(lua_State* L) {
    setColorMask(lua_toboolean(L, 1), lua_toboolean(L, 2), lua_toboolean(L, 3), lua_toboolean(L, 4));
    return 0;
}

int displayShadowFunction(lua_State*) {
    displayShadow();
    return 0;
}

// The CD functions check no argument count.
int playCD(lua_State* L) {
    lua_pushboolean(L, cd::play());
    return 1;
}

int stopCD(lua_State*) {
    cd::stop();
    return 0;
}

int setVolumeCD(lua_State* L) {
    cd::setVolume(static_cast<float>(luaL_checknumber(L, 1)));
    return 0;
}

int nextTrackCD(lua_State* L) {
    lua_pushnumber(L, cd::nextTrack());
    return 1;
}

int prevTrackCD(lua_State* L) {
    lua_pushnumber(L, cd::prevTrack());
    return 1;
}

int updateCD(lua_State* L) {
    lua_pushboolean(L, cd::update());
    return 1;
}

int CDPresent(lua_State* L) {
    lua_pushboolean(L, cd::present());
    return 1;
}

} // namespace

// In the order scripts have always found them.
void registerGlobalFunctions(lua_State* L) {
    const luaL_Reg functions[] = {{"loadModule", loadModule},
                                  {"glBeginMirror", glBeginMirror},
                                  {"glEndMirror", glEndMirror},
                                  {"enableEnvironmentalMapping", enableEnvironmentalMapping},
                                  {"disableEnvironmentalMapping", disableEnvironmentalMapping},
                                  {"clamp", clamp},
                                  {"acos", acos},
                                  {"trace", trace},
                                  {"playCD", playCD},
                                  {"stopCD", stopCD},
                                  {"setVolumeCD", setVolumeCD},
                                  {"nextTrackCD", nextTrackCD},
                                  {"prevTrackCD", prevTrackCD},
                                  {"updateCD", updateCD},
                                  {"CDPresent", CDPresent},
                                  {"enableVSync", enableVSync},
                                  {"disableVSync", disableVSync},
                                  {"delay", delay},
                                  {"setColorMask", setColorMaskFunction},
                                  {"displayShadow", displayShadowFunction}};
    for (const luaL_Reg& f : functions) lua_register(L, f.name, f.func);
}

} // namespace bg
