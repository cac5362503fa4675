// brawlgear-lua: runs a Lua file with the standard libraries and its
// command-line arguments in `arg`, as the authoring tools written in Lua
// need (the API reference generator). It is the interpreter the engine
// embeds, so the tools see the same language.

#include <cstdio>
#include <cstring>
#include <lua.hpp>

int main(int argc, char** argv) {
    const char* const usage = "usage: brawlgear-lua SCRIPT [ARGUMENT...]\n"
                              "\n"
                              "Runs SCRIPT with Lua 5.1's standard libraries, its arguments in `arg`.\n";
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc < 2) {
        std::fputs(usage, stderr);
        return 2;
    }
    lua_State* L = luaL_newstate();
    if (!L) {
        std::fputs("brawlgear-lua: not enough memory\n", stderr);
        return 1;
    }
    luaL_openlibs(L);
    lua_createtable(L, argc - 2, 1);
    for (int i = 1; i < argc; ++i) {
        lua_pushstring(L, argv[i]);
        lua_rawseti(L, -2, i - 1);
    }
    lua_setglobal(L, "arg");
    int status = luaL_loadfile(L, argv[1]);
    if (status == 0) status = lua_pcall(L, 0, 0, 0);
    if (status != 0) {
        const char* message = lua_tostring(L, -1);
        std::fprintf(stderr, "brawlgear-lua: %s\n", message ? message : "(error object is not a string)");
    }
    lua_close(L);
    return status == 0 ? 0 : 1;
}
