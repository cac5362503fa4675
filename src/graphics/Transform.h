#ifndef BRAWLGEAR_GRAPHICS_TRANSFORM_H
#define BRAWLGEAR_GRAPHICS_TRANSFORM_H

// The one way to OpenGL's matrix stacks. Besides forwarding, it knows the
// world matrix of whatever is being drawn: the current model-view matrix
// with the camera's view taken out, read back from OpenGL at most once per
// change made through it. Lives from scene construction to teardown.

#include "foundation/Pointer.h"
#include "math/Math.h"

namespace bg {

class Transform {
public:
    void matrixMode(int mode);
    void loadIdentity();
    void pushMatrix();
    void popMatrix();
    void translate(float x, float y, float z);
    // Degrees about the axis (x, y, z).
    void rotate(float angle, float x, float y, float z);
    void scale(float x, float y, float z);
    // Sixteen elements, column-major.
    void mulMatrix(const float* m);
    // The view from eye towards centre, applied to the current matrix; it
    // also remembers that view's inverse, the camera-to-world matrix.
    void lookAt(double eyeX, double eyeY, double eyeZ, double centreX, double centreY, double centreZ, double upX,
                double upY, double upZ);
    const Matrix& getWorldMatrix();
    const Matrix& getCameraToWorld() const { return mCameraToWorld; }

private:
    Matrix mWorld;
    bool mDirty = true;
    Matrix mCameraToWorld;
};

extern SharedPointer<Transform> gTransform;

} // namespace bg

#endif
