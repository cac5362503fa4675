// The sample game as the build packs it, run headless along its own camera
// path: it must end cleanly, save its settings, be heard, and draw the room
// where the camera puts it.

#include "support/Picture.h"
#include "support/Support.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

namespace {

TEST(Demo, RunsItsFramesAndDrawsTheRoom) {
    bgtest::ScratchDir scratch;
    std::filesystem::copy(BRAWLGEAR_DEMO_GAME, scratch / "game", std::filesystem::copy_options::recursive);
    const std::string cfg = scratch.read("game/Engine.cfg");
    scratch.write("game/Engine.cfg", std::regex_replace(cfg, std::regex("DEMO_FRAMES = 0"), "DEMO_FRAMES = 240"));

    // One frame more than the game's own count: the game ends by itself.
    const bgtest::RunResult result =
        bgtest::run({BRAWLGEAR_EXE, "-windowed", "--frames", "241", "--capture", "1,180,240", "--capture-dir",
                     scratch / "shots", "--wav", scratch / "demo.wav"},
                    scratch / "game");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.script.find("Brawlgear demo: 800 x 600, Escape quits\n"), std::string::npos) << result.script;
    EXPECT_NE(result.script.find("\n240 frames, "), std::string::npos) << result.script;
    EXPECT_EQ(result.script.find("ERR"), std::string::npos) << result.script;
    const std::string saved = scratch.read("game/Engine.cfg");
    EXPECT_NE(saved.find("\nDEMO_LAMP_ON = 1\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("\nDEMO_LAST_RUN = 0\n"), std::string::npos) << saved;

    // The first frame, from the front of the room at eye height 3.2.
    const bgtest::Picture first = bgtest::Picture::load(scratch / "shots/frame0001.png");
    ASSERT_EQ(first.width, 800);
    // The title in the large font, yellow, top left.
    EXPECT_GT(first.count(20, 14, 165, 42, [](int r, int g, int b) { return r > 200 && g > 150 && b < 140; }), 150);
    // The red ball, lit: red to orange all over, bright where the lamp and
    // the sun catch it and dark red on the side turned away.
    const auto red = [](int r, int g, int b) { return r > 60 && r > g + 40 && r > b + 40; };
    EXPECT_GT(first.count(615, 240, 735, 350, red), 4500);
    EXPECT_GT(first.count(615, 240, 735, 350, [](int r, int, int) { return r > 220; }), 100);
    EXPECT_GT(first.count(615, 240, 735, 350, [&](int r, int g, int b) { return red(r, g, b) && r < 100; }), 100);
    // Its reflection in the floor below it: reddish where the tiles alone
    // are grey-beige.
    EXPECT_GT(first.count(610, 370, 720, 460, [](int r, int g, int b) { return r > g + 30 && r > b + 30; }), 500);
    EXPECT_LT(first.count(440, 470, 560, 540, [](int r, int g, int b) { return r > g + 30 && r > b + 30; }), 100);

    // The lamp is a point light circling the room: the vase is lit on its
    // left at frame 180, on its right at 240, when the lamp has passed
    // behind it (an infinite light from the lamp's direction left it dark).
    const auto yellow = [](int r, int g, int b) { return r > 170 && g > 140 && b < 120; };
    const bgtest::Picture middle = bgtest::Picture::load(scratch / "shots/frame0180.png");
    ASSERT_EQ(middle.width, 800);
    const int leftThen = middle.count(140, 170, 212, 340, yellow), rightThen = middle.count(212, 170, 285, 340, yellow);
    EXPECT_GT(leftThen, 200);
    EXPECT_LT(rightThen * 3, leftThen);
    const bgtest::Picture last = bgtest::Picture::load(scratch / "shots/frame0240.png");
    ASSERT_EQ(last.width, 800);
    const int leftNow = last.count(240, 160, 305, 320, yellow), rightNow = last.count(305, 160, 370, 320, yellow);
    EXPECT_GT(rightNow, 200);
    EXPECT_LT(leftNow * 3, rightNow);
    // And the last frame is not blank.
    EXPECT_GT(last.count(0, 0, 800, 600, [](int r, int g, int b) { return r + g + b > 150; }), 100000);

    // The lamp's hum is heard.
    EXPECT_GT(bgtest::waveEnergy(scratch.read("demo.wav")).total(), 1e9);
}

} // namespace
