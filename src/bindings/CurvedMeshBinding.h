#ifndef BRAWLGEAR_BINDINGS_CURVEDMESHBINDING_H
#define BRAWLGEAR_BINDINGS_CURVEDMESHBINDING_H

#include "bindings/MeshBinding.h"
#include "graphics/CurvedMesh.h"

namespace bg {

// "CurvedMesh": a mesh with the common mesh methods; its own is `new`.
class CurvedMeshBinding : public MeshBinding<CurvedMeshBinding, CurvedMesh> {
public:
    using MeshBinding::MeshBinding;
    static constexpr const char* className = "CurvedMesh";
    static constexpr const Method<CurvedMeshBinding>* methods = meshMethods<CurvedMeshBinding>;
    static CurvedMesh* construct(lua_State* L);
};

} // namespace bg

#endif
