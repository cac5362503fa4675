#include "bindings/TransformBinding.h"

#include "bindings/MatrixBinding.h"

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
    {"rotate", call<&Transform::rotate>},
    {"scale", call<&Transform::scale>},
    {"translate", call<&Transform::translate>},
    {"mulMatrix", method<&TransformBinding::mulMatrix>},
    {"pushMatrix", call<&Transform::pushMatrix>},
    {"popMatrix", call<&Transform::popMatrix>},
    {"loadIdentity", call<&Transform::loadIdentity>},
    {"matrixMode", call<&Transform::matrixMode>},
    {nullptr, nullptr}};

} // namespace bg
