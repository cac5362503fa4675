#ifndef BRAWLGEAR_BINDINGS_MATERIALBINDING_H
#define BRAWLGEAR_BINDINGS_MATERIALBINDING_H

#include "graphics/Light.h"
#include "script/Binding.h"

namespace bg {

// "Material": ambient, diffuse, specular and emission colours and
// shininess, 17 numbers in that order.
class MaterialBinding : public ValueBinding<MaterialBinding, Material> {
public:
    using ValueBinding::ValueBinding;
    static constexpr const char* className = "Material";
    static const Method<MaterialBinding> methods[];
    static Material* construct(lua_State* L);

    int set(lua_State* L);
};

// Results: a colour's four numbers, a material's seventeen.
template <> struct ScriptValue<Rgba> {
    static int push(lua_State* L, const Rgba& c) {
        lua_pushnumber(L, c.r);
        lua_pushnumber(L, c.g);
        lua_pushnumber(L, c.b);
        lua_pushnumber(L, c.a);
        return 4;
    }
};
template <> struct ScriptValue<Material> {
    using Binding = MaterialBinding;
    static constexpr int count = 1; // only the object: 17 numbers are not an argument form
    [[noreturn]] static Material read(lua_State* L, int) { wrongArgs(L); }
    static int push(lua_State* L, const Material& m) {
        luaL_checkstack(L, Material::SIZE, "Material");
        for (int i = 0; i < Material::SIZE; ++i) lua_pushnumber(L, m.get()[i]);
        return Material::SIZE;
    }
};

} // namespace bg

#endif
