#include "config/Var.h"
#include "input/EventManager.h"
#include "input/Time.h"
#include "platform/QuitRequest.h"
#include "support/Support.h"

#include <SDL.h>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

using bg::EventManager;
using bg::Time;

namespace {

TEST(EventManager, RoundsScaledMotionHalvesUpwards) {
    // A speed that is not finite moves nothing; a huge one is limited
    // (converting it to int would be undefined).
    const float inf = std::numeric_limits<float>::infinity();
    const std::tuple<int, float, int> cases[] = {
        {3, 2, 6}, {1, 0.5f, 1}, {-1, 0.5f, 0}, {-3, 0.5f, -1}, {-1, 1, -1}, {5, std::nanf(""), 0}, {5, inf, 0},
        {5, 1e30f, 1 << 30}, {-5, 1e30f, -(1 << 30)}, {INT_MIN, 3e9f, -(1 << 30)}};
    for (const auto& [offset, speed, moved] : cases)
        EXPECT_EQ(EventManager::scaledDelta(offset, speed), moved) << offset << " at " << speed;
}

class EventManagerTest : public testing::Test {
protected:
    void SetUp() override {
        scratch.write("Engine.cfg", "SDL_SCREEN_WIDTH = 800\nSDL_SCREEN_HEIGHT = 600\nINPUT_MOUSE_SPEED = 2\n");
        bg::gVarManager = bg::SharedPointer<bg::VarManager>(new bg::VarManager((scratch / "Engine.cfg").c_str()));
        events = std::make_unique<EventManager>();
    }
    void TearDown() override {
        events.reset();
        bg::gVarManager.free();
    }
    bgtest::ScratchDir scratch;
    std::unique_ptr<EventManager> events;
};

TEST_F(EventManagerTest, MovesThePointerWithinTheScreen) {
    const auto pointer = [&] { return std::pair{events->getMouseX(), events->getMouseY()}; };
    const auto delta = [&] { return std::pair{events->getDeltaX(), events->getDeltaY()}; };
    EXPECT_EQ(pointer(), std::pair(399, 299));
    EXPECT_EQ(delta(), std::pair(0, 0));
    events->move(399 + 3, 299 - 2); // right and up, at speed 2
    EXPECT_EQ(delta(), std::pair(6, 4));
    EXPECT_EQ(pointer(), std::pair(405, 303));
    events->move(399 + 5000, 299 + 5000);
    EXPECT_EQ(pointer(), std::pair(799, 0));
    EXPECT_EQ(delta(), std::pair(10000, -10000)); // deltas are not limited
    events->move(399 - 5000, 299 - 5000);
    EXPECT_EQ(pointer(), std::pair(0, 599));
    events->reset();
    EXPECT_EQ(pointer(), std::pair(399, 299));
    EXPECT_EQ(delta(), std::pair(0, 0));
}

TEST_F(EventManagerTest, ButtonsAreDownFromPressToReleaseAndClickOnRelease) {
    events->button(SDL_BUTTON_LEFT, true);
    EXPECT_TRUE(events->leftDown());
    EXPECT_FALSE(events->leftClick());
    events->button(SDL_BUTTON_LEFT, false);
    EXPECT_FALSE(events->leftDown());
    EXPECT_TRUE(events->leftClick());
    events->button(SDL_BUTTON_RIGHT, false); // a release without a press
    EXPECT_FALSE(events->rightClick());
    events->button(SDL_BUTTON_MIDDLE, true);
    EXPECT_FALSE(events->rightDown() || events->leftDown());
    EXPECT_FALSE(events->isKeyPressed(-1));
    EXPECT_FALSE(events->isKeyPressed(100000));
}

// The window's close button asks the game to end between frames; a key
// pressed since the last update went down, a key let go did not.
TEST_F(EventManagerTest, ClosingTheWindowRequestsTheEndAndKeysGoDown) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    ASSERT_NE(SDL_SetVideoMode(64, 64, 0, 0), nullptr) << SDL_GetError();
    SDL_Event close = {}, down = {}, up = {};
    close.type = SDL_QUIT;
    down.type = SDL_KEYDOWN, down.key.keysym.sym = SDLK_a;
    up.type = SDL_KEYUP, up.key.keysym.sym = SDLK_b;
    for (SDL_Event* event : {&down, &up, &close}) ASSERT_EQ(SDL_PushEvent(event), 0);
    EXPECT_FALSE(bg::platform::isQuitRequested());
    events->update();
    EXPECT_TRUE(bg::platform::isQuitRequested());
    EXPECT_TRUE(events->wentDown(SDLK_a));
    EXPECT_FALSE(events->wentDown(SDLK_b));
    events->update();
    EXPECT_FALSE(events->wentDown(SDLK_a));
    bg::platform::clearQuitRequest();
    EXPECT_FALSE(bg::platform::isQuitRequested());
    SDL_Quit();
}

TEST(Time, FramePeriodFollowsTheRefreshRate) {
    const std::pair<int, std::uint32_t> periods[] = {{0, 16}, {60, 16}, {75, 13}, {85, 11}, {100, 10}, {5000, 1}};
    for (const auto& [rate, period] : periods) EXPECT_EQ(Time::framePeriod(rate), period) << rate;
}

// The time of a clock the test drives: sleeping moves it on.
std::uint32_t fakeNow = 1000;

TEST(Time, MeasuresFramesByTheClock) {
    fakeNow = 1000;
    Time time(bg::Clock{[] { return fakeNow; }, [](std::uint32_t ms) { fakeNow += ms; }, [] { return 60; }});
    fakeNow += 40;
    time.update();
    EXPECT_EQ(time.getFPSMax(), 25u);
    EXPECT_FLOAT_EQ(time.getDt(), 0.04f);
    fakeNow += 2000; // a pause
    time.update();
    EXPECT_EQ(time.getFPSMin(), 0u);
    EXPECT_FLOAT_EQ(time.getDt(), 2.0f);
    EXPECT_EQ(time.getFPSMid(), 12u); // (25 + 0) / 2
    // A frame shorter than the period is slept out to it.
    fakeNow += 3;
    time.update();
    EXPECT_EQ(time.getDt(), 0.016f);
    EXPECT_EQ(time.getFPSMax(), 62u);
    time.restart(); // forgets the statistics
    EXPECT_EQ(time.getFPSMin(), 4294967295u);
    EXPECT_EQ(time.getFPSMax(), 0u);
}

} // namespace
