// Headless runs as a game's own tests use them: a fixed number of frames,
// chosen frames written as PNG and the sound as WAV.

#include "support/Game.h"
#include "support/Picture.h"
#include "tools/media/Media.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using bgtest::RunResult;

namespace {

class Capture : public bgtest::GameTest {
protected:
    // The colour at (x, y) of a PNG written by the engine; -1 when it is
    // missing. (Its size is the starter game's test's.)
    long pixel(const std::string& relative, int x, int y) {
        const bgtest::Picture picture = bgtest::Picture::load(scratch / relative);
        return picture.width ? picture.at(x, y) : -1;
    }
};

TEST_F(Capture, FramesAreCountedWrittenTheSoundRecordedAndTheRunEndsCleanly) {
    source("tone.ogg", bg::media::sineOgg(1, 22050, 22050));
    mainScript(R"(
      local scene, sounds = getScene(), getSoundManager()
      sounds:play(sounds:addSource(sounds:load('tone.ogg')))
      local frame = 0
      while true do
        frame = frame + 1
        if frame <= 2 then scene:setBackgroundColor(1, 0, 0, 1) else scene:setBackgroundColor(0, 0, 1, 1) end
        scene:update()
        scene:clearBuffers()
        if frame == 2 then scene:endSDL() end -- a frame without a window: no picture
        scene:display()
        if frame == 2 then scene:restartSDL() end
        trace('frame ' .. frame)
        delay(50)
      end
    )");
    const RunResult result =
        play(bgtest::BASIC_CFG, {"-windowed", "-q", "--frames", "4", "--capture", "1,2,3", "--capture-dir",
                                 scratch / "shots", "--wav", scratch / "sound/out.wav"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // The fourth display ends the run before the line after it.
    EXPECT_EQ(result.script, "frame 1\nframe 2\nframe 3\n");
    EXPECT_EQ(pixel("shots/frame0001.png", 10, 10), 0xff0000);
    EXPECT_EQ(pixel("shots/frame0003.png", 400, 300), 0x0000ff);
    EXPECT_FALSE(scratch.exists("shots/frame0002.png"));
    const std::string wav = scratch.read("sound/out.wav");
    ASSERT_GT(wav.size(), 44u);
    EXPECT_GT(bgtest::waveEnergy(wav).total(), 1e9);
    // The wave writer's configuration goes with the run.
    for (const auto& entry : std::filesystem::directory_iterator("/tmp")) {
        const bool wave = entry.path().filename().string().rfind("brawlgear-wave-", 0) == 0;
        EXPECT_FALSE(wave && bgtest::readFile(entry.path()).find(scratch / "sound/out.wav") != std::string::npos)
            << entry.path();
    }
    // The settings are saved as after any normal end.
    EXPECT_NE(savedCfg().find("SDL_SCREEN_WIDTH"), std::string::npos);
}

// Bad values, and a WAV that cannot be written (or, like /dev/full, opens
// but takes nothing: it ran and exited 0, silently), stop the run with
// status 2 before the game starts. A frame that cannot be written is
// reported, and the run goes on.
TEST_F(Capture, BadValuesAndUnwritableOutputsAreRefusedOrReported) {
    mainScript("trace('ran') local s = getScene() while true do s:clearBuffers() s:display() end");
    scratch.write("blocker", "a file where the folder would go");
    const std::string usage = "usage: brawlgear";
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--frames", "0"}, usage}, {{"--frames", "ten"}, usage}, {{"--frames", "5", "--capture", "1,,2"}, usage},
        {{"--frames", "5", "--capture", "2,"}, usage}, {{"--capture", "1"}, usage}, {{"--wav"}, usage},
        {{"-windowed", "--frames", "2", "--stats", "/proc/none.csv"},
         "brawlgear: --stats cannot write /proc/none.csv (No such file or directory)\n"},
        {{"-windowed", "--frames", "2", "--wav", scratch / "blocker/run.wav"},
         "brawlgear: --wav cannot write " + scratch / "blocker/run.wav (Not a directory)\n"},
        {{"-windowed", "--frames", "2", "--wav", "/dev/full"},
         "brawlgear: --wav cannot write /dev/full (No space left on device)\n"}};
    for (const auto& [args, message] : refused) {
        const RunResult result = play(bgtest::BASIC_CFG, args);
        EXPECT_EQ(result.exitCode, 2) << args.back();
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("ran\n"), std::string::npos);
    }
    const RunResult result = play(bgtest::BASIC_CFG, {"-windowed", "--frames", "2", "--capture", "1", "--capture-dir",
                                                      scratch / "blocker/deeper", "--stats", "/dev/full"});
    EXPECT_EQ(result.exitCode, 0);
    for (const std::string& file : {scratch / "blocker/deeper/frame0001.png", std::string("/dev/full")})
        EXPECT_NE(result.err.find("ERROR : Capture : cannot write " + file + "\n"), std::string::npos) << result.err;

    // In development, a game that fails waits on its error screen for the
    // frames asked for, no longer, and the run fails. The screen puts back
    // what it changes: more frames than a state stack holds.
    mainScript("local x = = 1\n");
    scratch.write("src/Engine.cfg", bgtest::BASIC_CFG);
    const RunResult failed =
        bgtest::run({BRAWLGEAR_EXE, "--dev", "-windowed", "--frames", "150", "src"}, scratch.path());
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.script.find("ERRSYNTAX\n"), std::string::npos) << failed.err;
    EXPECT_EQ(failed.err.find("ASSERTION"), std::string::npos) << failed.err;
}

} // namespace
