#include "script/PlaneBinding.h"

#include "script/PointBinding.h"
#include "script/VectorBinding.h"

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

int PlaneBinding::setNormal(lua_State* L) {
    object().setNormal(argValue<Vector>(L));
    return 0;
}

int PlaneBinding::getNormal(lua_State* L) {
    expectArgs(L, 0);
    return pushXYZ(L, object().normal());
}

int PlaneBinding::setPoint(lua_State* L) {
    object().setPoint(argValue<Point>(L));
    return 0;
}

int PlaneBinding::getPoint(lua_State* L) {
    expectArgs(L, 0);
    return pushXYZ(L, object().point);
}

int PlaneBinding::translate(lua_State* L) {
    object().translate(argValue<Vector>(L));
    return 0;
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

int PlaneBinding::classify(lua_State* L) {
    lua_pushnumber(L, object().classify(argValue<Point>(L)));
    return 1;
}

int PlaneBinding::distance(lua_State* L) {
    lua_pushnumber(L, object().distance(argValue<Point>(L)));
    return 1;
}

int PlaneBinding::findPoint(lua_State* L) {
    expectArgs(L, 0);
    object().findPoint();
    return 0;
}

int PlaneBinding::findD(lua_State* L) {
    expectArgs(L, 0);
    object().findD();
    return 0;
}

int PlaneBinding::normalize(lua_State* L) {
    expectArgs(L, 0);
    object().normalize();
    return 0;
}

const Method<PlaneBinding> PlaneBinding::methods[] = {
    {"set", method<&PlaneBinding::set>},
    {"get", method<&PlaneBinding::get>},
    {"setNormal", method<&PlaneBinding::setNormal>},
    {"getNormal", method<&PlaneBinding::getNormal>},
    {"setPoint", method<&PlaneBinding::setPoint>},
    {"getPoint", method<&PlaneBinding::getPoint>},
    {"translate", method<&PlaneBinding::translate>},
    {"getIntersection", method<&PlaneBinding::getIntersection>},
    {"classify", method<&PlaneBinding::classify>},
    {"distance", method<&PlaneBinding::distance>},
    {"findPoint", method<&PlaneBinding::findPoint>},
    {"findD", method<&PlaneBinding::findD>},
    {"normalize", method<&PlaneBinding::normalize>},
    {nullptr, nullptr}};

} // namespace bg
