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
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.script, "0 0 -4\ntrue\nfalse\nScene::errorGL( frame ) \nfalse\n"
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
