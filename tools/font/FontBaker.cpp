// brawlgear-font: bakes a TrueType, OpenType or bitmap font into the
// engine's bitmap font: the font description (NAME.txt) and its glyph image
// (NAME.png: white glyphs, alpha from coverage), one cell a character.

#include "foundation/Version.h"
#include "tools/font/Bake.h"
#include "tools/media/Media.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const char* const USAGE =
    "usage: brawlgear-font FONT_FILE PIXEL_SIZE OUTPUT.txt [options]\n"
    "       brawlgear-font --help | --version\n"
    "\n"
    "Bakes FONT_FILE (TrueType or OpenType) at PIXEL_SIZE into the engine's\n"
    "bitmap font: OUTPUT.txt (the description) and OUTPUT.png (the glyphs).\n"
    "A bitmap font (PCF, BDF) is baked at its strike nearest PIXEL_SIZE.\n"
    "\n"
    "  --first C      first character of the range (default: blank)\n"
    "  --last C       last character of the range (default: ~)\n"
    "  --cell W H     cell size in pixels (default: from the font's metrics)\n"
    "  --spacing N    extra pixels between characters (default 0)\n"
    "  --top N        top offset in pixels (default 0)\n"
    "\n"
    "The image is the smallest power-of-two square-ish size, at most\n"
    "512 x 512, that holds every cell.\n";

int fail(const std::string& message) {
    std::fprintf(stderr, "brawlgear-font: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("brawlgear-font " BRAWLGEAR_VERSION);
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(USAGE, stdout);
        return 0;
    }
    if (argc < 4) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    const std::string fontFile = argv[1], output = argv[3];
    bg::fontbake::Options options;
    options.name = fontFile;
    options.pixelSize = std::atoi(argv[2]);
    for (int i = 4; i < argc; ++i) {
        const std::string option = argv[i];
        auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        const char* value = next();
        if (!value) return fail("missing value after " + option);
        if (option == "--first") options.first = static_cast<unsigned char>(value[0]);
        else if (option == "--last") options.last = static_cast<unsigned char>(value[0]);
        else if (option == "--spacing") options.spacing = std::atoi(value);
        else if (option == "--top") options.top = std::atoi(value);
        else if (option == "--cell") {
            const char* height = next();
            if (!height) return fail("--cell takes a width and a height");
            options.cellWidth = std::atoi(value), options.cellHeight = std::atoi(height);
        } else {
            return fail("unknown option " + option);
        }
    }
    if (output.size() < 4 || output.compare(output.size() - 4, 4, ".txt") != 0)
        return fail("the output must end in .txt (the image gets .png)");

    std::ifstream in(fontFile, std::ios::binary);
    if (!in) return fail("cannot read the font " + fontFile);
    const std::string font((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const bg::fontbake::Result baked =
        bg::fontbake::bake(reinterpret_cast<const std::uint8_t*>(font.data()), font.size(), options);
    if (!baked.error.empty()) return fail(baked.error);
    for (const std::string& note : baked.notes) std::fprintf(stderr, "brawlgear-font: %s\n", note.c_str());

    const std::string image = output.substr(0, output.size() - 3) + "png";
    std::ofstream(output, std::ios::binary) << baked.description;
    std::ofstream(image, std::ios::binary) << bg::media::png(baked.width, baked.height, 6, baked.rgba);
    std::ifstream check(image);
    if (!check) return fail("cannot write " + image);
    std::printf("brawlgear-font: %s and %s, %d characters in %d x %d cells on %d x %d\n", output.c_str(),
                image.c_str(), options.last - options.first + 1, baked.cellWidth, baked.cellHeight, baked.width,
                baked.height);
    return 0;
}
