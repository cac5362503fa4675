#ifndef BRAWLGEAR_BINDINGS_EVENTMANAGERBINDING_H
#define BRAWLGEAR_BINDINGS_EVENTMANAGERBINDING_H

#include "input/EventManager.h"
#include "script/Binding.h"

namespace bg {

// "EventManager": keyboard and mouse, reached with getEventManager(); the
// SDLK_ key symbols are registered with it.
class EventManagerBinding : public SingletonBinding<EventManagerBinding, EventManager, gEventManager> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "EventManager";
    static constexpr const char* accessorName = "getEventManager";
    static const Method<EventManagerBinding> methods[];
    static void registerConstants(lua_State* L);

    int update(lua_State* L);
};

} // namespace bg

#endif
