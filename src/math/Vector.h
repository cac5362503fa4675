#ifndef BRAWLGEAR_MATH_VECTOR_H
#define BRAWLGEAR_MATH_VECTOR_H

// Points and vectors in space, and the angle between two vectors. Angles
// are in degrees; bad input is a "Math" warning and the operation goes on.

namespace bg {

constexpr float ZERO = 0.0001f;
constexpr float RAD = 0.017453292f;   // degrees to radians
constexpr float DEG = 57.295776f;     // radians to degrees

struct Vector;

struct Point {
    float x = 0, y = 0, z = 0;

    Point() = default;
    Point(float px, float py, float pz) : x(px), y(py), z(pz) {}

    Point operator+(const Vector& v) const;
    Point operator-(const Vector& v) const;
    Point operator*(const Vector& v) const;
    Point operator/(const Vector& v) const;
    Point operator+(float n) const { return {x + n, y + n, z + n}; }
    Point operator*(float n) const { return {x * n, y * n, z * n}; }
    Point operator/(float n) const { return {x / n, y / n, z / n}; }
};

struct Vector {
    float x = 0, y = 0, z = 0;

    Vector() = default;
    Vector(float vx, float vy, float vz) : x(vx), y(vy), z(vz) {}
    // The displacement from one point to another.
    Vector(const Point& from, const Point& to) : x(to.x - from.x), y(to.y - from.y), z(to.z - from.z) {}

    // Scales to unit length; a vector of length ZERO or less is left as it
    // is, with a warning.
    void normalize();
    Vector normalized() const;
    float length() const;
    float dot(const Vector& v) const { return x * v.x + y * v.y + z * v.z; }
    Vector cross(const Vector& v) const { return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x}; }

    Vector operator+(const Vector& v) const { return {x + v.x, y + v.y, z + v.z}; }
    Vector operator-(const Vector& v) const { return {x - v.x, y - v.y, z - v.z}; }
    Vector operator*(const Vector& v) const { return {x * v.x, y * v.y, z * v.z}; }
    Vector operator/(const Vector& v) const { return {x / v.x, y / v.y, z / v.z}; }
    Vector operator*(float n) const { return {x * n, y * n, z * n}; }
    Vector operator/(float n) const { return {x / n, y / n, z / n}; }
    bool operator==(const Vector& v) const { return x == v.x && y == v.y && z == v.z; }
};

inline Point Point::operator+(const Vector& v) const { return {x + v.x, y + v.y, z + v.z}; }
inline Point Point::operator-(const Vector& v) const { return {x - v.x, y - v.y, z - v.z}; }
inline Point Point::operator*(const Vector& v) const { return {x * v.x, y * v.y, z * v.z}; }
inline Point Point::operator/(const Vector& v) const { return {x / v.x, y / v.y, z / v.z}; }

// The angle between two vectors in degrees, in [0, 180]; 0, with a warning,
// when either is shorter than ZERO.
float angleBetween(const Vector& v1, const Vector& v2);

} // namespace bg

#endif
