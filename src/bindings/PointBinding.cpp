#include "bindings/PointBinding.h"

#include "bindings/VectorBinding.h"
#include "graphics/Primitives.h"

namespace bg {

Point* PointBinding::construct(lua_State* L) {
    const int count = argCount(L);
    if (count != 0 && count != 1 && count != 3) wrongArgs(L);
    Point point;
    if (count > 0) argValueAt(L, 1, point);
    return make<Point>(L, point);
}

int PointBinding::add(lua_State* L) { return pushXYZ(L, object() + argOperand(L, false)); }
int PointBinding::sub(lua_State* L) { return pushXYZ(L, object() - argOperand(L, false)); }
int PointBinding::mul(lua_State* L) { return pushXYZ(L, object() * argOperand(L, false)); }
int PointBinding::div(lua_State* L) { return pushXYZ(L, object() / argOperand(L, false)); }

int PointBinding::display(lua_State* L) {
    expectArgs(L, 0);
    bg::display(object());
    return 0;
}

const Method<PointBinding> PointBinding::methods[] = {
    {"getX", method<&PointBinding::getX>}, {"getY", method<&PointBinding::getY>}, {"getZ", method<&PointBinding::getZ>},
    {"get", method<&PointBinding::get>},   {"setX", method<&PointBinding::setX>}, {"setY", method<&PointBinding::setY>},
    {"setZ", method<&PointBinding::setZ>}, {"set", method<&PointBinding::set>},   {"add", method<&PointBinding::add>},
    {"sub", method<&PointBinding::sub>},   {"mul", method<&PointBinding::mul>},   {"div", method<&PointBinding::div>},
    {"display", method<&PointBinding::display>}, {nullptr, nullptr}};

} // namespace bg
