#include "graphics/RoundedCube.h"

#include <cmath>

namespace bg {

namespace {
// Angles are tested as whole thousandths, as the construction always has.
int thousandths(float angle) { return static_cast<int>(std::trunc(static_cast<double>(angle) * 1000)); }
} // namespace

RoundedCube::RoundedCube(int textureId, const Material& material, float width, float height, float depth,
                         float radius, float horizontalAngle, float verticalAngle, int numSlices, int numStacks)
    : Mesh(textureId, material, 1, true) {
    const float diameter = 2 * radius;
    BG_ASSERT(radius > 0.f);
    BG_ASSERT(width >= diameter);
    BG_ASSERT(height >= diameter);
    BG_ASSERT(depth >= diameter);
    BG_ASSERT(numSlices >= 4);
    BG_ASSERT(numStacks >= 2);
    BG_ASSERT(isPowerOfTwo( numSlices ));
    BG_ASSERT(isPowerOfTwo( numStacks ));
    BG_ASSERT(horizontalAngle > 0);
    BG_ASSERT(verticalAngle > 0);
    BG_ASSERT(horizontalAngle <= 360);
    BG_ASSERT(verticalAngle <= 180);
    if (horizontalAngle != 360) setNormalFlag(0); // the band is open

    const float ex = width - diameter, ey = height - diameter, ez = depth - diameter;
    const bool hasX = ex > 0, hasY = ey > 0, hasZ = ez > 0;
    if (hasX || hasZ)
        BG_ASSERT(horizontalAngle == 360);
    else if (hasY)
        BG_ASSERT(verticalAngle == 180);

    const long long mNumVerticesX = numSlices + 1LL + (hasX ? 2 : 0) + (hasZ ? 2 : 0);
    const long long mNumVerticesY = numStacks + 1LL + (hasY ? 1 : 0);
    allocate(mNumVerticesX, mNumVerticesY);
    setLevels(log2(numSlices) - 1, log2(numStacks));
    if (hasX || hasY || hasZ) setLODEnabled(false);

    const float dH = horizontalAngle * 0.017453292f / numSlices;
    const float dV = verticalAngle * 0.017453292f / numStacks;
    float phi = 4.712389f;
    float oy = -ey / 2;
    int y = 0;
    for (int stack = 0; stack <= numStacks; ++stack, phi += dV) {
        const float rho = std::cos(phi) * radius;
        const float height = std::sin(phi) * radius + oy;
        float theta = 4.712389f;
        float ox = -ex / 2, oz = -ez / 2;
        int x = 0;
        // Counted even past the row's end (never written there): the
        // assertion below then names what went wrong.
        auto put = [&](const Point& p) {
            if (x < mNumVerticesX && y < mNumVerticesY) setPosition(x, y, p);
            ++x;
        };
        for (int slice = 0; slice <= numSlices; ++slice, theta -= dH) {
            const Point p(std::cos(theta) * rho + ox, height, std::sin(theta) * rho + oz);
            put(p);
            // The flat bands: the vertex again, moved along the extension.
            const int t = thousandths(theta);
            if (t == 3141 && hasZ) {
                put(p + Vector(0, 0, ez));
                ox = -ex / 2, oz = ez / 2;
            } else if (t == 1570 && hasX) {
                put(p + Vector(ex, 0, 0));
                ox = ex / 2, oz = ez / 2;
            } else if (t == 0 && hasZ) {
                put(p + Vector(0, 0, -ez));
                ox = ex / 2, oz = -ez / 2;
            } else if (t == -1570 && hasX) {
                put(p + Vector(-ex, 0, 0));
            }
        }
        BG_ASSERT(x == mNumVerticesX);
        ++y;
        if (thousandths(phi) == 6283 && hasY && y < mNumVerticesY) {
            for (int i = 0; i < mNumVerticesX; ++i) setPosition(i, y, position(i, y - 1) + Vector(0, ey, 0));
            ++y;
            oy = ey / 2;
        }
        if (y >= mNumVerticesY && stack < numStacks) {
            ++y; // more rows than the grid holds: the assertion says so
            break;
        }
    }
    BG_ASSERT(y == mNumVerticesY);

    for (int i = 0; i < mNumVerticesX; ++i) {
        setNormal(i, 0, Vector(0, -1, 0));
        setNormal(i, mNumVerticesY - 1, Vector(0, 1, 0));
    }
    computeNormals();
    computeTextureCoordinates();
    // Every ring takes the equator's u.
    const int h = numStacks / 2;
    for (int i = 0; i < mNumVerticesX; ++i) {
        const float u = vertex(i, h)[6];
        for (int j = 0; j < h; ++j) vertex(i, j)[6] = u;
        for (int j = mNumVerticesY - h; j < mNumVerticesY; ++j) vertex(i, j)[6] = u;
    }
    computeBoundingSphere();
}

} // namespace bg
