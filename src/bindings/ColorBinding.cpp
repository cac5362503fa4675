#include "bindings/ColorBinding.h"

namespace bg {

Color* ColorBinding::construct(lua_State* L) {
    const int count = argCount(L);
    if (count != 0 && count != 4) wrongArgs(L);
    return make<Color>(L, count == 4 ? ScriptValue<Color>::read(L, 1) : Color());
}

// Four numbers are a hue, saturation, brightness and alpha; a Color is
// copied.
int ColorBinding::setHSBA(lua_State* L) {
    const int count = argCount(L);
    if (count == 1) {
        object() = ScriptBinding<ColorBinding>::get(L, 1);
    } else if (count == 4) {
        const float h = argFloat(L, 1), s = argFloat(L, 2), br = argFloat(L, 3), a = argFloat(L, 4);
        object().setHSBA(h, s, br, a);
    } else {
        wrongArgs(L);
    }
    return 0;
}

int ColorBinding::getHSBA(lua_State* L) {
    expectArgs(L, 0);
    float h, s, br;
    object().getHSB(h, s, br);
    lua_pushnumber(L, h);
    lua_pushnumber(L, s);
    lua_pushnumber(L, br);
    lua_pushnumber(L, object().getA());
    return 4;
}

const Method<ColorBinding> ColorBinding::methods[] = {
    {"set", call<static_cast<void (Color::*)(const Color&)>(&Color::set)>},
    {"get", get<&Color::getR, &Color::getG, &Color::getB, &Color::getA>},
    {"setR", call<&Color::setR>},
    {"setG", call<&Color::setG>},
    {"setB", call<&Color::setB>},
    {"setA", call<&Color::setA>},
    {"getR", call<&Color::getR>},
    {"getG", call<&Color::getG>},
    {"getB", call<&Color::getB>},
    {"getA", call<&Color::getA>},
    {"setH", call<&Color::setH>},
    {"setS", call<&Color::setS>},
    {"setBr", call<&Color::setBr>},
    {"setHSBA", method<&ColorBinding::setHSBA>},
    {"getH", call<&Color::getH>},
    {"getS", call<&Color::getS>},
    {"getBr", call<&Color::getBr>},
    {"getHSBA", method<&ColorBinding::getHSBA>},
    {"mul", call<&Color::mul>},
    {"monocrome", call<&Color::monocrome>},
    {"use", call<&Color::use>},
    {nullptr, nullptr}};

} // namespace bg
