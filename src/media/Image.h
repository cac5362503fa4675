#ifndef BRAWLGEAR_MEDIA_IMAGE_H
#define BRAWLGEAR_MEDIA_IMAGE_H

// Pictures decoded from the bytes the file system reads: PNG, BMP, JPEG,
// GIF and TGA, checked before any decoder sees them.

#include "foundation/Pointer.h"
#include "foundation/Utils.h"

#include <cstdint>

namespace bg {

class File;

constexpr int MAX_TEXTURE_WIDTH = 512;
constexpr int MAX_TEXTURE_HEIGHT = 512;

// Decoded pixels: width x height 32-bit pixels, the bottom row first, the
// bytes of each pixel red, green, blue, alpha. Empty (all zero) when a load
// failed.
struct ImageData {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    SharedArray<std::uint32_t> pixels;

    // Coordinates outside the image are reported and limited to it.
    std::uint32_t getPixel(int x, int y) const;
    std::uint32_t setPixel(int x, int y, std::uint32_t pixel);
};

// Decodes a PNG, BMP, JPEG, GIF or TGA image (TGA, which has no
// signature, is known by its extension in any letter case); any other
// format is refused. In texture mode the size must be a power of two of at
// most 512 each way (fatal otherwise) and the pixels are the one shared
// texture buffer, valid until the next texture-mode load.
ImageData loadImage(const File& file, bool textureBuffer);
ImageData loadImage(const FixedString& name, bool textureBuffer);

} // namespace bg

#endif
