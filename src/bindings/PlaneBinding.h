#ifndef BRAWLGEAR_BINDINGS_PLANEBINDING_H
#define BRAWLGEAR_BINDINGS_PLANEBINDING_H

#include "math/Math.h"
#include "script/Binding.h"

namespace bg {

// "Plane": a plane with unit normal and a point on it.
class PlaneBinding : public ValueBinding<PlaneBinding, Plane> {
public:
    using ValueBinding::ValueBinding;
    static constexpr const char* className = "Plane";
    static const Method<PlaneBinding> methods[];
    static Plane* construct(lua_State* L);

    int set(lua_State* L);
    int get(lua_State* L);
    int getPoint(lua_State* L);
    int getIntersection(lua_State* L);
};

} // namespace bg

#endif
