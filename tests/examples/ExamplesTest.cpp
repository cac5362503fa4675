// The examples gallery. Each example, as the build stages it, packs, runs
// its frames under --dev without a screen, ends with status 0 and prints
// nothing, and its last frame shows what it is about. The committed
// docs/examples.md is the page the build generates, with a picture for
// every example, and every example folder has its checks here.

#include "support/Picture.h"
#include "support/Support.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>

namespace {

namespace fs = std::filesystem;
using Pixels = std::function<bool(int r, int g, int b)>; // which pixels to count

// Every run is in a 320 x 240 window with an overlay of the same size, as
// the gallery's pictures are.
constexpr int WIDTH = 320, HEIGHT = 240;

struct Shot {
    std::string game;        // the folder it ran in
    bgtest::Picture picture; // its last frame
    std::string wav;         // everything it played
};

bgtest::RunResult play(const std::string& game, const std::string& out, int frames) {
    const std::string last = std::to_string(frames);
    return bgtest::run({BRAWLGEAR_EXE, "-windowed", "-q", "--dev", "--frames", last, "--capture", last, "--capture-dir",
                        out, "--wav", out + "/sound.wav", game},
                       out);
}

// The smallest box holding the pixels of [x0, x1) x [y0, y1) that pass the test.
struct Box {
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
    int width() const { return x1 - x0 + 1; }
    int height() const { return y1 - y0 + 1; }
};
Box extent(const bgtest::Picture& p, int x0, int y0, int x1, int y1, const Pixels& test) {
    Box box;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const long c = p.at(x, y);
            if (!test(int(c >> 16), int(c >> 8 & 255), int(c & 255))) continue;
            box.x0 = std::min(box.x0, x), box.y0 = std::min(box.y0, y);
            box.x1 = std::max(box.x1, x), box.y1 = std::max(box.y1, y);
        }
    return box;
}

int distinctColours(const bgtest::Picture& p, int x0, int y0, int x1, int y1) {
    std::set<long> colours;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) colours.insert(p.at(x, y));
    return static_cast<int>(colours.size());
}

// Degrees round the colour wheel, or -1 for a grey.
int hue(int r, int g, int b) {
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    if (high == low) return -1;
    const double d = high - low;
    const double h = high == r ? (g - b) / d : high == g ? 2 + (b - r) / d : 4 + (r - g) / d;
    return static_cast<int>(std::lround(h * 60 + 360)) % 360;
}

// The energy of each channel of a 16-bit stereo recording.
std::pair<double, double> channelEnergy(const std::string& wav) {
    double left = 0, right = 0;
    const std::size_t data = wav.find("data");
    for (std::size_t at = data == std::string::npos ? wav.size() : data + 8; at + 4 <= wav.size(); at += 4) {
        std::int16_t l, r;
        std::memcpy(&l, wav.data() + at, 2);
        std::memcpy(&r, wav.data() + at + 2, 2);
        left += double(l) * l, right += double(r) * r;
    }
    return {left, right};
}

const Pixels red = [](int r, int g, int b) { return r > g + 40 && r > b + 40; };
const Pixels blue = [](int r, int, int b) { return b > r + 30; };
const Pixels dark = [](int r, int g, int b) { return r + g + b < 150; };
const Pixels warm = [](int r, int, int b) { return r > 150 && r > b + 60; };

// What each example's picture must show, at the pixels its scene puts things.
const std::map<std::string, std::function<void(const Shot&)>> EXAMPLES = {
    {"spinning-cube", [](const Shot& shot) {
         // The bricks fill the middle of the picture.
         EXPECT_GT(shot.picture.count(140, 100, 180, 140, [](int r, int g, int b) { return r > g + 30 && r > b + 40; }), 1200);
     }},
    {"lights", [](const Shot& shot) {
         // Eight lights round the colour wheel, 45 degrees of hue apart: the
         // middle of each one's pool of light on the floor.
         const int pools[8][2] = {{265, 154}, {199, 190}, {89, 192}, {49, 131}, {77, 80}, {137, 56}, {202, 61}, {257, 95}};
         for (int i = 0; i < 8; ++i) {
             const long c = shot.picture.at(pools[i][0], pools[i][1]);
             const int off = std::abs(hue(int(c >> 16), int(c >> 8 & 255), int(c & 255)) - i * 45);
             EXPECT_LT(std::min(off, 360 - off), 20) << "light " << i << ": " << std::hex << c;
         }
     }},
    {"level-of-detail", [](const Shot& shot) {
         // Full detail shades smoothly; the coarsest level is a few flat faces.
         EXPECT_GT(distinctColours(shot.picture, 45, 100, 85, 140), 100);
         EXPECT_LT(distinctColours(shot.picture, 235, 100, 275, 140), 10);
         EXPECT_GT(shot.picture.count(235, 100, 275, 140, [](int r, int, int b) { return r > 60 && r > b + 30; }), 300);
     }},
    {"revolution", [](const Shot& shot) {
         // The vase turned through 270 degrees shows its dark inside; the
         // whole one beside it is lit all over.
         const Pixels inside = [](int r, int, int b) { return b < 20 && r < 90; };
         EXPECT_GT(shot.picture.count(210, 70, 270, 160, inside), 2000);
         EXPECT_LT(shot.picture.count(130, 70, 190, 160, inside), 600);
     }},
    {"rounded-boxes", [](const Shot& shot) {
         const Box capsule = extent(shot.picture, 90, 60, 150, 170, [](int r, int g, int) { return g > 80 && g > r + 40; });
         EXPECT_GE(capsule.height(), 2 * capsule.width());
         const Box dome = extent(shot.picture, 220, 60, 300, 170, [](int r, int g, int b) { return r > 100 && g > 70 && b < 80; });
         EXPECT_GE(dome.width() * 10, dome.height() * 14);
         // The sphere is round: as wide as high, its box's corners empty.
         const Box sphere = extent(shot.picture, 150, 60, 240, 170, red);
         EXPECT_NEAR(sphere.width(), sphere.height(), 6);
         EXPECT_EQ(shot.picture.count(sphere.x0, sphere.y0, sphere.x0 + 6, sphere.y0 + 6, red), 0);
         EXPECT_EQ(shot.picture.count(sphere.x1 - 5, sphere.y1 - 5, sphere.x1 + 1, sphere.y1 + 1, red), 0);
     }},
    {"sparks", [](const Shot& shot) {
         // Hundreds of warm sparks, flown well above the fountain's foot.
         EXPECT_GT(shot.picture.count(0, 0, WIDTH, HEIGHT, warm), 500);
         EXPECT_LT(extent(shot.picture, 0, 0, WIDTH, HEIGHT, warm).y0, 100);
     }},
    {"text", [](const Shot& shot) {
         // The title is centred and the counter ends 20 from the right edge,
         // as measured; the paragraph sits on its panel.
         const Box title = extent(shot.picture, 0, 0, WIDTH, 50, [](int r, int g, int b) { return r > 180 && g > 140 && b < 120; });
         EXPECT_NEAR(title.x0 + title.x1, WIDTH, 4);
         EXPECT_GT(title.width(), 100);
         const Box counter = extent(shot.picture, 0, 190, WIDTH, HEIGHT, [](int r, int g, int b) { return b > 180 && g > 150 && r < 150; });
         EXPECT_NEAR(counter.x1, WIDTH - 21, 3);
         EXPECT_GT(shot.picture.count(20, 50, 300, 165, [](int r, int, int b) { return b > 90 && b > r + 30; }), 20000);
     }},
    {"mirror", [](const Shot& shot) {
         // The red ball, and its reflection below the floor line.
         EXPECT_GT(shot.picture.count(85, 65, 140, 120, red), 1500);
         EXPECT_GT(shot.picture.count(85, 160, 145, 215, red), 300);
     }},
    {"shadow", [](const Shot& shot) {
         // The ball's shadow darkens the lit floor behind it.
         EXPECT_GT(shot.picture.count(120, 135, 180, 150, dark), 700);
     }},
    {"environment-map", [](const Shot& shot) {
         // The mapped box and vase reflect the blue sky; the plain ball does not.
         EXPECT_EQ(shot.picture.count(20, 80, 100, 160, blue), 0);
         EXPECT_GT(shot.picture.count(115, 80, 200, 160, blue), 400);
         EXPECT_GT(shot.picture.count(220, 70, 300, 165, blue), 1000);
     }},
    {"positional-sound", [](const Shot& shot) {
         // The hum is on the listener's left, in the picture and in the ears.
         EXPECT_GT(shot.picture.count(30, 95, 80, 145, warm), 100);
         EXPECT_EQ(shot.picture.count(240, 95, 290, 145, warm), 0);
         const auto [left, right] = channelEnergy(shot.wav);
         EXPECT_GT(left, 1e10);
         EXPECT_GT(left, 20 * right);
     }},
    {"virtual-cd", [](const Shot& shot) {
         // The disc is found (the green lamp) and heard.
         EXPECT_GT(shot.picture.count(10, 10, 40, 40, [](int r, int g, int) { return g > 150 && g > r + 60; }), 30);
         EXPECT_GT(bgtest::waveEnergy(shot.wav), 1e10);
     }},
    {"mouse-look", [](const Shot& shot) {
         // Sky above, floor below, the cross hair in the middle.
         EXPECT_EQ(shot.picture.count(0, 0, WIDTH, 10, [](int r, int, int b) { return b > 200 && b > r + 80; }), WIDTH * 10);
         EXPECT_GT(shot.picture.count(0, 160, WIDTH, 200, [](int r, int g, int b) { return r > 60 && r >= b && g >= b; }), 8000);
         EXPECT_GT(shot.picture.count(150, 110, 170, 130, [](int r, int g, int b) { return r > 200 && g > 200 && b > 200; }), 10);
     }},
    {"state-stacks", [](const Shot& shot) {
         // Unlit, lit, textured, blended, and unlit again once restored.
         const bgtest::Picture& p = shot.picture;
         EXPECT_EQ(p.at(40, 120), p.at(280, 120));
         EXPECT_NE(p.at(40, 120), p.at(100, 120));
         const long lit = p.at(100, 120), bricks = p.at(160, 120);
         EXPECT_EQ(lit >> 16, lit & 255); // grey: white light on a white material
         EXPECT_GT((bricks >> 16) - (bricks >> 8 & 255), 25);
         // The blended ball lets the stripe behind it show through.
         EXPECT_GT((p.at(220, 112) & 255) - (p.at(220, 130) & 255), 100);
     }},
    {"settings", [](const Shot& shot) {
         // The ball in the hue Engine.cfg gives (30: orange); the run count
         // is made on the first run and counts the next.
         const long centre = shot.picture.at(160, 120);
         EXPECT_NEAR(hue(int(centre >> 16), int(centre >> 8 & 255), int(centre & 255)), 30, 4);
         const std::regex runs("(^|\n)GAME_RUNS = ([^\n]*)");
         std::smatch match;
         const std::string first = bgtest::readFile(shot.game + "/Engine.cfg");
         EXPECT_TRUE(std::regex_search(first, match, runs) && match[2] == "1.000000") << first;
         const bgtest::RunResult again = play(shot.game, fs::path(shot.game).parent_path(), 2);
         EXPECT_EQ(again.exitCode, 0) << again.err;
         const std::string second = bgtest::readFile(shot.game + "/Engine.cfg");
         EXPECT_TRUE(std::regex_search(second, match, runs) && match[2] == "2.000000") << second;
     }},
};

std::vector<std::string> names() {
    std::vector<std::string> all;
    for (const auto& example : EXAMPLES) all.push_back(example.first);
    return all;
}

class Example : public testing::TestWithParam<std::string> {};

TEST_P(Example, RunsQuietlyAndShowsItsTopic) {
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
    const Shot shot{scratch / "game", bgtest::Picture::load(scratch / frame), scratch.read("sound.wav")};
    ASSERT_EQ(shot.picture.width, WIDTH);
    ASSERT_EQ(shot.picture.height, HEIGHT);
    EXPECT_GT(distinctColours(shot.picture, 0, 0, WIDTH, HEIGHT), 20) << "a blank picture";
    EXAMPLES.at(name)(shot);
}

INSTANTIATE_TEST_SUITE_P(Gallery, Example, testing::ValuesIn(names()), [](const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

TEST(Gallery, CommittedPageIsCurrentAndEveryExampleIsChecked) {
    const std::string committed = bgtest::readFile(BRAWLGEAR_SOURCE_DIR "/docs/examples.md");
    EXPECT_TRUE(committed == bgtest::readFile(BRAWLGEAR_EXAMPLES_PAGE))
        << "out of date: run `cmake --build build --target update_examples_docs` under X or Xvfb and commit docs/";
    std::set<std::string> folders;
    for (const auto& entry : fs::directory_iterator(BRAWLGEAR_SOURCE_DIR "/examples"))
        if (entry.is_directory()) folders.insert(entry.path().filename());
    const std::vector<std::string> checked = names();
    EXPECT_EQ(folders, std::set<std::string>(checked.begin(), checked.end()));
    for (const std::string& name : folders) {
        EXPECT_NE(committed.find("\n    brawlgear --dev examples/" + name + "\n"), std::string::npos) << name;
        EXPECT_EQ(bgtest::Picture::load(BRAWLGEAR_SOURCE_DIR "/docs/examples/" + name + ".png").width, WIDTH) << name;
    }
}

} // namespace
