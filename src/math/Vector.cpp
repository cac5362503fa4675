#include "math/Vector.h"

#include "foundation/Report.h"
#include "foundation/Utils.h"

#include <algorithm>
#include <cmath>

// Split out of the one file the maths once were: reports keep its name.
#undef BG_REPORT_FILE
#define BG_REPORT_FILE "Math"

namespace bg {

void Vector::normalize() {
    const float l = length();
    if (l > ZERO) {
        x /= l;
        y /= l;
        z /= l;
    } else {
        BG_WARNING("Vector::normalize() : Unable to normalize the vector, length = 0 !");
    }
}

Vector Vector::normalized() const {
    Vector copy = *this;
    copy.normalize();
    return copy;
}

float Vector::length() const { return std::sqrt(x * x + y * y + z * z); }

float angleBetween(const Vector& v1, const Vector& v2) {
    const float l1 = v1.length(), l2 = v2.length();
    bool degenerate = false;
    if (l1 < ZERO) {
        BG_WARNING("angleBetween( v1, v2 ) : v1 length = 0 !");
        degenerate = true;
    }
    if (l2 < ZERO) {
        BG_WARNING("angleBetween( v1, v2 ) : v2 length = 0 !");
        degenerate = true;
    }
    if (degenerate) return 0;
    // In double, and as dot / sqrt(|v1|^2 |v2|^2): for equal or opposite
    // vectors that is exactly +-1 (sqrt(x * x) == x), so they give exactly
    // 0 and 180; rounding elsewhere may still step past +-1, hence the clamps.
    const double s1 = double(v1.x) * v1.x + double(v1.y) * v1.y + double(v1.z) * v1.z;
    const double s2 = double(v2.x) * v2.x + double(v2.y) * v2.y + double(v2.z) * v2.z;
    const double c = (double(v1.x) * v2.x + double(v1.y) * v2.y + double(v1.z) * v2.z) / std::sqrt(s1 * s2);
    if (c >= 1) return 0;
    if (c <= -1) return std::acos(-1.0f) * DEG;
    return static_cast<float>(std::acos(c)) * DEG;
}

} // namespace bg
