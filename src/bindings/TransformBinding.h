#ifndef BRAWLGEAR_BINDINGS_TRANSFORMBINDING_H
#define BRAWLGEAR_BINDINGS_TRANSFORMBINDING_H

#include "graphics/Transform.h"
#include "script/Binding.h"

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

} // namespace bg

#endif
