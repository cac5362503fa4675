// Point, Vector, Matrix, Plane and BoundingSphere as scripts see them, with
// the engine's real class registration.

#include "bindings/Classes.h"
#include "support/Expect.h"
#include "support/Lua.h"

#include <gtest/gtest.h>
#include <string>

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
    lua_State* L = nullptr;
};

TEST_F(MathClasses, PointsAndVectorsComputeWithoutChangingThemselves) {
    EXPECT_EQ(run(R"(
      local p = Point(1, 2, 3)
      check({6, 7, 8}, p:add(5))
      check({2, 4, 6}, p:mul(2))
      check({1.5, 2.5, 3.5}, p:add(Vector(0.5, 0.5, 0.5)))
      check({0, 0, 0}, p:sub(1, 2, 3))
      check({1, 2, 3}, p:get())
      check({1, 2, 3}, Point(p):get())
      check({0, 0, 0}, Point():get())
      p:set(Point(4, 5, 6)); p:setY(9)
      check({4, 9, 6}, p:get())

      local v = Vector(1, 2, 3)
      check({6, 2, 3}, v:add(5))
      check({-4, 2, 3}, v:sub(5))
      check({2, 4, 6}, v:mul(2))
      check({0.5, 1, 1.5}, v:div(2))
      check({1, 1, 1}, Vector(1, 2, 3, 2, 3, 4):get())
      check({14}, v:dotProduct(v))
      check({0, 0, 1}, Vector(1, 0, 0):crossProduct(0, 1, 0))
      assert(v:equal(1, 2, 3) and not v:equal(Vector(1, 2, 3.5)))
      local w = Vector(3, 0, 4)
      check({5}, w:length())
      w:normalize()
      check({0.6, 0, 0.8}, w:get())
      v:display() v:display(Point(1, 1, 1)) p:display()
    )"),
              "");
    EXPECT_EQ(run("Point(1, 2)"), "t:1: Point :new : Invalid number of parameters");
    EXPECT_EQ(run("Vector(1, 2, 3, 4)"), "t:1: Vector :new : Invalid number of parameters");
    EXPECT_EQ(run("Point():add(1, 2)"), "t:1: Point :add : Invalid number of parameters");
    EXPECT_EQ(run("Vector():dotProduct()"), "t:1: Vector :dotProduct : Invalid number of parameters");
    EXPECT_EQ(run("Point():add(Point())"), "t:1: bad argument #1 to 'add' (Vector expected, got Point)");
    EXPECT_EQ(run("Vector():getX(1)"), "t:1: Vector :getX : Invalid number of parameters");
}

TEST_F(MathClasses, MatricesTransformAndAnswerInStorageOrder) {
    EXPECT_EQ(run(R"(
      local m = Matrix(1,0,0,5, 0,1,0,6, 0,0,1,7, 0,0,0,1)
      check({5}, m:get(0, 3))
      check({1,0,0,0, 0,1,0,0, 0,0,1,0, 5,6,7,1}, Matrix():mulMatrix(m))
      check({1,0,0,0, 0,1,0,0, 0,0,1,0, 5,6,7,1}, Matrix():mulMatrix(1,0,0,5, 0,1,0,6, 0,0,1,7, 0,0,0,1))
      local t = Matrix()
      t:translation(1, 2, 3)
      check({1, 2, 3}, t:mulPoint(0, 0, 0))
      check({1, 2, 3}, t:mulPoint(Point()))
      check({0, 0, 0}, t:mulVector(0, 0, 0))
      local r = Matrix()
      r:rotation(90, 0, 0, 1)
      check({0, 1, 0}, r:mulVector(Vector(1, 0, 0)))
      r:rotation(90, Vector(0, 0, 1))
      check({0, 1, 0}, r:mulVector(1, 0, 0))
      r:rotation(0, 0, 90)
      check({0, 1, 0}, r:mulVector(1, 0, 0))
      r:inverseRotation(Vector(0, 0, 90))
      check({1, 0, 0}, r:mulVector(0, 1, 0))
      local s = Matrix()
      s:inverseScale(0, 2, -1)
      check({10000, 0.5, 10000}, s:get(0, 0), s:get(1.9, 1.9), s:get(2, 2))
      s:set(3, 3, 2)
      check({2}, s:get(3, 3))
      s:set(Matrix()) s:scale(Vector(2, 2, 2))
      check({2, 4, 6}, s:mulPoint(1, 2, 3))
      local mirror = Matrix()
      mirror:mirror(0, 2, 0, -2)
      check({1, -1, 3}, mirror:mulPoint(1, 3, 3))
      mirror:mirror(Plane(0, 1, 0, 0))
      check({1, -3, 3}, mirror:mulPoint(1, 3, 3))
      local rigid = Matrix()
      rigid:rotation(30, 1, 1, 0) rigid:translation(4, 5, 6)
      local back = Matrix() back:set(rigid) back:inverse()
      check({1, 2, 3}, back:mulPoint(rigid:mulPoint(1, 2, 3)))
    )"),
              "");
    testing::internal::CaptureStderr();
    EXPECT_EQ(run("local m = Matrix(1,0,0,0, 0,1,0,0, 0,0,1,0, 9,0,0,1)\ncheck({9}, m:get(5, -1))"), "");
    EXPECT_TRUE(bgtest::matches(testing::internal::GetCapturedStderr(),
                                bgtest::report("Math:#: WARNING : Matrix::operator( row, col ) : array out of bounds, row > 3\n"
                                               "Math:#: WARNING : Matrix::operator( row, col ) : array out of bounds, column < 0\n")));
    EXPECT_EQ(run("Matrix():translation(1, 2)"), "t:1: Matrix :traslation : Invalid number of parameters");
    EXPECT_EQ(run("Matrix():translation(1)"), "t:1: bad argument #1 to 'translation' (Vector expected, got number)");
    EXPECT_EQ(run("Matrix(1, 2, 3)"), "t:1: Matrix :new : Invalid number of parameters");
    EXPECT_EQ(run("Matrix():mulMatrix(1)"), "t:1: bad argument #1 to 'mulMatrix' (Matrix expected, got number)");
    EXPECT_EQ(run("Matrix():mirror(1, 2)"), "t:1: Matrix :mirror : Invalid number of parameters");
    lua_State* state = L;
    EXPECT_EXIT(bgtest::runChunk(state, "local m = Matrix() m:set(3, 3, 0) m:mulPoint(0, 0, 0)", "=t"),
                testing::ExitedWithCode(1), bgtest::report("ASSERTION FAILED:Math:#: factor != 0\n"));
}

TEST_F(MathClasses, PlanesClassifyAndIntersect) {
    EXPECT_EQ(run(R"(
      local plane = Plane(0, 0, 2, -4)
      check({0, 0, 1, -2}, plane:get())
      check({0, 0, 2}, plane:getPoint())
      check({1, 3, 6}, plane:classify(0, 0, 5), plane:classify(Point(0, 0, -5)), plane:classify(1, 1, 2))
      check({3}, plane:distance(0, 0, 5))
      local hit, x, y, z = plane:getIntersection(0, 0, 0, 0, 0, 4)
      assert(hit) check({0, 0, 2}, x, y, z)
      local out = Point()
      assert(not plane:getIntersection(Point(0, 0, 3), Point(0, 0, 4), out))
      check({0, 0, 4}, out:get())
      assert(plane:getIntersection(Point(0, 0, 0), Point(0, 0, 4), out))
      check({0, 0, 2}, out:get())
      plane:setNormal(0, 5, 0)
      check({0, 1, 0, -2}, plane:get())
      plane:findD()
      check({0, 1, 0, 0}, plane:get())
      plane:translate(Vector(0, 3, 0))
      check({-3}, select(4, plane:get()))
      local copy = Plane() copy:set(plane)
      check({0, 1, 0, -3}, copy:get())
      check({1, 0, 0, 0}, Plane():get())
    )"),
              "");
    EXPECT_EQ(run("Plane(1, 2)"), "t:1: Plane :new : Invalid number of parameters");
    EXPECT_EQ(run("Plane():getIntersection(1, 2)"), "t:1: Plane :getIntersection : Invalid number of parameters");
}

TEST_F(MathClasses, BoundingSpheresCollide) {
    EXPECT_EQ(run(R"(
      check({1, 2, 3, 4, 1, 2, 3, 4}, BoundingSphere(1, 2, 3, 4):get())
      check({1, 2, 3, 0, 1, 2, 3, 0}, BoundingSphere(Point(1, 2, 3)):get())
      check({1, 2, 3, 5, 1, 2, 3, 5}, BoundingSphere(Point(1, 2, 3), 5):get())
      check({1, 1, 1, 1, 2, 2, 2, 2}, BoundingSphere(Point(1, 1, 1), 1, Point(2, 2, 2), 2):get())
      check({1, 2, 3, 4, 5, 6, 7, 8}, BoundingSphere(1, 2, 3, 4, 5, 6, 7, 8):get())
      check({0, 0, 0, 0, 0, 0, 0, 0}, BoundingSphere():get())

      local unit = BoundingSphere(0, 0, 0, 1)
      local hit, x, y, z = unit:rayIntersect(0, 0, -5, 0, 0, 5)
      assert(hit) check({0, 0, -1}, x, y, z)
      assert(not unit:rayIntersect(Point(0, 0, -5), Point(0, 0, -3)))
      assert(not unit:sphereIntersect(BoundingSphere(2, 0, 0, 1)))
      assert(unit:sphereIntersect(0, 0, 0, 1, 1.5, 0, 0, 1))
      check({1, 0, 0, 2}, unit:add(BoundingSphere(2, 0, 0, 1)))

      local other = BoundingSphere(1, 0, 0, 1)
      local moved, ix, iy, iz, ir, px, py, pz, pr = unit:collisionResponse(0.5, other)
      assert(moved) check({1, 0, 0, 1, 1.5, 0, 0, 1}, ix, iy, iz, ir, px, py, pz, pr)
      check({-0.5, 0, 0}, unit:getPosition())
      check({1, 0, 0}, other:getPosition()) -- read into a copy
      assert(not unit:collisionResponse(0.5, 0, 0, 0, 1, 9, 0, 0, 1))

      unit:setInitialPosition(1, 2, 3) unit:setInitialRadius(7) unit:setRadius(8) unit:setPosition(Point(4, 5, 6))
      check({1, 2, 3, 7, 4, 5, 6, 8}, unit:get())
      check({1, 2, 3}, unit:getInitialPosition())
      check({7, 8}, unit:getInitialRadius(), unit:getRadius())
    )"),
              "");
    EXPECT_EQ(run("BoundingSphere(1, 2, 3, 4, 5)"), "t:1: BoundingSphere :new : Invalid number of parameters");
    EXPECT_EQ(run("BoundingSphere():add(1, 2)"), "t:1: BoundingSphere :add : Invalid number of parameters");
    EXPECT_EQ(run("BoundingSphere():collisionResponse(0.5)"),
              "t:1: BoundingSphere :collisionResponse : Invalid number of parameters");
    lua_State* state = L;
    EXPECT_EXIT(bgtest::runChunk(state, "BoundingSphere():rayIntersect(1, 1, 1, 1, 1, 1)", "=t"),
                testing::ExitedWithCode(1), bgtest::report("ASSERTION FAILED:Math:#: V_length > 0\n"));
}

} // namespace
