#ifndef BRAWLGEAR_BINDINGS_BOUNDINGSPHEREBINDING_H
#define BRAWLGEAR_BINDINGS_BOUNDINGSPHEREBINDING_H

#include "math/Math.h"
#include "script/Binding.h"

namespace bg {

// "BoundingSphere": an initial and a transformed centre and radius. "Eight
// numbers" are initial x, y, z, initial radius, x, y, z, radius.
class BoundingSphereBinding : public ValueBinding<BoundingSphereBinding, BoundingSphere> {
public:
    using ValueBinding::ValueBinding;
    static constexpr const char* className = "BoundingSphere";
    static const Method<BoundingSphereBinding> methods[];
    static BoundingSphere* construct(lua_State* L);

    int get(lua_State* L);
    int getInitialPosition(lua_State* L);
    int setInitialPosition(lua_State* L);
    int getInitialRadius(lua_State* L);
    int setInitialRadius(lua_State* L);
    int getPosition(lua_State* L);
    int setPosition(lua_State* L);
    int getRadius(lua_State* L);
    int setRadius(lua_State* L);
    int add(lua_State* L);
    int rayIntersect(lua_State* L);
    int sphereIntersect(lua_State* L);
    int collisionResponse(lua_State* L);
    int applyTransformations(lua_State* L);
    int display(lua_State* L);
};

} // namespace bg

#endif
