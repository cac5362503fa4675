// Cost of loading a sound: a 30 s stereo Ogg Vorbis file (44.1 kHz) through
// VFS::loadSound with a size-table entry and without one, against one
// plain decode of the same bytes (the floor: what oggdec does).
//
//   build/bench/sound_bench [runs]

#include "audio/Sound.h"
#include "media/Vorbis.h"
#include "tools/media/Media.h"
#include "vfs/VFS.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>
#include <vorbis/vorbisfile.h>

namespace {

struct Bytes {
    const std::string* data;
    std::size_t position;
};

std::size_t readBytes(void* buffer, std::size_t size, std::size_t count, void* source) {
    auto* b = static_cast<Bytes*>(source);
    const std::size_t n = std::min(size * count, b->data->size() - b->position);
    std::memcpy(buffer, b->data->data() + b->position, n);
    b->position += n;
    return n;
}

// One decode, into a buffer that grows: no size known in advance.
long decodeOnce(const std::string& ogg) {
    Bytes source{&ogg, 0};
    OggVorbis_File vorbis;
    const ov_callbacks callbacks = {readBytes, nullptr, nullptr, nullptr};
    if (ov_open_callbacks(&source, &vorbis, nullptr, 0, callbacks) < 0) return -1;
    std::vector<char> pcm;
    char block[4096];
    int bitstream = 0;
    for (long got; (got = ov_read(&vorbis, block, sizeof block, 0, 2, 1, &bitstream)) != 0;)
        if (got > 0) pcm.insert(pcm.end(), block, block + got);
    ov_clear(&vorbis);
    return static_cast<long>(pcm.size());
}

template <class F> double bestMilliseconds(int runs, F work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    char folder[] = "/tmp/brawlgear-sound-bench-XXXXXX";
    if (!mkdtemp(folder)) return 1;
    const std::string ogg = bg::media::sineOgg(2, 44100, 44100L * 30);
    const long pcm = decodeOnce(ogg);
    for (const char* name : {"/tabled.ogg", "/plain.ogg"}) {
        std::FILE* file = std::fopen((std::string(folder) + name).c_str(), "wb");
        std::fwrite(ogg.data(), 1, ogg.size(), file);
        std::fclose(file);
    }
    std::FILE* table = std::fopen((std::string(folder) + "/Sounds.txt").c_str(), "w");
    std::fprintf(table, "tabled.ogg %ld\n", pcm);
    std::fclose(table);

    bg::gVFS = bg::SharedPointer<bg::VFS>(new bg::VFS);
    bg::gVFS->setDirectory(folder);
    bg::gVFS->loadOggsSize("Sounds.txt");

    const double floor = bestMilliseconds(runs, [&] { decodeOnce(ogg); });
    const double tabled = bestMilliseconds(runs, [] { bg::loadSound("tabled.ogg"); });
    const double plain = bestMilliseconds(runs, [] { bg::loadSound("plain.ogg"); });
    std::printf("30 s stereo Ogg, %zu bytes, %ld PCM bytes; best of %d runs\n", ogg.size(), pcm, runs);
    std::printf("%-40s %8.1f ms %6.2f\n", "one plain decode (floor)", floor, 1.0);
    std::printf("%-40s %8.1f ms %6.2f\n", "loadSound with a size-table entry", tabled, tabled / floor);
    std::printf("%-40s %8.1f ms %6.2f\n", "loadSound without one", plain, plain / floor);

    // A frame's update with 32 sounds playing, on OpenAL Soft's null driver.
    setenv("ALSOFT_DRIVERS", "null", 0);
    ALCdevice* device = alcOpenDevice(nullptr);
    ALCcontext* context = device ? alcCreateContext(device, nullptr) : nullptr;
    if (context && alcMakeContextCurrent(context)) {
        std::freopen("/dev/null", "w", stderr); // the manager's probe line
        bg::gSoundManager = bg::SharedPointer<bg::SoundManager>(new bg::SoundManager);
        const int sound = bg::gSoundManager->load("plain.ogg");
        for (int i = 0; i < 32; ++i) {
            const int id = bg::gSoundManager->addSource(sound, i % 2 == 0);
            bg::gSoundManager->setLooping(id, true);
            bg::gSoundManager->play(id);
        }
        std::vector<double> times;
        for (int i = 0; i < 1000; ++i) {
            const auto start = std::chrono::steady_clock::now();
            bg::gSoundManager->update();
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        std::sort(times.begin(), times.end());
        std::printf("%-40s %8.4f ms (median of 1000; goal under 0.5 ms)\n", "update with 32 sources playing",
                    times[times.size() / 2]);
        bg::gSoundManager.free();
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
        alcCloseDevice(device);
    }
    bg::gVFS.free();
    std::system((std::string("rm -rf ") + folder).c_str());
    return 0;
}
