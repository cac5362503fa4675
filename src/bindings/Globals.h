#ifndef BRAWLGEAR_BINDINGS_GLOBALS_H
#define BRAWLGEAR_BINDINGS_GLOBALS_H

struct lua_State;

namespace bg {

// Stores the engine's plain global script functions in the globals table,
// in their registration order.
void registerGlobalFunctions(lua_State* L);

} // namespace bg

#endif
