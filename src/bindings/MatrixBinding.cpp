#include "bindings/MatrixBinding.h"

#include "bindings/PlaneBinding.h"
#include "bindings/PointBinding.h"
#include "bindings/VectorBinding.h"

namespace bg {

Matrix argMatrixRows(lua_State* L, int first) {
    float m[16];
    for (int i = 0; i < 16; ++i) m[i] = argFloat(L, first + i);
    return Matrix(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8], m[9], m[10], m[11], m[12], m[13], m[14],
                  m[15]);
}

Matrix* MatrixBinding::construct(lua_State* L) {
    const int count = argCount(L);
    if (count != 0 && count != 16) wrongArgs(L);
    return make<Matrix>(L, count == 16 ? argMatrixRows(L, 1) : Matrix());
}

// Three angles (a Vector or three numbers), or an angle and an axis (a
// Vector or three numbers).
int MatrixBinding::rotation(lua_State* L) {
    const int count = argCount(L);
    if (count == 2 || count == 4) {
        const float angle = argFloat(L, 1);
        Vector axis;
        argValueAt(L, 2, axis);
        object().rotation(angle, axis);
    } else {
        object().rotation(argValue<Vector>(L));
    }
    return 0;
}

// A Plane, or a, b, c, d made into a normalised plane first.
int MatrixBinding::mirror(lua_State* L) {
    const int count = argCount(L);
    if (count != 1 && count != 4) wrongArgs(L);
    const Plane plane = count == 1 ? ScriptBinding<PlaneBinding>::get(L, 1)
                                   : Plane{argFloat(L, 1), argFloat(L, 2), argFloat(L, 3), argFloat(L, 4)};
    object().mirror(plane.a, plane.b, plane.c, plane.d);
    return 0;
}

int MatrixBinding::get(lua_State* L) {
    expectArgs(L, 2);
    const int row = argInt(L, 1), col = argInt(L, 2);
    lua_pushnumber(L, object()(row, col));
    return 1;
}

int MatrixBinding::set(lua_State* L) {
    const int count = argCount(L);
    if (count == 1) {
        object() = ScriptBinding<MatrixBinding>::get(L, 1);
    } else if (count == 3) {
        const int row = argInt(L, 1), col = argInt(L, 2);
        object()(row, col) = argFloat(L, 3);
    } else {
        wrongArgs(L);
    }
    return 0;
}

// The sixteen elements of this times the argument, in storage order.
int MatrixBinding::mulMatrix(lua_State* L) {
    const int count = argCount(L);
    if (count != 1 && count != 16) wrongArgs(L);
    const Matrix right = count == 1 ? ScriptBinding<MatrixBinding>::get(L, 1) : argMatrixRows(L, 1);
    const Matrix product = object() * right;
    luaL_checkstack(L, 16, "Matrix:mulMatrix");
    for (int i = 0; i < 16; ++i) lua_pushnumber(L, product.data()[i]);
    return 16;
}

const Method<MatrixBinding> MatrixBinding::methods[] = {
    {"identity", call<&Matrix::identity>},
    {"rotation", method<&MatrixBinding::rotation>},
    {"inverseRotation", call<&Matrix::inverseRotation>},
    {"translation", call<&Matrix::translation>, ":traslation"}, // the message has always been spelled so
    {"inverseTranslation", call<&Matrix::inverseTranslation>},
    {"scale", call<&Matrix::scale>},
    {"inverseScale", call<&Matrix::inverseScale>},
    {"inverse", call<&Matrix::inverse>},
    {"shear", call<&Matrix::shear>},
    {"inverseShear", call<&Matrix::inverseShear>},
    {"mirror", method<&MatrixBinding::mirror>},
    {"get", method<&MatrixBinding::get>},
    {"set", method<&MatrixBinding::set>},
    {"mulMatrix", method<&MatrixBinding::mulMatrix>},
    {"mulVector", call<&Matrix::mulVector>},
    {"mulPoint", call<&Matrix::mulPoint>},
    {nullptr, nullptr}};

} // namespace bg
