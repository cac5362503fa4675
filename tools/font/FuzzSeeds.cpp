// brawlgear-font-seeds FOLDER: writes the seed inputs of the FontBakeFuzz
// target, generated BDF fonts behind the three bytes the target reads as
// pixel size, first and last character.

#include "tools/media/Media.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct Seed {
    const char* name;
    int pixelSize, first, last;        // what the target is asked for
    int fontSize, fontFirst, fontLast; // what the font has
    const char* from = nullptr;        // a line of the font to change
    const char* to = nullptr;
};

const Seed SEEDS[] = {
    {"strike-8", 8, 'A', 'D', 8, 'A', 'D'},
    {"nearest-strike", 12, 'a', 'c', 7, 'a', 'c'},
    {"lacks-some", 9, ' ', '~', 9, '0', '2'},
    {"lacks-all", 10, 'A', 'Z', 10, 0x410, 0x412},
    // Rows but no columns: the baker once indexed an empty buffer for them.
    {"no-columns", 8, 'A', 'C', 8, 'A', 'C', "BBX 11 4 0 0", "BBX 0 4 0 0"},
    {"no-bitmap", 8, 'A', 'C', 8, 'A', 'C', "BITMAP\n8000\nC000\nE000\nF000\n", ""},
    {"grey-levels", 8, 'A', 'C', 8, 'A', 'C', "SIZE 8 72 72\n", "SIZE 8 72 72 2\n"},
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: brawlgear-font-seeds FOLDER\n", stderr);
        return 2;
    }
    for (const Seed& seed : SEEDS) {
        const std::string path = std::string(argv[1]) + "/" + seed.name;
        std::string font = bg::media::bdf(seed.fontSize, seed.fontFirst, seed.fontLast);
        if (seed.from) font.replace(font.find(seed.from), std::string(seed.from).size(), seed.to);
        std::ofstream out(path, std::ios::binary);
        out << static_cast<char>(seed.pixelSize) << static_cast<char>(seed.first) << static_cast<char>(seed.last)
            << font;
        if (!out) {
            std::fprintf(stderr, "brawlgear-font-seeds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
