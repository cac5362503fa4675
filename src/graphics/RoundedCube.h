#ifndef BRAWLGEAR_GRAPHICS_ROUNDEDCUBE_H
#define BRAWLGEAR_GRAPHICS_ROUNDEDCUBE_H

#include "graphics/Mesh.h"

namespace bg {

// A box with rounded edges and corners, built from a sphere of `radius`
// cut into octants and pulled apart by flat bands; with every side equal
// to the diameter, a sphere (or, with smaller angles, a sphere segment from
// the bottom pole up and from longitude 270 degrees backward).
class RoundedCube : public Mesh {
public:
    RoundedCube(int textureId, const Material& material, float width = 3, float height = 3, float depth = 3,
                float radius = 1, float horizontalAngle = 360, float verticalAngle = 180, int numSlices = 32,
                int numStacks = 32);
};

} // namespace bg

#endif
