#ifndef BRAWLGEAR_MATH_QUATERNION_H
#define BRAWLGEAR_MATH_QUATERNION_H

// Rotations as quaternions, and as an axis with an angle.

#include "math/Matrix.h"
#include "math/Vector.h"

namespace bg {

struct AxisAngle {
    float x = 0, y = 0, z = 0, angle = 0; // angle in radians
};

struct Quaternion {
    float w = 1, x = 0, y = 0, z = 0;

    Quaternion() = default;
    Quaternion(float qw, float qx, float qy, float qz) : w(qw), x(qx), y(qy), z(qz) {}
    // A rotation by `angle` degrees about `axis`.
    static Quaternion fromAngleAxis(float angle, const Vector& axis);
    // Radians, turning about X, then Y, then Z.
    static Quaternion fromEuler(float rx, float ry, float rz);
    void normalize();
    Matrix toMatrix() const;
    AxisAngle toAxisAngle() const;
};

} // namespace bg

#endif
