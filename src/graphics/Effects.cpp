#include "graphics/Effects.h"

#include "graphics/FrameStats.h"
#include "graphics/Light.h"
#include "graphics/Scene.h"
#include "graphics/SpriteBatch.h"
#include "graphics/Texture.h"
#include "graphics/Transform.h"

#include <GL/gl.h>
#include <GL/glext.h>

namespace bg {

namespace {
Matrix mirrorMatrix() {
    Matrix m;
    m.scale(Vector(1, -1, 1));
    return m;
}
} // namespace

Matrix gMirrorMatrix = mirrorMatrix();

// The cull face goes through the render state, so the pair leaves it as it
// found it.
void beginMirror() {
    gScene->renderState().setCullFaceMode(GL_FRONT);
    gLightManager->transform(gMirrorMatrix);
    gTransform->pushMatrix();
    gTransform->scale(1, -1, 1);
}

void endMirror() {
    gTransform->popMatrix();
    gLightManager->transform(gMirrorMatrix);
    gScene->renderState().restoreCullFaceMode();
}

void displayShadow() {
    drawPendingSprites();
    const float corners[4][4] = {{-250, 250, 0.5f}, {250, 250, 1.0f}, {250, -250, 0.5f}, {-250, -250, 0.0f}};
    glBegin(GL_QUADS);
    for (const auto& c : corners) {
        glColor4f(0, 0, 0, c[2]);
        glVertex3f(c[0], 0.1f, c[1]);
    }
    glEnd();
    gFrameStats.draw(4, 2);
}

void enableEnvironmentMapping(int textureId) {
    drawPendingSprites();
    if (!gScene->hasMultiTexture()) return;
    RenderState& state = gScene->renderState();
    if (!state.isTexture2DEnabled(1)) state.setTexture2D(1, true);
    gActiveTextureARB(GL_TEXTURE1_ARB);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    gTextureManager->bind(textureId);
    gActiveTextureARB(GL_TEXTURE0_ARB);
}

void disableEnvironmentMapping() {
    drawPendingSprites();
    if (!gScene->hasMultiTexture()) return;
    gActiveTextureARB(GL_TEXTURE1_ARB);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    gActiveTextureARB(GL_TEXTURE0_ARB);
    RenderState& state = gScene->renderState();
    if (state.isTexture2DEnabled(1) && !state.restoreTexture2D(1)) state.setTexture2D(1, false);
}

void setColorMask(bool red, bool green, bool blue, bool alpha) {
    drawPendingSprites();
    glColorMask(red, green, blue, alpha);
}

} // namespace bg
