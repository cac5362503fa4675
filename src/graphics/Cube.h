#ifndef BRAWLGEAR_GRAPHICS_CUBE_H
#define BRAWLGEAR_GRAPHICS_CUBE_H

#include "graphics/Mesh.h"

namespace bg {

// The four side walls of a box centred on the origin, as one closed band
// facing outward (no top or bottom).
class Cube : public Mesh {
public:
    Cube(int textureId, const Material& material, float width = 3, float height = 3, float depth = 3,
         int numSlices = 32, int numStacks = 32);
};

} // namespace bg

#endif
