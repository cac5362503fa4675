#ifndef BRAWLGEAR_MATH_BOUNDINGSPHERE_H
#define BRAWLGEAR_MATH_BOUNDINGSPHERE_H

// Spheres around objects: placed by a world matrix, tested against rays
// and each other, pushed apart.

#include "math/Matrix.h"
#include "math/Vector.h"

namespace bg {

// A sphere around an object: its initial centre and radius in the object's
// own coordinates, and the centre, radius and radius axes after the last
// transformation, which is what every test reads.
struct BoundingSphere {
    Point initialPosition;
    float initialRadius = 0;
    Point position;
    float radius = 0;
    Vector xAxis, yAxis, zAxis;

    // Transforms the initial sphere by `world`; under a non-uniform scale the
    // radius becomes the largest scaled semi-axis.
    void applyTransformations(const Matrix& world);
    // Where the segment from `origin` through `through` first enters the
    // sphere. The two points must differ (fatal).
    bool rayIntersect(const Point& origin, const Point& through, Point& out) const;
    bool sphereIntersect(const BoundingSphere& other) const;
    // Pushes two overlapping spheres apart; `k` is the share of the push the
    // other sphere takes (0: only this one moves, 1: only the other).
    bool collisionResponse(BoundingSphere& other, float k);
    // The smallest sphere holding both, for each pair alike; axes are zero.
    BoundingSphere operator+(const BoundingSphere& other) const;
};

} // namespace bg

#endif
