#include "support/Expect.h"
#include "support/Game.h"
#include "support/Picture.h"
#include "tools/media/Media.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <tuple>

using bgtest::BASIC_CFG;
using bgtest::GameTest;
using bgtest::report;
using bgtest::RunResult;

namespace {

class Runner : public GameTest {
protected:
    // The engine started in a folder below the scratch folder.
    RunResult engine(std::vector<std::string> args, const std::string& folder) {
        args.insert(args.begin(), BRAWLGEAR_EXE);
        return bgtest::run(args, scratch / folder);
    }
};

// Only -windowed exactly, anywhere on the line, selects a window; --quiet
// keeps the drivers' and loaders' information out, and errors stay. Modules
// run in the same interpreter whatever their status: a failed module is the
// module's, and the main script goes on and returns.
TEST_F(Runner, OnlyTheExactWindowedOptionSelectsAWindowQuietKeepsErrorsAndModulesShareTheInterpreter) {
    mainScript("print(select('#', loadModule('Scripts/Bad')))\nloadModule('Scripts/Nothing')\n"
               "trace('still here ' .. tostring(half))\n"
               "local Hud, two = loadModule('Scripts/Hud')\nprint(Hud.name, two, select('#', loadModule('Scripts/Hud')))\n");
    source("Scripts/Bad.lua", "half = 'set'\nerror('module failed')\n");
    source("Scripts/Hud.lua", "return {name = 'hud'}, 2, nil\n");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "1"}, {{"-windowedx"}, "1"}, {{"-Windowed"}, "1"}, {{"--quiet", "-windowed"}, "0"}};
    RunResult last;
    for (const auto& [args, flag] : cases) {
        last = play(BASIC_CFG, args);
        EXPECT_EQ(last.exitCode, 0);
        EXPECT_NE(savedCfg().find("SDL_FULLSCREEN = " + flag + "\n"), std::string::npos) << args.size();
    }
    EXPECT_TRUE(bgtest::matches(last.err,
                                report("[string \"Scripts/Bad\"]:2: module failed\nstack traceback:\n"
                                       "\t[C]: in function 'error'\n\t[string \"Scripts/Bad\"]:2: in main chunk\n"
                                       "\t[C]: ?\n\t[C]: in function 'loadModule'\n\t[string \"Scripts/Main\"]:1: in main chunk\n"
                                       "\t[C]: ?\nERRRUN\n"
                                       "VFS:#: ERROR : File::load( Scripts/Nothing.o ) : Unable to open file!\n"
                                       "still here set\n")))
        << last.err;
    EXPECT_EQ(last.out, "0\nhud\t2\t3\n");
}

// The message, the calls that led to it, the status word; then the engine
// shuts down and says by its status that the game failed (that Engine.cfg
// is saved all the same is HardeningTest's). A script's own _ALERT gets the
// message first, as scripts have always had it, and the traceback second.
TEST_F(Runner, ARunTimeErrorPrintsTheMessageItsTracebackThenERRRUNOrGoesToAScriptDefinedAlert) {
    const std::pair<const char*, std::string> cases[] = {
        {"trace('before')\nlocal function inner() error('boom') end\n"
         "local function outer() inner() end\nouter()\ntrace('after')\n",
         report("before\n[string \"Scripts/Main\"]:2: boom\nstack traceback:\n\t[C]: in function 'error'\n"
                "\t[string \"Scripts/Main\"]:2: in function 'inner'\n\t[string \"Scripts/Main\"]:3: in function 'outer'\n"
                "\t[string \"Scripts/Main\"]:4: in main chunk\n\t[C]: ?\nERRRUN\n")},
        // A script's _ALERT; an error object that is not a string (its first
        // line); an _ALERT that fails itself.
        {"_ALERT = function(m, t) io.stderr:write('alert<', m, '|', t:gsub('\\n.*', ''), '>\\n') end\nerror('x')\n",
         report("alert<[string \"Scripts/Main\"]:2: x|stack traceback:>\nERRRUN\n")},
        {"error({})\n", "\\(error object is not a string\\)\n[\\s\\S]*"},
        {"_ALERT = function(m) error('alert broke', 0) end\nerror('x')\n", report("alert broke\nERRRUN\n")},
        // Thirty calls deep: the middle of the traceback is left out.
        {"local function f(n) if n == 0 then error('deep') end f(n - 1) end\nf(30)\n", "[\\s\\S]*\n\t\\.\\.\\.\n[\\s\\S]*ERRRUN\n"}};
    for (const auto& [script, pattern] : cases) {
        mainScript(script);
        const RunResult failed = play();
        EXPECT_EQ(failed.exitCode, 1) << script;
        EXPECT_TRUE(bgtest::matches(failed.script, pattern)) << failed.script;
    }
}

// A missing main script is the file's error only, and the game ends; one
// that is not a chunk fails to load; a game folder that was never packed
// is told what to do.
TEST_F(Runner, AMainScriptThatIsMissingNotAChunkOrNotPackedIsReported) {
    mainScript("");
    pack();
    scratch.write("game/Engine.cfg", BASIC_CFG);
    const std::tuple<std::string, std::string, int, std::string> stored[] = {
        {"Main.o", "", 0, report("VFS:#: ERROR : File::load( Scripts/Main.o ) : Unable to open file!\n")},
        // Never scrambled: unscrambling turns it into noise.
        {"Main.o", "trace('plain text')\n", 1, "\\[string \"Scripts/Main\"\\]:?[^\n]*\nERRSYNTAX\n"},
        // Scrambled, but not Lua.
        {"Main.o", bgtest::scramble("this is not lua"), 1, "\\[string \"Scripts/Main\"\\]:1: [^\n]*\nERRSYNTAX\n"},
        // Looks like a precompiled chunk, but is cut short.
        {"Main.o", bgtest::scramble("\x1bLua\x51"), 1, "[\\s\\S]*ERRSYNTAX\n[\\s\\S]*"},
        // The sources, never packed.
        {"Main.lua", "trace('hello')\n", 1,
         report("Main:#: ERROR : main() : Scripts/Main.lua is not packed: run the sources with brawlgear --dev, or make "
                "the game runnable with brawlgear-pack\n")}};
    for (const auto& [file, bytes, status, pattern] : stored) {
        std::remove((scratch / "game/Scripts/Main.o").c_str());
        if (!bytes.empty()) scratch.write("game/Scripts/" + file, bytes);
        const RunResult result = runGame();
        EXPECT_EQ(result.exitCode, status) << pattern;
        EXPECT_TRUE(bgtest::matches(result.script, pattern)) << result.script;
    }
}

TEST_F(Runner, ArchiveModeRunsScriptsFromTheZipNamedInEngineCfgOrFallsBackToTheFolder) {
    mainScript("loadModule('scripts/lib')\ntrace('main sees ' .. fromLib)\n");
    source("Scripts/Lib.lua", "fromLib = 42\n");
    addFonts();
    ASSERT_EQ(pack("game.zip").exitCode, 0);
    scratch.write("game/Engine.cfg", bgtest::cfgWith({{"VFS_LOAD_FROM_ARCHIVE", "1"}, {"VFS_ARCHIVE", "../game.zip"}}));
    RunResult result = runGame();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(bgtest::matches(result.script, report(std::string(bgtest::ARCHIVE_FONT_LOADS) +
                                                   "INFO : File::load( Scripts/Main.o ) : # bytes - loaded!\n"
                                                   "INFO : File::load( scripts/lib.o ) : # bytes - loaded!\n"
                                                   "main sees 42\n")))
        << result.script;

    mainScript("trace('from the folder')\n");
    result = play(bgtest::cfgWith({{"VFS_LOAD_FROM_ARCHIVE", "1"}, {"VFS_ARCHIVE", "missing.zip"}}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(bgtest::matches(result.err.substr(0, result.err.find('\n') + 1),
                                report("VFS:#: ERROR : VFS::open( const char* ) : Error during opening archive missing.zip\n")))
        << result.err;
    EXPECT_EQ(result.script, "from the folder\n");
}

// Without Engine.cfg the first setting the engine reads is fatal, and no
// Engine.cfg is written. (What the configuration reports is VarTest's: a
// file it cannot open, then the variable it lacks.)
TEST_F(Runner, WithoutEngineCfgOrADisplayTheEngineStops) {
    mainScript("trace('never runs')\n");
    addFonts();
    ASSERT_EQ(pack().exitCode, 0);
    const RunResult result = runGame();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.script.find("never runs"), std::string::npos) << result.script;
    EXPECT_FALSE(scratch.exists("game/Engine.cfg"));

    scratch.write("game/Engine.cfg", bgtest::BASIC_CFG);
    const RunResult blind = bgtest::run({BRAWLGEAR_EXE, "-windowed"}, scratch / "game", {"SDL_VIDEODRIVER=x11", "DISPLAY=:4242"});
    EXPECT_EQ(blind.exitCode, 1);
    EXPECT_NE(blind.err.find("ERROR : Scene::initSDLContext() : Error during SDL initialisation - "), std::string::npos)
        << blind.err;
}

// GAME names the folder or the archive; the engine runs there (Engine.cfg
// read and written there, beside an archive) from wherever it is started.
TEST_F(Runner, AGameRunsFromItsFolderOrItsArchiveFromAnywhere) {
    mainScript("trace('running from ' .. (getVFS():getDirectory() == '' and 'the top' or 'elsewhere'))\n"
               "getVarManager():setVarValue('SDL_SCREEN_WIDTH', 640)\n");
    addFonts();
    ASSERT_EQ(pack().exitCode, 0);
    ASSERT_EQ(pack("shipped/Game.zip").exitCode, 0);
    scratch.write("game/Engine.cfg", BASIC_CFG);
    scratch.write("shipped/Engine.cfg", BASIC_CFG); // VFS_LOAD_FROM_ARCHIVE = 0: the argument wins
    scratch.write("elsewhere/readme.txt", "not a game");
    RunResult result = engine({"-windowed", "../game"}, "elsewhere");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.script, "running from the top\n");
    EXPECT_NE(savedCfg().find("SDL_SCREEN_WIDTH = 640.000000\n"), std::string::npos);

    result = engine({scratch / "shipped/Game.zip", "-windowed"}, "elsewhere");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.script.find("INFO : File::load( Scripts/Main.o ) : "), std::string::npos) << result.script;
    const std::string shipped = scratch.read("shipped/Engine.cfg");
    EXPECT_NE(shipped.find("SDL_SCREEN_WIDTH = 640.000000\n"), std::string::npos);
    EXPECT_NE(shipped.find("VFS_LOAD_FROM_ARCHIVE = 0\n"), std::string::npos);
    EXPECT_FALSE(scratch.exists("elsewhere/Engine.cfg"));

    // Refused with status 2. (Two games at once is the command line's own test.)
    const std::pair<std::string, std::string> refused[] = {
        {"nothere", "brawlgear: nothere does not exist\n"},
        {".", "brawlgear: . holds no game: no Engine.cfg, no Scripts/Main.lua or Scripts/Main.o\n"},
        {"readme.txt", "brawlgear: readme.txt is not a zip archive\n"}};
    for (const auto& [game, message] : refused) {
        result = engine({game}, "elsewhere");
        EXPECT_EQ(result.exitCode, 2) << message;
        EXPECT_EQ(result.err, message);
    }
}

// --dev runs the sources as they are, and errors point into the .lua files.
TEST_F(Runner, DevelopmentRunsTheSourcesAsTheyAre) {
    mainScript("local Lib = loadModule('Scripts/Lib')\ntrace('lib says ' .. Lib.word)\nLib.fail()\n");
    source("Scripts/Lib.lua", "local Lib = {word = 'hi'}\nfunction Lib.fail()\n  error('boom')\nend\nreturn Lib\n");
    // The archive it ships in is not there yet: the folder is the game.
    source("Engine.cfg", bgtest::cfgWith({{"VFS_LOAD_FROM_ARCHIVE", "1"}, {"VFS_ARCHIVE", "Game.zip"}}));
    addFonts();
    // With --frames the error screen draws its frames and the run ends: it
    // never waits for a person.
    const RunResult result = engine({"--dev", "-windowed", "-q", "--frames", "5", "src"}, "");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "lib says hi\nScripts/Lib.lua:3: boom\nstack traceback:\n\t[C]: in function 'error'\n"
                          "\tScripts/Lib.lua:3: in function 'fail'\n\tScripts/Main.lua:3: in main chunk\n\t[C]: ?\nERRRUN\n");
    // Packing is unchanged by it, and the packed game runs as before.
    EXPECT_FALSE(scratch.exists("src/Scripts/Main.o"));
}

// --new writes a game that runs at once: a lit, textured ball turning, a
// line of text; every step of the first-game page runs in it; and it never
// writes over a folder that holds something.
TEST_F(Runner, ANewGameRunsAtOnceAndEveryStepOfTheFirstGamePageRunsInIt) {
    RunResult result = engine({"--new", "mine"}, "");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Made a game in mine. Run it with:\n  brawlgear --dev mine\n");
    for (const char* file : {"Engine.cfg", "Scripts/Main.lua", "Textures/Planks.png", "Fonts/Font.txt", "Fonts/Font.png",
                             "Fonts/Font3.txt", "Fonts/Font3.png"})
        EXPECT_TRUE(scratch.exists(std::string("mine/") + file)) << file;
    result = engine({"--dev", "--frames", "30", "--capture", "30", "--capture-dir", "shots", "mine"}, "");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err.find("ERROR"), std::string::npos) << result.err;
    const bgtest::Picture frame = bgtest::Picture::load(scratch / "shots/frame0030.png");
    ASSERT_EQ(frame.width, 800);
    // The ball, wood-coloured and lit, in the middle; the text, top left.
    EXPECT_GT(frame.count(300, 200, 500, 400, [](int r, int g, int b) { return r > 120 && r > b + 50 && g > b; }), 15000);
    EXPECT_GT(frame.count(300, 200, 500, 400, [](int r, int, int) { return r > 230; }), 50);
    EXPECT_GT(frame.count(10, 10, 450, 45, [](int r, int g, int b) { return r > 200 && g > 200 && b > 200; }), 500);

    scratch.write("taken/notes.txt", "mine");
    result = engine({"--new", "taken"}, "");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "brawlgear: taken exists and is not empty: choose a new folder\n");
    EXPECT_FALSE(scratch.exists("taken/Engine.cfg"));

    // docs/first-game.md as an author follows it: every script on the page,
    // pasted in its turn over the new game's, runs without an error, and
    // draws the lit, textured wood in the middle of the picture.
    const std::string page = bgtest::readFile(std::string(BRAWLGEAR_SOURCE_DIR) + "/docs/first-game.md");
    scratch.write("mine/Sounds/Hum.ogg", bg::media::sineOgg(1, 22050, 11025, 220));
    int step = 1; // the page's first step is --new itself
    for (std::size_t at = page.find("```lua\n"); at != std::string::npos; at = page.find("```lua\n", at + 1)) {
        scratch.write("mine/Scripts/Main.lua", page.substr(at + 7, page.find("```", at + 7) - at - 7));
        const std::string shots = "step" + std::to_string(++step);
        result = bgtest::run({BRAWLGEAR_EXE, "--dev", "-q", "--frames", "20", "--capture", "20", "--capture-dir", shots,
                              "mine"},
                             scratch.path(), {"ALSOFT_DRIVERS=null"});
        EXPECT_EQ(result.exitCode, 0) << shots << ": " << result.err;
        EXPECT_EQ(result.err, "") << shots;
        const bgtest::Picture picture = bgtest::Picture::load(scratch / shots + "/frame0020.png");
        ASSERT_EQ(picture.width, 800) << shots;
        EXPECT_GT(picture.count(250, 150, 550, 450, [](int r, int g, int b) { return r > 110 && r > b + 40 && g > b; }),
                  8000)
            << shots;
    }
    EXPECT_EQ(step, 4);
}

// SIGTERM or SIGINT ends the game between frames as if its main script had
// returned: settings saved, everything released, status 0.
TEST_F(Runner, ATerminationRequestEndsTheGameCleanly) {
    mainScript("local scene = getScene()\ngetVarManager():setVarValue('GAME_STATE', 'saved')\ntrace('looping')\n"
               "while true do scene:update() scene:clearBuffers() scene:display() end\n");
    for (int signal : {SIGTERM, SIGINT}) {
        bgtest::Spawned game = launch(std::string(BASIC_CFG) + "GAME_STATE = new\n");
        ASSERT_TRUE(bgtest::waitForError(game, "looping\n", 20));
        ::kill(game.pid, signal);
        const RunResult result = bgtest::finish(game);
        EXPECT_EQ(result.exitCode, 0) << signal << ": " << result.err;
        EXPECT_NE(savedCfg().find("GAME_STATE = saved\n"), std::string::npos) << signal;
    }
}

} // namespace
