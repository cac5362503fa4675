#include "graphics/Mesh.h"

#include "graphics/Camera.h"
#include "graphics/FrameStats.h"
#include "graphics/Primitives.h"
#include "graphics/Scene.h"
#include "graphics/SpriteBatch.h"
#include "graphics/Texture.h"
#include "graphics/Transform.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <new>

namespace bg {

Mesh::Mesh(int textureId, const Material& material, int normalFlag, bool counterclockwise)
    : mNormalFlag(normalFlag), mCounterclockwise(counterclockwise), mMaterial(material), mTextureId(textureId) {}

namespace {

// A buffer of an earlier context went with it; one of this context is
// given back.
void releaseBuffer(unsigned buffer, unsigned generation) {
    if (buffer && generation == gContextGeneration && gBufferObjects.remove) gBufferObjects.remove(1, &buffer);
}

} // namespace

Mesh::~Mesh() {
    releaseBuffer(mBuffer, mBufferGeneration);
    for (const Strips& s : mStrips) releaseBuffer(s.buffer, s.generation);
}

void Mesh::allocate(long long numX, long long numY) {
    BG_ASSERT(numX > 1);
    BG_ASSERT(numY > 1);
    // A grid the process cannot hold fails like any allocation: the script
    // that asked for it gets the interpreter's memory error. Strip indices
    // are ints, so the vertices stay well inside their range.
    if (numX > INT_MAX || numY > INT_MAX ||
        static_cast<unsigned long long>(numX) * static_cast<unsigned long long>(numY) > INT_MAX / 2)
        throw std::bad_alloc();
    mNumX = static_cast<int>(numX);
    mNumY = static_cast<int>(numY);
    mVertices.assign(static_cast<std::size_t>(numX) * static_cast<std::size_t>(numY) * FLOATS, 0.0f);
    mBufferStale = true;
    for (const Strips& s : mStrips) releaseBuffer(s.buffer, s.generation);
    mStrips.clear();
}

Point Mesh::position(int i, int j) const {
    const float* v = vertex(i, j);
    return {v[0], v[1], v[2]};
}

void Mesh::setPosition(int i, int j, const Point& p) {
    float* v = vertex(i, j);
    v[0] = p.x, v[1] = p.y, v[2] = p.z;
}

void Mesh::setNormal(int i, int j, const Vector& n) {
    float* v = vertex(i, j);
    v[3] = n.x, v[4] = n.y, v[5] = n.z;
}

void Mesh::setLODLevel(float level) {
    BG_ASSERT(level >= 0);
    BG_ASSERT(level <= 1);
    mLODLevel = level;
}

void Mesh::setNormalFlag(int flag) {
    mNormalFlag = flag;
    computeNormals();
}

void Mesh::invertNormals() {
    mBufferStale = true;
    for (std::size_t k = 0; k < mVertices.size(); k += FLOATS)
        for (int c = 3; c < 6; ++c) mVertices[k + c] = -mVertices[k + c];
}

// ---------------------------------------------------------------------------
// Derived data

void Mesh::computeBoundingSphere() {
    const long count = static_cast<long>(mNumX) * mNumY;
    if (count == 0) return;
    double x = 0, y = 0, z = 0;
    for (int j = 0; j < mNumY; ++j)
        for (int i = 0; i < mNumX; ++i) {
            const float* v = vertex(i, j);
            x += v[0], y += v[1], z += v[2];
        }
    const Point centre(static_cast<float>(x / count), static_cast<float>(y / count), static_cast<float>(z / count));
    float radius = 0;
    for (int j = 0; j < mNumY; ++j)
        for (int i = 0; i < mNumX; ++i) radius = std::max(radius, Vector(centre, position(i, j)).length());
    mSphere.initialPosition = centre;
    mSphere.initialRadius = radius;
}

void Mesh::computeNormals() {
    auto addNormal = [this](int i, int j, const Vector& n) {
        float* v = vertex(i, j);
        v[3] += n.x, v[4] += n.y, v[5] += n.z;
    };
    for (int j = 0; j < mNumY - 1; ++j) {
        for (int i = 0; i < mNumX - 1; ++i) {
            const Point v0 = position(i, j), v1 = position(i, j + 1), v2 = position(i + 1, j + 1),
                        v3 = position(i + 1, j);
            Vector e1(v1, v0), e2(v1, v2); // V0 - V1, V2 - V1
            Vector n = mCounterclockwise ? e1.cross(e2) : e2.cross(e1);
            addNormal(i, j, n), addNormal(i, j + 1, n), addNormal(i + 1, j + 1, n);
            e1 = Vector(v3, v2), e2 = Vector(v3, v0); // V2 - V3, V0 - V3
            n = mCounterclockwise ? e1.cross(e2) : e2.cross(e1);
            addNormal(i, j, n), addNormal(i + 1, j, n), addNormal(i + 1, j + 1, n);
        }
    }
    auto normalOf = [this](int i, int j) {
        const float* v = vertex(i, j);
        return Vector(v[3], v[4], v[5]);
    };
    for (int j = 0; j < mNumY; ++j)
        for (int i = 0; i < mNumX; ++i) {
            Vector n = normalOf(i, j);
            n.normalize();
            setNormal(i, j, n);
        }
    auto smooth = [&](int i0, int j0, int i1, int j1) {
        Vector n = normalOf(i0, j0) + normalOf(i1, j1);
        n.normalize();
        setNormal(i0, j0, n);
        setNormal(i1, j1, n);
    };
    if (mNormalFlag < 0 || mNormalFlag > 3) {
        BG_ERROR("Invalid mNormalFlag!");
        return;
    }
    if (mNormalFlag & 1)
        for (int j = 0; j < mNumY; ++j) smooth(0, j, mNumX - 1, j);
    if (mNormalFlag & 2)
        for (int i = 0; i < mNumX; ++i) smooth(i, 0, i, mNumY - 1);
}

void Mesh::computeTextureCoordinates() {
    // Arc length along each row (u) and each column (v).
    for (int pass = 0; pass < 2; ++pass) {
        const int lines = pass == 0 ? mNumY : mNumX, along = pass == 0 ? mNumX : mNumY;
        const int coordinate = pass == 0 ? 6 : 7;
        for (int line = 0; line < lines; ++line) {
            auto at = [&](int k) { return pass == 0 ? position(k, line) : position(line, k); };
            auto set = [&](int k, float value) { (pass == 0 ? vertex(k, line) : vertex(line, k))[coordinate] = value; };
            float total = 0;
            for (int k = 1; k < along; ++k) total += Vector(at(k - 1), at(k)).length();
            float run = 0;
            for (int k = 0; k < along; ++k) {
                if (k > 0) run += Vector(at(k - 1), at(k)).length();
                float value = total > 0 ? run / total : static_cast<float>(k) / (along - 1);
                if (k == along - 1) value = 1;
                set(k, value);
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Drawing

bool Mesh::isVisible(float& distance) const {
    distance = 0;
    return gCamera->isSphereVisible(mSphere.position, mSphere.radius, distance);
}

void Mesh::levels(float distance, int& levelX, int& levelY) const {
    auto level = [&](int levels) {
        int l;
        if (mLODEnabled) {
            l = 0;
            // Bounded: a distance that is not finite is the coarsest level.
            while (l < levels - 1 && !(mLevelLength * std::ldexp(1.0f, l) >= distance)) ++l;
        } else {
            l = static_cast<int>((1 - mLODLevel) * static_cast<float>(levels - 1));
        }
        return std::max(0, std::min(l, std::max(levels - 1, 0)));
    };
    levelX = level(mLevelsX);
    levelY = level(mLevelsY);
}

void Mesh::steps(float distance, int& stepX, int& stepY) const {
    levels(distance, stepX, stepY);
    stepX = 1 << stepX;
    stepY = 1 << stepY;
}

Mesh::Strips& Mesh::strips(int levelX, int levelY) {
    const int stepX = 1 << levelX, stepY = 1 << levelY;
    const int width = std::max(mLevelsX, 1);
    const std::size_t key = static_cast<std::size_t>(levelY) * width + levelX;
    if (mStrips.size() <= key) mStrips.resize(key + 1);
    Strips& s = mStrips[key];
    if (s.built && s.counterclockwise == mCounterclockwise) return s;
    releaseBuffer(s.buffer, s.generation);
    s = Strips();
    s.built = true;
    s.counterclockwise = mCounterclockwise;
    for (int y = 0; y < mNumY - stepY; y += stepY) {
        s.starts.push_back(static_cast<int>(s.indices.size()));
        for (int x = 0; x < mNumX; x += stepX) {
            const unsigned low = static_cast<unsigned>(y * mNumX + x), high = static_cast<unsigned>((y + stepY) * mNumX + x);
            if (mCounterclockwise) {
                s.indices.push_back(high);
                s.indices.push_back(low);
            } else {
                s.indices.push_back(low);
                s.indices.push_back(high);
            }
        }
    }
    s.starts.push_back(static_cast<int>(s.indices.size()));
    // A strip's triangle k is (k, k + 1, k + 2), its odd ones turned back
    // to (k + 1, k, k + 2) so that every triangle keeps the strip's winding.
    for (std::size_t k = 0; k + 1 < s.starts.size(); ++k) {
        const unsigned* strip = s.indices.data() + s.starts[k];
        const int count = s.starts[k + 1] - s.starts[k];
        for (int t = 0; t + 2 < count; ++t) {
            const bool odd = t % 2 != 0;
            s.triangles.insert(s.triangles.end(), {strip[odd ? t + 1 : t], strip[odd ? t : t + 1], strip[t + 2]});
        }
    }
    return s;
}

bool Mesh::bindBuffer() {
    if (!gBufferObjects.generate) return false;
    if (!mBuffer || mBufferGeneration != gContextGeneration) {
        mBuffer = 0;
        gBufferObjects.generate(1, &mBuffer);
        if (!mBuffer) return false;
        mBufferGeneration = gContextGeneration;
        mBufferStale = true;
    }
    gBufferObjects.bind(GL_ARRAY_BUFFER_ARB, mBuffer);
    if (mBufferStale) {
        gBufferObjects.data(GL_ARRAY_BUFFER_ARB, static_cast<long>(mVertices.size() * sizeof(float)), mVertices.data(),
                            GL_STATIC_DRAW_ARB);
        mBufferStale = false;
    }
    return true;
}

bool Mesh::bindIndexBuffer(Strips& s) {
    if (!gBufferObjects.generate) return false;
    if (!s.buffer || s.generation != gContextGeneration) {
        s.buffer = 0;
        gBufferObjects.generate(1, &s.buffer);
        if (!s.buffer) return false;
        s.generation = gContextGeneration;
        gBufferObjects.bind(GL_ELEMENT_ARRAY_BUFFER_ARB, s.buffer);
        gBufferObjects.data(GL_ELEMENT_ARRAY_BUFFER_ARB, static_cast<long>(s.triangles.size() * sizeof(unsigned)),
                            s.triangles.data(), GL_STATIC_DRAW_ARB);
        return true;
    }
    gBufferObjects.bind(GL_ELEMENT_ARRAY_BUFFER_ARB, s.buffer);
    return true;
}

// The same triangles, in the same order, as the strips would draw, in one
// call over the one interleaved array: kept by the driver where it offers
// buffer objects, else read from here on every draw.
void Mesh::display(bool cull) {
    mVerticesSent = 0;
    if (mVertices.empty()) return;
    const Matrix& world = gTransform->getWorldMatrix();
    const Point& centre = mSphere.initialPosition;
    if (mSphere.initialRadius != mLastRadius || centre.x != mLastCentre.x || centre.y != mLastCentre.y ||
        centre.z != mLastCentre.z ||
        std::memcmp(world.data(), mLastWorld.data(), sizeof(float) * 16) != 0) {
        mSphere.applyTransformations(world);
        mLastWorld = world;
        mLastCentre = mSphere.initialPosition;
        mLastRadius = mSphere.initialRadius;
    }
    float distance = 0;
    if (cull && !isVisible(distance)) return;
    drawPendingSprites();
    RenderState& state = gScene->renderState();
    const bool lighting = state.isEnabled(GL_LIGHTING);
    const bool texturing = state.isEnabled(GL_TEXTURE_2D);
    if (lighting) gLightManager->selectLights(mSphere);
    int levelX, levelY;
    levels(distance, levelX, levelY);
    Strips& s = strips(levelX, levelY);

    // From the driver's buffer (offsets into it) or from the array itself.
    const bool buffered = bindBuffer();
    auto at = [&](int offset) -> const void* {
        if (buffered) return reinterpret_cast<const void*>(offset * sizeof(float));
        return mVertices.data() + offset;
    };
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, FLOATS * sizeof(float), at(0));
    if (texturing) {
        gTextureManager->bind(mTextureId);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, FLOATS * sizeof(float), at(6));
    }
    if (lighting) {
        mMaterial.use();
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, FLOATS * sizeof(float), at(3));
    }
    const GLsizei count = static_cast<GLsizei>(s.triangles.size());
    if (buffered && bindIndexBuffer(s)) {
        glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, nullptr);
        gBufferObjects.bind(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
    } else {
        glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, s.triangles.data());
    }
    mVerticesSent = static_cast<long>(s.indices.size());
    gFrameStats.draw(mVerticesSent, count / 3);
    if (lighting) glDisableClientState(GL_NORMAL_ARRAY);
    if (texturing) glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    if (buffered) gBufferObjects.bind(GL_ARRAY_BUFFER_ARB, 0);
}

// ---------------------------------------------------------------------------
// Transformations

void Mesh::transform(const Matrix& m, int normalMode) {
    if (normalMode < 0 || normalMode > 2) {
        BG_ERROR("Invalid normalFlag!");
        return;
    }
    mBufferStale = true;
    for (std::size_t k = 0; k < mVertices.size(); k += FLOATS) {
        float* v = &mVertices[k];
        const Point p(v[0], v[1], v[2]);
        const Point moved = m.mulPoint(p);
        if (normalMode > 0) {
            Vector n(moved, m.mulPoint(p + Vector(v[3], v[4], v[5])));
            if (normalMode == 2) n.normalize();
            v[3] = n.x, v[4] = n.y, v[5] = n.z;
        }
        v[0] = moved.x, v[1] = moved.y, v[2] = moved.z;
    }
}

Matrix Mesh::aboutCentre(const Matrix& m) const {
    const Point c = mSphere.initialPosition;
    Matrix there, back;
    there.translation(Vector(c.x, c.y, c.z));
    back.translation(Vector(-c.x, -c.y, -c.z));
    return there * m * back;
}

void Mesh::translate(const Vector& v) {
    Matrix m;
    m.translation(v);
    transform(m, 0);
    mSphere.initialPosition = mSphere.initialPosition + v;
}

void Mesh::setPosition(const Point& p) { translate(Vector(mSphere.initialPosition, p)); }

void Mesh::rotate(float angle, const Vector& axis) {
    Matrix m;
    m.rotation(angle, axis);
    transform(m, 1);
    mSphere.initialPosition = m.mulPoint(mSphere.initialPosition);
}

void Mesh::rotate(const Vector& angles) {
    Matrix m;
    m.rotation(angles);
    transform(m, 1);
    mSphere.initialPosition = m.mulPoint(mSphere.initialPosition);
}

namespace {
// How much a scale stretches the sphere: a negative factor mirrors, but
// stretches by its size all the same.
float largest(const Vector& s) { return std::max(std::fabs(s.x), std::max(std::fabs(s.y), std::fabs(s.z))); }
} // namespace

void Mesh::scale(const Vector& s) {
    Matrix m;
    m.scale(s);
    transform(m, 2);
    mSphere.initialPosition = m.mulPoint(mSphere.initialPosition);
    mSphere.initialRadius *= largest(s);
}

void Mesh::shear(const Vector& angles) {
    Matrix m;
    m.shear(angles);
    transform(m, 0);
    computeBoundingSphere();
    computeNormals();
}

void Mesh::selfRotate(float angle, const Vector& axis) {
    Matrix m;
    m.rotation(angle, axis);
    transform(aboutCentre(m), 1);
}

void Mesh::selfRotate(const Vector& angles) {
    Matrix m;
    m.rotation(angles);
    transform(aboutCentre(m), 1);
}

void Mesh::selfScale(const Vector& s) {
    Matrix m;
    m.scale(s);
    transform(aboutCentre(m), 2);
    mSphere.initialRadius *= largest(s);
}

void Mesh::selfShear(const Vector& angles) {
    Matrix m;
    m.shear(angles);
    transform(aboutCentre(m), 0);
    computeBoundingSphere();
    computeNormals();
}

} // namespace bg
