// CD music over a scripted drive, and the volume mapping.

#include "audio/CdPlayer.h"
#include "platform/CdDrive.h"
#include "platform/CdVolume.h"
#include "support/Expect.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A drive playing a disc of the given tracks (true: audio), each 1000
// frames long.
class ScriptedDrive : public bg::platform::CdDrives {
public:
    explicit ScriptedDrive(std::vector<bool> tracks, int drives = 1) : mTracks(std::move(tracks)), mDrives(drives) {}
    int count() override { return mDrives; }
    bool open(int) override { return mOpen = true; }
    bool isOpen() const override { return mOpen; }
    void close() override { mOpen = false; }
    // Like SDL's, the position is brought up to date by the status read.
    int status() override {
        if (mMovesTo >= 0) mCurrent = mMovesTo, mMovesTo = -1;
        return mStatus;
    }
    int numTracks() const override { return mReportedTracks >= 0 ? mReportedTracks : static_cast<int>(mTracks.size()); }
    int currentTrack() const override { return mCurrent; }
    int currentFrame() const override { return mFrame; }
    bool isAudioTrack(int t) const override { return t >= 0 && t < static_cast<int>(mTracks.size()) && mTracks[t]; }
    int trackLength(int t) const override { return t >= 0 && t < static_cast<int>(mTracks.size()) ? 1000 : 0; }
    void playFrom(int track) override { mCurrent = track, mFrame = 0, mStatus = 2, ++plays; }
    void pause() override { mStatus = 3; }
    void resume() override { mStatus = 2; }

    std::vector<bool> mTracks;
    int mDrives;
    bool mOpen = false;
    int mStatus = 1; // a disc, stopped
    int mCurrent = 0, mFrame = 0;
    int mReportedTracks = -1;
    int mMovesTo = -1;
    int plays = 0;
};

class Cd : public testing::Test {
protected:
    ScriptedDrive& use(std::vector<bool> tracks, int drives = 1) {
        auto drive = std::make_unique<ScriptedDrive>(std::move(tracks), drives);
        ScriptedDrive& ref = *drive;
        bg::platform::setCdDrives(std::move(drive));
        return ref;
    }
    void TearDown() override { bg::platform::setCdDrives(nullptr); }
};

TEST_F(Cd, PlaysResumesAndSkipsDataTracks) {
    ScriptedDrive& drive = use({false, false, true, true, true});
    EXPECT_FALSE(bg::cd::present()); // never opens a drive itself
    EXPECT_TRUE(bg::cd::play());
    EXPECT_EQ(drive.mCurrent, 2); // the first audio track
    EXPECT_TRUE(bg::cd::present());
    drive.mFrame = 500;
    bg::cd::stop();
    EXPECT_EQ(drive.mStatus, 3);
    EXPECT_TRUE(bg::cd::play()); // resumes where it was
    EXPECT_EQ(drive.mStatus, 2);
    EXPECT_EQ(drive.plays, 1); // not started over
    // The disc played on into a data track since the last look: the fresh
    // position counts, and the music starts over instead of resuming there.
    bg::cd::stop();
    drive.mMovesTo = 1;
    EXPECT_TRUE(bg::cd::play());
    EXPECT_EQ(drive.plays, 2);
    EXPECT_EQ(drive.mCurrent, 2);
    // Stopped at the very end of its track: nothing is left there to resume.
    bg::cd::stop();
    drive.mFrame = 1000;
    EXPECT_TRUE(bg::cd::play());
    EXPECT_EQ(drive.plays, 3);
}

TEST_F(Cd, TracksWrapBothWays) {
    ScriptedDrive& drive = use({false, false, true, true, true, true, true, true, true, true});
    ASSERT_TRUE(bg::cd::play());
    EXPECT_EQ(bg::cd::prevTrack(), 10); // from track 3 back round to the last
    EXPECT_EQ(bg::cd::nextTrack(), 3);  // from the last on round to the first audio one
    EXPECT_EQ(bg::cd::nextTrack(), 4);
    drive.mStatus = 1; // played out
    EXPECT_TRUE(bg::cd::update());
    EXPECT_EQ(drive.mCurrent, 2);
    EXPECT_FALSE(bg::cd::update()); // playing: nothing to do
}

TEST_F(Cd, NoDriveNoDiscOrOnlyDataIsQuiet) {
    use({true}, 0);
    EXPECT_FALSE(bg::cd::play());
    EXPECT_EQ(bg::cd::nextTrack(), -1);
    EXPECT_EQ(bg::cd::prevTrack(), -1);
    EXPECT_FALSE(bg::cd::update());
    use({false, false});
    EXPECT_FALSE(bg::cd::play());
    EXPECT_FALSE(bg::cd::present());
    ScriptedDrive& empty = use({true});
    empty.mStatus = 0; // tray empty
    EXPECT_FALSE(bg::cd::play());
    // A drive that reports absurd numbers is not indexed by them.
    ScriptedDrive& absurd = use({true, true});
    ASSERT_TRUE(bg::cd::play());
    absurd.mReportedTracks = 1000000;
    absurd.mCurrent = 500000;
    EXPECT_EQ(bg::cd::nextTrack(), 1);
    absurd.mCurrent = -7;
    EXPECT_EQ(bg::cd::prevTrack(), 2);
}

TEST(CdVolume, TheMixerRangeMapping) {
    for (const auto& [volume, level] : {std::pair{1.5f, 65535}, std::pair{-2.0f, 0}, std::pair{0.5f, 32767}})
        EXPECT_EQ(bg::platform::volumeToMixer(volume, 0, 65535), level) << volume;
    EXPECT_NEAR(bg::platform::mixerToVolume(32767, 0, 65535), 0.49999f, 1e-5f);
    EXPECT_EQ(bg::platform::mixerToVolume(5, 3, 3), 0.0f);
    // Without a CD or Aux line, a script's setVolumeCD reports it once.
    if (!bg::platform::hasCdLine()) {
        const std::string err = bgtest::stderrOf([] { bg::cd::setVolume(0.5f); });
        EXPECT_TRUE(bgtest::matches(err, bgtest::report("Main:#: ERROR : mixerOpen faild!\n")) ||
                    bgtest::matches(err, bgtest::report("Main:#: ERROR : mixerGetLineInfo faild!\n"))) << err;
    }
}

} // namespace
