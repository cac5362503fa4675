#include "app/Overlay.h"

#include "graphics/Color.h"
#include "graphics/Font.h"
#include "graphics/FrameStats.h"
#include "graphics/Scene.h"
#include "graphics/SpriteBatch.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>

namespace bg::app {

namespace {

constexpr float GRAPH_MS = 50;     // the graph's top
constexpr float GRAPH_HEIGHT = 100; // in 2D units
constexpr float MARGIN = 8;

void box(float x0, float y0, float x1, float y1) {
    glBegin(GL_QUADS);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glEnd();
}

void line(float x0, float y0, float x1, float y1) {
    glBegin(GL_LINES);
    glVertex2f(x0, y0);
    glVertex2f(x1, y1);
    glEnd();
}

std::string mebibytes(long bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", bytes / 1048576.0);
    return text;
}

} // namespace

void drawStatsOverlay(int font) {
    if (gScene.isNull() || !gScene->isVideoOpen()) return;
    drawPendingSprites(); // the game's own, counted as its
    const FrameCounts counted = gFrameStats.counting();
    const SceneStats stats = gScene->getStats();

    char text[3][160];
    std::snprintf(text[0], sizeof text[0], "draws %ld  vertices %ld  triangles %ld  binds %ld  states %ld (%ld skipped)",
                  stats.frame.drawCalls, stats.frame.vertices, stats.frame.triangles, stats.frame.textureBinds,
                  stats.frame.stateChanges, stats.frame.stateChangesSkipped);
    std::snprintf(text[1], sizeof text[1], "textures %d (%s)  sounds %d (%s)  playing %d", stats.textures,
                  mebibytes(stats.textureBytes).c_str(), stats.sounds, mebibytes(stats.soundBytes).c_str(), stats.playingSources);
    std::snprintf(text[2], sizeof text[2], "frame %.1f ms  last second: average %.1f  min %.1f  max %.1f",
                  stats.frameTime, stats.lastSecond.average, stats.lastSecond.minimum, stats.lastSecond.maximum);

    const float top = static_cast<float>(gScene->getOrthoHeight());

    // What OpenGL keeps outside the engine's record: the current colour and
    // texture coordinate, the bound texture, the matrix mode, the line width.
    glPushAttrib(GL_CURRENT_BIT | GL_TEXTURE_BIT | GL_TRANSFORM_BIT | GL_LINE_BIT);
    const int savedFont = gFontManager.isNull() ? -1 : gFontManager->getCurrentFontId();
    const float savedScale = gFontManager.isNull() ? 1 : gFontManager->getScale();
    gScene->glBegin2D();
    RenderState& state = gScene->renderState();
    state.set(GL_BLEND, true);
    state.setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    state.set(GL_TEXTURE_2D, false);
    state.setTexture2D(1, false);
    state.set(GL_ALPHA_TEST, false);
    state.set(GL_CULL_FACE, false);

    int height = 14;
    float textWidth = 0;
    if (font >= 0 && !gFontManager.isNull()) {
        gFontManager->setCurrentFontId(font);
        gFontManager->setScale(1);
        height = std::max(1, gFontManager->getStringHeight() + 2);
        for (const char* t : text) textWidth = std::max(textWidth, static_cast<float>(gFontManager->getStringWidth(t)));
    }
    const float graphTop = top - MARGIN - 3 * height - MARGIN;
    const float graphBottom = graphTop - GRAPH_HEIGHT;
    const float width = 2 * FrameStats::HISTORY;
    auto at = [&](double ms) { return graphBottom + static_cast<float>(std::min(ms, double(GRAPH_MS))) / GRAPH_MS * GRAPH_HEIGHT; };

    glColor4f(0, 0, 0, 0.65f);
    box(MARGIN / 2, graphBottom - MARGIN / 2, MARGIN * 1.5f + std::max(width, textWidth), top - MARGIN / 2);
    glLineWidth(1);
    glColor4f(0.3f, 0.9f, 0.3f, 0.8f);
    line(MARGIN, at(1000.0 / 60), MARGIN + width, at(1000.0 / 60));
    glColor4f(0.95f, 0.75f, 0.2f, 0.8f);
    line(MARGIN, at(1000.0 / 30), MARGIN + width, at(1000.0 / 30));
    // The newest frame at the right edge.
    glColor4f(1, 1, 1, 0.9f);
    glBegin(GL_LINE_STRIP);
    const int n = gFrameStats.size();
    for (int i = 0; i < n; ++i) glVertex2f(MARGIN + width - 2.0f * (n - 1 - i), at(gFrameStats.timeAt(i)));
    glEnd();

    if (font >= 0 && !gFontManager.isNull()) {
        state.set(GL_TEXTURE_2D, true);
        for (int i = 0; i < 3; ++i)
            gFontManager->print(static_cast<int>(MARGIN), static_cast<int>(top - MARGIN - i * height), text[i],
                                Color(1, 1, 1, 1));
        state.restore(GL_TEXTURE_2D);
    }
    if (!gFontManager.isNull()) {
        if (savedFont >= 0) gFontManager->setCurrentFontId(savedFont);
        gFontManager->setScale(savedScale);
    }
    state.restore(GL_CULL_FACE);
    state.restore(GL_ALPHA_TEST);
    state.restoreTexture2D(1);
    state.restore(GL_TEXTURE_2D);
    state.restoreBlendFunc();
    state.restore(GL_BLEND);
    gScene->glEnd2D();
    glPopAttrib();
    gFrameStats.putBack(counted);
}

} // namespace bg::app
