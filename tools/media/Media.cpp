#include "tools/media/Media.h"

#include "tools/media/Bytes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>
#include <vorbis/vorbisenc.h>
#include <zlib.h>

namespace bg::media {

namespace {

void appendPages(std::string& out, ogg_stream_state& stream, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        out.append(reinterpret_cast<const char*>(page.header), static_cast<std::size_t>(page.header_len));
        out.append(reinterpret_cast<const char*>(page.body), static_cast<std::size_t>(page.body_len));
    }
}

void put32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void chunk(std::string& out, const char* type, const std::string& data) {
    put32(out, static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    out += body;
    put32(out, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}


} // namespace

std::string sineOgg(int channels, int rate, long frames, double hertz, int serial) {
    vorbis_info info;
    vorbis_info_init(&info);
    vorbis_encode_init_vbr(&info, channels, rate, 0.3f);
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, serial);

    std::string out;
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    appendPages(out, stream, true);

    const double pi = std::acos(-1.0);
    long done = 0;
    while (true) {
        const long count = std::min(1024L, frames - done);
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            for (long i = 0; i < count; ++i)
                for (int c = 0; c < channels; ++c)
                    buffer[c][i] = 0.5f * static_cast<float>(std::sin(2 * pi * hertz * (c + 1) * double(done + i) / rate));
            done += count;
        }
        vorbis_analysis_wrote(&dsp, count > 0 ? static_cast<int>(count) : 0);
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                appendPages(out, stream, false);
            }
        }
        if (count <= 0) break;
    }
    appendPages(out, stream, true);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

std::string png(int width, int height, int colourType, const std::vector<std::uint8_t>& rows,
                const std::vector<std::uint8_t>& palette, const std::vector<std::uint8_t>& transparency) {
    const int samples = colourType == 2 ? 3 : colourType == 4 ? 2 : colourType == 6 ? 4 : 1;
    std::string raw;
    for (int y = 0; y < height; ++y) {
        raw += '\0'; // no filter
        raw.append(reinterpret_cast<const char*>(rows.data()) + static_cast<std::size_t>(y) * width * samples,
                   static_cast<std::size_t>(width) * samples);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    compress(reinterpret_cast<Bytef*>(&packed[0]), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
             static_cast<uLong>(raw.size()));
    packed.resize(packedSize);

    std::string out("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    put32(header, static_cast<std::uint32_t>(width));
    put32(header, static_cast<std::uint32_t>(height));
    header += static_cast<char>(8);
    header += static_cast<char>(colourType);
    header += std::string(3, '\0');
    chunk(out, "IHDR", header);
    if (colourType == 3) chunk(out, "PLTE", std::string(palette.begin(), palette.end()));
    if (!transparency.empty()) chunk(out, "tRNS", std::string(transparency.begin(), transparency.end()));
    chunk(out, "IDAT", packed);
    chunk(out, "IEND", "");
    return out;
}

std::string bmp(int width, int height, const std::vector<std::uint8_t>& rgb, int bits, bool os2) {
    const int bytes = bits / 8, pitch = (width * bytes + 3) / 4 * 4;
    std::string pixels;
    for (int y = height - 1; y >= 0; --y) { // BMP rows go bottom up
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
            if (bits == 16) {
                le16(pixels, static_cast<std::uint16_t>((p[0] >> 3) << 10 | (p[1] >> 3) << 5 | p[2] >> 3));
            } else {
                pixels += static_cast<char>(p[2]);
                pixels += static_cast<char>(p[1]);
                pixels += static_cast<char>(p[0]);
            }
        }
        pixels += std::string(static_cast<std::size_t>(pitch - width * bytes), '\0');
    }
    const std::uint32_t offset = os2 ? 26 : 54;
    std::string out = "BM";
    le32(out, static_cast<std::uint32_t>(offset + pixels.size()));
    le32(out, 0);
    le32(out, offset);
    if (os2) { // the 12-byte core header: 16-bit sizes, nothing after the depth
        le32(out, 12);
        le16(out, static_cast<std::uint16_t>(width));
        le16(out, static_cast<std::uint16_t>(height));
        le16(out, 1);
        le16(out, static_cast<std::uint16_t>(bits));
        return out + pixels;
    }
    le32(out, 40);
    le32(out, static_cast<std::uint32_t>(width));
    le32(out, static_cast<std::uint32_t>(height));
    le16(out, 1);
    le16(out, static_cast<std::uint16_t>(bits));
    le32(out, 0);
    le32(out, static_cast<std::uint32_t>(pixels.size()));
    le32(out, 2835);
    le32(out, 2835);
    le32(out, 0);
    le32(out, 0);
    return out + pixels;
}

BdfGlyph bdfGlyph(int pixelSize, int character) {
    // Widths up to 11 put some rows across two bytes of the bitmap.
    const int width = 1 + character % 11, left = character / 2 % 2;
    return {left, width, std::max(1, bdfAscent(pixelSize) - character % 3), left + width + 1, character % 2 == 0};
}

std::string bdf(int pixelSize, int first, int last) {
    const int ascent = bdfAscent(pixelSize), descent = pixelSize - ascent;
    const std::string size = std::to_string(pixelSize);
    std::string out = "STARTFONT 2.1\n"
                      "FONT -Brawlgear-Test-Medium-R-Normal--" + size + "-" + size + "0-72-72-C-120-ISO10646-1\n"
                      "SIZE " + size + " 72 72\n"
                      "FONTBOUNDINGBOX 12 " + size + " 0 " + std::to_string(-descent) + "\n"
                      "STARTPROPERTIES 5\n"
                      "PIXEL_SIZE " + size + "\n"
                      "FONT_ASCENT " + std::to_string(ascent) + "\n"
                      "FONT_DESCENT " + std::to_string(descent) + "\n"
                      "CHARSET_REGISTRY \"ISO10646\"\n"
                      "CHARSET_ENCODING \"1\"\n"
                      "ENDPROPERTIES\n"
                      "CHARS " + std::to_string(std::max(0, last - first + 1)) + "\n";
    for (int c = first; c <= last; ++c) {
        const BdfGlyph glyph = bdfGlyph(pixelSize, c);
        out += "STARTCHAR C" + std::to_string(c) + "\nENCODING " + std::to_string(c) + "\nSWIDTH " +
               std::to_string(glyph.advance * 1000 / pixelSize) + " 0\nDWIDTH " + std::to_string(glyph.advance) +
               " 0\nBBX " + std::to_string(glyph.width) + " " + std::to_string(glyph.height) + " " +
               std::to_string(glyph.left) + " 0\nBITMAP\n";
        // Each row in whole bytes, the leftmost pixel the top bit.
        for (int y = 0; y < glyph.height; ++y) {
            for (int x = 0; x < glyph.width; x += 8) {
                int byte = 0;
                for (int bit = 0; bit < 8; ++bit) byte = byte << 1 | (glyph.lit(x + bit, y) ? 1 : 0);
                out += "0123456789ABCDEF"[byte >> 4];
                out += "0123456789ABCDEF"[byte & 15];
            }
            out += '\n';
        }
        out += "ENDCHAR\n";
    }
    return out + "ENDFONT\n";
}

} // namespace bg::media
