#ifndef BRAWLGEAR_BINDINGS_MATRIXBINDING_H
#define BRAWLGEAR_BINDINGS_MATRIXBINDING_H

#include "math/Math.h"
#include "script/Binding.h"

namespace bg {

// "Matrix": a 4x4 transform. The setters write only their own elements.
class MatrixBinding : public ValueBinding<MatrixBinding, Matrix> {
public:
    using ValueBinding::ValueBinding;
    static constexpr const char* className = "Matrix";
    static const Method<MatrixBinding> methods[];
    static Matrix* construct(lua_State* L);

    int rotation(lua_State* L);
    int mirror(lua_State* L);
    int get(lua_State* L);
    int set(lua_State* L);
    int mulMatrix(lua_State* L);
};

// Sixteen numbers, row by row, from `first` on.
Matrix argMatrixRows(lua_State* L, int first);

} // namespace bg

#endif
