#include "vfs/VFS.h"

#include "math/Math.h"
#include "vfs/OggMemory.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <AL/al.h>
#include <SDL.h>
#include <SDL_image.h>
#include <cstring>
#include <unzip.h>
#include <vorbis/vorbisfile.h>

namespace bg {

SharedPointer<VFS> gVFS;

namespace {
// Largest file the engine takes: its size, plus the zero byte of text mode,
// must fit the File's 32-bit size.
constexpr unsigned long MAX_FILE_SIZE = INT_MAX - 1;
// Archive entries are read in pieces of growing size, so a header that
// claims more than the entry holds cannot make us allocate it up front.
constexpr int FIRST_READ_SIZE = 1 << 20;
// Deflate never packs better than about 1032 to 1; an entry that claims
// more is damaged or hostile. The slack covers tiny entries, whose headers
// weigh more than their data.
constexpr unsigned long MAX_DEFLATE_RATIO = 1100;
constexpr unsigned long RATIO_SLACK = 4096;

// Buffers for file contents: size + 1 bytes, or null when memory is short.
char* allocateBuffer(int size) { return new (std::nothrow) char[static_cast<std::size_t>(size) + 1]; }

std::string lowerCase(const char* text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// Info-ZIP's zip64 entries put 0xFFFFFFFF in the directory and the real
// sizes in the zip64 extra field (id 1): the uncompressed size first when
// it is masked, then the compressed one. The zip library reads the data
// right but still reports the mask, so the sizes are taken from the field.
// True when it found them.
bool zip64Sizes(unz_file_info64& info, const unsigned char* extra, std::size_t length) {
    constexpr ZPOS64_T MASK = 0xFFFFFFFFu;
    if (info.uncompressed_size != MASK && info.compressed_size != MASK) return false;
    for (std::size_t at = 0; at + 4 <= length;) {
        const unsigned id = extra[at] | unsigned(extra[at + 1]) << 8;
        const std::size_t size = extra[at + 2] | std::size_t(extra[at + 3]) << 8;
        const unsigned char* field = extra + at + 4;
        if (at + 4 + size > length) return false;
        if (id == 1) {
            auto take = [&](ZPOS64_T& value, std::size_t& used) {
                if (value != MASK || used + 8 > size) return;
                ZPOS64_T v = 0;
                for (int i = 7; i >= 0; --i) v = v << 8 | field[used + static_cast<std::size_t>(i)];
                value = v;
                used += 8;
            };
            std::size_t used = 0;
            take(info.uncompressed_size, used);
            take(info.compressed_size, used);
            return info.uncompressed_size != MASK && info.compressed_size != MASK;
        }
        at += 4 + size;
    }
    return false;
}

// One stored or deflated entry read straight from the archive file, from
// the start of its data, with its CRC kept as it goes.
class RawEntry {
public:
    RawEntry(const char* archive, ZPOS64_T at, ZPOS64_T packed, bool deflated)
        : mFile(std::fopen(archive, "rb")), mLeft(packed), mDeflated(deflated) {
        if (mFile && fseeko(mFile, static_cast<off_t>(at), SEEK_SET) != 0) mFailed = true;
        if (mDeflated && inflateInit2(&mStream, -MAX_WBITS) != Z_OK) mFailed = true, mDeflated = false;
    }
    ~RawEntry() {
        if (mFile) std::fclose(mFile);
        if (mDeflated) inflateEnd(&mStream);
    }
    RawEntry(const RawEntry&) = delete;
    RawEntry& operator=(const RawEntry&) = delete;

    // Up to n bytes of the entry; 0 at its end, -1 when damaged.
    int read(char* to, unsigned n) {
        if (!mFile || mFailed) return -1;
        if (!mDeflated) {
            const auto want = static_cast<std::size_t>(std::min<ZPOS64_T>(n, mLeft));
            const std::size_t got = std::fread(to, 1, want, mFile);
            if (got != want) return -1;
            mLeft -= got;
            return keep(to, got);
        }
        mStream.next_out = reinterpret_cast<Bytef*>(to);
        mStream.avail_out = n;
        while (mStream.avail_out > 0 && !mEnded) {
            if (mStream.avail_in == 0 && mLeft > 0) {
                const auto want = static_cast<std::size_t>(std::min<ZPOS64_T>(sizeof mInput, mLeft));
                if (std::fread(mInput, 1, want, mFile) != want) return -1;
                mLeft -= want;
                mStream.next_in = mInput;
                mStream.avail_in = static_cast<uInt>(want);
            }
            const int status = inflate(&mStream, Z_NO_FLUSH);
            if (status == Z_STREAM_END) mEnded = true;
            else if (status != Z_OK) return -1;
        }
        return keep(to, n - mStream.avail_out);
    }
    unsigned long crc() const { return mCrc; }

private:
    int keep(const char* bytes, std::size_t n) {
        mCrc = crc32(mCrc, reinterpret_cast<const Bytef*>(bytes), static_cast<uInt>(n));
        return static_cast<int>(n);
    }

    std::FILE* mFile;
    ZPOS64_T mLeft;
    bool mDeflated;
    bool mFailed = false;
    bool mEnded = false;
    z_stream mStream{};
    Bytef mInput[16384];
    unsigned long mCrc = crc32(0, nullptr, 0);
};

// The names of the compression methods the zip format knows; we read two.
const char* methodName(unsigned long method) {
    switch (method) {
    case 1: return "Shrink";
    case 6: return "Implode";
    case 9: return "Deflate64";
    case 12: return "BZip2";
    case 14: return "LZMA";
    case 93: return "Zstandard";
    case 95: return "XZ";
    case 98: return "PPMd";
    default: return nullptr;
    }
}
} // namespace

VFS::VFS() : mImageBuffer(new std::uint32_t[MAX_TEXTURE_WIDTH * MAX_TEXTURE_HEIGHT]) {}

VFS::~VFS() { close(); }

bool VFS::open(const char* archiveName) {
    if (!archiveName || !*archiveName) {
        BG_ERROR("VFS::open( const char* ) : Invalid file name. Unable to open the archive.");
        return false;
    }
    unzFile handle = unzOpen(archiveName);
    if (!handle) {
        BG_ERROR(FixedString("VFS::open( const char* ) : Error during opening archive ") + archiveName);
        return false;
    }
    mArchivePath = archiveName;
    // An archive already open would be lost with its handle: close it.
    if (mHandle) unzClose(mHandle);
    mHandle = handle;
    mArchive = true;
    // Names are compared without regard to ASCII letter case, as the zip
    // library's own search does; the first of equal names wins, as there.
    mEntries.clear();
    char entryName[MAX_STR_SIZE];
    for (int status = unzGoToFirstFile(handle); status == UNZ_OK; status = unzGoToNextFile(handle)) {
        unz_file_info64 info;
        unz64_file_pos place;
        if (unzGetCurrentFileInfo64(handle, &info, entryName, sizeof entryName, nullptr, 0, nullptr, 0) != UNZ_OK ||
            info.size_filename >= sizeof entryName || unzGetFilePos64(handle, &place) != UNZ_OK)
            continue; // a name longer than any the engine can ask for
        mEntries.emplace(lowerCase(entryName), EntryPlace{place.pos_in_zip_directory, place.num_of_file});
    }
    return true;
}

bool VFS::locate(const FixedString& path) const {
    if (!mHandle) return false;
    const auto entry = mEntries.find(lowerCase(path.c_str()));
    if (entry == mEntries.end()) return false;
    const unz64_file_pos place{entry->second.directory, entry->second.number};
    return unzGoToFilePos64(mHandle, &place) == UNZ_OK;
}

std::string VFS::findUnderTopFolder(const FixedString& path) const {
    const std::string wanted = "/" + lowerCase(path.c_str());
    for (const auto& [name, place] : mEntries) {
        const std::size_t slash = name.find('/');
        if (slash > 0 && slash != std::string::npos && name.compare(slash, std::string::npos, wanted) == 0) {
            // The name as the archive writes it.
            const unz64_file_pos at{place.directory, place.number};
            char entryName[MAX_STR_SIZE];
            if (unzGoToFilePos64(mHandle, &at) == UNZ_OK &&
                unzGetCurrentFileInfo64(mHandle, nullptr, entryName, sizeof entryName, nullptr, 0, nullptr, 0) == UNZ_OK)
                return entryName;
            return name;
        }
    }
    return std::string();
}

int VFS::close() {
    mArchive = false;
    mEntries.clear();
    if (!mHandle) return 0;
    int result = unzClose(mHandle);
    mHandle = nullptr;
    return result;
}

bool VFS::exists(const FixedString& name) const {
    const FixedString path = fullPath(name);
    if (mArchive) return locate(path);
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void VFS::setDirectory(const char* dir) {
    mDirectory = dir;
    mDirectory += "/";
}

void VFS::loadOggsSize(const char* name) {
    File table;
    if (!table.load(name, false)) {
        BG_ERROR(FixedString("VFS::loadOggsSize( ") + name + " ) : Unable to load file!");
        return;
    }
    TextReader& reader = table.getTextReader();
    while (!reader.isEnd()) {
        const FixedString& line = reader.readLine();
        char sound[MAX_STR_SIZE];
        int consumed = 0;
        if (std::sscanf(line.c_str(), "%255s%n", sound, &consumed) != 1) continue;
        // A size that is missing, negative or out of range would later size
        // a buffer wrongly: such a line is no entry at all.
        const char* digits = line.c_str() + consumed;
        char* end = nullptr;
        errno = 0;
        const long size = std::strtol(digits, &end, 10);
        if (end == digits || errno != 0 || size < 0 || size > INT_MAX) continue;
        mOggSizes.emplace(sound, static_cast<int>(size));
    }
}

int VFS::lookupOggSize(const char* name) const {
    if (!name || !*name) return 0; // the empty key would find a free slot
    const auto entry = mOggSizes.find(name);
    return entry == mOggSizes.end() ? 0 : entry->second;
}

void applySizeKey(char* data, int size) {
    if (size < 1) return;
    char key[16];
    const int keyLength = std::snprintf(key, sizeof key, "%d", size);
    for (int i = 0; i < size; ++i) data[i] = static_cast<char>(data[i] ^ key[i % keyLength]);
}

void TextReader::reset(const char* text) {
    mText = text;
    mLength = text ? static_cast<int>(std::strlen(text)) : 0;
    mPosition = 0;
    mLine = "";
}

const FixedString& TextReader::readLine() {
    const int start = mPosition;
    while (mPosition < mLength && mText[mPosition] != '\n' && mPosition - start < MAX_STR_SIZE - 1)
        ++mPosition;
    mLine = FixedString(mText ? mText + start : "", mPosition - start);
    if (mPosition < mLength && mText[mPosition] == '\n')
        while (mPosition < mLength && mText[mPosition] == '\n') ++mPosition;
    return mLine;
}

File::File(const FixedString& name, bool binary) : mName(name), mBinary(binary) {
    if (!name.empty()) load(name, binary);
}

TextReader& File::getTextReader() {
    BG_ASSERT(!mBinary);
    return mTextReader;
}

void File::unscramble() {
    if (mSize < 1) return;
    char& first = mData[0]; // fatal when a positive size has no data
    applySizeKey(&first, mSize);
}

bool File::load(const FixedString& name, bool binary) {
    const FixedString path = gVFS->fullPath(name);
    if (name.empty()) {
        BG_ERROR(FixedString("File::load( ") + name + " ) : Invalid file name.");
        return false;
    }
    mData.free();
    mTextReader.reset();
    mBinary = binary;
    mName = name;
    // A failed load leaves no data and a size of 0, so nothing downstream
    // walks a size that has no bytes behind it.
    mSize = 0;
    return gVFS->isArchive() ? loadFromArchive(path) : loadFromDisk(path);
}

bool File::adopt(char* buffer, int size) {
    mData = SharedArray<char>(buffer);
    if (mData.isNull()) return false; // freed already
    if (!mBinary) {
        buffer[size] = '\0';
        ++size;
        mTextReader.reset(buffer);
    }
    mSize = size;
    return true;
}

bool File::loadFromArchive(const FixedString& path) {
    unzFile zip = gVFS->getArchiveHandle();
    const FixedString where = FixedString("File::load( ") + path + " ) : ";
    if (!gVFS->locate(path)) {
        BG_ERROR(where + "unzLocateFile failed!");
        const std::string nested = gVFS->findUnderTopFolder(path);
        if (!nested.empty())
            BG_ERROR(FixedString("the archive holds ") + nested.c_str() +
                     ": zip the folder's contents, not the folder");
        return false;
    }
    unz_file_info64 info;
    unsigned char extra[1024];
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, extra, sizeof extra, nullptr, 0) != UNZ_OK) {
        BG_ERROR(where + "unzGetCurrentFileInfo failed!");
        return false;
    }
    const bool zip64 = zip64Sizes(info, extra, std::min<std::size_t>(info.size_file_extra, sizeof extra));
    if (info.uncompressed_size < 1 || info.uncompressed_size > MAX_FILE_SIZE) {
        BG_ERROR(where + "Invalid file size.");
        return false;
    }
    if (info.uncompressed_size > gVFS->getMaxEntrySize()) {
        BG_ERROR(where + "Entry larger than the limit of " + static_cast<int>(gVFS->getMaxEntrySize() >> 20) +
                 " MiB (VFS_MAX_ENTRY_SIZE).");
        return false;
    }
    if (info.compression_method != 0 &&
        info.uncompressed_size > MAX_DEFLATE_RATIO * info.compressed_size + RATIO_SLACK) {
        BG_ERROR(where + "Compression ratio too high: damaged archive.");
        return false;
    }
    // The zip library reads stored and deflated entries without a
    // password; anything else would fail further on without saying why.
    const bool encrypted = (info.flag & 1) != 0;
    if (encrypted || (info.compression_method != 0 && info.compression_method != Z_DEFLATED)) {
        BG_ERROR(where + "unzOpenCurrentFile failed!");
        const char* method = methodName(info.compression_method);
        if (encrypted)
            BG_ERROR(path + " is encrypted: store it without a password (brawlgear-pack does)");
        else
            BG_ERROR(path + " is compressed with " +
                     (method ? FixedString(method) : FixedString("method ") + static_cast<int>(info.compression_method)) +
                     ": store or deflate it (brawlgear-pack does)");
        return false;
    }
    const int size = static_cast<int>(info.uncompressed_size);
    if (unzOpenCurrentFile(zip) != UNZ_OK) {
        BG_ERROR(where + "unzOpenCurrentFile failed!");
        return false;
    }
    // Entries whose sizes only the zip64 field holds are read here: the zip
    // library would read on by the masked size, past the end of the file.
    std::unique_ptr<RawEntry> raw;
    if (zip64)
        raw = std::make_unique<RawEntry>(gVFS->getArchivePath().c_str(), unzGetCurrentFileZStreamPos64(zip),
                                         info.compressed_size, info.compression_method == Z_DEFLATED);
    int capacity = std::min(size, FIRST_READ_SIZE);
    std::unique_ptr<char[]> buffer(allocateBuffer(capacity));
    int got = 0;
    int result = 0;
    while (buffer && got < size) {
        if (got == capacity) {
            capacity = static_cast<int>(std::min<long>(size, 2L * capacity));
            std::unique_ptr<char[]> larger(allocateBuffer(capacity));
            if (!larger) {
                buffer.reset();
                break;
            }
            std::memcpy(larger.get(), buffer.get(), static_cast<std::size_t>(got));
            buffer = std::move(larger);
        }
        const auto room = static_cast<unsigned>(capacity - got);
        result = raw ? raw->read(buffer.get() + got, room) : unzReadCurrentFile(zip, buffer.get() + got, room);
        if (result <= 0) break;
        got += result;
    }
    if (raw && raw->crc() != info.crc) result = -1;
    // Closing checks the CRC once the whole entry was read: a mismatch is
    // damaged data, which we refuse like a failed read.
    const int closed = unzCloseCurrentFile(zip);
    if (!buffer) {
        BG_ERROR(where + "Not enough memory.");
        return false;
    }
    if (result < 0 || got != size || closed != UNZ_OK) {
        BG_ERROR(where + "unzReadCurrentFile failed!");
        return false;
    }
    if (!adopt(buffer.release(), size)) {
        BG_ERROR(where + "Not enough memory.");
        return false;
    }
    BG_INFO(where + mSize + " bytes - loaded!");
    return true;
}

bool File::loadFromDisk(const FixedString& path) {
    const FixedString where = FixedString("File::load( ") + path + " ) : ";
    std::FILE* file = std::fopen(path.c_str(), mBinary ? "rb" : "r");
    struct stat info;
    if (file && (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode))) {
        std::fclose(file);
        file = nullptr;
    }
    if (!file) {
        BG_ERROR(where + "Unable to open file!");
        return false;
    }
    if (info.st_size < 1 || static_cast<unsigned long>(info.st_size) > MAX_FILE_SIZE) {
        std::fclose(file);
        BG_ERROR(where + "Invalid file size.");
        return false;
    }
    const int size = static_cast<int>(info.st_size);
    std::unique_ptr<char[]> buffer(allocateBuffer(size));
    if (!buffer) {
        std::fclose(file);
        BG_ERROR(where + "Not enough memory.");
        return false;
    }
    // The file may have shrunk since it was measured: keep what was read.
    const int got = static_cast<int>(std::fread(buffer.get(), 1, static_cast<std::size_t>(size), file));
    std::fclose(file);
    if (got < 1) {
        BG_ERROR(where + "Invalid file size.");
        return false;
    }
    if (!adopt(buffer.release(), got)) {
        BG_ERROR(where + "Not enough memory.");
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Images

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
    if (powers && width <= VFS::MAX_TEXTURE_WIDTH && height <= VFS::MAX_TEXTURE_HEIGHT) return;
    BG_ERROR(FixedString("VFS::loadImage( ") + name + " ) : " + std::to_string(width).c_str() + " x " +
             std::to_string(height).c_str() + (powers ? " is larger than 512 x 512" : " is not a power of two"));
    if (!powerOfTwo(width)) assertionFailed(__FILE__, __LINE__, "imgWidth == textureSize( imgWidth )");
    if (!powerOfTwo(height)) assertionFailed(__FILE__, __LINE__, "imgHeight == textureSize( imgHeight )");
    if (width > VFS::MAX_TEXTURE_WIDTH) assertionFailed(__FILE__, __LINE__, "imgWidth <= MAX_TEXTURE_WIDTH");
    assertionFailed(__FILE__, __LINE__, "imgHeight <= MAX_TEXTURE_HEIGHT");
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

ImageData VFS::loadImage(const FixedString& name, bool textureBuffer) {
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
ImageData VFS::loadImage(const File& file, bool textureBuffer) {
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
        image.pixels = mImageBuffer;
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

// ---------------------------------------------------------------------------
// Sounds

namespace {

std::size_t readOgg(void* buffer, std::size_t elementSize, std::size_t count, void* source) {
    auto* bytes = static_cast<OggMemory*>(source);
    const std::size_t n = std::min(elementSize * count, bytes->size - bytes->position);
    std::memcpy(buffer, bytes->data + bytes->position, n);
    bytes->position += n;
    return n;
}

int seekOgg(void* source, ogg_int64_t offset, int origin) {
    auto* bytes = static_cast<OggMemory*>(source);
    const auto size = static_cast<ogg_int64_t>(bytes->size);
    ogg_int64_t position = static_cast<ogg_int64_t>(bytes->position);
    if (origin == SEEK_SET)
        position = offset;
    else if (origin == SEEK_CUR)
        position += offset;
    else if (origin == SEEK_END)
        position = size;
    bytes->position = static_cast<std::size_t>(std::max<ogg_int64_t>(0, std::min(position, size)));
    return 0;
}

long tellOgg(void* source) { return static_cast<long>(static_cast<OggMemory*>(source)->position); }
constexpr int BLOCK = 4096;
// A stream that only answers errors must not keep the engine in its loop.
constexpr int MAX_ERRORS_IN_A_ROW = 64;

// Decodes to the end in blocks of at most 4096 bytes (16-bit signed
// little-endian), each into target(); a damaged block is reported and
// skipped; took(bytes) may stop the decoding by answering false.
template <class Target, class Took, class Room>
void decodeBlocks(OggVorbis_File& vorbis, const FixedString& where, Target target, Took took, Room room) {
    int bitstream = 0;
    for (int errors = 0; errors < MAX_ERRORS_IN_A_ROW;) {
        const long wanted = room();
        const long got = ov_read(&vorbis, target(wanted), wanted > 0 ? static_cast<int>(wanted) : BLOCK, 0, 2, 1,
                                 &bitstream);
        if (got == 0) return;
        if (got < 0) {
            BG_ERROR(where + "stream corrupted");
            ++errors;
            continue;
        }
        errors = 0;
        if (!took(got)) return;
    }
}

template <class Target, class Took>
void decodeBlocks(OggVorbis_File& vorbis, const FixedString& where, Target target, Took took) {
    decodeBlocks(vorbis, where, target, took, [] { return static_cast<long>(BLOCK); });
}

} // namespace

int openOggMemory(OggMemory& bytes, OggVorbis_File& vorbis) {
    static const ov_callbacks callbacks = {readOgg, seekOgg, nullptr, tellOgg};
    return ov_open_callbacks(&bytes, &vorbis, nullptr, 0, callbacks);
}

// A sound is decoded once: its PCM size comes from the size table, else
// from the stream's own length; only a stream that cannot tell its length
// is decoded twice. A table entry smaller than the sound never writes past
// the buffer: decoding stops there, reported once as corrupted.
SoundData VFS::loadSound(const FixedString& name) {
    const FixedString where = FixedString("VFS::loadSound( ") + name + " ) : ";
    File file;
    if (!file.load(name, true)) {
        BG_ERROR(where + "Unable to open the file");
        return SoundData();
    }
    OggMemory bytes{file.getData(), static_cast<std::size_t>(file.getSize()), 0};
    OggVorbis_File vorbis;
    if (openOggMemory(bytes, vorbis) < 0) {
        BG_ERROR(where + "Invalid ogg format ");
        return SoundData();
    }
    const vorbis_info* info = ov_info(&vorbis, -1);
    if (!info) {
        BG_ERROR(where + "vi == NULL");
        ov_clear(&vorbis);
        return SoundData();
    }
    // OpenAL plays mono and stereo; a stream whose links change their
    // layout would be read with the first link's.
    if (info->channels < 1 || info->channels > 2) {
        BG_ERROR(where + "holds " + info->channels + " channels: only mono and stereo sounds can be played");
        ov_clear(&vorbis);
        return SoundData();
    }
    for (int link = 1; link < ov_streams(&vorbis); ++link) {
        const vorbis_info* other = ov_info(&vorbis, link);
        if (other && (other->channels != info->channels || other->rate != info->rate)) {
            BG_ERROR(where + "is chained from streams of different channels or rates (" + info->channels + " at " +
                     static_cast<int>(info->rate) + " Hz, then " + other->channels + " at " +
                     static_cast<int>(other->rate) + " Hz): make it one stream");
            ov_clear(&vorbis);
            return SoundData();
        }
    }
    SoundData sound;
    sound.format = info->channels > 1 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    sound.frequency = static_cast<int>(info->rate);
    const int frameBytes = info->channels * 2;

    char scratch[BLOCK];
    // The sound's own length: cheap from a stream that can tell it, else
    // counted by decoding once.
    auto decodedSize = [&]() -> long long {
        const ogg_int64_t samples = ov_pcm_total(&vorbis, -1);
        if (samples > 0) return static_cast<long long>(samples) * frameBytes;
        long long counted = 0;
        decodeBlocks(vorbis, where, [&](long) { return scratch; }, [&](long got) { counted += got; return true; });
        ov_raw_seek(&vorbis, 0);
        return counted;
    };
    // A table entry is trusted only below the sound's length (a larger one
    // would fill the buffer with silence), and in whole sample frames.
    long long size = lookupOggSize(name.c_str());
    size = size < 1 ? decodedSize() : std::min(size, decodedSize());
    size -= size % frameBytes;
    if (size < 1 || size > INT_MAX) {
        BG_ERROR(where + (size < 1 ? "Size less than zero" : "Size too large"));
        ov_clear(&vorbis);
        return SoundData();
    }
    char* pcm = new (std::nothrow) char[static_cast<std::size_t>(size)]();
    if (!pcm) {
        BG_ERROR(where + "Not enough memory");
        ov_clear(&vorbis);
        return SoundData();
    }
    long long filled = 0;
    decodeBlocks(
        vorbis, where, [&](long) { return filled < size ? pcm + filled : scratch; },
        [&](long got) {
            if (filled >= size) {
                // More sound than the table said: the rest is left out.
                BG_ERROR(where + "stream corrupted");
                return false;
            }
            filled += got;
            return true;
        },
        [&] { return static_cast<long>(std::min<long long>(BLOCK, std::max<long long>(size - filled, 0))); });
    ov_clear(&vorbis);
    sound.pcm = SharedArray<char>(pcm);
    if (sound.pcm.isNull()) {
        BG_ERROR(where + "Not enough memory");
        return SoundData();
    }
    sound.size = static_cast<int>(size);
    return sound;
}

} // namespace bg
