#ifndef BRAWLGEAR_PLATFORM_REFRESHRATE_H
#define BRAWLGEAR_PLATFORM_REFRESHRATE_H

namespace bg::platform {

// The current refresh rate of the primary display in hertz, or 0 when it
// cannot be found out.
int displayRefreshRate();

} // namespace bg::platform

#endif
