#ifndef BRAWLGEAR_GRAPHICS_CURVEDMESH_H
#define BRAWLGEAR_GRAPHICS_CURVEDMESH_H

#include "graphics/Mesh.h"

#include <vector>

namespace bg {

// A surface of revolution: a profile through the control points (linear,
// 0, or a natural cubic spline, 1) turned about the Y axis by `angle`
// degrees.
class CurvedMesh : public Mesh {
public:
    static constexpr int LINEAR = 0;
    static constexpr int CUBIC = 1;

    CurvedMesh(int textureId, const Material& material, int interpolationType, const std::vector<Point>& controlPoints,
               int angle = 360, int numSlices = 32, int numStacks = 32);
};

} // namespace bg

#endif
