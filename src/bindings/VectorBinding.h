#ifndef BRAWLGEAR_BINDINGS_VECTORBINDING_H
#define BRAWLGEAR_BINDINGS_VECTORBINDING_H

#include "bindings/CoordinateBinding.h"
#include "math/Math.h"

namespace bg {

// "Vector": a direction or displacement. Arithmetic methods return three
// numbers and leave the vector as it is.
class VectorBinding : public CoordinateBinding<VectorBinding, Vector> {
public:
    using CoordinateBinding::CoordinateBinding;
    static constexpr const char* className = "Vector";
    static const Method<VectorBinding> methods[];
    static Vector* construct(lua_State* L);

    int add(lua_State* L);
    int sub(lua_State* L);
    int mul(lua_State* L);
    int div(lua_State* L);
    int display(lua_State* L);
};

template <> struct ScriptValue<Vector> : XYZValue<Vector, VectorBinding> {};

// The operand of a Point or Vector arithmetic method: a Vector, three
// numbers, or one number n, taken as (n, n, n), or as (n, 0, 0) when
// `numberOnXOnly`.
inline Vector argOperand(lua_State* L, bool numberOnXOnly) {
    if (argCount(L) == 1 && !argIsObject(L, 1)) {
        const float n = argFloat(L, 1);
        return numberOnXOnly ? Vector(n, 0, 0) : Vector(n, n, n);
    }
    return argValue<Vector>(L);
}

} // namespace bg

#endif
