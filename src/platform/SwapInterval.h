#ifndef BRAWLGEAR_PLATFORM_SWAPINTERVAL_H
#define BRAWLGEAR_PLATFORM_SWAPINTERVAL_H

namespace bg::platform {

using SwapIntervalFunction = void (*)(int interval);

// The swap-interval setter for the current OpenGL context, through whichever
// GLX swap-control extension the display offers (EXT, MESA or SGI), or null
// when it offers none. Needs a current context.
SwapIntervalFunction findSwapInterval();

// The rule behind it: the first of EXT, MESA and SGI that the extension
// string names and whose entry point `found` says is there.
enum class SwapControl { Unavailable, Ext, Mesa, Sgi };
SwapControl chooseSwapControl(const char* extensions, bool (*found)(const char* function));

} // namespace bg::platform

#endif
