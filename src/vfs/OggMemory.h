#ifndef BRAWLGEAR_VFS_OGGMEMORY_H
#define BRAWLGEAR_VFS_OGGMEMORY_H

// vorbisfile reading an Ogg Vorbis stream that is already in memory (a
// File's bytes): the sound loader and the virtual CD's streaming share it.

#include <cstddef>
#include <vorbis/vorbisfile.h>

namespace bg {

struct OggMemory {
    const char* data;
    std::size_t size;
    std::size_t position;
};

// Opens `vorbis` on the bytes, which must outlive it; vorbisfile's result
// (0 on success).
int openOggMemory(OggMemory& bytes, OggVorbis_File& vorbis);

} // namespace bg

#endif
