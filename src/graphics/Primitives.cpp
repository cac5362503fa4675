#include "graphics/Primitives.h"

#include "graphics/SpriteBatch.h"
#include "graphics/Transform.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace bg {

void display(const Point& point) {
    drawPendingSprites();
    glBegin(GL_POINTS);
    glVertex3f(point.x, point.y, point.z);
    glEnd();
}

void display(const Vector& vector, const Point& origin) {
    drawPendingSprites();
    const Point tip = origin + vector;
    glBegin(GL_LINES);
    glVertex3f(origin.x, origin.y, origin.z);
    glVertex3f(tip.x, tip.y, tip.z);
    glEnd();
}

SharedPointer<Quadric> gQuadric;

Quadric::Quadric() : quadric(gluNewQuadric()) {
    if (quadric) gluQuadricDrawStyle(quadric, GLU_LINE);
}

Quadric::~Quadric() {
    if (quadric) gluDeleteQuadric(quadric);
}

void display(const BoundingSphere& sphere) {
    drawPendingSprites();
    GLUquadric* quadric = gQuadric->quadric;
    gTransform->pushMatrix();
    gTransform->translate(sphere.position.x, sphere.position.y, sphere.position.z);
    gluSphere(quadric, sphere.radius, 8, 8);
    gTransform->popMatrix();
}

void applyTransformations(BoundingSphere& sphere) { sphere.applyTransformations(gTransform->getWorldMatrix()); }

} // namespace bg
