#ifndef BRAWLGEAR_BINDINGS_CUBEBINDING_H
#define BRAWLGEAR_BINDINGS_CUBEBINDING_H

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

} // namespace bg

#endif
