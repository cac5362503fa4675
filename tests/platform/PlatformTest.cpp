// The rules of the Linux layers, given what a display might answer rather
// than what Xvfb happens to offer.

#include <gtest/gtest.h>

#include "platform/RefreshRate.h"
#include "platform/SwapInterval.h"

#include <cstdlib>
#include <cstring>
#include <string>
// After the test framework: Xlib defines None as a macro.
#include <X11/extensions/Xrandr.h>

using namespace bg::platform;

namespace {

TEST(RefreshRate, ThePrimaryOutputsModeComesFirst) {
    // 1920 x 1080 at 148.5 MHz with totals 2200 x 1125: 60 Hz.
    const double mode = modeRefreshRate(148500000, 2200, 1125, 0);
    EXPECT_DOUBLE_EQ(mode, 60.0);
    EXPECT_EQ(chooseRefreshRate(mode, 75), 60);
    EXPECT_EQ(chooseRefreshRate(59.94, 0), 60);
    // Without a primary mode, the screen's rate; without either, 0.
    EXPECT_EQ(chooseRefreshRate(0, 75), 75);
    EXPECT_EQ(chooseRefreshRate(0, 0), 0);
    EXPECT_EQ(chooseRefreshRate(-1, -5), 0);
    // Doubled and interlaced scans, and timings that make no sense.
    EXPECT_DOUBLE_EQ(modeRefreshRate(148500000, 2200, 1125, RR_DoubleScan), 30.0);
    EXPECT_DOUBLE_EQ(modeRefreshRate(148500000, 2200, 1125, RR_Interlace), 120.0);
    EXPECT_EQ(modeRefreshRate(148500000, 0, 1125, 0), 0.0);
    EXPECT_EQ(modeRefreshRate(0, 2200, 1125, 0), 0.0);
    // No display to ask: 0.
    const std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
    setenv("DISPLAY", ":9999", 1);
    EXPECT_EQ(displayRefreshRate(), 0);
    setenv("DISPLAY", display.c_str(), 1);
}

const char* gMissing = "";
bool foundUnlessMissing(const char* function) { return std::strcmp(function, gMissing) != 0; }

TEST(SwapInterval, TheFirstOfferedExtensionWithAnEntryPointIsUsed) {
    gMissing = "";
    EXPECT_EQ(chooseSwapControl("GLX_SGI_swap_control GLX_MESA_swap_control GLX_EXT_swap_control", foundUnlessMissing),
              SwapControl::Ext);
    EXPECT_EQ(chooseSwapControl("GLX_SGI_swap_control GLX_MESA_swap_control", foundUnlessMissing), SwapControl::Mesa);
    EXPECT_EQ(chooseSwapControl("GLX_SGI_swap_control", foundUnlessMissing), SwapControl::Sgi);
    // Named but without its entry point: the next one.
    gMissing = "glXSwapIntervalEXT";
    EXPECT_EQ(chooseSwapControl("GLX_EXT_swap_control GLX_SGI_swap_control", foundUnlessMissing), SwapControl::Sgi);
    // Whole names only, and nothing at all.
    gMissing = "";
    EXPECT_EQ(chooseSwapControl("GLX_EXT_swap_control_tear", foundUnlessMissing), SwapControl::Unavailable);
    EXPECT_EQ(chooseSwapControl("", foundUnlessMissing), SwapControl::Unavailable);
    EXPECT_EQ(chooseSwapControl(nullptr, foundUnlessMissing), SwapControl::Unavailable);
}

} // namespace
