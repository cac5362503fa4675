#ifndef BRAWLGEAR_GRAPHICS_SPRITEBATCH_H
#define BRAWLGEAR_GRAPHICS_SPRITEBATCH_H

// Billboards drawn one after another wait here and go to OpenGL together,
// in one array, the moment anything else would touch OpenGL: a draw, a
// state change, a matrix change, a texture bound, a colour set, the buffer
// swap. Every engine function that calls OpenGL calls drawPendingSprites()
// first, so OpenGL sees the same triangles, in the same order and under
// the same state, as it would one billboard at a time.

#include <cstddef>
#include <vector>

namespace bg {

struct Point;
class Color;

class SpriteBatch {
public:
    // One quad, given as a strip: top left, bottom left, top right, bottom
    // right, with the texture's corners (0, 1), (0, 0), (1, 1), (1, 0).
    void add(const Point (&corners)[4], const Color& color);
    // Draws what waits, then leaves OpenGL's current colour and texture
    // coordinate as the last quad alone would have.
    void flush();
    // Forgets what waits (its context has gone).
    void discard() { mVertices.clear(); }
    bool isEmpty() const { return mVertices.empty(); }
    std::size_t size() const { return mVertices.size() / 4; }

private:
    struct Vertex {
        float x, y, z;
        float s, t;
        float r, g, b, a;
    };
    std::vector<Vertex> mVertices;
};

// Never destroyed: textures freed at exit still ask it whether anything waits.
extern SpriteBatch& gSprites;

// Indices drawing `quads` quads of four vertices each (top left, bottom
// left, top right, bottom right) as the two triangles a strip of them
// makes: (0, 1, 2) and (2, 1, 3), wound the same way, with the same last
// vertex. The array grows as needed and stays.
const unsigned* quadIndices(std::size_t quads);

inline void drawPendingSprites() {
    if (!gSprites.isEmpty()) gSprites.flush();
}

} // namespace bg

#endif
