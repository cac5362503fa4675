// The window, render state, transform, camera and timer as scripts drive
// them, and the configurations that keep the engine from starting.

#include "support/Expect.h"
#include "support/Game.h"

#include <gtest/gtest.h>

using bgtest::report;
using bgtest::RunResult;

namespace {

using SceneScript = bgtest::GameTest;

TEST_F(SceneScript, AFrameLoopDrivesTheWholeEngine) {
    mainScript(R"(
      local scene, time, camera, transform = getScene(), getTime(), getCamera(), getTransform()
      assert(string.match(tostring(scene), '^Scene %(0x%x+%)$'))
      time:restart()
      for i = 1, 5 do
        scene:update()
        scene:clearBuffers()
        camera:lookAt()
        transform:pushMatrix() transform:translate(1, 2, 3) transform:rotate(30, 0, 1, 0) transform:popMatrix()
        scene:display()
      end
      assert(time:getDt() >= 0.01, time:getDt())
      assert(time:getFPSMax() >= time:getFPSMid() and time:getFPSMid() >= time:getFPSMin())
      local x, y, z = camera:getLook()
      assert(x == 0 and y == 0 and z == -1)
      camera:setCenter(Point(0, 0, 2))
      trace(table.concat({camera:getLook()}, ' '))
      scene:set(GL_BLEND, true) scene:set(GL_BLEND, true)
      scene:restore(GL_BLEND)
      trace(tostring(scene:isEnabled(GL_BLEND)))
      scene:restore(GL_BLEND)
      trace(tostring(scene:isEnabled(GL_BLEND)))
      scene:setBackgroundColor(1, 0, 0, 1)
      scene:glBegin2D() scene:glEnd2D()
      trace(tostring(scene:errorGL('frame')))
      assert(GL_SMOOTH == 7425 and GL_MODELVIEW == 5888 and SDLK_UNDO == 322 and SDLK_KP0 == 256)
      assert(getEventManager():getScreenSize() == 800)
      scene:isEnabled()
    )");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(bgtest::withoutTracebacks(result.script), "0 0 -4\ntrue\nfalse\nScene::errorGL( frame ) \nfalse\n"
                             "[string \"Scripts/Main\"]:28: Scene :isEnable : Invalid number of parameters\nERRRUN\n");
}

TEST_F(SceneScript, ContextsCanBeClosedAndOpenedAgain) {
    mainScript(R"(
      local scene = getScene()
      scene:endAL() scene:endAL()
      scene:restartAL()
      scene:endSDL()
      scene:restartSDL()
      scene:clearBuffers() scene:display()
      trace('alive')
    )");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.script.find("alive\n"), std::string::npos);
}

TEST_F(SceneScript, WithoutAnAudioDeviceTheEngineStops) {
    mainScript("trace('never')\n");
    ASSERT_EQ(pack().exitCode, 0);
    scratch.write("game/Engine.cfg", bgtest::BASIC_CFG);
    const RunResult result =
        bgtest::run({BRAWLGEAR_EXE, "-windowed"}, scratch / "game", {"ALSOFT_DRIVERS=no-such-driver"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(bgtest::matches(result.err.substr(result.err.find("Scene:")),
                                report("Scene:#: ERROR : Scene::initALContext() : Unable to open an OpenAL device: @\n")))
        << result.err;
}

// Every call a frame makes, while the window is closed: nothing is drawn,
// nothing crashes, and the state set meanwhile is there when it reopens.
TEST_F(SceneScript, AClosedWindowIgnoresDrawingAndKeepsTheState) {
    mainScript(R"(
      local scene, camera, transform = getScene(), getCamera(), getTransform()
      scene:endSDL()
      for i = 1, 3 do
        scene:update()
        scene:clearBuffers()
        camera:lookAt()
        transform:pushMatrix() transform:translate(1, 2, 3) transform:popMatrix()
        scene:glBegin2D() scene:glEnd2D()
        Point(1, 2, 3):display()
        scene:display()
      end
      scene:set(GL_BLEND, true)
      trace(tostring(scene:errorGL('closed')))
      scene:restartSDL()
      trace(tostring(scene:isEnabled(GL_BLEND)))
      scene:restore(GL_BLEND)
      trace(tostring(scene:isEnabled(GL_BLEND)))
      scene:display()
    )");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 0);
    // The new context prints its driver report between the lines.
    EXPECT_EQ(result.script.rfind("Scene::errorGL( closed ) \nfalse\n", 0), 0u) << result.script;
    EXPECT_EQ(result.script.substr(result.script.rfind("\n\n") + 2), "true\nfalse\n");
}

// Reopening over an open context closes it first: no device is left open.
TEST_F(SceneScript, RestartingAnOpenContextClosesItFirst) {
    mainScript("local scene = getScene()\n"
               "scene:restartAL() scene:restartAL()\n"
               "scene:set(GL_BLEND, true)\n"
               "scene:restartSDL()\n"
               "trace(tostring(scene:isEnabled(GL_BLEND)))\n");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err.find("device not closed"), std::string::npos) << result.err;
    EXPECT_EQ(result.script.substr(result.script.rfind("\n\n") + 2), "true\n");
}

TEST_F(SceneScript, OpenALDevicesAreTriedInOrder) {
    mainScript("");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 0);
    const std::string expected = "INFO : I try to use: Generic Software\nINFO : I try to use: Generic Hardware\n"
                                 "INFO : I try to use: NULL\nINFO : AL valid device: ";
    EXPECT_NE(result.err.find(expected), std::string::npos) << result.err;
}

// A colour depth SDL cannot use must not stop every later start.
TEST_F(SceneScript, AnImpossibleColourDepthIsNotKept) {
    mainScript("trace(getVarManager():getString('SDL_GL_BUFFER_SIZE'))\n");
    RunResult result = play(bgtest::cfgWith({{"SDL_GL_BUFFER_SIZE", "64"}}));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(savedCfg().find("SDL_GL_BUFFER_SIZE = 64\n"), std::string::npos);
    result = runGame();
    EXPECT_EQ(result.exitCode, 0) << result.err;
}

TEST_F(SceneScript, AWindowOfNoSizeIsReportedWithItsCause) {
    mainScript("trace('never')\n");
    const RunResult result = play(bgtest::cfgWith({{"SDL_SCREEN_WIDTH", "0"}}));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("ERROR : Scene::initSDLContext() : Error during setting video mode - no window of 0 x "
                              "600 can be made\n"),
              std::string::npos)
        << result.err;
    EXPECT_NE(savedCfg().find("SDL_SCREEN_WIDTH = 800\n"), std::string::npos);
}

TEST_F(SceneScript, AVideoModeThatCannotBeSetIsSavedSmaller) {
    mainScript("trace('never')\n");
    const RunResult result = play(bgtest::cfgWith({{"SDL_SCREEN_WIDTH", "5000"}, {"SDL_SCREEN_HEIGHT", "4000"}}), {});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("ERROR : Scene::initSDLContext() : Error during setting video mode - "), std::string::npos)
        << result.err;
    EXPECT_NE(savedCfg().find("SDL_SCREEN_WIDTH = 800\n"), std::string::npos);
    EXPECT_NE(savedCfg().find("SDL_SCREEN_HEIGHT = 600\n"), std::string::npos);
    EXPECT_NE(savedCfg().find("SDL_FULLSCREEN = 1\n"), std::string::npos);
}

} // namespace
