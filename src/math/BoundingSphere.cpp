#include "math/BoundingSphere.h"

#include "foundation/Report.h"
#include "foundation/Utils.h"

#include <algorithm>
#include <cmath>

// Split out of the one file the maths once were: reports keep its name.
#undef BG_REPORT_FILE
#define BG_REPORT_FILE "Math"

namespace bg {

void BoundingSphere::applyTransformations(const Matrix& world) {
    const float r = initialRadius;
    const float* m = world.data();
    if (m[3] == 0 && m[7] == 0 && m[11] == 0 && m[15] == 1) {
        // Affine, as every world matrix the engine builds is: the axes are
        // the matrix's columns times the radius, with no divisions.
        const Point centre = world.mulPoint(initialPosition);
        xAxis = Vector(m[0], m[1], m[2]) * r;
        yAxis = Vector(m[4], m[5], m[6]) * r;
        zAxis = Vector(m[8], m[9], m[10]) * r;
        position = centre;
        radius = std::max(xAxis.length(), std::max(yAxis.length(), zAxis.length()));
        return;
    }
    const Point centre = world.mulPoint(initialPosition);
    xAxis = Vector(centre, world.mulPoint(initialPosition + Vector(r, 0, 0)));
    yAxis = Vector(centre, world.mulPoint(initialPosition + Vector(0, r, 0)));
    zAxis = Vector(centre, world.mulPoint(initialPosition + Vector(0, 0, r)));
    position = centre;
    radius = std::max(xAxis.length(), std::max(yAxis.length(), zAxis.length()));
}

bool BoundingSphere::rayIntersect(const Point& origin, const Point& through, Point& out) const {
    // A ray with an infinite or undefined coordinate hits nothing.
    for (float c : {origin.x, origin.y, origin.z, through.x, through.y, through.z})
        if (!std::isfinite(c)) return false;
    Vector v(origin, through);
    const float V_length = v.length();
    BG_ASSERT(V_length > 0);
    v = v / V_length;
    const Vector w(origin, position);
    const float t0 = w.dot(v);
    if (t0 < 0) return false; // the sphere lies behind the origin
    const float q = w.dot(w) - t0 * t0;
    if (q > radius * radius) return false;
    const float t = t0 - std::sqrt(radius * radius - q);
    if (t > V_length) return false; // beyond the second point
    out = origin + v * t;
    return true;
}

bool BoundingSphere::sphereIntersect(const BoundingSphere& other) const {
    return Vector(position, other.position).length() < radius + other.radius;
}

bool BoundingSphere::collisionResponse(BoundingSphere& other, float k) {
    Vector dir(position, other.position);
    const float length = dir.length();
    const float push = radius + other.radius - length;
    if (push < 0) return false;
    // Two spheres at one place are parted along +X.
    dir = length < ZERO ? Vector(1, 0, 0) : dir / length;
    const Vector p = dir * push;
    position = position - p * (1 - k);
    other.position = other.position + p * k;
    return true;
}

namespace {

// The smallest sphere that holds two spheres.
void enclose(const Point& c1, float r1, const Point& c2, float r2, Point& centre, float& radius) {
    const Vector between(c1, c2);
    const float distance = between.length();
    if (distance + r2 <= r1) {
        centre = c1;
        radius = r1;
    } else if (distance + r1 <= r2) {
        centre = c2;
        radius = r2;
    } else {
        radius = (r1 + r2 + distance) / 2;
        centre = c1 + between * ((radius - r1) / distance);
    }
}

} // namespace

BoundingSphere BoundingSphere::operator+(const BoundingSphere& other) const {
    BoundingSphere sum;
    enclose(initialPosition, initialRadius, other.initialPosition, other.initialRadius, sum.initialPosition,
            sum.initialRadius);
    enclose(position, radius, other.position, other.radius, sum.position, sum.radius);
    return sum;
}

} // namespace bg
