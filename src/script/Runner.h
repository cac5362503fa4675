#ifndef BRAWLGEAR_SCRIPT_RUNNER_H
#define BRAWLGEAR_SCRIPT_RUNNER_H

#include "foundation/Utils.h"

struct lua_State;

namespace bg {

// Runs the stored script `name`: reads name + ".o" through the VFS in
// binary mode, unscrambles it and runs it in L. A failure is reported on
// standard error (the message, then its status word); the caller carries on
// either way. True when a captured run ended in it (capture/Capture.h).
bool runScript(lua_State* L, const FixedString& name);

// The status word the runner prints for an interpreter status ("ERRRUN",
// "ERRSYNTAX", ...), or null for success.
const char* statusWord(int status);

} // namespace bg

#endif
