#ifndef BRAWLGEAR_SCRIPT_TIMEBINDING_H
#define BRAWLGEAR_SCRIPT_TIMEBINDING_H

#include "input/Time.h"
#include "script/Binding.h"

namespace bg {

// "Time": the frame timer, reached with getTime().
class TimeBinding : public SingletonBinding<TimeBinding, Time, gTime> {
public:
    static constexpr const char* className = "Time";
    static constexpr const char* accessorName = "getTime";
    static const Method<TimeBinding> methods[];

    int restart(lua_State* L);
    int update(lua_State* L);
    int getFPSMax(lua_State* L);
    int getFPSMid(lua_State* L);
    int getFPSMin(lua_State* L);
    int getDt(lua_State* L);
};

} // namespace bg

#endif
