#ifndef BRAWLGEAR_SCRIPT_EVENTMANAGERBINDING_H
#define BRAWLGEAR_SCRIPT_EVENTMANAGERBINDING_H

#include "input/EventManager.h"
#include "script/Binding.h"

namespace bg {

// "EventManager": keyboard and mouse, reached with getEventManager(); the
// SDLK_ key symbols are registered with it.
class EventManagerBinding : public SingletonBinding<EventManagerBinding, EventManager, gEventManager> {
public:
    static constexpr const char* className = "EventManager";
    static constexpr const char* accessorName = "getEventManager";
    static const Method<EventManagerBinding> methods[];
    static void registerGlobals(lua_State* L);

    int update(lua_State* L);
    int reset(lua_State* L);
    int getScreenSize(lua_State* L);
    int getMousePosition(lua_State* L);
    int getMouseDeltaS(lua_State* L);
    int getMouseSpeed(lua_State* L);
    int setMouseSpeed(lua_State* L);
    int leftClick(lua_State* L);
    int rightClick(lua_State* L);
    int leftDown(lua_State* L);
    int rightDown(lua_State* L);
    int isKeyPressed(lua_State* L);
};

} // namespace bg

#endif
