// Colours, materials, lights, textures, meshes, text and billboards as
// scripts use them, in the real engine, in one run. The values are the
// graphics tests' own; here, every form of the script methods and what
// they answer.

#include "support/Expect.h"
#include "support/Game.h"
#include "tools/media/Media.h"

#include <vector>

#include <gtest/gtest.h>

using bgtest::RunResult;

namespace {

using GraphicsScript = bgtest::GameTest;

TEST_F(GraphicsScript, EveryFormOfTheScriptMethodsOnLightsTexturesTextBillboardsAndEveryShape) {
    source("Images/a.png", bg::media::png(2, 2, 6, std::vector<std::uint8_t>(16, 200)));
    mainScript(R"(
      local c, red = Color(), Color()
      c:set(0.25, 0.5, 0.75, 3)
      trace(table.concat({c:get()}, ' '))
      c:setHSBA(120, 100, 100, 1) red:setHSBA(Color(1, 0, 0, 1)) -- a Color is copied
      trace(table.concat({c:get()}, ' ') .. ' / ' .. table.concat({red:getHSBA()}, ' '))
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
      print(select(2, pcall(function() Material(1, 2) end)))

      local fonts = getFontManager()
      trace(fonts:getStringWidth('!#') .. ' ' .. fonts:getStringHeight('x') .. ' ' .. table.concat({fonts:getStringSize('!')}, ' '))
      fonts:setScale(2) trace(fonts:getScale()) fonts:setScale(1)
      local b = Billboard(Color(1, 0, 0, 1), 0, 6, 8)
      local c = Billboard(2, 0, 0, 1, 0, 1, 1)
      trace(table.concat({c:getColor()}, ' ') .. ' ' .. table.concat({b:getDimension()}, ' '))
      print(pcall(b.display, b, 1, 2))
      print(pcall(fonts.print, fonts, 1, 2, 'x'))
      print(select(2, pcall(function() Billboard(1, 2, 3) end)))
      local shapes = {Quad(0, m), Cube(0, m, 2, 2, 2, 1, 1), RoundedCube(0, m, 2, 2, 2, 1),
                      CurvedMesh(0, m, 0, 2, 0, 0, 0, 1, 2, 0), CurvedMesh(0, m, 1, 3, 0, 0, 1, 3, 1, 0, 0, 2, 2, 180, 8)}
      for _, s in ipairs(shapes) do
        s:setPosition(Point(0, 0, -5)) s:transform(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0)
        s:setLODEnabled(false) s:setLODLevel(0.5) s:setLevelLength(5) s:setTextureId(3.7)
        s:setMaterial(m:get()) s:setCounterclockwise(true)
        s:display() s:display(false)
        local visible, distance = s:isVisible()
        trace(string.format('%s %s %.1f %s %g %g %s %s', tostring(visible), tostring(s:isLODEnabled()), s:getLODLevel(),
          s:getLevelLength(), s:getTextureId(), select('#', s:getMaterial()), tostring(s:getBoundingSphere():getInitialRadius() > 0),
          tostring(s:getCounterclockwise())))
      end
      local function radius(shape) return string.format('%.2f', shape:getBoundingSphere():getInitialRadius()) end
      trace(radius(Quad(0, m, 6, 8)) .. ' ' .. radius(Cube(0, m, 2, 2, 8)) .. ' ' .. radius(RoundedCube(0, m, 2, 2, 8, 1)))
      -- a sphere placed by the transformation in force
      getCamera():lookAt() getTransform():pushMatrix() getTransform():translate(1, 2, 3)
      getTransform():mulMatrix(Matrix(1,0,0,10, 0,1,0,20, 0,0,1,30, 0,0,0,1)) getTransform():mulMatrix(1,0,0,100, 0,1,0,200, 0,0,1,300, 0,0,0,1)
      local placed = BoundingSphere(0, 0, 0, 1) placed:applyTransformations()
      getTransform():popMatrix()
      trace(string.format('%g %g %g', placed:getPosition()))
      print(pcall(Quad, 0))
      print(pcall(CurvedMesh, 0, m, 1, 3, 0, 0, 0))
      print(pcall(CurvedMesh, 0, m, 0, 2, 0, 0, 0, 1, 2, 0, 180, 8, 8, 8))
      print(pcall(Cube, 0, Vector()))
      print(pcall(Quad, -1, m, 1, 1, 2^30, 2^30))
      print(pcall(CurvedMesh, 0, m, 1, 3, 0, 0, 1, 3, 1, 0, 0, 2, 2, 180, 2^30))
      CurvedMesh(0, m, 0, 1, 0, 0, 0)
    )");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 1);
    const std::string shape = "true false 0.5 5 3 17 true true\n";
    EXPECT_TRUE(bgtest::matches(result.script,
                                bgtest::report("0.25 0.5 0.75 1\n"
                                               "0 1 0 1 / 0 100 100 1\n"
                                               // floats, as stored
                                               "17 0.40000000596046 0.40000000596046 0.40000000596046 1 1\n"
                                               "5 5 6 2 false\n"
                                               "1\ntrue true\ntrue\n"
                                               "9 8 3 8\n2\n1 0 0 1 6 8\n" + shape + shape + shape + shape + shape +
                                               "5.00 4.27 4.10\n111 222 333\n"
                                               "ASSERTION FAILED:CurvedMesh:#: numControlPoints > 1\n")))
        << result.script;
    EXPECT_EQ(result.out, "false\tLightManager :setRadius : Invalid number of parameters\n"
                          "false\tColor :setHSBA : Invalid number of parameters\n"
                          "false\tbad argument #2 to 'add' (Material expected, got number)\n" // a dot call counts self
                          "[string \"Scripts/Main\"]:26: TextureManager :load : Invalid number of parameters\n"
                          "[string \"Scripts/Main\"]:27: Material :new : Invalid number of parameters\n"
                          "false\tBillboard :display : Invalid number of parameters\n"
                          "false\tFontManager :print : Invalid number of parameters\n"
                          "[string \"Scripts/Main\"]:37: Billboard :new : Invalid number of parameters\n"
                          "false\tQuad :new : Invalid number of parameters\n"
                          "false\tCurvedMesh :new : Invalid number of parameters\n"
                          "false\tCurvedMesh :new : Invalid number of parameters\n"
                          "false\tbad argument #2 to 'Cube' (Material expected, got Vector)\n"
                          "false\tnot enough memory\nfalse\tnot enough memory\n");
}

} // namespace
