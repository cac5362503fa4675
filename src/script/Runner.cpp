#include "script/Runner.h"

#include "vfs/VFS.h"

#include <cstdio>
#include <lua.hpp>

namespace bg {

const char* statusWord(int status) {
    switch (status) {
    case 0: return nullptr;
    case LUA_ERRRUN: return "ERRRUN\n";
    case LUA_ERRFILE: return "ERRFILE\n";
    case LUA_ERRSYNTAX: return "ERRSYNTAX\n";
    case LUA_ERRMEM: return "ERRMEM\n";
    case LUA_ERRERR: return "ERRERR\n";
    default: return "ERRRUN\n"; // LUA_YIELD: a main chunk cannot yield
    }
}

namespace {

// The alert step of a failed chunk: hand the message to a script-defined
// _ALERT, or else print it with a line feed. The message on top is popped.
void alert(lua_State* L) {
    lua_getglobal(L, "_ALERT");
    if (lua_isfunction(L, -1)) {
        lua_insert(L, -2);
        // An _ALERT that fails itself must not bring the host down.
        if (lua_pcall(L, 1, 0, 0) != 0) {
            const char* message = lua_tostring(L, -1);
            std::fprintf(stderr, "%s\n", message ? message : "(error object is not a string)");
            lua_pop(L, 1);
        }
        return;
    }
    const char* message = lua_tostring(L, -2);
    std::fprintf(stderr, "%s\n", message ? message : "(error object is not a string)");
    lua_pop(L, 2);
}

} // namespace

void runScript(lua_State* L, const FixedString& name) {
    File file;
    file.load(name + ".o", true);
    file.unscramble();

    const int top = lua_gettop(L);
    // An empty buffer is a valid empty chunk: a missing script runs nothing.
    int status = luaL_loadbuffer(L, file.getData() ? file.getData() : "", static_cast<size_t>(file.getSize()),
                                 name.c_str());
    if (status == 0) status = lua_pcall(L, 0, LUA_MULTRET, 0);
    if (status != 0) alert(L);
    lua_settop(L, top);

    if (const char* word = statusWord(status)) std::fputs(word, stderr);
}

} // namespace bg
