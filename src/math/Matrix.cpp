#include "math/Matrix.h"

#include "foundation/Report.h"
#include "foundation/Utils.h"

#include <algorithm>
#include <cmath>

// Split out of the one file the maths once were: reports keep its name.
#undef BG_REPORT_FILE
#define BG_REPORT_FILE "Math"

namespace bg {

Matrix::Matrix(float m00, float m01, float m02, float m03, float m10, float m11, float m12, float m13, float m20,
               float m21, float m22, float m23, float m30, float m31, float m32, float m33)
    : mData{m00, m10, m20, m30, m01, m11, m21, m31, m02, m12, m22, m32, m03, m13, m23, m33} {}

namespace {

int clampIndex(int index) {
    if (index < 0) {
        BG_WARNING("Matrix::operator[index] : array out of bounds, index < 0");
        return 0;
    }
    if (index > 15) {
        BG_WARNING("Matrix::operator[index] : array out of bounds, index > 15");
        return 15;
    }
    return index;
}

// Row first, then column, so both out of range give two warnings.
void cellWarning(const char* where, const char* what) {
    BG_WARNING(FixedString(where) + " : array out of bounds, " + what);
}

// The message is built only when there is something to warn about: element
// access is hot.
int clampCell(int row, int col, const char* where) {
    if (row < 0) {
        cellWarning(where, "row < 0");
        row = 0;
    } else if (row > 3) {
        cellWarning(where, "row > 3");
        row = 3;
    }
    if (col < 0) {
        cellWarning(where, "column < 0");
        col = 0;
    } else if (col > 3) {
        cellWarning(where, "column > 3");
        col = 3;
    }
    return col * 4 + row;
}

} // namespace

float& Matrix::operator[](int index) { return mData[clampIndex(index)]; }
float Matrix::operator[](int index) const { return mData[clampIndex(index)]; }
float& Matrix::operator()(int row, int col) { return mData[clampCell(row, col, "Matrix::operator( row, col )")]; }
float Matrix::operator()(int row, int col) const { return mData[clampCell(row, col, "Matrix::operator()")]; }

void Matrix::identity() {
    for (int i = 0; i < 16; ++i) mData[i] = i % 5 == 0 ? 1.0f : 0.0f;
}

void Matrix::setEuler(const Vector& angles, bool transposed) {
    const float c1 = std::cos(angles.x * RAD), s1 = std::sin(angles.x * RAD);
    const float c2 = std::cos(angles.y * RAD), s2 = std::sin(angles.y * RAD);
    const float c3 = std::cos(angles.z * RAD), s3 = std::sin(angles.z * RAD);
    const float r[3][3] = {{c2 * c3, s1 * s2 * c3 - c1 * s3, c1 * s2 * c3 + s1 * s3},
                           {c2 * s3, s1 * s2 * s3 + c1 * c3, c1 * s2 * s3 - s1 * c3},
                           {-s2, s1 * c2, c1 * c2}};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) mData[col * 4 + row] = transposed ? r[col][row] : r[row][col];
}

void Matrix::rotation(const Vector& angles) { setEuler(angles, false); }
void Matrix::inverseRotation(const Vector& angles) { setEuler(angles, true); }

void Matrix::rotation(float angle, const Vector& axis) {
    const Vector n = axis.normalized();
    const float c = std::cos(angle * RAD), s = std::sin(angle * RAD), t = 1 - c;
    const float x = n.x, y = n.y, z = n.z;
    const float r[3][3] = {{x * x * t + c, x * y * t - z * s, x * z * t + y * s},
                           {x * y * t + z * s, y * y * t + c, y * z * t - x * s},
                           {x * z * t - y * s, y * z * t + x * s, z * z * t + c}};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) mData[col * 4 + row] = r[row][col];
}

void Matrix::translation(const Vector& t) {
    mData[12] = t.x;
    mData[13] = t.y;
    mData[14] = t.z;
}

void Matrix::inverseTranslation(const Vector& t) { translation(Vector(-t.x, -t.y, -t.z)); }

void Matrix::scale(const Vector& s) {
    mData[0] = s.x;
    mData[5] = s.y;
    mData[10] = s.z;
}

void Matrix::inverseScale(const Vector& s) {
    const auto reciprocal = [](float v) { return v > ZERO ? 1 / v : 10000.0f; };
    scale(Vector(reciprocal(s.x), reciprocal(s.y), reciprocal(s.z)));
}

void Matrix::shear(const Vector& angles) { inverseShear(Vector(-angles.x, -angles.y, -angles.z)); }

void Matrix::inverseShear(const Vector& angles) {
    mData[1 * 4 + 0] = std::tan(angles.z * RAD);
    mData[1 * 4 + 2] = std::tan(angles.x * RAD);
    mData[2 * 4 + 0] = std::tan(angles.y * RAD);
}

void Matrix::mirror(float a, float b, float c, float d) {
    const float n[3] = {a, b, c};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) mData[col * 4 + row] = (row == col ? 1.0f : 0.0f) - 2 * n[row] * n[col];
    mData[12] = -2 * a * d;
    mData[13] = -2 * b * d;
    mData[14] = -2 * c * d;
}

// [R t; 0 1] becomes [R^T  -R^T t; 0 1], computed from the old values in
// one step.
void Matrix::inverse() {
    const Matrix old = *this;
    const float* m = old.mData;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) mData[col * 4 + row] = m[row * 4 + col];
    const float t0 = m[12], t1 = m[13], t2 = m[14];
    mData[12] = -(m[0] * t0 + m[1] * t1 + m[2] * t2);
    mData[13] = -(m[4] * t0 + m[5] * t1 + m[6] * t2);
    mData[14] = -(m[8] * t0 + m[9] * t1 + m[10] * t2);
    mData[3] = mData[7] = mData[11] = 0;
    mData[15] = 1;
}

Matrix Matrix::operator*(const Matrix& right) const {
    Matrix result;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += mData[k * 4 + row] * right.mData[col * 4 + k];
            result.mData[col * 4 + row] = sum;
        }
    return result;
}

Vector Matrix::mulVector(const Vector& v) const {
    const float* m = mData;
    return {m[0] * v.x + m[4] * v.y + m[8] * v.z, m[1] * v.x + m[5] * v.y + m[9] * v.z,
            m[2] * v.x + m[6] * v.y + m[10] * v.z};
}

Point Matrix::mulPoint(const Point& p) const {
    const float* m = mData;
    const float factor = m[3] * p.x + m[7] * p.y + m[11] * p.z + m[15];
    BG_ASSERT(factor != 0);
    return {(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12]) / factor,
            (m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13]) / factor,
            (m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]) / factor};
}

} // namespace bg
