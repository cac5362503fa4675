#include "tools/font/Bake.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cstdlib>

namespace bg::fontbake {

namespace {

constexpr int MAX_SIDE = 512;
// A glyph reaching further than this from its origin is not rendered: it
// would be clipped to a cell of at most MAX_SIDE anyway, and a damaged
// font's glyph can ask for a bitmap of gigabytes.
constexpr FT_Pos MAX_REACH = FT_Pos(4 * MAX_SIDE) * 64;

// Frees what FreeType gave us on every way out.
struct Session {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~Session() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

int powerOfTwoAtLeast(int n) {
    int p = 1;
    while (p < n)
        p *= 2;
    return p;
}

std::string character(int c) {
    return c >= ' ' && c < 127 ? std::string("'") + static_cast<char>(c) + "'" : "character " + std::to_string(c);
}

// A strike's height in pixels: its nominal size, or its line height for
// the odd font that names none.
int strikePixels(const FT_Bitmap_Size& strike) {
    const int ppem = static_cast<int>((strike.y_ppem + 32) >> 6);
    return ppem > 0 ? ppem : strike.height;
}

struct Coverage {
    unsigned width = 0, rows = 0;
    std::vector<std::uint8_t> alpha; // 0 to 255 a pixel, top row first
};

// The glyph's coverage whatever pixel mode FreeType gives it in: outlines
// render as 8-bit grey, but bitmap strikes come as they are stored, mostly
// 1 bit a pixel. False when there is nothing to show.
bool coverage(FT_Library library, FT_GlyphSlot slot, Coverage& glyph) {
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_BBox box;
        FT_Outline_Get_CBox(&slot->outline, &box);
        if (box.xMin < -MAX_REACH || box.xMax > MAX_REACH || box.yMin < -MAX_REACH || box.yMax > MAX_REACH)
            return false;
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0 || slot->format != FT_GLYPH_FORMAT_BITMAP) return false;

    // A bitmap font's glyph may have a size but no pixels (no BITMAP lines
    // in BDF), or rows with no pixels in them.
    const FT_Bitmap* bitmap = &slot->bitmap;
    if (bitmap->width == 0 || bitmap->rows == 0 || !bitmap->buffer) return false;
    FT_Bitmap converted;
    FT_Bitmap_Init(&converted);
    const bool direct = bitmap->pixel_mode == FT_PIXEL_MODE_MONO ||
                        (bitmap->pixel_mode == FT_PIXEL_MODE_GRAY && bitmap->num_grays == 256);
    if (!direct) {
        if (FT_Bitmap_Convert(library, bitmap, &converted, 1) != 0 || converted.pixel_mode != FT_PIXEL_MODE_GRAY ||
            converted.num_grays < 2) {
            FT_Bitmap_Done(library, &converted);
            return false;
        }
        bitmap = &converted;
    }
    const unsigned width = glyph.width = bitmap->width, rows = glyph.rows = bitmap->rows;
    glyph.alpha.assign(static_cast<std::size_t>(width) * rows, 0);
    // A negative pitch stores the rows bottom up from the buffer's start.
    const std::size_t stride = static_cast<std::size_t>(std::abs(bitmap->pitch));
    for (unsigned row = 0; row < rows; ++row) {
        const unsigned stored = bitmap->pitch < 0 ? rows - 1 - row : row;
        const std::uint8_t* in = bitmap->buffer + stored * stride;
        std::uint8_t* out = &glyph.alpha[static_cast<std::size_t>(row) * width];
        for (unsigned column = 0; column < width; ++column) {
            if (bitmap->pixel_mode == FT_PIXEL_MODE_MONO)
                out[column] = (in[column / 8] >> (7 - column % 8) & 1) ? 255 : 0;
            else if (bitmap->num_grays == 256)
                out[column] = in[column];
            else
                out[column] = static_cast<std::uint8_t>(std::min(in[column], std::uint8_t(bitmap->num_grays - 1)) *
                                                        255 / (bitmap->num_grays - 1));
        }
    }
    FT_Bitmap_Done(library, &converted);
    return true;
}

} // namespace

Result bake(const std::uint8_t* font, std::size_t size, const Options& options) {
    Result result;
    const auto refuse = [&result](const std::string& why) {
        result = Result();
        result.error = why;
        return result;
    };
    const int pixelSize = options.pixelSize, first = options.first, last = options.last;
    if (pixelSize < 4 || pixelSize > 256) return refuse("the pixel size must be 4 to 256");
    // The engine reads its range as signed characters: stay in 1 to 127.
    if (first < 1 || last > 127 || last < first) return refuse("the range must run upward within 1 to 127");
    const std::string& name = options.name;

    Session session;
    if (FT_Init_FreeType(&session.library) != 0) return refuse("FreeType would not start");
    if (FT_New_Memory_Face(session.library, font, static_cast<FT_Long>(size), 0, &session.face) != 0)
        return refuse("cannot read the font " + name);
    FT_Face face = session.face;
    // FreeType gives X bitmap fonts in a national encoding (KOI8-R, ISO
    // 8859-2 and so on) no Unicode map, yet they hold ASCII where it always
    // is. Outline fonts without one are symbol fonts: left to be refused.
    if (!FT_IS_SCALABLE(face) && !face->charmap && face->num_charmaps > 0 &&
        FT_Set_Charmap(face, face->charmaps[0]) == 0)
        result.notes.push_back(name + " has no Unicode character map; reading the range in its own encoding");
    if (FT_IS_SCALABLE(face)) {
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
    } else {
        // Bitmap fonts come in the sizes they were drawn at: take the
        // nearest, the smaller of two as near.
        if (face->num_fixed_sizes < 1 || !face->available_sizes)
            return refuse(name + " has neither outlines nor bitmap strikes");
        int best = 0;
        for (int i = 1; i < face->num_fixed_sizes; ++i) {
            const int size = strikePixels(face->available_sizes[i]),
                      bestSize = strikePixels(face->available_sizes[best]);
            const int gap = std::abs(size - pixelSize), bestGap = std::abs(bestSize - pixelSize);
            if (gap < bestGap || (gap == bestGap && size < bestSize)) best = i;
        }
        const int strike = strikePixels(face->available_sizes[best]);
        if (FT_Select_Size(face, best) != 0)
            return refuse("cannot use the " + std::to_string(strike) + "-pixel strike of " + name);
        if (strike != pixelSize)
            result.notes.push_back(name + " has no " + std::to_string(pixelSize) + "-pixel strike; baking its " +
                                   std::to_string(strike) + "-pixel strike");
    }

    const int count = last - first + 1;
    int lacking = 0;
    for (int c = first; c <= last; ++c)
        lacking += FT_Get_Char_Index(face, static_cast<FT_ULong>(c)) == 0;
    const std::string range = std::to_string(count) + " characters from " + character(first) + " to " + character(last);
    if (lacking == count)
        return refuse(name + " has none of the " + range + (face->charmap ? "" : " (it has no Unicode character map)"));
    if (lacking > 0) result.notes.push_back(name + " lacks " + std::to_string(lacking) + " of the " + range);

    // Wide enough for a damaged font's metrics; what is left after the
    // checks below fits an int.
    const long long ascender = face->size->metrics.ascender >> 6;
    const long long descender = -(face->size->metrics.descender >> 6);
    std::vector<int> advances(static_cast<std::size_t>(count));
    int widest = 1;
    for (int i = 0; i < count; ++i) {
        if (FT_Load_Char(face, static_cast<FT_ULong>(first + i), FT_LOAD_DEFAULT) == 0)
            advances[static_cast<std::size_t>(i)] =
                static_cast<int>(std::clamp<FT_Pos>(face->glyph->advance.x >> 6, 0, 2 * MAX_SIDE));
        widest = std::max(widest, advances[static_cast<std::size_t>(i)]);
    }
    const long long cellWidth = options.cellWidth > 0 ? options.cellWidth : widest + 1;
    const long long cellHeight = options.cellHeight > 0 ? options.cellHeight : ascender + descender;
    if (cellHeight < 1)
        return refuse(name + " gives cells " + std::to_string(cellHeight) + " pixels high at " +
                      std::to_string(pixelSize) + " pixels: set them with --cell");
    const std::string tooBig = "the glyphs do not fit 512 x 512: choose a smaller size";
    if (cellWidth > MAX_SIDE || cellHeight > MAX_SIDE) return refuse(tooBig);

    // The engine's layout: a new row once the next cell would not fit.
    int width = 64, height = 0;
    for (; width <= MAX_SIDE; width *= 2) {
        if (cellWidth > width) continue;
        const int perRow = width / static_cast<int>(cellWidth);
        height = powerOfTwoAtLeast((count + perRow - 1) / perRow * static_cast<int>(cellHeight));
        if (height <= width) break;
    }
    if (width > MAX_SIDE || height > MAX_SIDE) return refuse(tooBig);

    result.width = width, result.height = height;
    result.cellWidth = static_cast<int>(cellWidth), result.cellHeight = static_cast<int>(cellHeight);
    result.rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
    std::string& description = result.description;
    description = std::string(1, static_cast<char>(first)) + static_cast<char>(last) + "\n" +
                  std::to_string(cellWidth) + "\n" + std::to_string(cellHeight) + "\n" + std::to_string(width) + "\n" +
                  std::to_string(height) + "\n" + std::to_string(options.spacing) + "\n" + std::to_string(options.top) +
                  "\n";
    Coverage glyph;
    long long x = 0, y = 0;
    for (int i = 0; i < count; ++i) {
        description += std::to_string(std::min<long long>(advances[static_cast<std::size_t>(i)], cellWidth)) + "\n";
        if (FT_Load_Char(face, static_cast<FT_ULong>(first + i), FT_LOAD_DEFAULT) == 0 &&
            coverage(session.library, face->glyph, glyph)) {
            const long long left = x + face->glyph->bitmap_left, top = y + ascender - face->glyph->bitmap_top;
            for (unsigned row = 0; row < glyph.rows; ++row)
                for (unsigned column = 0; column < glyph.width; ++column) {
                    const long long px = left + column, py = top + row;
                    if (px < x || px >= x + cellWidth || py < y || py >= y + cellHeight) continue;
                    std::uint8_t* p = &result.rgba[static_cast<std::size_t>(py * width + px) * 4];
                    p[0] = p[1] = p[2] = 255;
                    p[3] = glyph.alpha[static_cast<std::size_t>(row) * glyph.width + column];
                }
        }
        x += cellWidth;
        if (x + cellWidth > width) {
            y += cellHeight;
            x = 0;
        }
    }
    return result;
}

} // namespace bg::fontbake
