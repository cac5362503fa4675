// The examples gallery. Each example, as the build stages it, packs, runs
// its frames under --dev without a screen, ends with status 0 and prints
// nothing, and its last frame is the picture the gallery shows: the
// committed docs/examples/NAME.png, which a reader of the page checks by
// eye. The committed docs/examples.md is the page the build generates.
// What a picture cannot show (sound, settings written back) has its own
// checks here.

#include "support/Picture.h"
#include "support/Support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>

namespace {

namespace fs = std::filesystem;

// Every run is in a 320 x 240 window with an overlay of the same size, as
// the gallery's pictures are.
constexpr int WIDTH = 320, HEIGHT = 240;

struct Shot {
    std::string game; // the folder it ran in
    std::string wav;  // everything it played
};

bgtest::RunResult play(const std::string& game, const std::string& out, int frames) {
    const std::string last = std::to_string(frames);
    return bgtest::run({BRAWLGEAR_EXE, "-windowed", "-q", "--dev", "--frames", last, "--capture", last, "--capture-dir",
                        out, "--wav", out + "/sound.wav", game}, out);
}

// What the pictures cannot show.
const std::map<std::string, std::function<void(const Shot&)>> CHECKS = {
    {"positional-sound", [](const Shot& shot) {
         // The hum circles on the listener's left: louder in the left ear.
         const bgtest::Energy heard = bgtest::waveEnergy(shot.wav);
         EXPECT_GT(heard.left, 1e10);
         EXPECT_GT(heard.left, 20 * heard.right);
     }},
    {"virtual-cd", [](const Shot& shot) { EXPECT_GT(bgtest::waveEnergy(shot.wav).total(), 1e10); }},
    {"settings", [](const Shot& shot) {
         // The run count is made on the first run and counts the next.
         const auto saved = [&] { return "\n" + bgtest::readFile(shot.game + "/Engine.cfg"); };
         EXPECT_NE(saved().find("\nGAME_RUNS = 1.000000\n"), std::string::npos) << saved();
         const bgtest::RunResult again = play(shot.game, fs::path(shot.game).parent_path(), 2);
         EXPECT_EQ(again.exitCode, 0) << again.err;
         EXPECT_NE(saved().find("\nGAME_RUNS = 2.000000\n"), std::string::npos) << saved();
     }},
};

std::vector<std::string> names() {
    std::set<std::string> folders;
    for (const auto& entry : fs::directory_iterator(BRAWLGEAR_SOURCE_DIR "/examples"))
        if (entry.is_directory()) folders.insert(entry.path().filename());
    return {folders.begin(), folders.end()};
}

class Example : public testing::TestWithParam<std::string> {};

TEST_P(Example, RunsQuietlyAndDrawsTheGallerysPicture) {
    const std::string& name = GetParam();
    bgtest::ScratchDir scratch;
    const std::string stage = std::string(BRAWLGEAR_EXAMPLES_DIR) + "/" + name;
    const bgtest::RunResult packed = bgtest::run({BRAWLGEAR_PACK_EXE, stage, scratch / "packed"}, scratch.path());
    ASSERT_EQ(packed.exitCode, 0) << packed.err;

    fs::copy(stage, scratch / "game", fs::copy_options::recursive);
    std::string cfg = scratch.read("game/Engine.cfg");
    const std::pair<std::string, int> sizes[] = {{"SDL_SCREEN_WIDTH", WIDTH}, {"SDL_SCREEN_HEIGHT", HEIGHT},
                                                  {"GL_ORTHO_RESOLUTION_X", WIDTH}, {"GL_ORTHO_RESOLUTION_Y", HEIGHT}};
    for (const auto& [key, size] : sizes)
        cfg = std::regex_replace(cfg, std::regex("(^|\n)" + key + " = [^\n]*"), "$1" + key + " = " + std::to_string(size));
    scratch.write("game/Engine.cfg", cfg);

    const bgtest::RunResult result = play(scratch / "game", scratch.path(), BRAWLGEAR_EXAMPLE_FRAMES);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    char frame[32];
    std::snprintf(frame, sizeof frame, "frame%04d.png", BRAWLGEAR_EXAMPLE_FRAMES);
    const bgtest::Picture picture = bgtest::Picture::load(scratch / frame);
    const std::string committed = BRAWLGEAR_SOURCE_DIR "/docs/examples/" + name + ".png";
    const bgtest::Picture expected = bgtest::Picture::load(committed);
    ASSERT_TRUE(picture.width == WIDTH && picture.height == HEIGHT) << picture.width << " x " << picture.height;
    ASSERT_TRUE(expected.width == WIDTH && expected.height == HEIGHT) << committed;
    // Another build of the same drivers rounds a few pixels differently at
    // most: a change to what is drawn moves many.
    int differing = 0, firstX = -1, firstY = -1;
    for (std::size_t at = 0; at < picture.rgb.size(); at += 3) {
        bool off = false;
        for (std::size_t c = at; c < at + 3; ++c) off = off || std::abs(picture.rgb[c] - expected.rgb[c]) > 2;
        if (off && differing++ == 0) firstX = int(at / 3 % WIDTH), firstY = int(at / 3 / WIDTH);
    }
    EXPECT_LE(differing, WIDTH * HEIGHT / 1000)
        << differing << " pixels differ from " << committed << ", the first at (" << firstX << ", " << firstY << "): "
        << std::hex << picture.at(firstX, firstY) << " for " << expected.at(firstX, firstY)
        << ". If the change is meant, run `cmake --build build --target update_examples_docs` under X or Xvfb";
    const auto checks = CHECKS.find(name);
    if (checks != CHECKS.end()) checks->second({scratch / "game", scratch.read("sound.wav")});
}

INSTANTIATE_TEST_SUITE_P(Gallery, Example, testing::ValuesIn(names()), [](const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

TEST(Gallery, CommittedPageIsCurrent) {
    const std::string committed = bgtest::readFile(BRAWLGEAR_SOURCE_DIR "/docs/examples.md");
    EXPECT_TRUE(committed == bgtest::readFile(BRAWLGEAR_EXAMPLES_PAGE))
        << "out of date: run `cmake --build build --target update_examples_docs` under X or Xvfb and commit docs/";
    for (const std::string& name : names())
        EXPECT_NE(committed.find("\n    brawlgear --dev examples/" + name + "\n"), std::string::npos) << name;
}

} // namespace
