// Makes the sample game's textures and sounds, so that the repository holds
// none: brawlgear-demo-assets OUTPUT_DIR writes OUTPUT_DIR/Textures/*.png
// and OUTPUT_DIR/Sounds/*.ogg.

#include "tools/media/Media.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Pixel = std::function<void(int x, int y, std::uint8_t* out)>;

bool write(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    out.close();
    if (!out) std::fprintf(stderr, "brawlgear-demo-assets: cannot write %s\n", path.c_str());
    return bool(out);
}

// A square picture of `size` pixels, RGB or RGBA, from a per-pixel rule.
std::string picture(int size, bool alpha, const Pixel& pixel) {
    const int samples = alpha ? 4 : 3;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(size) * size * samples);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) pixel(x, y, &rows[(static_cast<std::size_t>(y) * size + x) * samples]);
    return bg::media::png(size, size, alpha ? 6 : 2, rows);
}

std::uint8_t byte(double v) { return static_cast<std::uint8_t>(std::lround(std::fmin(std::fmax(v, 0.0), 1.0) * 255)); }

} // namespace

int main(int argc, char** argv) {
    const char* const usage = "usage: brawlgear-demo-assets OUTPUT_DIR\n"
                              "\n"
                              "Writes the sample game's generated textures and sounds below OUTPUT_DIR.\n";
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::fputs(usage, stderr);
        return 2;
    }
    const fs::path root = argv[1];
    std::error_code error;
    fs::create_directories(root / "Textures", error);
    fs::create_directories(root / "Sounds", error);

    bool ok = true;
    // Floor tiles: a light and a dark square with a thin grout line.
    ok &= write(root / "Textures/Floor.png", picture(128, false, [](int x, int y, std::uint8_t* p) {
        const bool grout = x % 32 == 0 || y % 32 == 0;
        const bool light = (x / 32 + y / 32) % 2 == 0;
        const double v = grout ? 0.25 : light ? 0.85 : 0.55;
        p[0] = byte(v), p[1] = byte(v * 0.95), p[2] = byte(v * 0.85);
    }));
    // Wall: rows of bricks, each row offset by half a brick.
    ok &= write(root / "Textures/Wall.png", picture(128, false, [](int x, int y, std::uint8_t* p) {
        const int row = y / 16, shifted = x + (row % 2) * 16;
        const bool mortar = y % 16 < 2 || shifted % 32 < 2;
        const double shade = 0.8 + 0.2 * std::sin(shifted / 32 * 1.7 + row * 2.3);
        if (mortar) p[0] = p[1] = p[2] = byte(0.75);
        else p[0] = byte(0.7 * shade), p[1] = byte(0.35 * shade), p[2] = byte(0.25 * shade);
    }));
    // What a shiny sphere reflects: a sky over a dark ground, as a sphere map.
    ok &= write(root / "Textures/Sky.png", picture(128, false, [](int x, int y, std::uint8_t* p) {
        const double dx = (x - 63.5) / 64, dy = (y - 63.5) / 64;
        const double r = std::sqrt(dx * dx + dy * dy);
        const bool sky = dy < 0.1;
        p[0] = byte(sky ? 0.4 + 0.5 * r : 0.2), p[1] = byte(sky ? 0.6 + 0.3 * r : 0.15), p[2] = byte(sky ? 1.0 : 0.1);
    }));
    // A soft round glow for lamps and sparks, white with alpha falling off.
    ok &= write(root / "Textures/Glow.png", picture(64, true, [](int x, int y, std::uint8_t* p) {
        const double dx = (x - 31.5) / 32, dy = (y - 31.5) / 32;
        const double fall = std::fmax(0.0, 1 - std::sqrt(dx * dx + dy * dy));
        p[0] = p[1] = p[2] = 255;
        p[3] = byte(fall * fall);
    }));
    // A low hum for the lamp that circles the room, and a chime for the switch.
    ok &= write(root / "Sounds/Hum.ogg", bg::media::sineOgg(1, 22050, 22050, 110));
    ok &= write(root / "Sounds/Chime.ogg", bg::media::sineOgg(1, 22050, 8820, 880));
    return ok ? 0 : 1;
}
