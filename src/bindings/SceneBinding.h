#ifndef BRAWLGEAR_BINDINGS_SCENEBINDING_H
#define BRAWLGEAR_BINDINGS_SCENEBINDING_H

#include "graphics/Scene.h"
#include "script/Binding.h"

namespace bg {

// "Scene": the window, the contexts and the render state, reached with
// getScene(); the OpenGL constants of the render state are registered with it.
class SceneBinding : public SingletonBinding<SceneBinding, Scene, gScene> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "Scene";
    static constexpr const char* accessorName = "getScene";
    static const Method<SceneBinding> methods[];
    static void registerConstants(lua_State* L);

    int update(lua_State* L);
    int display(lua_State* L);
    int setBackgroundColor(lua_State* L);
};

} // namespace bg

#endif
