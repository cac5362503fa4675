#include "audio/Sound.h"

#include "audio/ALErrors.h"
#include "media/Vorbis.h"
#include "vfs/VFS.h"

#include <AL/al.h>
#include <algorithm>
#include <climits>

namespace bg {

SharedPointer<SoundManager> gSoundManager;

SoundRecord::~SoundRecord() {
    if (buffer && alIsBuffer(buffer)) alDeleteBuffers(1, &buffer);
}

SoundManager::~SoundManager() {
    for (int slot = 0; slot < MAX_SOURCES; ++slot) removeSlot(slot);
}

// slot = id mod 64 with the sign of the id, generation = id / 64 toward 0.
Source* SoundManager::find(int sourceId) const {
    const int slot = sourceId % MAX_SOURCES;
    if (slot < 0 || slot >= mUsableSlots) return nullptr;
    Source* source = mSlots[slot].get();
    if (!source || sourceId / MAX_SOURCES != mGenerations[slot]) return nullptr;
    return source;
}

unsigned SoundManager::loadBuffer(const FixedString& name) {
    const SoundData sound = loadSound(name);
    if (sound.pcm.isNull() || sound.size < 1) return 0;
    drainALErrors();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    if (drainALErrors()) return 0;
    alBufferData(buffer, sound.format, sound.pcm.get(), sound.size, sound.frequency);
    if (drainALErrors()) {
        alDeleteBuffers(1, &buffer);
        return 0;
    }
    return buffer;
}

int SoundManager::load(const char* fileName) {
    if (!fileName || !*fileName) {
        BG_ERROR("SoundManager::load( fileName ) : Invalid file name");
        return -1;
    }
    const FixedString name = fileName;
    const int found = mSounds.find(name.c_str());
    if (found >= 0) return found;
    if (mSounds.size() >= CAPACITY) {
        BG_ERROR(FixedString("SoundManager::load( ") + name + " ) : Sound table full");
        return -1;
    }
    const unsigned buffer = loadBuffer(name);
    if (!buffer) return -1;
    return mSounds.add(name.c_str(), new SoundRecord(name, buffer));
}

long SoundManager::bytes() const {
    long total = 0;
    for (int id = mSounds.first(); id >= 0; id = mSounds.next(id)) {
        ALint size = 0;
        if (const unsigned buffer = mSounds.at(id).buffer) alGetBufferi(buffer, AL_SIZE, &size);
        total += size;
    }
    return total;
}

int SoundManager::playingSources() const {
    int playing = 0;
    for (int slot = 0; slot < mUsableSlots; ++slot) {
        ALint state = AL_STOPPED;
        const Source* s = mSlots[slot].get();
        if (s && s->source) alGetSourcei(s->source, AL_SOURCE_STATE, &state);
        playing += state == AL_PLAYING;
    }
    return playing;
}

void SoundManager::sendRadius(const Source& source) {
    alSourcef(source.source, AL_ROLLOFF_FACTOR, 0.013557606f);
    alSourcef(source.source, AL_REFERENCE_DISTANCE, source.radius * 10 / 100);
}

void SoundManager::bringUp(Source& source) {
    alGenSources(1, &source.source);
    alSourcei(source.source, AL_SOURCE_RELATIVE, source.relative ? AL_TRUE : AL_FALSE);
    alSourcei(source.source, AL_LOOPING, source.looping ? AL_TRUE : AL_FALSE);
    alSourcef(source.source, AL_GAIN, std::max(source.gain, 0.0f));
    sendRadius(source);
    alSource3f(source.source, AL_POSITION, source.position.x, source.position.y, source.position.z);
    alSource3f(source.source, AL_VELOCITY, source.velocity.x, source.velocity.y, source.velocity.z);
    alSourceStop(source.source);
    const SoundRecord* sound = mSounds.dataAt(source.soundId);
    alSourcei(source.source, AL_BUFFER, sound ? static_cast<ALint>(sound->buffer) : 0);
}

int SoundManager::addSource(int soundId, bool autoRemove) {
    if (!mSounds.dataAt(soundId)) {
        BG_ERROR(FixedString("SoundManager::addSource( ") + soundId + ", autoRemove ) : Invalid soundId");
        return -1;
    }
    for (int slot = 0; slot < mUsableSlots; ++slot) {
        if (mSlots[slot].get()) continue;
        Source* source = new Source;
        source->soundId = soundId;
        source->autoRemove = autoRemove;
        bringUp(*source);
        mSlots[slot] = SharedPointer<Source>(source);
        // Past INT_MAX / 64 generations a slot starts again at 0.
        mGenerations[slot] = mGenerations[slot] >= INT_MAX / MAX_SOURCES - 1 ? 0 : mGenerations[slot] + 1;
        return mGenerations[slot] * MAX_SOURCES + slot;
    }
    return -1;
}

void SoundManager::removeSlot(int slot) {
    Source* source = mSlots[slot].get();
    if (!source) return;
    if (alIsSource(source->source)) {
        alSourceStop(source->source);
        alDeleteSources(1, &source->source);
    }
    mSlots[slot].free();
}

void SoundManager::removeSource(int sourceId) {
    if (find(sourceId)) removeSlot(sourceId % MAX_SOURCES);
}

void SoundManager::play(int sourceId) {
    if (Source* s = find(sourceId)) alSourcePlay(s->source);
}

void SoundManager::stop(int sourceId) {
    if (Source* s = find(sourceId)) alSourceStop(s->source);
}

void SoundManager::pause(int sourceId) {
    if (Source* s = find(sourceId)) alSourcePause(s->source);
}

void SoundManager::pause() {
    if (mPaused) return;
    for (int slot = 0; slot < mUsableSlots; ++slot)
        if (Source* s = mSlots[slot].get()) alSourcePause(s->source);
    mPaused = true;
}

void SoundManager::resume() {
    if (!mPaused) return;
    for (int slot = 0; slot < mUsableSlots; ++slot)
        if (Source* s = mSlots[slot].get()) alSourcePlay(s->source);
    mPaused = false;
}

void SoundManager::update() {
    for (int slot = 0; slot < mUsableSlots; ++slot) {
        Source* s = mSlots[slot].get();
        if (!s || !s->autoRemove) continue;
        ALint state = AL_STOPPED;
        alGetSourcei(s->source, AL_SOURCE_STATE, &state);
        if (state != AL_PLAYING) removeSlot(slot);
    }
}

void SoundManager::setSoundId(int sourceId, int soundId) {
    Source* s = find(sourceId);
    const SoundRecord* sound = mSounds.dataAt(soundId);
    if (!s || !sound) return;
    alSourceStop(s->source);
    alSourcei(s->source, AL_BUFFER, static_cast<ALint>(sound->buffer));
    s->soundId = soundId;
}

void SoundManager::setGain(int sourceId, float gain) {
    if (Source* s = find(sourceId)) {
        s->gain = gain < 0 ? 0 : gain;
        alSourcef(s->source, AL_GAIN, s->gain);
    }
}

void SoundManager::setRadius(int sourceId, float radius) {
    if (Source* s = find(sourceId)) {
        s->radius = radius;
        sendRadius(*s);
    }
}

void SoundManager::setLooping(int sourceId, bool on) {
    if (Source* s = find(sourceId)) {
        s->looping = on;
        alSourcei(s->source, AL_LOOPING, on ? AL_TRUE : AL_FALSE);
    }
}

void SoundManager::setRelative(int sourceId, bool on) {
    if (Source* s = find(sourceId)) {
        s->relative = on;
        alSourcei(s->source, AL_SOURCE_RELATIVE, on ? AL_TRUE : AL_FALSE);
    }
}

void SoundManager::setPosition(int sourceId, const Point& p) {
    if (Source* s = find(sourceId)) {
        s->position = p;
        alSource3f(s->source, AL_POSITION, p.x, p.y, p.z);
    }
}

void SoundManager::setVelocity(int sourceId, const Vector& v) {
    if (Source* s = find(sourceId)) {
        s->velocity = v;
        alSource3f(s->source, AL_VELOCITY, v.x, v.y, v.z);
    }
}

bool SoundManager::isPlaying(int sourceId) const {
    const Source* s = find(sourceId);
    if (!s) return false;
    ALint state = AL_STOPPED;
    alGetSourcei(s->source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

int SoundManager::getSoundId(int sourceId) const {
    const Source* s = find(sourceId);
    return s ? s->soundId : -1;
}

float SoundManager::getGain(int sourceId) const {
    const Source* s = find(sourceId);
    return s ? s->gain : 0;
}

float SoundManager::getRadius(int sourceId) const {
    const Source* s = find(sourceId);
    return s ? s->radius : 0;
}

bool SoundManager::getLooping(int sourceId) const {
    const Source* s = find(sourceId);
    return s && s->looping;
}

bool SoundManager::getRelative(int sourceId) const {
    const Source* s = find(sourceId);
    return s && s->relative;
}

Point SoundManager::getPosition(int sourceId) const {
    const Source* s = find(sourceId);
    return s ? s->position : Point();
}

Vector SoundManager::getVelocity(int sourceId) const {
    const Source* s = find(sourceId);
    return s ? s->velocity : Vector();
}

void SoundManager::end() {
    for (int slot = 0; slot < MAX_SOURCES; ++slot) {
        Source* s = mSlots[slot].get();
        if (s && alIsSource(s->source)) {
            alSourceStop(s->source);
            alDeleteSources(1, &s->source);
        }
        // The name may come back for something else: forget it.
        if (s) s->source = 0;
    }
    for (int id = mSounds.first(); id >= 0; id = mSounds.next(id)) {
        SoundRecord* record = mSounds.dataAt(id);
        if (record->buffer && alIsBuffer(record->buffer)) alDeleteBuffers(1, &record->buffer);
        record->buffer = 0;
    }
}

void SoundManager::restart() {
    // Over live sources and buffers (no end() first), the old ones would
    // play on as orphans and take the sources the probe below counts.
    end();
    // How many sources this implementation offers, at most 64.
    drainALErrors();
    ALuint probe[MAX_SOURCES];
    int n = 0;
    while (n < MAX_SOURCES) {
        alGenSources(1, &probe[n]);
        if (alGetError() != AL_NO_ERROR) break;
        ++n;
    }
    if (n > 0) alDeleteSources(n, probe);
    for (int slot = n; slot < MAX_SOURCES; ++slot) removeSlot(slot);
    mUsableSlots = n;
    for (int id = mSounds.first(); id >= 0; id = mSounds.next(id)) {
        SoundRecord* record = mSounds.dataAt(id);
        record->buffer = loadBuffer(record->name);
    }
    for (int slot = 0; slot < n; ++slot)
        if (Source* s = mSlots[slot].get()) bringUp(*s);
    BG_INFO(FixedString("AL_MAX_SOURCES = ") + n);
}

} // namespace bg
