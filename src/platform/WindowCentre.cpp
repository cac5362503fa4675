#include "platform/WindowCentre.h"

#include <cstdlib>

namespace bg::platform {

// SDL 1.2 reads this variable when it creates the window.
void centreNextWindow() { setenv("SDL_VIDEO_WINDOW_POS", "center", 1); }

} // namespace bg::platform
