#include "bindings/PlaneBinding.h"

#include "bindings/PointBinding.h"
#include "bindings/VectorBinding.h"

namespace bg {

namespace {

Plane argFourNumbers(lua_State* L) { return Plane{argFloat(L, 1), argFloat(L, 2), argFloat(L, 3), argFloat(L, 4)}; }

} // namespace

Plane* PlaneBinding::construct(lua_State* L) {
    const int count = argCount(L);
    if (count != 0 && count != 4) wrongArgs(L);
    return make<Plane>(L, count == 4 ? argFourNumbers(L) : Plane());
}

int PlaneBinding::set(lua_State* L) {
    const int count = argCount(L);
    if (count == 1)
        object() = ScriptBinding<PlaneBinding>::get(L, 1);
    else if (count == 4)
        object() = argFourNumbers(L);
    else
        wrongArgs(L);
    return 0;
}

int PlaneBinding::get(lua_State* L) {
    expectArgs(L, 0);
    const Plane& plane = object();
    pushXYZ(L, plane.normal());
    lua_pushnumber(L, plane.d);
    return 4;
}

int PlaneBinding::getPoint(lua_State* L) {
    expectArgs(L, 0);
    return pushXYZ(L, object().point);
}

// Three Points (the third receives the crossing) or six numbers (the
// crossing is returned after the boolean).
int PlaneBinding::getIntersection(lua_State* L) {
    const int count = argCount(L);
    if (count == 3) {
        const Point p1 = ScriptBinding<PointBinding>::get(L, 1);
        const Point p2 = ScriptBinding<PointBinding>::get(L, 2);
        Point& out = ScriptBinding<PointBinding>::get(L, 3);
        lua_pushboolean(L, object().getIntersection(p1, p2, out));
        return 1;
    }
    if (count != 6) wrongArgs(L);
    const Point p1(argFloat(L, 1), argFloat(L, 2), argFloat(L, 3));
    const Point p2(argFloat(L, 4), argFloat(L, 5), argFloat(L, 6));
    Point out;
    lua_pushboolean(L, object().getIntersection(p1, p2, out));
    return 1 + pushXYZ(L, out);
}

const Method<PlaneBinding> PlaneBinding::methods[] = {
    {"set", method<&PlaneBinding::set>},
    {"get", method<&PlaneBinding::get>},
    {"setNormal", call<&Plane::setNormal>},
    {"getNormal", call<&Plane::normal>},
    {"setPoint", call<&Plane::setPoint>},
    {"getPoint", method<&PlaneBinding::getPoint>},
    {"translate", call<&Plane::translate>},
    {"getIntersection", method<&PlaneBinding::getIntersection>},
    {"classify", call<&Plane::classify>},
    {"distance", call<&Plane::distance>},
    {"findPoint", call<&Plane::findPoint>},
    {"findD", call<&Plane::findD>},
    {"normalize", call<&Plane::normalize>},
    {nullptr, nullptr}};

} // namespace bg
