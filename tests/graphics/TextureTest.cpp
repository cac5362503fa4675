// Textures loaded from pictures the test makes, drawn and read back.

#include "config/Var.h"
#include "graphics/Texture.h"
#include "support/Expect.h"
#include "support/SceneFixture.h"
#include "tools/media/Media.h"

#include <GL/gl.h>
#include <set>
#include <string>
#include <vector>

using namespace bg;

using bgtest::stderrOf;

namespace {

class Textures : public bgtest::SceneTest {
protected:
    TextureManager& textures() { return *gTextureManager; }
    // Draws texture `id` over the whole window and reads the pixel at
    // (x, y), window coordinates from the bottom left.
    std::vector<int> drawAndRead(int id, int x, int y) {
        clear();
        scene().glBegin2D();
        scene().set(GL_TEXTURE_2D, true);
        glColor4f(1, 1, 1, 1);
        textures().bind(id);
        glBegin(GL_QUADS);
        for (const auto& [s, t] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{1, 1}, std::pair{0, 1}})
            glTexCoord2f(s, t), glVertex2f(800 * s, 600 * t);
        glEnd();
        scene().restore(GL_TEXTURE_2D);
        scene().glEnd2D();
        return pixelAt(x, y);
    }
    // Filters of the texture `id`.
    std::pair<int, int> filters(int id) {
        textures().bind(id);
        GLint minFilter = 0, magFilter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
        return {minFilter, magFilter};
    }
};

const std::vector<int> RED{255, 0, 0}, BLUE{0, 0, 255}, WHITE{255, 255, 255};

// Top row red, bottom row blue: the picture must come out upright and
// unswapped (every layout decodes to the same RGBA rows: see vfs/). A new
// context gets every texture back, each its own: the names of the old
// context mean nothing in the new one (one texture was uploaded over
// another that happened to get the same name).
TEST_F(Textures, PicturesDrawUprightInTheirOwnColoursInEveryContext) {
    build({{"GL_DEPTH_TEST", "0"}, {"GL_CULL_FACE", "0"}});
    scratch.write("pic.bmp", bg::media::bmp(2, 2, {255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255}));
    std::vector<std::uint8_t> blue;
    for (int k = 0; k < 16; ++k) blue.insert(blue.end(), {0, 0, 255});
    scratch.write("blue.png", bg::media::png(4, 4, 2, blue));
    const int id = textures().load("pic.bmp", false), blueId = textures().load("blue.png", false);
    ASSERT_TRUE(id >= 0 && blueId >= 0);
    EXPECT_EQ(drawAndRead(id, 200, 450), RED);
    EXPECT_EQ(drawAndRead(id, 200, 150), BLUE);
    scene().endSDL(); // a new context over a closed window
    restart();
    EXPECT_EQ(drawAndRead(id, 200, 450), RED);
    EXPECT_EQ(drawAndRead(id, 200, 150), BLUE);
    EXPECT_EQ(drawAndRead(blueId, 400, 300), BLUE);
    // Three names, the scene's own font texture's (id 0) among them.
    const std::set<unsigned> names{textures().getTextureName(0), textures().getTextureName(id),
                                   textures().getTextureName(blueId)};
    EXPECT_EQ(names.size(), 3u);
    // An id that names nothing binds no texture: plain white.
    EXPECT_EQ(drawAndRead(77, 200, 450), WHITE);
}

// A full table says so, and every name in it is still found and freed.
// Groups decide what free frees; a replacement takes the old OpenGL texture
// over, and frees it when it fails.
TEST_F(Textures, AFullTableSaysSoAndGroupsDecideWhatFreeFrees) {
    build();
    std::string err;
    std::vector<int> ids;
    const auto name = [](std::size_t i) { return "t" + std::to_string(i) + ".png"; };
    for (std::size_t i = 0; i <= TextureManager::CAPACITY; ++i) {
        scratch.write(name(i), bg::media::png(1, 1, 0, {static_cast<std::uint8_t>(i)}));
        int id = -1;
        err = stderrOf([&] { id = textures().load(name(i).c_str(), false); });
        if (id < 0) break;
        ids.push_back(id);
    }
    // The default font's glyph image holds one slot already.
    EXPECT_EQ(ids.size(), TextureManager::CAPACITY - 1u);
    EXPECT_TRUE(bgtest::isReport(err, "Texture:#: ERROR : TextureManager::load( t130.png ) : Texture table full\n"));
    // Full, every name is still found and freed, whichever its slot (0 too).
    std::size_t again = 0, left = 0;
    for (std::size_t i = 0; i < ids.size(); ++i) again += textures().load(name(i).c_str(), false) == ids[i];
    EXPECT_EQ(again, ids.size());
    textures().free(TextureManager::PERMANENT_TEXTURES);
    for (const int id : ids) left += textures().getGroups(id) != 0;
    EXPECT_EQ(left, 0u);

    for (const char* file : {"a.png", "b.png"}) scratch.write(file, bg::media::png(2, 2, 0, {1, 2, 3, 4}));
    scratch.write("c.png", bg::media::png(2, 2, 0, {5, 6, 7, 8}));
    const int a = textures().load("a.png");
    textures().setCurrentGroup(TextureManager::TEMPORARY_TEXTURES);
    EXPECT_EQ(textures().load("a.png"), a); // once per name
    EXPECT_EQ(textures().getGroups(a), 3);
    const int b = textures().load("b.png");
    EXPECT_EQ(textures().getGroups(b), 2);
    const unsigned bName = textures().getTextureName(b);
    textures().free(2);
    EXPECT_EQ(textures().getGroups(b), 0); // gone
    EXPECT_FALSE(glIsTexture(bName));
    EXPECT_EQ(textures().getGroups(a), 1);
    textures().removeId(a); // not in group 2: unchanged
    EXPECT_EQ(textures().getGroups(a), 1);
    textures().setCurrentGroup(1);
    textures().removeId(a);
    EXPECT_EQ(textures().getGroups(a), 0);

    const int old = textures().load("a.png");
    const unsigned oldName = textures().getTextureName(old);
    const int c = textures().load("c.png", true, old);
    EXPECT_EQ(textures().getTextureName(c), oldName);
    EXPECT_EQ(textures().getGroups(old == c ? -1 : old), 0);
    // A replacement that fails frees the name it took over.
    stderrOf([&] { EXPECT_EQ(textures().load("absent.png", true, c), -1); });
    EXPECT_FALSE(glIsTexture(oldName));
    EXPECT_TRUE(bgtest::isReport(stderrOf([&] { EXPECT_EQ(textures().load(""), -1); }),
                                 "Texture:#: ERROR : TextureManager::load( fileName ) : Invalid file name\n"));
}

TEST_F(Textures, FiltersComeFromEngineCfgForMipmapsOnly) {
    build({{"GL_TEXTURE_MIN_FILTER", "GL_LINEAR_MIPMAP_LINEAR"}, {"GL_TEXTURE_MAG_FILTER", "gl_nearest"}});
    for (const char* name : {"a.png", "b.png", "c.png"})
        scratch.write(name, bg::media::png(4, 4, 0, std::vector<std::uint8_t>(16, 9)));
    int id = -1;
    EXPECT_TRUE(bgtest::isReport(stderrOf([&] { id = textures().load("a.png", true); }),
                                 "Texture:#: ERROR : TextureManager::load( a.png, glTextureId ) : Invalid "
                                 "GL_TEXTURE_MAG_FILTER value!\n"));
    EXPECT_EQ(filters(id), std::make_pair(GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR));
    EXPECT_EQ(stderrOf([&] { id = textures().load("b.png", false); }), ""); // the configuration is not even read
    EXPECT_EQ(filters(id).first, GL_LINEAR);
    bg::gVarManager->get("GL_TEXTURE_MAG_FILTER").set("GL_NEAREST");
    EXPECT_EQ(stderrOf([&] { id = textures().load("c.png", true); }), "");
    EXPECT_EQ(filters(id), std::make_pair(GL_LINEAR_MIPMAP_LINEAR, GL_NEAREST));
}

} // namespace
