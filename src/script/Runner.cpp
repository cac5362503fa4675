#include "script/Runner.h"

#include "vfs/VFS.h"

#include <cstdio>
#include <new>
#include <lua.hpp>

namespace bg {

namespace {
char gEndOfRun; // its address marks the error that ends the run
} // namespace

void endRun(lua_State* L) {
    lua_pushlightuserdata(L, &gEndOfRun);
    lua_error(L);
    __builtin_unreachable();
}

bool isEndOfRun(lua_State* L, int index) { return lua_touserdata(L, index) == &gEndOfRun; }

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
    bool keepResults;
    RunOutcome outcome; // its report is filled after the run, from `report`
    char report[4096];  // written inside the run: nothing there may throw
};

// The failure's text for the caller, cut to the buffer.
void keepReport(Chunk& chunk, const char* message, const char* traceback) {
    std::snprintf(chunk.report, sizeof chunk.report, "%s%s%s", message ? message : "(error object is not a string)",
                  traceback ? "\n" : "", traceback ? traceback : "");
}

// Registry keys (their addresses): where the message handler leaves the
// traceback of a failed call, and where a chunk's results wait for the
// caller. Light userdata keys: reading and clearing them allocates nothing.
char gTracebackKey;
char gResultsKey;

void setRegistry(lua_State* L, char* key) { // the value on top
    lua_pushlightuserdata(L, key);
    lua_insert(L, -2);
    lua_rawset(L, LUA_REGISTRYINDEX);
}
void getRegistry(lua_State* L, char* key) {
    lua_pushlightuserdata(L, key);
    lua_rawget(L, LUA_REGISTRYINDEX);
}
// Sets an existing key to false, which needs no allocation; a missing key
// is left missing.
void clearRegistry(lua_State* L, char* key) {
    getRegistry(L, key);
    const bool present = !lua_isnil(L, -1);
    lua_pop(L, 1);
    if (!present) return;
    lua_pushboolean(L, 0);
    setRegistry(L, key);
}

void printMessage(lua_State* L, int index) {
    const char* message = lua_tostring(L, index);
    std::fprintf(stderr, "%s\n", message ? message : "(error object is not a string)");
}

// The calls that led to an error, innermost first, as the interpreter's
// own debug.traceback writes them: the first 12 and the last 10 levels.
void pushTraceback(lua_State* L) {
    luaL_Buffer out;
    luaL_buffinit(L, &out);
    luaL_addstring(&out, "stack traceback:");
    lua_Debug ar;
    int depth = 0;
    while (lua_getstack(L, depth + 1, &ar)) ++depth;
    for (int level = 1; level <= depth; ++level) {
        if (level == 13 && depth > 22) {
            luaL_addstring(&out, "\n\t...");
            level = depth - 10;
            continue;
        }
        if (!lua_getstack(L, level, &ar) || !lua_getinfo(L, "Snl", &ar)) break;
        char line[LUA_IDSIZE + 64];
        int n = std::snprintf(line, sizeof line, "\n\t%s:", ar.short_src);
        if (ar.currentline > 0) n += std::snprintf(line + n, sizeof line - n, "%d:", ar.currentline);
        if (*ar.namewhat != '\0')
            std::snprintf(line + n, sizeof line - n, " in function '%s'", ar.name ? ar.name : "?");
        else if (*ar.what == 'm')
            std::snprintf(line + n, sizeof line - n, " in main chunk");
        else if (*ar.what == 'C' || *ar.what == 't')
            std::snprintf(line + n, sizeof line - n, " ?");
        else
            std::snprintf(line + n, sizeof line - n, " in function <%s:%d>", ar.short_src, ar.linedefined);
        luaL_addstring(&out, line);
    }
    luaL_pushresult(&out);
}

// The message handler of the chunk's call: keeps the traceback where the
// runner finds it and hands the error object back untouched (scripts and
// _ALERT see the message as they always did).
int keepTraceback(lua_State* L) {
    if (isEndOfRun(L, 1)) return 1;
    pushTraceback(L);
    setRegistry(L, &gTracebackKey);
    return 1;
}

// Load, protected call, and the alert step of a failed chunk: a
// script-defined _ALERT gets the message and the traceback, or else they
// are printed with a line feed each. Itself run protected, with nothing on
// the C++ side of the long jumps: whatever a script does (a strict-globals
// __index, an _ALERT that fails, memory running out), the runner returns.
int runChunk(lua_State* L) {
    Chunk* chunk = static_cast<Chunk*>(lua_touserdata(L, 1));
    lua_settop(L, 0);
    // Both keys exist from here on (false: nothing), so clearing them later
    // outside any protected call allocates nothing.
    lua_pushboolean(L, 0);
    setRegistry(L, &gTracebackKey);
    lua_pushboolean(L, 0);
    setRegistry(L, &gResultsKey);
    lua_pushcfunction(L, keepTraceback);
    RunOutcome& outcome = chunk->outcome;
    outcome.status = luaL_loadbuffer(L, chunk->data, chunk->size, chunk->name);
    if (outcome.status == 0) outcome.status = lua_pcall(L, 0, chunk->keepResults ? LUA_MULTRET : 0, 1);
    if (outcome.status != 0 && isEndOfRun(L, -1)) {
        outcome.status = 0;
        outcome.ended = true;
        lua_settop(L, 1);
    }
    if (outcome.status == 0) {
        // The results go back to the caller's stack as a table: what a
        // function run by lua_cpcall returns is dropped.
        outcome.results = lua_gettop(L) - 1;
        lua_createtable(L, outcome.results, 0);
        for (int i = outcome.results; i >= 1; --i) {
            lua_insert(L, -2);
            lua_rawseti(L, -2, i);
        }
        setRegistry(L, &gResultsKey);
        return 0;
    }

    getRegistry(L, &gTracebackKey);
    keepReport(*chunk, lua_tostring(L, -2), lua_isstring(L, -1) ? lua_tostring(L, -1) : nullptr);
    // Raw: the globals' own __index must not run here.
    lua_pushliteral(L, "_ALERT");
    lua_rawget(L, LUA_GLOBALSINDEX);
    if (!lua_isfunction(L, -1)) {
        printMessage(L, -3);
        if (lua_isstring(L, -2)) std::fprintf(stderr, "%s\n", lua_tostring(L, -2));
        return 0;
    }
    lua_insert(L, -3); // _ALERT, message, traceback
    if (lua_pcall(L, 2, 0, 0) != 0) printMessage(L, -1);
    return 0;
}

} // namespace

namespace {
bool gSourceScripts = false;
} // namespace

void useSourceScripts(bool on) { gSourceScripts = on; }

RunOutcome runScript(lua_State* L, const FixedString& name, bool keepResults) {
    RunOutcome outcome;
    const int top = lua_gettop(L);
    {
        File file;
        FixedString chunkName = name;
        const FixedString source = name + ".lua";
        if (gSourceScripts && !gVFS->isArchive() && gVFS->exists(source)) {
            file.load(source, true);
            chunkName = FixedString("@") + source;
        } else {
            file.load(name + ".o", true);
            file.unscramble();
        }
        // An empty buffer is a valid empty chunk: a missing script runs nothing.
        Chunk chunk{chunkName.c_str(), file.getData() ? file.getData() : "", static_cast<std::size_t>(file.getSize()),
                    keepResults, RunOutcome(), {}};
        const int outer = lua_cpcall(L, runChunk, &chunk);
        outcome = chunk.outcome;
        // Memory may be what ran out: the report is then left empty.
        try {
            outcome.report = chunk.report;
            if (outer != 0 && outcome.report.empty() && lua_isstring(L, -1)) outcome.report = lua_tostring(L, -1);
        } catch (const std::bad_alloc&) {
            outcome.report.clear();
        }
        if (outer != 0) {
            // The alert step itself failed (out of memory, most likely).
            printMessage(L, -1);
            if (outcome.status == 0) outcome.status = outer;
            outcome.results = 0;
        }
    }
    // Nothing below may allocate outside a protected call: the keys were
    // made by the chunk's run, and only an existing key is overwritten.
    lua_settop(L, top);
    clearRegistry(L, &gTracebackKey);
    getRegistry(L, &gResultsKey);
    clearRegistry(L, &gResultsKey);
    if (keepResults && lua_istable(L, -1)) {
        // Only a module's results are kept, and a module runs inside the
        // caller's own protected call, where a full stack may raise.
        luaL_checkstack(L, outcome.results + 1, "too many results from a module");
        const int table = lua_gettop(L);
        for (int i = 1; i <= outcome.results; ++i) lua_rawgeti(L, table, i);
        lua_remove(L, table);
    } else {
        lua_pop(L, 1);
        outcome.results = 0;
    }

    if (const char* word = statusWord(outcome.status)) std::fputs(word, stderr);
    return outcome;
}

} // namespace bg
