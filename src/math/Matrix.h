#ifndef BRAWLGEAR_MATH_MATRIX_H
#define BRAWLGEAR_MATH_MATRIX_H

// 4x4 transforms, as OpenGL takes them.

#include "math/Vector.h"

namespace bg {

// A 4x4 transform in column-major order, as OpenGL takes it: element (row,
// col) is at index col * 4 + row, the translation at 12, 13, 14. It acts on
// column vectors. The transform setters write only their own elements.
class Matrix {
public:
    Matrix() { identity(); }
    // Sixteen numbers row by row.
    Matrix(float m00, float m01, float m02, float m03, float m10, float m11, float m12, float m13, float m20,
           float m21, float m22, float m23, float m30, float m31, float m32, float m33);

    // Out-of-range indices are clamped after a warning.
    float& operator[](int index);
    float operator[](int index) const;
    float& operator()(int row, int col);
    float operator()(int row, int col) const;
    const float* data() const { return mData; }
    float* data() { return mData; }

    void identity();
    // Euler angles in degrees: turns about X, then Y, then Z.
    void rotation(const Vector& angles);
    // Right-handed rotation by `angle` degrees about `axis`, as glRotatef.
    void rotation(float angle, const Vector& axis);
    void inverseRotation(const Vector& angles);
    void translation(const Vector& t);
    void inverseTranslation(const Vector& t);
    void scale(const Vector& s);
    // Reciprocals; a component of ZERO or less gives 10000.
    void inverseScale(const Vector& s);
    void shear(const Vector& angles);
    void inverseShear(const Vector& angles);
    // Reflection in the plane a*x + b*y + c*z + d = 0 of unit normal (a, b, c).
    void mirror(float a, float b, float c, float d);
    // The inverse of a rigid transform (rotation and translation).
    void inverse();

    Matrix operator*(const Matrix& right) const;
    // The upper-left 3x3 times the vector.
    Vector mulVector(const Vector& v) const;
    // The transformed point divided by its homogeneous factor, which must
    // not be 0 (fatal).
    Point mulPoint(const Point& p) const;

private:
    void setEuler(const Vector& angles, bool transposed);

    float mData[16];
};

} // namespace bg

#endif
