#include "bindings/MeshBinding.h"
#include "graphics/Cube.h"

namespace bg {

// "Cube": a mesh with the common mesh methods; its own is `new`.
class CubeBinding : public MeshBinding<CubeBinding, Cube> {
public:
    using MeshBinding::MeshBinding;
    static constexpr const char* className = "Cube";
    static constexpr const Method<CubeBinding>* methods = meshMethods<CubeBinding>;
    static Cube* construct(lua_State* L);
};

// textureId, Material [, width = 3, height = 3, depth = 3, numSlices = 32, numStacks = 32]
Cube* CubeBinding::construct(lua_State* L) {
    const int count = argCount(L);
    if (count < 2 || count > 7) wrongArgs(L);
    const int textureId = argInt(L, 1);
    const Material& material = ScriptBinding<MaterialBinding>::get(L, 2);
    const float width = count > 2 ? argFloat(L, 3) : 3, height = count > 3 ? argFloat(L, 4) : 3,
                depth = count > 4 ? argFloat(L, 5) : 3;
    const int slices = count > 5 ? argInt(L, 6) : 32, stacks = count > 6 ? argInt(L, 7) : 32;
    return make<Cube>(L, textureId, material, width, height, depth, slices, stacks);
}

void registerCubeClass(lua_State* L) { ScriptBinding<CubeBinding>::registerClass(L); }

} // namespace bg
