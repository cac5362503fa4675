#include "audio/VirtualCd.h"

#include "media/Vorbis.h"
#include "vfs/VFS.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <vorbis/vorbisfile.h>

namespace bg {

namespace {

constexpr int BUFFERS = 4;
constexpr int BUFFER_BYTES = 16384; // four of them: a third of a second ahead at 44.1 kHz stereo
constexpr int FRAMES_PER_SECOND = 75; // CD frames

} // namespace

// One track being played: its bytes, its decoder and the OpenAL source its
// buffers are queued on.
struct VirtualCd::Stream {
    File file;
    OggMemory bytes{nullptr, 0, 0};
    OggVorbis_File vorbis;
    bool open = false;
    bool ended = false;
    ALenum format = AL_FORMAT_STEREO16;
    long rate = 44100;
    int channels = 2;
    ALuint source = 0;
    ALuint buffers[BUFFERS] = {};
    long long samplesDone = 0; // played out of processed buffers, per channel
    int queuedSamples[BUFFERS] = {};

    // Gives the names back to the current context; 0 means none are held.
    void dropNames() {
        if (alcGetCurrentContext()) {
            if (source && alIsSource(source)) {
                alSourceStop(source);
                alDeleteSources(1, &source);
            }
            for (ALuint& buffer : buffers)
                if (buffer && alIsBuffer(buffer)) alDeleteBuffers(1, &buffer);
        }
        source = 0;
        std::fill(std::begin(buffers), std::end(buffers), 0);
        std::fill(std::begin(queuedSamples), std::end(queuedSamples), 0);
    }

    ~Stream() {
        dropNames();
        if (open) ov_clear(&vorbis);
    }
};

VirtualCd::VirtualCd(const std::string& folder) {
    // The disc is as long as its highest numbered track.
    for (int n = 1; n <= 99; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "/Track%02d.ogg", n);
        const std::string path = folder + name;
        if (!gVFS->exists(path.c_str())) continue;
        mTracks.resize(static_cast<std::size_t>(n));
        Track& track = mTracks.back();
        File file(path.c_str(), true);
        OggMemory bytes{file.getData(), static_cast<std::size_t>(file.getSize()), 0};
        OggVorbis_File vorbis;
        if (!file.getData() || openOggMemory(bytes, vorbis) < 0) continue;
        const vorbis_info* info = ov_info(&vorbis, -1);
        const ogg_int64_t samples = ov_pcm_total(&vorbis, -1);
        if (info && info->rate > 0 && samples > 0) {
            track.name = path;
            track.frames = static_cast<int>(samples * FRAMES_PER_SECOND / info->rate);
        }
        ov_clear(&vorbis);
    }
}

VirtualCd::~VirtualCd() = default;

bool VirtualCd::open(int i) {
    mOpen = i == 0;
    return mOpen;
}

void VirtualCd::close() {
    stopStream();
    mOpen = false;
}

bool VirtualCd::isAudioTrack(int track) const {
    return track >= 0 && track < numTracks() && !mTracks[static_cast<std::size_t>(track)].name.empty();
}

int VirtualCd::trackLength(int track) const {
    return track >= 0 && track < numTracks() ? mTracks[static_cast<std::size_t>(track)].frames : 0;
}

int VirtualCd::currentFrame() const {
    return mStream ? static_cast<int>(mStream->samplesDone * FRAMES_PER_SECOND / mStream->rate) : 0;
}

int VirtualCd::status() {
    if (!mOpen) return -1;
    if (mTracks.empty()) return 0; // no disc
    pump();
    return mStatus;
}

void VirtualCd::stopStream() {
    mStream.reset();
    mStatus = 1;
}

bool VirtualCd::fill(unsigned buffer) {
    Stream& s = *mStream;
    static char pcm[BUFFER_BYTES];
    int filled = 0, bitstream = 0, errors = 0;
    while (filled < BUFFER_BYTES && errors < 8) {
        const long got = ov_read(&s.vorbis, pcm + filled, BUFFER_BYTES - filled, 0, 2, 1, &bitstream);
        if (got == 0) break;
        if (got < 0) {
            ++errors;
            continue;
        }
        filled += static_cast<int>(got);
    }
    if (filled == 0) return false;
    alBufferData(buffer, s.format, pcm, filled, static_cast<ALsizei>(s.rate));
    alSourceQueueBuffers(s.source, 1, &buffer);
    for (int k = 0; k < BUFFERS; ++k)
        if (s.buffers[k] == buffer) s.queuedSamples[k] = filled / (2 * s.channels);
    return true;
}

bool VirtualCd::startTrack(int track) {
    stopStream();
    if (!isAudioTrack(track) || !alcGetCurrentContext()) return false;
    auto stream = std::make_unique<Stream>();
    if (!stream->file.load(mTracks[static_cast<std::size_t>(track)].name.c_str(), true)) return false;
    stream->bytes = OggMemory{stream->file.getData(), static_cast<std::size_t>(stream->file.getSize()), 0};
    if (openOggMemory(stream->bytes, stream->vorbis) < 0) return false;
    stream->open = true;
    // Mono or stereo of one layout throughout, as sounds are (VFS::loadSound).
    const vorbis_info* info = ov_info(&stream->vorbis, -1);
    if (!info || info->rate <= 0 || info->channels < 1 || info->channels > 2) return false;
    for (int link = 1; link < ov_streams(&stream->vorbis); ++link) {
        const vorbis_info* other = ov_info(&stream->vorbis, link);
        if (!other || other->channels != info->channels || other->rate != info->rate) return false;
    }
    stream->channels = info->channels > 1 ? 2 : 1;
    stream->format = info->channels > 1 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    stream->rate = info->rate;
    mStream = std::move(stream);
    mCurrent = track;
    if (!makeNames()) {
        stopStream();
        return false;
    }
    alSourcePlay(mStream->source);
    mStatus = 2;
    return true;
}

// A source and buffers for the stream, filled from where the decoder is.
bool VirtualCd::makeNames() {
    Stream& s = *mStream;
    // A failed generation leaves the names at 0. The error itself stays
    // pending for the script's own errorAL.
    alGenSources(1, &s.source);
    alGenBuffers(BUFFERS, s.buffers);
    bool made = s.source && alIsSource(s.source);
    for (ALuint buffer : s.buffers) made = made && buffer && alIsBuffer(buffer);
    if (!made) {
        s.dropNames();
        return false;
    }
    alSourcei(s.source, AL_SOURCE_RELATIVE, AL_TRUE); // music, not a place
    for (ALuint buffer : s.buffers)
        if (!fill(buffer)) break;
    return true;
}

void VirtualCd::endAL() {
    if (!mStream || !mStream->source || !alcGetCurrentContext()) return;
    pump(); // what was played out is counted; a stopped source has no offset
    if (!mStream || !mStream->source) return;
    Stream& s = *mStream;
    // The decoder runs ahead of what was heard by the queued buffers.
    ALint offset = 0;
    alGetSourcei(s.source, AL_SAMPLE_OFFSET, &offset);
    s.samplesDone += std::max(offset, 0);
    s.dropNames();
    s.ended = false;
    if (ov_pcm_seek(&s.vorbis, s.samplesDone) != 0) stopStream();
}

void VirtualCd::restartAL() {
    if (!mStream || mStream->source || !alcGetCurrentContext()) return;
    if (!makeNames()) {
        stopStream();
        return;
    }
    if (mStatus == 2) alSourcePlay(mStream->source);
}

// From the track to the end of the disc, as a CD plays.
void VirtualCd::playFrom(int track) {
    if (!startTrack(track)) mStatus = 1;
}

void VirtualCd::pause() {
    if (mStream && mStream->source && mStatus == 2) alSourcePause(mStream->source);
    if (mStatus == 2) mStatus = 3;
}

void VirtualCd::resume() {
    if (mStream && mStream->source && mStatus == 3) alSourcePlay(mStream->source);
    if (mStatus == 3) mStatus = 2;
}

void VirtualCd::pump() {
    if (!mStream || mStatus != 2 || !mStream->source) return; // none, or waiting for a new context
    Stream& s = *mStream;
    if (!alcGetCurrentContext() || !alIsSource(s.source)) { // the context was closed under it
        stopStream();
        return;
    }
    ALint processed = 0;
    alGetSourcei(s.source, AL_BUFFERS_PROCESSED, &processed);
    while (processed-- > 0) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(s.source, 1, &buffer);
        for (int k = 0; k < BUFFERS; ++k)
            if (s.buffers[k] == buffer) s.samplesDone += s.queuedSamples[k];
        if (!s.ended && !fill(buffer)) s.ended = true;
    }
    ALint state = AL_STOPPED, queued = 0;
    alGetSourcei(s.source, AL_SOURCE_STATE, &state);
    alGetSourcei(s.source, AL_BUFFERS_QUEUED, &queued);
    if (state != AL_PLAYING && queued > 0) alSourcePlay(s.source); // ran dry: go on
    if (s.ended && queued == 0) {
        // The track is over: the next audio track, or the disc is.
        int next = mCurrent + 1;
        while (next < numTracks() && !isAudioTrack(next)) ++next;
        if (next >= numTracks() || !startTrack(next)) stopStream();
    }
}

} // namespace bg
