#include "platform/CdVolume.h"

#include "foundation/Report.h"
#include "foundation/Utils.h"

#include <alsa/asoundlib.h>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace bg::platform {

namespace {

// The reports speak for the main flow, as they always have ("Main"), with
// their spelling kept.
void mixerError(const char* message) { reportError("Main", __LINE__, message); }

void quiet(const char*, int, const char*, int, const char*, ...) {}

snd_mixer_t* openMixer() {
    // ALSA's own complaints (no card in a container) are not ours to print.
    snd_lib_error_set_handler(quiet);
    snd_mixer_t* mixer = nullptr;
    if (snd_mixer_open(&mixer, 0) < 0) return nullptr;
    if (snd_mixer_attach(mixer, "default") < 0 || snd_mixer_selem_register(mixer, nullptr, nullptr) < 0 ||
        snd_mixer_load(mixer) < 0) {
        snd_mixer_close(mixer);
        return nullptr;
    }
    return mixer;
}

snd_mixer_elem_t* findLine(snd_mixer_t* mixer) {
    for (const char* name : {"CD", "Aux"}) {
        snd_mixer_selem_id_t* id;
        snd_mixer_selem_id_alloca(&id);
        snd_mixer_selem_id_set_name(id, name);
        if (snd_mixer_elem_t* line = snd_mixer_find_selem(mixer, id)) return line;
    }
    return nullptr;
}

} // namespace

long volumeToMixer(float volume, long low, long high) {
    const double v = std::isnan(volume) ? 0.0 : std::max(0.0, std::min(static_cast<double>(volume), 1.0));
    return low + static_cast<long>(std::trunc(v * static_cast<double>(high - low)));
}

float mixerToVolume(long value, long low, long high) {
    return high > low ? static_cast<float>(value - low) / static_cast<float>(high - low) : 0.0f;
}

bool hasCdLine() {
    snd_mixer_t* mixer = openMixer();
    if (!mixer) return false;
    const bool found = findLine(mixer) != nullptr;
    snd_mixer_close(mixer);
    return found;
}

bool cdVolume(bool write, float& volume) {
    snd_mixer_t* mixer = openMixer();
    if (!mixer) {
        mixerError("mixerOpen faild!");
        return false;
    }
    snd_mixer_elem_t* line = findLine(mixer);
    if (!line) {
        snd_mixer_close(mixer);
        mixerError("mixerGetLineInfo faild!");
        return false;
    }
    long low = 0, high = 0;
    if (!snd_mixer_selem_has_playback_volume(line) || snd_mixer_selem_get_playback_volume_range(line, &low, &high) < 0 ||
        high <= low) {
        snd_mixer_close(mixer);
        mixerError("mixerGetLineControls faild!");
        return false;
    }
    bool ok = true;
    if (write) {
        volume = std::isnan(volume) ? 0 : std::max(0.0f, std::min(volume, 1.0f));
        const long value = volumeToMixer(volume, low, high);
        if (snd_mixer_selem_set_playback_volume_all(line, value) < 0) {
            mixerError("mixerSetControlDetails faild!");
            ok = false;
        }
    } else {
        long value = 0;
        if (snd_mixer_selem_get_playback_volume(line, SND_MIXER_SCHN_FRONT_LEFT, &value) < 0) {
            mixerError("mixerGetControlDetails faild!");
            ok = false;
        } else {
            volume = mixerToVolume(value, low, high);
        }
    }
    snd_mixer_close(mixer);
    return ok;
}

} // namespace bg::platform
