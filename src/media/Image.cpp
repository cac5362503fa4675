#include "media/Image.h"

#include "math/Math.h"
#include "vfs/VFS.h"

#include <SDL.h>
#include <SDL_image.h>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

// The decoders were part of the file system once: their reports keep its
// name.
#undef BG_REPORT_FILE
#define BG_REPORT_FILE "VFS"

namespace bg {

namespace {

// The one texture-mode buffer: a texture's pixels go to OpenGL before the
// next texture is decoded.
SharedArray<std::uint32_t> textureBufferPixels() {
    static const SharedArray<std::uint32_t> buffer(new std::uint32_t[MAX_TEXTURE_WIDTH * MAX_TEXTURE_HEIGHT]);
    return buffer;
}

} // namespace

namespace {

std::uint32_t bigEndian32(const unsigned char* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}
unsigned littleEndian16(const unsigned char* p) { return unsigned(p[0]) | unsigned(p[1]) << 8; }

// What an image file holds, read from its header before any decoder sees
// it: the decoders allocate the whole picture first, so a few bytes
// claiming 60000 x 60000 pixels would take 14 GB, and some of them crash
// on sizes of zero.
enum class ImageFormat { Unsupported, Damaged, Png, Bmp, Jpeg, Gif, Tga };

struct ImageHeader {
    ImageFormat format = ImageFormat::Unsupported;
    long width = 0; // what the decoder will make of it
    long height = 0;
};

constexpr long MAX_IMAGE_SIDE = 16384;

// The extension, lower case, without the dot; empty when there is none.
std::string extensionOf(const char* name) {
    const char* dot = std::strrchr(name, '.');
    const char* slash = std::strrchr(name, '/');
    std::string ext;
    if (!dot || (slash && slash > dot)) return ext;
    for (const char* c = dot + 1; *c; ++c) ext += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    return ext;
}

// The frame header (SOFn) holds the size; it comes before the first scan.
bool jpegSize(const unsigned char* data, std::size_t size, long& width, long& height) {
    for (std::size_t at = 2; at + 3 < size;) {
        if (data[at] != 0xFF) return false;
        const unsigned marker = data[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) { // markers without a length
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) return false; // end, or a scan before any frame
        const unsigned length = unsigned(data[at + 2]) << 8 | data[at + 3];
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            if (at + 9 > size) return false;
            height = long(data[at + 5]) << 8 | data[at + 6];
            width = long(data[at + 7]) << 8 | data[at + 8];
            return true;
        }
        at += 2 + length;
    }
    return false;
}

// Walks every block of a GIF. The decoder makes the first image block's
// size; each image block must have a size it can hold (one of 0 x 0 crashes
// it). False when a block is unfit or the file ends before any image.
// Walks the LZW codes of a GIF image block (its sub-blocks from `at`) up
// to `pixels` indices, writing them to `out` when it is given, else only
// counting them. False for a code no encoder writes (beyond the next entry,
// or a first code that is no literal): the decoding library followed such
// codes into a table loop it never left (found by the fuzzer). A stream cut
// short ends the walk; `decoded` says how far it got.
bool walkGifCodes(const unsigned char* data, std::size_t size, std::size_t at, unsigned minimum, std::size_t pixels,
                  std::vector<std::uint8_t>* out, std::size_t& decoded) {
    const unsigned clear = 1u << minimum, end = clear + 1;
    unsigned next = clear + 2, bits = minimum + 1, previous = 0;
    bool first = true;
    // Each entry is an earlier entry (its prefix) and one more index.
    std::vector<std::uint16_t> prefix(4096);
    std::vector<std::uint8_t> suffix(4096), firstOf(4096), string;
    std::vector<std::size_t> length(4096, 1);
    for (unsigned i = 0; i < 256; ++i) suffix[i] = firstOf[i] = static_cast<std::uint8_t>(i);
    std::uint32_t held = 0;
    unsigned heldBits = 0;
    std::size_t left = 0; // bytes left in the current sub-block
    decoded = 0;
    while (decoded < pixels) {
        while (heldBits < bits && at < size) {
            if (left == 0) {
                if (data[at] == 0) break;
                left = data[at++];
                continue;
            }
            held |= std::uint32_t(data[at++]) << heldBits;
            heldBits += 8;
            --left;
        }
        if (heldBits < bits) return true; // cut short
        const unsigned code = held & ((1u << bits) - 1);
        held >>= bits;
        heldBits -= bits;
        if (code == clear) {
            next = clear + 2, bits = minimum + 1, first = true;
            continue;
        }
        if (code == end) return true;
        if (first) {
            if (code >= clear) return false;
            if (out) out->push_back(static_cast<std::uint8_t>(code));
            ++decoded;
            previous = code;
            first = false;
            continue;
        }
        if (code > next) return false;
        // KwKwK: the previous string, then its first index.
        const unsigned known = code == next ? previous : code;
        const std::uint8_t head = known < clear ? static_cast<std::uint8_t>(known) : firstOf[known];
        const std::size_t count = length[known] + (code == next ? 1 : 0);
        if (out) {
            string.clear();
            if (code == next) string.push_back(head);
            for (unsigned c = known; c >= clear; c = prefix[c]) string.push_back(suffix[c]);
            string.push_back(head);
            for (auto c = string.rbegin(); c != string.rend() && out->size() < pixels; ++c) out->push_back(*c);
        }
        decoded += count;
        if (next < 4096) {
            prefix[next] = static_cast<std::uint16_t>(previous);
            suffix[next] = head;
            firstOf[next] = previous < clear ? static_cast<std::uint8_t>(previous) : firstOf[previous];
            length[next] = length[previous] + 1;
            ++next;
            if (next == (1u << bits) && bits < 12) ++bits;
        }
        previous = code;
    }
    return true;
}

// The first image's codes must be sound and enough for its pixels: a stream
// that ran out before the picture was whole kept the library reading for
// ever.
bool gifCodesSound(const unsigned char* data, std::size_t size, std::size_t at, unsigned minimum, std::size_t pixels) {
    std::size_t decoded = 0;
    return walkGifCodes(data, size, at, minimum, pixels, nullptr, decoded) && decoded >= pixels;
}

bool gifSize(const unsigned char* data, std::size_t size, long& width, long& height) {
    std::size_t at = 13;
    auto colourTable = [](unsigned flags) { return flags & 0x80 ? std::size_t(3) << ((flags & 7) + 1) : 0; };
    at += colourTable(data[10]);
    auto skipSubBlocks = [&] {
        while (at < size && data[at] != 0) at += 1 + data[at];
        ++at;
    };
    bool found = false;
    while (at < size) {
        const unsigned char kind = data[at];
        if (kind == 0x3B) break; // trailer
        if (kind == 0x21) { // extension: label, then sub-blocks
            at += 2;
            skipSubBlocks();
        } else if (kind == 0x2C) {
            if (at + 10 > size) break;
            const long w = littleEndian16(data + at + 5), h = littleEndian16(data + at + 7);
            if (w < 1 || h < 1 || w > MAX_IMAGE_SIDE || h > MAX_IMAGE_SIDE) return false;
            at += 10 + colourTable(data[at + 9]); // descriptor, local table
            // Indices have at most 8 bits; a larger starting code size sent
            // the decoder into an endless loop (found by the fuzzer).
            if (at >= size || data[at] < 1 || data[at] > 8) return false;
            // The decoder reads the first image only.
            if (!found && !gifCodesSound(data, size, at + 1, data[at], static_cast<std::size_t>(w * h))) return false;
            if (!found) width = w, height = h, found = true;
            ++at;
            skipSubBlocks();
        } else {
            break; // anything else ends what the decoder reads
        }
    }
    return found;
}

// TGA has no signature: only the extension names it. A file must hold the
// pixels it claims: all of them uncompressed, and with run-length packing
// at least one packet (a byte and a pixel) for every 128 pixels.
bool tgaSize(const unsigned char* data, std::size_t size, long& width, long& height) {
    if (size < 18) return false;
    const unsigned type = data[2], depth = data[16];
    const bool rle = type >= 9 && type <= 11;
    if (!(type >= 1 && type <= 3) && !rle) return false;
    if (depth != 8 && depth != 15 && depth != 16 && depth != 24 && depth != 32) return false;
    width = littleEndian16(data + 12), height = littleEndian16(data + 14);
    const unsigned long long pixels = static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height);
    const unsigned long long bytes = (depth + 7) / 8;
    const unsigned long long mapBytes = data[1] ? littleEndian16(data + 5) * ((data[7] + 7ull) / 8) : 0;
    const unsigned long long need = 18 + data[0] + mapBytes + (rle ? (pixels + 127) / 128 * (1 + bytes) : pixels * bytes);
    return need <= size;
}

// The decoder's reader ignores a short read and hands libpng the bytes it
// had before, so a PNG cut inside a chunk can keep it reading the same
// chunk forever: every chunk must lie inside the file, up to IEND.
bool pngComplete(const unsigned char* data, std::size_t size) {
    for (std::size_t at = 8; at + 12 <= size;) {
        const std::uint32_t length = bigEndian32(data + at);
        if (length > 0x7FFFFFFFu || length > size - at - 12) return false;
        if (std::memcmp(data + at + 4, "IEND", 4) == 0) return true;
        at += 12 + length;
    }
    return false;
}

ImageHeader readImageHeader(const unsigned char* data, std::size_t size, const std::string& ext) {
    ImageHeader header;
    bool sized = false;
    if (size >= 8 && std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) == 0) {
        header.format = ImageFormat::Png;
        if (size >= 24 && pngComplete(data, size))
            header.width = bigEndian32(data + 16), header.height = bigEndian32(data + 20), sized = true;
    } else if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        header.format = ImageFormat::Bmp;
        if (size >= 22 && littleEndian16(data + 14) == 12) { // the old OS/2 header: 16-bit sizes
            header.width = littleEndian16(data + 18), header.height = littleEndian16(data + 20), sized = true;
        } else if (size >= 26) {
            std::int32_t w, h;
            std::memcpy(&w, data + 18, 4), std::memcpy(&h, data + 22, 4);
            header.width = std::labs(static_cast<long>(w)), header.height = std::labs(static_cast<long>(h));
            sized = true;
        }
    } else if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) {
        header.format = ImageFormat::Jpeg;
        sized = jpegSize(data, size, header.width, header.height);
    } else if (size >= 13 && (std::memcmp(data, "GIF87a", 6) == 0 || std::memcmp(data, "GIF89a", 6) == 0)) {
        header.format = ImageFormat::Gif;
        sized = gifSize(data, size, header.width, header.height);
    } else if (ext == "tga") {
        header.format = ImageFormat::Tga;
        sized = tgaSize(data, size, header.width, header.height);
    } else if (ext == "png" || ext == "bmp" || ext == "jpg" || ext == "jpeg" || ext == "gif") {
        header.format = ImageFormat::Damaged; // named as ours, but not what it says
    }
    if (header.format != ImageFormat::Unsupported &&
        (!sized || header.width < 1 || header.height < 1))
        header.format = ImageFormat::Damaged;
    return header;
}

// The first image of a GIF, decoded here into an 8-bit surface with its
// palette and transparent index: the decoding library's own LZW decoder
// runs for ever on some damaged streams (found by the fuzzer). Called once
// readImageHeader has walked the blocks, so sizes and code sizes are sound.
SDL_Surface* decodeGif(const unsigned char* data, std::size_t size) {
    auto tableBytes = [](unsigned flags) { return flags & 0x80 ? std::size_t(3) << ((flags & 7) + 1) : 0; };
    const unsigned char* palette = data + 13;
    std::size_t colours = tableBytes(data[10]) / 3;
    std::size_t at = 13 + colours * 3;
    int transparent = -1;
    while (at + 1 < size && data[at] == 0x21) { // extensions before the image
        if (data[at + 1] == 0xF9 && at + 6 < size && data[at + 2] >= 4)
            transparent = (data[at + 3] & 1) ? data[at + 6] : -1;
        at += 2;
        while (at < size && data[at] != 0) at += 1 + data[at];
        ++at;
    }
    if (at + 11 > size || data[at] != 0x2C) return nullptr;
    const int width = static_cast<int>(littleEndian16(data + at + 5)), height = static_cast<int>(littleEndian16(data + at + 7));
    const unsigned flags = data[at + 9];
    at += 10;
    if (flags & 0x80) palette = data + at, colours = tableBytes(flags) / 3, at += colours * 3;
    if (at >= size || width < 1 || height < 1) return nullptr;
    const unsigned minimum = data[at++];
    if (minimum < 1 || minimum > 8) return nullptr;

    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> indices;
    indices.reserve(pixels);
    std::size_t decoded = 0;
    if (!walkGifCodes(data, size, at, minimum, pixels, &indices, decoded)) return nullptr;
    indices.resize(pixels, 0); // a stream cut short leaves index 0

    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 8, 0, 0, 0, 0);
    if (!surface) return nullptr;
    SDL_Color colour[256] = {};
    for (std::size_t i = 0; i < colours && i < 256; ++i)
        colour[i].r = palette[3 * i], colour[i].g = palette[3 * i + 1], colour[i].b = palette[3 * i + 2];
    SDL_SetColors(surface, colour, 0, 256);
    if (transparent >= 0) SDL_SetColorKey(surface, SDL_SRCCOLORKEY, static_cast<Uint32>(transparent));
    // Interlaced rows come in four passes: every 8th from 0, every 8th
    // from 4, every 4th from 2, every 2nd from 1.
    std::vector<int> rows;
    if (flags & 0x40) {
        const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < height; y += step[pass]) rows.push_back(y);
    } else {
        for (int y = 0; y < height; ++y) rows.push_back(y);
    }
    SDL_LockSurface(surface);
    for (int i = 0; i < height; ++i)
        std::memcpy(static_cast<Uint8*>(surface->pixels) + rows[static_cast<std::size_t>(i)] * surface->pitch,
                    indices.data() + static_cast<std::size_t>(i) * width, static_cast<std::size_t>(width));
    SDL_UnlockSurface(surface);
    return surface;
}

SDL_Surface* decode(ImageFormat format, SDL_RWops* stream) {
    switch (format) {
    case ImageFormat::Png: return IMG_LoadPNG_RW(stream);
    case ImageFormat::Bmp: return IMG_LoadBMP_RW(stream);
    case ImageFormat::Jpeg: return IMG_LoadJPG_RW(stream);
    case ImageFormat::Tga: return IMG_LoadTGA_RW(stream);
    default: return nullptr;
    }
}

// A texture must be a power of two of at most 512 each way. Each rule is
// fatal; the line before names the file, so the author knows what to fix.
bool powerOfTwo(long n) { return n <= INT_MAX && isPowerOfTwo(static_cast<int>(n)); }

void checkTextureSize(const FixedString& name, long width, long height) {
    const bool powers = powerOfTwo(width) && powerOfTwo(height);
    if (powers && width <= MAX_TEXTURE_WIDTH && height <= MAX_TEXTURE_HEIGHT) return;
    BG_ERROR(FixedString("VFS::loadImage( ") + name + " ) : " + std::to_string(width).c_str() + " x " +
             std::to_string(height).c_str() + (powers ? " is larger than 512 x 512" : " is not a power of two"));
    if (!powerOfTwo(width)) assertionFailed(BG_REPORT_FILE, __LINE__, "imgWidth == textureSize( imgWidth )");
    if (!powerOfTwo(height)) assertionFailed(BG_REPORT_FILE, __LINE__, "imgHeight == textureSize( imgHeight )");
    if (width > MAX_TEXTURE_WIDTH) assertionFailed(BG_REPORT_FILE, __LINE__, "imgWidth <= MAX_TEXTURE_WIDTH");
    assertionFailed(BG_REPORT_FILE, __LINE__, "imgHeight <= MAX_TEXTURE_HEIGHT");
}

std::uint32_t readPixel(const Uint8* p, int bytes) {
    switch (bytes) {
    case 1: return *p;
    case 2: {
        Uint16 v;
        std::memcpy(&v, p, 2);
        return v;
    }
    case 3:
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
        return std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
#else
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
#endif
    default: {
        Uint32 v;
        std::memcpy(&v, p, 4);
        return v;
    }
    }
}

} // namespace

std::uint32_t ImageData::getPixel(int x, int y) const {
    if (x < 0 || x >= width) BG_ERROR("ImageData::getPixel : x out of bounds");
    if (y < 0 || y >= height) BG_ERROR("ImageData::getPixel : y out of bounds");
    if (width < 1 || height < 1 || pixels.isNull()) return 0;
    x = std::max(0, std::min(x, width - 1));
    y = std::max(0, std::min(y, height - 1));
    return pixels.get()[y * width + x];
}

std::uint32_t ImageData::setPixel(int x, int y, std::uint32_t pixel) {
    if (x < 0 || x >= width) BG_ERROR("ImageData::setPixel : x out of bounds");
    if (y < 0 || y >= height) BG_ERROR("ImageData::setPixel : y out of bounds");
    if (width < 1 || height < 1 || pixels.isNull()) return 0;
    x = std::max(0, std::min(x, width - 1));
    y = std::max(0, std::min(y, height - 1));
    return pixels.get()[y * width + x] = pixel;
}

ImageData loadImage(const FixedString& name, bool textureBuffer) {
    File file;
    if (!file.load(name, true)) {
        BG_ERROR(FixedString("VFS::loadImage(") + name + " ) : Unable to open the file");
        return ImageData();
    }
    return loadImage(file, textureBuffer);
}

// Every pixel goes through the decoded surface's own format (SDL_GetRGBA),
// so whatever layout or palette the decoder chose comes out as R, G, B, A:
// copying the bytes as they lie would swap red and blue for BMP and TGA and
// turn palette indices into grey levels.
ImageData loadImage(const File& file, bool textureBuffer) {
    const FixedString& name = file.getName();
    const FixedString where = FixedString("VFS::loadImage( ") + name + " ) : ";
    const FixedString failure = where + "unable to load image!";
    const auto* data = reinterpret_cast<const unsigned char*>(file.getData());
    if (!data || file.getSize() < 1) {
        BG_ERROR(failure);
        return ImageData();
    }
    // Only the formats we name are decoded: the decoding library would try
    // many more, some of which hang or crash on hostile files.
    const ImageHeader header =
        readImageHeader(data, static_cast<std::size_t>(file.getSize()), extensionOf(name.c_str()));
    if (header.format == ImageFormat::Unsupported) {
        BG_ERROR(where + "unsupported image format");
        return ImageData();
    }
    if (header.format == ImageFormat::Damaged) {
        BG_ERROR(failure);
        return ImageData();
    }
    if (textureBuffer) checkTextureSize(name, header.width, header.height);
    if (header.width > MAX_IMAGE_SIDE || header.height > MAX_IMAGE_SIDE) {
        BG_ERROR(failure);
        return ImageData();
    }
    SDL_Surface* surface = nullptr;
    if (header.format == ImageFormat::Gif) {
        surface = decodeGif(data, static_cast<std::size_t>(file.getSize()));
    } else {
        SDL_RWops* stream = SDL_RWFromConstMem(data, file.getSize());
        surface = stream ? decode(header.format, stream) : nullptr;
        if (stream) SDL_RWclose(stream);
    }
    // A damaged header can give a surface whose own numbers do not agree
    // (bits and bytes per pixel, row pitch): such a surface is not read.
    const SDL_PixelFormat* format = surface ? surface->format : nullptr;
    const bool sound = format && surface->pixels && surface->w > 0 && surface->h > 0 && format->BytesPerPixel >= 1 &&
                       format->BytesPerPixel <= 4 && format->BitsPerPixel > 8 * (format->BytesPerPixel - 1) &&
                       format->BitsPerPixel <= 8 * format->BytesPerPixel &&
                       surface->pitch >= surface->w * format->BytesPerPixel;
    if (!sound) {
        if (surface) SDL_FreeSurface(surface);
        BG_ERROR(failure);
        return ImageData();
    }
    const int width = surface->w, height = surface->h;
    // The decoder has the last word on the size; the shared buffer holds
    // no more than a texture's worth.
    if (textureBuffer) checkTextureSize(name, width, height);
    ImageData image;
    image.width = width;
    image.height = height;
    image.bytesPerPixel = 4;
    if (textureBuffer) {
        image.pixels = textureBufferPixels();
    } else {
        image.pixels = SharedArray<std::uint32_t>(
            new (std::nothrow) std::uint32_t[static_cast<std::size_t>(width) * static_cast<std::size_t>(height)]);
        if (image.pixels.isNull()) {
            SDL_FreeSurface(surface);
            BG_ERROR(failure);
            return ImageData();
        }
    }
    SDL_LockSurface(surface);
    const int bytes = surface->format->BytesPerPixel;
    // A grey PNG with a transparent level comes from the decoder as two
    // bytes a pixel, grey level and alpha, under colour masks meant for
    // three bytes (SDL's conversion would read it red): take it as the
    // bytes say. Two-byte pixels without masks are read the same way.
    const bool greyAlpha =
        bytes == 2 && ((format->Rmask | format->Gmask | format->Bmask) == 0 ||
                       (format->Rmask | format->Gmask | format->Bmask | format->Amask) > 0xFFFF);
    // A colour key (a transparent palette entry or grey level, a GIF's
    // transparent index) makes the pixels equal to it transparent.
    const bool keyed = (surface->flags & SDL_SRCCOLORKEY) != 0;
    const std::uint32_t key = format->colorkey;
    std::uint32_t* out = image.pixels.get();
    // Bottom row first: row y of the result is row height - 1 - y of the picture.
    for (int y = 0; y < height; ++y) {
        const auto* row = static_cast<const Uint8*>(surface->pixels) + (height - 1 - y) * surface->pitch;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t value = readPixel(row + x * bytes, bytes);
            Uint8 rgba[4];
            if (greyAlpha) {
                rgba[0] = rgba[1] = rgba[2] = row[x * 2];
                rgba[3] = row[x * 2 + 1];
            } else {
                SDL_GetRGBA(value, surface->format, &rgba[0], &rgba[1], &rgba[2], &rgba[3]);
                if (keyed && value == key) rgba[3] = 0;
            }
            std::memcpy(out + static_cast<std::size_t>(y) * width + x, rgba, 4);
        }
    }
    SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
    return image;
}

} // namespace bg
