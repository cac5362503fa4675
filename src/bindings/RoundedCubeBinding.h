#ifndef BRAWLGEAR_BINDINGS_ROUNDEDCUBEBINDING_H
#define BRAWLGEAR_BINDINGS_ROUNDEDCUBEBINDING_H

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

} // namespace bg

#endif
