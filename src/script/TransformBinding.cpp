#include "script/TransformBinding.h"

#include "script/MatrixBinding.h"

#include <GL/gl.h>

namespace bg {

void TransformBinding::registerConstants(lua_State* L) {
    const Constant constants[] = {
        {"GL_MODELVIEW", GL_MODELVIEW}, {"GL_PROJECTION", GL_PROJECTION}, {"GL_TEXTURE", GL_TEXTURE}};
    bg::registerConstants(L, constants);
}

// A Matrix, or sixteen numbers row by row.
int TransformBinding::mulMatrix(lua_State* L) {
    const int count = argCount(L);
    if (count != 1 && count != 16) wrongArgs(L);
    const Matrix m = count == 1 ? ScriptBinding<MatrixBinding>::get(L, 1) : argMatrixRows(L, 1);
    object().mulMatrix(m.data());
    return 0;
}

const Method<TransformBinding> TransformBinding::methods[] = {
    {"rotate", &TransformBinding::call<&Transform::rotate>},
    {"scale", &TransformBinding::call<&Transform::scale>},
    {"translate", &TransformBinding::call<&Transform::translate>},
    {"mulMatrix", &TransformBinding::mulMatrix},
    {"pushMatrix", &TransformBinding::call<&Transform::pushMatrix>},
    {"popMatrix", &TransformBinding::call<&Transform::popMatrix>},
    {"loadIdentity", &TransformBinding::call<&Transform::loadIdentity>},
    {"matrixMode", &TransformBinding::call<&Transform::matrixMode>},
    {nullptr, nullptr}};

} // namespace bg
