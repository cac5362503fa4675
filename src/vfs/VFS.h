#ifndef BRAWLGEAR_VFS_VFS_H
#define BRAWLGEAR_VFS_VFS_H

// Every asset is read by name through the one VFS, from one of two places:
//  - archive mode: entries of a zip archive, names matched without regard
//    to letter case;
//  - directory mode: files on disk, relative to the working directory.
// Either way the name is put behind the directory prefix set by
// setDirectory (empty at start). A File holds one whole file in memory.

#include "foundation/Pointer.h"
#include "foundation/Utils.h"

#include <cstdint>
#include <string>
#include <unordered_map>

namespace bg {

class File;

class VFS {
public:
    VFS();
    ~VFS();
    VFS(const VFS&) = delete;
    VFS& operator=(const VFS&) = delete;

    // Opens a zip archive and switches to archive mode; on failure the mode
    // stays as it was.
    bool open(const char* archiveName);
    // Back to directory mode; the unzip result of closing, or 0 when no
    // archive was open.
    int close();
    // Stores dir followed by "/" (a null or empty dir gives "/").
    void setDirectory(const char* dir);
    const char* getDirectory() const { return mDirectory.c_str(); }
    // Puts back a prefix getDirectory() gave, exactly (setDirectory would
    // add another "/").
    void restoreDirectory(const FixedString& directory) { mDirectory = directory; }

    // Reads a size table: lines of a sound name and its decoded size in
    // bytes. Lines without both are skipped; the table takes as many as the
    // file has, and the first line for a name is the one that counts.
    void loadOggsSize(const char* name);
    // The decoded size listed for a sound, or 0.
    int lookupOggSize(const char* name) const;

    // Whether the file is there to load, without a word either way.
    bool exists(const FixedString& name) const;

    // Archive entries larger than this are refused (a zip bomb would
    // otherwise take all memory). Engine.cfg may set it in MiB with the
    // optional key VFS_MAX_ENTRY_SIZE.
    static constexpr unsigned long DEFAULT_MAX_ENTRY_SIZE = 256ul << 20;
    void setMaxEntrySize(unsigned long bytes) { mMaxEntrySize = bytes; }
    unsigned long getMaxEntrySize() const { return mMaxEntrySize; }

    bool isArchive() const { return mArchive; }
    void* getArchiveHandle() const { return mHandle; }
    const std::string& getArchivePath() const { return mArchivePath; }
    // Makes the archive entry of that path (letter case aside) the current
    // one; false when there is none.
    bool locate(const FixedString& path) const;
    // An entry that holds the path under one top folder ("Game/" + path),
    // as a game zipped with its folder does; empty when there is none.
    std::string findUnderTopFolder(const FixedString& path) const;
    FixedString fullPath(const FixedString& name) const { return mDirectory + name; }

private:
    bool mArchive = false;
    void* mHandle = nullptr; // unzFile
    std::string mArchivePath;
    // Every entry's place in the archive, by its name in lower case: a
    // name is found at once, not by walking the whole directory.
    struct EntryPlace {
        unsigned long long directory;
        unsigned long long number;
    };
    std::unordered_map<std::string, EntryPlace> mEntries;
    FixedString mDirectory;
    unsigned long mMaxEntrySize = DEFAULT_MAX_ENTRY_SIZE;
    std::unordered_map<std::string, int> mOggSizes; // the size table
};

extern SharedPointer<VFS> gVFS;

// XORs every byte with the decimal digits of size, repeated. Stored scripts
// are scrambled with it and the engine unscrambles them with it: applying
// it twice gives the bytes back.
void applySizeKey(char* data, int size);

// Hands out the lines of a text File one at a time. Line feeds end lines;
// runs of them are skipped, so only the first line can come back empty.
class TextReader {
public:
    void reset(const char* text = nullptr);
    // The next line, at most 255 characters of it (a longer line comes back
    // in pieces). Carriage returns are kept.
    const FixedString& readLine();
    int getPosition() const { return mPosition; }
    int getLength() const { return mLength; }
    bool isEnd() const { return mPosition >= mLength; }

private:
    const char* mText = nullptr;
    int mLength = 0;
    int mPosition = 0;
    FixedString mLine;
};

// One whole file in memory, read from the VFS in binary or text mode. In
// text mode a zero byte is appended and counted in the size.
class File {
public:
    explicit File(const FixedString& name = FixedString(), bool binary = false);

    bool load(const FixedString& name, bool binary);
    TextReader& getTextReader();
    // Undoes the scrambling of stored scripts in place.
    void unscramble();

    char* getData() const { return mData.get(); }
    int getSize() const { return mSize; }
    const FixedString& getName() const { return mName; }
    bool isBinary() const { return mBinary; }

private:
    bool loadFromArchive(const FixedString& path);
    bool loadFromDisk(const FixedString& path);
    bool adopt(char* buffer, int size);

    FixedString mName;
    SharedArray<char> mData;
    int mSize = 0;
    TextReader mTextReader;
    bool mBinary = false;
};

} // namespace bg

#endif
