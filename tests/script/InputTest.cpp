// Real keyboard and mouse input, sent to the engine's window on the test
// display with xdotool while a script polls it.

#include "support/Game.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

using bgtest::RunResult;

namespace {

using Input = bgtest::GameTest;

void xdotool(const std::string& arguments) {
    ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
}
void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// A key held is seen; a click is down, then a click on the next update;
// motion moves the pointer by the scaled delta, within the screen. The
// script says when it is ready for each, after settling its first updates
// (the cursor's first position is not a motion), and waits up to 20 s for
// each: a loaded machine is slow to deliver them.
TEST_F(Input, KeysClicksAndMotionReachTheScript) {
    mainScript("local input, scene = getEventManager(), getScene()\n"
               "scene:update() scene:update() input:reset()\n"
               "trace('ready')\n"
               "local seen = false\n"
               "for i = 1, 2000 do\n"
               "  scene:update()\n"
               "  if input:isKeyPressed(SDLK_a) then seen = true break end\n"
               "  delay(10)\n"
               "end\n"
               "trace(seen and 'key seen' or 'no key')\n"
               "local down, click\n"
               "for i = 1, 2000 do\n"
               "  scene:update()\n"
               "  if input:leftDown() and not down then down = i end\n"
               "  if input:leftClick() then click = i assert(not input:leftDown()) break end\n"
               "  delay(10)\n"
               "end\n"
               "scene:update()\n"
               "trace(tostring(down ~= nil and click ~= nil and down < click) .. ' ' .. tostring(input:leftClick()))\n"
               "local function motion()\n"
               "  for i = 1, 2000 do\n"
               "    scene:update()\n"
               "    local dx, dy = input:getMouseDeltaS()\n"
               "    if dx ~= 0 or dy ~= 0 then return dx, dy end\n"
               "    delay(10)\n"
               "  end\n"
               "end\n"
               "trace('move')\n"
               "local dx, dy = motion()\n"
               "trace(string.format('%d %d %d %d', dx, dy, input:getMousePosition()))\n"
               "input:setMouseSpeed(2)\n"
               "trace('again')\n"
               "dx, dy = motion()\n"
               "trace(string.format('%d %d %d %d', dx, dy, input:getMousePosition()))\n");
    bgtest::Spawned game = launch(bgtest::cfgWith({{"INPUT_MOUSE_SPEED", "1"}}));
    ASSERT_TRUE(bgtest::waitForError(game, "ready\n", 20));
    // A loaded machine's X server can drop the first event before the window
    // holds the focus: press again until the script says it saw one.
    auto until = [&](const char* answer, const char* press, const char* release) {
        for (int attempt = 0; attempt < 4; ++attempt) {
            xdotool(press);
            pause(300);
            xdotool(release);
            if (bgtest::waitForError(game, answer, 2.5)) return true;
        }
        return false;
    };
    ASSERT_TRUE(until("key seen\n", "keydown a", "keyup a"));
    ASSERT_TRUE(until("move\n", "mousedown 1", "mouseup 1"));
    xdotool("mousemove_relative -- 10 5");
    ASSERT_TRUE(bgtest::waitForError(game, "again\n", 20));
    xdotool("mousemove_relative -- 300 -250"); // stays inside the window
    const RunResult result = bgtest::finish(game);
    EXPECT_EQ(result.exitCode, 0);
    // Right and down on the screen: x grows, y (upwards) shrinks. The large
    // motion stops at the screen's edge.
    EXPECT_EQ(result.script.substr(0, result.script.find("again")), "ready\nkey seen\ntrue false\nmove\n10 -5 409 294\n");
    const std::string second = result.script.substr(result.script.find("again\n") + 6);
    int dx = 0, dy = 0, x = 0, y = 0;
    ASSERT_EQ(std::sscanf(second.c_str(), "%d %d %d %d", &dx, &dy, &x, &y), 4) << second;
    EXPECT_GT(dx, 0);
    EXPECT_GT(dy, 0);
    EXPECT_EQ(dx % 2, 0); // speed 2
    EXPECT_EQ(x, 799);
    EXPECT_EQ(y, 599);
}

} // namespace
