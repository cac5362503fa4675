// Development mode as an author meets it: a game's sources run as they are,
// a saved file starts the game again, a failure waits on the error screen,
// F5 reloads and F12 takes screenshots. Keys go to the window through
// xdotool, so these run alone.

#include "support/Game.h"
#include "support/Picture.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

using bgtest::RunResult;

namespace {

class Development : public bgtest::GameTest {
protected:
    void xdotool(const std::string& arguments) {
        ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
    }
    // A game that clears the window to one colour and says which, once its
    // first updates have put the pointer (and so the keyboard) in the window.
    static std::string colourGame(const std::string& name, const char* rgb) {
        return "local s = getScene()\ns:setBackgroundColor(" + std::string(rgb) +
               ", 1)\nfor i = 1, 3 do s:update() s:clearBuffers() s:display() end\ntrace('" + name +
               "')\nwhile true do s:update() s:clearBuffers() s:display() end\n";
    }
    // F12, then the picture it wrote.
    bgtest::Picture screenshot(int n) {
        char name[40];
        std::snprintf(name, sizeof name, "src/screenshots/shot%04d.png", n);
        xdotool("key F12");
        for (int i = 0; i < 250 && !scratch.exists(name); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::this_thread::sleep_for(std::chrono::milliseconds(100)); // written whole
        return bgtest::Picture::load(scratch / name);
    }
    // Waits until standard error holds `what` a second time.
    bool waitForSecond(const bgtest::Spawned& game, const std::string& what) {
        for (int i = 0; i < 1000; ++i) {
            const std::string err = bgtest::readFile(game.errPath);
            if (err.find(what, err.find(what) + 1) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }
};

TEST_F(Development, SavingStartsTheGameAgainAndFailuresWaitOnTheScreen) {
    mainScript(colourGame("red", "1, 0, 0"));
    source("Engine.cfg", bgtest::BASIC_CFG);
    addFonts();
    bgtest::Spawned game = bgtest::spawn({BRAWLGEAR_EXE, "--dev", "-windowed", "src"}, scratch.path());
    ASSERT_TRUE(bgtest::waitForError(game, "red\n", 20));
    const auto red = [](int r, int g, int b) { return r > 200 && g < 50 && b < 50; };
    EXPECT_GT(screenshot(1).count(0, 0, 800, 600, red), 400000);

    // An edited script: the game starts over with it.
    source("Scripts/Main.lua", colourGame("green", "0, 1, 0"));
    ASSERT_TRUE(bgtest::waitForError(game, "green\n", 20));
    EXPECT_GT(screenshot(2).count(0, 0, 800, 600, [](int r, int g, int b) { return r < 50 && g > 200 && b < 50; }),
              400000);

    // A broken one: its message and line on standard error and on the
    // screen, which waits.
    source("Scripts/Main.lua", "trace('broken')\nlocal x = = 1\n");
    ASSERT_TRUE(bgtest::waitForError(game, "ERRSYNTAX\n", 20));
    const bgtest::Picture error = screenshot(3);
    const auto dark = [](int r, int g, int b) { return r > 30 && r < 70 && g < 25 && b < 25; };
    EXPECT_GT(error.count(0, 0, 800, 600, dark), 300000);
    // The message's line at the top (the test font draws solid glyphs),
    // the keys' line at the bottom.
    const auto text = [](int r, int g, int b) { return r > 200 && g > 180 && b > 150; };
    EXPECT_GT(error.count(0, 0, 800, 30, text), 500);
    EXPECT_GT(error.count(0, 560, 800, 600, text), 300);

    // Mended: it runs again; F5 starts it over by hand.
    source("Scripts/Main.lua", colourGame("blue", "0, 0, 1"));
    ASSERT_TRUE(bgtest::waitForError(game, "blue\n", 20));
    xdotool("key F5");
    EXPECT_TRUE(waitForSecond(game, "blue\n"));
    ::kill(game.pid, SIGTERM);
    const RunResult result = bgtest::finish(game);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("\nScripts/Main.lua:2: "), std::string::npos) << result.err;
    EXPECT_NE(scratch.read("src/Engine.cfg").find("SDL_FULLSCREEN = 0\n"), std::string::npos);
    EXPECT_FALSE(scratch.exists("src/Scripts/Main.o")); // nothing packed
}

// F3 shows the frame statistics over the game, and the game's own drawing,
// which counts on the state it set once (lighting off, untextured, its
// colour current, the model-view matrix, back faces culled), comes out the
// same under it and after it, with no OpenGL error left behind.
TEST_F(Development, TheStatisticsOverlayLeavesTheGamesDrawingAsItWas) {
    mainScript(R"(
      local s, t = getScene(), getTransform()
      getFontManager():setCurrentFontId(getFontManager():load('Fonts/Wide.txt')) -- not the overlay's
      s:setBackgroundColor(0, 0, 0.3, 1)
      s:set(GL_LIGHTING, false)
      s:set(GL_TEXTURE_2D, false)
      Color(0.9, 0.5, 0.1, 1):use()
      local quad = Quad(-1, Material(), 2, 2, 1, 1)
      local function frame()
        s:update() s:clearBuffers()
        getCamera():lookAt()
        t:translate(0.8, -0.5, -4)
        quad:display()
        -- seen from behind: culled, as Engine.cfg asks
        t:translate(-1.6, 0, 0) t:rotate(180, 0, 1, 0)
        quad:display()
        s:display()
        if s:errorGL('after the overlay') then trace('error left') end
      end
      for i = 1, 3 do frame() end
      trace('ready')
      while true do frame() end
    )");
    source("Engine.cfg", bgtest::BASIC_CFG);
    addFonts();
    std::string wide = scratch.read("src/Fonts/Font.txt");
    wide.replace(wide.find("\n1\n0\n"), 5, "\n30\n0\n"); // spacing 30
    source("Fonts/Wide.txt", wide);
    source("Fonts/Wide.png", scratch.read("src/Fonts/Font.png"));
    bgtest::Spawned game = bgtest::spawn({BRAWLGEAR_EXE, "--dev", "-windowed", "src"}, scratch.path());
    ASSERT_TRUE(bgtest::waitForError(game, "ready\n", 20));
    const bgtest::Picture before = screenshot(1);
    xdotool("key F3");
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // frames drawn after the overlay's
    const bgtest::Picture shown = screenshot(2);
    xdotool("key F5"); // it stays over the game started again, and finds its font again
    ASSERT_TRUE(waitForSecond(game, "ready\n"));
    const bgtest::Picture reloaded = screenshot(3);
    xdotool("key F3");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const bgtest::Picture after = screenshot(4);
    ::kill(game.pid, SIGTERM);
    const RunResult result = bgtest::finish(game);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err.find("error left"), std::string::npos) << result.err; // no OpenGL error left pending

    ASSERT_EQ(before.width, 800);
    const auto orange = [](int r, int g, int b) { return r > 200 && g > 100 && g < 150 && b < 50; };
    EXPECT_GT(before.count(400, 300, 800, 600, orange), 10000);
    EXPECT_EQ(before.count(0, 300, 350, 600, orange), 0);
    // The overlay: dark over the top left corner, its text light.
    const auto light = [](int r, int g, int b) { return r > 200 && g > 200 && b > 200; };
    EXPECT_GT(shown.count(0, 0, 300, 60, light), 200);
    EXPECT_GT(reloaded.count(0, 0, 300, 60, light), 200);
    EXPECT_EQ(before.count(0, 0, 300, 60, light), 0);
    // Below and right of it, and everywhere once it is gone, nothing moved.
    int changed = 0, stayed = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            if (after.at(x, y) != before.at(x, y)) ++stayed;
            if ((y > 250 || x > 560) && shown.at(x, y) != before.at(x, y)) ++changed;
        }
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(stayed, 0);
}

} // namespace
