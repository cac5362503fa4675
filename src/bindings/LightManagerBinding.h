#ifndef BRAWLGEAR_BINDINGS_LIGHTMANAGERBINDING_H
#define BRAWLGEAR_BINDINGS_LIGHTMANAGERBINDING_H

#include "graphics/Light.h"
#include "script/Binding.h"

namespace bg {

// "LightManager": the eight OpenGL lights by id, reached with
// getLightManager().
class LightManagerBinding : public SingletonBinding<LightManagerBinding, LightManager, gLightManager> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "LightManager";
    static constexpr const char* accessorName = "getLightManager";
    static const Method<LightManagerBinding> methods[];

    int setPosition(lua_State* L);
    int setRadius(lua_State* L);
    int getPosition(lua_State* L);
    int transform(lua_State* L);
};

} // namespace bg

#endif
