#ifndef BRAWLGEAR_MATH_BOUNDINGBOX_H
#define BRAWLGEAR_MATH_BOUNDINGBOX_H

// Axis-aligned boxes, their faces as planes.

#include "math/Plane.h"
#include "math/Vector.h"

namespace bg {

struct BoundingBox {
    Point min, max;

    // The outward plane of face 0 to 5.
    Plane getPlane(int planeType) const;
    void translate(const Vector& v);
    // Moves the box so that its centre is at p.
    void moveTo(const Point& p);
    Point closestPoint(const Point& p) const;
    // Whether some of the box lies on or behind the plane.
    bool isBehind(const Plane& plane) const;
};

} // namespace bg

#endif
