// The executable's own pieces: its command line, and which files of a game
// folder count as an author's changes in development.

#include "app/CommandLine.h"
#include "app/Development.h"
#include "app/Overlay.h"
#include "graphics/Font.h"
#include "support/SceneFixture.h"
#include "support/Support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

bool parse(std::vector<std::string> args, bg::app::CommandLine& line, std::string& error) {
    args.insert(args.begin(), "brawlgear");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    testing::internal::CaptureStderr();
    const bool ok = bg::app::parseCommandLine(static_cast<int>(argv.size()), argv.data(), line, error);
    testing::internal::GetCapturedStderr();
    return ok;
}

TEST(CommandLine, OptionsAnywhereOneGameAndTheCaptureValuesLeftToTheirOwner) {
    bg::app::CommandLine line;
    std::string error;
    ASSERT_TRUE(parse({"--dev", "mygame", "--frames", "30", "-q", "-windowed", "--shiny"}, line, error)) << error;
    EXPECT_TRUE(line.dev && line.quiet && line.windowed);
    EXPECT_EQ(line.game, "mygame"); // "30" is --frames' value, not a game
    EXPECT_EQ(line.capture.frames, 30);

    bg::app::CommandLine two;
    EXPECT_FALSE(parse({"a", "b"}, two, error));
    EXPECT_EQ(error, "one game at a time: a or b?");
    bg::app::CommandLine bare;
    EXPECT_FALSE(parse({"--new"}, bare, error));
    EXPECT_EQ(error, "--new wants the folder to make");
    bg::app::CommandLine frames;
    EXPECT_FALSE(parse({"--frames", "0"}, frames, error));
    EXPECT_FALSE(parse({"--frames", "1000001"}, frames, error));
    EXPECT_TRUE(parse({"--frames", "1000000"}, frames, error)) << error;
}

TEST(Development, TheEnginesOwnWritesAreNotChanges) {
    bg::app::Development development(true);
    development.start({"shots", "sound/run.wav"}); // as given on the command line
    for (const char* own : {"./Engine.cfg", "Engine.cfg", "./screenshots/shot0001.png", "./.Main.lua.swp",
                            "./Scripts/.#Main.lua", "./Scripts/#Main.lua#", "./Scripts/Main.lua~", "./Scripts/4913",
                            "./Scripts/Main.lua.tmp", "./frame0001.png", "./frame12345.png", "./shots/frame0060.png",
                            "./sound/run.wav"})
        EXPECT_TRUE(development.isOwnFile(own)) << own;
    for (const char* change : {"./Scripts/Main.lua", "./Textures/Wall.png", "./Sounds/Hum.ogg", "./Fonts/Font.txt",
                               "./frameworks.png", "./shotsx/a.png", "./Levels/Engine.cfg"})
        EXPECT_FALSE(development.isOwnFile(change)) << change;
}

// A file saved anywhere below the game folder is a change, in a folder made
// since the start too; the engine's own writes are not, nor what a link
// leads to outside it.
TEST(Development, FilesSavedBelowTheGameFolderAreChanges) {
    bgtest::ScratchDir scratch, outside;
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(scratch.path());
    std::filesystem::create_directory_symlink(outside.path(), scratch / "linked");
    {
        bg::app::Development development(true);
        development.start();
        scratch.write("Engine.cfg", "A = 1\n");
        outside.write("elsewhere.txt", "x\n");
        EXPECT_FALSE(development.filesChanged());
        std::filesystem::create_directory(scratch / "Levels");
        EXPECT_FALSE(development.filesChanged()); // nothing in it yet
        scratch.write("Levels/One.lua", "x = 1\n");
        EXPECT_TRUE(development.filesChanged());
        EXPECT_FALSE(development.filesChanged()); // told once
    }
    std::filesystem::current_path(home);
}

// A report on the error screen: tabs as blanks, a line too long broken and
// its continuations indented.
TEST(Development, TheErrorScreenShowsTheReportsOwnLinesBrokenToTheWidth) {
    EXPECT_EQ(bg::app::wrapReport("boom\n\tin f\nabcdefghij", 6),
              (std::vector<std::string>{"boom", " in f", "abcdef", "    gh", "    ij"}));
}

// The statistics overlay, drawn over every frame, puts back each state it
// changes: the game's own stay, and no state stack fills up.
class Overlay : public bgtest::SceneTest {};

TEST_F(Overlay, PutsBackEveryStateItChangesFrameAfterFrame) {
    build({{"GL_CULL_FACE", "1"}, {"GL_BLEND", "0"}, {"GL_TEXTURE_2D", "1"}});
    scene().set(GL_ALPHA_TEST, true);
    const int font = bg::gFontManager->getCurrentFontId();
    ASSERT_GE(font, 0);
    for (int frame = 0; frame < 150; ++frame) bg::app::drawStatsOverlay(font);
    for (const GLenum cap : {GL_TEXTURE_2D, GL_ALPHA_TEST, GL_CULL_FACE})
        EXPECT_TRUE(glIsEnabled(cap) && scene().isEnabled(cap)) << cap;
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || scene().isEnabled(GL_BLEND));

    // Without text, on white: a grey panel 4 units in from the left and
    // the top, as wide as the graph (2 units for each of 240 frames) and
    // its margins; the graph 100 high below three 14-unit lines and two
    // 8-unit margins, the 60 and 30 frames a second lines a third and two
    // thirds up (no frame has ended: no frame-time line crosses them).
    clear(1, 1, 1);
    bg::app::drawStatsOverlay(-1);
    const auto pixels = readAll();
    EXPECT_FALSE(lit(pixels, 491, 500) || lit(pixels, 100, 438));
    EXPECT_TRUE(lit(pixels, 492, 500) && lit(pixels, 100, 437));
    const std::vector<int> sixty = pixelAt(200, 475), thirty = pixelAt(200, 508);
    EXPECT_TRUE(sixty[1] > 150 && sixty[0] < 100) << sixty[0] << " " << sixty[1];
    EXPECT_TRUE(thirty[0] > 180 && thirty[2] < 100) << thirty[0] << " " << thirty[2];
}

} // namespace
