#include "support/Game.h"
#include "support/Support.h"

#include <gtest/gtest.h>
#include <string>
#include <unzip.h>

using bgtest::GameTest;
using bgtest::RunResult;

namespace {

using Pack = GameTest;

TEST_F(Pack, ScramblesScriptsAndCopiesEverythingElse) {
    const std::string script = "trace('x')\n";
    mainScript(script);
    source("Fonts/Font3.txt", "glyphs\r\n");
    source("Images/a.png", std::string("\x89PNG\0\1", 6));
    source(".hidden/secret.lua", "this is not lua");
    source("Scripts/.swap.lua", "nor this");
    const RunResult result = pack();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(scratch.read("game/Scripts/Main.o"), bgtest::scramble(script));
    EXPECT_FALSE(scratch.exists("game/Scripts/Main.lua"));
    EXPECT_EQ(scratch.read("game/Fonts/Font3.txt"), "glyphs\r\n");
    EXPECT_EQ(scratch.read("game/Images/a.png"), std::string("\x89PNG\0\1", 6));
    EXPECT_FALSE(scratch.exists("game/.hidden"));
    EXPECT_FALSE(scratch.exists("game/Scripts/.swap.o"));
}

TEST_F(Pack, WritesAZipArchiveWhenAskedFor) {
    mainScript("trace('x')\n");
    source("Data/level.txt", "1 2 3");
    ASSERT_EQ(pack("game.zip").exitCode, 0);
    unzFile zip = unzOpen((scratch / "game.zip").c_str());
    ASSERT_NE(zip, nullptr);
    EXPECT_EQ(unzLocateFile(zip, "Scripts/Main.o", 1), UNZ_OK);
    EXPECT_EQ(unzLocateFile(zip, "Data/level.txt", 1), UNZ_OK);
    EXPECT_NE(unzLocateFile(zip, "Scripts/Main.lua", 1), UNZ_OK);
    unzClose(zip);
    EXPECT_FALSE(scratch.exists("game.zip.part"));
}

TEST_F(Pack, ASyntaxErrorNamesTheFileAndLineAndWritesNothing) {
    mainScript("trace('fine')\n");
    source("Scripts/Broken.lua", "local x = 1\nif x then\n");
    RunResult result = pack();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("Scripts/Broken.lua:3:", 0), 0u) << result.err;
    EXPECT_FALSE(scratch.exists("game"));
    result = pack("game.zip");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(scratch.exists("game.zip"));
}

TEST_F(Pack, ExplainsItselfAndRefusesBadArguments) {
    RunResult result = bgtest::run({BRAWLGEAR_PACK_EXE, "--help"}, scratch.path());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("usage: brawlgear-pack SOURCE_DIR OUTPUT"), std::string::npos);
    result = bgtest::run({BRAWLGEAR_PACK_EXE}, scratch.path());
    EXPECT_EQ(result.exitCode, 2);
    result = bgtest::run({BRAWLGEAR_PACK_EXE, scratch / "absent", scratch / "out"}, scratch.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("is not a folder"), std::string::npos);
}

TEST_F(Pack, AnOutputInsideTheSourceIsNotPackedIntoItself) {
    mainScript("trace('x')\n");
    ASSERT_EQ(bgtest::run({BRAWLGEAR_PACK_EXE, scratch / "src", scratch / "src/out"}, scratch.path()).exitCode, 0);
    ASSERT_EQ(bgtest::run({BRAWLGEAR_PACK_EXE, scratch / "src", scratch / "src/out"}, scratch.path()).exitCode, 0);
    EXPECT_TRUE(scratch.exists("src/out/Scripts/Main.o"));
    EXPECT_FALSE(scratch.exists("src/out/out"));
}

} // namespace
