#ifndef BRAWLGEAR_AUDIO_CDPLAYER_H
#define BRAWLGEAR_AUDIO_CDPLAYER_H

// CD music through the open drive (platform/CdDrive.h): start or resume,
// pause, skip between audio tracks with wrap-around, start over when the
// disc has played out. No drive, no disc or a data-only disc answer false
// or -1 quietly. Track numbers are 1-based.

namespace bg::cd {

bool play();
void stop();
int nextTrack();
int prevTrack();
bool update();
bool present();
// Clamps to [0, 1]; a mixer failure prints its error.
void setVolume(float volume);

} // namespace bg::cd

#endif
