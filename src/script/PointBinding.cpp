#include "script/PointBinding.h"

#include "graphics/Primitives.h"
#include "script/VectorBinding.h"

namespace bg {

PointBinding* PointBinding::construct(lua_State* L) {
    const int count = lua_gettop(L);
    if (count != 0 && count != 1 && count != 3) wrongArgs(L, ":new");
    Point point;
    if (count > 0) argObjectOrXYZ<PointBinding>(L, 1, point);
    return new PointBinding(new Point(point));
}

int PointBinding::add(lua_State* L) { return pushXYZ(L, object() + argOperand<PointBinding>(L, ":add", false)); }
int PointBinding::sub(lua_State* L) { return pushXYZ(L, object() - argOperand<PointBinding>(L, ":sub", false)); }
int PointBinding::mul(lua_State* L) { return pushXYZ(L, object() * argOperand<PointBinding>(L, ":mul", false)); }
int PointBinding::div(lua_State* L) { return pushXYZ(L, object() / argOperand<PointBinding>(L, ":div", false)); }

int PointBinding::display(lua_State* L) {
    expectArgs(L, 0, ":display");
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
