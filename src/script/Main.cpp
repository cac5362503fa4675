// The brawlgear host: builds the interpreter and the engine, runs the game's
// stored script "Scripts/Main" (the game loop lives there), then saves
// Engine.cfg and takes everything down again.

#include "config/Var.h"
#include "graphics/Scene.h"
#include "script/Classes.h"
#include "script/Globals.h"
#include "script/Runner.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <lua.hpp>

namespace bg {
namespace {

void openStandardLibraries(lua_State* L) {
    // base (with coroutine), table, io and os, string, math, debug: the
    // libraries, and the order, scripts were written against.
    const lua_CFunction libraries[] = {luaopen_base,   luaopen_table, luaopen_io,   luaopen_os,
                                       luaopen_string, luaopen_math,  luaopen_debug};
    for (lua_CFunction open : libraries) {
        lua_pushcfunction(L, open);
        lua_call(L, 0, 0);
    }
}

} // namespace
} // namespace bg

int main(int argc, char** argv) {
    using namespace bg;

    lua_State* L = luaL_newstate();
    if (!L) BG_FATAL("main() : Unable to create the script interpreter");
    openStandardLibraries(L);
    registerClasses(L);
    registerGlobalFunctions(L);
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    const bool fullScreen = !(argc > 1 && std::strcmp(argv[1], "-windowed") == 0);
    gScene = SharedPointer<Scene>(new Scene(fullScreen));
    if (gScene->hasMultiTexture()) gScene->prepareEnvironmentUnit();
    gScene->clearBuffers();

    runScript(L, "Scripts/Main");

    lua_close(L);
    gVarManager->end();
    gScene.free();
    return 0;
}
