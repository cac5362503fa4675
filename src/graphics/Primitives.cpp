#include "graphics/Primitives.h"

#include <GL/gl.h>

namespace bg {

void display(const Point& point) {
    glBegin(GL_POINTS);
    glVertex3f(point.x, point.y, point.z);
    glEnd();
}

void display(const Vector& vector, const Point& origin) {
    const Point tip = origin + vector;
    glBegin(GL_LINES);
    glVertex3f(origin.x, origin.y, origin.z);
    glVertex3f(tip.x, tip.y, tip.z);
    glEnd();
}

} // namespace bg
