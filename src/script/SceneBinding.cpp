#include "script/SceneBinding.h"

#include <GL/gl.h>

namespace bg {

void SceneBinding::registerGlobals(lua_State* L) {
    SingletonBinding::registerGlobals(L);
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
    registerConstants(L, constants);
}

int SceneBinding::call(lua_State* L, const char* method, void (Scene::*function)()) {
    expectArgs(L, 0, method);
    (object().*function)();
    return 0;
}

int SceneBinding::report(lua_State* L, const char* method, bool (Scene::*function)(const char*)) {
    expectArgs(L, 1, method);
    lua_pushboolean(L, (object().*function)(argString(L, 1)));
    return 1;
}

int SceneBinding::endSDL(lua_State* L) { return call(L, ":endSDL", &Scene::endSDL); }
int SceneBinding::endAL(lua_State* L) { return call(L, ":endAL", &Scene::endAL); }
int SceneBinding::restartSDL(lua_State* L) { return call(L, ":restartSDL", &Scene::restartSDL); }
int SceneBinding::restartAL(lua_State* L) { return call(L, ":restartAL", &Scene::restartAL); }
int SceneBinding::update(lua_State* L) { return call(L, ":update", &Scene::update); }
int SceneBinding::display(lua_State* L) { return call(L, ":display", &Scene::display); }
int SceneBinding::glBegin2D(lua_State* L) { return call(L, ":glBegin2D", &Scene::glBegin2D); }
int SceneBinding::glEnd2D(lua_State* L) { return call(L, ":glEnd2D", &Scene::glEnd2D); }
int SceneBinding::restoreBlendFunc(lua_State* L) { return call(L, ":restoreBlendFunc", &Scene::restoreBlendFunc); }
int SceneBinding::restoreDepthMask(lua_State* L) { return call(L, ":restoreDepthMask", &Scene::restoreDepthMask); }
int SceneBinding::restoreShadeModel(lua_State* L) { return call(L, ":restoreShadeModel", &Scene::restoreShadeModel); }
int SceneBinding::clearBuffers(lua_State* L) { return call(L, ":clearBuffers", &Scene::clearBuffers); }

int SceneBinding::error(lua_State* L) { return report(L, ":error", &Scene::error); }
int SceneBinding::errorAL(lua_State* L) { return report(L, ":errorAL", &Scene::errorAL); }
int SceneBinding::errorGL(lua_State* L) { return report(L, ":errorGL", &Scene::errorGL); }
int SceneBinding::errorSDL(lua_State* L) { return report(L, ":errorSDL", &Scene::errorSDL); }

int SceneBinding::set(lua_State* L) {
    expectArgs(L, 2, ":set");
    object().set(argInt(L, 1), argBool(L, 2));
    return 0;
}

int SceneBinding::isEnabled(lua_State* L) {
    expectArgs(L, 1, ":isEnable"); // the message has always been spelled so
    lua_pushboolean(L, object().isEnabled(argInt(L, 1)));
    return 1;
}

int SceneBinding::restore(lua_State* L) {
    expectArgs(L, 1, ":restore");
    object().restore(argInt(L, 1));
    return 0;
}

int SceneBinding::setBlendFunc(lua_State* L) {
    expectArgs(L, 2, ":setBlendFunc");
    object().setBlendFunc(argInt(L, 1), argInt(L, 2));
    return 0;
}

int SceneBinding::setDepthMask(lua_State* L) {
    expectArgs(L, 1, ":setDepthMask");
    object().setDepthMask(argBool(L, 1));
    return 0;
}

int SceneBinding::setShadeModel(lua_State* L) {
    expectArgs(L, 1, ":setShadeModel");
    object().setShadeModel(argInt(L, 1));
    return 0;
}

int SceneBinding::hasMultiTexture(lua_State* L) {
    expectArgs(L, 0, ":hasMultiTexture");
    lua_pushboolean(L, object().hasMultiTexture());
    return 1;
}

int SceneBinding::setBackgroundColor(lua_State* L) {
    expectArgs(L, 4, ":setBackgroundColor");
    object().setBackgroundColor(argFloat(L, 1), argFloat(L, 2), argFloat(L, 3), argFloat(L, 4));
    return 0;
}

const Method<SceneBinding> SceneBinding::methods[] = {
    {"endSDL", &SceneBinding::endSDL},
    {"endAL", &SceneBinding::endAL},
    {"restartSDL", &SceneBinding::restartSDL},
    {"restartAL", &SceneBinding::restartAL},
    {"update", &SceneBinding::update},
    {"display", &SceneBinding::display},
    {"glBegin2D", &SceneBinding::glBegin2D},
    {"glEnd2D", &SceneBinding::glEnd2D},
    {"error", &SceneBinding::error},
    {"errorAL", &SceneBinding::errorAL},
    {"errorGL", &SceneBinding::errorGL},
    {"errorSDL", &SceneBinding::errorSDL},
    {"set", &SceneBinding::set},
    {"isEnabled", &SceneBinding::isEnabled},
    {"restore", &SceneBinding::restore},
    {"setBlendFunc", &SceneBinding::setBlendFunc},
    {"restoreBlendFunc", &SceneBinding::restoreBlendFunc},
    {"setDepthMask", &SceneBinding::setDepthMask},
    {"restoreDepthMask", &SceneBinding::restoreDepthMask},
    {"setShadeModel", &SceneBinding::setShadeModel},
    {"restoreShadeModel", &SceneBinding::restoreShadeModel},
    {"hasMultiTexture", &SceneBinding::hasMultiTexture},
    {"setBackgroundColor", &SceneBinding::setBackgroundColor},
    {"clearBuffers", &SceneBinding::clearBuffers},
    {nullptr, nullptr}};

} // namespace bg
