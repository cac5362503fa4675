// Fonts, text, billboards and the global effects, with a real context:
// what they draw is read back.

#include "bindings/Globals.h"
#include "graphics/Billboard.h"
#include "graphics/Camera.h"
#include "graphics/Effects.h"
#include "graphics/Font.h"
#include "graphics/FrameStats.h"
#include "graphics/Light.h"
#include "graphics/Primitives.h"
#include "graphics/Quad.h"
#include "graphics/SpriteBatch.h"
#include "graphics/Texture.h"
#include "graphics/Transform.h"
#include "media/Image.h"
#include "support/Expect.h"
#include "support/Lua.h"
#include "support/SceneFixture.h"
#include "tools/media/Media.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using namespace bg;
using bgtest::stderrOf;

namespace {

class Text : public bgtest::SceneTest {
protected:
    FontManager& fonts() { return *gFontManager; }
    static int differing(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
        int count = 0;
        for (std::size_t k = 0; k < a.size(); k += 4) count += std::memcmp(&a[k], &b[k], 3) != 0;
        return count;
    }
    // What `draw` leaves on a cleared window, drawn on the overlay with
    // texturing and blending on.
    std::vector<unsigned char> printed(const std::function<void()>& draw) {
        clear();
        scene().glBegin2D();
        scene().set(GL_TEXTURE_2D, true);
        scene().set(GL_BLEND, true);
        scene().setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        draw();
        scene().glEnd2D();
        return readAll();
    }
    // brawlgear-font run on the BDF text `font` at `pixels` into `output`
    // .txt and .png, which go first. It must exit with `status`; what it
    // said is returned.
    std::string bake(const std::string& font, const std::string& pixels, const std::string& output,
                     const std::vector<std::string>& options = {}, int status = 0) {
        for (const char* suffix : {".txt", ".png"}) std::remove((scratch / (output + suffix)).c_str());
        scratch.write("in.bdf", font);
        std::vector<std::string> argv{BRAWLGEAR_FONT_EXE, scratch / "in.bdf", pixels, scratch / (output + ".txt")};
        argv.insert(argv.end(), options.begin(), options.end());
        const bgtest::RunResult result = bgtest::run(argv, scratch.path());
        EXPECT_EQ(result.exitCode, status) << output << ": " << result.err;
        return result.err;
    }
};

// `text` with the first `from` in it replaced by `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

// The test font: 8 x 8 cells, glyph i a solid block 2 + i % 5 wide,
// spacing 1 (support/Support.h). Characters outside its range use its ends.
TEST_F(Text, GlyphsLandWhereTheWidthsSayAndOutsideTheRangeUseItsEnds) {
    build({{"GL_DEPTH_TEST", "0"}, {"GL_CULL_FACE", "0"}, {"GL_TEXTURE_2D", "1"}, {"GL_BLEND", "1"}});
    ASSERT_GE(fonts().getCurrentFontId(), 0);
    const std::string text = "!#%'"; // glyphs 1, 3, 5, 7: widths 3, 5, 2, 4
    EXPECT_EQ(fonts().getStringWidth(text.c_str()), 3 + 5 + 2 + 4 + 3);
    EXPECT_EQ(fonts().getStringHeight(), 8);
    EXPECT_EQ(fonts().getStringWidth(""), 0); // trunc(0.5 - 1)
    fonts().setScale(2);
    EXPECT_EQ(fonts().getStringWidth("!"), 6);
    EXPECT_EQ(fonts().getStringHeight(), 16);
    fonts().setScale(1);

    const auto pixels = printed([&] {
        fonts().print(100, 200, text.c_str(), Color());
        // The line's arrays are OpenGL's no longer: a later draw reads none of them.
        EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY) || glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    });
    // Each block from its pen position, the row of pixels under y = 200.
    const int starts[] = {100, 104, 110, 113}, widths[] = {3, 5, 2, 4};
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(lit(pixels, starts[k], 196)) << k;
        EXPECT_TRUE(lit(pixels, starts[k] + widths[k] - 1, 196)) << k;
        EXPECT_FALSE(lit(pixels, starts[k] + widths[k], 196)) << k; // the spacing
    }
    EXPECT_FALSE(lit(pixels, 100, 201)); // above the print position
    EXPECT_FALSE(lit(pixels, 100, 190)); // below the cell
    // printf draws what print of the formatted text does.
    EXPECT_EQ(differing(printed([&] { fonts().printf(100, 200, "%s%c%d", "!#", '%', 7); }),
                        printed([&] { fonts().print(100, 200, "!#%7", Color()); })),
              0);

    const Font* font = fonts().getFont(fonts().getCurrentFontId());
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(&font->glyph('\x7f'), &font->glyph('~'));
    // Sixteen 8-texel cells a row: the seventeenth starts the next row at the left edge.
    EXPECT_EQ(font->glyph('0').u, 0.0f);
    EXPECT_FLOAT_EQ(font->glyph('0').v, 56.0f / 64);
    EXPECT_FLOAT_EQ(font->glyph('/').u, 120.0f / 128);
    // Below the range, as characters past 127 are (read as signed): the first glyph, 2 wide.
    EXPECT_EQ(fonts().getStringWidth("\xe9t\x01"), 2 * 2 + bgtest::testGlyphWidth('t' - ' ') + 2);
    EXPECT_EQ(fonts().load("Fonts/Font.txt"), fonts().getCurrentFontId()); // read once

    // The loading frame is on screen, and only it: what was there goes.
    fonts().setCurrentFontId(fonts().load("Fonts/Font3.txt"));
    clear(1, 1, 1);
    scene().setBackgroundColor(0, 0, 0, 1);
    stderrOf([] { showLoadingScreen(); });
    // llvmpipe copies the back buffer to the window, which keeps it: what
    // is on screen can be read there (its front buffer reads as empty).
    const auto frame = readAll();
    const int left = (800 - fonts().getStringWidth("Loading...")) / 2; // centred, rounded down
    EXPECT_GT(litIn(frame, 0, 800, 300, 340), 0);
    EXPECT_EQ(differing(frame, printed([&] { fonts().print(left, 330, "Loading...", Color()); })), 0);
}

// Billboards, the shadow and the other effects, in one scene.
TEST_F(Text, BillboardsStayInTheirPlacesTheShadowRampsAndTheEffectsPutBackWhatTheyChange) {
    build({{"GL_DEPTH_TEST", "0"}, {"GL_CULL_FACE", "0"}, {"GL_LIGHTING", "0"}, {"FOV", "90"}, {"ZFAR", "2000"}});
    Billboard board(Color(1, 0, 0, 1), -1, 2, 2);
    for (const Point eye : {Point(0, 0, 5), Point(5, 0, 0), Point(0, 3, 4), Point(-3, -1, -2)}) {
        clear();
        lookFrom(eye);
        board.display(Point(0, 0, 0));
        EXPECT_TRUE(lit(readAll(), 400, 300)) << eye.x << eye.y << eye.z;
    }
    // Axis-locked: up along x, so a tall board lies across the screen.
    scene().clearBuffers();
    lookFrom(Point(0, 0, 5));
    Billboard(Color(1, 0, 0, 1), -1, 0.5f, 6).display(Point(0, 0, 0), Vector(1, 0, 0));
    auto pixels = readAll();
    EXPECT_GT(litIn(pixels, 0, 800, 300, 301), 3 * litIn(pixels, 400, 401, 0, 600)); // long across the screen
    EXPECT_FALSE(lit(pixels, 400, 300 + 150));
    // Outside the view: nothing.
    scene().clearBuffers();
    board.display(Point(0, 0, 50));
    EXPECT_FALSE(lit(readAll(), 400, 300));
    // Placed under a pushed matrix, drawn under it, though it waits past the pop.
    scene().clearBuffers();
    gTransform->pushMatrix();
    gTransform->translate(2, 0, 0);
    board.display(Point(0, 0, 0));
    gTransform->popMatrix();
    pixels = readAll();
    EXPECT_TRUE(lit(pixels, 520, 300) && !lit(pixels, 400, 300));
    // 2D: pixel coordinates, never culled.
    scene().clearBuffers();
    scene().glBegin2D();
    Billboard(Color(1, 0, 0, 1), -1, 20, 10).display2D(Point(100, 50, 0));
    scene().glEnd2D();
    pixels = readAll();
    EXPECT_TRUE(lit(pixels, 91, 46));
    EXPECT_FALSE(lit(pixels, 89, 50));
    EXPECT_FALSE(lit(pixels, 100, 57));
    // The pair turns depth writes off and back on; two billboards waiting
    // between them go as one draw of two quads.
    Billboard::beginDisplay(); // with nothing waiting too
    Billboard::endDisplay();
    gTextureManager->bind(-1);
    const FrameCounts before = gFrameStats.counting();
    Billboard::beginDisplay();
    EXPECT_FALSE(scene().renderState().getDepthMask());
    board.display(Point(0, 0, 0));
    gTextureManager->bind(-1); // bound already: they keep waiting
    board.display(Point(0.5f, 0, 0));
    Billboard::endDisplay();
    EXPECT_TRUE(scene().renderState().getDepthMask());
    const FrameCounts& after = gFrameStats.counting();
    EXPECT_EQ(std::vector<long>({after.drawCalls - before.drawCalls, after.vertices - before.vertices,
                                 after.triangles - before.triangles}),
              std::vector<long>({1, 8, 4}));
    scene().display();
    board.display(Point(0, 0, 0));
    scene().display(); // the frame takes what waits
    EXPECT_EQ(gFrameStats.last().drawCalls, 1);

    // The shadow, looking down: clear at one corner, black at the other.
    clear(1, 1, 1);
    scene().set(GL_BLEND, true);
    scene().setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    lookFrom(Point(0, 300, 0), Vector(0, 0, -1));
    Billboard(Color(1, 0, 0, 1), -1, 100, 100).display(Point(0, 0, 0)); // waiting, and shadowed as well
    displayShadow();
    pixels = readAll();
    // Looking down, -z up the screen: corner 4 (-250, -250, alpha 0) top
    // left stays white, corner 2 (250, 250, alpha 1) bottom right is black.
    EXPECT_GT(red(pixels, 400 - 240, 300 + 240), 230);
    EXPECT_LT(red(pixels, 400 + 240, 300 - 240), 25);
    EXPECT_NEAR(red(pixels, 400, 300), 128, 25);

    // The mirror turns the cull face and the lights over, and back.
    const int light = gLightManager->addLight();
    gLightManager->setPosition(light, Point(1, 2, 3));
    gTransform->loadIdentity();
    beginMirror();
    EXPECT_EQ(glInt(GL_CULL_FACE_MODE), GL_FRONT);
    EXPECT_EQ(gLightManager->getPosition(light).y, -2);
    endMirror();
    EXPECT_EQ(glInt(GL_CULL_FACE_MODE), GL_BACK);
    EXPECT_EQ(gLightManager->getPosition(light).y, 2);
    Matrix m;
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    EXPECT_EQ(m[5], 1);

    // The scripts' call, by the interpreter's truth rule (0 is true, nothing false).
    lua_State* L = luaL_newstate();
    registerGlobalFunctions(L);
    for (const auto& [chunk, expected] : {std::pair{"setColorMask(0, true, nil, 1)", "1101"},
                                          std::pair{"setColorMask(false, 0, true)", "0110"}}) {
        ASSERT_EQ(luaL_dostring(L, chunk), 0) << chunk;
        GLboolean mask[4];
        glGetBooleanv(GL_COLOR_WRITEMASK, mask);
        std::string got;
        for (const GLboolean on : mask) got += on ? '1' : '0';
        EXPECT_EQ(got, expected);
    }
    lua_close(L);

    ASSERT_TRUE(scene().hasMultiTexture()) << "the test driver offers multitexturing";
    enableEnvironmentMapping(-1);
    EXPECT_EQ(glInt(GL_ACTIVE_TEXTURE), GL_TEXTURE0); // unit 1 set up, unit 0 the game's again
    for (GLenum cap : {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_2D}) EXPECT_TRUE(enabledOn(1, cap)) << cap;
    disableEnvironmentMapping();
    for (GLenum cap : {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_2D}) EXPECT_FALSE(enabledOn(1, cap)) << cap;
    disableEnvironmentMapping(); // again, with nothing to put back
    EXPECT_EQ(glInt(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
}

// A bitmap font is baked pixel for pixel from its strike (1 bit a pixel in
// FreeType's hands, not the 8 of rendered outlines), the strike nearest the
// size asked for when it has not that one. Font files that make no font
// are refused.
TEST_F(Text, BitmapFontsBakePixelForPixelFromTheNearestStrikeAndBadFontFilesAreRefused) {
    build();
    const int size = 10;
    const std::string mono = media::bdf(size, ' ', '~');
    EXPECT_EQ(bake(mono, "10", "Fonts/Mono"), "");
    int id = -1;
    stderrOf([&] { id = fonts().load("Fonts/Mono.txt"); });
    ASSERT_GE(id, 0);
    fonts().setCurrentFontId(id);
    EXPECT_EQ(fonts().getStringWidth("AB"), media::bdfGlyph(size, 'A').advance + media::bdfGlyph(size, 'B').advance);

    std::istringstream description(scratch.read("Fonts/Mono.txt"));
    std::string range;
    int cellWidth = 0, cellHeight = 0;
    std::getline(description, range) >> cellWidth >> cellHeight;
    ASSERT_EQ(cellHeight, size);
    const ImageData image = loadImage("Fonts/Mono.png", false);
    ASSERT_GT(image.width, 0);
    const int perRow = image.width / cellWidth;
    int wrong = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const int cell = y / cellHeight * perRow + x / cellWidth;
            int expected = 0;
            if (x / cellWidth < perRow && cell < 95) {
                const media::BdfGlyph glyph = media::bdfGlyph(size, ' ' + cell);
                const int top = media::bdfAscent(size) - glyph.height;
                expected = glyph.lit(x % cellWidth - glyph.left, y % cellHeight - top) ? 255 : 0;
            }
            const int alpha = static_cast<int>(image.getPixel(x, image.height - 1 - y) >> 24);
            if (alpha != expected && ++wrong <= 5) ADD_FAILURE() << "alpha " << alpha << " at " << x << ", " << y;
        }
    EXPECT_EQ(wrong, 0);

    // Strikes of 2 bits a pixel (a depth after BDF's SIZE) span the whole
    // range of alpha: glyph 'A' is a staircase, its rows now 2, 3, 3 2, 3 3.
    const std::string grey = replaced(media::bdf(8, 'A', 'A'), "SIZE 8 72 72", "SIZE 8 72 72 2");
    bake(grey, "8", "Fonts/Grey", {"--first", "A", "--last", "A"});
    const ImageData levels = loadImage("Fonts/Grey.png", false);
    ASSERT_EQ(levels.height, 8);
    std::string rows;
    for (int y = 2; y < 6; ++y)
        for (int x = 0; x < 3; ++x)
            rows += std::to_string(levels.getPixel(x, 7 - y) >> 24) + (x < 2 ? " " : "\n");
    EXPECT_EQ(rows, "170 0 0\n255 0 0\n255 170 0\n255 255 0\n");

    const std::string near = bake(mono, "16", "Fonts/Near");
    EXPECT_NE(near.find("in.bdf has no 16-pixel strike; baking its 10-pixel strike"), std::string::npos) << near;
    EXPECT_EQ(scratch.read("Fonts/Near.txt"), scratch.read("Fonts/Mono.txt"));
    EXPECT_TRUE(scratch.read("Fonts/Near.png") == scratch.read("Fonts/Mono.png"));

    // Bad font files are refused with their message.
    const std::pair<std::string, std::string> cases[] = {
        {"empty.txt", ""}, {"short.txt", " ~\n8\n8\n"}, {"one.txt", "a\n8\n8\n128\n64\n1\n0\n3\n"},
        {"zero.txt", " ~\n0\n8\n128\n64\n1\n0\n"}, {"negative.txt", " ~\n8\n-8\n128\n64\n1\n0\n"},
        {"narrow.txt", " ~\n8\n8\n4\n64\n1\n0\n"}, {"backwards.txt", "~ \n8\n8\n128\n64\n1\n0\n"},
        {"glyphs.txt", " ~\n8\n8\n128\n64\n1\n0\n3\n4\n"}};
    for (const auto& [name, text] : cases) {
        scratch.write("Fonts/" + name, text);
        int id = 0;
        const std::string err = stderrOf([&] { id = fonts().load(("Fonts/" + name).c_str()); });
        EXPECT_EQ(id, -1) << name;
        EXPECT_NE(err.find("FontManager::loadFont( Fonts/" + name + " ) : "), std::string::npos) << name << err;
    }
    // Many lines: only the range's are read.
    std::string many = "ab\n8\n8\n128\n64\n1\n0\n";
    for (int i = 0; i < 10000; ++i) many += "5\n";
    scratch.write("Fonts/many.txt", many);
    stderrOf([&] { EXPECT_GE(fonts().load("Fonts/many.txt"), 0); });
    // Cells a billion pixels high: the rows run past any int.
    scratch.write("Fonts/tall.txt", "ac\n8\n1000000000\n8\n64\n1\n0\n3\n3\n3\n");
    stderrOf([&] { EXPECT_GE(fonts().load("Fonts/tall.txt"), 0); });
    // Spacing and offsets near the int limit measure as the clamped size.
    scratch.write("Fonts/wide.txt", "ac\n8\n2000000000\n8\n64\n1000000000\n2000000000\n3\n3\n3\n");
    stderrOf([&] { fonts().setCurrentFontId(fonts().load("Fonts/wide.txt")); });
    EXPECT_EQ(fonts().getStringWidth("abcab"), 2000000000);
    EXPECT_EQ(fonts().getStringHeight(), 2000000000);
    // Eleven fonts at most.
    std::string err, font = " ~\n8\n8\n128\n64\n1\n0\n";
    for (int g = 0; g < 95; ++g) font += "3\n";
    for (int i = 0, id = 0; i < 12 && id >= 0; ++i) {
        const std::string name = "Fonts/f" + std::to_string(i) + ".txt";
        scratch.write(name, font);
        err = stderrOf([&] { id = fonts().load(name.c_str()); });
    }
    EXPECT_NE(err.find("Font table full"), std::string::npos) << err;
    EXPECT_TRUE(bgtest::isReport(stderrOf([&] { fonts().setCurrentFontId(50); }),
                                 "Font:#: ERROR : FontManager::setCurrentFontId( fontId ) : invalid fontId\n"));
    EXPECT_TRUE(bgtest::isReport(stderrOf([&] { EXPECT_EQ(fonts().getStringWidth(nullptr), -1); }),
                                 "Font:#: ERROR : FontManager::getStringWidth( str ) : str == NULL\n"));
    // No file named: refused. Without a current font, nothing measures.
    EXPECT_TRUE(bgtest::isReport(stderrOf([&] { EXPECT_EQ(fonts().load(""), -1); }),
                                 "Font:#: ERROR : FontManager::load( fontFile ) : Invalid file name\n"));
    stderrOf([] {
        FontManager none("Fonts/Absent.txt", 1);
        EXPECT_EQ(none.getStringHeight(), 0);
        EXPECT_EQ(none.getStringWidth("abc"), 0);
    });
}

// What the font lacks of the range is said; what cannot make a font the
// engine takes is refused, and nothing is written.
TEST_F(Text, TheBakerSaysWhatAFontLacksAndRefusesWhatMakesNoFont) {
    const std::string ascii = media::bdf(8, ' ', '~');

    const std::string some = bake(media::bdf(8, 'A', 'Z'), "8", "out");
    EXPECT_NE(some.find("in.bdf lacks 69 of the 95 characters from ' ' to '~'"), std::string::npos) << some;
    // X fonts in a national encoding hold ASCII where ASCII always is.
    const std::string koi8 =
        bake(replaced(replaced(ascii, "\"ISO10646\"", "\"KOI8\""), "ENCODING \"1\"", "ENCODING \"R\""), "8", "out");
    EXPECT_NE(koi8.find("in.bdf has no Unicode character map"), std::string::npos) << koi8;
    EXPECT_EQ(koi8.find("lacks"), std::string::npos) << koi8;
    // A glyph with a size but no pixels is an empty cell, not a crash.
    bake(replaced(ascii, "BITMAP\n8000\nC000\nE000\nF000\n", ""), "8", "out");

    // The font, the options and the error.
    const std::tuple<std::string, std::vector<std::string>, std::string> refused[] = {
        {media::bdf(8, 0x410, 0x42F), {}, "in.bdf has none of the 95 characters from ' ' to '~'"},
        {replaced(replaced(ascii, "ASCENT 6", "ASCENT 0"), "DESCENT 2", "DESCENT 0"), {}, "gives cells 0 pixels high"},
        {ascii, {"--cell", "8", "2000000000"}, "the glyphs do not fit 512 x 512"}};
    for (const auto& [font, options, error] : refused) {
        SCOPED_TRACE(error);
        const std::string err = bake(font, "8", "out", options, 1);
        EXPECT_NE(err.find(error), std::string::npos) << err;
        EXPECT_FALSE(scratch.exists("out.txt") || scratch.exists("out.png")) << error;
    }
}

// Text as it was once drawn: every character's whole cell, one strip each.
void printCellByCell(const Font& font, float s, int x, int y, const char* str) {
    gTextureManager->bind(font.textureId);
    Color().use();
    const float top = y - font.topOffset * s, bottom = top - font.cellHeight * s;
    const float cv = static_cast<float>(font.cellHeight) / font.textureHeight;
    float pen = static_cast<float>(x);
    for (const char* c = str; *c; ++c) {
        const Glyph& g = font.glyph(*c);
        const float pw = font.textureWidth * g.w * s;
        glBegin(GL_TRIANGLE_STRIP);
        for (int k = 0; k < 4; ++k) // top left, bottom left, top right, bottom right
            glTexCoord2f(g.u + k / 2 * g.w, g.v - k % 2 * cv), glVertex2f(pen + k / 2 * pw, k % 2 ? bottom : top);
        glEnd();
        pen += pw + font.spacing * s;
    }
}

// A font baked from DejaVu Sans by brawlgear-font loads and measures by
// the font's advances. A line is drawn as the inked parts of its glyphs, in
// one array, where it measures, and shows the same pixels as whole cells
// drawn one by one, at any scale.
TEST_F(Text, ABakedFontMeasuresAndALineIsItsInkedGlyphsLookingAsWholeCellsDid) {
    build({{"GL_DEPTH_TEST", "0"}, {"GL_CULL_FACE", "0"}});
    const bgtest::RunResult baked = bgtest::run(
        {BRAWLGEAR_FONT_EXE, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "16", scratch / "Fonts/Baked.txt"},
        scratch.path());
    ASSERT_EQ(baked.exitCode, 0) << baked.err;
    glPixelStorei(GL_PACK_ALIGNMENT, 2); // the game's, kept while the glyphs are read back
    // Its glyph image already a texture, and not the one bound: the ink is still read from it.
    stderrOf([] { gTextureManager->load("Fonts/Baked.png", false, -1); });
    glBindTexture(GL_TEXTURE_2D, 0);
    int id = -1;
    stderrOf([&] { id = fonts().load("Fonts/Baked.txt"); });
    ASSERT_GE(id, 0);
    fonts().setCurrentFontId(id);
    EXPECT_EQ(glInt(GL_PACK_ALIGNMENT), 2);
    EXPECT_GT(fonts().getStringWidth("W"), fonts().getStringWidth("i") + 5);
    EXPECT_EQ(fonts().getStringWidth("iii"), 3 * fonts().getStringWidth("i")); // spacing 0
    const Font& font = *fonts().getFont(id);
    // A space has no pixels; a full stop is a dot low in its cell.
    EXPECT_TRUE(font.glyph(' ').blank);
    const Glyph& dot = font.glyph('.');
    EXPECT_FALSE(dot.blank);
    EXPECT_GT(dot.inkTop, 0.5f);
    EXPECT_LT(dot.inkBottom - dot.inkTop, 0.5f);
    double area = 0;
    for (const Glyph& g : font.glyphs)
        if (!g.blank) area += (g.inkRight - g.inkLeft) * (g.inkBottom - g.inkTop);
    EXPECT_LT(area, 0.8 * font.glyphs.size()); // a third of the cells is blank

    const char* const line = "The quick brown fox, jumps; over 12 lazy dogs! ~{|}";
    const float scales[] = {1.0f, 2.5f, 0.37f};
    auto draw = [&](bool cellByCell, bool textured = true) {
        return printed([&] {
            scene().set(GL_TEXTURE_2D, textured);
            int y = 580;
            for (float scale : scales) {
                fonts().setScale(scale);
                cellByCell ? printCellByCell(font, scale, 7, y, line) : fonts().print(7, y, line, Color());
                y -= static_cast<int>(font.cellHeight * scale) + 3;
            }
            fonts().setScale(1);
            scene().restore(GL_TEXTURE_2D);
        });
    };
    const auto arrays = draw(false), cells = draw(true);
    EXPECT_GT(litIn(cells, 0, 800, 0, 600), 2000);
    EXPECT_EQ(differing(arrays, cells), 0);

    // Untextured, a glyph is a solid box, blanks too.
    const auto boxes = draw(false, false);
    EXPECT_EQ(differing(boxes, draw(true, false)), 0);
    EXPECT_NE(differing(boxes, arrays), 0);

    const auto pixels = printed([&] { fonts().print(100, 300, "MMMM", Color()); });
    const int end = 100 + fonts().getStringWidth("MMMM");
    EXPECT_EQ(litIn(pixels, 90, 100, 270, 310) + litIn(pixels, end + 1, 400, 270, 310), 0); // nothing outside
    EXPECT_GT(litIn(pixels, end - 5, end + 1, 270, 310), 0); // the last M reaches the measured end
}

// Billboards drawn in a row wait and go to OpenGL together; whatever comes
// between them (a state change, a texture, a matrix, a colour, a mesh,
// text) sends them first, so the picture is the one a quad at a time made.
TEST_F(Text, BillboardsInARowLookAsOneAtATimeDid) {
    build({{"GL_DEPTH_TEST", "1"}, {"GL_CULL_FACE", "0"}, {"GL_LIGHTING", "0"}, {"FOV", "60"}});
    std::vector<std::uint8_t> stripes, dots;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const std::uint8_t v = static_cast<std::uint8_t>(y * 32 + x * 3);
            stripes.insert(stripes.end(), {255, v, static_cast<std::uint8_t>(x * 30), static_cast<std::uint8_t>(40 + x * 25)});
            dots.insert(dots.end(), {v, 255, 90, static_cast<std::uint8_t>((x + y) % 3 ? 255 : 0)});
        }
    scratch.write("stripes.png", bg::media::png(8, 8, 6, stripes));
    scratch.write("dots.png", bg::media::png(8, 8, 6, dots));
    const int first = gTextureManager->load("stripes.png", false), second = gTextureManager->load("dots.png", false);
    ASSERT_TRUE(first >= 0 && second >= 0);
    Billboard red(Color(1, 0.2f, 0.2f, 0.8f), first, 2, 1.5f), blue(Color(0.3f, 0.4f, 1, 0.6f), first, 1.2f, 2.4f);
    Billboard green(Color(0.2f, 1, 0.3f, 0.7f), second, 1.8f, 1.8f), wide(Color(1, 1, 1, 0.75f), second, 60, 40);
    Quad floor(first, Material(), 6, 6);
    const int light = gLightManager->addLight();
    gLightManager->enable(light);

    // A quad as one was drawn alone: its colour, then one strip.
    auto alone = [](const Billboard& b, const Point& p, const Vector& r, const Vector& u) {
        b.getColor().use();
        const Point corners[] = {p - r + u, p - r - u, p + r + u, p + r - u};
        const float s[] = {0, 0, 1, 1}, t[] = {1, 0, 1, 0};
        glBegin(GL_TRIANGLE_STRIP);
        for (int k = 0; k < 4; ++k) glTexCoord2f(s[k], t[k]), glVertex3f(corners[k].x, corners[k].y, corners[k].z);
        glEnd();
    };
    auto draw = [&](bool oneAtATime) {
        auto facing = [&](const Billboard& b, const Point& p) {
            if (!oneAtATime) return b.display(p);
            alone(b, p, gCamera->getRight() * (b.getWidth() * 0.5f), gCamera->getUp() * b.getHeight() * 0.5f);
        };
        auto flat = [&](const Billboard& b, const Point& p) {
            if (!oneAtATime) return b.display2D(p);
            alone(b, p, Vector(b.getWidth() * 0.5f, 0, 0), Vector(0, b.getHeight() * 0.5f, 0));
        };
        clear(0.1f, 0.1f, 0.1f);
        lookFrom(Point(0.5f, 1, 6));
        scene().set(GL_TEXTURE_2D, true);
        scene().set(GL_BLEND, true);
        scene().setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        Color(0.9f, 0.9f, 0.9f, 1).use();
        floor.display(false);
        Billboard::beginDisplay();
        red.bindTexture();
        facing(red, Point(-1, 0, 0));
        facing(blue, Point(-0.5f, 0.3f, 0.2f));
        red.bindTexture(); // the same texture again: nothing changes
        facing(red, Point(0, 0.5f, 0.4f));
        scene().setBlendFunc(GL_ONE, GL_ONE);
        facing(blue, Point(0.4f, 0, 0.6f));
        scene().restoreBlendFunc();
        facing(red, Point(-0.3f, -0.2f, 0.5f));
        scene().set(GL_TEXTURE_2D, false);
        facing(blue, Point(-1.4f, 0.6f, 0.6f));
        scene().restore(GL_TEXTURE_2D);
        // Lit for a while: a light changed between two billboards lights the second only.
        scene().set(GL_LIGHTING, true);
        gLightManager->setDiffuse(light, 1, 1, 1, 1);
        gLightManager->setPosition(light, Point(0, 0, 1));
        facing(blue, Point(-0.8f, 0.5f, 0.9f));
        gLightManager->setDiffuse(light, 1, 0.2f, 0.2f, 1);
        facing(red, Point(-0.9f, -0.4f, 0.9f));
        gLightManager->setPosition(light, Point(1, 0, 0.2f));
        facing(blue, Point(-0.6f, -0.1f, 1));
        gLightManager->disable(light);
        facing(red, Point(-0.2f, 0.7f, 1));
        gLightManager->enable(light);
        facing(blue, Point(0.1f, 0.2f, 1));
        scene().restore(GL_LIGHTING);
        floor.display(false); // its texture is the one bound: only the mesh itself sends what waits
        green.bindTexture();
        facing(green, Point(0.8f, -0.3f, 0.8f));
        enableEnvironmentMapping(second); // the next one with the dots reflected, no more
        facing(green, Point(0.5f, 0.1f, 0.8f));
        disableEnvironmentMapping();
        setColorMask(true, false, true, true); // the next one without green
        facing(blue, Point(0.6f, 0.4f, 0.7f));
        setColorMask(true, true, true, true);
        red.bindTexture();
        gTransform->pushMatrix();
        facing(blue, Point(1, 0.6f, 1.1f));
        gTransform->translate(0.7f, 0.2f, 0);
        facing(red, Point(0, 0, 1));
        gCamera->lookAt(); // the view anew: what waits goes first, moved as it was
        facing(blue, Point(0.3f, 0.4f, 1));
        gTransform->popMatrix();
        facing(blue, Point(1, -0.6f, 1.1f));
        Color(0.4f, 1, 0.8f, 1).use(); // the floor's tint, not the last billboard's colour
        floor.display(false);
        Color(1, 1, 0, 0.5f).use();
        facing(red, Point(-1.2f, -0.6f, 1.2f));
        green.bindTexture(); // another texture while one waits: what waits goes first
        facing(green, Point(1.4f, -1, 1.3f));
        Billboard::endDisplay();
        floor.display(false);
        facing(blue, Point(0.2f, -0.2f, 1.5f));
        scene().glBegin2D();
        wide.bindTexture();
        flat(wide, Point(300, 300, 0));
        flat(wide, Point(320.5f, 310.5f, 0));
        fonts().print(280, 320, "!#%", Color(1, 1, 1, 0.5f));
        wide.bindTexture();
        flat(wide, Point(290, 330, 0));
        scene().glEnd2D();
        scene().restore(GL_BLEND);
        scene().restore(GL_TEXTURE_2D);
        return readAll();
    };
    const auto batched = draw(false), single = draw(true);
    EXPECT_EQ(differing(batched, single), 0);
    EXPECT_TRUE(gSprites.isEmpty());
    // Drawn without a window: nothing, not even once a new one opens.
    scene().endSDL();
    wide.display2D(Point(300, 300, 0));
    restart();
    EXPECT_TRUE(gSprites.isEmpty());
}

// Whatever draws or changes what drawing uses sends the waiting billboards
// first, as they were; a frame's end draws them as well.
TEST_F(Text, EveryCallThatDrawsOrChangesStateSendsTheWaitingBillboardsFirst) {
    build({{"GL_DEPTH_TEST", "0"}, {"GL_CULL_FACE", "0"}, {"GL_LIGHTING", "0"}});
    lookFrom(Point(0, 0, 5));
    for (const char* name : {"t.png", "u.png"}) scratch.write(name, bg::media::png(2, 2, 0, std::vector<std::uint8_t>(4, 9)));
    const int light = gLightManager->addLight(), texture = gTextureManager->load("t.png", false);
    BoundingSphere sphere;
    Quad quad(-1, Material());
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    const std::pair<const char*, std::function<void()>> calls[] = {
        {"matrixMode", [] { gTransform->matrixMode(GL_MODELVIEW); }}, {"identity", [] { gTransform->loadIdentity(); }},
        {"push", [] { gTransform->pushMatrix(); }}, {"pop", [] { gTransform->popMatrix(); }},
        {"translate", [] { gTransform->translate(0, 0, 0); }}, {"rotate", [] { gTransform->rotate(0, 0, 0, 1); }},
        {"scale", [] { gTransform->scale(1, 1, 1); }}, {"multiply", [] { gTransform->mulMatrix(Matrix().data()); }},
        {"enable", [&] { gLightManager->enable(light); }}, {"position", [&] { gLightManager->setPosition(light, Point()); }},
        {"radius", [&] { gLightManager->setRadius(light, 3); }}, {"disable", [&] { gLightManager->disable(light); }},
        {"diffuse", [&] { gLightManager->setDiffuse(light, 1, 1, 1, 1); }},
        {"point", [] { display(Point()); }}, {"vector", [] { display(Vector(1, 0, 0), Point()); }},
        {"sphere", [&] { display(sphere); }}, {"shadow", [] { displayShadow(); }},
        {"mapping", [&] { enableEnvironmentMapping(texture); }}, {"unmapping", [] { disableEnvironmentMapping(); }},
        {"mask", [] { setColorMask(true, true, true, true); }},
        {"perspective", [&] { scene().setPerspective(60, 800, 600, 1, 100); }},
        {"read", [&] { scene().readBackBuffer(width, height, rgb); }}, {"clear", [&] { scene().clearBuffers(); }},
        {"frame", [&] { scene().display(); }}, {"capability", [&] { scene().set(GL_FOG, true); }},
        {"restore", [&] { scene().restore(GL_FOG); }}, {"cull", [&] { scene().renderState().setCullFaceMode(GL_FRONT); }},
        {"blend", [&] { scene().setBlendFunc(GL_ONE, GL_ONE); }}, {"colour", [] { Color().use(); }},
        {"material", [] { Material().use(); }}, {"mesh", [&] { quad.display(false); }},
        {"text", [&] { fonts().print(0, 0, "!", Color()); }}, {"bind", [&] { gTextureManager->bind(texture); }},
        {"upload", [&] { gTextureManager->load("u.png", false); }},
        {"remove", [&] { gTextureManager->removeId(texture); }}};
    const Billboard board(Color(1, 0, 0, 1), -1, 1, 1);
    for (const auto& [name, call] : calls) {
        gTextureManager->bind(-1);
        board.display(Point());
        ASSERT_FALSE(gSprites.isEmpty()) << name;
        call();
        EXPECT_TRUE(gSprites.isEmpty()) << name;
    }
}

} // namespace
