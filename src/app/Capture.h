#ifndef BRAWLGEAR_APP_CAPTURE_H
#define BRAWLGEAR_APP_CAPTURE_H

// Headless runs for testing games: run N frames, write chosen frames as
// PNG (from the back buffer, just before each swap) and the whole sound
// output as a WAV file, then end as if the main script had returned.
//
//   brawlgear [-windowed] --frames N [--capture 1,30,60] [--capture-dir DIR] [--wav FILE] [--stats FILE]

#include <lua.hpp>
#include <string>
#include <vector>

namespace bg::capture {

struct Options {
    int frames = 0; // 0: no limit
    std::vector<int> shots;
    std::string directory = ".";
    std::string wav;
    std::string stats; // CSV of each frame's statistics
};

// The options after the first argument ("-windowed" keeps its place);
// false with a message for anything it does not understand.
bool parse(int argc, char** argv, Options& options, std::string& error);
// Before the scene opens OpenAL: the wave writer, when a WAV is wanted
// (its folder made if missing); false with a message when the file cannot
// be written.
bool begin(const Options& options, std::string& error);
void finish();

// Around every swap: writes the frame when it is a chosen one (or a
// screenshot asked for), and ends the run (a long jump that the runner
// takes as a normal return) after the last frame.
void beforeSwap();
void afterSwap(lua_State* L);
// After each swap: the frame's line of statistics, when they are written.
void recordFrame();
// The frame count without the long jump, for frames drawn outside a
// script: true once the last frame has been drawn.
bool countFrame();
// The next frame is also written to `path`, as PNG.
void takeScreenshot(const std::string& path);
// Where events are read: a request to quit (the window's close button,
// SIGTERM, SIGINT), or the executable's own check answering true (a
// development reload), ends the run the same way, between frames.
void afterEvents(lua_State* L);
void setEventCheck(bool (*check)());

} // namespace bg::capture

#endif
