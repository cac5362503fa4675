#ifndef BRAWLGEAR_TESTS_LUA_H
#define BRAWLGEAR_TESTS_LUA_H

#include <lua.hpp>
#include <string>

namespace bgtest {

// Runs a chunk named "name"; its error message, or "" when it ran.
inline std::string runChunk(lua_State* L, const std::string& chunk, const char* name) {
    if (luaL_loadbuffer(L, chunk.data(), chunk.size(), name) != 0 || lua_pcall(L, 0, 0, 0) != 0) {
        const char* text = lua_tostring(L, -1);
        std::string message = text ? text : std::string("(") + luaL_typename(L, -1) + " error object)";
        lua_pop(L, 1);
        return message;
    }
    return "";
}

} // namespace bgtest

#endif
