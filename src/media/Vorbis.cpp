#include "media/Vorbis.h"

#include "vfs/VFS.h"

#include <AL/al.h>
#include <vorbis/vorbisfile.h>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

// The decoder was part of the file system once: its reports keep its name.
#undef BG_REPORT_FILE
#define BG_REPORT_FILE "VFS"

namespace bg {

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
SoundData loadSound(const FixedString& name) {
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
    long long size = gVFS->lookupOggSize(name.c_str());
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
