// docs/first-game.md as an author follows it: every script on the page runs
// in a game made by brawlgear --new, without an error, and draws.

#include "support/Picture.h"
#include "support/Support.h"
#include "tools/media/Media.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> luaBlocks(const std::string& page) {
    std::vector<std::string> blocks;
    for (std::size_t at = page.find("```lua\n"); at != std::string::npos; at = page.find("```lua\n", at)) {
        at += 7;
        const std::size_t end = page.find("```", at);
        if (end == std::string::npos) break;
        blocks.push_back(page.substr(at, end - at));
        at = end + 3;
    }
    return blocks;
}

TEST(FirstGame, EveryStepOfThePageRuns) {
    const std::vector<std::string> steps =
        luaBlocks(bgtest::readFile(std::string(BRAWLGEAR_SOURCE_DIR) + "/docs/first-game.md"));
    ASSERT_EQ(steps.size(), 3u);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        bgtest::ScratchDir scratch;
        ASSERT_EQ(bgtest::run({BRAWLGEAR_EXE, "--new", "mygame"}, scratch.path()).exitCode, 0);
        scratch.write("mygame/Sounds/Hum.ogg", bg::media::sineOgg(1, 22050, 11025, 220));
        scratch.write("mygame/Scripts/Main.lua", steps[i]);
        const bgtest::RunResult result = bgtest::run(
            {BRAWLGEAR_EXE, "--dev", "-q", "--frames", "20", "--capture", "20", "--capture-dir", "shots", "mygame"},
            scratch.path(), {"ALSOFT_DRIVERS=null"});
        EXPECT_EQ(result.exitCode, 0) << "step " << i + 2 << ": " << result.err;
        EXPECT_EQ(result.err, "") << "step " << i + 2;
        const bgtest::Picture frame = bgtest::Picture::load(scratch / "shots/frame0020.png");
        ASSERT_EQ(frame.width, 800) << "step " << i + 2;
        // The lit, textured wood in the middle of the picture.
        EXPECT_GT(frame.count(250, 150, 550, 450, [](int r, int g, int b) { return r > 110 && r > b + 40 && g > b; }),
                  8000)
            << "step " << i + 2;
    }
}

} // namespace
