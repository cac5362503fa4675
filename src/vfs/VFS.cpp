#include "vfs/VFS.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
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
} // namespace

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
    // An archive already open would be lost with its handle: close it.
    if (mHandle) unzClose(mHandle);
    mHandle = handle;
    mArchive = true;
    return true;
}

int VFS::close() {
    mArchive = false;
    if (!mHandle) return 0;
    int result = unzClose(mHandle);
    mHandle = nullptr;
    return result;
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
        mOggsInfo.add(sound, new OggsInfo{sound, static_cast<int>(size)});
    }
}

int VFS::lookupOggSize(const char* name) const {
    if (!name || !*name) return 0; // the empty key would find a free slot
    const int i = mOggsInfo.find(name);
    return i < 0 ? 0 : mOggsInfo.at(i).size;
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
    if (unzLocateFile(zip, path.c_str(), 2) != UNZ_OK) {
        BG_ERROR(where + "unzLocateFile failed!");
        return false;
    }
    unz_file_info info;
    if (unzGetCurrentFileInfo(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        BG_ERROR(where + "unzGetCurrentFileInfo failed!");
        return false;
    }
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
    const int size = static_cast<int>(info.uncompressed_size);
    if (unzOpenCurrentFile(zip) != UNZ_OK) {
        BG_ERROR(where + "unzOpenCurrentFile failed!");
        return false;
    }
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
        result = unzReadCurrentFile(zip, buffer.get() + got, static_cast<unsigned>(capacity - got));
        if (result <= 0) break;
        got += result;
    }
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
