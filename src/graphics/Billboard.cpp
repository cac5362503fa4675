#include "graphics/Billboard.h"

#include "graphics/Camera.h"
#include "graphics/Scene.h"
#include "graphics/SpriteBatch.h"
#include "graphics/Texture.h"

#include <GL/gl.h>
#include <cmath>

namespace bg {

Billboard::Billboard(const Color& color, int textureId, float width, float height)
    : mColor(color), mTextureId(textureId) {
    setDimension(width, height);
}

void Billboard::setDimension(float width, float height) {
    mWidth = width;
    mHeight = height;
    mRadius = std::sqrt(0.25f * width * width + 0.25f * height * height);
}

void Billboard::beginDisplay() {
    gScene->setDepthMask(false);
    gScene->set(GL_LIGHTING, false);
}

void Billboard::endDisplay() {
    gScene->restore(GL_LIGHTING);
    gScene->restoreDepthMask();
}

void Billboard::bindTexture() const { gTextureManager->bind(mTextureId); }

// One strip: (0, 1) top left, (0, 0) bottom left, (1, 1) top right, (1, 0)
// bottom right. It waits with the billboards drawn right before it and goes
// to OpenGL with them.
void Billboard::quad(const Point& p, const Vector& r, const Vector& u) const {
    const Point corners[] = {p - r + u, p - r - u, p + r + u, p + r - u};
    gSprites.add(corners, mColor);
}

void Billboard::display(const Point& p) const {
    float distance;
    if (!gCamera->isSphereVisible(p, mRadius, distance)) return;
    quad(p, gCamera->getRight() * (mWidth * 0.5f), gCamera->getUp() * mHeight * 0.5f);
}

void Billboard::display(const Point& p, const Vector& axis) const {
    float distance;
    if (!gCamera->isSphereVisible(p, mRadius, distance)) return;
    const Vector& look = gCamera->getLook();
    Vector right, up;
    if (std::sin(angleBetween(axis, look) * 0.017453292f) > 0.0001f) {
        right = look.cross(axis);
        up = right.cross(look);
        right.normalize();
        up.normalize();
    } else {
        right = gCamera->getRight();
        up = axis;
    }
    quad(p, right * mWidth * 0.5f, up * mHeight * 0.5f);
}

void Billboard::display2D(const Point& p) const {
    quad(p, Vector(mWidth * 0.5f, 0, 0), Vector(0, mHeight * 0.5f, 0));
}

} // namespace bg
