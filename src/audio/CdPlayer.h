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
// Once a frame: keeps a virtual drive's stream fed.
void pump();
// Around a new OpenAL context: a virtual drive's stream gives its names
// back to the closing context and picks up where it was in the new one.
void endAL();
void restartAL();
// Closes the drive and forgets a virtual one (SDL's is used again).
void forgetDrive();
// With the folder of Track01.ogg, ...: a virtual drive instead of SDL's.
void useVirtualDrive(const char* folder);

} // namespace bg::cd

#endif
