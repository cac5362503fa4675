#include "math/Math.h"

#include "foundation/Report.h"
#include "foundation/Utils.h"

#include <algorithm>
#include <cmath>

namespace bg {

void Vector::normalize() {
    const float l = length();
    if (l > ZERO) {
        x /= l;
        y /= l;
        z /= l;
    } else {
        BG_WARNING("Vector::normalize() : Unable to normalize the vector, length = 0 !");
    }
}

Vector Vector::normalized() const {
    Vector copy = *this;
    copy.normalize();
    return copy;
}

float Vector::length() const { return std::sqrt(x * x + y * y + z * z); }

Vector& Vector::operator+=(float n) {
    x += n;
    y += n;
    z += n;
    return *this;
}

Vector& Vector::operator-=(float n) {
    x -= n;
    y -= n;
    z -= n;
    return *this;
}

float angleBetween(const Vector& v1, const Vector& v2) {
    const float l1 = v1.length(), l2 = v2.length();
    bool degenerate = false;
    if (l1 < ZERO) {
        BG_WARNING("angleBetween( v1, v2 ) : v1 length = 0 !");
        degenerate = true;
    }
    if (l2 < ZERO) {
        BG_WARNING("angleBetween( v1, v2 ) : v2 length = 0 !");
        degenerate = true;
    }
    if (degenerate) return 0;
    // In double, and as dot / sqrt(|v1|^2 |v2|^2): for equal or opposite
    // vectors that is exactly +-1 (sqrt(x * x) == x), so they give exactly
    // 0 and 180; rounding elsewhere may still step past +-1, hence the clamps.
    const double s1 = double(v1.x) * v1.x + double(v1.y) * v1.y + double(v1.z) * v1.z;
    const double s2 = double(v2.x) * v2.x + double(v2.y) * v2.y + double(v2.z) * v2.z;
    const double c = (double(v1.x) * v2.x + double(v1.y) * v2.y + double(v1.z) * v2.z) / std::sqrt(s1 * s2);
    if (c >= 1) return 0;
    if (c <= -1) return std::acos(-1.0f) * DEG;
    return static_cast<float>(std::acos(c)) * DEG;
}

int nextPowerOfTwo(int n) {
    // 2^31 is not an int: above 2^30 the answer is the largest power there is.
    if (n > (1 << 30)) {
        BG_WARNING("nextPowerOfTwo( n ) : n > 2^30, 2^30 returned");
        return 1 << 30;
    }
    int power = 1;
    while (power < n) power *= 2;
    return power;
}

bool isPowerOfTwo(int n) { return n >= 1 && (n & (n - 1)) == 0; }

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

namespace bg {

Plane::Plane(float pa, float pb, float pc, float pd) : a(pa), b(pb), c(pc), d(pd) {
    normalize();
    findPoint();
}

void Plane::normalize() {
    const float l = normal().length();
    if (l > ZERO) {
        a /= l;
        b /= l;
        c /= l;
        d /= l;
    } else {
        BG_WARNING("Plane::normalize() : Unable to normalize the plane, length = 0 !");
    }
}

void Plane::findPoint() { point = Point(-d * a, -d * b, -d * c); }
void Plane::findD() { d = -(a * point.x + b * point.y + c * point.z); }

void Plane::setPoint(const Point& p) {
    point = p;
    findD();
}

void Plane::setNormal(const Vector& v) {
    const Vector n = v.normalized();
    a = n.x;
    b = n.y;
    c = n.z;
}

void Plane::translate(const Vector& v) { setPoint(point + v); }

int Plane::classify(const Point& p) const {
    const float s = distance(p);
    return s > ZERO ? IN_FRONT : s < -ZERO ? BEHIND : ON_PLANE;
}

bool Plane::getIntersection(const Point& p1, const Point& p2, Point& out) const {
    out = p2;
    const Vector dir(p1, p2);
    const float den = normal().dot(dir);
    if (std::fabs(den) < ZERO) return false;
    const float t = normal().dot(Vector(p1, point)) / den;
    if (t < 0 || t > 1) return false;
    out = p1 + dir * t;
    return true;
}

void BoundingSphere::applyTransformations(const Matrix& world) {
    const float r = initialRadius;
    const float* m = world.data();
    if (m[3] == 0 && m[7] == 0 && m[11] == 0 && m[15] == 1) {
        // Affine, as every world matrix the engine builds is: the axes are
        // the matrix's columns times the radius, with no divisions.
        const Point centre = world.mulPoint(initialPosition);
        xAxis = Vector(m[0], m[1], m[2]) * r;
        yAxis = Vector(m[4], m[5], m[6]) * r;
        zAxis = Vector(m[8], m[9], m[10]) * r;
        position = centre;
        radius = std::max(xAxis.length(), std::max(yAxis.length(), zAxis.length()));
        return;
    }
    const Point centre = world.mulPoint(initialPosition);
    xAxis = Vector(centre, world.mulPoint(initialPosition + Vector(r, 0, 0)));
    yAxis = Vector(centre, world.mulPoint(initialPosition + Vector(0, r, 0)));
    zAxis = Vector(centre, world.mulPoint(initialPosition + Vector(0, 0, r)));
    position = centre;
    radius = std::max(xAxis.length(), std::max(yAxis.length(), zAxis.length()));
}

bool BoundingSphere::rayIntersect(const Point& origin, const Point& through, Point& out) const {
    // A ray with an infinite or undefined coordinate hits nothing.
    for (float c : {origin.x, origin.y, origin.z, through.x, through.y, through.z})
        if (!std::isfinite(c)) return false;
    Vector v(origin, through);
    const float V_length = v.length();
    BG_ASSERT(V_length > 0);
    v = v / V_length;
    const Vector w(origin, position);
    const float t0 = w.dot(v);
    if (t0 < 0) return false; // the sphere lies behind the origin
    const float q = w.dot(w) - t0 * t0;
    if (q > radius * radius) return false;
    const float t = t0 - std::sqrt(radius * radius - q);
    if (t > V_length) return false; // beyond the second point
    out = origin + v * t;
    return true;
}

bool BoundingSphere::sphereIntersect(const BoundingSphere& other) const {
    return Vector(position, other.position).length() < radius + other.radius;
}

bool BoundingSphere::collisionResponse(BoundingSphere& other, float k) {
    Vector dir(position, other.position);
    const float length = dir.length();
    const float push = radius + other.radius - length;
    if (push < 0) return false;
    // Two spheres at one place are parted along +X.
    dir = length < ZERO ? Vector(1, 0, 0) : dir / length;
    const Vector p = dir * push;
    position = position - p * (1 - k);
    other.position = other.position + p * k;
    return true;
}

namespace {

// The smallest sphere that holds two spheres.
void enclose(const Point& c1, float r1, const Point& c2, float r2, Point& centre, float& radius) {
    const Vector between(c1, c2);
    const float distance = between.length();
    if (distance + r2 <= r1) {
        centre = c1;
        radius = r1;
    } else if (distance + r1 <= r2) {
        centre = c2;
        radius = r2;
    } else {
        radius = (r1 + r2 + distance) / 2;
        centre = c1 + between * ((radius - r1) / distance);
    }
}

} // namespace

BoundingSphere BoundingSphere::operator+(const BoundingSphere& other) const {
    BoundingSphere sum;
    enclose(initialPosition, initialRadius, other.initialPosition, other.initialRadius, sum.initialPosition,
            sum.initialRadius);
    enclose(position, radius, other.position, other.radius, sum.position, sum.radius);
    return sum;
}

Plane BoundingBox::getPlane(int planeType) const {
    struct Face {
        Vector normal;
        Point corner;
    };
    const Face faces[6] = {{{-1, 0, 0}, {min.x, min.y, max.z}}, {{0, 0, 1}, {max.x, min.y, max.z}},
                           {{1, 0, 0}, {max.x, min.y, min.z}},  {{0, 0, -1}, {min.x, min.y, min.z}},
                           {{0, 1, 0}, {max.x, max.y, max.z}},  {{0, -1, 0}, {max.x, min.y, min.z}}};
    if (planeType < 0 || planeType > 5) {
        BG_WARNING("BoundingBox::getPlane( planeType ) : Unknown plane type!");
        planeType = 0;
    }
    Plane plane;
    plane.setNormal(faces[planeType].normal);
    plane.setPoint(faces[planeType].corner);
    return plane;
}

void BoundingBox::translate(const Vector& v) {
    min = min + v;
    max = max + v;
}

void BoundingBox::moveTo(const Point& p) {
    const Point centre((min.x + max.x) / 2, (min.y + max.y) / 2, (min.z + max.z) / 2);
    translate(Vector(centre, p));
}

Point BoundingBox::closestPoint(const Point& p) const {
    return {std::clamp(p.x, min.x, max.x), std::clamp(p.y, min.y, max.y), std::clamp(p.z, min.z, max.z)};
}

bool BoundingBox::isBehind(const Plane& plane) const {
    const Point corner(plane.a <= 0 ? max.x : min.x, plane.b <= 0 ? max.y : min.y, plane.c <= 0 ? max.z : min.z);
    return plane.distance(corner) <= 0;
}

Quaternion Quaternion::fromAngleAxis(float angle, const Vector& axis) {
    const Vector n = axis.normalized();
    const float h = angle * RAD / 2, s = std::sin(h);
    return {std::cos(h), n.x * s, n.y * s, n.z * s};
}

Quaternion Quaternion::fromEuler(float rx, float ry, float rz) {
    const float cx = std::cos(rx / 2), sx = std::sin(rx / 2);
    const float cy = std::cos(ry / 2), sy = std::sin(ry / 2);
    const float cz = std::cos(rz / 2), sz = std::sin(rz / 2);
    return {cx * cy * cz + sx * sy * sz, sx * cy * cz - cx * sy * sz, cx * sy * cz + sx * cy * sz,
            cx * cy * sz - sx * sy * cz};
}

void Quaternion::normalize() {
    const float n = std::sqrt(w * w + x * x + y * y + z * z);
    if (n > ZERO) {
        w /= n;
        x /= n;
        y /= n;
        z /= n;
    } else {
        BG_WARNING("Quaternion::normalize() : Unable to normalize the quaternion, norm = 0 !");
    }
}

Matrix Quaternion::toMatrix() const {
    return Matrix(1 - 2 * (y * y + z * z), 2 * (x * y - w * z), 2 * (x * z + w * y), 0, //
                  2 * (x * y + w * z), 1 - 2 * (x * x + z * z), 2 * (y * z - w * x), 0, //
                  2 * (x * z - w * y), 2 * (y * z + w * x), 1 - 2 * (x * x + y * y), 0, //
                  0, 0, 0, 1);
}

AxisAngle Quaternion::toAxisAngle() const {
    // acos and sqrt need w in [-1, 1]; rounding can take a unit quaternion past it.
    const float cw = std::clamp(w, -1.0f, 1.0f);
    AxisAngle result{x, y, z, 2 * std::acos(cw)};
    const float s = std::sqrt(1 - cw * cw);
    if (s > ZERO) {
        result.x /= s;
        result.y /= s;
        result.z /= s;
    } else {
        BG_WARNING("Quaternion::toAxisAngle() : Unable to convert the quaternion to AxisAngle, sinA = 0 !");
    }
    return result;
}

} // namespace bg
