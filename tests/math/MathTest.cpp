#include "math/Math.h"
#include "support/Expect.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>

using bg::Matrix;
using bg::Point;
using bg::Vector;
using bgtest::report;

namespace {

std::string warnings(const std::function<void()>& action) {
    testing::internal::CaptureStderr();
    action();
    return testing::internal::GetCapturedStderr();
}

void expectNear(const Matrix& a, const Matrix& b, float tolerance = 1e-5f) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(a.data()[i], b.data()[i], tolerance) << "element " << i;
}

TEST(Vector, AngleBetweenStaysExactAtTheEnds) {
    const Vector v(0.1f, 0.2f, 0.3f), w(0.3f, -0.7f, 1.1f);
    EXPECT_EQ(bg::angleBetween(v, v), 0.0f);
    EXPECT_EQ(bg::angleBetween(w, w), 0.0f);
    EXPECT_EQ(bg::angleBetween(w, w * -1), std::acos(-1.0f) * bg::DEG);
    EXPECT_NEAR(bg::angleBetween(w, w * 3), 0.0f, 1e-3f);
    EXPECT_NEAR(bg::angleBetween(Vector(1, 0, 0), Vector(0, 0, 5)), 90.0f, 1e-4f);
    EXPECT_NEAR(bg::angleBetween(Vector(1, 0, 0), Vector(1, 1, 0)), 45.0f, 1e-4f);
    float angle = -1;
    EXPECT_TRUE(bgtest::matches(warnings([&] { angle = bg::angleBetween(Vector(), Vector(0, 0, 0.00001f)); }),
                                report("Math:#: WARNING : angleBetween( v1, v2 ) : v1 length = 0 !\n"
                                       "Math:#: WARNING : angleBetween( v1, v2 ) : v2 length = 0 !\n")));
    EXPECT_EQ(angle, 0.0f);
}

TEST(Vector, NormalizesAndCombines) {
    Vector v(3, 0, 4);
    EXPECT_EQ(v.normalized(), Vector(0.6f, 0, 0.8f));
    EXPECT_EQ(v, Vector(3, 0, 4));
    Vector zero;
    EXPECT_TRUE(bgtest::matches(warnings([&] { zero.normalize(); }),
                                report("Math:#: WARNING : Vector::normalize() : Unable to normalize the vector, length = 0 !\n")));
    EXPECT_EQ(zero, Vector());
    EXPECT_EQ(Vector(1, 0, 0).cross(Vector(0, 1, 0)), Vector(0, 0, 1));
    EXPECT_EQ(Vector(1, 2, 3).dot(Vector(4, -5, 6)), 12.0f);
    EXPECT_EQ(Vector(Point(1, 1, 1), Point(2, 3, 4)), Vector(1, 2, 3));
    const Point p = Point(1, 2, 3) + 5;
    EXPECT_EQ(p.x + p.y + p.z, 21.0f);
}

TEST(PowerOfTwo, CountsByDoubling) {
    EXPECT_FALSE(bg::isPowerOfTwo(0));
    EXPECT_FALSE(bg::isPowerOfTwo(-4));
    EXPECT_TRUE(bg::isPowerOfTwo(1));
    EXPECT_TRUE(bg::isPowerOfTwo(1024));
    EXPECT_FALSE(bg::isPowerOfTwo(768));
    EXPECT_EQ(bg::nextPowerOfTwo(5), 8);
    EXPECT_EQ(bg::nextPowerOfTwo(-3), 1);
    EXPECT_EQ(bg::nextPowerOfTwo(512), 512);
}

TEST(Matrix, RowByRowConstructionAndClampedAccess) {
    Matrix m(1, 0, 0, 5, 0, 1, 0, 6, 0, 0, 1, 7, 0, 0, 0, 1);
    EXPECT_EQ(m(0, 3), 5.0f);
    EXPECT_EQ(m[12], 5.0f);
    EXPECT_EQ(m[14], 7.0f);
    m[3] = 42;
    float value = 0;
    EXPECT_TRUE(bgtest::matches(warnings([&] { value = m(5, -1); }),
                                report("Math:#: WARNING : Matrix::operator( row, col ) : array out of bounds, row > 3\n"
                                       "Math:#: WARNING : Matrix::operator( row, col ) : array out of bounds, column < 0\n")));
    EXPECT_EQ(value, 42.0f);
    const Matrix& constant = m;
    EXPECT_TRUE(bgtest::matches(warnings([&] { value = constant[-3] + constant(-1, 9); }),
                                report("Math:#: WARNING : Matrix::operator[index] : array out of bounds, index < 0\n"
                                       "Math:#: WARNING : Matrix::operator() : array out of bounds, row < 0\n"
                                       "Math:#: WARNING : Matrix::operator() : array out of bounds, column > 3\n")));
    // Identity times m gives m back, in storage order.
    const Matrix product = Matrix() * m;
    EXPECT_EQ(product[12], 5.0f);
    EXPECT_EQ(product[13], 6.0f);
}

TEST(Matrix, SettersWriteOnlyTheirElements) {
    Matrix m;
    m.translation(Vector(1, 2, 3));
    const Point moved = m.mulPoint(Point());
    EXPECT_EQ(moved.x + moved.y * 10 + moved.z * 100, 321.0f);
    m.inverseScale(Vector(0, 2, -1));
    EXPECT_EQ(m[0], 10000.0f);
    EXPECT_EQ(m[5], 0.5f);
    EXPECT_EQ(m[10], 10000.0f);
    EXPECT_EQ(m[12], 1.0f);

    Matrix s;
    s.shear(Vector(45, 0, -45));
    EXPECT_NEAR(s(0, 1), 1.0f, 1e-6f);  // tan(45) from -az
    EXPECT_NEAR(s(2, 1), -1.0f, 1e-6f); // tan(-45) from ax
    EXPECT_NEAR(s(0, 2), 0.0f, 1e-6f);
    s.inverseShear(Vector(45, 0, -45));
    EXPECT_NEAR(s(0, 1), -1.0f, 1e-6f);
}

TEST(Matrix, AxisRotationTurnsCounterClockwise) {
    Matrix m;
    m.rotation(90, Vector(0, 0, 2)); // the axis is normalised
    const Vector turned = m.mulVector(Vector(1, 0, 0));
    EXPECT_NEAR(turned.x, 0, 1e-6f);
    EXPECT_NEAR(turned.y, 1, 1e-6f);
    EXPECT_NEAR(turned.z, 0, 1e-6f);
    // The Euler form is Z after Y after X, each about its own axis.
    const Vector angles(30, -50, 70);
    Matrix euler, rx, ry, rz;
    euler.rotation(angles);
    rx.rotation(angles.x, Vector(1, 0, 0));
    ry.rotation(angles.y, Vector(0, 1, 0));
    rz.rotation(angles.z, Vector(0, 0, 1));
    expectNear(euler, rz * ry * rx);
}

TEST(Matrix, MirrorReflectsInThePlane) {
    Matrix m;
    m.mirror(0, 1, 0, -1); // the plane y = 1
    const Point p = m.mulPoint(Point(1, 3, 3));
    EXPECT_NEAR(p.x, 1, 1e-6f);
    EXPECT_NEAR(p.y, -1, 1e-6f);
    EXPECT_NEAR(p.z, 3, 1e-6f);
}

TEST(Matrix, InversesUndoRandomRigidTransforms) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> angle(-360, 360), offset(-100, 100);
    for (int i = 0; i < 500; ++i) {
        const Vector angles(angle(random), angle(random), angle(random));
        Matrix rotation, undo;
        rotation.rotation(angles);
        undo.inverseRotation(angles);
        expectNear(undo * rotation, Matrix());

        Matrix rigid;
        rigid.rotation(angle(random), Vector(offset(random), offset(random), offset(random) + 200));
        rigid.translation(Vector(offset(random), offset(random), offset(random)));
        Matrix inverse = rigid;
        inverse.inverse();
        expectNear(inverse * rigid, Matrix(), 1e-4f);
        expectNear(rigid * inverse, Matrix(), 1e-4f);
    }
}

TEST(Matrix, AZeroHomogeneousFactorIsFatal) {
    Matrix m;
    m[15] = 0;
    EXPECT_EXIT(m.mulPoint(Point()), testing::ExitedWithCode(1), report("ASSERTION FAILED:Math:#: factor != 0\n"));
}

} // namespace
