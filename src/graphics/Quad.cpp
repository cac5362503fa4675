#include "graphics/Quad.h"

#include <cmath>

namespace bg {

Quad::Quad(int textureId, const Material& material, float width, float height, int numSlices, int numStacks)
    : Mesh(textureId, material, 1, true) {
    BG_ASSERT(width > 0);
    BG_ASSERT(height > 0);
    BG_ASSERT(numSlices >= 1);
    BG_ASSERT(numStacks >= 1);
    BG_ASSERT(isPowerOfTwo( numSlices ));
    BG_ASSERT(isPowerOfTwo( numStacks ));
    allocate(numSlices + 1LL, numStacks + 1LL);
    setLevels(log2(numSlices) + 1, log2(numStacks) + 1);
    for (int j = 0; j <= numStacks; ++j)
        for (int i = 0; i <= numSlices; ++i) {
            setPosition(i, j, Point(i * width / numSlices - width / 2, j * height / numStacks - height / 2, 0));
            setNormal(i, j, Vector(0, 0, 1));
        }
    computeTextureCoordinates();
    computeBoundingSphere();
}

} // namespace bg
