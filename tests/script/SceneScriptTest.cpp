// The window, render state, transform, camera and timer as scripts drive
// them, and the configurations that keep the engine from starting.

#include "support/Expect.h"
#include "support/Game.h"

#include <gtest/gtest.h>
#include <tuple>

using bgtest::report;
using bgtest::RunResult;

namespace {

using SceneScript = bgtest::GameTest;

// Frames drive the timer, and the calls with a meaning of their own answer
// (a method whose count message has always said ":isEnable" says so still).
// OpenAL's devices are tried in order; both contexts close and open again,
// reopening over an open one closes it first (no device is left open). A
// frame's every call, while the window is closed, draws nothing and crashes
// nothing, and the state set meanwhile is there when it reopens. All that
// under a colour depth SDL cannot use, which must not stop every later
// start. Without an audio device the engine stops; a window that cannot be
// made stops this one with its cause, and Engine.cfg keeps a window that can.
TEST_F(SceneScript, FramesRunContextsCloseAndOpenAgainAndWhatCannotBeHadAtTheStartIsNotKept) {
    mainScript(R"(
      local scene, time, camera, transform = getScene(), getTime(), getCamera(), getTransform()
      time:restart()
      for i = 1, 5 do scene:update() scene:display() end
      assert(time:getDt() >= 0.01, time:getDt())
      assert(time:getFPSMax() >= time:getFPSMid() and time:getFPSMid() >= time:getFPSMin())
      camera:setCenter(Point(0, 0, 2))
      trace(table.concat({camera:getLook()}, ' '))
      trace(tostring(scene:errorGL('frame')))
      assert(getEventManager():getScreenSize() == 800)
      print(pcall(scene.isEnabled, scene))
      scene:restartAL() scene:restartAL() scene:endAL() scene:endAL() scene:restartAL()
      scene:restartSDL() scene:endSDL()
      for i = 1, 3 do
        scene:update() scene:clearBuffers() camera:lookAt()
        transform:pushMatrix() transform:translate(1, 2, 3) transform:popMatrix()
        scene:glBegin2D() scene:glEnd2D() Point(1, 2, 3):display() scene:display()
      end
      scene:set(GL_BLEND, true)
      scene:restartSDL()
      trace(tostring(scene:isEnabled(GL_BLEND)))
      scene:restore(GL_BLEND)
      trace(tostring(scene:isEnabled(GL_BLEND)))
      scene:clearBuffers() scene:display()
      trace('alive')
    )");
    RunResult result = play(bgtest::cfgWith({{"SDL_GL_BUFFER_SIZE", "64"}}));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.script.rfind("0 0 -4\nScene::errorGL( frame ) \nfalse\n", 0), 0u) << result.script;
    EXPECT_EQ(result.out, "false\tScene :isEnable : Invalid number of parameters\n");
    EXPECT_NE(result.err.find("INFO : I try to use: Generic Software\nINFO : I try to use: Generic Hardware\n"
                              "INFO : I try to use: NULL\nINFO : AL valid device: "),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find("device not closed"), std::string::npos) << result.err;
    // Each new context prints its driver report before the lines after it.
    EXPECT_EQ(result.script.substr(result.script.rfind("\n\n") + 2), "true\nfalse\nalive\n");
    EXPECT_EQ(savedCfg().find("SDL_GL_BUFFER_SIZE = 64\n"), std::string::npos);
    EXPECT_EQ(runGame().exitCode, 0);

    result = bgtest::run({BRAWLGEAR_EXE, "-windowed"}, scratch / "game", {"ALSOFT_DRIVERS=no-such-driver"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(bgtest::matches(result.err.substr(result.err.find("Scene:")),
                                report("Scene:#: ERROR : Scene::initALContext() : Unable to open an OpenAL device: @\n")))
        << result.err;

    // Either side below 1 makes no window; the next start tries 800 x 600.
    for (const auto& [key, value, size] :
         {std::tuple{"SDL_SCREEN_WIDTH", "0", "0 x 600"}, std::tuple{"SDL_SCREEN_HEIGHT", "-1", "800 x -1"}}) {
        result = play(bgtest::cfgWith({{key, value}}));
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find(std::string("ERROR : Scene::initSDLContext() : Error during setting video mode - no "
                                              "window of ") + size + " can be made\n"),
                  std::string::npos)
            << result.err;
        EXPECT_NE(savedCfg().find("SDL_SCREEN_HEIGHT = 600\nSDL_SCREEN_WIDTH = 800\n"), std::string::npos) << key;
    }

    result = play(bgtest::cfgWith({{"SDL_SCREEN_WIDTH", "5000"}, {"SDL_SCREEN_HEIGHT", "4000"}}), {});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("ERROR : Scene::initSDLContext() : Error during setting video mode - "), std::string::npos)
        << result.err;
    for (const char* kept : {"SDL_SCREEN_WIDTH = 800\n", "SDL_SCREEN_HEIGHT = 600\n", "SDL_FULLSCREEN = 1\n"})
        EXPECT_NE(savedCfg().find(kept), std::string::npos) << kept;
}

} // namespace
