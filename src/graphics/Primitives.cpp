#include "graphics/Primitives.h"

#include "graphics/FrameStats.h"
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
    gFrameStats.draw(1, 0);
}

void display(const Vector& vector, const Point& origin) {
    drawPendingSprites();
    const Point tip = origin + vector;
    glBegin(GL_LINES);
    glVertex3f(origin.x, origin.y, origin.z);
    glVertex3f(tip.x, tip.y, tip.z);
    glEnd();
    gFrameStats.draw(2, 0);
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
    gFrameStats.draw(8 * 9, 0); // GLU draws it in its own calls: counted as one
    gTransform->popMatrix();
}

void applyTransformations(BoundingSphere& sphere) { sphere.applyTransformations(gTransform->getWorldMatrix()); }

} // namespace bg
