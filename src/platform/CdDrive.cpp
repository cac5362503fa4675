#include "platform/CdDrive.h"

#include <SDL.h>

namespace bg::platform {

namespace {

// SDL 1.2's CD-ROM interface (its subsystem is started by the scene).
class SdlCdDrives : public CdDrives {
public:
    ~SdlCdDrives() override { close(); }
    int count() override { return SDL_CDNumDrives(); }
    bool open(int i) override {
        close();
        mCd = SDL_CDOpen(i);
        return mCd != nullptr;
    }
    bool isOpen() const override { return mCd != nullptr; }
    void close() override {
        if (mCd) SDL_CDClose(mCd);
        mCd = nullptr;
    }
    int status() override { return mCd ? SDL_CDStatus(mCd) : -1; }
    int numTracks() const override { return mCd ? mCd->numtracks : 0; }
    int currentTrack() const override { return mCd ? mCd->cur_track : 0; }
    int currentFrame() const override { return mCd ? mCd->cur_frame : 0; }
    bool isAudioTrack(int track) const override {
        return mCd && track >= 0 && track < mCd->numtracks && track < SDL_MAX_TRACKS &&
               mCd->track[track].type == SDL_AUDIO_TRACK;
    }
    int trackLength(int track) const override {
        return mCd && track >= 0 && track < mCd->numtracks && track < SDL_MAX_TRACKS ? mCd->track[track].length : 0;
    }
    void playFrom(int track) override {
        if (mCd) SDL_CDPlayTracks(mCd, track, 0, 0, 0);
    }
    void pause() override {
        if (mCd) SDL_CDPause(mCd);
    }
    void resume() override {
        if (mCd) SDL_CDResume(mCd);
    }

private:
    SDL_CD* mCd = nullptr;
};

std::unique_ptr<CdDrives>& drives() {
    static std::unique_ptr<CdDrives> instance;
    return instance;
}

} // namespace

CdDrives& cdDrives() {
    if (!drives()) drives() = std::make_unique<SdlCdDrives>();
    return *drives();
}

void setCdDrives(std::unique_ptr<CdDrives> replacement) { drives() = std::move(replacement); }

} // namespace bg::platform
