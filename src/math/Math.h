#ifndef BRAWLGEAR_MATH_MATH_H
#define BRAWLGEAR_MATH_MATH_H

// Points, vectors and 4x4 matrices: plain values, copied freely, never
// allocating. Angles are in degrees. Bad input is a "Math" warning and the
// operation goes on with a clamped or unchanged value.

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
    Point operator-(float n) const { return {x - n, y - n, z - n}; }
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
    Vector& operator+=(float n);
    Vector& operator-=(float n);
    bool operator==(const Vector& v) const { return x == v.x && y == v.y && z == v.z; }
};

inline Point Point::operator+(const Vector& v) const { return {x + v.x, y + v.y, z + v.z}; }
inline Point Point::operator-(const Vector& v) const { return {x - v.x, y - v.y, z - v.z}; }
inline Point Point::operator*(const Vector& v) const { return {x * v.x, y * v.y, z * v.z}; }
inline Point Point::operator/(const Vector& v) const { return {x / v.x, y / v.y, z / v.z}; }

// The angle between two vectors in degrees, in [0, 180]; 0, with a warning,
// when either is shorter than ZERO.
float angleBetween(const Vector& v1, const Vector& v2);

bool isPowerOfTwo(int n);
// The smallest power of two >= n (1 for n <= 1).
int nextPowerOfTwo(int n);

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

// The plane a*x + b*y + c*z + d = 0, its normal kept at unit length, with a
// point on it.
struct Plane {
    float a = 1, b = 0, c = 0, d = 0;
    Point point;

    Plane() = default;
    // Normalised, and given the point of it nearest the origin.
    Plane(float pa, float pb, float pc, float pd);

    Vector normal() const { return {a, b, c}; }
    void normalize();
    void findPoint();
    void findD();
    void setPoint(const Point& p);
    // The normal only: d and the point stay, until findD.
    void setNormal(const Vector& v);
    void translate(const Vector& v);
    float distance(const Point& p) const { return a * p.x + b * p.y + c * p.z + d; }
    // IN_FRONT (1), BEHIND (3) or ON_PLANE (6).
    int classify(const Point& p) const;
    // Where the segment p1-p2 crosses the plane; `out` is p2 when it does not.
    bool getIntersection(const Point& p1, const Point& p2, Point& out) const;

    static constexpr int IN_FRONT = 1, BEHIND = 3, ON_PLANE = 6;
};

// A sphere around an object: its initial centre and radius in the object's
// own coordinates, and the centre, radius and radius axes after the last
// transformation, which is what every test reads.
struct BoundingSphere {
    Point initialPosition;
    float initialRadius = 0;
    Point position;
    float radius = 0;
    Vector xAxis, yAxis, zAxis;

    // Transforms the initial sphere by `world`; under a non-uniform scale the
    // radius becomes the largest scaled semi-axis.
    void applyTransformations(const Matrix& world);
    // Where the segment from `origin` through `through` first enters the
    // sphere. The two points must differ (fatal).
    bool rayIntersect(const Point& origin, const Point& through, Point& out) const;
    bool sphereIntersect(const BoundingSphere& other) const;
    // Pushes two overlapping spheres apart; `k` is the share of the push the
    // other sphere takes (0: only this one moves, 1: only the other).
    bool collisionResponse(BoundingSphere& other, float k);
    // The smallest sphere holding both, for each pair alike; axes are zero.
    BoundingSphere operator+(const BoundingSphere& other) const;
};

struct BoundingBox {
    Point min, max;

    // The outward plane of face 0 to 5.
    Plane getPlane(int planeType) const;
    void translate(const Vector& v);
    // Moves the box so that its centre is at p.
    void moveTo(const Point& p);
    Point closestPoint(const Point& p) const;
    // Whether some of the box lies on or behind the plane.
    bool isBehind(const Plane& plane) const;
};

struct AxisAngle {
    float x = 0, y = 0, z = 0, angle = 0; // angle in radians
};

struct Quaternion {
    float w = 1, x = 0, y = 0, z = 0;

    Quaternion() = default;
    Quaternion(float qw, float qx, float qy, float qz) : w(qw), x(qx), y(qy), z(qz) {}
    // A rotation by `angle` degrees about `axis`.
    static Quaternion fromAngleAxis(float angle, const Vector& axis);
    // Radians, turning about X, then Y, then Z.
    static Quaternion fromEuler(float rx, float ry, float rz);
    void normalize();
    Matrix toMatrix() const;
    AxisAngle toAxisAngle() const;
};

} // namespace bg

#endif
