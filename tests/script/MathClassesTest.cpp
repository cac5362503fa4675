// Point, Vector, Matrix, Plane and BoundingSphere as scripts see them, with
// the engine's real class registration. The arithmetic is the maths tests'
// own; here it is what the bindings add: the forms each method takes, what
// it returns in which order, copies against references, and the messages.

#include "bindings/Classes.h"
#include "support/Lua.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const PRELUDE = R"(
function near(a, b) return math.abs(a - b) < 1e-4 end
-- check(expected list, results...)
function check(expected, ...)
  local got = {...}
  assert(#got == #expected, 'got ' .. #got .. ' results, expected ' .. #expected)
  for i = 1, #expected do
    if not near(got[i], expected[i]) then
      error('result ' .. i .. ' is ' .. tostring(got[i]) .. ', expected ' .. expected[i], 2)
    end
  end
end
)";

class MathClasses : public testing::Test {
protected:
    void SetUp() override {
        L = luaL_newstate();
        luaL_openlibs(L);
        bg::registerClasses(L);
        EXPECT_EQ(run(PRELUDE), "");
    }
    void TearDown() override { lua_close(L); }
    std::string run(const std::string& chunk) { return bgtest::runChunk(L, chunk, "=t"); }
    // A chunk that runs to its end, then one-line chunks and the message
    // each stops with.
    void expectRuns(const char* chunk, const std::vector<std::pair<const char*, const char*>>& errors) {
        EXPECT_EQ(run(chunk), "");
        for (const auto& [line, message] : errors) EXPECT_EQ(run(line), std::string("t:1: ") + message) << line;
    }
    lua_State* L = nullptr;
};

TEST_F(MathClasses, PointsAndVectorsComputeWithoutChangingThemselves) {
    expectRuns(R"(
      local p = Point(1, 2, 3)
      check({6, 7, 8}, p:add(5)) check({2, 4, 6}, p:mul(2)) check({0, 0, 0}, p:sub(1, 2, 3))
      check({1.5, 2.5, 3.5}, p:add(Vector(0.5, 0.5, 0.5)))
      check({1, 2, 3}, p:get()) check({1, 2, 3}, Point(p):get()) check({0, 0, 0}, Point():get())
      p:set(Point(4, 5, 6)) p:setY(9) check({4, 9, 6}, p:get())
      local v = Vector(1, 2, 3)
      check({6, 2, 3}, v:add(5)) check({-4, 2, 3}, v:sub(5)) check({2, 4, 6}, v:mul(2)) check({0.5, 1, 1.5}, v:div(2))
      check({1, 1, 1}, Vector(1, 2, 3, 2, 3, 4):get())
      check({14}, v:dotProduct(v)) check({0, 0, 1}, Vector(1, 0, 0):crossProduct(0, 1, 0))
      assert(v:equal(1, 2, 3) and not v:equal(Vector(1, 2, 3.5)))
      local w = Vector(3, 0, 4)
      check({5}, w:length()) w:normalize() check({0.6, 0, 0.8}, w:get())
    )",
               {{"Point(1, 2)", "Point :new : Invalid number of parameters"},
                {"Vector(1, 2, 3, 4)", "Vector :new : Invalid number of parameters"},
                {"Point():add(1, 2)", "Point :add : Invalid number of parameters"},
                {"Vector():dotProduct()", "Vector :dotProduct : Invalid number of parameters"},
                {"Point():add(Point())", "bad argument #1 to 'add' (Vector expected, got Point)"},
                {"Vector():getX(1)", "Vector :getX : Invalid number of parameters"}});
}

TEST_F(MathClasses, MatricesTransformAndAnswerInStorageOrder) {
    expectRuns(R"(
      local m = Matrix(1,0,0,5, 0,1,0,6, 0,0,1,7, 0,0,0,1)
      check({5}, m:get(0, 3))
      local stored = {1,0,0,0, 0,1,0,0, 0,0,1,0, 5,6,7,1}
      check(stored, Matrix():mulMatrix(m)) check(stored, Matrix():mulMatrix(1,0,0,5, 0,1,0,6, 0,0,1,7, 0,0,0,1))
      local t = Matrix() t:translation(1, 2, 3)
      check({1, 2, 3}, t:mulPoint(0, 0, 0)) check({1, 2, 3}, t:mulPoint(Point())) check({0, 0, 0}, t:mulVector(0, 0, 0))
      -- Every form of rotation makes the same turn; the inverse form undoes it.
      local function turn(...) local r = Matrix() r:rotation(...) return r end
      local z = {turn(90, 0, 0, 1):mulMatrix(Matrix())}
      assert(not near(z[1], 1))
      for _, r in ipairs({turn(90, Vector(0, 0, 1)), turn(0, 0, 90), turn(Vector(0, 0, 90))}) do
        check(z, r:mulMatrix(Matrix()))
      end
      local back = Matrix() back:inverseRotation(Vector(0, 0, 90))
      check({1, 0, 0}, back:mulVector(turn(0, 0, 90):mulVector(1, 0, 0)))
      local s = Matrix() s:inverseScale(0, 2, -1)
      check({10000, 0.5, 10000}, s:get(0, 0), s:get(1.9, 1.9), s:get(2, 2))
      s:set(3, 3, 2) check({2}, s:get(3, 3))
      s:set(Matrix()) s:scale(Vector(2, 2, 2)) check({2, 4, 6}, s:mulPoint(1, 2, 3))
      local mirror = Matrix() mirror:mirror(0, 2, 0, -2) check({1, -1, 3}, mirror:mulPoint(1, 3, 3))
      mirror:mirror(Plane(0, 1, 0, 0)) check({1, -3, 3}, mirror:mulPoint(1, 3, 3))
      -- set copies: inverting the copy leaves the original as it was.
      local undo = Matrix() undo:set(t) undo:inverse()
      check({0, 0, 0}, undo:mulPoint(1, 2, 3)) check({1, 2, 3}, t:mulPoint(0, 0, 0))
    )",
               {{"Matrix():translation(1, 2)", "Matrix :traslation : Invalid number of parameters"},
                {"Matrix():translation(1)", "bad argument #1 to 'translation' (Vector expected, got number)"},
                {"Matrix(1, 2, 3)", "Matrix :new : Invalid number of parameters"},
                {"Matrix():mulMatrix(1)", "bad argument #1 to 'mulMatrix' (Matrix expected, got number)"},
                {"Matrix():mirror(1, 2)", "Matrix :mirror : Invalid number of parameters"}});
}

TEST_F(MathClasses, PlanesClassifyAndIntersect) {
    expectRuns(R"(
      local plane = Plane(0, 0, 2, -4)
      check({0, 0, 1, -2}, plane:get()) check({0, 0, 2}, plane:getPoint())
      check({1, 3, 6}, plane:classify(0, 0, 5), plane:classify(Point(0, 0, -5)), plane:classify(1, 1, 2))
      check({3}, plane:distance(0, 0, 5))
      local hit, x, y, z = plane:getIntersection(0, 0, 0, 0, 0, 4)
      assert(hit) check({0, 0, 2}, x, y, z)
      local out = Point() -- the third Point receives the crossing
      assert(plane:getIntersection(Point(0, 0, 0), Point(0, 0, 4), out)) check({0, 0, 2}, out:get())
      plane:setNormal(0, 5, 0) plane:findD() plane:translate(Vector(0, 3, 0))
      local copy = Plane()
      copy:set(plane)
      check({0, 1, 0, -3}, copy:get()) check({1, 0, 0, 0}, Plane():get())
    )",
               {{"Plane(1, 2)", "Plane :new : Invalid number of parameters"},
                {"Plane():getIntersection(1, 2)", "Plane :getIntersection : Invalid number of parameters"}});
}

TEST_F(MathClasses, BoundingSpheresCollide) {
    expectRuns(R"(
      check({1, 2, 3, 4, 1, 2, 3, 4}, BoundingSphere(1, 2, 3, 4):get())
      check({1, 2, 3, 0, 1, 2, 3, 0}, BoundingSphere(Point(1, 2, 3)):get())
      check({1, 2, 3, 0, 1, 2, 3, 0}, BoundingSphere(1, 2, 3):get())
      check({1, 2, 3, 5, 1, 2, 3, 5}, BoundingSphere(Point(1, 2, 3), 5):get())
      check({1, 1, 1, 1, 2, 2, 2, 2}, BoundingSphere(Point(1, 1, 1), 1, Point(2, 2, 2), 2):get())
      check({1, 2, 3, 4, 5, 6, 7, 8}, BoundingSphere(1, 2, 3, 4, 5, 6, 7, 8):get())
      check({0, 0, 0, 0, 0, 0, 0, 0}, BoundingSphere():get())
      local unit = BoundingSphere(0, 0, 0, 1)
      local hit, x, y, z = unit:rayIntersect(0, 0, -5, 0, 0, 5)
      assert(hit) check({0, 0, -1}, x, y, z)
      assert(not unit:rayIntersect(Point(0, 0, -5), Point(0, 0, -3)))
      assert(not unit:sphereIntersect(BoundingSphere(2, 0, 0, 1)) and unit:sphereIntersect(0, 0, 0, 1, 1.5, 0, 0, 1))
      check({1, 0, 0, 2}, unit:add(BoundingSphere(2, 0, 0, 1)))
      local other = BoundingSphere(1, 0, 0, 1)
      local moved, ix, iy, iz, ir, px, py, pz, pr = unit:collisionResponse(0.5, other)
      assert(moved) check({1, 0, 0, 1, 1.5, 0, 0, 1}, ix, iy, iz, ir, px, py, pz, pr)
      check({-0.5, 0, 0}, unit:getPosition())
      check({1, 0, 0}, other:getPosition()) -- read into a copy
      assert(not unit:collisionResponse(0.5, 0, 0, 0, 1, 9, 0, 0, 1))
      unit:setInitialPosition(1, 2, 3) unit:setInitialRadius(7) unit:setRadius(8) unit:setPosition(Point(4, 5, 6))
      check({1, 2, 3, 7, 4, 5, 6, 8}, unit:get()) check({1, 2, 3}, unit:getInitialPosition())
      check({7, 8}, unit:getInitialRadius(), unit:getRadius())
    )",
               {{"BoundingSphere(1, 2, 3, 4, 5)", "BoundingSphere :new : Invalid number of parameters"},
                {"BoundingSphere():add(1, 2)", "BoundingSphere :add : Invalid number of parameters"},
                {"BoundingSphere():collisionResponse(0.5)", "BoundingSphere :collisionResponse : Invalid number of parameters"}});
}

} // namespace
