// The shapes' vertex data, their transformations and what they draw.

#include "graphics/Cube.h"
#include "graphics/CurvedMesh.h"
#include "graphics/Quad.h"
#include "graphics/RoundedCube.h"
#include "graphics/Scene.h"
#include "graphics/Texture.h"
#include "tools/media/Media.h"
#include "support/Expect.h"
#include "support/SceneFixture.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

using namespace bg;
using bgtest::report;

using bgtest::stderrOf;

namespace {

// A vertex is position, normal and texture coordinates, in that order.
void expectPoint(const float* v, float x, float y, float z, float tolerance = 1e-5f) {
    const float expected[] = {x, y, z};
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(v[k], expected[k], tolerance) << "xyz"[k];
}
void expectNormal(const float* v, float x, float y, float z, float tolerance = 1e-4f) {
    expectPoint(v + 3, x, y, z, tolerance);
}
// Columns and rows of vertices.
std::pair<int, int> grid(const Mesh& mesh) { return {mesh.getNumX(), mesh.getNumY()}; }
// The normal of vertex (i, j).
Vector normalAt(const Mesh& m, int i, int j) { return Vector(m.vertex(i, j)[3], m.vertex(i, j)[4], m.vertex(i, j)[5]); }
// How far a position is from the origin.
float lengthOf(const float* v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

TEST(Mesh, ADefaultQuad) {
    Quad quad(0, Material());
    ASSERT_EQ(grid(quad), std::pair(33, 33));
    expectPoint(quad.vertex(0, 0), -0.5f, -0.5f, 0);
    expectPoint(quad.vertex(32, 32), 0.5f, 0.5f, 0);
    for (int j = 0; j < 33; j += 8)
        for (int i = 0; i < 33; i += 8) expectNormal(quad.vertex(i, j), 0, 0, 1);
    EXPECT_FLOAT_EQ(quad.vertex(16, 0)[6], 0.5f); // u
    EXPECT_FLOAT_EQ(quad.vertex(0, 8)[7], 0.25f); // v
    EXPECT_NEAR(quad.getBoundingSphere().initialRadius, std::sqrt(0.5f), 1e-5f);
    EXPECT_EQ(quad.getVerticesSent(), 0); // never drawn
}

TEST(Mesh, ACubeIsOneClosedBandWithSmoothCorners) {
    Cube cube(0, Material(), 2, 2, 2, 1, 1);
    ASSERT_EQ(cube.getNumX(), 5);
    // Round the bottom, then the first corner again, and one above.
    const float corners[][5] = {{0, 0, -1, -1, -1}, {1, 0, -1, -1, 1}, {2, 0, 1, -1, 1},
                                {3, 0, 1, -1, -1},  {4, 0, -1, -1, -1}, {1, 1, -1, 1, 1}};
    for (const auto& c : corners) expectPoint(cube.vertex(int(c[0]), int(c[1])), c[2], c[3], c[4]);
    // Each corner takes both walls' faces: horizontal, outward on both.
    const float* corner = cube.vertex(1, 0); // between x = -1 and z = +1
    EXPECT_LT(corner[3], -0.1f);
    EXPECT_GT(corner[5], 0.1f);
    EXPECT_NEAR(corner[4], 0, 1e-6f);
    EXPECT_NEAR(std::hypot(corner[3], corner[5]), 1, 1e-5f);
    // The seam closes through the normal flag: one normal for both ends.
    for (int k = 3; k < 6; ++k) EXPECT_FLOAT_EQ(cube.vertex(0, 0)[k], cube.vertex(4, 0)[k]);
    EXPECT_FLOAT_EQ(cube.vertex(2, 1)[6], 0.5f); // u half way round, v at the top
    EXPECT_FLOAT_EQ(cube.vertex(2, 1)[7], 1.0f);
    EXPECT_LT(cube.vertex(0, 0)[3], -0.1f);
    EXPECT_LT(cube.vertex(0, 0)[5], -0.1f);
    EXPECT_EQ(Cube(0, Material(), 0, 1, 1, 1, 1).getNumX(), 5); // width 0 passes
    // Slices split every wall: half a side from one vertex to the next, all the way round.
    Cube sliced(0, Material(), 2, 2, 4, 2, 1);
    ASSERT_EQ(sliced.getNumX(), 9);
    const float middles[][3] = {{-1, -1, 0}, {0, -1, 2}, {1, -1, 0}, {0, -1, -2}};
    for (int side = 0; side < 4; ++side)
        expectPoint(sliced.vertex(2 * side + 1, 0), middles[side][0], middles[side][1], middles[side][2]);
}

TEST(Mesh, ASphereFromARoundedCube) {
    RoundedCube sphere(0, Material(), 2, 2, 2, 1);
    ASSERT_EQ(grid(sphere), std::pair(33, 33));
    EXPECT_TRUE(sphere.isLODEnabled());
    for (int j = 0; j < 33; ++j)
        for (int i = 0; i < 33; ++i) {
            const float* v = sphere.vertex(i, j);
            ASSERT_NEAR(lengthOf(v), 1, 1e-4f) << i << ", " << j;
            ASSERT_NEAR(v[0] * v[3] + v[1] * v[4] + v[2] * v[5], 1, 2e-3f) << i << ", " << j; // normal = position
        }
    expectPoint(sphere.vertex(7, 0), 0, -1, 0, 1e-4f); // the bottom pole first
    // Every ring shares the equator's u.
    EXPECT_FLOAT_EQ(sphere.vertex(5, 1)[6], sphere.vertex(5, 16)[6]);

    RoundedCube box(0, Material());
    EXPECT_EQ(grid(box), std::pair(37, 34));
    EXPECT_FALSE(box.isLODEnabled());
}

TEST(Mesh, SurfacesOfRevolution) {
    CurvedMesh cone(0, Material(), CurvedMesh::LINEAR, {Point(0, 0, 0), Point(1, 2, 0)});
    ASSERT_EQ(grid(cone), std::pair(33, 2));
    expectPoint(cone.vertex(5, 0), 0, 0, 0);
    expectNormal(cone.vertex(5, 0), 0, -1, 0, 0.5f); // preset pole, then the face sums
    expectPoint(cone.vertex(0, 1), 0, 2, -1); // the turn starts at -z
    const float* rim = cone.vertex(8, 1);
    EXPECT_NEAR(std::sqrt(rim[0] * rim[0] + rim[2] * rim[2]), 1, 1e-5f);
    EXPECT_FLOAT_EQ(rim[1], 2);
    EXPECT_LT(rim[4], 0); // off the axis, no pole: the side's normal points out and down

    CurvedMesh vase(0, Material(), CurvedMesh::CUBIC, {Point(0, 0, 1), Point(3, 1, 0), Point(0, 2, 2)});
    ASSERT_EQ(vase.getNumY(), 33); // 16 rows a segment
    const float heights[] = {0, 1, 2}, radii[] = {1, 3, 2};
    for (int k = 0; k < 3; ++k) {
        const float* v = vase.vertex(0, 16 * k);
        EXPECT_NEAR(v[1], heights[k], 1e-5f);
        EXPECT_NEAR(std::sqrt(v[0] * v[0] + v[2] * v[2]), radii[k], 1e-5f);
    }
    // A whole turn closes at the seam: one normal for both of its ends.
    for (int k = 3; k < 6; ++k) EXPECT_FLOAT_EQ(vase.vertex(0, 16)[k], vase.vertex(32, 16)[k]) << k;
    CurvedMesh small(0, Material(), CurvedMesh::CUBIC, {Point(0, 0, 1), Point(3, 1, 0), Point(0, 2, 2)}, 360, 4);
    EXPECT_EQ(small.getNumY(), 5);
    // A closed profile (a ring of square section) asked to close both ways:
    // its first and last rows, one place, get one normal.
    CurvedMesh ring(0, Material(), CurvedMesh::LINEAR,
                    {Point(1, 0, 0), Point(2, 0, 0), Point(2, 1, 0), Point(1, 1, 0), Point(1, 0, 0)});
    ring.setNormalFlag(3);
    for (int k = 0; k < 6; ++k) EXPECT_FLOAT_EQ(ring.vertex(4, 0)[k], ring.vertex(4, ring.getNumY() - 1)[k]) << k;
}

TEST(Mesh, EveryParameterOutsideItsAssertionStops) {
    const Material m;
    Quad quad(0, m);
    const std::pair<std::function<void()>, std::string> fatal[] = {
        {[&] { Quad(0, m, 0); }, "ASSERTION FAILED:Quad:#: width > 0\n"},
        {[&] { Quad(0, m, 1, 1, 6); }, "ASSERTION FAILED:Quad:#: isPowerOfTwo( numSlices )\n"},
        {[&] { Cube(0, m, -1); }, "ASSERTION FAILED:Cube:#: width >= 0.f\n"},
        {[&] { Cube(0, m, 1, 1, -1); }, "ASSERTION FAILED:Cube:#: depth >= 0.f\n"},
        {[&] { RoundedCube(0, m, 3, 3, 3, 2); }, "ASSERTION FAILED:RoundedCube:#: width >= diameter\n"},
        {[&] { RoundedCube(0, m, 3, 3, 3, 1, 180); }, "ASSERTION FAILED:RoundedCube:#: horizontalAngle == 360\n"},
        {[&] { RoundedCube(0, m, 3, 3, 3, 1, 361); }, "ASSERTION FAILED:RoundedCube:#: horizontalAngle <= 360\n"},
        {[&] { RoundedCube(0, m, 2, 2, 2, 1, 360, 0); }, "ASSERTION FAILED:RoundedCube:#: verticalAngle > 0\n"},
        {[&] { CurvedMesh(0, m, 0, {Point(), Point(), Point(), Point()}); },
         "ASSERTION FAILED:CurvedMesh:#: isPowerOfTwo( numControlPoints - 1 )\n"},
        {[&] { CurvedMesh(0, m, 0, {Point()}); }, "ASSERTION FAILED:CurvedMesh:#: numControlPoints > 1\n"},
        {[&] { CurvedMesh(0, m, 0, {Point(), Point(1, 1, 1)}, 360, 4, 0); },
         "ASSERTION FAILED:CurvedMesh:#: numStacks >= 1\n"},
        {[&] { CurvedMesh(0, m, 7, {Point(), Point(1, 1, 1)}); },
         "CurvedMesh:#: ERROR : Invalid Interpolation Type!\n"},
        {[&] { quad.setLODLevel(1.5f); }, "ASSERTION FAILED:Mesh:#: level <= 1\n"}};
    for (const auto& [make, message] : fatal)
        EXPECT_EXIT(make(), testing::ExitedWithCode(1), report(message)) << message;
    testing::internal::CaptureStderr();
    quad.transform(Matrix(), 3);
    quad.setNormalFlag(9);
    EXPECT_TRUE(bgtest::isReport(testing::internal::GetCapturedStderr(),
                                 "Mesh:#: ERROR : Invalid normalFlag!\nMesh:#: ERROR : Invalid mNormalFlag!\n"));
}

TEST(Mesh, TransformationsMoveVerticesAndTheSphereAsTheTableSays) {
    Quad quad(0, Material(), 2, 2, 2, 2);
    quad.translate(Vector(1, 2, 3));
    expectPoint(quad.vertex(0, 0), 0, 1, 3);
    EXPECT_EQ(quad.getPosition().x, 1);
    quad.setPosition(Point(0, 0, 0));
    expectPoint(quad.vertex(2, 2), 1, 1, 0);
    quad.rotate(90, Vector(0, 1, 0));
    expectNormal(quad.vertex(0, 0), 1, 0, 0); // +z turned to +x
    quad.scale(Vector(2, 1, 1));
    EXPECT_NEAR(quad.getBoundingSphere().initialRadius, 2 * std::sqrt(2.0f), 1e-5f);
    quad.scale(Vector(0.5f, 0.25f, 0.5f));
    EXPECT_NEAR(quad.getBoundingSphere().initialRadius, std::sqrt(2.0f), 1e-5f);
    quad.selfRotate(Vector(0, 0, 45));
    EXPECT_EQ(quad.getPosition().x, 0); // about its own centre: stays
    expectNormal(quad.vertex(0, 0), std::sqrt(0.5f), std::sqrt(0.5f), 0); // and the normals turn with it
    Matrix m;
    m.translation(Vector(5, 0, 0));
    quad.transform(m, 0);
    EXPECT_EQ(quad.getPosition().x, 0); // transform leaves the sphere alone

    // A negative factor mirrors but stretches by its size: the sphere must
    // still hold every vertex.
    for (bool self : {false, true}) {
        Quad q(0, Material(), 2, 2, 1, 1);
        self ? q.selfScale(Vector(-2, 1, 1)) : q.scale(Vector(-2, 1, 1));
        const float radius = q.getBoundingSphere().initialRadius;
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j) EXPECT_LE(lengthOf(q.vertex(i, j)), radius + 1e-5f) << self;
    }
}

// The normals each operation leaves: scaled ones along the scaled normal,
// at unit length; sheared ones recomputed across the sheared surface. And
// the sphere's centre follows a move on every axis apart.
TEST(Mesh, NormalsAndTheCentreAfterEveryKindOfTransformation) {
    Quad moved(0, Material(), 2, 2, 2, 2);
    moved.translate(Vector(1, 2, 3));
    moved.computeBoundingSphere();
    const Point centre = moved.getBoundingSphere().initialPosition;
    EXPECT_TRUE(std::fabs(centre.x - 1) < 1e-5f && std::fabs(centre.y - 2) < 1e-5f && std::fabs(centre.z - 3) < 1e-5f)
        << centre.x << ", " << centre.y << ", " << centre.z;

    // A unit sphere's normal is its position: scaled by (2, 1, 0.5), the
    // normal is the scaled normal made unit again.
    for (bool self : {false, true}) {
        RoundedCube sphere(0, Material(), 2, 2, 2, 1);
        const Vector n0 = normalAt(sphere, 5, 11), s(2, 1, 0.5f);
        self ? sphere.selfScale(s) : sphere.scale(s);
        const Vector expected = Vector(n0.x * s.x, n0.y * s.y, n0.z * s.z).normalized();
        expectNormal(sphere.vertex(5, 11), expected.x, expected.y, expected.z, 1e-4f);
    }
    // Sheared, the normals are recomputed from the sheared surface (onto the
    // unit normals they had), not carried along: unit length, and turned
    // where the shear tilts the surface. About its own centre or not, the
    // same normals.
    const RoundedCube unsheared(0, Material(), 2, 2, 2, 1);
    std::vector<Vector> sheared[2];
    for (bool self : {false, true}) {
        RoundedCube sphere(0, Material(), 2, 2, 2, 1);
        self ? sphere.selfShear(Vector(30, 0, 20)) : sphere.shear(Vector(30, 0, 20));
        float turned = 0;
        for (int j = 0; j < sphere.getNumY(); ++j)
            for (int i = 0; i < sphere.getNumX(); ++i) {
                const Vector n = normalAt(sphere, i, j);
                EXPECT_NEAR(n.length(), 1, 1e-3f) << self << " " << i << ", " << j;
                turned = std::max(turned, (n - normalAt(unsheared, i, j)).length());
                sheared[self].push_back(n);
            }
        EXPECT_GT(turned, 0.03f) << self;
        EXPECT_GT(sphere.getBoundingSphere().initialRadius, 1.1f) << self; // the sphere holds the longer shape
    }
    for (std::size_t k = 0; k < sheared[0].size(); ++k)
        EXPECT_NEAR((sheared[0][k] - sheared[1][k]).length(), 0, 1e-4f) << k;
}

TEST(Mesh, GridsTooLargeToHoldAreMemoryErrors) {
    // Counts whose products overflow: no length_error escaping, no overflow
    // in the column count of a cube.
    EXPECT_THROW(Quad(0, Material(), 1, 1, 1 << 30, 1 << 30), std::bad_alloc);
    EXPECT_THROW(Cube(0, Material(), 1, 1, 1, 1 << 30, 1 << 30), std::bad_alloc);
    EXPECT_THROW(RoundedCube(0, Material(), 1, 1, 1, 0.5f, 360, 180, 1 << 30, 1 << 30), std::bad_alloc);
}

class MeshDrawing : public bgtest::SceneTest {};

TEST_F(MeshDrawing, ALitSphereDrawsWhereTheCameraSeesItAndDetailGoesByLevelAndDistance) {
    build({{"GL_LIGHTING", "1"}, {"GL_CULL_FACE", "1"}, {"GL_DEPTH_TEST", "1"}, {"FOV", "90"},
           {"GL_LIGHT_MODEL_AMBIENT_R", "0"}, {"GL_LIGHT_MODEL_AMBIENT_G", "0"}, {"GL_LIGHT_MODEL_AMBIENT_B", "0"}});
    clear();
    lookFrom(Point(0, 0, 6));
    const int light = gLightManager->addLight();
    gLightManager->setPosition(light, Point(1, 0, 0)); // from +x, at infinity
    gLightManager->enable(light);
    Material white;
    white.setDiffuse(1, 1, 1, 1);
    RoundedCube sphere(0, white, 2, 2, 2, 1);
    sphere.display();
    const auto pixels = readAll();
    // Radius 1 at distance 6 with a 90 degree view: about 300 / 6 = 50 pixels.
    EXPECT_GT(red(pixels, 400 + 30, 300), 100); // the lit side
    EXPECT_LT(red(pixels, 400 - 30, 300), red(pixels, 400 + 30, 300));
    EXPECT_EQ(red(pixels, 400 + 60, 300), 0); // outside
    EXPECT_EQ(red(pixels, 400, 300 + 60), 0);

    // Behind the camera: nothing with culling, something without.
    scene().clearBuffers();
    sphere.setPosition(Point(0, 0, 10));
    sphere.display();
    EXPECT_EQ(sphere.getVerticesSent(), 0);
    sphere.display(false);
    EXPECT_GT(sphere.getVerticesSent(), 0);

    // With LOD off, level 0 of a quad is one strip of two triangles joining
    // the corners; level 1 is every vertex.
    Quad quad(0, Material());
    quad.setLODEnabled(false);
    for (const auto& [level, sent] : {std::pair{0.0f, 4}, std::pair{1.0f, 32 * 33 * 2}}) {
        quad.setLODLevel(level);
        quad.display(false);
        EXPECT_EQ(quad.getVerticesSent(), sent) << level;
    }
    quad.setLODEnabled(true);
    // A step of 4 at distance 25: 10 * 2^2 >= 25.
    for (const auto& [distance, step] : {std::pair{0.0f, 1}, std::pair{25.0f, 4}, std::pair{1e9f, 32}}) {
        int stepX = 0, stepY = 0;
        quad.steps(distance, stepX, stepY);
        EXPECT_EQ(stepX, step) << distance;
    }
}

// Where the driver offers buffer objects it keeps each mesh's vertices; a
// mesh is sent again after it changes and after a new context, and always
// shows what drawing from the engine's own arrays shows.
TEST_F(MeshDrawing, TheDriversCopyIsAlwaysTheMeshAsItIsNow) {
    build({{"GL_LIGHTING", "1"}, {"GL_CULL_FACE", "1"}, {"GL_DEPTH_TEST", "1"}, {"GL_TEXTURE_2D", "1"}, {"FOV", "90"}});
    ASSERT_NE(gBufferObjects.generate, nullptr) << "the test driver offers buffer objects";
    scratch.write("t.png", bg::media::png(2, 2, 6, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 0, 255}));
    const int texture = gTextureManager->load("t.png", false);
    const int light = gLightManager->addLight();
    gLightManager->enable(light);
    Material white;
    white.setDiffuse(1, 1, 1, 1);
    RoundedCube sphere(texture, white, 2, 2, 2, 1);
    auto frame = [&](bool buffers) {
        const BufferFunctions kept = gBufferObjects;
        if (!buffers) gBufferObjects = BufferFunctions();
        clear();
        lookFrom(Point(0, 0, 6));
        gLightManager->setPosition(light, Point(1, 1, 1)); // in the view's frame, as a game does
        sphere.display();
        gBufferObjects = kept;
        return readAll();
    };
    const auto first = frame(true);
    EXPECT_EQ(first, frame(false));
    long lit = 0;
    for (std::size_t k = 0; k < first.size(); k += 4) lit += first[k] + first[k + 1] + first[k + 2] > 0;
    EXPECT_GT(lit, 3000);

    sphere.translate(Vector(1.5f, 0, 0));
    const auto moved = frame(true);
    EXPECT_NE(moved, first);
    EXPECT_EQ(moved, frame(false));
    sphere.invertNormals();
    const auto inverted = frame(true);
    EXPECT_NE(inverted, moved);
    EXPECT_EQ(inverted, frame(false));

    // The buffers of the old context went with it; without one, none is
    // asked for.
    scene().endSDL();
    EXPECT_EQ(gBufferObjects.generate, nullptr);
    sphere.display();
    restart();
    EXPECT_EQ(frame(true), inverted);
    EXPECT_EQ(frame(false), inverted);
}

TEST_F(MeshDrawing, ATexturedQuadIsUprightAndBadCoordinatesDrawNothingHarmful) {
    build({{"GL_LIGHTING", "0"}, {"GL_CULL_FACE", "0"}, {"GL_TEXTURE_2D", "1"}, {"FOV", "90"}});
    scratch.write("t.png", bg::media::png(2, 2, 6, {255, 0, 0, 255, 255, 0, 0, 255, 0, 0, 255, 255, 0, 0, 255, 255}));
    const int texture = gTextureManager->load("t.png", false);
    clear();
    lookFrom(Point(0, 0, 1));
    glColor4f(1, 1, 1, 1);
    Quad quad(texture, Material(), 2, 2, 1, 1); // fills the view from 1 away at 90 degrees
    quad.display();
    const std::vector<int> top = pixelAt(400, 450), bottom = pixelAt(400, 150);
    EXPECT_GT(top[0], 200);
    EXPECT_LT(top[2], 50);
    EXPECT_GT(bottom[2], 200);
    EXPECT_LT(bottom[0], 50);

    // Coordinates that are not numbers: warnings, no crash.
    stderrOf([&] {
        quad.translate(Vector(std::nanf(""), 0, 0));
        quad.computeBoundingSphere();
        quad.display();
        quad.display(false);
        Quad infinite(texture, Material());
        infinite.scale(Vector(std::numeric_limits<float>::infinity(), 1, 1));
        infinite.display();
    });
}

} // namespace
