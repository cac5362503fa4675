// TGA, GIF and JPEG pictures made in memory (declared in Media.h).

#include "tools/media/Media.h"

#include "tools/media/Bytes.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <jpeglib.h>

namespace bg::media {

std::string jpeg(int width, int height, const std::vector<std::uint8_t>& rgb) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.data() + std::size_t(info.next_scanline) * width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return out;
}

std::string tga(int width, int height, const std::vector<std::uint8_t>& rgba, bool rle, bool topFirst) {
    std::string out(18, '\0');
    out[2] = static_cast<char>(rle ? 10 : 2);
    out[12] = static_cast<char>(width & 0xFF), out[13] = static_cast<char>(width >> 8);
    out[14] = static_cast<char>(height & 0xFF), out[15] = static_cast<char>(height >> 8);
    out[16] = 32;
    out[17] = static_cast<char>(8 | (topFirst ? 0x20 : 0));
    auto pixel = [&](int x, int y) {
        const std::uint8_t* p = rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4;
        return std::string{static_cast<char>(p[2]), static_cast<char>(p[1]), static_cast<char>(p[0]),
                           static_cast<char>(p[3])};
    };
    for (int row = 0; row < height; ++row) {
        const int y = topFirst ? row : height - 1 - row;
        for (int x = 0; x < width;) {
            if (!rle) {
                out += pixel(x++, y);
                continue;
            }
            // A run packet for equal pixels, else a raw packet of one.
            int run = 1;
            while (x + run < width && run < 128 && pixel(x + run, y) == pixel(x, y)) ++run;
            out += static_cast<char>(run > 1 ? 0x80 | (run - 1) : 0);
            out += pixel(x, y);
            x += run;
        }
    }
    return out;
}

std::string gif(int width, int height, const std::vector<std::uint8_t>& indices,
                const std::vector<std::uint8_t>& palette, int transparent, int screenWidth, int screenHeight,
                bool interlaced) {
    int colours = 2, bits = 1;
    while (colours * 3 < static_cast<int>(palette.size())) colours *= 2, ++bits;
    std::string out = "GIF89a";
    le16(out, static_cast<unsigned>(screenWidth < 0 ? width : screenWidth));
    le16(out, static_cast<unsigned>(screenHeight < 0 ? height : screenHeight));
    out += static_cast<char>(0x80 | (bits - 1)); // a global colour table
    out += '\0';
    out += '\0';
    std::string table(palette.begin(), palette.end());
    table.resize(static_cast<std::size_t>(colours) * 3, '\0');
    out += table;
    if (transparent >= 0) out += std::string("\x21\xf9\x04\x01\0\0", 6) + static_cast<char>(transparent) + '\0';
    out += '\x2c';
    le16(out, 0);
    le16(out, 0);
    le16(out, static_cast<unsigned>(width));
    le16(out, static_cast<unsigned>(height));
    out += static_cast<char>(interlaced ? 0x40 : 0);
    std::vector<std::uint8_t> stored;
    if (interlaced) {
        const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < height; y += step[pass])
                stored.insert(stored.end(), indices.begin() + static_cast<long>(y) * width,
                              indices.begin() + static_cast<long>(y + 1) * width);
    }
    // LZW as encoders write it: the code size grows with the table, and a
    // full table (4095 codes) starts again after a clear code.
    const unsigned minimum = static_cast<unsigned>(std::max(2, bits)), clear = 1u << minimum;
    out += static_cast<char>(minimum);
    std::string data;
    std::uint32_t acc = 0;
    unsigned held = 0, size = minimum + 1, next = clear + 2;
    auto code = [&](unsigned c) {
        acc |= c << held;
        held += size;
        while (held >= 8) data += static_cast<char>(acc & 0xFF), acc >>= 8, held -= 8;
        if (next >= (1u << size) && size < 12) ++size;
    };
    std::map<std::pair<unsigned, unsigned>, unsigned> codes;
    const std::vector<std::uint8_t>& stream = interlaced ? stored : indices;
    code(clear);
    unsigned prefix = stream.empty() ? 0 : stream[0];
    for (std::size_t i = 1; i < stream.size(); ++i) {
        const auto found = codes.find({prefix, stream[i]});
        if (found != codes.end()) {
            prefix = found->second;
            continue;
        }
        code(prefix);
        if (next >= 4095) {
            code(clear);
            codes.clear();
            size = minimum + 1, next = clear + 2;
        } else {
            codes[{prefix, stream[i]}] = next++;
        }
        prefix = stream[i];
    }
    if (!stream.empty()) code(prefix);
    code(clear + 1);
    if (held > 0) data += static_cast<char>(acc & 0xFF);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        out += static_cast<char>(n);
        out += data.substr(at, n);
    }
    out += '\0';
    out += ';';
    return out;
}

} // namespace bg::media
