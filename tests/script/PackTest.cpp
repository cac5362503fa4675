#include "support/Game.h"
#include "tools/media/Media.h"

#include <gtest/gtest.h>
#include <string>
#include <cstdio>
#include <unistd.h>
#include <unzip.h>

using bgtest::GameTest;
using bgtest::RunResult;

namespace {

using Pack = GameTest;

// Scripts are scrambled, sounds measured into a size table (unless the
// game has one), hidden files left out, everything else copied as it is.
TEST_F(Pack, ScramblesScriptsMeasuresSoundsAndCopiesEverythingElse) {
    const std::string script = "trace('x')\n";
    mainScript(script);
    source("Fonts/Font3.txt", "glyphs\r\n");
    source("Images/a.png", std::string("\x89PNG\0\1", 6));
    source(".hidden/secret.lua", "this is not lua");
    source("Scripts/.swap.lua", "nor this");
    source("Sounds/Boom.ogg", bg::media::sineOgg(2, 22050, 11025));
    source("Sounds/broken.ogg", "not a sound");
    const RunResult result = pack();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("broken.ogg is not an Ogg Vorbis sound the engine can load"), std::string::npos);
    EXPECT_EQ(scratch.read("game/Scripts/Main.o"), bgtest::scramble(script));
    EXPECT_FALSE(scratch.exists("game/Scripts/Main.lua"));
    EXPECT_EQ(scratch.read("game/Fonts/Font3.txt"), "glyphs\r\n");
    EXPECT_EQ(scratch.read("game/Images/a.png"), std::string("\x89PNG\0\1", 6));
    EXPECT_FALSE(scratch.exists("game/.hidden"));
    EXPECT_FALSE(scratch.exists("game/Scripts/.swap.o"));
    EXPECT_EQ(scratch.read("game/Sounds.txt"), "Sounds/Boom.ogg 44100\n");
    source("Sounds.txt", "mine 1\n");
    EXPECT_EQ(pack().exitCode, 0);
    EXPECT_EQ(scratch.read("game/Sounds.txt"), "mine 1\n");
}

// Its usage is HardeningTest's, with every tool's.
TEST_F(Pack, RefusesBadArguments) {
    EXPECT_EQ(bgtest::run({BRAWLGEAR_PACK_EXE}, scratch.path()).exitCode, 2);
    const RunResult result = bgtest::run({BRAWLGEAR_PACK_EXE, scratch / "absent", scratch / "out"}, scratch.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("is not a folder"), std::string::npos);
}

// A syntax error names the file and line; files stored under one name and
// files too large are refused. Nothing is written.
TEST_F(Pack, ASyntaxErrorOrFilesStoredUnderOneNameAreRefusedAndNothingIsWritten) {
    mainScript("trace('fine')\n");
    source("Scripts/Broken.lua", "local x = 1\nif x then\n");
    RunResult result = pack();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("Scripts/Broken.lua:3:", 0), 0u) << result.err;
    EXPECT_FALSE(scratch.exists("game"));
    result = pack("game.zip");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(scratch.exists("game.zip"));

    std::remove((scratch / "src/Scripts/Broken.lua").c_str());
    source("Scripts/Main.o", "stale compiled script");
    result = pack();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("would both be stored as Scripts/Main.o"), std::string::npos) << result.err;
    EXPECT_FALSE(scratch.exists("game"));

    // Names that differ only in case are one name to the engine's archive
    // lookup, and two names in a folder.
    std::remove((scratch / "src/Scripts/Main.o").c_str());
    source("Data/Level.txt", "1");
    source("Data/level.txt", "2");
    result = pack("game.zip");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("would both be stored as Data/"), std::string::npos) << result.err;
    EXPECT_FALSE(scratch.exists("game.zip"));
    EXPECT_EQ(pack().exitCode, 0);

    // 4 GiB does not fit the engine's file sizes (a sparse file: no disk).
    std::remove((scratch / "src/Data/Level.txt").c_str());
    std::FILE* big = std::fopen((scratch / "src/Data/big.bin").c_str(), "wb");
    ASSERT_NE(big, nullptr);
    ASSERT_EQ(ftruncate(fileno(big), static_cast<off_t>(4) << 30), 0);
    std::fclose(big);
    result = pack("other");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("big.bin is 4 GiB or larger"), std::string::npos) << result.err;
    EXPECT_FALSE(scratch.exists("other"));
}

// Repacking removes only what the game no longer has; an output inside
// the source is not packed into itself.
TEST_F(Pack, RepackingRemovesOnlyWhatTheGameNoLongerHasAndSkipsItsOwnOutput) {
    mainScript("loadModule('Scripts/Old')\n");
    source("Scripts/Old.lua", "trace('old')\n");
    ASSERT_EQ(pack().exitCode, 0);
    scratch.write("game/Saves/slot1.txt", "the player's own");
    std::remove((scratch / "src/Scripts/Old.lua").c_str());
    mainScript("trace('main')\n");
    const RunResult result = pack();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "brawlgear-pack: 1 files (1 scripts) packed into " + scratch / "game" + "\n");
    EXPECT_FALSE(scratch.exists("game/Scripts/Old.o"));
    EXPECT_TRUE(scratch.exists("game/Scripts/Main.o"));
    EXPECT_EQ(scratch.read("game/Saves/slot1.txt"), "the player's own");

    for (int i = 0; i < 2; ++i) ASSERT_EQ(pack("src/out").exitCode, 0);
    EXPECT_TRUE(scratch.exists("src/out/Scripts/Main.o"));
    EXPECT_FALSE(scratch.exists("src/out/out"));
}

// Written whole or not at all (no part file left), with the scripts'
// stored form only, dated entries, and Engine.cfg beside the archive. (The
// engine running such an archive is RunnerTest's.)
TEST_F(Pack, AnArchiveGetsItsEngineCfgBesideItAndDatedEntries) {
    mainScript("trace('from the archive')\n");
    source("Data/level.txt", "1 2 3");
    source("Engine.cfg", bgtest::cfgWith({{"VFS_LOAD_FROM_ARCHIVE", "1"}, {"VFS_ARCHIVE", "game.zip"}}));
    ASSERT_EQ(pack("out/game.zip").exitCode, 0);
    EXPECT_FALSE(scratch.exists("out/game.zip.part"));
    EXPECT_EQ(scratch.read("out/Engine.cfg"), scratch.read("src/Engine.cfg"));
    unzFile zip = unzOpen((scratch / "out/game.zip").c_str());
    ASSERT_NE(zip, nullptr);
    EXPECT_EQ(unzLocateFile(zip, "Data/level.txt", 1), UNZ_OK);
    EXPECT_NE(unzLocateFile(zip, "Scripts/Main.lua", 1), UNZ_OK);
    ASSERT_EQ(unzLocateFile(zip, "Scripts/Main.o", 1), UNZ_OK);
    unz_file_info info;
    ASSERT_EQ(unzGetCurrentFileInfo(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0), UNZ_OK);
    EXPECT_GE(info.tmu_date.tm_year, 2020u);
    EXPECT_GE(info.tmu_date.tm_mday, 1u);
    unzClose(zip);
}

} // namespace
