#include "script/Runner.h"

#include "script/Capture.h"
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

struct Chunk {
    const char* name;
    const char* data;
    std::size_t size;
    int status;
    bool ended; // a captured run's last frame: as if the chunk returned
};

void printMessage(lua_State* L, int index) {
    const char* message = lua_tostring(L, index);
    std::fprintf(stderr, "%s\n", message ? message : "(error object is not a string)");
}

// Load, protected call, and the alert step of a failed chunk: a
// script-defined _ALERT gets the message, or else it is printed with a line
// feed. Itself run protected, with nothing on the C++ side of the long
// jumps: whatever a script does (a strict-globals __index, an _ALERT that
// fails, memory running out), the runner returns.
int runChunk(lua_State* L) {
    Chunk* chunk = static_cast<Chunk*>(lua_touserdata(L, 1));
    lua_settop(L, 0);
    chunk->status = luaL_loadbuffer(L, chunk->data, chunk->size, chunk->name);
    if (chunk->status == 0) chunk->status = lua_pcall(L, 0, 0, 0);
    if (chunk->status != 0 && capture::isEndOfRun(L, -1)) {
        chunk->status = 0;
        chunk->ended = true;
    }
    if (chunk->status == 0) return 0;

    // Raw: the globals' own __index must not run here.
    lua_pushliteral(L, "_ALERT");
    lua_rawget(L, LUA_GLOBALSINDEX);
    if (!lua_isfunction(L, -1)) {
        printMessage(L, -2);
        return 0;
    }
    lua_insert(L, -2);
    if (lua_pcall(L, 1, 0, 0) != 0) printMessage(L, -1);
    return 0;
}

} // namespace

bool runScript(lua_State* L, const FixedString& name) {
    File file;
    file.load(name + ".o", true);
    file.unscramble();

    // An empty buffer is a valid empty chunk: a missing script runs nothing.
    Chunk chunk{name.c_str(), file.getData() ? file.getData() : "", static_cast<std::size_t>(file.getSize()), 0, false};
    const int top = lua_gettop(L);
    const int outer = lua_cpcall(L, runChunk, &chunk);
    if (outer != 0) {
        // The alert step itself failed (out of memory, most likely).
        printMessage(L, -1);
        if (chunk.status == 0) chunk.status = outer;
    }
    lua_settop(L, top);

    if (const char* word = statusWord(chunk.status)) std::fputs(word, stderr);
    return chunk.ended;
}

} // namespace bg
