#ifndef BRAWLGEAR_GRAPHICS_BILLBOARD_H
#define BRAWLGEAR_GRAPHICS_BILLBOARD_H

// A textured, coloured rectangle drawn at a point: facing the camera, facing
// it with its up direction following an axis, or flat in the x-y plane for
// 2D overlays. It holds only a texture id; drawing binds nothing.

#include "graphics/Light.h"
#include "math/Math.h"

namespace bg {

class Billboard {
public:
    Billboard(const Color& color, int textureId, float width, float height);

    // Depth writes and lighting off, through the render-state stacks, and
    // back as they were.
    static void beginDisplay();
    static void endDisplay();
    void bindTexture() const;
    // World coordinates, drawn while the model-view matrix holds the
    // camera's view; culled against the camera.
    void display(const Point& p) const;
    void display(const Point& p, const Vector& axis) const;
    // Pixels of the 2D overlay; never culled.
    void display2D(const Point& p) const;

    void setColor(const Color& color) { mColor = color; }
    const Color& getColor() const { return mColor; }
    void setTextureId(int id) { mTextureId = id; }
    int getTextureId() const { return mTextureId; }
    void setDimension(float width, float height);
    float getWidth() const { return mWidth; }
    float getHeight() const { return mHeight; }
    float getRadius() const { return mRadius; }

private:
    void quad(const Point& p, const Vector& r, const Vector& u) const;

    Color mColor;
    int mTextureId;
    float mWidth = 0, mHeight = 0, mRadius = 0;
};

} // namespace bg

#endif
