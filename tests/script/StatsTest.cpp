// Frame statistics as a game reads them (Scene:getStats) and as a run
// writes them (--stats FILE).

#include "support/Game.h"
#include "tools/media/Media.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using bgtest::RunResult;

namespace {

class Stats : public bgtest::GameTest {};

TEST_F(Stats, CountWhatAFrameSendsAndWhatTheEngineHolds) {
    source("Textures/Red.png", bg::media::png(8, 4, 2, std::vector<std::uint8_t>(8 * 4 * 3, 200)));
    source("Sounds/Tone.ogg", bg::media::sineOgg(1, 22050, 2205));
    mainScript(R"(
      local scene, textures, sounds = getScene(), getTextureManager(), getSoundManager()
      local function frame(draw)
        scene:update() scene:clearBuffers() getCamera():lookAt()
        draw()
        scene:display()
        local s = scene:getStats()
        trace(string.format('%d %d %d %d %d %d', s.drawCalls, s.vertices, s.triangles, s.textureBinds,
                            s.stateChanges, s.stateChangesSkipped))
        return s
      end
      local before = scene:getStats()
      local quad = Quad(textures:load("Textures/Red.png"), Material(), 2, 2, 1, 1)
      local source = sounds:addSource(sounds:load("Sounds/Tone.ogg"))
      sounds:setLooping(source, true)
      sounds:play(source)
      scene:set(GL_TEXTURE_2D, true)
      frame(function() end)
      local s = frame(function() quad:display() end)
      -- sent, already in place, put back as it was, put back to off
      frame(function() scene:set(GL_BLEND, true) scene:set(GL_BLEND, true) scene:restore(GL_BLEND) scene:restore(GL_BLEND) end)
      frame(function() quad:display() displayShadow() quad:display() end)
      -- 8 x 4 with its mipmaps (43 texels of 4 bytes, as decoded), 2205 16-bit samples
      trace(string.format('%d %d %d %d %d', s.textures - before.textures, s.textureBytes - before.textureBytes,
                          s.sounds - before.sounds, s.soundBytes - before.soundBytes, s.playingSources))
      assert(s.frameTimeMin > 0 and s.frameTimeMin <= s.frameTimeAverage and s.frameTimeAverage <= s.frameTimeMax)
      assert(s.frameTime > 0 and s.frameTime <= s.frameTimeMax)
      while true do frame(function() quad:display() end) end
    )");
    const RunResult result = play(bgtest::BASIC_CFG, {"-windowed", "--frames", "6", "--stats", "frames.csv"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.script, "0 0 0 0 1 0\n1 4 2 1 0 0\n0 0 0 0 2 2\n3 12 6 2 0 0\n1 172 1 4410 1\n1 4 2 1 0 0\n");

    // One line a frame after the header, in the run's working folder: the
    // frame's number and its draw calls first.
    std::istringstream csv(scratch.read("game/frames.csv"));
    std::string header, line, calls;
    std::getline(csv, header);
    EXPECT_EQ(header, "frame,drawCalls,vertices,triangles,textureBinds,stateChanges,stateChangesSkipped,textures,"
                      "textureBytes,sounds,soundBytes,playingSources,frameTime,frameTimeAverage,frameTimeMin,"
                      "frameTimeMax");
    while (std::getline(csv, line)) calls += line.substr(0, line.find(',', line.find(',') + 1)) + "\n";
    EXPECT_EQ(calls, "1,0\n2,1\n3,0\n4,3\n5,1\n6,1\n");
}

} // namespace
