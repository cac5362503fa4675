#ifndef BRAWLGEAR_GRAPHICS_FONT_H
#define BRAWLGEAR_GRAPHICS_FONT_H

// The font manager: bitmap fonts described by a text file (the range of
// characters, the cell layout and every glyph's width) with their glyphs in
// a PNG of the same base name, and text printed with the current font as
// one textured quad a character (its inked part), all of a line in one
// draw, x to the right and y up. Fonts stay
// loaded until the manager goes with the scene.
//
// A font file, line by line: the first and last character of the range
// (two characters), cell width, cell height, texture width, texture height,
// spacing, top offset (pixels), then one glyph width a character.

#include "foundation/Pointer.h"
#include "foundation/Utils.h"

#include <vector>

namespace bg {

class Color;

struct Glyph {
    float u, v, w; // left, top and width in texture coordinates
    // The part of the cell that can show ink (its pixels with a texel of
    // margin, which filtering reaches), as fractions of the cell's width
    // from its left and of its height from its top; nothing for a glyph
    // without pixels. The whole cell while the glyph image is unknown.
    float inkLeft = 0, inkRight = 1, inkTop = 0, inkBottom = 1;
    bool blank = false;
};

struct Font {
    FixedString name;
    int textureId = -1;
    std::vector<Glyph> glyphs;
    signed char first = 0, last = 0;
    int cellHeight = 0;
    int textureWidth = 0, textureHeight = 0;
    int spacing = 0;
    int topOffset = 0;

    // The glyph of a character; outside the range, the nearest end's.
    const Glyph& glyph(char c) const;
};

class FontManager {
public:
    static constexpr int CAPACITY = 11;

    FontManager(const char* defaultFontFile, float scale);
    FontManager(const FontManager&) = delete;
    FontManager& operator=(const FontManager&) = delete;

    // The font's id (read once per name), or -1.
    int load(const char* fontFile);
    void setCurrentFontId(int fontId);
    int getCurrentFontId() const { return mCurrentFontId; }
    // Pixels times the scale; 0 without a current font.
    int getStringWidth(const char* str) const;
    int getStringHeight() const;
    // Draws nothing without a current font; untextured quads when its
    // glyph image failed to load.
    void print(int x, int y, const char* str, const Color& color) const;
    // sprintf-style, printed in white.
    void printf(int x, int y, const char* format, ...) const;
    void setScale(float scale) { mScale = scale; }
    float getScale() const { return mScale; }
    const Font* getFont(int id) const;

private:
    const Font* current() const { return getFont(mCurrentFontId); }
    bool readFont(const FixedString& fontFile, Font& font);

    Table<Font> mFonts{"Font Table", CAPACITY};
    mutable std::vector<float> mVertices; // x, y, u, v; kept from line to line
    int mCurrentFontId = -1;
    float mScale;
};

extern SharedPointer<FontManager> gFontManager;

// The frame shown while the game's main script starts: "Loading..." in
// white with the current font, centred on the 800-unit overlay at height
// 330; then the pending errors are reported.
void showLoadingScreen();

} // namespace bg

#endif
