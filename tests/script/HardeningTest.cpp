// What a hostile or careless game can do to the engine through its scripts
// and files, run with the real executable: it gets an error, never a crash,
// and Engine.cfg is always saved whole.

#include "support/Expect.h"
#include "support/Game.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <utility>

using bgtest::GameTest;
using bgtest::report;
using bgtest::RunResult;

namespace {

using Hardening = GameTest;

// Scripts see the same libraries whichever interpreter the engine was
// built with: LuaJIT's own tables stay out of sight, and the names Lua 5.1
// keeps from 5.0 are there. Strict globals (the common idiom: reading an
// undefined global raises) must not trip the runner's _ALERT lookup.
// (Finalisers reached through the wrong class are the binding tests'.)
TEST_F(Hardening, EitherInterpreterOffersTheSameLibrariesAndStrictGlobalsDoNotTurnErrorsIntoPanics) {
    source("Scripts/Strict.lua", "setmetatable(_G, {__index = function(_, k) error('undefined ' .. k, 2) end})\n");
    source("Scripts/Broken.lua", "local x = nil + 1\n");
    mainScript("print(math.mod(7, 3), string.gfind == string.gmatch, select(2, pcall(table.setn, {}, 1))) "
               "print(jit, bit, ffi, package, require, debug.getregistry()._LOADED.jit, "
               "(debug.getregistry()._PRELOAD or {})['jit.util']) "
               "loadModule('Scripts/Strict')\n"
               "loadModule('Scripts/Broken')\n"
               "trace('after the module')\n"
               "getVarManager():setVarValue('GAME', 7)\n"
               "error('game over')\n");
    const RunResult result = play(std::string(bgtest::BASIC_CFG) + "GAME = 1\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "1\ttrue\t'setn' is obsolete\nnil\tnil\tnil\tnil\tnil\tnil\tnil\n");
    EXPECT_TRUE(bgtest::matches(bgtest::withoutTracebacks(result.script),
                                report("[string \"Scripts/Broken\"]:1: attempt to perform arithmetic on a nil value\n"
                                       "ERRRUN\nafter the module\n[string \"Scripts/Main\"]:5: game over\nERRRUN\n")))
        << result.script;
    EXPECT_NE(savedCfg().find("GAME = 7.000000\n"), std::string::npos);
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

// Every program answers --help and -h with its usage and touches nothing
// (the asset maker made a folder named "--help"; the engine neither reads
// nor writes Engine.cfg).
TEST_F(Hardening, EveryToolExplainsItselfAndWritesNothing) {
    const std::pair<const char*, const char*> tools[] = {
        {BRAWLGEAR_EXE, "usage: brawlgear [-windowed]"}, {BRAWLGEAR_PACK_EXE, "usage: brawlgear-pack SOURCE_DIR OUTPUT"},
        {BRAWLGEAR_FONT_EXE, "usage: "}, {BRAWLGEAR_DEMO_ASSETS_EXE, "usage: "}, {BRAWLGEAR_LUA_EXE, "usage: "}};
    for (const auto& [tool, usage] : tools)
        for (const char* option : {"--help", "-h"}) {
            bgtest::ScratchDir empty;
            const RunResult result = bgtest::run({tool, option}, empty.path());
            EXPECT_EQ(result.exitCode, 0) << tool << " " << option << ": " << result.err;
            EXPECT_EQ(result.out.rfind(usage, 0), 0u) << tool << " " << option;
            EXPECT_TRUE(std::filesystem::is_empty(empty.path())) << tool << " " << option;
        }
}

} // namespace
