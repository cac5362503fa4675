// Any bytes baked as a font: the first three choose the pixel size and the
// first and last character (unchecked, as the baker must check them), the
// rest is the font. Seeds: brawlgear-font-seeds.

#include "tools/font/Bake.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    bg::fontbake::Options options;
    options.pixelSize = data[0];
    options.first = data[1];
    options.last = data[2];
    const bg::fontbake::Result baked = bg::fontbake::bake(data + 3, size - 3, options);
    // A bake that worked must describe an image the engine can take.
    if (baked.error.empty() &&
        (baked.width < 1 || baked.width > 512 || baked.height < 1 || baked.height > 512 || baked.cellWidth < 1 ||
         baked.cellHeight < 1 || baked.rgba.size() != static_cast<std::size_t>(baked.width) * baked.height * 4))
        std::abort();
    return 0;
}
