#ifndef BRAWLGEAR_TOOLS_MEDIA_H
#define BRAWLGEAR_TOOLS_MEDIA_H

// Small media made in memory, for the tests, the benchmarks and the sample
// game's generated assets: Ogg Vorbis sounds (vorbisenc), PNG and BMP
// pictures and BDF bitmap fonts.

#include <cstdint>
#include <string>
#include <vector>

namespace bg::media {

// An Ogg Vorbis stream of `frames` frames of a sine tone (channel c at
// `hertz` * (c + 1)), at `rate` frames a second.
std::string sineOgg(int channels, int rate, long frames, double hertz = 440, int serial = 1);

// PNG of the given colour type (0 grey, 2 RGB, 3 palette, 4 grey + alpha,
// 6 RGBA), 8 bits a sample; `rows` top row first, each row width * the
// type's samples bytes (palette: indices). `palette` holds RGB triples.
// `transparency` is the tRNS chunk's body, written when not empty (palette:
// an alpha a entry; grey: one 16-bit level; RGB: three 16-bit samples).
std::string png(int width, int height, int colourType, const std::vector<std::uint8_t>& rows,
                const std::vector<std::uint8_t>& palette = {}, const std::vector<std::uint8_t>& transparency = {});
// BMP of 24 or 16 bits a pixel (16: the top 5 bits of each of red, green
// and blue); `rgb` top row first, 3 bytes a pixel (rows padded to 4
// bytes in the file, as BMP wants). `os2`: OS/2's older 12-byte header.
std::string bmp(int width, int height, const std::vector<std::uint8_t>& rgb, int bits = 24, bool os2 = false);
// Baseline JPEG by libjpeg at quality 95, as a camera or an editor writes
// it: a JFIF header and quantisation tables before the frame. `rgb` top row
// first.
std::string jpeg(int width, int height, const std::vector<std::uint8_t>& rgb);

// A glyph of the generated BDF fonts: `width` x `height` pixels standing on
// the baseline, `left` pixels right of the pen, the pen moving `advance`.
// Even characters are solid blocks; odd ones a staircase down from the top
// left corner, so a picture flipped either way or with its bits read in the
// wrong order shows.
struct BdfGlyph {
    int left, width, height, advance;
    bool solid;
    // (x, y) from the glyph's top left corner.
    bool lit(int x, int y) const { return x >= 0 && x < width && y >= 0 && y < height && (solid || x <= y); }
};
BdfGlyph bdfGlyph(int pixelSize, int character);
// The generated fonts' ascent; the descent makes up the rest of pixelSize.
inline int bdfAscent(int pixelSize) { return pixelSize - pixelSize / 4; }
// BDF, the X Window System's text format for bitmap fonts: one strike
// pixelSize pixels high, characters first to last (Unicode code points),
// each drawn as bdfGlyph says.
std::string bdf(int pixelSize, int first, int last);

// 32-bit TGA (BGRA in the file); `rgba` top row first. `rle` packs runs of
// equal pixels; `topFirst` sets descriptor bit 5 and stores the top row
// first, otherwise the rows are stored bottom up, as the flag says.
std::string tga(int width, int height, const std::vector<std::uint8_t>& rgba, bool rle, bool topFirst);

// GIF89a of one image block: `indices` top row first into `palette` (RGB
// triples, 2 to 256 of them). `transparent` >= 0 adds a graphic control
// extension naming that index transparent. The logical screen is the
// image's size unless screenWidth/screenHeight say otherwise. Interlaced,
// the rows are stored in GIF's four passes.
std::string gif(int width, int height, const std::vector<std::uint8_t>& indices,
                const std::vector<std::uint8_t>& palette, int transparent = -1, int screenWidth = -1,
                int screenHeight = -1, bool interlaced = false);

// A zip archive of entries: `data` is deflated for method 8, and written
// as it is for any other `method` (whatever that says); `flags` is the
// general purpose flag (1: encrypted). With zip64 every size is 0xFFFFFFFF
// in the headers and given in a zip64 extra field, as Info-ZIP's -fz does.
struct ZipEntry {
    std::string name;
    std::string data;
    int method = 0;
    int flags = 0;
};
std::string zip(const std::vector<ZipEntry>& entries, bool zip64 = false);

} // namespace bg::media

#endif
