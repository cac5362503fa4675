#include "bindings/MeshBinding.h"
#include "graphics/RoundedCube.h"

namespace bg {

// "RoundedCube": a mesh with the common mesh methods; its own is `new`.
class RoundedCubeBinding : public MeshBinding<RoundedCubeBinding, RoundedCube> {
public:
    using MeshBinding::MeshBinding;
    static constexpr const char* className = "RoundedCube";
    static constexpr const Method<RoundedCubeBinding>* methods = meshMethods<RoundedCubeBinding>;
    static RoundedCube* construct(lua_State* L);
};

// textureId, Material [, width = 3, height = 3, depth = 3, radius = 1,
// horizontalAngle = 360, verticalAngle = 180, numSlices = 32, numStacks = 32]
RoundedCube* RoundedCubeBinding::construct(lua_State* L) {
    const int count = argCount(L);
    if (count < 2 || count > 10) wrongArgs(L);
    const int textureId = argInt(L, 1);
    const Material& material = ScriptBinding<MaterialBinding>::get(L, 2);
    const float defaults[] = {3, 3, 3, 1, 360, 180};
    float v[6];
    for (int i = 0; i < 6; ++i) v[i] = count > 2 + i ? argFloat(L, 3 + i) : defaults[i];
    const int slices = count > 8 ? argInt(L, 9) : 32, stacks = count > 9 ? argInt(L, 10) : 32;
    return make<RoundedCube>(L, textureId, material, v[0], v[1], v[2], v[3], v[4], v[5], slices, stacks);
}

void registerRoundedCubeClass(lua_State* L) { ScriptBinding<RoundedCubeBinding>::registerClass(L); }

} // namespace bg
