#ifndef BRAWLGEAR_TOOLS_FONT_BAKE_H
#define BRAWLGEAR_TOOLS_FONT_BAKE_H

// The heart of brawlgear-font, apart from files and arguments so that the
// fuzz tests can hand it any bytes: a font in memory in, the engine's font
// description and its glyph image out.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bg::fontbake {

struct Options {
    std::string name = "(in memory)"; // how the messages call the font
    int pixelSize = 16;
    int first = ' ', last = '~';
    int cellWidth = 0, cellHeight = 0; // 0: from the font's metrics
    int spacing = 0, top = 0;
};

struct Result {
    std::string error; // empty when the bake worked
    // Worth telling but no reason to stop: a strike other than the size
    // asked for, characters the font lacks.
    std::vector<std::string> notes;
    std::string description; // the NAME.txt the engine reads
    int width = 0, height = 0, cellWidth = 0, cellHeight = 0;
    std::vector<std::uint8_t> rgba; // width x height, top row first: white, alpha from coverage
};

// The image is at most 512 x 512: whatever needs more is refused.
Result bake(const std::uint8_t* font, std::size_t size, const Options& options);

} // namespace bg::fontbake

#endif
