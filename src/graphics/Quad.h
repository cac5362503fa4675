#ifndef BRAWLGEAR_GRAPHICS_QUAD_H
#define BRAWLGEAR_GRAPHICS_QUAD_H

#include "graphics/Mesh.h"

namespace bg {

// A flat rectangle in the XY plane, centred on the origin, facing +Z.
class Quad : public Mesh {
public:
    Quad(int textureId, const Material& material, float width = 1, float height = 1, int numSlices = 32,
         int numStacks = 32);
};

} // namespace bg

#endif
