#ifndef BRAWLGEAR_PLATFORM_CDDRIVE_H
#define BRAWLGEAR_PLATFORM_CDDRIVE_H

// The CD-ROM drives, as SDL 1.2 offers them, behind a narrow interface a
// test can replace with a scripted drive. One drive is open at a time.

#include <memory>

namespace bg::platform {

class CdDrives {
public:
    // SDL's status values: CD_TRAYEMPTY 0, CD_STOPPED 1, CD_PLAYING 2,
    // CD_PAUSED 3, CD_ERROR -1; a disc is in the drive when above 0.
    static constexpr int STOPPED = 1;

    virtual ~CdDrives() = default;
    virtual int count() = 0;
    // Opens drive i as the open drive; false when it cannot be opened.
    virtual bool open(int i) = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;
    // Of the open drive (all refreshed by status()):
    virtual int status() = 0;
    virtual int numTracks() const = 0;
    virtual int currentTrack() const = 0;
    virtual int currentFrame() const = 0;
    virtual bool isAudioTrack(int track) const = 0;
    virtual int trackLength(int track) const = 0;
    // Plays from the track to the end of the disc.
    virtual void playFrom(int track) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
};

// The drives in use (SDL's unless a test set others).
CdDrives& cdDrives();
void setCdDrives(std::unique_ptr<CdDrives> drives);

} // namespace bg::platform

#endif
