#ifndef BRAWLGEAR_TESTS_PICTURE_H
#define BRAWLGEAR_TESTS_PICTURE_H

// A picture the engine wrote (PNG, BMP), read back for pixel checks.

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace bgtest {

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb; // top row first

    // Empty when the file is missing or unreadable.
    static Picture load(const std::string& path) {
        Picture picture;
        SDL_Surface* image = IMG_Load(path.c_str());
        if (!image) return picture;
        picture.width = image->w, picture.height = image->h;
        picture.rgb.resize(static_cast<std::size_t>(image->w) * image->h * 3);
        const int bytes = image->format->BytesPerPixel;
        for (int y = 0; y < image->h; ++y)
            for (int x = 0; x < image->w; ++x) {
                Uint32 value = 0;
                std::memcpy(&value, static_cast<const Uint8*>(image->pixels) + y * image->pitch + x * bytes, bytes);
                std::uint8_t* out = &picture.rgb[(static_cast<std::size_t>(y) * image->w + x) * 3];
                SDL_GetRGB(value, image->format, &out[0], &out[1], &out[2]);
            }
        SDL_FreeSurface(image);
        return picture;
    }
    // 0xRRGGBB at (x, y), counted from the top left.
    long at(int x, int y) const {
        const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        return long(p[0]) << 16 | p[1] << 8 | p[2];
    }
    // How many pixels of the rectangle [x0, x1) x [y0, y1) pass the test.
    int count(int x0, int y0, int x1, int y1, const std::function<bool(int r, int g, int b)>& test) const {
        int n = 0;
        for (int y = y0; y < y1 && y < height; ++y)
            for (int x = x0; x < x1 && x < width; ++x) {
                const long c = at(x, y);
                n += test(int(c >> 16), int(c >> 8 & 255), int(c & 255));
            }
        return n;
    }
};

} // namespace bgtest

#endif
