// Zip archives made byte by byte (declared in Media.h), for the forms the
// zip library's writer does not make: other compression methods, the
// encryption flag, Info-ZIP's zip64 entries.

#include "tools/media/Media.h"

#include "tools/media/Bytes.h"

#include <zlib.h>

namespace bg::media {

namespace {

// Raw deflate, as zip entries hold it.
std::string deflated(const std::string& data) {
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}
} // namespace

std::string zip(const std::vector<ZipEntry>& entries, bool zip64) {
    std::string out, directory;
    for (const ZipEntry& entry : entries) {
        const auto crc = static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()), static_cast<uInt>(entry.data.size())));
        const auto size = static_cast<std::uint32_t>(entry.data.size());
        const std::string data = entry.method == Z_DEFLATED ? deflated(entry.data) : entry.data;
        const auto packed = static_cast<std::uint32_t>(data.size());
        // Info-ZIP's -fz: 0xFFFFFFFF in the headers, the sizes in the extra field.
        std::string extra;
        if (zip64) {
            le16(extra, 1);
            le16(extra, 16);
            le64(extra, size);
            le64(extra, packed);
        }
        const std::uint32_t shownSize = zip64 ? 0xFFFFFFFFu : size;
        const std::uint32_t shownPacked = zip64 ? 0xFFFFFFFFu : packed;
        const auto offset = static_cast<std::uint32_t>(out.size());
        auto header = [&](std::string& to, bool central) {
            le32(to, central ? 0x02014b50 : 0x04034b50);
            if (central) le16(to, 0x031e); // made by: Unix, 3.0
            le16(to, zip64 ? 45 : 20);
            le16(to, static_cast<unsigned>(entry.flags));
            le16(to, static_cast<unsigned>(entry.method));
            le16(to, 0);      // time
            le16(to, 0x21);   // date: 1980-01-01
            le32(to, crc);
            le32(to, shownPacked);
            le32(to, shownSize);
            le16(to, static_cast<unsigned>(entry.name.size()));
            le16(to, static_cast<unsigned>(extra.size()));
            if (central) {
                le16(to, 0); // comment
                le16(to, 0); // disk
                le16(to, 0); // internal attributes
                le32(to, 0); // external attributes
                le32(to, offset);
            }
            to += entry.name + extra;
        };
        header(out, false);
        out += data;
        header(directory, true);
    }
    const auto start = static_cast<std::uint32_t>(out.size());
    out += directory;
    // More entries than 16 bits count need the zip64 end records.
    const bool many = entries.size() > 0xFFFF;
    if (many || zip64) {
        const auto record = static_cast<std::uint64_t>(out.size());
        le32(out, 0x06064b50);
        le64(out, 44);
        le16(out, 45);
        le16(out, 45);
        le32(out, 0);
        le32(out, 0);
        le64(out, entries.size());
        le64(out, entries.size());
        le64(out, directory.size());
        le64(out, start);
        le32(out, 0x07064b50);
        le32(out, 0);
        le64(out, record);
        le32(out, 1);
    }
    const unsigned count = many ? 0xFFFF : static_cast<unsigned>(entries.size());
    le32(out, 0x06054b50);
    le16(out, 0);
    le16(out, 0);
    le16(out, count);
    le16(out, count);
    le32(out, static_cast<std::uint32_t>(directory.size()));
    le32(out, start);
    le16(out, 0);
    return out;
}

} // namespace bg::media
