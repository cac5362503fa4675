#ifndef BRAWLGEAR_BINDINGS_CLASSES_H
#define BRAWLGEAR_BINDINGS_CLASSES_H

struct lua_State;

namespace bg {

// Registers every engine class with the interpreter, in their fixed order.
void registerClasses(lua_State* L);

} // namespace bg

#endif
