#include "bindings/MatrixBinding.h"
#include "graphics/Transform.h"
#include "script/Binding.h"

#include <GL/gl.h>

namespace bg {

// "Transform": OpenGL's matrix stacks, reached with getTransform().
class TransformBinding : public SingletonBinding<TransformBinding, Transform, gTransform> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "Transform";
    static constexpr const char* accessorName = "getTransform";
    static const Method<TransformBinding> methods[];
    static void registerConstants(lua_State* L);

    int mulMatrix(lua_State* L);
};

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

void registerTransformClass(lua_State* L) { ScriptBinding<TransformBinding>::registerClass(L); }

} // namespace bg
