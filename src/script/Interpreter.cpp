#include "script/Interpreter.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace bg {

namespace {

// Set just before raiseMemoryError makes the interpreter allocate: that one
// allocation fails, and the interpreter unwinds with LUA_ERRMEM.
bool failNextAllocation = false;

void* allocate(void*, void* block, std::size_t, std::size_t size) {
    if (size == 0) {
        std::free(block);
        return nullptr;
    }
    if (failNextAllocation) {
        failNextAllocation = false;
        return nullptr;
    }
    return std::realloc(block, size);
}

int panic(lua_State* L) {
    const char* message = lua_tostring(L, -1);
    std::fprintf(stderr, "PANIC: unprotected error in call to Lua API (%s)\n", message ? message : "?");
    return 0;
}

} // namespace

lua_State* newInterpreter() {
    lua_State* L = lua_newstate(allocate, nullptr);
    if (L) lua_atpanic(L, panic);
    return L;
}

void openStandardLibraries(lua_State* L) {
    const lua_CFunction libraries[] = {luaopen_base,   luaopen_table, luaopen_io,   luaopen_os,
                                       luaopen_string, luaopen_math,  luaopen_debug};
    for (lua_CFunction open : libraries) {
        lua_pushcfunction(L, open);
        lua_call(L, 0, 0);
    }
#ifdef BRAWLGEAR_LUAJIT
    // Opening the jit library is what turns the compiler on. Its table is
    // not one of the libraries scripts were written against: drop the
    // global, so that a script sees the same names on either interpreter.
    lua_pushcfunction(L, luaopen_jit);
    lua_call(L, 0, 0);
    lua_pushnil(L);
    lua_setglobal(L, "jit");
    lua_getfield(L, LUA_REGISTRYINDEX, "_LOADED"); // nor through the registry
    lua_pushnil(L);
    lua_setfield(L, -2, "jit");
    lua_pop(L, 1);
    lua_getfield(L, LUA_REGISTRYINDEX, "_PRELOAD");
    if (lua_istable(L, -1)) {
        for (const char* module : {"jit.util", "jit.profile"}) {
            lua_pushnil(L);
            lua_setfield(L, -2, module);
        }
    }
    lua_pop(L, 1);
    // The names Lua 5.1 keeps from 5.0, which LuaJIT leaves out: scripts
    // written for the plain interpreter find them on either.
    lua_getglobal(L, "math");
    lua_getfield(L, -1, "fmod");
    lua_setfield(L, -2, "mod");
    lua_getglobal(L, "string");
    lua_getfield(L, -1, "gmatch");
    lua_setfield(L, -2, "gfind");
    lua_getglobal(L, "table");
    lua_pushcfunction(L, [](lua_State* state) -> int { return luaL_error(state, "'setn' is obsolete"); });
    lua_setfield(L, -2, "setn");
    // The plain interpreter's math.random is the C library's rand, which
    // the engine seeds at start; LuaJIT's own generator starts the same
    // way every run unless seeded: seed it from rand.
    lua_getfield(L, -3, "randomseed");
    lua_pushnumber(L, std::rand());
    lua_call(L, 1, 0);
    lua_pop(L, 3);
#endif
}

void raiseMemoryError(lua_State* L) {
    void* data = nullptr;
    if (lua_getallocf(L, &data) == allocate) {
        failNextAllocation = true;
        lua_newuserdata(L, 1);
        failNextAllocation = false; // not reached: the allocation above fails
    }
    luaL_error(L, "not enough memory");
    __builtin_unreachable();
}

} // namespace bg
