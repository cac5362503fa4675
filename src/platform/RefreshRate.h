#ifndef BRAWLGEAR_PLATFORM_REFRESHRATE_H
#define BRAWLGEAR_PLATFORM_REFRESHRATE_H

namespace bg::platform {

// The current refresh rate of the primary display in hertz, or 0 when it
// cannot be found out: the primary output's current mode (RandR 1.2 and
// later), else the screen's rate (older RandR), else 0.
int displayRefreshRate();

// The rules behind it, apart from X so that a test can give them anything.
// The rate of a mode from its timings (0 when they make no sense).
double modeRefreshRate(unsigned long dotClock, unsigned hTotal, unsigned vTotal, unsigned long modeFlags);
// The primary output's mode rate when there is one (> 0), else the
// screen's rate, else 0; rounded to whole hertz.
int chooseRefreshRate(double primaryModeRate, int screenRate);

} // namespace bg::platform

#endif
