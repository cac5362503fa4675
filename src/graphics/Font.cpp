#include "graphics/Font.h"

#include "graphics/FrameStats.h"
#include "graphics/Light.h"
#include "graphics/Scene.h"
#include "graphics/SpriteBatch.h"
#include "graphics/Transform.h"
#include "graphics/Texture.h"
#include "vfs/VFS.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <new>

namespace bg {

SharedPointer<FontManager> gFontManager;

const Glyph& Font::glyph(char c) const {
    int index = static_cast<signed char>(c) - first;
    const int count = static_cast<int>(glyphs.size());
    if (index > count - 1) index = count - 1;
    if (index < 0) index = 0;
    return glyphs[static_cast<std::size_t>(index)];
}

FontManager::FontManager(const char* defaultFontFile, float scale) : mScale(scale) {
    mCurrentFontId = load(defaultFontFile);
}

const Font* FontManager::getFont(int id) const { return mFonts.dataAt(id); }

void FontManager::setCurrentFontId(int fontId) {
    if (!getFont(fontId)) {
        BG_ERROR("FontManager::setCurrentFontId( fontId ) : invalid fontId");
        return;
    }
    mCurrentFontId = fontId;
}

namespace {

// The next line as a whole number; false when the file has no more lines
// or the line holds no number.
bool readNumber(TextReader& reader, int& value) {
    if (reader.isEnd()) return false;
    return std::sscanf(reader.readLine().c_str(), "%d", &value) == 1;
}

// Where each glyph has pixels, read back from its texture as OpenGL holds
// it. Leaves the texture binding as it found it.
void findInk(Font& font, unsigned textureName) {
    if (!textureName || !glIsTexture(textureName)) return;
    GLint bound = 0, alignment = 4, width = 0, height = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    glBindTexture(GL_TEXTURE_2D, textureName);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<unsigned char> alpha;
    if (width > 0 && height > 0) {
        alpha.resize(static_cast<std::size_t>(width) * height);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
        glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    }
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    if (alpha.empty()) return;

    const double cv = static_cast<double>(font.cellHeight) / font.textureHeight;
    for (Glyph& g : font.glyphs) {
        // The cell in texels; row 0 is the bottom of the texture.
        const double left = g.u * width, right = (static_cast<double>(g.u) + g.w) * width;
        const double top = g.v * height, bottom = (g.v - cv) * height;
        if (right <= left || top <= bottom) continue;
        // A texel beyond each edge too: filtering reaches into the next
        // cell, whose pixels the whole cell showed at its border.
        // Clamped before the conversion: a font file's sizes can put a
        // cell far outside its texture.
        auto within = [](double value, int limit) { return static_cast<int>(std::clamp(value, 0.0, double(limit))); };
        const int c0 = within(std::floor(left) - 1, width), c1 = within(std::ceil(right) + 1, width);
        const int r0 = within(std::floor(bottom) - 1, height), r1 = within(std::ceil(top) + 1, height);
        int minC = c1, maxC = -1, minR = r1, maxR = -1;
        for (int r = r0; r < r1; ++r)
            for (int c = c0; c < c1; ++c)
                if (alpha[static_cast<std::size_t>(r) * width + c]) {
                    minC = std::min(minC, c), maxC = std::max(maxC, c);
                    minR = std::min(minR, r), maxR = std::max(maxR, r);
                }
        if (maxC < 0) {
            g.blank = true;
            continue;
        }
        auto fraction = [](double value) { return static_cast<float>(std::clamp(value, 0.0, 1.0)); };
        g.inkLeft = fraction((minC - 1 - left) / (right - left));
        g.inkRight = fraction((maxC + 2 - left) / (right - left));
        g.inkTop = fraction((top - (maxR + 2)) / (top - bottom));
        g.inkBottom = fraction((top - (minR - 1)) / (top - bottom));
    }
}

} // namespace

// A file that ends early, or whose sizes could not lay cells out, is no
// font: nothing is left undetermined.
bool FontManager::readFont(const FixedString& fontFile, Font& font) {
    File file;
    if (!file.load(fontFile, false)) {
        BG_ERROR(FixedString("FontManager::loadFont( ") + fontFile + " ) : Unable to load file!");
        return false;
    }
    const FixedString invalid = FixedString("FontManager::loadFont( ") + fontFile + " ) : Invalid font file";
    TextReader& reader = file.getTextReader();
    const FixedString range = reader.readLine();
    int cellWidth, cellHeight, textureWidth, textureHeight, spacing, topOffset;
    if (range.length() < 2 || !readNumber(reader, cellWidth) || !readNumber(reader, cellHeight) ||
        !readNumber(reader, textureWidth) || !readNumber(reader, textureHeight) || !readNumber(reader, spacing) ||
        !readNumber(reader, topOffset) || cellWidth < 1 || cellHeight < 1 || textureWidth < cellWidth ||
        textureHeight < 1 || range[1] < range[0]) {
        BG_ERROR(invalid);
        return false;
    }
    font.first = static_cast<signed char>(range[0]);
    font.last = static_cast<signed char>(range[1]);
    font.cellHeight = cellHeight;
    font.textureWidth = textureWidth;
    font.textureHeight = textureHeight;
    font.spacing = spacing;
    font.topOffset = topOffset;
    const int count = font.last - font.first + 1;
    font.glyphs.resize(static_cast<std::size_t>(count));
    // Wide enough that no count of rows of any cell size overflows.
    long long x = 0, y = 0;
    for (int i = 0; i < count; ++i) {
        int width;
        if (!readNumber(reader, width)) {
            BG_ERROR(invalid);
            return false;
        }
        font.glyphs[static_cast<std::size_t>(i)] = {static_cast<float>(x) / textureWidth,
                                                    static_cast<float>(textureHeight - y) / textureHeight,
                                                    static_cast<float>(width) / textureWidth};
        x += cellWidth;
        if (x + cellWidth > textureWidth) {
            y += cellHeight;
            x = 0;
        }
    }
    // The glyph image: the font file's name with "png" for its last three
    // characters.
    FixedString image = fontFile;
    if (image.length() >= 3) image.truncate(image.length() - 3);
    image += "png";
    font.textureId = gTextureManager->load(image.c_str(), false, -1);
    findInk(font, gTextureManager->getTextureName(font.textureId));
    return true;
}

int FontManager::load(const char* fontFile) {
    if (!fontFile || !*fontFile) {
        BG_ERROR("FontManager::load( fontFile ) : Invalid file name");
        return -1;
    }
    const FixedString name = fontFile;
    const int found = mFonts.find(name.c_str());
    if (found >= 0) return found;
    if (mFonts.size() >= CAPACITY) {
        BG_ERROR(FixedString("FontManager::load( ") + name + " ) : Font table full");
        return -1;
    }
    Font* font = new Font;
    font->name = name;
    if (!readFont(name, *font)) {
        delete font;
        return -1;
    }
    return mFonts.add(name.c_str(), font);
}

int FontManager::getStringWidth(const char* str) const {
    if (!str) {
        BG_ERROR("FontManager::getStringWidth( str ) : str == NULL");
        return -1;
    }
    const Font* font = current();
    if (!font) return 0;
    double width = 0;
    int n = 0;
    for (const char* c = str; *c; ++c, ++n) width += font->textureWidth * font->glyph(*c).w * mScale;
    width += (n - 1) * static_cast<double>(font->spacing) * mScale + 0.5;
    return static_cast<int>(std::max(-2e9, std::min(std::trunc(width), 2e9)));
}

int FontManager::getStringHeight() const {
    const Font* font = current();
    if (!font) return 0;
    const double height = std::trunc((static_cast<double>(font->cellHeight) + font->topOffset) * mScale);
    return static_cast<int>(std::max(-2e9, std::min(height, 2e9)));
}

// One array for the whole line: each glyph with pixels is the inked part
// of its cell, placed and textured exactly where the whole cell would put
// it; blanks only move the pen.
void FontManager::print(int x, int y, const char* str, const Color& color) const {
    const Font* font = current();
    if (!font || !str) return;
    drawPendingSprites();
    gTextureManager->bind(font->textureId);
    color.use();
    const float s = mScale;
    const float top = y - font->topOffset * s, height = font->cellHeight * s;
    const float cv = static_cast<float>(font->cellHeight) / font->textureHeight;
    float pen = static_cast<float>(x);
    const Glyph* last = nullptr;
    // Untextured, every glyph is its whole cell, a solid box.
    const bool inkOnly = gScene.isNull() || gScene->renderState().isEnabled(GL_TEXTURE_2D);
    const Glyph whole{};
    mVertices.clear();
    for (const char* c = str; *c; ++c) {
        const Glyph& g = font->glyph(*c);
        const Glyph& ink = inkOnly ? g : whole;
        const float pw = font->textureWidth * g.w * s;
        if (!ink.blank) {
            const float x0 = pen + ink.inkLeft * pw, x1 = pen + ink.inkRight * pw;
            const float y0 = top - ink.inkTop * height, y1 = top - ink.inkBottom * height;
            const float u0 = g.u + ink.inkLeft * g.w, u1 = g.u + ink.inkRight * g.w;
            const float v0 = g.v - ink.inkTop * cv, v1 = g.v - ink.inkBottom * cv;
            mVertices.insert(mVertices.end(), {x0, y0, u0, v0, x0, y1, u0, v1, x1, y0, u1, v0, x1, y1, u1, v1});
        }
        pen += pw + font->spacing * s;
        last = &g;
    }
    if (!mVertices.empty()) {
        const std::size_t quads = mVertices.size() / 16;
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glVertexPointer(2, GL_FLOAT, 4 * sizeof(float), mVertices.data());
        glTexCoordPointer(2, GL_FLOAT, 4 * sizeof(float), mVertices.data() + 2);
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(quads * 6), GL_UNSIGNED_INT, quadIndices(quads));
        gFrameStats.draw(static_cast<long>(quads * 4), static_cast<long>(quads * 2));
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    }
    // Glyph by glyph, the line left the last cell's corner as the current
    // texture coordinate.
    if (last) glTexCoord2f(last->u + last->w, last->v - cv);
}

void showLoadingScreen() {
    gScene->clearBuffers();
    gTransform->loadIdentity();
    gScene->glBegin2D();
    const int x = (800 - gFontManager->getStringWidth("Loading...")) / 2;
    gFontManager->print(x, 330, "Loading...", Color());
    gScene->glEnd2D();
    gScene->display();
    gScene->error("");
}

void FontManager::printf(int x, int y, const char* format, ...) const {
    char text[MAX_STR_SIZE];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    print(x, y, text, Color());
}

} // namespace bg
