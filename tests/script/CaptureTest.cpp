// Headless runs as a game's own tests use them: a fixed number of frames,
// chosen frames written as PNG and the sound as WAV.

#include "support/Game.h"
#include "support/Picture.h"
#include "tools/media/Media.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>

using bgtest::RunResult;

namespace {

class Capture : public bgtest::GameTest {
protected:
    // The colour at (x, y) of a PNG written by the engine; -1 when it is missing.
    long pixel(const std::string& relative, int x, int y, int* width = nullptr) {
        const bgtest::Picture picture = bgtest::Picture::load(scratch / relative);
        if (width) *width = picture.width;
        return picture.width ? picture.at(x, y) : -1;
    }
};

TEST_F(Capture, FramesAreCountedWrittenAndTheRunEndsCleanly) {
    mainScript(R"(
      local scene = getScene()
      local frame = 0
      while true do
        frame = frame + 1
        if frame <= 2 then scene:setBackgroundColor(1, 0, 0, 1) else scene:setBackgroundColor(0, 0, 1, 1) end
        scene:update()
        scene:clearBuffers()
        scene:display()
        trace('frame ' .. frame)
      end
    )");
    const RunResult result = play(bgtest::BASIC_CFG, {"-windowed", "--frames", "4", "--capture", "1,3", "--capture-dir", scratch / "shots"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // The fourth display ends the run before the line after it.
    EXPECT_EQ(result.script, "frame 1\nframe 2\nframe 3\n");
    int width = 0;
    EXPECT_EQ(pixel("shots/frame0001.png", 10, 10, &width), 0xff0000);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(pixel("shots/frame0003.png", 400, 300), 0x0000ff);
    EXPECT_FALSE(scratch.exists("shots/frame0002.png"));
    // The settings are saved as after any normal end.
    EXPECT_NE(savedCfg().find("SDL_SCREEN_WIDTH"), std::string::npos);
}

TEST_F(Capture, TheSoundIsRecorded) {
    source("tone.ogg", bg::media::sineOgg(1, 22050, 22050));
    mainScript(R"(
      local scene, sounds = getScene(), getSoundManager()
      local id = sounds:addSource(sounds:load('tone.ogg'))
      sounds:play(id)
      while true do scene:update() scene:display() end
    )");
    const RunResult result = play(bgtest::BASIC_CFG, {"-windowed", "--frames", "30", "--wav", scratch / "sound/out.wav"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string wav = scratch.read("sound/out.wav");
    ASSERT_GT(wav.size(), 44u);
    EXPECT_GT(bgtest::waveEnergy(wav), 1e9);
}

TEST_F(Capture, BadValuesAreRefusedBeforeAnythingStarts) {
    mainScript("trace('ran')");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--frames", "0"}, {"--frames", "ten"}, {"--frames", "5", "--capture", "1,,2"},
          {"--capture", "1"}, {"--wav"}}) {
        const RunResult result = play(bgtest::BASIC_CFG, args);
        EXPECT_EQ(result.exitCode, 2) << args[0];
        EXPECT_NE(result.err.find("usage: brawlgear"), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("ran\n"), std::string::npos);
    }
}

TEST_F(Capture, AnUnwritableFolderIsReported) {
    mainScript("local s = getScene() while true do s:clearBuffers() s:display() end");
    scratch.write("blocker", "a file where the folder would go");
    const RunResult result = play(bgtest::BASIC_CFG, {"-windowed", "--frames", "2", "--capture", "1", "--capture-dir", scratch / "blocker/deeper"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.err.find("ERROR : Capture : cannot write " + scratch / "blocker/deeper/frame0001.png"), std::string::npos) << result.err;
    // A WAV that cannot be written stops the engine before it starts.
    const RunResult wav = play(bgtest::BASIC_CFG, {"-windowed", "--frames", "2", "--wav", scratch / "blocker/run.wav"});
    EXPECT_EQ(wav.exitCode, 2);
    EXPECT_NE(wav.err.find("brawlgear: --wav cannot write " + scratch / "blocker/run.wav (Not a directory)\n"),
              std::string::npos)
        << wav.err;
    // One that opens but takes nothing, too (it ran and exited 0, silently).
    const RunResult full = play(bgtest::BASIC_CFG, {"-windowed", "--frames", "2", "--wav", "/dev/full"});
    EXPECT_EQ(full.exitCode, 2);
    EXPECT_NE(full.err.find("brawlgear: --wav cannot write /dev/full (No space left on device)\n"), std::string::npos)
        << full.err;
}

} // namespace
