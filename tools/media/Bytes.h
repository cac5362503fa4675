#ifndef BRAWLGEAR_TOOLS_MEDIA_BYTES_H
#define BRAWLGEAR_TOOLS_MEDIA_BYTES_H

// Little-endian numbers appended to a file being made (the media writers'
// own helper, not part of Media.h).

#include <cstdint>
#include <string>

namespace bg::media {

inline void le16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
inline void le32(std::string& out, std::uint32_t v) {
    le16(out, v & 0xFFFF);
    le16(out, v >> 16);
}
inline void le64(std::string& out, std::uint64_t v) {
    le32(out, static_cast<std::uint32_t>(v));
    le32(out, static_cast<std::uint32_t>(v >> 32));
}

} // namespace bg::media

#endif
