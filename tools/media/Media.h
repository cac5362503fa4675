#ifndef BRAWLGEAR_TOOLS_MEDIA_H
#define BRAWLGEAR_TOOLS_MEDIA_H

// Small media made in memory, for the tests, the benchmarks and the sample
// game's generated assets: Ogg Vorbis sounds (vorbisenc) and PNG and BMP
// pictures.

#include <cstdint>
#include <string>
#include <vector>

namespace bg::media {

// An Ogg Vorbis stream of `frames` frames of a sine tone (channel c at
// `hertz` * (c + 1)), at `rate` frames a second.
std::string sineOgg(int channels, int rate, long frames, double hertz = 440);

// PNG of the given colour type (0 grey, 2 RGB, 3 palette, 4 grey + alpha,
// 6 RGBA), 8 bits a sample; `rows` top row first, each row width * the
// type's samples bytes (palette: indices). `palette` holds RGB triples.
std::string png(int width, int height, int colourType, const std::vector<std::uint8_t>& rows,
                const std::vector<std::uint8_t>& palette = {});
// 24-bit BMP; `rgb` top row first, 3 bytes a pixel (rows padded to 4 bytes
// in the file, as BMP wants).
std::string bmp24(int width, int height, const std::vector<std::uint8_t>& rgb);

} // namespace bg::media

#endif
