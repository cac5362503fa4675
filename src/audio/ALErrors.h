#ifndef BRAWLGEAR_AUDIO_ALERRORS_H
#define BRAWLGEAR_AUDIO_ALERRORS_H

namespace bg {

// Prints and clears the pending OpenAL errors, one name a line; whether
// there were any. Needs a current context (none: nothing to drain).
bool drainALErrors();

} // namespace bg

#endif
