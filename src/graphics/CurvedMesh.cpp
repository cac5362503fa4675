#include "graphics/CurvedMesh.h"

#include <cmath>
#include <cstdlib>
#include <memory>

namespace bg {

namespace {

// One piece of the profile, for t in [0, 1].
struct Segment {
    virtual ~Segment() = default;
    virtual Point evaluate(float t) const = 0;
};

struct LineSegment : Segment {
    LineSegment(const Point& from, const Point& to) : start(from), direction(from, to) {}
    Point evaluate(float t) const override { return start + direction * t; }
    Point start;
    Vector direction;
};

struct CubicSegment : Segment {
    CubicSegment(const Vector& va, const Vector& vb, const Vector& vc, const Vector& vd) : a(va), b(vb), c(vc), d(vd) {}
    Point evaluate(float t) const override {
        const Vector v = ((d * t + c) * t + b) * t + a;
        return {v.x, v.y, v.z};
    }
    Vector a, b, c, d;
};

Vector asVector(const Point& p) { return {p.x, p.y, p.z}; }

// The natural cubic spline: second derivative 0 at both ends.
std::vector<std::unique_ptr<Segment>> cubicSpline(const std::vector<Point>& points) {
    const int n = static_cast<int>(points.size()) - 1;
    std::vector<float> gamma(n + 1);
    std::vector<Vector> delta(n + 1), slope(n + 1);
    auto P = [&](int i) { return asVector(points[i]); };
    gamma[0] = 0.5f;
    for (int i = 1; i < n; ++i) gamma[i] = 1 / (4 - gamma[i - 1]);
    gamma[n] = 1 / (2 - gamma[n - 1]);
    delta[0] = (P(1) - P(0)) * 3 * gamma[0];
    for (int i = 1; i < n; ++i) delta[i] = ((P(i + 1) - P(i - 1)) * 3 - delta[i - 1]) * gamma[i];
    delta[n] = ((P(n) - P(n - 1)) * 3 - delta[n - 1]) * gamma[n];
    slope[n] = delta[n];
    for (int i = n - 1; i >= 0; --i) slope[i] = delta[i] - slope[i + 1] * gamma[i];
    std::vector<std::unique_ptr<Segment>> segments;
    for (int i = 0; i < n; ++i)
        segments.push_back(std::make_unique<CubicSegment>(
            P(i), slope[i], (P(i + 1) - P(i)) * 3 - slope[i] * 2 - slope[i + 1],
            (P(i) - P(i + 1)) * 2 + slope[i] + slope[i + 1]));
    return segments;
}

} // namespace

CurvedMesh::CurvedMesh(int textureId, const Material& material, int interpolationType,
                       const std::vector<Point>& controlPoints, int angle, int numSlices, int numStacks)
    : Mesh(textureId, material, 1, true) {
    const int numControlPoints = static_cast<int>(controlPoints.size());
    const Point* pControlPoint = controlPoints.empty() ? nullptr : controlPoints.data();
    BG_ASSERT(numControlPoints > 1);
    BG_ASSERT(isPowerOfTwo( numControlPoints - 1 ));
    BG_ASSERT(pControlPoint != 0);
    BG_ASSERT(numSlices >= 4);
    BG_ASSERT(numStacks >= 1);
    BG_ASSERT(angle > 0);
    BG_ASSERT(angle <= 360);
    if (angle != 360) setNormalFlag(0); // the surface does not close

    std::vector<std::unique_ptr<Segment>> segments;
    if (interpolationType == LINEAR) {
        for (int i = 0; i + 1 < numControlPoints; ++i)
            segments.push_back(std::make_unique<LineSegment>(controlPoints[i], controlPoints[i + 1]));
    } else if (interpolationType == CUBIC) {
        segments = cubicSpline(controlPoints);
    } else {
        BG_FATAL("Invalid Interpolation Type!");
    }

    // Rows per segment.
    const int k = interpolationType == LINEAR ? 1 : nextPowerOfTwo(numSlices / (numControlPoints - 1));
    const long long numX = numSlices + 1LL, numY = (numControlPoints - 1LL) * k + 1;
    BG_ASSERT(isPowerOfTwo( numX - 1 ));
    // At most twice the slices, so numY - 1 fits an int.
    BG_ASSERT(isPowerOfTwo( numY - 1 ));
    allocate(numX, numY);
    setLevels(log2(numSlices) - 1, log2(k) + 1);

    const float step = angle * 0.017453292f / numSlices;
    for (int j = 0; j < numY; ++j) {
        const float t = static_cast<float>(j) / k;
        const int s = static_cast<int>(t);
        const Point p = s < numControlPoints - 1 ? segments[s]->evaluate(t - s) : controlPoints.back();
        const float rho = std::sqrt(p.x * p.x + p.z * p.z);
        float theta = 4.712389f;
        for (int i = 0; i < numX; ++i, theta -= step)
            setPosition(i, j, Point(std::cos(theta) * rho, p.y, std::sin(theta) * rho));
    }
    // A profile that starts or ends on the axis closes in a pole.
    auto samePlace = [this](int j) {
        const float* a = vertex(0, j);
        const float* b = vertex(1, j);
        return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
    };
    if (samePlace(0))
        for (int i = 0; i < numX; ++i) setNormal(i, 0, Vector(0, -1, 0));
    if (samePlace(numY - 1))
        for (int i = 0; i < numX; ++i) setNormal(i, numY - 1, Vector(0, 1, 0));
    computeNormals();
    computeTextureCoordinates();
    computeBoundingSphere();
}

} // namespace bg
