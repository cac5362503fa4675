#ifndef BRAWLGEAR_GRAPHICS_PRIMITIVES_H
#define BRAWLGEAR_GRAPHICS_PRIMITIVES_H

// Drawing the maths values themselves, for debugging a scene: in the current
// OpenGL state and matrices.

#include "foundation/Pointer.h"
#include "math/Math.h"

struct GLUquadric;

namespace bg {

// One OpenGL point.
void display(const Point& point);
// A line from `origin` to origin + vector.
void display(const Vector& vector, const Point& origin);
// The transformed sphere as a wire frame, with the shared quadric.
void display(const BoundingSphere& sphere);
// Places the sphere by the world matrix of what is being drawn.
void applyTransformations(BoundingSphere& sphere);

// The GLU quadric that draws wire spheres; the scene creates it.
struct Quadric {
    Quadric();
    ~Quadric();
    Quadric(const Quadric&) = delete;
    Quadric& operator=(const Quadric&) = delete;
    GLUquadric* quadric;
};
extern SharedPointer<Quadric> gQuadric;

} // namespace bg

#endif
