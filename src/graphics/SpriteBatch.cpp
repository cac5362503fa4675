#include "graphics/SpriteBatch.h"

#include "graphics/FrameStats.h"
#include "graphics/Light.h"
#include "math/Math.h"

#include <GL/gl.h>

namespace bg {

SpriteBatch& gSprites = *new SpriteBatch;

const unsigned* quadIndices(std::size_t quads) {
    static std::vector<unsigned> indices;
    for (std::size_t q = indices.size() / 6; q < quads; ++q) {
        const unsigned v = static_cast<unsigned>(q * 4);
        for (unsigned i : {v, v + 1, v + 2, v + 2, v + 1, v + 3}) indices.push_back(i);
    }
    return indices.data();
}

void SpriteBatch::add(const Point (&corners)[4], const Color& color) {
    const float s[] = {0, 0, 1, 1}, t[] = {1, 0, 1, 0};
    for (int k = 0; k < 4; ++k)
        mVertices.push_back({corners[k].x, corners[k].y, corners[k].z, s[k], t[k], color.getR(), color.getG(),
                             color.getB(), color.getA()});
}

void SpriteBatch::flush() {
    const std::size_t quads = size();
    const Vertex& first = mVertices.front();
    const GLsizei stride = sizeof(Vertex);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, stride, &first.x);
    glTexCoordPointer(2, GL_FLOAT, stride, &first.s);
    glColorPointer(4, GL_FLOAT, stride, &first.r);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(quads * 6), GL_UNSIGNED_INT, quadIndices(quads));
    gFrameStats.draw(static_cast<long>(quads * 4), static_cast<long>(quads * 2));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    // The arrays leave the current values undefined; one quad drawn alone
    // left its colour and its last texture coordinate.
    const Vertex& last = mVertices.back();
    glColor4f(last.r, last.g, last.b, last.a);
    glTexCoord2f(last.s, last.t);
    mVertices.clear();
}

} // namespace bg
