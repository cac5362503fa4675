#include "vfs/VFS.h"


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
#include <cstring>
#include <unzip.h>

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

VFS::VFS() = default;

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

} // namespace bg
