#ifndef BRAWLGEAR_GRAPHICS_PRIMITIVES_H
#define BRAWLGEAR_GRAPHICS_PRIMITIVES_H

// Drawing the maths values themselves, for debugging a scene: in the current
// OpenGL state and matrices.

#include "math/Math.h"

namespace bg {

// One OpenGL point.
void display(const Point& point);
// A line from `origin` to origin + vector.
void display(const Vector& vector, const Point& origin);

} // namespace bg

#endif
