#ifndef BRAWLGEAR_AUDIO_SOUND_H
#define BRAWLGEAR_AUDIO_SOUND_H

// Positional sound: sound files loaded once per name into OpenAL buffers
// (a sound id is the record's table slot), played through a pool of OpenAL
// sources (as many as the implementation offers, at most 64). A source id
// is generation x 64 + slot, so the id of a removed source stays invalid.
// Across a new OpenAL context the records and sources stay: end() deletes
// the OpenAL names, restart() makes them again. Lives from scene
// construction to teardown.

#include "foundation/Pointer.h"
#include "foundation/Utils.h"
#include "math/Math.h"

namespace bg {

struct SoundRecord {
    SoundRecord(const FixedString& soundName, unsigned alBuffer) : name(soundName), buffer(alBuffer) {}
    ~SoundRecord(); // deletes its buffer, if it is one
    SoundRecord(const SoundRecord&) = delete;
    SoundRecord& operator=(const SoundRecord&) = delete;

    FixedString name;
    unsigned buffer; // 0 when the last load failed
};

struct Source {
    unsigned source = 0;
    int soundId = -1;
    bool relative = false;
    bool looping = false;
    float gain = 1.0f;
    float radius = 1.0f;
    Point position;
    Vector velocity;
    bool autoRemove = false;
};

class SoundManager {
public:
    static constexpr int CAPACITY = 41;
    static constexpr int MAX_SOURCES = 64;

    SoundManager() { restart(); }
    ~SoundManager();
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    int load(const char* fileName);
    // A source for the sound, stopped; -1 when the sound is unknown (with
    // a message) or every usable slot is taken (without one).
    int addSource(int soundId, bool autoRemove = false);
    void removeSource(int sourceId);
    void play(int sourceId);
    void stop(int sourceId);
    void pause(int sourceId);
    // Every source at once.
    void pause();
    void resume();
    // Removes the auto-remove sources that are not playing.
    void update();
    void setSoundId(int sourceId, int soundId);
    // Never below 0.
    void setGain(int sourceId, float gain);
    // The distance scale of the attenuation: reference distance radius / 10.
    void setRadius(int sourceId, float radius);
    void setLooping(int sourceId, bool on);
    void setRelative(int sourceId, bool on);
    void setPosition(int sourceId, const Point& p);
    void setVelocity(int sourceId, const Vector& v);
    bool isPlaying(int sourceId) const;
    int getSoundId(int sourceId) const;
    float getGain(int sourceId) const;
    float getRadius(int sourceId) const;
    bool getLooping(int sourceId) const;
    bool getRelative(int sourceId) const;
    Point getPosition(int sourceId) const;
    Vector getVelocity(int sourceId) const;
    void end();
    void restart();
    int getUsableSlots() const { return mUsableSlots; }
    // How many sounds there are and the bytes of their buffers, as OpenAL
    // reports them, and how many sources are playing.
    int count() const { return mSounds.size(); }
    long bytes() const;
    int playingSources() const;
    // The OpenAL source behind a source id (0 for none), to read back what
    // was sent.
    unsigned alSource(int sourceId) const {
        const Source* s = find(sourceId);
        return s ? s->source : 0;
    }

private:
    Source* find(int sourceId) const;
    unsigned loadBuffer(const FixedString& name);
    void bringUp(Source& source);
    void sendRadius(const Source& source);
    void removeSlot(int slot);

    Table<SoundRecord> mSounds{"Sound Table", CAPACITY};
    SharedPointer<Source> mSlots[MAX_SOURCES];
    int mGenerations[MAX_SOURCES] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                     -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                     -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                     -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int mUsableSlots = 0;
    bool mPaused = false;
};

extern SharedPointer<SoundManager> gSoundManager;

} // namespace bg

#endif
