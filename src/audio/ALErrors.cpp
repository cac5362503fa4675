#include "audio/ALErrors.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <cstdio>

namespace bg {

bool drainALErrors() {
    if (!alcGetCurrentContext()) return false;
    bool any = false;
    // Bounded: a broken driver could keep answering an error.
    for (int i = 0; i < 64; ++i) {
        const ALenum error = alGetError();
        if (error == AL_NO_ERROR) break;
        any = true;
        switch (error) {
        case AL_INVALID_NAME: std::fputs("AL_INVALID_NAME\n", stderr); break;
        case AL_INVALID_ENUM: std::fputs("AL_INVALID_ENUM\n", stderr); break;
        case AL_INVALID_VALUE: std::fputs("AL_INVALID_VALUE\n", stderr); break;
        case AL_INVALID_OPERATION: std::fputs("AL_INVALID_OPERATION\n", stderr); break;
        case AL_OUT_OF_MEMORY: std::fputs("AL_OUT_OF_MEMORY\n", stderr); break;
        default: std::fputs("Error Unknown!\n", stderr);
        }
    }
    return any;
}

} // namespace bg
