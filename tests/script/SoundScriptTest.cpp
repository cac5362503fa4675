// Sound as games use it, through the real engine, with OpenAL Soft's null
// driver (capped to 16 sources) or its wave writer, whose file the test
// measures.

#include "support/Expect.h"
#include "support/Game.h"
#include "tools/media/Media.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

using bgtest::RunResult;

namespace {

class SoundScript : public bgtest::GameTest {
protected:
    // Packs the game and runs it with this OpenAL Soft configuration and
    // these lines added to Engine.cfg; the wave writer, when it is the
    // driver, writes out.wav afresh.
    RunResult playWith(const std::string& alsoft, const std::string& cfg = "") {
        addFonts();
        EXPECT_EQ(pack().exitCode, 0);
        scratch.write("game/Engine.cfg", bgtest::BASIC_CFG + cfg);
        scratch.write("alsoft.conf", alsoft);
        std::remove((scratch / "out.wav").c_str());
        const bool wave = alsoft.find("drivers=wave") != std::string::npos;
        return bgtest::run({BRAWLGEAR_EXE, "-windowed"}, scratch / "game",
                           {"ALSOFT_CONF=" + scratch / "alsoft.conf", std::string("ALSOFT_DRIVERS=") + (wave ? "wave" : "null")});
    }
    std::string waveConfig() {
        return "[general]\ndrivers=wave\nchannels=stereo\nsample-type=int16\nfrequency=44100\n[wave]\nfile=" +
               scratch / "out.wav" + "\n";
    }
    bgtest::Energy heard(double from = 0) { return bgtest::waveEnergy(scratch.read("out.wav"), from); }
};

TEST_F(SoundScript, IdsSlotsAndRemoval) {
    source("s.ogg", bg::media::sineOgg(1, 22050, 2205));
    const std::string tiny = bg::media::sineOgg(1, 8000, 80);
    for (int i = 1; i <= 41; ++i) source("t" + std::to_string(i) + ".ogg", tiny);
    mainScript(R"(
      local sounds = getSoundManager()
      local s = sounds:load('s.ogg')
      assert(sounds:load('s.ogg') == s)
      local ids = {}
      for i = 1, 16 do ids[i] = sounds:addSource(s) end
      trace(ids[1] .. ' ' .. ids[16] .. ' ' .. sounds:addSource(s))
      sounds:removeSource(3)
      trace(sounds:addSource(s) .. ' ' .. sounds:getGain(3) .. ' ' .. sounds:getRadius(3) .. ' ' .. tostring(sounds:isPlaying(3)) .. ' ' .. sounds:getSoundId(-5))
      sounds:setGain(67, -2) sounds:setRadius(67, 50) sounds:setLooping(67, true) sounds:setRelative(67, true)
      sounds:setPosition(67, Point(1, 2, 3)) sounds:setPosition(67, 4, 5, 6) sounds:setVelocity(67, Vector(1, 0, 0))
      trace(sounds:getGain(67) .. ' ' .. sounds:getRadius(67) .. ' ' .. tostring(sounds:getLooping(67)) .. ' ' .. table.concat({sounds:getPosition(67)}, ' '))
      for i = 1, 16 do sounds:removeSource(ids[i]) end
      local auto = sounds:addSource(s, true)
      sounds:update()
      trace(tostring(sounds:getSoundId(auto)))
      local keep = sounds:addSource(s)
      sounds:setGain(keep, 0.5)
      getScene():restartAL()
      sounds:play(keep)
      local playing = sounds:isPlaying(keep)
      sounds:pause()
      local paused = sounds:isPlaying(keep)
      sounds:resume()
      local resumed = sounds:isPlaying(keep)
      sounds:pause(keep)
      trace(sounds:getGain(keep) .. ' ' .. tostring(playing) .. ' ' .. tostring(paused) .. ' ' .. tostring(resumed) .. ' ' .. tostring(sounds:isPlaying(keep)))
      print(pcall(sounds.addSource, sounds, 99))
      for i = 1, 40 do sounds:load('t' .. i .. '.ogg') end
      trace(sounds:load('t41.ogg'))
      getListener():setEar(0, 0, 1) trace(table.concat({getListener():getListen()}, ' '))
      getListener():setUp(0, 0, 1) getListener():normalize()
    )");
    const RunResult result = playWith("[general]\nsources=16\n");
    EXPECT_EQ(result.exitCode, 1);
    const std::string& out = result.script;
    EXPECT_EQ(out.rfind("0 15 -1\n67 0 0 false -1\n0 50 true 4 5 6\n-1\n", 0), 0u) << out;
    EXPECT_NE(out.find("\n0.5 true false true false\n"), std::string::npos) << out;
    EXPECT_NE(out.find("INFO : AL_MAX_SOURCES = 16\n"), std::string::npos) << out;
    EXPECT_NE(out.find("ERROR : SoundManager::load( t41.ogg ) : Sound table full\n-1\n"), std::string::npos) << out;
    EXPECT_NE(out.find("0 0 -1\nASSERTION FAILED:Listener:"), std::string::npos) << out;
    EXPECT_NE(out.find("sin( RAD( angleBetween( mUp, mListen ) ) )> ZERO"), std::string::npos);
    EXPECT_EQ(result.out, "true\t-1\n");
    EXPECT_TRUE(bgtest::matches(out.substr(out.find("Sound:"), out.find('\n', out.find("Sound:")) - out.find("Sound:") + 1),
                                bgtest::report("Sound:#: ERROR : SoundManager::addSource( 99, autoRemove ) : Invalid soundId\n")));
}

// Heard through the wave writer: a looping sound to the right is louder on
// the right and outlasts its length; at gain 0 it is silent. (That a pause
// silences every source is the sound manager's own test.)
TEST_F(SoundScript, WhatTheListenerHears) {
    source("s.ogg", bg::media::sineOgg(1, 44100, 8820)); // 0.2 s
    mainScript(R"(
      local sounds, listener = getSoundManager(), getListener()
      listener:normalize()
      local id = sounds:addSource(sounds:load('s.ogg'))
      sounds:setPosition(id, 5, 0, 6)
      if getVarManager():getString('CASE') == 'silent' then sounds:setGain(id, -2) end
      sounds:setLooping(id, true)
      sounds:play(id)
      delay(700)
    )");
    ASSERT_EQ(playWith(waveConfig(), "CASE = right\n").exitCode, 0);
    const bgtest::Energy all = heard();
    EXPECT_GT(all.right, 2 * all.left) << all.left << " " << all.right;
    EXPECT_GT(all.right, 1e6);
    EXPECT_GT(heard(0.45).right, 1e5); // long after 0.2 s
    ASSERT_EQ(playWith(waveConfig(), "CASE = silent\n").exitCode, 0);
    EXPECT_LT(heard().total(), 1e5); // the output's dither, nothing more
}

// A folder of TrackNN.ogg files stands in for a CD: every function works,
// and the music is heard. Then a new OpenAL context under the playing CD,
// and restarts over live sources: the CD goes on with names of its own (the
// old ones belonged to the sound manager's sources in the new context, so
// the stream started a source nobody played and deleted it at the next
// track), and a restart without end() first neither leaks sources nor runs
// out of them.
TEST_F(SoundScript, AVirtualCdPlaysTheGamesTracksAndNewContextsAndRestartsKeepSourcesApart) {
    source("Music/Track01.ogg", bg::media::sineOgg(2, 44100, 44100 * 3));
    source("Music/Track03.ogg", bg::media::sineOgg(2, 44100, 44100 * 3, 660));
    source("s.ogg", bg::media::sineOgg(1, 22050, 22050 * 3));
    mainScript(R"(
      local scene, sounds = getScene(), getSoundManager()
      trace(tostring(CDPresent()) .. ' ' .. tostring(playCD()) .. ' ' .. tostring(CDPresent()))
      for i = 1, 20 do scene:update() end
      trace(nextTrackCD() .. ' ' .. nextTrackCD() .. ' ' .. prevTrackCD())
      for i = 1, 20 do scene:update() end
      stopCD() trace(tostring(updateCD()))
      trace(tostring(playCD()))
      for i = 1, 10 do scene:update() end

      local s = sounds:load('s.ogg')
      for i = 1, 5 do scene:update() delay(20) end
      scene:endAL() scene:restartAL()
      local idle, played = sounds:addSource(s), sounds:addSource(s)
      sounds:play(played)
      for i = 1, 5 do scene:update() delay(20) end
      trace(tostring(sounds:isPlaying(idle)) .. ' ' .. tostring(sounds:isPlaying(played)))
      nextTrackCD()
      for i = 1, 5 do scene:update() delay(20) end
      trace(tostring(sounds:isPlaying(played)))
      for i = 1, 4 do sounds:restart() end
      local more = {}
      for i = 1, 14 do more[i] = sounds:addSource(s) end
      trace(table.concat(more, ' ', 14) .. ' ' .. sounds:addSource(s))
      for i = 1, 40 do scene:update() delay(20) end
    )");
    const RunResult result = playWith(waveConfig() + "[general]\nsources=17\n", "CD_VIRTUAL_TRACKS = Music\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string cd = "false true true\n3 1 3\nfalse\ntrue\n";
    ASSERT_EQ(result.script.substr(0, cd.size()), cd);
    const std::string contexts = result.script.substr(cd.size());
    // 17 sources: 16 for the sound manager once the CD's stream holds one.
    EXPECT_EQ(contexts.find("AL_MAX_SOURCES = 0"), std::string::npos) << contexts;
    EXPECT_NE(contexts.find("false true\n"), std::string::npos) << contexts;
    EXPECT_NE(contexts.find("\ntrue\n"), std::string::npos) << contexts;
    EXPECT_NE(contexts.find("\n15 -1\n"), std::string::npos) << contexts;
    const std::string wav = scratch.read("out.wav");
    const bgtest::Energy music = bgtest::waveEnergy(wav);
    EXPECT_GT(music.left, 1e7);
    EXPECT_GT(music.right, 1e7);
    // The music goes on after the new context: heard in the last 0.6 s,
    // when the sound manager's sources are gone, as the half-scale sine it
    // is (3.5e12 over 0.6 s); samples read with the wrong sign would roar.
    const bgtest::Energy last = bgtest::waveEnergy(wav, -0.6);
    EXPECT_GT(std::min(last.left, last.right), 1e6);
    EXPECT_LT(std::max(last.left, last.right), 4e12);
}

} // namespace
