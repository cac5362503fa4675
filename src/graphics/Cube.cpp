#include "graphics/Cube.h"

namespace bg {

Cube::Cube(int textureId, const Material& material, float width, float height, float depth, int numSlices,
           int numStacks)
    : Mesh(textureId, material, 1, true) {
    BG_ASSERT(width >= 0.f);
    BG_ASSERT(height >= 0.f);
    BG_ASSERT(depth >= 0.f);
    BG_ASSERT(numSlices >= 1);
    BG_ASSERT(numStacks >= 1);
    BG_ASSERT(isPowerOfTwo( numSlices ));
    BG_ASSERT(isPowerOfTwo( numStacks ));
    allocate(4LL * numSlices + 1, numStacks + 1LL);
    setLevels(log2(numSlices) + 1, log2(numStacks) + 1);
    const float w = width / 2, d = depth / 2, sx = width / numSlices, sz = depth / numSlices;
    const float y0 = -height / 2, dy = height / numStacks;
    for (int j = 0; j <= numStacks; ++j) {
        const float y = y0 + j * dy;
        for (int k = 0; k < numSlices; ++k) {
            setPosition(k, j, Point(-w, y, k * sz - d));
            setPosition(numSlices + k, j, Point(k * sx - w, y, d));
            setPosition(2 * numSlices + k, j, Point(w, y, d - k * sz));
            setPosition(3 * numSlices + k, j, Point(w - k * sx, y, -d));
        }
        setPosition(4 * numSlices, j, position(0, j)); // the band closes
    }
    computeNormals();
    computeTextureCoordinates();
    computeBoundingSphere();
}

} // namespace bg
