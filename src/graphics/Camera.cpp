#include "graphics/Camera.h"

#include "foundation/Report.h"
#include "graphics/Transform.h"

#include <GL/gl.h>
#include <cmath>

namespace bg {

SharedPointer<Camera> gCamera;

Camera::Camera(const Point& eye, const Point& centre, const Vector& up)
    : mEye(eye), mCenter(centre), mLook(eye, centre), mUp(up) {
    for (Plane& plane : mFrustum) plane = Plane(1, 0, 0, 0);
    normalize();
}

void Camera::setEye(const Point& p) {
    mEye = p;
    mLook = Vector(mEye, mCenter);
}

void Camera::setCenter(const Point& p) {
    mCenter = p;
    mLook = Vector(mEye, mCenter);
}

void Camera::setLook(const Vector& v) {
    mLook = v;
    mCenter = mEye + mLook;
}

void Camera::setUp(const Vector& v) { mUp = v; }

void Camera::normalize() {
    // Up along look leaves no plane to turn in.
    if (!(std::sin(RAD * angleBetween(mUp, mLook)) > ZERO))
        assertionFailed(__FILE__, __LINE__, "sin(RAD(angleBetween( mUp, mLook ))) > ZERO");
    mRight = mLook.cross(mUp);
    mUp = mRight.cross(mLook);
    mLook.normalize();
    mUp.normalize();
    mRight.normalize();
}

void Camera::lookAt() {
    gTransform->loadIdentity();
    gTransform->lookAt(mEye.x, mEye.y, mEye.z, mCenter.x, mCenter.y, mCenter.z, mUp.x, mUp.y, mUp.z);
    updateFrustum();
}

void Camera::updateFrustum() {
    Matrix projection, modelView;
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView.data());
    const Matrix k = projection * modelView;
    const float* m = k.data();
    // Row i of K is elements i, i + 4, i + 8, i + 12; every normal points out.
    const auto plane = [m](int row, float sign) {
        return Plane(-(m[3] + sign * m[row]), -(m[7] + sign * m[row + 4]), -(m[11] + sign * m[row + 8]),
                     -(m[15] + sign * m[row + 12]));
    };
    mFrustum[LEFT] = plane(0, 1);
    mFrustum[RIGHT] = plane(0, -1);
    mFrustum[TOP] = plane(1, -1);
    mFrustum[BOTTOM] = plane(1, 1);
    mFrustum[FAR] = plane(2, -1);
    mFrustum[NEAR] = plane(2, 1);
}

bool Camera::isSphereVisible(const Point& centre, float radius, float& distance) const {
    for (const Plane& plane : mFrustum) {
        distance = -plane.distance(centre);
        if (distance <= -radius) return false;
    }
    if (distance < 0) distance = 0;
    return true;
}

} // namespace bg
