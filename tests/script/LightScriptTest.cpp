// Colours, materials, lights and textures as scripts use them, in the real
// engine. The values are the graphics tests' own; here, every form of the
// script methods and what they answer.

#include "support/Game.h"
#include "tools/media/Media.h"

#include <vector>

#include <gtest/gtest.h>

using bgtest::RunResult;

namespace {

using LightScript = bgtest::GameTest;

TEST_F(LightScript, EveryFormOfTheScriptMethodsAndTexturesFromScripts) {
    source("Images/a.png", bg::media::png(2, 2, 6, std::vector<std::uint8_t>(16, 200)));
    mainScript(R"(
      local c = Color()
      c:set(0.25, 0.5, 0.75, 3)
      trace(table.concat({c:get()}, ' '))
      c:setHSBA(120, 100, 100, 1)
      trace(table.concat({c:get()}, ' ') .. ' / ' .. table.concat({Color(1, 0, 0, 1):getHSBA()}, ' '))
      local m = Material()
      trace(select('#', m:get()) .. ' ' .. table.concat({m:add(Material())}, ' ', 1, 5))
      local lights = getLightManager()
      local id = lights:addLight()
      lights:setPosition(id, Point(1, 2, 3)) lights:setPosition(id, 4, 5, 6)
      lights:setRadius(id, 2) lights:setRadius(id, 2, 5) lights:setInfinite(id, false)
      lights:transform(Matrix()) lights:transform(1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1)
      trace(table.concat({lights:getPosition(id)}, ' ') .. ' ' .. lights:getRadius(id) .. ' ' .. tostring(lights:getInfinite(id)))
      print(pcall(lights.setRadius, lights, id))
      print(pcall(c.setHSBA, c, 1, 2))
      print(pcall(m.add, m, 5))
      local textures = getTextureManager()
      trace(textures:getCurrentGroup())
      local a = textures:load('Images/a.png')
      textures:setCurrentGroup(TEMPORARY_TEXTURES)
      trace(tostring(textures:load('Images/a.png', false) == a) .. ' ' .. tostring(textures:loadFromMem(File('Images/a.png', true)) == a))
      textures:removeId(a) textures:free(PERMANENT_TEXTURES)
      trace(tostring(textures:load('Images/a.png', true, -1) == a)) -- an id is the name's table slot
      textures['end'](textures) textures:restart()
      print(select(2, pcall(function() textures:load() end)))
      Material(1, 2)
    )");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(bgtest::withoutTracebacks(result.script), "0.25 0.5 0.75 1\n"
                                                        "0 1 0 1 / 0 100 100 1\n"
                                                        // floats, as stored
                                                        "17 0.40000000596046 0.40000000596046 0.40000000596046 1 1\n"
                                                        "5 5 6 2 false\n"
                                                        "1\ntrue true\ntrue\n"
                                                        "[string \"Scripts/Main\"]:27: Material :new : Invalid number of "
                                                        "parameters\nERRRUN\n");
    EXPECT_EQ(result.out, "false\tLightManager :setRadius : Invalid number of parameters\n"
                          "false\tColor :setHSBA : Invalid number of parameters\n"
                          "false\tbad argument #2 to 'add' (Material expected, got number)\n" // a dot call counts self
                          "[string \"Scripts/Main\"]:26: TextureManager :load : Invalid number of parameters\n");
}

} // namespace
