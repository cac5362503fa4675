#include "bindings/MeshBinding.h"
#include "graphics/Quad.h"

namespace bg {

// "Quad": a mesh with the common mesh methods; its own is `new`.
class QuadBinding : public MeshBinding<QuadBinding, Quad> {
public:
    using MeshBinding::MeshBinding;
    static constexpr const char* className = "Quad";
    static constexpr const Method<QuadBinding>* methods = meshMethods<QuadBinding>;
    static Quad* construct(lua_State* L);
};

// textureId, Material [, width = 1, height = 1, numSlices = 32, numStacks = 32]
Quad* QuadBinding::construct(lua_State* L) {
    const int count = argCount(L);
    if (count < 2 || count > 6) wrongArgs(L);
    const int textureId = argInt(L, 1);
    const Material& material = ScriptBinding<MaterialBinding>::get(L, 2);
    const float width = count > 2 ? argFloat(L, 3) : 1, height = count > 3 ? argFloat(L, 4) : 1;
    const int slices = count > 4 ? argInt(L, 5) : 32, stacks = count > 5 ? argInt(L, 6) : 32;
    return make<Quad>(L, textureId, material, width, height, slices, stacks);
}

void registerQuadClass(lua_State* L) { ScriptBinding<QuadBinding>::registerClass(L); }

} // namespace bg
