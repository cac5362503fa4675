// Sources as OpenAL hears them: what the manager sends is read back from
// OpenAL Soft (null driver), so a wrong constant or a lost call shows.

#include "audio/Listener.h"
#include "audio/Sound.h"
#include "audio/VirtualCd.h"
#include "support/Support.h"
#include "tools/media/Media.h"
#include "vfs/VFS.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

using namespace bg;

namespace {

class Sounds : public testing::Test {
protected:
    void SetUp() override {
        setenv("ALSOFT_DRIVERS", "null", 0);
        device = alcOpenDevice(nullptr);
        ASSERT_NE(device, nullptr);
        context = alcCreateContext(device, nullptr);
        ASSERT_NE(context, nullptr);
        alcMakeContextCurrent(context);
        gVFS = SharedPointer<VFS>(new VFS);
        scratch.write("tone.ogg", media::sineOgg(1, 22050, 22050 * 2));
    }
    void TearDown() override {
        manager.reset();
        gVFS.free();
        alcMakeContextCurrent(nullptr);
        if (context) alcDestroyContext(context);
        if (device) alcCloseDevice(device);
    }
    // A source's property as OpenAL holds it.
    ALint sourceInt(int sourceId, ALenum name) const {
        ALint value = 0;
        alGetSourcei(manager->alSource(sourceId), name, &value);
        return value;
    }
    ALfloat sourceFloat(int sourceId, ALenum name) const {
        ALfloat value = 0;
        alGetSourcef(manager->alSource(sourceId), name, &value);
        return value;
    }
    ALint state(int sourceId) const { return sourceInt(sourceId, AL_SOURCE_STATE); }

    bgtest::ScratchDir scratch;
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    std::unique_ptr<SoundManager> manager;
};

TEST_F(Sounds, TheRadiusSetsTheAttenuationAndPauseSilencesEverySource) {
    manager = std::make_unique<SoundManager>();
    const int sound = manager->load((scratch / "tone.ogg").c_str());
    ASSERT_GE(sound, 0);
    const int first = manager->addSource(sound), second = manager->addSource(sound);
    ASSERT_TRUE(first >= 0 && second >= 0);

    // Reference distance a tenth of the radius, the one roll-off factor.
    manager->setRadius(first, 50);
    EXPECT_FLOAT_EQ(sourceFloat(first, AL_REFERENCE_DISTANCE), 5.0f);
    EXPECT_EQ(sourceFloat(first, AL_ROLLOFF_FACTOR), 0.013557606f); // as sent, to the last bit

    // The game's first pause silences every source; resume brings them back,
    // and only then: nothing paused, nothing starts.
    manager->resume();
    EXPECT_NE(state(first), AL_PLAYING);
    manager->play(first);
    manager->play(second);
    manager->pause();
    EXPECT_EQ(state(first), AL_PAUSED);
    EXPECT_EQ(state(second), AL_PAUSED);
    manager->resume();
    EXPECT_EQ(state(first), AL_PLAYING);
    EXPECT_EQ(state(second), AL_PLAYING);
    // A source that removes itself waits until it has stopped playing.
    const int once = manager->addSource(sound, true);
    manager->play(once);
    manager->update();
    EXPECT_EQ(manager->getSoundId(once), sound);
    manager->stop(once);
    manager->update();
    EXPECT_EQ(manager->alSource(once), 0u);

    // Another sound for a playing source: OpenAL takes a buffer only from a
    // stopped one.
    scratch.write("low.ogg", media::sineOgg(1, 22050, 2205));
    const int other = manager->load((scratch / "low.ogg").c_str());
    ASSERT_GE(other, 0);
    const ALint before = sourceInt(first, AL_BUFFER);
    manager->setSoundId(first, other);
    EXPECT_NE(sourceInt(first, AL_BUFFER), before);
    EXPECT_EQ(manager->getSoundId(first), other);
    EXPECT_EQ(state(first), AL_STOPPED);
}

// A source keeps what the game set across a new context, and the listener
// is heard where it stands and where it faces: both read back from OpenAL.
TEST_F(Sounds, SourcesComeBackAsTheGameSetThemAndTheListenerIsSent) {
    manager = std::make_unique<SoundManager>();
    const int source = manager->addSource(manager->load((scratch / "tone.ogg").c_str()));
    ASSERT_GE(source, 0);
    manager->setGain(source, 0.25f);
    manager->setLooping(source, true);
    manager->setRelative(source, true);
    manager->setPosition(source, Point(1, 2, 3));
    manager->setVelocity(source, Vector(4, 5, 6));
    manager->setRadius(source, 30);
    alSourcef(~0u, AL_GAIN, 1); // an error left pending is not taken for the end of the sources
    manager->restart();
    EXPECT_EQ(alGetError(), AL_NO_ERROR);
    const ALuint al = manager->alSource(source);
    EXPECT_FLOAT_EQ(sourceFloat(source, AL_GAIN), 0.25f);
    EXPECT_FLOAT_EQ(sourceFloat(source, AL_REFERENCE_DISTANCE), 3.0f);
    EXPECT_EQ(sourceInt(source, AL_LOOPING), AL_TRUE);
    EXPECT_EQ(sourceInt(source, AL_SOURCE_RELATIVE), AL_TRUE);
    ALfloat position[3] = {}, velocity[3] = {};
    alGetSourcefv(al, AL_POSITION, position);
    alGetSourcefv(al, AL_VELOCITY, velocity);
    EXPECT_FLOAT_EQ(position[0] + 10 * position[1] + 100 * position[2], 321.0f);
    EXPECT_FLOAT_EQ(velocity[0] + 10 * velocity[1] + 100 * velocity[2], 654.0f);

    // Facing +x with up tilted: up is made square to the facing and sent.
    Listener listener(Point(1, 2, 3), Point(5, 2, 3), Vector(1, 1, 0), Vector(0, 0, 7));
    listener.normalize();
    ALfloat orientation[6] = {}, ear[3] = {}, moving[3] = {};
    alGetListenerfv(AL_ORIENTATION, orientation);
    alGetListenerfv(AL_POSITION, ear);
    alGetListenerfv(AL_VELOCITY, moving);
    const ALfloat facing[6] = {1, 0, 0, 0, 1, 0};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(orientation[i], facing[i], 1e-6) << i;
    EXPECT_FLOAT_EQ(ear[0] + 10 * ear[1] + 100 * ear[2], 321.0f);
    EXPECT_FLOAT_EQ(moving[2], 7.0f);
}

// The virtual CD plays on into the next audio track (over a data track)
// when one ends, and across a new OpenAL context keeps its place.
TEST_F(Sounds, TheVirtualCdPlaysOnAndSurvivesANewContext) {
    scratch.write("cd/Track01.ogg", media::sineOgg(1, 22050, 22050 / 5));
    scratch.write("cd/Track03.ogg", media::sineOgg(2, 22050, 22050 * 4));
    scratch.write("blank/notes.txt", "no tracks");
    VirtualCd blank(scratch / "blank");
    ASSERT_TRUE(blank.open(0));
    EXPECT_EQ(blank.status(), 0); // no disc
    VirtualCd cd(scratch / "cd");
    ASSERT_TRUE(cd.open(0));
    ASSERT_EQ(cd.numTracks(), 3);
    EXPECT_FALSE(cd.isAudioTrack(1));
    cd.playFrom(1); // a data track does not play: stopped
    EXPECT_EQ(cd.status(), 1);
    cd.playFrom(0);
    EXPECT_EQ(cd.status(), 2);
    const auto playFor = [&](int ms) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        cd.pump();
    };
    // The first track lasts a fifth of a second.
    for (int k = 0; k < 200 && cd.currentTrack() == 0; ++k) playFor(10);
    EXPECT_EQ(cd.currentTrack(), 2);
    EXPECT_EQ(cd.status(), 2);

    playFor(300);
    const int frame = cd.currentFrame();
    EXPECT_GT(frame, 0);
    const auto newContext = [&] {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
        context = alcCreateContext(device, nullptr);
        alcMakeContextCurrent(context);
    };
    cd.endAL();
    newContext();
    ASSERT_NE(context, nullptr);
    cd.restartAL();
    EXPECT_EQ(cd.currentTrack(), 2);
    EXPECT_GE(cd.currentFrame(), frame);
    EXPECT_LT(cd.currentFrame(), frame + 75); // from where it was, not the start or the end
    EXPECT_EQ(cd.status(), 2);
    playFor(200);
    EXPECT_GT(cd.currentFrame(), frame); // and it plays on
    newContext(); // closed under it, unannounced: it stops rather than play on silent
    cd.pump();
    EXPECT_EQ(cd.status(), 1);
    cd.close();
    EXPECT_EQ(cd.status(), -1); // not open
    int names = 0; // the stream's source and buffers went with it
    for (ALuint name = 1; name < 4096; ++name) names += alIsSource(name) + alIsBuffer(name);
    EXPECT_EQ(names, 0);
    ASSERT_TRUE(cd.open(0));
    EXPECT_EQ(cd.status(), 1); // open again: stopped
}

} // namespace
