#include "bindings/FrameHooks.h"

namespace bg {

FrameHooks gFrameHooks;

} // namespace bg
