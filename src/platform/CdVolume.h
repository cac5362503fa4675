#ifndef BRAWLGEAR_PLATFORM_CDVOLUME_H
#define BRAWLGEAR_PLATFORM_CDVOLUME_H

namespace bg::platform {

// The CD line's playback volume in [0, 1], through ALSA's simple mixer on
// the default card: the "CD" element, else "Aux". Writing clamps `volume`
// to [0, 1] and stores the clamped value back. False, after one error line
// (reported for the main flow), when there is no mixer, line or control,
// or the read or write fails.
bool cdVolume(bool write, float& volume);
// Whether there is a CD or Aux line to read at all (quietly).
bool hasCdLine();

// The mapping between [0, 1] and a mixer's range (clamped, truncated).
long volumeToMixer(float volume, long low, long high);
float mixerToVolume(long value, long low, long high);

} // namespace bg::platform

#endif
