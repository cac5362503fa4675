#include "script/SceneBinding.h"

#include <GL/gl.h>

namespace bg {

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

int SceneBinding::setBackgroundColor(lua_State* L) {
    expectArgs(L, 4);
    object().setBackgroundColor(argFloat(L, 1), argFloat(L, 2), argFloat(L, 3), argFloat(L, 4));
    return 0;
}

const Method<SceneBinding> SceneBinding::methods[] = {
    {"endSDL", &SceneBinding::call<&Scene::endSDL>},
    {"endAL", &SceneBinding::call<&Scene::endAL>},
    {"restartSDL", &SceneBinding::call<&Scene::restartSDL>},
    {"restartAL", &SceneBinding::call<&Scene::restartAL>},
    {"update", &SceneBinding::call<&Scene::update>},
    {"display", &SceneBinding::call<&Scene::display>},
    {"glBegin2D", &SceneBinding::call<&Scene::glBegin2D>},
    {"glEnd2D", &SceneBinding::call<&Scene::glEnd2D>},
    {"error", &SceneBinding::call<&Scene::error>},
    {"errorAL", &SceneBinding::call<&Scene::errorAL>},
    {"errorGL", &SceneBinding::call<&Scene::errorGL>},
    {"errorSDL", &SceneBinding::call<&Scene::errorSDL>},
    {"set", &SceneBinding::call<&Scene::set>},
    {"isEnabled", &SceneBinding::call<&Scene::isEnabled>, ":isEnable"}, // the message has always been spelled so
    {"restore", &SceneBinding::call<&Scene::restore>},
    {"setBlendFunc", &SceneBinding::call<&Scene::setBlendFunc>},
    {"restoreBlendFunc", &SceneBinding::call<&Scene::restoreBlendFunc>},
    {"setDepthMask", &SceneBinding::call<&Scene::setDepthMask>},
    {"restoreDepthMask", &SceneBinding::call<&Scene::restoreDepthMask>},
    {"setShadeModel", &SceneBinding::call<&Scene::setShadeModel>},
    {"restoreShadeModel", &SceneBinding::call<&Scene::restoreShadeModel>},
    {"hasMultiTexture", &SceneBinding::call<&Scene::hasMultiTexture>},
    {"setBackgroundColor", &SceneBinding::setBackgroundColor},
    {"clearBuffers", &SceneBinding::call<&Scene::clearBuffers>},
    {nullptr, nullptr}};

} // namespace bg
