#include "script/TransformBinding.h"

#include "script/MatrixBinding.h"

#include <GL/gl.h>

namespace bg {

void TransformBinding::registerGlobals(lua_State* L) {
    SingletonBinding::registerGlobals(L);
    const Constant constants[] = {
        {"GL_MODELVIEW", GL_MODELVIEW}, {"GL_PROJECTION", GL_PROJECTION}, {"GL_TEXTURE", GL_TEXTURE}};
    registerConstants(L, constants);
}

int TransformBinding::rotate(lua_State* L) {
    expectArgs(L, 4, ":rotate");
    object().rotate(argFloat(L, 1), argFloat(L, 2), argFloat(L, 3), argFloat(L, 4));
    return 0;
}

int TransformBinding::scale(lua_State* L) {
    expectArgs(L, 3, ":scale");
    object().scale(argFloat(L, 1), argFloat(L, 2), argFloat(L, 3));
    return 0;
}

int TransformBinding::translate(lua_State* L) {
    expectArgs(L, 3, ":translate");
    object().translate(argFloat(L, 1), argFloat(L, 2), argFloat(L, 3));
    return 0;
}

// A Matrix, or sixteen numbers row by row.
int TransformBinding::mulMatrix(lua_State* L) {
    const int count = lua_gettop(L);
    if (count != 1 && count != 16) wrongArgs(L, ":mulMatrix");
    const Matrix m = count == 1 ? ScriptBinding<MatrixBinding>::check(L, 1)->object() : argMatrixRows(L, 1);
    object().mulMatrix(m.data());
    return 0;
}

int TransformBinding::pushMatrix(lua_State* L) {
    expectArgs(L, 0, ":pushMatrix");
    object().pushMatrix();
    return 0;
}

int TransformBinding::popMatrix(lua_State* L) {
    expectArgs(L, 0, ":popMatrix");
    object().popMatrix();
    return 0;
}

int TransformBinding::loadIdentity(lua_State* L) {
    expectArgs(L, 0, ":loadIdentity");
    object().loadIdentity();
    return 0;
}

int TransformBinding::matrixMode(lua_State* L) {
    expectArgs(L, 1, ":matrixMode");
    object().matrixMode(argInt(L, 1));
    return 0;
}

const Method<TransformBinding> TransformBinding::methods[] = {
    {"rotate", &TransformBinding::rotate},         {"scale", &TransformBinding::scale},
    {"translate", &TransformBinding::translate},   {"mulMatrix", &TransformBinding::mulMatrix},
    {"pushMatrix", &TransformBinding::pushMatrix}, {"popMatrix", &TransformBinding::popMatrix},
    {"loadIdentity", &TransformBinding::loadIdentity}, {"matrixMode", &TransformBinding::matrixMode},
    {nullptr, nullptr}};

} // namespace bg
