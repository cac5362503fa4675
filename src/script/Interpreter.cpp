#include "script/Interpreter.h"

#include <cstdio>
#include <cstdlib>

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
