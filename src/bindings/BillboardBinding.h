#ifndef BRAWLGEAR_BINDINGS_BILLBOARDBINDING_H
#define BRAWLGEAR_BINDINGS_BILLBOARDBINDING_H

#include "graphics/Billboard.h"
#include "script/Binding.h"

namespace bg {

// "Billboard": Billboard(Color, textureId, width, height) or
// Billboard(r, g, b, a, textureId, width, height).
class BillboardBinding : public ValueBinding<BillboardBinding, Billboard> {
public:
    using ValueBinding::ValueBinding;
    static constexpr const char* className = "Billboard";
    static const Method<BillboardBinding> methods[];
    static Billboard* construct(lua_State* L);

    int display(lua_State* L);
    int getDimension(lua_State* L);
};

} // namespace bg

#endif
