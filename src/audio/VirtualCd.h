#ifndef BRAWLGEAR_AUDIO_VIRTUALCD_H
#define BRAWLGEAR_AUDIO_VIRTUALCD_H

// A CD drive for machines without one: the files Track01.ogg,
// Track02.ogg, ... of a folder of the game data are the disc's audio
// tracks (a missing number is a data track), streamed through an OpenAL
// source of their own, outside the sound manager's slots. Named by the
// optional Engine.cfg key CD_VIRTUAL_TRACKS.

#include "platform/CdDrive.h"

#include <memory>
#include <string>
#include <vector>

namespace bg {

class VirtualCd : public platform::CdDrives {
public:
    explicit VirtualCd(const std::string& folder);
    ~VirtualCd() override;

    int count() override { return 1; }
    bool open(int i) override;
    bool isOpen() const override { return mOpen; }
    void close() override;
    int status() override;
    int numTracks() const override { return static_cast<int>(mTracks.size()); }
    int currentTrack() const override { return mCurrent; }
    int currentFrame() const override;
    bool isAudioTrack(int track) const override;
    int trackLength(int track) const override;
    void playFrom(int track) override;
    void pause() override;
    void resume() override;
    // Keeps the stream fed; once a frame (the scene's update) is enough.
    void pump();
    // Before the OpenAL context closes: the stream's source and buffers go
    // with it (in a new context those names belong to others), and the
    // place in the track is kept.
    void endAL();
    // In the new context: new names, the stream from where it was, playing
    // again if it played.
    void restartAL();

private:
    struct Stream;
    void stopStream();
    bool startTrack(int track);
    bool fill(unsigned buffer);
    // False, with nothing held, when OpenAL has no source left.
    bool makeNames();

    struct Track {
        std::string name; // empty: a data track
        int frames = 0;   // 75 a second
    };
    std::vector<Track> mTracks;
    bool mOpen = false;
    int mStatus = 1;
    int mCurrent = 0;
    std::unique_ptr<Stream> mStream;
};

} // namespace bg

#endif
