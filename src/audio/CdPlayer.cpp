#include "audio/CdPlayer.h"

#include "audio/VirtualCd.h"

#include "platform/CdDrive.h"
#include "platform/CdVolume.h"

#include <algorithm>
#include <memory>

namespace bg::cd {

namespace {

platform::CdDrives& drive() { return platform::cdDrives(); }

bool discIn() { return drive().isOpen() && drive().status() > 0; }

// SDL's own limit: a drive reporting more tracks is not believed.
constexpr int MAX_TRACKS = 99;

// The first audio track from `from` on (or down, with step -1), within the
// disc, or -1.
int findAudio(int from, int step) {
    const int tracks = std::min(drive().numTracks(), MAX_TRACKS);
    for (int t = from; t >= 0 && t < tracks; t += step)
        if (drive().isAudioTrack(t)) return t;
    return -1;
}

int playFrom(int track) {
    drive().playFrom(track);
    return track + 1;
}

} // namespace

bool play() {
    if (drive().isOpen()) {
        // Resume where it was, when that is still inside an audio track.
        // The status read refreshes the position, so it comes first.
        const bool disc = discIn();
        const int current = drive().currentTrack();
        if (disc && current >= 0 && current < drive().numTracks() && drive().isAudioTrack(current) &&
            drive().currentFrame() < drive().trackLength(current)) {
            drive().resume();
            return true;
        }
        drive().close();
    }
    const int drives = drive().count();
    for (int i = 0; i < drives; ++i) {
        if (drive().open(i) && drive().status() > 0) {
            const int first = findAudio(0, 1);
            if (first >= 0) {
                playFrom(first);
                return true;
            }
        }
        drive().close();
    }
    return false;
}

void stop() {
    if (discIn()) drive().pause();
}

int nextTrack() {
    if (!discIn()) return -1;
    int track = findAudio(std::max(drive().currentTrack(), -1) + 1, 1);
    if (track < 0) track = findAudio(0, 1);
    return track < 0 ? -1 : playFrom(track);
}

int prevTrack() {
    if (!discIn() || drive().numTracks() < 1) return -1;
    int track = findAudio(std::min(drive().currentTrack(), MAX_TRACKS) - 1, -1);
    if (track < 0) track = findAudio(std::min(drive().numTracks(), MAX_TRACKS) - 1, -1);
    return track < 0 ? -1 : playFrom(track);
}

bool update() {
    if (!discIn() || drive().status() != platform::CdDrives::STOPPED) return false;
    const int first = findAudio(0, 1);
    if (first < 0) return false;
    playFrom(first);
    return true;
}

bool present() { return discIn() && findAudio(0, 1) >= 0; }

void setVolume(float volume) { platform::cdVolume(true, volume); }

namespace {
VirtualCd* gVirtual = nullptr;
} // namespace

void useVirtualDrive(const char* folder) {
    auto drive = std::make_unique<VirtualCd>(folder);
    gVirtual = drive.get();
    platform::setCdDrives(std::move(drive));
}

void forgetDrive() {
    platform::cdDrives().close();
    gVirtual = nullptr;
    platform::setCdDrives(nullptr);
}

namespace {
VirtualCd* virtualDrive() { return gVirtual && &platform::cdDrives() == gVirtual ? gVirtual : nullptr; }
} // namespace

void pump() {
    if (VirtualCd* cd = virtualDrive()) cd->pump();
}

void endAL() {
    if (VirtualCd* cd = virtualDrive()) cd->endAL();
}

void restartAL() {
    if (VirtualCd* cd = virtualDrive()) cd->restartAL();
}

} // namespace bg::cd
