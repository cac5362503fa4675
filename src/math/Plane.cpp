#include "math/Plane.h"

#include "foundation/Report.h"
#include "foundation/Utils.h"

#include <algorithm>
#include <cmath>

// Split out of the one file the maths once were: reports keep its name.
#undef BG_REPORT_FILE
#define BG_REPORT_FILE "Math"

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

} // namespace bg
