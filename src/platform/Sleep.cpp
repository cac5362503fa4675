#include "platform/Sleep.h"

#include <SDL.h>

namespace bg::platform {

// SDL's delay needs no initialised subsystem and is what the frame timer
// paces with, so the script's sleep and the frame cap behave alike.
void sleepMilliseconds(unsigned milliseconds) { SDL_Delay(milliseconds); }

} // namespace bg::platform
