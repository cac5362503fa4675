#ifndef BRAWLGEAR_PLATFORM_QUITREQUEST_H
#define BRAWLGEAR_PLATFORM_QUITREQUEST_H

// A request to end the game from outside its scripts: the window's close
// button, or SIGTERM, SIGINT or SIGHUP. Nothing acts on it here; the
// engine looks at it where it reads events and ends the main script there,
// between frames, as if the script had returned.

namespace bg::platform {

// Installs the signal handlers. A second signal of the same kind takes its
// default action, so a game that never reads events can still be stopped.
void watchQuitSignals();
void requestQuit();
bool isQuitRequested();
void clearQuitRequest();

} // namespace bg::platform

#endif
