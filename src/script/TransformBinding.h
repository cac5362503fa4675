#ifndef BRAWLGEAR_SCRIPT_TRANSFORMBINDING_H
#define BRAWLGEAR_SCRIPT_TRANSFORMBINDING_H

#include "graphics/Transform.h"
#include "script/Binding.h"

namespace bg {

// "Transform": OpenGL's matrix stacks, reached with getTransform().
class TransformBinding : public SingletonBinding<TransformBinding, Transform, gTransform> {
public:
    static constexpr const char* className = "Transform";
    static constexpr const char* accessorName = "getTransform";
    static const Method<TransformBinding> methods[];
    static void registerGlobals(lua_State* L);

    int rotate(lua_State* L);
    int scale(lua_State* L);
    int translate(lua_State* L);
    int mulMatrix(lua_State* L);
    int pushMatrix(lua_State* L);
    int popMatrix(lua_State* L);
    int loadIdentity(lua_State* L);
    int matrixMode(lua_State* L);
};

} // namespace bg

#endif
