#ifndef BRAWLGEAR_SCRIPT_SCENEBINDING_H
#define BRAWLGEAR_SCRIPT_SCENEBINDING_H

#include "graphics/Scene.h"
#include "script/Binding.h"

namespace bg {

// "Scene": the window, the contexts and the render state, reached with
// getScene(); the OpenGL constants of the render state are registered with it.
class SceneBinding : public SingletonBinding<SceneBinding, Scene, gScene> {
public:
    static constexpr const char* className = "Scene";
    static constexpr const char* accessorName = "getScene";
    static const Method<SceneBinding> methods[];
    static void registerGlobals(lua_State* L);

    int endSDL(lua_State* L);
    int endAL(lua_State* L);
    int restartSDL(lua_State* L);
    int restartAL(lua_State* L);
    int update(lua_State* L);
    int display(lua_State* L);
    int glBegin2D(lua_State* L);
    int glEnd2D(lua_State* L);
    int error(lua_State* L);
    int errorAL(lua_State* L);
    int errorGL(lua_State* L);
    int errorSDL(lua_State* L);
    int set(lua_State* L);
    int isEnabled(lua_State* L);
    int restore(lua_State* L);
    int setBlendFunc(lua_State* L);
    int restoreBlendFunc(lua_State* L);
    int setDepthMask(lua_State* L);
    int restoreDepthMask(lua_State* L);
    int setShadeModel(lua_State* L);
    int restoreShadeModel(lua_State* L);
    int hasMultiTexture(lua_State* L);
    int setBackgroundColor(lua_State* L);
    int clearBuffers(lua_State* L);

private:
    // The methods that take nothing and answer nothing.
    int call(lua_State* L, const char* method, void (Scene::*function)());
    int report(lua_State* L, const char* method, bool (Scene::*function)(const char*));
};

} // namespace bg

#endif
