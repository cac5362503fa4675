#ifndef BRAWLGEAR_GRAPHICS_MESH_H
#define BRAWLGEAR_GRAPHICS_MESH_H

// The core of every solid shape (Quad, Cube, RoundedCube, CurvedMesh): a
// grid of vertices (position, normal, texture coordinates: eight floats,
// one interleaved array) drawn as triangle strips, with level of detail by
// striding through the grid, one texture, one Material and a bounding
// sphere. Transformations rewrite the vertex data once, when made, so
// drawing needs no matrix of its own. A shape fills the grid in its
// constructor; the mesh lives as long as its script object.

#include "graphics/Light.h"
#include "math/Math.h"

#include <vector>

namespace bg {

class Mesh {
public:
    static constexpr int FLOATS = 8; // x, y, z, nx, ny, nz, u, v

    Mesh(int textureId, const Material& material, int normalFlag, bool counterclockwise);
    virtual ~Mesh();
    Mesh(const Mesh&) = delete;
    Mesh& operator=(const Mesh&) = delete;

    // Draws with the camera test (and distance-based detail) when `cull`.
    void display(bool cull = true);
    // The camera's verdict on the sphere, and its distance measure.
    bool isVisible(float& distance) const;

    void computeBoundingSphere();
    // Adds the face sums onto the normals the vertices hold, normalises,
    // then smooths the seams mNormalFlag names.
    void computeNormals();
    void computeTextureCoordinates();

    // mode 0: positions only; 1: normals moved too; 2: and normalised.
    void transform(const Matrix& m, int normalMode);
    void translate(const Vector& v);
    void setPosition(const Point& p);
    void rotate(float angle, const Vector& axis);
    void rotate(const Vector& angles);
    void scale(const Vector& s);
    void shear(const Vector& angles);
    void selfRotate(float angle, const Vector& axis);
    void selfRotate(const Vector& angles);
    void selfScale(const Vector& s);
    void selfShear(const Vector& angles);
    Point getPosition() const { return mSphere.initialPosition; }

    void setLODEnabled(bool on) { mLODEnabled = on; }
    bool isLODEnabled() const { return mLODEnabled; }
    // In [0, 1] (fatal otherwise); 1 is full detail.
    void setLODLevel(float level);
    float getLODLevel() const { return mLODLevel; }
    void setLevelLength(float length) { mLevelLength = length; }
    float getLevelLength() const { return mLevelLength; }
    void setTextureId(int id) { mTextureId = id; }
    int getTextureId() const { return mTextureId; }
    void setMaterial(const Material& material) { mMaterial = material; }
    const Material& getMaterial() const { return mMaterial; }
    // Recomputes the normals at once.
    void setNormalFlag(int flag);
    int getNormalFlag() const { return mNormalFlag; }
    void invertNormals();
    const BoundingSphere& getBoundingSphere() const { return mSphere; }
    void setCounterclockwise(bool on) { mCounterclockwise = on; }
    bool getCounterclockwise() const { return mCounterclockwise; }

    int getNumX() const { return mNumX; }
    int getNumY() const { return mNumY; }
    int getLevelsX() const { return mLevelsX; }
    int getLevelsY() const { return mLevelsY; }
    // Vertex (i, j): column i of row j.
    float* vertex(int i, int j) {
        mBufferStale = true;
        return &mVertices[(static_cast<std::size_t>(j) * mNumX + i) * FLOATS];
    }
    const float* vertex(int i, int j) const { return &mVertices[(static_cast<std::size_t>(j) * mNumX + i) * FLOATS]; }
    // The decimation steps display would use at this distance.
    void steps(float distance, int& stepX, int& stepY) const;
    // How many vertices the last display sent (for tests and benchmarks).
    long getVerticesSent() const { return mVerticesSent; }

protected:
    // log2 of a power of two (exact).
    static int log2(int powerOfTwo) {
        int l = 0;
        while ((1 << l) < powerOfTwo) ++l;
        return l;
    }
    // Allocates the grid (fatal unless both counts are above 1), all zeros.
    void allocate(long long numX, long long numY);
    void setLevels(int levelsX, int levelsY) { mLevelsX = levelsX, mLevelsY = levelsY; }
    Point position(int i, int j) const;
    void setPosition(int i, int j, const Point& p);
    void setNormal(int i, int j, const Vector& n);

private:
    // The index lists of one detail level: every strip's vertices, in the
    // drawing order, and where each strip starts.
    struct Strips {
        bool built = false;
        bool counterclockwise = false;
        std::vector<unsigned> indices;
        std::vector<int> starts;
        // The strips' own triangles, for one draw: each wound as its strip
        // winds it, with the same last vertex.
        std::vector<unsigned> triangles;
        unsigned buffer = 0; // the triangles on the driver's side
        unsigned generation = 0;
    };
    // The detail levels display uses at this distance (0 is full detail;
    // each level halves the vertices along its direction).
    void levels(float distance, int& levelX, int& levelY) const;
    Strips& strips(int levelX, int levelY);
    void transformAbout(const Matrix& m, int normalMode);
    Matrix aboutCentre(const Matrix& m) const;

    int mNumX = 0;
    int mNumY = 0;
    std::vector<float> mVertices;
    int mNormalFlag;
    bool mCounterclockwise;
    bool mLODEnabled = true;
    float mLODLevel = 1.0f;
    float mLevelLength = 10.0f;
    int mLevelsX = 0;
    int mLevelsY = 0;
    Material mMaterial;
    int mTextureId;
    BoundingSphere mSphere;
    std::vector<Strips> mStrips; // by level, built on first use
    // What the sphere was last placed with: the same world matrix and
    // initial sphere give the same transformed sphere.
    Matrix mLastWorld;
    Point mLastCentre;
    float mLastRadius = -1;
    long mVerticesSent = 0;
    // The vertex data on the driver's side, when it offers buffer objects;
    // sent again only after the vertices changed.
    bool bindBuffer();
    bool bindIndexBuffer(Strips& s);
    unsigned mBuffer = 0;
    unsigned mBufferGeneration = 0;
    bool mBufferStale = true;
};

} // namespace bg

#endif
