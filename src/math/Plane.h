#ifndef BRAWLGEAR_MATH_PLANE_H
#define BRAWLGEAR_MATH_PLANE_H

// Planes, with a point on them, and which side of one a point lies.

#include "math/Vector.h"

namespace bg {

// The plane a*x + b*y + c*z + d = 0, its normal kept at unit length, with a
// point on it.
struct Plane {
    float a = 1, b = 0, c = 0, d = 0;
    Point point;

    Plane() = default;
    // Normalised, and given the point of it nearest the origin.
    Plane(float pa, float pb, float pc, float pd);

    Vector normal() const { return {a, b, c}; }
    void normalize();
    void findPoint();
    void findD();
    void setPoint(const Point& p);
    // The normal only: d and the point stay, until findD.
    void setNormal(const Vector& v);
    void translate(const Vector& v);
    float distance(const Point& p) const { return a * p.x + b * p.y + c * p.z + d; }
    // IN_FRONT (1), BEHIND (3) or ON_PLANE (6).
    int classify(const Point& p) const;
    // Where the segment p1-p2 crosses the plane; `out` is p2 when it does not.
    bool getIntersection(const Point& p1, const Point& p2, Point& out) const;

    static constexpr int IN_FRONT = 1, BEHIND = 3, ON_PLANE = 6;
};

} // namespace bg

#endif
