#ifndef BRAWLGEAR_TESTS_GAME_H
#define BRAWLGEAR_TESTS_GAME_H

// A game folder in a scratch directory, packed with the real packer and run
// with the real executable.

#include "support/Support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace bgtest {

class GameTest : public testing::Test {
protected:
    // Source files go to src/, the packed game to game/ (or game.zip).
    void source(const std::string& relative, const std::string& bytes) { scratch.write("src/" + relative, bytes); }
    void mainScript(const std::string& lua) { source("Scripts/Main.lua", lua); }

    RunResult pack(const std::string& output = "game") {
        return run({BRAWLGEAR_PACK_EXE, scratch / "src", scratch / output}, scratch.path());
    }
    // Packs src/ into game/, writes its Engine.cfg and runs the engine there.
    RunResult play(const std::string& cfg = BASIC_CFG, const std::vector<std::string>& args = {"-windowed"}) {
        addFonts();
        const RunResult packed = pack();
        EXPECT_EQ(packed.exitCode, 0) << packed.err;
        scratch.write("game/Engine.cfg", cfg);
        return runGame(args);
    }
    RunResult runGame(const std::vector<std::string>& args = {"-windowed"}) {
        if (!scratch.exists("game/Fonts/Font.txt")) writeTestFonts(scratch / "game");
        std::vector<std::string> argv{BRAWLGEAR_EXE};
        argv.insert(argv.end(), args.begin(), args.end());
        return run(argv, scratch / "game");
    }
    // Packs the game and starts the engine in the background.
    Spawned launch(const std::string& cfg = BASIC_CFG) {
        addFonts();
        EXPECT_EQ(pack().exitCode, 0);
        scratch.write("game/Engine.cfg", cfg);
        return spawn({BRAWLGEAR_EXE, "-windowed"}, scratch / "game");
    }
    std::string savedCfg() const { return scratch.read("game/Engine.cfg"); }
    // The engine's default and loading fonts, unless the game has its own.
    void addFonts() {
        if (!scratch.exists("src/Fonts/Font.txt")) writeTestFonts(scratch / "src");
    }

    ScratchDir scratch;
};

} // namespace bgtest

#endif
