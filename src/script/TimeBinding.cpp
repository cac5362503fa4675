#include "script/TimeBinding.h"

namespace bg {

int TimeBinding::restart(lua_State* L) {
    expectArgs(L, 0, ":restart");
    object().restart();
    return 0;
}

int TimeBinding::update(lua_State* L) {
    expectArgs(L, 0, ":update");
    object().update();
    return 0;
}

int TimeBinding::getFPSMax(lua_State* L) {
    expectArgs(L, 0, ":getFPSMax");
    lua_pushnumber(L, object().getFPSMax());
    return 1;
}

int TimeBinding::getFPSMid(lua_State* L) {
    expectArgs(L, 0, ":getFPSMid");
    lua_pushnumber(L, object().getFPSMid());
    return 1;
}

int TimeBinding::getFPSMin(lua_State* L) {
    expectArgs(L, 0, ":getFPSMin");
    lua_pushnumber(L, object().getFPSMin());
    return 1;
}

int TimeBinding::getDt(lua_State* L) {
    expectArgs(L, 0, ":getDt");
    lua_pushnumber(L, object().getDt());
    return 1;
}

const Method<TimeBinding> TimeBinding::methods[] = {
    {"restart", &TimeBinding::restart},     {"update", &TimeBinding::update},
    {"getFPSMax", &TimeBinding::getFPSMax}, {"getFPSMid", &TimeBinding::getFPSMid},
    {"getFPSMin", &TimeBinding::getFPSMin}, {"getDt", &TimeBinding::getDt},
    {nullptr, nullptr}};

} // namespace bg
