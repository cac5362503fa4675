#ifndef BRAWLGEAR_PLATFORM_MEMORY_H
#define BRAWLGEAR_PLATFORM_MEMORY_H

namespace bg::platform {

// Asks the C library to keep freed memory for the process instead of
// handing it back to the system at once. A frame frees and takes again the
// same buffers (the driver's among them); given back, each new frame's
// pages would come back faulting. Call once, at start.
void keepFreedMemory();

} // namespace bg::platform

#endif
