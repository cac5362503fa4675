#include "graphics/Font.h"

#include "graphics/Light.h"
#include "graphics/Scene.h"
#include "graphics/Transform.h"
#include "graphics/Texture.h"
#include "vfs/VFS.h"

#include <GL/gl.h>
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

void FontManager::print(int x, int y, const char* str, const Color& color) const {
    const Font* font = current();
    if (!font || !str) return;
    gTextureManager->bind(font->textureId);
    color.use();
    const float s = mScale;
    const float top = y - font->topOffset * s, bottom = top - font->cellHeight * s;
    const float cv = static_cast<float>(font->cellHeight) / font->textureHeight;
    float pen = static_cast<float>(x);
    for (const char* c = str; *c; ++c) {
        const Glyph& g = font->glyph(*c);
        const float pw = font->textureWidth * g.w * s;
        glBegin(GL_TRIANGLE_STRIP);
        glTexCoord2f(g.u, g.v), glVertex2f(pen, top);
        glTexCoord2f(g.u, g.v - cv), glVertex2f(pen, bottom);
        glTexCoord2f(g.u + g.w, g.v), glVertex2f(pen + pw, top);
        glTexCoord2f(g.u + g.w, g.v - cv), glVertex2f(pen + pw, bottom);
        glEnd();
        pen += pw + font->spacing * s;
    }
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
