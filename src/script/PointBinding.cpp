#include "script/PointBinding.h"

#include "graphics/Primitives.h"
#include "script/VectorBinding.h"

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
    {"getX", &PointBinding::getX}, {"getY", &PointBinding::getY}, {"getZ", &PointBinding::getZ},
    {"get", &PointBinding::get},   {"setX", &PointBinding::setX}, {"setY", &PointBinding::setY},
    {"setZ", &PointBinding::setZ}, {"set", &PointBinding::set},   {"add", &PointBinding::add},
    {"sub", &PointBinding::sub},   {"mul", &PointBinding::mul},   {"div", &PointBinding::div},
    {"display", &PointBinding::display}, {nullptr, nullptr}};

} // namespace bg
