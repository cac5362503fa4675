#ifndef BRAWLGEAR_TESTS_SCENEFIXTURE_H
#define BRAWLGEAR_TESTS_SCENEFIXTURE_H

// A real Scene (window, OpenGL and OpenAL contexts) in a scratch folder,
// built from BASIC_CFG with some values replaced. Needs a display.

#include "graphics/Camera.h"
#include "graphics/Scene.h"
#include "graphics/SpriteBatch.h"
#include "support/Expect.h"
#include "support/Support.h"

#include <GL/gl.h>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace bgtest {

class SceneTest : public testing::Test {
protected:
    void TearDown() override {
        if (!bg::gScene.isNull()) bg::gScene.free();
        if (!mHome.empty()) {
            EXPECT_EQ(chdir(mHome.c_str()), 0);
        }
    }
    // Builds the scene; what it printed is returned.
    std::string build(const std::vector<std::pair<std::string, std::string>>& values = {}) {
        scratch.write("Engine.cfg", cfgWith(values));
        if (!scratch.exists("Fonts/Font.txt")) writeTestFonts(scratch.path());
        char here[4096];
        mHome = getcwd(here, sizeof here) ? here : "";
        EXPECT_EQ(chdir(scratch.path().c_str()), 0);
        return stderrOf([] { bg::gScene = bg::SharedPointer<bg::Scene>(new bg::Scene(false)); });
    }
    bg::Scene& scene() { return *bg::gScene; }

    // A new OpenGL context, its report left unread.
    void restart() { stderrOf([&] { scene().restartSDL(); }); }
    // The window cleared to an opaque colour.
    void clear(float r = 0, float g = 0, float b = 0) {
        scene().setBackgroundColor(r, g, b, 1);
        scene().clearBuffers();
    }
    static int glInt(GLenum name) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        return value;
    }
    // Whether `cap` is on for texture unit `unit`.
    static bool enabledOn(int unit, GLenum cap) {
        bg::gActiveTextureARB(GL_TEXTURE0_ARB + unit);
        const bool on = glIsEnabled(cap);
        bg::gActiveTextureARB(GL_TEXTURE0_ARB);
        return on;
    }
    // The whole 800 x 600 window as RGBA, bottom row first, with what
    // waits to be drawn drawn first (as the engine's own read-back does).
    static std::vector<unsigned char> readAll() {
        std::vector<unsigned char> pixels(800 * 600 * 4);
        bg::drawPendingSprites();
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, 800, 600, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
    // Red of a pixel of readAll()'s, and whether it is more than half on.
    static int red(const std::vector<unsigned char>& pixels, int x, int y) {
        return pixels[(static_cast<std::size_t>(y) * 800 + x) * 4];
    }
    static bool lit(const std::vector<unsigned char>& pixels, int x, int y) { return red(pixels, x, y) > 128; }
    // How many of readAll()'s pixels in columns [x0, x1) of rows [y0, y1) are lit.
    static int litIn(const std::vector<unsigned char>& pixels, int x0, int x1, int y0, int y1) {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) count += lit(pixels, x, y);
        return count;
    }
    // Red, green and blue of the pixel at (x, y), from the bottom left.
    static std::vector<int> pixelAt(int x, int y) {
        unsigned char pixel[4] = {};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        return {pixel[0], pixel[1], pixel[2]};
    }
    // The camera at `eye`, looking at the origin with `up` up.
    static void lookFrom(const bg::Point& eye, const bg::Vector& up = bg::Vector(0, 1, 0)) {
        bg::gCamera->setEye(eye);
        bg::gCamera->setCenter(bg::Point(0, 0, 0));
        bg::gCamera->setUp(up);
        bg::gCamera->normalize();
        bg::gCamera->lookAt();
    }

    ScratchDir scratch;

private:
    std::string mHome;
};

} // namespace bgtest

#endif
