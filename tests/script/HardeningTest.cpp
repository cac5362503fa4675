// What a hostile or careless game can do to the engine through its scripts
// and files, run with the real executable: it gets an error, never a crash,
// and Engine.cfg is always saved whole.

#include "support/Expect.h"
#include "support/Game.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using bgtest::GameTest;
using bgtest::report;
using bgtest::RunResult;

namespace {

using Hardening = GameTest;

TEST_F(Hardening, StrictGlobalsDoNotTurnErrorsIntoPanics) {
    // The common idiom: reading an undefined global raises. The runner's
    // _ALERT lookup must not trip it.
    source("Scripts/Strict.lua", "setmetatable(_G, {__index = function(_, k) error('undefined ' .. k, 2) end})\n");
    source("Scripts/Broken.lua", "local x = nil + 1\n");
    mainScript("loadModule('Scripts/Strict')\n"
               "loadModule('Scripts/Broken')\n"
               "trace('after the module')\n"
               "getVarManager():setVarValue('GAME', 7)\n"
               "error('game over')\n");
    const RunResult result = play(std::string(bgtest::BASIC_CFG) + "GAME = 1\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(bgtest::matches(bgtest::withoutTracebacks(result.script),
                                report("[string \"Scripts/Broken\"]:1: attempt to perform arithmetic on a nil value\n"
                                       "ERRRUN\nafter the module\n[string \"Scripts/Main\"]:5: game over\nERRRUN\n")))
        << result.script;
    EXPECT_NE(savedCfg().find("GAME = 7.000000\n"), std::string::npos);
}

TEST_F(Hardening, ScriptsCannotFreeOrReachObjectsThroughTheWrongClass) {
    mainScript("print(pcall(debug.getmetatable(Vector(1, 2, 3)).__gc, getVFS()))\n"
               "print(pcall(debug.getmetatable(getScene()).__tostring, Matrix()))\n"
               "local v = Vector(1, 2, 3)\n"
               "debug.getmetatable(v).__gc(v)\n"
               "print(pcall(v.length, v))\n"
               "print(getVFS():getDirectory())\n");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "false\tbad argument #1 to '__gc' (Vector expected, got VFS)\n"
              "false\tbad argument #1 to '__tostring' (Scene expected, got Matrix)\n"
              "false\tVector : the object has been collected or released\n"
              "\n"); // the file system still answers: no directory set
}

// Out of memory inside the engine is the interpreter's memory error: the
// run ends with ERRMEM and Engine.cfg is still saved.
TEST_F(Hardening, RunningOutOfMemoryEndsTheScriptWithERRMEM) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#endif
    source("blob.bin", std::string(4 << 20, 'b'));
    for (const char* loop : {"t[#t + 1] = Matrix()", "t[#t + 1] = File('blob.bin', true)"}) {
        mainScript(std::string("local t = {}\nwhile true do ") + loop + " end\n");
        ASSERT_EQ(pack().exitCode, 0);
        scratch.write("game/Engine.cfg", std::string(bgtest::BASIC_CFG) + "GAME = kept\n");
        const RunResult result =
            bgtest::run({"/bin/sh", "-c", std::string("ulimit -v 1500000; exec ") + BRAWLGEAR_EXE + " -windowed"},
                        scratch / "game");
        EXPECT_EQ(result.exitCode, 1) << loop;
        const std::string tail = "not enough memory\nERRMEM\n";
        EXPECT_TRUE(result.err.size() > tail.size() &&
                    result.err.compare(result.err.size() - tail.size(), tail.size(), tail) == 0)
            << loop << ": " << result.err.substr(result.err.size() > 400 ? result.err.size() - 400 : 0);
        EXPECT_NE(savedCfg().find("GAME = kept\n"), std::string::npos) << loop;
    }
}

// Scripts see the same libraries whichever interpreter the engine was
// built with: LuaJIT's own tables stay out of sight, and the names Lua 5.1
// keeps from 5.0 are there.
TEST_F(Hardening, EitherInterpreterOffersTheSameLibraries) {
    mainScript("print(math.mod(7, 3), string.gfind == string.gmatch, select(2, pcall(table.setn, {}, 1)))\n"
               "print(jit, bit, ffi, package, require, debug.getregistry()._LOADED.jit)\n");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "1\ttrue\t'setn' is obsolete\nnil\tnil\tnil\tnil\tnil\tnil\n");
}

TEST_F(Hardening, AValueCannotWriteLinesOfItsOwnIntoEngineCfg) {
    mainScript("local vars = getVarManager()\n"
               "print(pcall(vars.setVarValue, vars, 'NAME', '1\\nVFS_LOAD_FROM_ARCHIVE = 1'))\n"
               "print(pcall(vars.setVarValue, vars, 'NAME', 'tab\\there'))\n"
               "vars:setVarValue('TITLE', 'Two words')\n");
    const RunResult result = play(std::string(bgtest::BASIC_CFG) + "NAME = x\nTITLE = y\n");
    EXPECT_EQ(result.exitCode, 0);
    const std::string refused = "false\tVarManager:setVarValue( NAME ) : a value may not hold line breaks or other "
                                "control characters\n";
    EXPECT_EQ(result.out, refused + refused);
    EXPECT_TRUE(bgtest::matches(result.script, report("VarManagerBinding:#: WARNING : VarManager::setVarValue( TITLE ) : the "
                                                      "value holds blanks; the next start reads only its first "
                                                      "word\n")))
        << result.script;
    const std::string saved = savedCfg();
    EXPECT_NE(saved.find("NAME = x\n"), std::string::npos);
    EXPECT_NE(saved.find("TITLE = Two words\n"), std::string::npos);
    EXPECT_NE(saved.find("VFS_LOAD_FROM_ARCHIVE = 0\n"), std::string::npos);
    EXPECT_EQ(saved.find("VFS_LOAD_FROM_ARCHIVE = 1"), std::string::npos);
}

TEST_F(Hardening, ANewcomerIsToldWhatToDo) {
    RunResult result = bgtest::run({BRAWLGEAR_EXE, "--help"}, scratch.path());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.rfind("usage: brawlgear [-windowed]", 0), 0u);
    EXPECT_FALSE(scratch.exists("Engine.cfg")); // neither read nor written
    EXPECT_EQ(bgtest::run({BRAWLGEAR_EXE, "-h"}, scratch.path()).exitCode, 0);

    // A game folder that was never packed.
    scratch.write("game/Scripts/Main.lua", "trace('hello')\n");
    scratch.write("game/Engine.cfg", bgtest::BASIC_CFG);
    result = runGame();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(bgtest::matches(result.script,
                                report("Main:#: ERROR : main() : Scripts/Main.lua is not packed: run the sources with "
                                       "brawlgear --dev, or make the game runnable with brawlgear-pack\n")))
        << result.script;
}

// Every program answers --help and -h with its usage and touches nothing
// (the asset maker made a folder named "--help").
TEST_F(Hardening, EveryToolExplainsItselfAndWritesNothing) {
    for (const char* tool : {BRAWLGEAR_EXE, BRAWLGEAR_PACK_EXE, BRAWLGEAR_FONT_EXE, BRAWLGEAR_DEMO_ASSETS_EXE,
                             BRAWLGEAR_LUA_EXE})
        for (const char* option : {"--help", "-h"}) {
            bgtest::ScratchDir empty;
            const RunResult result = bgtest::run({tool, option}, empty.path());
            EXPECT_EQ(result.exitCode, 0) << tool << " " << option << ": " << result.err;
            EXPECT_EQ(result.out.rfind("usage: ", 0), 0u) << tool << " " << option;
            EXPECT_TRUE(std::filesystem::is_empty(empty.path())) << tool << " " << option;
        }
}

} // namespace
