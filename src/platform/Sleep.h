#ifndef BRAWLGEAR_PLATFORM_SLEEP_H
#define BRAWLGEAR_PLATFORM_SLEEP_H

namespace bg::platform {

// Blocks the calling thread for the given number of milliseconds.
void sleepMilliseconds(unsigned milliseconds);

} // namespace bg::platform

#endif
