#include "math/Math.h"
#include "support/Expect.h"

#include <climits>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

using namespace bg;
using bgtest::report;

namespace {

// The warnings `action` printed match `lines` ("#" for line numbers).
void expectWarnings(const std::function<void()>& action, const std::string& lines) {
    EXPECT_TRUE(bgtest::isReport(bgtest::stderrOf(action), lines));
}

void expectNear(const Matrix& a, const Matrix& b, float tolerance = 1e-5f) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(a.data()[i], b.data()[i], tolerance) << "element " << i;
}

template <typename P> void expectNear(const P& p, float x, float y, float z, float tolerance = 1e-6f) {
    const float got[] = {p.x, p.y, p.z}, expected[] = {x, y, z};
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(got[k], expected[k], tolerance) << "xyz"[k];
}

// The rotation by `degrees` about `axis`, and by Euler angles in degrees.
Matrix rotated(float degrees, const Vector& axis) {
    Matrix m;
    m.rotation(degrees, axis);
    return m;
}
Matrix rotated(const Vector& angles) {
    Matrix m;
    m.rotation(angles);
    return m;
}

// A sphere of radius `r` at (x, 0, 0), before and after its transformations.
bg::BoundingSphere sphereAt(float x, float r) {
    bg::BoundingSphere sphere;
    sphere.position = sphere.initialPosition = Point(x, 0, 0);
    sphere.radius = sphere.initialRadius = r;
    return sphere;
}

TEST(Vector, AngleBetweenStaysExactAtTheEnds) {
    const Vector v(0.1f, 0.2f, 0.3f), w(0.3f, -0.7f, 1.1f);
    EXPECT_EQ(bg::angleBetween(v, v), 0.0f);
    EXPECT_EQ(bg::angleBetween(w, w), 0.0f);
    EXPECT_FLOAT_EQ(bg::angleBetween(w, w * -1), 180.0f);
    EXPECT_NEAR(bg::angleBetween(w, w * 3), 0.0f, 1e-3f);
    EXPECT_NEAR(bg::angleBetween(Vector(1, 0, 0), Vector(0, 0, 5)), 90.0f, 1e-4f);
    EXPECT_NEAR(bg::angleBetween(Vector(1, 0, 0), Vector(1, 1, 0)), 45.0f, 1e-4f);
    expectWarnings([] { EXPECT_FLOAT_EQ(bg::angleBetween(Vector(bg::ZERO, 0, 0), Vector(0, bg::ZERO, 0)), 90); }, "");
    expectWarnings([] { EXPECT_EQ(bg::angleBetween(Vector(), Vector(0, 0, 0.00001f)), 0.0f); },
                   "Math:#: WARNING : angleBetween( v1, v2 ) : v1 length = 0 !\n"
                   "Math:#: WARNING : angleBetween( v1, v2 ) : v2 length = 0 !\n");
}

TEST(Vector, NormalizesAndCombines) {
    EXPECT_EQ(Vector(3, 0, 4).normalized(), Vector(0.6f, 0, 0.8f));
    expectWarnings([] { EXPECT_EQ(Vector().normalized(), Vector()); },
                   "Math:#: WARNING : Vector::normalize() : Unable to normalize the vector, length = 0 !\n");
    EXPECT_EQ(Vector(1, 0, 0).cross(Vector(0, 1, 0)), Vector(0, 0, 1));
    EXPECT_EQ(Vector(1, 2, 3).dot(Vector(4, -5, 6)), 12.0f);
    const Point p = Point(1, 2, 3) + 5;
    EXPECT_EQ(p.x + p.y + p.z, 21.0f);
}

TEST(PowerOfTwo, CountsByDoubling) {
    for (int n : {1, 1024, 1 << 30}) EXPECT_TRUE(bg::isPowerOfTwo(n)) << n;
    for (int n : {0, -4, 768}) EXPECT_FALSE(bg::isPowerOfTwo(n)) << n;
    // Never negative, with a warning.
    const std::pair<int, int> next[] = {{5, 8}, {-3, 1}, {512, 512}, {(1 << 30) + 1, 1 << 30}, {INT_MAX, 1 << 30}};
    for (const auto& [n, power] : next) EXPECT_EQ(bg::nextPowerOfTwo(n), power) << n;
}

TEST(Matrix, RowByRowConstructionAndClampedAccess) {
    Matrix m(1, 0, 0, 5, 0, 1, 0, 6, 0, 0, 1, 7, 0, 0, 0, 1);
    EXPECT_EQ(m(0, 3), 5.0f);
    expectWarnings([&] { EXPECT_EQ(std::vector<float>({m[0], m[12], m[15]}), std::vector<float>({1, 5, 1})); },
                   ""); // both ends are inside
    EXPECT_EQ(m[14], 7.0f);
    m[3] = 42;
    expectWarnings([&] { EXPECT_EQ(m(5, -1), 42.0f); },
                   "Math:#: WARNING : Matrix::operator( row, col ) : array out of bounds, row > 3\n"
                   "Math:#: WARNING : Matrix::operator( row, col ) : array out of bounds, column < 0\n");
    const Matrix& constant = m;
    expectWarnings([&] { EXPECT_EQ(constant[-3] + constant(-1, 9), 1.0f + 5.0f); },
                   "Math:#: WARNING : Matrix::operator[index] : array out of bounds, index < 0\n"
                   "Math:#: WARNING : Matrix::operator() : array out of bounds, row < 0\n"
                   "Math:#: WARNING : Matrix::operator() : array out of bounds, column > 3\n");
}

TEST(Matrix, SettersWriteOnlyTheirElements) {
    Matrix m;
    m.translation(Vector(1, 2, 3));
    const Point moved = m.mulPoint(Point());
    EXPECT_EQ(moved.x + moved.y * 10 + moved.z * 100, 321.0f);
    m.inverseScale(Vector(0, 2, -1));
    const std::pair<int, float> elements[] = {{0, 10000}, {5, 0.5f}, {10, 10000}, {12, 1}};
    for (const auto& [k, value] : elements) EXPECT_EQ(m[k], value) << k;

    Matrix s;
    s.shear(Vector(45, 0, -45));
    EXPECT_NEAR(s(0, 1), 1.0f, 1e-6f);  // tan(45) from -az
    EXPECT_NEAR(s(2, 1), -1.0f, 1e-6f); // tan(-45) from ax
    EXPECT_NEAR(s(0, 2), 0.0f, 1e-6f);
}

TEST(Matrix, AxisRotationTurnsCounterClockwise) {
    expectNear(rotated(90, Vector(0, 0, 2)).mulVector(Vector(1, 0, 0)), 0, 1, 0); // the axis is normalised
    // The Euler form is Z after Y after X, each about its own axis.
    const Vector angles(30, -50, 70);
    expectNear(rotated(angles), rotated(angles.z, Vector(0, 0, 1)) * rotated(angles.y, Vector(0, 1, 0)) *
                                    rotated(angles.x, Vector(1, 0, 0)));
}

TEST(Matrix, InversesUndoRandomRigidTransforms) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> angle(-360, 360), offset(-100, 100);
    for (int i = 0; i < 500; ++i) {
        const Vector angles(angle(random), angle(random), angle(random));
        Matrix undo;
        undo.inverseRotation(angles);
        expectNear(undo * rotated(angles), Matrix());

        Matrix rigid;
        rigid.rotation(angle(random), Vector(offset(random), offset(random), offset(random) + 200));
        rigid.translation(Vector(offset(random), offset(random), offset(random)));
        Matrix inverse = rigid;
        inverse.inverse();
        expectNear(inverse * rigid, Matrix(), 1e-4f);
    }
}

TEST(Matrix, MirrorsInThePlaneAndAZeroHomogeneousFactorIsFatal) {
    Matrix m;
    m.mirror(0, 1, 0, -1); // the plane y = 1
    expectNear(m.mulPoint(Point(1, 3, 3)), 1, -1, 3);
    m[15] = 0;
    EXPECT_EXIT(m.mulPoint(Point()), testing::ExitedWithCode(1), report("ASSERTION FAILED:Math:#: factor != 0\n"));
}

TEST(Plane, IsNormalisedAndClassifiesPoints) {
    bg::Plane plane(0, 0, 2, -4);
    EXPECT_EQ(plane.c, 1.0f);
    // A zero normal is left as it was, with a warning.
    expectWarnings([] { EXPECT_EQ(bg::Plane(0, 0, 0, 1).d, 1.0f); },
                   "Math:#: WARNING : Plane::normalize() : Unable to normalize the plane, length = 0 !\n");
    EXPECT_EQ(plane.d, -2.0f);
    const bg::Plane slanted(0, 3, 4, -10); // its point is the foot of the normal from the origin
    expectNear(slanted.point, 0, 1.2f, 1.6f);
    EXPECT_EQ(plane.classify(Point(0, 0, 5)), bg::Plane::IN_FRONT);
    EXPECT_EQ(plane.classify(Point(0, 0, -5)), bg::Plane::BEHIND);
    EXPECT_EQ(plane.classify(Point(1, 1, 2)), bg::Plane::ON_PLANE);
    Point out;
    EXPECT_TRUE(plane.getIntersection(Point(0, 0, 0), Point(0, 0, 4), out));
    EXPECT_EQ(out.z, 2.0f);
    EXPECT_FALSE(plane.getIntersection(Point(0, 0, 3), Point(1, 2, 4), out));
    EXPECT_EQ(out.x + out.y + out.z, 7.0f);

    plane.setNormal(Vector(0, 3, 0)); // d and the point stay until findD
    EXPECT_EQ(plane.b, 1.0f);
    EXPECT_EQ(plane.d, -2.0f);
    plane.findD();
    EXPECT_EQ(plane.d, 0.0f);
    plane.translate(Vector(0, 5, 0));
    EXPECT_EQ(plane.distance(Point(9, 6, 9)), 1.0f);
}

TEST(BoundingSphere, TestsRaysAndOtherSpheres) {
    bg::BoundingSphere unit = sphereAt(0, 1);
    Point hit;
    EXPECT_TRUE(unit.rayIntersect(Point(0, 0, -5), Point(0, 0, 5), hit));
    EXPECT_FLOAT_EQ(hit.z, -1.0f);
    EXPECT_FALSE(unit.rayIntersect(Point(0, 0, -5), Point(0, 0, -3), hit)); // ends before it
    EXPECT_FALSE(unit.rayIntersect(Point(0, 0, 5), Point(0, 0, 9), hit));   // behind the origin
    EXPECT_FALSE(unit.rayIntersect(Point(0, 2, -5), Point(0, 2, 5), hit));   // passes by
    EXPECT_EXIT(unit.rayIntersect(Point(1, 1, 1), Point(1, 1, 1), hit), testing::ExitedWithCode(1),
                report("ASSERTION FAILED:Math:#: V_length > 0\n"));
    // A ray with a coordinate that is not finite misses, even through the centre.
    const float inf = std::numeric_limits<float>::infinity(), nan = std::nanf("");
    EXPECT_FALSE(unit.rayIntersect(Point(0, 0, -inf), Point(0, 0, 5), hit));
    EXPECT_FALSE(unit.rayIntersect(Point(0, 0, -5), Point(nan, 0, 5), hit));
    EXPECT_FALSE(unit.rayIntersect(Point(inf, inf, inf), Point(inf, inf, inf), hit));

    bg::BoundingSphere other = sphereAt(2, 1);
    EXPECT_FALSE(unit.sphereIntersect(other)); // touching is not overlapping
    EXPECT_TRUE(unit.collisionResponse(other, 0.5f));
    EXPECT_EQ(unit.position.x, 0.0f);
    other.position = Point(1, 0, 0);
    EXPECT_TRUE(unit.sphereIntersect(other));
    EXPECT_TRUE(unit.collisionResponse(other, 0.5f));
    EXPECT_FLOAT_EQ(unit.position.x, -0.5f);
    EXPECT_FLOAT_EQ(other.position.x, 1.5f);
    other.position = unit.position;
    EXPECT_TRUE(unit.collisionResponse(other, 1));
    EXPECT_FLOAT_EQ(other.position.x, 1.5f); // parted along +X, all of it by the other
    other.position = Point(9, 0, 0);
    EXPECT_FALSE(unit.collisionResponse(other, 0.5f));
}

TEST(BoundingSphere, SumHoldsBothSpheres) {
    const bg::BoundingSphere a = sphereAt(0, 1);
    bg::BoundingSphere sum = a + sphereAt(4, 1);
    EXPECT_FLOAT_EQ(sum.position.x, 2.0f);
    EXPECT_FLOAT_EQ(sum.radius, 3.0f);
    EXPECT_FLOAT_EQ(sum.initialRadius, 3.0f);
    // Unequal radii: the sum still reaches the far side of the larger one.
    sum = a + sphereAt(10, 5);
    EXPECT_FLOAT_EQ(sum.position.x - sum.radius, -1.0f);
    EXPECT_FLOAT_EQ(sum.position.x + sum.radius, 15.0f);
    // One inside the other: the larger one.
    sum = a + sphereAt(1, 10);
    EXPECT_FLOAT_EQ(sum.radius, 10.0f);
    EXPECT_FLOAT_EQ(sum.position.x, 1.0f);
}

TEST(BoundingSphere, TransformsTakeTheLargestScaledAxis) {
    bg::BoundingSphere sphere = sphereAt(1, 2);
    Matrix world;
    world.scale(Vector(1, 3, 1));
    world.translation(Vector(0, 0, 5));
    sphere.applyTransformations(world);
    EXPECT_FLOAT_EQ(sphere.radius, 6.0f);
    EXPECT_FLOAT_EQ(sphere.position.z, 5.0f);
    EXPECT_FLOAT_EQ(sphere.yAxis.y, 6.0f);
    sphere.applyTransformations(rotated(Vector(10, 20, 30)));
    EXPECT_NEAR(sphere.radius, 2.0f, 1e-5f);
    sphere.applyTransformations(rotated(90, Vector(1, 0, 0)) * world); // the stretched axis turned to z
    EXPECT_NEAR(sphere.radius, 6.0f, 1e-5f);
}

TEST(BoundingBox, FacesClosestPointsAndPlanes) {
    bg::BoundingBox box{{-1, -2, -3}, {1, 2, 3}};
    const bg::Plane top = box.getPlane(4);
    EXPECT_EQ(top.b, 1.0f);
    EXPECT_EQ(top.d, -2.0f);
    expectWarnings([&] { EXPECT_EQ(box.getPlane(9).a, -1.0f); },
                   "Math:#: WARNING : BoundingBox::getPlane( planeType ) : Unknown plane type!\n");
    const Point inside = box.closestPoint(Point(5, 0, -9));
    EXPECT_EQ(inside.x + inside.y + inside.z, -2.0f);
    EXPECT_TRUE(box.isBehind(bg::Plane(1, 0, 0, 0.5f)));   // x = -0.5 cuts it
    EXPECT_FALSE(box.isBehind(bg::Plane(1, 0, 0, 5)));     // wholly in front of x = -5
    box.moveTo(Point(10, 10, 10));
    EXPECT_EQ(box.min.x, 9.0f);
    EXPECT_EQ(box.max.z, 13.0f);
}

TEST(Quaternion, RotatesAsTheMatricesDo) {
    expectNear(bg::Quaternion::fromAngleAxis(75, Vector(1, 2, -2)).toMatrix(), rotated(75, Vector(1, 2, -2)));
    expectNear(bg::Quaternion::fromEuler(30 * bg::RAD, -50 * bg::RAD, 70 * bg::RAD).toMatrix(),
               rotated(Vector(30, -50, 70)));

    // Past half a turn the quaternion's w is negative: the angle comes back
    // above 180 degrees about the same axis (acos over the whole range).
    for (float degrees : {200.0f, 270.0f, 350.0f}) {
        SCOPED_TRACE(degrees);
        const bg::AxisAngle far = bg::Quaternion::fromAngleAxis(degrees, Vector(1, 2, -2)).toAxisAngle();
        EXPECT_NEAR(far.angle, degrees * bg::RAD, 1e-4f) << degrees;
        expectNear(far, 1.0f / 3, 2.0f / 3, -2.0f / 3, 1e-4f);
        expectNear(bg::Quaternion::fromAngleAxis(far.angle * bg::DEG, Vector(far.x, far.y, far.z)).toMatrix(),
                   rotated(degrees, Vector(1, 2, -2)));
    }
    expectWarnings([] { EXPECT_EQ(bg::Quaternion(1, 0, 0, 0).toAxisAngle().angle, 0.0f); },
                   "Math:#: WARNING : Quaternion::toAxisAngle() : Unable to convert the quaternion to AxisAngle, "
                   "sinA = 0 !\n");
    expectWarnings([] { bg::Quaternion(0, 0, 0, 0).normalize(); },
                   "Math:#: WARNING : Quaternion::normalize() : Unable to normalize the quaternion, norm = 0 !\n");
}

} // namespace
