#ifndef BRAWLGEAR_MATH_MATH_H
#define BRAWLGEAR_MATH_MATH_H

// Points, vectors and 4x4 matrices: plain values, copied freely, never
// allocating. Angles are in degrees. Bad input is a "Math" warning and the
// operation goes on with a clamped or unchanged value.
// This header brings them all, and the powers of two.

#include "math/BoundingBox.h"
#include "math/BoundingSphere.h"
#include "math/Matrix.h"
#include "math/Plane.h"
#include "math/Quaternion.h"
#include "math/Vector.h"

namespace bg {

bool isPowerOfTwo(int n);
// The smallest power of two >= n (1 for n <= 1).
int nextPowerOfTwo(int n);

} // namespace bg

#endif
