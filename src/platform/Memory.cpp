#include "platform/Memory.h"

#include <malloc.h>

namespace bg::platform {

void keepFreedMemory() {
    // The free memory at the top of the heap is given back only past
    // 256 MiB, and blocks up to 32 MiB (a 2048 x 2048 picture and its
    // copies) come from the heap rather than maps of their own, which are
    // unmapped when freed.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
}

} // namespace bg::platform
