// docs/first-game.md as an author follows it: every script on the page,
// pasted in its turn into a game made by brawlgear --new, runs without an
// error, and draws.

#include "support/Picture.h"
#include "support/Support.h"
#include "tools/media/Media.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(FirstGame, EveryStepOfThePageRuns) {
    const std::string page = bgtest::readFile(std::string(BRAWLGEAR_SOURCE_DIR) + "/docs/first-game.md");
    bgtest::ScratchDir scratch;
    ASSERT_EQ(bgtest::run({BRAWLGEAR_EXE, "--new", "mygame"}, scratch.path()).exitCode, 0);
    scratch.write("mygame/Sounds/Hum.ogg", bg::media::sineOgg(1, 22050, 11025, 220));
    int step = 1; // the page's first step is --new itself
    for (std::size_t at = page.find("```lua\n"); at != std::string::npos; at = page.find("```lua\n", at + 1)) {
        scratch.write("mygame/Scripts/Main.lua", page.substr(at + 7, page.find("```", at + 7) - at - 7));
        const std::string shots = "step" + std::to_string(++step);
        const bgtest::RunResult result = bgtest::run(
            {BRAWLGEAR_EXE, "--dev", "-q", "--frames", "20", "--capture", "20", "--capture-dir", shots, "mygame"},
            scratch.path(), {"ALSOFT_DRIVERS=null"});
        EXPECT_EQ(result.exitCode, 0) << shots << ": " << result.err;
        EXPECT_EQ(result.err, "") << shots;
        const bgtest::Picture frame = bgtest::Picture::load(scratch / shots + "/frame0020.png");
        ASSERT_EQ(frame.width, 800) << shots;
        // The lit, textured wood in the middle of the picture.
        EXPECT_GT(frame.count(250, 150, 550, 450, [](int r, int g, int b) { return r > 110 && r > b + 40 && g > b; }),
                  8000)
            << shots;
    }
    EXPECT_EQ(step, 4);
}

} // namespace
