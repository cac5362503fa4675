#ifndef BRAWLGEAR_BINDINGS_POINTBINDING_H
#define BRAWLGEAR_BINDINGS_POINTBINDING_H

#include "bindings/CoordinateBinding.h"
#include "math/Math.h"

namespace bg {

// "Point": a position. Arithmetic methods return three numbers and leave
// the point as it is.
class PointBinding : public CoordinateBinding<PointBinding, Point> {
public:
    using CoordinateBinding::CoordinateBinding;
    static constexpr const char* className = "Point";
    static const Method<PointBinding> methods[];
    static Point* construct(lua_State* L);

    int add(lua_State* L);
    int sub(lua_State* L);
    int mul(lua_State* L);
    int div(lua_State* L);
    int display(lua_State* L);
};

template <> struct ScriptValue<Point> : XYZValue<Point, PointBinding> {};

} // namespace bg

#endif
