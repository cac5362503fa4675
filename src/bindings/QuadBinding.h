#ifndef BRAWLGEAR_BINDINGS_QUADBINDING_H
#define BRAWLGEAR_BINDINGS_QUADBINDING_H

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

} // namespace bg

#endif
