#include "graphics/Transform.h"

#include "graphics/SpriteBatch.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace bg {

SharedPointer<Transform> gTransform;

void Transform::matrixMode(int mode) {
    drawPendingSprites();
    glMatrixMode(static_cast<GLenum>(mode));
    mDirty = true;
}

void Transform::loadIdentity() {
    drawPendingSprites();
    glLoadIdentity();
    mDirty = true;
}

void Transform::pushMatrix() {
    drawPendingSprites();
    glPushMatrix();
}

void Transform::popMatrix() {
    drawPendingSprites();
    glPopMatrix();
    mDirty = true;
}

void Transform::translate(float x, float y, float z) {
    drawPendingSprites();
    glTranslatef(x, y, z);
    mDirty = true;
}

void Transform::rotate(float angle, float x, float y, float z) {
    drawPendingSprites();
    glRotatef(angle, x, y, z);
    mDirty = true;
}

void Transform::scale(float x, float y, float z) {
    drawPendingSprites();
    glScalef(x, y, z);
    mDirty = true;
}

void Transform::mulMatrix(const float* m) {
    drawPendingSprites();
    glMultMatrixf(m);
    mDirty = true;
}

void Transform::lookAt(double eyeX, double eyeY, double eyeZ, double centreX, double centreY, double centreZ,
                       double upX, double upY, double upZ) {
    drawPendingSprites();
    gluLookAt(eyeX, eyeY, eyeZ, centreX, centreY, centreZ, upX, upY, upZ);
    mDirty = true;

    // The camera's basis, as gluLookAt builds it; its columns and the eye
    // make the exact inverse of that view.
    const Point eye{float(eyeX), float(eyeY), float(eyeZ)};
    const Vector f = Vector(eye, Point(float(centreX), float(centreY), float(centreZ))).normalized();
    const Vector s = f.cross(Vector(float(upX), float(upY), float(upZ))).normalized();
    const Vector u = s.cross(f).normalized();
    const Vector b(-f.x, -f.y, -f.z);
    const Matrix rotation(s.x, u.x, b.x, 0, s.y, u.y, b.y, 0, s.z, u.z, b.z, 0, 0, 0, 0, 1);
    Matrix translation;
    translation.translation(Vector(eye.x, eye.y, eye.z));
    mCameraToWorld = translation * rotation;
}

const Matrix& Transform::getWorldMatrix() {
    if (mDirty) {
        Matrix modelView;
        glGetFloatv(GL_MODELVIEW_MATRIX, modelView.data());
        mWorld = mCameraToWorld * modelView;
        mDirty = false;
    }
    return mWorld;
}

} // namespace bg
