#ifndef BRAWLGEAR_BINDINGS_COLORBINDING_H
#define BRAWLGEAR_BINDINGS_COLORBINDING_H

#include "graphics/Light.h"
#include "script/Binding.h"

namespace bg {

// "Color": red, green, blue, alpha (each at most 1), with hue, saturation
// and brightness.
class ColorBinding : public ValueBinding<ColorBinding, Color> {
public:
    using ValueBinding::ValueBinding;
    static constexpr const char* className = "Color";
    static const Method<ColorBinding> methods[];
    static Color* construct(lua_State* L);

    int setHSBA(lua_State* L);
    int getHSBA(lua_State* L);
};

// A Color as an argument: the object or its four numbers (limited as the
// constructor limits them); as a result, its four numbers.
template <> struct ScriptValue<Color> {
    using Binding = ColorBinding;
    static constexpr int count = 4;
    static Color read(lua_State* L, int n) {
        return Color{argFloat(L, n), argFloat(L, n + 1), argFloat(L, n + 2), argFloat(L, n + 3)};
    }
    static int push(lua_State* L, const Color& c) {
        lua_pushnumber(L, c.getR());
        lua_pushnumber(L, c.getG());
        lua_pushnumber(L, c.getB());
        lua_pushnumber(L, c.getA());
        return 4;
    }
};

} // namespace bg

#endif
