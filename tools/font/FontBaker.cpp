// brawlgear-font: bakes a TrueType or OpenType font into the engine's
// bitmap font: the font description (NAME.txt) and its glyph image
// (NAME.png: white glyphs, alpha from coverage), one cell a character.

#include "tools/media/Media.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

const char* const USAGE =
    "usage: brawlgear-font FONT_FILE PIXEL_SIZE OUTPUT.txt [options]\n"
    "\n"
    "Bakes FONT_FILE (TrueType or OpenType) at PIXEL_SIZE into the engine's\n"
    "bitmap font: OUTPUT.txt (the description) and OUTPUT.png (the glyphs).\n"
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

int powerOfTwoAtLeast(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(USAGE, stdout);
        return 0;
    }
    if (argc < 4) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    const std::string fontFile = argv[1], output = argv[3];
    const int pixelSize = std::atoi(argv[2]);
    int first = ' ', last = '~', cellWidth = 0, cellHeight = 0, spacing = 0, top = 0;
    for (int i = 4; i < argc; ++i) {
        const std::string option = argv[i];
        auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        const char* value = next();
        if (!value) return fail("missing value after " + option);
        if (option == "--first") first = static_cast<unsigned char>(value[0]);
        else if (option == "--last") last = static_cast<unsigned char>(value[0]);
        else if (option == "--spacing") spacing = std::atoi(value);
        else if (option == "--top") top = std::atoi(value);
        else if (option == "--cell") {
            const char* height = next();
            if (!height) return fail("--cell takes a width and a height");
            cellWidth = std::atoi(value), cellHeight = std::atoi(height);
        } else {
            return fail("unknown option " + option);
        }
    }
    if (pixelSize < 4 || pixelSize > 256) return fail("the pixel size must be 4 to 256");
    // The engine reads its range as signed characters: stay in 1 to 127.
    if (first < 1 || last > 127 || last < first) return fail("the range must run upward within 1 to 127");
    if (output.size() < 4 || output.compare(output.size() - 4, 4, ".txt") != 0)
        return fail("the output must end in .txt (the image gets .png)");

    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) != 0) return fail("FreeType would not start");
    if (FT_New_Face(library, fontFile.c_str(), 0, &face) != 0) return fail("cannot read the font " + fontFile);
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
    const int ascender = static_cast<int>(face->size->metrics.ascender >> 6);
    const int descender = static_cast<int>(-(face->size->metrics.descender >> 6));

    const int count = last - first + 1;
    std::vector<int> advances(static_cast<std::size_t>(count));
    int widest = 1;
    for (int i = 0; i < count; ++i) {
        if (FT_Load_Char(face, static_cast<FT_ULong>(first + i), FT_LOAD_DEFAULT) == 0)
            advances[static_cast<std::size_t>(i)] = static_cast<int>(face->glyph->advance.x >> 6);
        widest = std::max(widest, advances[static_cast<std::size_t>(i)]);
    }
    if (cellWidth <= 0) cellWidth = widest + 1;
    if (cellHeight <= 0) cellHeight = ascender + descender;

    // The engine's layout: a new row once the next cell would not fit.
    int width = 64, height = 0;
    for (; width <= 512; width *= 2) {
        if (cellWidth > width) continue;
        const int perRow = width / cellWidth;
        height = powerOfTwoAtLeast((count + perRow - 1) / perRow * cellHeight);
        if (height <= width) break;
    }
    if (width > 512 || height > 512) return fail("the glyphs do not fit 512 x 512: choose a smaller size");

    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4, 0);
    std::string description = std::string(1, static_cast<char>(first)) + static_cast<char>(last) + "\n" +
                              std::to_string(cellWidth) + "\n" + std::to_string(cellHeight) + "\n" +
                              std::to_string(width) + "\n" + std::to_string(height) + "\n" + std::to_string(spacing) +
                              "\n" + std::to_string(top) + "\n";
    int x = 0, y = 0;
    for (int i = 0; i < count; ++i) {
        const int advance = std::min(advances[static_cast<std::size_t>(i)], cellWidth);
        description += std::to_string(advance) + "\n";
        if (FT_Load_Char(face, static_cast<FT_ULong>(first + i), FT_LOAD_RENDER) == 0) {
            const FT_Bitmap& bitmap = face->glyph->bitmap;
            const int left = face->glyph->bitmap_left, rise = face->glyph->bitmap_top;
            for (unsigned row = 0; row < bitmap.rows; ++row)
                for (unsigned column = 0; column < bitmap.width; ++column) {
                    const int px = x + left + static_cast<int>(column);
                    const int py = y + ascender - rise + static_cast<int>(row);
                    if (px < x || px >= x + cellWidth || py < y || py >= y + cellHeight) continue;
                    std::uint8_t* p = &rgba[(static_cast<std::size_t>(py) * width + px) * 4];
                    p[0] = p[1] = p[2] = 255;
                    p[3] = bitmap.buffer[static_cast<int>(row) * bitmap.pitch + static_cast<int>(column)];
                }
        }
        x += cellWidth;
        if (x + cellWidth > width) {
            y += cellHeight;
            x = 0;
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);

    const std::string image = output.substr(0, output.size() - 3) + "png";
    std::ofstream(output, std::ios::binary) << description;
    std::ofstream(image, std::ios::binary) << bg::media::png(width, height, 6, rgba);
    std::ifstream check(image);
    if (!check) return fail("cannot write " + image);
    std::printf("brawlgear-font: %s and %s, %d characters in %d x %d cells on %d x %d\n", output.c_str(),
                image.c_str(), count, cellWidth, cellHeight, width, height);
    return 0;
}
