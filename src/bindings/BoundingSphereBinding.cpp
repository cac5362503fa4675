#include "bindings/BoundingSphereBinding.h"

#include "bindings/PointBinding.h"
#include "graphics/Primitives.h"

namespace bg {

namespace {

Point argPointAt(lua_State* L, int index) { return ScriptBinding<PointBinding>::get(L, index); }

// Eight numbers from `first` on.
BoundingSphere argEight(lua_State* L, int first) {
    BoundingSphere sphere;
    sphere.initialPosition = Point{argFloat(L, first), argFloat(L, first + 1), argFloat(L, first + 2)};
    sphere.initialRadius = argFloat(L, first + 3);
    sphere.position = Point{argFloat(L, first + 4), argFloat(L, first + 5), argFloat(L, first + 6)};
    sphere.radius = argFloat(L, first + 7);
    return sphere;
}

// A BoundingSphere or eight numbers, from `first` to the last argument.
BoundingSphere argSphere(lua_State* L, int first) {
    const int count = argCount(L) - first + 1;
    if (count == 1) return ScriptBinding<BoundingSphereBinding>::get(L, first);
    if (count != 8) wrongArgs(L);
    return argEight(L, first);
}

BoundingSphere both(const Point& position, float radius) {
    BoundingSphere sphere;
    sphere.initialPosition = sphere.position = position;
    sphere.initialRadius = sphere.radius = radius;
    return sphere;
}

int pushEight(lua_State* L, const BoundingSphere& sphere) {
    pushXYZ(L, sphere.initialPosition);
    lua_pushnumber(L, sphere.initialRadius);
    pushXYZ(L, sphere.position);
    lua_pushnumber(L, sphere.radius);
    return 8;
}

} // namespace

BoundingSphere* BoundingSphereBinding::construct(lua_State* L) {
    BoundingSphere sphere;
    switch (argCount(L)) {
    case 0: break;
    case 1: sphere = both(argPointAt(L, 1), 0); break;
    case 2: sphere = both(argPointAt(L, 1), argFloat(L, 2)); break;
    case 3: sphere = both(Point{argFloat(L, 1), argFloat(L, 2), argFloat(L, 3)}, 0); break;
    case 4:
        if (argIsObject(L, 1)) {
            sphere.initialPosition = argPointAt(L, 1);
            sphere.initialRadius = argFloat(L, 2);
            sphere.position = argPointAt(L, 3);
            sphere.radius = argFloat(L, 4);
        } else {
            sphere = both(Point{argFloat(L, 1), argFloat(L, 2), argFloat(L, 3)}, argFloat(L, 4));
        }
        break;
    case 8: sphere = argEight(L, 1); break;
    default: wrongArgs(L);
    }
    return make<BoundingSphere>(L, sphere);
}

int BoundingSphereBinding::get(lua_State* L) {
    expectArgs(L, 0);
    return pushEight(L, object());
}

int BoundingSphereBinding::getInitialPosition(lua_State* L) {
    expectArgs(L, 0);
    return pushXYZ(L, object().initialPosition);
}

int BoundingSphereBinding::setInitialPosition(lua_State* L) {
    object().initialPosition = argValue<Point>(L);
    return 0;
}

int BoundingSphereBinding::getInitialRadius(lua_State* L) {
    expectArgs(L, 0);
    lua_pushnumber(L, object().initialRadius);
    return 1;
}

int BoundingSphereBinding::setInitialRadius(lua_State* L) {
    expectArgs(L, 1);
    object().initialRadius = argFloat(L, 1);
    return 0;
}

int BoundingSphereBinding::getPosition(lua_State* L) {
    expectArgs(L, 0);
    return pushXYZ(L, object().position);
}

int BoundingSphereBinding::setPosition(lua_State* L) {
    object().position = argValue<Point>(L);
    return 0;
}

int BoundingSphereBinding::getRadius(lua_State* L) {
    expectArgs(L, 0);
    lua_pushnumber(L, object().radius);
    return 1;
}

int BoundingSphereBinding::setRadius(lua_State* L) {
    expectArgs(L, 1);
    object().radius = argFloat(L, 1);
    return 0;
}

int BoundingSphereBinding::add(lua_State* L) {
    const BoundingSphere sum = object() + argSphere(L, 1);
    pushXYZ(L, sum.position);
    lua_pushnumber(L, sum.radius);
    return 4;
}

// Two Points or six numbers: the ray's origin, then a point it passes.
int BoundingSphereBinding::rayIntersect(lua_State* L) {
    const int count = argCount(L);
    Point origin, through;
    if (count == 2) {
        origin = argPointAt(L, 1);
        through = argPointAt(L, 2);
    } else if (count == 6) {
        origin = Point{argFloat(L, 1), argFloat(L, 2), argFloat(L, 3)};
        through = Point{argFloat(L, 4), argFloat(L, 5), argFloat(L, 6)};
    } else {
        wrongArgs(L);
    }
    Point hit;
    lua_pushboolean(L, object().rayIntersect(origin, through, hit));
    return 1 + pushXYZ(L, hit);
}

int BoundingSphereBinding::sphereIntersect(lua_State* L) {
    lua_pushboolean(L, object().sphereIntersect(argSphere(L, 1)));
    return 1;
}

// k, then the other sphere, which is read into a copy: the results are that
// copy after the push.
int BoundingSphereBinding::collisionResponse(lua_State* L) {
    if (argCount(L) < 2) wrongArgs(L);
    const float k = argFloat(L, 1);
    BoundingSphere other = argSphere(L, 2);
    luaL_checkstack(L, 9, "BoundingSphere:collisionResponse");
    lua_pushboolean(L, object().collisionResponse(other, k));
    return 1 + pushEight(L, other);
}

int BoundingSphereBinding::applyTransformations(lua_State* L) {
    expectArgs(L, 0);
    bg::applyTransformations(object());
    return 0;
}

int BoundingSphereBinding::display(lua_State* L) {
    expectArgs(L, 0);
    bg::display(object());
    return 0;
}

const Method<BoundingSphereBinding> BoundingSphereBinding::methods[] = {
    {"get", method<&BoundingSphereBinding::get>},
    {"getInitialPosition", method<&BoundingSphereBinding::getInitialPosition>},
    {"setInitialPosition", method<&BoundingSphereBinding::setInitialPosition>},
    {"getInitialRadius", method<&BoundingSphereBinding::getInitialRadius>},
    {"setInitialRadius", method<&BoundingSphereBinding::setInitialRadius>},
    {"getPosition", method<&BoundingSphereBinding::getPosition>},
    {"setPosition", method<&BoundingSphereBinding::setPosition>},
    {"getRadius", method<&BoundingSphereBinding::getRadius>},
    {"setRadius", method<&BoundingSphereBinding::setRadius>},
    {"add", method<&BoundingSphereBinding::add>},
    {"rayIntersect", method<&BoundingSphereBinding::rayIntersect>},
    {"sphereIntersect", method<&BoundingSphereBinding::sphereIntersect>},
    {"collisionResponse", method<&BoundingSphereBinding::collisionResponse>},
    {"applyTransformations", method<&BoundingSphereBinding::applyTransformations>},
    {"display", method<&BoundingSphereBinding::display>},
    {nullptr, nullptr}};

} // namespace bg
