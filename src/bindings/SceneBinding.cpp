#include "bindings/ColorBinding.h"
#include "bindings/FrameHooks.h"
#include "graphics/Scene.h"
#include "script/Binding.h"

#include <GL/gl.h>

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
    int getStats(lua_State* L);
};

void SceneBinding::registerConstants(lua_State* L) {
    const Constant constants[] = {{"GL_TRUE", GL_TRUE},
                                  {"GL_FALSE", GL_FALSE},
                                  {"GL_ALPHA_TEST", GL_ALPHA_TEST},
                                  {"GL_BLEND", GL_BLEND},
                                  {"GL_CULL_FACE", GL_CULL_FACE},
                                  {"GL_DEPTH_TEST", GL_DEPTH_TEST},
                                  {"GL_FOG", GL_FOG},
                                  {"GL_LIGHTING", GL_LIGHTING},
                                  {"GL_TEXTURE_2D", GL_TEXTURE_2D},
                                  {"GL_NORMALIZE", GL_NORMALIZE},
                                  {"GL_ZERO", GL_ZERO},
                                  {"GL_ONE", GL_ONE},
                                  {"GL_SRC_COLOR", GL_SRC_COLOR},
                                  {"GL_ONE_MINUS_SRC_COLOR", GL_ONE_MINUS_SRC_COLOR},
                                  {"GL_DST_COLOR", GL_DST_COLOR},
                                  {"GL_ONE_MINUS_DST_COLOR", GL_ONE_MINUS_DST_COLOR},
                                  {"GL_SRC_ALPHA", GL_SRC_ALPHA},
                                  {"GL_ONE_MINUS_SRC_ALPHA", GL_ONE_MINUS_SRC_ALPHA},
                                  {"GL_DST_ALPHA", GL_DST_ALPHA},
                                  {"GL_ONE_MINUS_DST_ALPHA", GL_ONE_MINUS_DST_ALPHA},
                                  {"GL_SRC_ALPHA_SATURATE", GL_SRC_ALPHA_SATURATE},
                                  {"GL_FLAT", GL_FLAT},
                                  {"GL_SMOOTH", GL_SMOOTH}};
    bg::registerConstants(L, constants);
}

// Events are read here: a request to quit (or to reload, in development)
// ends the game between frames.
int SceneBinding::update(lua_State* L) {
    expectArgs(L, 0);
    object().update();
    if (gFrameHooks.afterEvents) gFrameHooks.afterEvents(L);
    return 0;
}

// Around the swap the executable's hooks run: a captured run writes its
// chosen frames just before it and ends after its last one.
int SceneBinding::display(lua_State* L) {
    expectArgs(L, 0);
    if (gFrameHooks.beforeSwap) gFrameHooks.beforeSwap();
    object().display();
    if (gFrameHooks.afterSwap) gFrameHooks.afterSwap(L);
    return 0;
}

// A Color, or four numbers made into one.
int SceneBinding::setBackgroundColor(lua_State* L) {
    const Color c = argValue<Color>(L);
    object().setBackgroundColor(c.getR(), c.getG(), c.getB(), c.getA());
    return 0;
}

// A table of the last frame's statistics (see SceneStats).
int SceneBinding::getStats(lua_State* L) {
    expectArgs(L, 0);
    SceneStats::Field fields[SceneStats::FIELDS];
    object().getStats().fields(fields);
    lua_createtable(L, 0, SceneStats::FIELDS);
    for (const SceneStats::Field& field : fields) {
        lua_pushnumber(L, field.value);
        lua_setfield(L, -2, field.name);
    }
    return 1;
}

const Method<SceneBinding> SceneBinding::methods[] = {
    {"endSDL", call<&Scene::endSDL>},
    {"endAL", call<&Scene::endAL>},
    {"restartSDL", call<&Scene::restartSDL>},
    {"restartAL", call<&Scene::restartAL>},
    {"update", method<&SceneBinding::update>},
    {"display", method<&SceneBinding::display>},
    {"glBegin2D", call<&Scene::glBegin2D>},
    {"glEnd2D", call<&Scene::glEnd2D>},
    {"error", call<&Scene::error>},
    {"errorAL", call<&Scene::errorAL>},
    {"errorGL", call<&Scene::errorGL>},
    {"errorSDL", call<&Scene::errorSDL>},
    {"set", call<&Scene::set>},
    {"isEnabled", call<&Scene::isEnabled>, ":isEnable"}, // the message has always been spelled so
    {"restore", call<&Scene::restore>},
    {"setBlendFunc", call<&Scene::setBlendFunc>},
    {"restoreBlendFunc", call<&Scene::restoreBlendFunc>},
    {"setDepthMask", call<&Scene::setDepthMask>},
    {"restoreDepthMask", call<&Scene::restoreDepthMask>},
    {"setShadeModel", call<&Scene::setShadeModel>},
    {"restoreShadeModel", call<&Scene::restoreShadeModel>},
    {"hasMultiTexture", call<&Scene::hasMultiTexture>},
    {"setBackgroundColor", method<&SceneBinding::setBackgroundColor>},
    {"clearBuffers", call<&Scene::clearBuffers>},
    {"getStats", method<&SceneBinding::getStats>},
    {nullptr, nullptr}};

void registerSceneClass(lua_State* L) { ScriptBinding<SceneBinding>::registerClass(L); }

} // namespace bg
