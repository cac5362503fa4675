#include "bindings/VectorBinding.h"

#include "bindings/PointBinding.h"
#include "graphics/Primitives.h"

namespace bg {

Vector* VectorBinding::construct(lua_State* L) {
    const int count = argCount(L);
    if (count != 0 && count != 3 && count != 6) wrongArgs(L);
    Vector vector;
    if (count == 3) {
        vector = Vector{argFloat(L, 1), argFloat(L, 2), argFloat(L, 3)};
    } else if (count == 6) {
        const Point from{argFloat(L, 1), argFloat(L, 2), argFloat(L, 3)};
        vector = Vector(from, Point{argFloat(L, 4), argFloat(L, 5), argFloat(L, 6)});
    }
    return make<Vector>(L, vector);
}

// One number adds to or takes from x alone, but scales all three.
int VectorBinding::add(lua_State* L) { return pushXYZ(L, object() + argOperand(L, true)); }
int VectorBinding::sub(lua_State* L) { return pushXYZ(L, object() - argOperand(L, true)); }
int VectorBinding::mul(lua_State* L) { return pushXYZ(L, object() * argOperand(L, false)); }
int VectorBinding::div(lua_State* L) { return pushXYZ(L, object() / argOperand(L, false)); }

int VectorBinding::display(lua_State* L) {
    const Point origin =
        argCount(L) == 0 ? Point() : argValue<Point>(L);
    bg::display(object(), origin);
    return 0;
}

const Method<VectorBinding> VectorBinding::methods[] = {
    {"getX", method<&VectorBinding::getX>},
    {"getY", method<&VectorBinding::getY>},
    {"getZ", method<&VectorBinding::getZ>},
    {"get", method<&VectorBinding::get>},
    {"setX", method<&VectorBinding::setX>},
    {"setY", method<&VectorBinding::setY>},
    {"setZ", method<&VectorBinding::setZ>},
    {"set", method<&VectorBinding::set>},
    {"dotProduct", call<&Vector::dot>},
    {"crossProduct", call<&Vector::cross>},
    {"normalize", call<&Vector::normalize>},
    {"length", call<&Vector::length>},
    {"equal", call<&Vector::operator==>},
    {"add", method<&VectorBinding::add>},
    {"sub", method<&VectorBinding::sub>},
    {"mul", method<&VectorBinding::mul>},
    {"div", method<&VectorBinding::div>},
    {"display", method<&VectorBinding::display>},
    {nullptr, nullptr}};

} // namespace bg
