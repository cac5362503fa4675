#include "bindings/MeshBinding.h"
#include "graphics/CurvedMesh.h"

#include <new>
#include <vector>

namespace bg {

// "CurvedMesh": a mesh with the common mesh methods; its own is `new`.
class CurvedMeshBinding : public MeshBinding<CurvedMeshBinding, CurvedMesh> {
public:
    using MeshBinding::MeshBinding;
    static constexpr const char* className = "CurvedMesh";
    static constexpr const Method<CurvedMeshBinding>* methods = meshMethods<CurvedMeshBinding>;
    static CurvedMesh* construct(lua_State* L);
};

// textureId, Material, interpolationType, n, then 3 x n numbers
// [, angle = 360, numSlices = 32, numStacks = 32].
CurvedMesh* CurvedMeshBinding::construct(lua_State* L) {
    const int count = argCount(L);
    if (count < 4) wrongArgs(L);
    const int textureId = argInt(L, 1);
    const Material& material = ScriptBinding<MaterialBinding>::get(L, 2);
    const int type = argInt(L, 3);
    const int n = argInt(L, 4);
    // Fewer than two points stop at the shape's own assertion, before any
    // storage is sized from the count.
    const int points = n > 1 ? n : 0;
    if (points > count || count < 3 * points + 4 || count > 3 * points + 7) wrongArgs(L);
    const int rest = 4 + 3 * points;
    const int angle = count > rest ? argInt(L, rest + 1) : 360;
    const int slices = count > rest + 1 ? argInt(L, rest + 2) : 32;
    const int stacks = count > rest + 2 ? argInt(L, rest + 3) : 32;
    // Every argument is checked before anything with a destructor exists.
    for (int i = 0; i < 3 * points; ++i) argNumber(L, 5 + i);
    CurvedMesh* mesh = nullptr;
    {
        std::vector<Point> controlPoints;
        for (int i = 0; i < points; ++i)
            controlPoints.emplace_back(argFloat(L, 5 + 3 * i), argFloat(L, 6 + 3 * i), argFloat(L, 7 + 3 * i));
        try {
            mesh = new CurvedMesh(textureId, material, type, controlPoints, angle, slices, stacks);
        } catch (const std::bad_alloc&) {
            mesh = nullptr;
        }
    }
    if (!mesh) raiseMemoryError(L);
    return mesh;
}

void registerCurvedMeshClass(lua_State* L) { ScriptBinding<CurvedMeshBinding>::registerClass(L); }

} // namespace bg
