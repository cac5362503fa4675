#include "math/BoundingBox.h"

#include "foundation/Report.h"
#include "foundation/Utils.h"

#include <algorithm>
#include <cmath>

// Split out of the one file the maths once were: reports keep its name.
#undef BG_REPORT_FILE
#define BG_REPORT_FILE "Math"

namespace bg {

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

} // namespace bg
