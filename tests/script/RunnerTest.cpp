#include "support/Expect.h"
#include "support/Game.h"

#include <algorithm>
#include <gtest/gtest.h>

using bgtest::BASIC_CFG;
using bgtest::GameTest;
using bgtest::report;
using bgtest::RunResult;

namespace {

using Runner = GameTest;

TEST_F(Runner, AScriptThatReturnsLeavesEngineCfgSorted) {
    mainScript("local x = 1\n");
    const RunResult result = play("\n" + bgtest::cfgWith({{"GAME_LEVEL", "3"}}) + "\n\nA_LONE_NAME\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.script, "");
    EXPECT_EQ(savedCfg(), bgtest::sortedCfg(bgtest::cfgWith({{"SDL_FULLSCREEN", "0"}, {"GAME_LEVEL", "3"}, {"A_LONE_NAME", ""}})));
}

TEST_F(Runner, OnlyAnExactFirstArgumentSelectsAWindow) {
    mainScript("");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"-windowed"}, "0"}, {{}, "1"}, {{"-windowedx"}, "1"}, {{"-Windowed"}, "1"}, {{"x", "-windowed"}, "1"}};
    for (const auto& [args, flag] : cases) {
        const RunResult result = play(BASIC_CFG, args);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_NE(savedCfg().find("SDL_FULLSCREEN = " + flag + "\n"), std::string::npos) << args.size();
    }
}

// The message, the calls that led to it, the status word; then the engine
// shuts down in order (Engine.cfg saved) and says by its status that the
// game failed.
TEST_F(Runner, ARunTimeErrorPrintsTheMessageItsTracebackThenERRRUN) {
    mainScript("trace('before')\nlocal function inner() error('boom') end\n"
               "local function outer() inner() end\nouter()\ntrace('after')\n");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.script, "before\n[string \"Scripts/Main\"]:2: boom\nstack traceback:\n"
                             "\t[C]: in function 'error'\n"
                             "\t[string \"Scripts/Main\"]:2: in function 'inner'\n"
                             "\t[string \"Scripts/Main\"]:3: in function 'outer'\n"
                             "\t[string \"Scripts/Main\"]:4: in main chunk\n"
                             "\t[C]: ?\nERRRUN\n");
    EXPECT_NE(savedCfg().find("SDL_FULLSCREEN = 0"), std::string::npos);
}



TEST_F(Runner, FailuresGoToAScriptDefinedAlert) {
    // The message first, as scripts have always had it; the traceback second.
    mainScript("_ALERT = function(m, t) io.stderr:write('alert<', m, '|', t:gsub('\\n.*', ''), '>\\n') end\n"
               "error('x')\n");
    EXPECT_EQ(play().script, "alert<[string \"Scripts/Main\"]:2: x|stack traceback:>\nERRRUN\n");
    // An error object that is not a string, and an _ALERT that fails itself.
    mainScript("error({})\n");
    RunResult result = play();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.script.substr(0, result.script.find('\n') + 1), "(error object is not a string)\n");
    mainScript("_ALERT = function(m) error('alert broke', 0) end\nerror('x')\n");
    result = play();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.script, "alert broke\nERRRUN\n");
}

TEST_F(Runner, AMissingMainScriptPrintsTheFileErrorOnly) {
    source("readme.txt", "no scripts here");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(bgtest::matches(result.script, report("VFS:#: ERROR : File::load( Scripts/Main.o ) : Unable to open file!\n")))
        << result.script;
}

TEST_F(Runner, StoredScriptsThatAreNotChunksFailToLoad) {
    mainScript("");
    pack();
    // Never scrambled: unscrambling turns it into noise.
    scratch.write("game/Scripts/Main.o", "trace('plain text')\n");
    scratch.write("game/Engine.cfg", BASIC_CFG);
    RunResult result = runGame();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(bgtest::matches(result.script, "\\[string \"Scripts/Main\"\\]:?[^\n]*\nERRSYNTAX\n")) << result.script;

    // Scrambled, but not Lua.
    scratch.write("game/Scripts/Main.o", bgtest::scramble("this is not lua"));
    result = runGame();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(bgtest::matches(result.script, "\\[string \"Scripts/Main\"\\]:1: [^\n]*\nERRSYNTAX\n")) << result.script;

    // Looks like a precompiled chunk, but is cut short.
    scratch.write("game/Scripts/Main.o", bgtest::scramble("\x1bLua\x51"));
    result = runGame();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.script.find("ERRSYNTAX\n"), std::string::npos) << result.script;
}

TEST_F(Runner, ArchiveModeRunsScriptsFromTheZipNamedInEngineCfg) {
    mainScript("loadModule('scripts/lib')\ntrace('main sees ' .. fromLib)\n");
    source("Scripts/Lib.lua", "fromLib = 42\n");
    addFonts();
    ASSERT_EQ(pack("game.zip").exitCode, 0);
    scratch.write("game/Engine.cfg", bgtest::cfgWith({{"VFS_LOAD_FROM_ARCHIVE", "1"}, {"VFS_ARCHIVE", "../game.zip"}}));
    const RunResult result = runGame();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(bgtest::matches(result.script, report(std::string(bgtest::ARCHIVE_FONT_LOADS) +
                                                   "INFO : File::load( Scripts/Main.o ) : # bytes - loaded!\n"
                                                   "INFO : File::load( scripts/lib.o ) : # bytes - loaded!\n"
                                                   "main sees 42\n")))
        << result.script;
}

TEST_F(Runner, AnArchiveThatCannotBeOpenedFallsBackToTheFolder) {
    mainScript("trace('from the folder')\n");
    const RunResult result = play(bgtest::cfgWith({{"VFS_LOAD_FROM_ARCHIVE", "1"}, {"VFS_ARCHIVE", "missing.zip"}}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(bgtest::matches(result.err.substr(0, result.err.find('\n') + 1),
                                report("VFS:#: ERROR : VFS::open( const char* ) : Error during opening archive missing.zip\n")))
        << result.err;
    EXPECT_EQ(result.script, "from the folder\n");
}

TEST_F(Runner, ModulesRunInTheSameInterpreterWhateverTheirStatus) {
    mainScript("print(select('#', loadModule('Scripts/Bad')))\nloadModule('Scripts/Nothing')\n"
               "trace('still here ' .. tostring(half))\n"
               "local Hud, two = loadModule('Scripts/Hud')\nprint(Hud.name, two, select('#', loadModule('Scripts/Hud')))\n");
    source("Scripts/Bad.lua", "half = 'set'\nerror('module failed')\n");
    source("Scripts/Hud.lua", "return {name = 'hud'}, 2, nil\n");
    const RunResult result = play();
    // The main script itself returned: a failed module is the module's.
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(bgtest::matches(result.script,
                                report("[string \"Scripts/Bad\"]:2: module failed\nstack traceback:\n"
                                       "\t[C]: in function 'error'\n\t[string \"Scripts/Bad\"]:2: in main chunk\n"
                                       "\t[C]: ?\n\t[C]: in function 'loadModule'\n\t[string \"Scripts/Main\"]:1: in main chunk\n"
                                       "\t[C]: ?\nERRRUN\n"
                                       "VFS:#: ERROR : File::load( Scripts/Nothing.o ) : Unable to open file!\n"
                                       "still here set\n")))
        << result.script;
    EXPECT_EQ(result.out, "0\nhud\t2\t3\n");
}

TEST_F(Runner, MissingOrBrokenConfigurationIsFatal) {
    mainScript("trace('never runs')\n");
    RunResult result = play("VFS_LOAD_FROM_ARCHIVE = 0\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(bgtest::matches(result.script,
                                report("Var:#: ERROR : VarManager::get( SDL_FULLSCREEN ) : Engine.cfg has no variable "
                                       "SDL_FULLSCREEN\nASSERTION FAILED:Utils:#:Var Table: i >= 0\n")))
        << result.script;
    EXPECT_EQ(savedCfg(), "VFS_LOAD_FROM_ARCHIVE = 0\n");

    scratch.write("game/Engine.cfg", "");
    std::remove((scratch / "game/Engine.cfg").c_str());
    result = runGame();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(bgtest::matches(result.script, report("Var:#: ERROR : VarManager( Engine.cfg ) : Unable to open the file \n"
                                                   "Var:#: ERROR : VarManager::get( SDL_FULLSCREEN ) : Engine.cfg has no "
                                                   "variable SDL_FULLSCREEN\n"
                                                   "ASSERTION FAILED:Utils:#:Var Table: i >= 0\n")))
        << result.script;

    std::string many = BASIC_CFG;
    const long keys = std::count(many.begin(), many.end(), '\n');
    for (long i = keys; i < 152; ++i) many += "GAME_" + std::to_string(i) + " = 0\n";
    result = play(many);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(bgtest::matches(result.script, report("ASSERTION FAILED:Utils:#:Var Table: j != mCapacity\n")))
        << result.script;

    std::string binary;
    for (int i = 0; i < 2000; ++i) binary += static_cast<char>((i * 7919) % 256);
    result = play(binary);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.script.find("Sanitizer"), std::string::npos) << result.script;
}

} // namespace
