#ifndef BRAWLGEAR_GRAPHICS_CAMERA_H
#define BRAWLGEAR_GRAPHICS_CAMERA_H

// The view: eye, centre, look, up and right, applied through the Transform,
// and the six frustum planes of the last lookAt, against which meshes and
// billboards test their bounding spheres. Lives from scene construction to
// teardown.

#include "foundation/Pointer.h"
#include "math/Math.h"

namespace bg {

class Camera {
public:
    enum FrustumPlane { LEFT, RIGHT, TOP, BOTTOM, FAR, NEAR };

    Camera(const Point& eye, const Point& centre, const Vector& up);

    void setEye(const Point& p);
    void setCenter(const Point& p);
    void setLook(const Vector& v);
    void setUp(const Vector& v);
    // Makes look, up and right orthonormal; up and look must not be
    // parallel (fatal).
    void normalize();
    // Loads the view into the current matrix and updates the frustum.
    void lookAt();
    void updateFrustum();
    // Whether any of the sphere lies inside the frustum. `distance` receives
    // the depth of the centre in front of the near plane (0 when it is
    // behind it), or the value for the plane that rejected the sphere.
    bool isSphereVisible(const Point& centre, float radius, float& distance) const;

    const Point& getEye() const { return mEye; }
    const Point& getCenter() const { return mCenter; }
    const Vector& getLook() const { return mLook; }
    const Vector& getUp() const { return mUp; }
    const Vector& getRight() const { return mRight; }
    const Plane& getFrustumPlane(int i) const { return mFrustum[i]; }

private:
    Point mEye;
    Point mCenter;
    Vector mLook;
    Vector mUp;
    Vector mRight;
    Plane mFrustum[6];
};

extern SharedPointer<Camera> gCamera;

} // namespace bg

#endif
