#ifndef BRAWLGEAR_PLATFORM_WINDOWCENTRE_H
#define BRAWLGEAR_PLATFORM_WINDOWCENTRE_H

namespace bg::platform {

// Asks SDL to centre the next window it opens on the screen.
void centreNextWindow();

} // namespace bg::platform

#endif
