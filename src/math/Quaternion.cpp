#include "math/Quaternion.h"

#include "foundation/Report.h"
#include "foundation/Utils.h"

#include <algorithm>
#include <cmath>

// Split out of the one file the maths once were: reports keep its name.
#undef BG_REPORT_FILE
#define BG_REPORT_FILE "Math"

namespace bg {

Quaternion Quaternion::fromAngleAxis(float angle, const Vector& axis) {
    const Vector n = axis.normalized();
    const float h = angle * RAD / 2, s = std::sin(h);
    return {std::cos(h), n.x * s, n.y * s, n.z * s};
}

Quaternion Quaternion::fromEuler(float rx, float ry, float rz) {
    const float cx = std::cos(rx / 2), sx = std::sin(rx / 2);
    const float cy = std::cos(ry / 2), sy = std::sin(ry / 2);
    const float cz = std::cos(rz / 2), sz = std::sin(rz / 2);
    return {cx * cy * cz + sx * sy * sz, sx * cy * cz - cx * sy * sz, cx * sy * cz + sx * cy * sz,
            cx * cy * sz - sx * sy * cz};
}

void Quaternion::normalize() {
    const float n = std::sqrt(w * w + x * x + y * y + z * z);
    if (n > ZERO) {
        w /= n;
        x /= n;
        y /= n;
        z /= n;
    } else {
        BG_WARNING("Quaternion::normalize() : Unable to normalize the quaternion, norm = 0 !");
    }
}

Matrix Quaternion::toMatrix() const {
    return Matrix(1 - 2 * (y * y + z * z), 2 * (x * y - w * z), 2 * (x * z + w * y), 0, //
                  2 * (x * y + w * z), 1 - 2 * (x * x + z * z), 2 * (y * z - w * x), 0, //
                  2 * (x * z - w * y), 2 * (y * z + w * x), 1 - 2 * (x * x + y * y), 0, //
                  0, 0, 0, 1);
}

AxisAngle Quaternion::toAxisAngle() const {
    // acos and sqrt need w in [-1, 1]; rounding can take a unit quaternion past it.
    const float cw = std::clamp(w, -1.0f, 1.0f);
    AxisAngle result{x, y, z, 2 * std::acos(cw)};
    const float s = std::sqrt(1 - cw * cw);
    if (s > ZERO) {
        result.x /= s;
        result.y /= s;
        result.z /= s;
    } else {
        BG_WARNING("Quaternion::toAxisAngle() : Unable to convert the quaternion to AxisAngle, sinA = 0 !");
    }
    return result;
}

} // namespace bg
