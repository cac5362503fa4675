#ifndef BRAWLGEAR_MEDIA_VORBIS_H
#define BRAWLGEAR_MEDIA_VORBIS_H

// Ogg Vorbis sounds decoded from the bytes the file system reads, and
// vorbisfile reading a stream that is already in memory (a File's bytes):
// the sound loader and the virtual CD's streaming share it.

#include "foundation/Pointer.h"
#include "foundation/Utils.h"

#include <cstddef>
#include <vorbis/vorbisfile.h>

namespace bg {

// Decoded sound: interleaved 16-bit signed little-endian PCM. All zero when
// a load failed.
struct SoundData {
    int format = 0; // AL_FORMAT_MONO16 or AL_FORMAT_STEREO16
    SharedArray<char> pcm;
    int size = 0;   // bytes
    int frequency = 0;
};

// Decodes a whole mono or stereo Ogg Vorbis sound, once, into its buffer.
// Its size comes from the file system's size table when listed; an entry
// larger than the sound gives way to the sound's own size.
SoundData loadSound(const FixedString& name);

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
