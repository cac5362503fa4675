// The binding framework in an interpreter of its own, on a small value
// class made for the test.

#include "script/Binding.h"

#include "support/Lua.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct Vec3 {
    Vec3() = default;
    Vec3(float a, float b, float c) : x(a), y(b), z(c) {}
    float x = 0, y = 0, z = 0;
};

// Counts the engine objects alive.
struct Counted : Vec3 {
    static int alive;
    explicit Counted(const Vec3& v) : Vec3(v) { ++alive; }
    ~Counted() { --alive; }
};
int Counted::alive = 0;

class TestPointBinding : public bg::ValueBinding<TestPointBinding, Counted> {
public:
    using ValueBinding::ValueBinding;
    static constexpr const char* className = "TestPoint";
    static const bg::Method<TestPointBinding> methods[];

    // TestPoint(x, y, z) or TestPoint(otherPoint).
    static TestPointBinding* construct(lua_State* L) {
        const int count = lua_gettop(L);
        if (count != 1 && count != 3) wrongArgs(L, ":new");
        Vec3 value;
        bg::argObjectOrXYZ<TestPointBinding>(L, 1, value);
        return new TestPointBinding(new Counted(value));
    }
    int sum(lua_State* L) {
        expectArgs(L, 0, ":sum");
        lua_pushnumber(L, object().x + object().y + object().z);
        return 1;
    }
    int scaled(lua_State* L) {
        expectArgs(L, 1, ":scaled");
        const float k = bg::argFloat(L, 1);
        bg::ScriptBinding<TestPointBinding>::push(
            L, new TestPointBinding(new Counted(Vec3(object().x * k, object().y * k, object().z * k))));
        return 1;
    }
};

const bg::Method<TestPointBinding> TestPointBinding::methods[] = {
    {"sum", &TestPointBinding::sum}, {"scaled", &TestPointBinding::scaled}, {nullptr, nullptr}};

class Binding : public testing::Test {
protected:
    void SetUp() override {
        L = luaL_newstate();
        luaL_openlibs(L);
        bg::ScriptBinding<TestPointBinding>::registerClass(L);
        EXPECT_EQ(lua_gettop(L), 0);
    }
    void TearDown() override { lua_close(L); }
    std::string run(const std::string& chunk) { return bgtest::runChunk(L, chunk, "=t"); }
    lua_State* L = nullptr;
};

TEST_F(Binding, ObjectsAreCreatedByCallAndNewAndReadPointsOrNumbers) {
    EXPECT_EQ(run("local p = TestPoint(1, 2, 3)\n"
                  "assert(p:sum() == 6)\n"
                  "assert(TestPoint(p):sum() == 6)\n"
                  "assert(TestPoint:new(4, 5, 6):sum() == 15)\n"
                  "assert(p:scaled(2):sum() == 12)\n"),
              "");
    EXPECT_EQ(run("TestPoint(1, 2)"), "t:1: TestPoint :new : Invalid number of parameters");
    // The dot form passes its first argument where the class table goes.
    EXPECT_EQ(run("TestPoint.new(9, 1, 2, 3)"), "");
    EXPECT_EQ(run("TestPoint.new()"), "t:1: TestPoint :new : Invalid number of parameters");
    EXPECT_NE(run("TestPoint('a', 2, 3)").find("bad argument #1"), std::string::npos);
    EXPECT_EQ(run("local p = TestPoint(1, 2, 3)\np:sum(1)"), "t:2: TestPoint :sum : Invalid number of parameters");
}

TEST_F(Binding, MethodsCheckTheirSelf) {
    EXPECT_EQ(run("local p = TestPoint(1, 2, 3)\np.sum(5)"),
              "t:2: bad argument #1 to 'sum' (TestPoint expected, got number)");
    EXPECT_EQ(run("local p = TestPoint(1, 2, 3)\np.sum(io.stdout)"),
              "t:2: bad argument #1 to 'sum' (TestPoint expected, got userdata)");
    EXPECT_EQ(run("local p = TestPoint(1, 2, 3)\np.sum({})"),
              "t:2: bad argument #1 to 'sum' (TestPoint expected, got table)");
}

TEST_F(Binding, TheClassTableIsWhatScriptsSeeAndExtend) {
    EXPECT_EQ(run("local p = TestPoint(1, 2, 3)\n"
                  "assert(getmetatable(p) == TestPoint)\n"
                  "function TestPoint:double() return 2 * self:sum() end\n"
                  "assert(p:double() == 12 and TestPoint(1, 1, 1):double() == 6)\n"
                  "assert(string.match(tostring(p), '^TestPoint %(0x%x+%)$'))\n"),
              "");
}

TEST_F(Binding, CollectedObjectsFreeWhatTheyOwn) {
    EXPECT_EQ(run("for i = 1, 1000 do local p = TestPoint(i, 0, 0):scaled(2) end"), "");
    lua_gc(L, LUA_GCCOLLECT, 0);
    EXPECT_EQ(Counted::alive, 0);
    EXPECT_EQ(run("keep = TestPoint(1, 2, 3)"), "");
    lua_gc(L, LUA_GCCOLLECT, 0);
    EXPECT_EQ(Counted::alive, 1);
}

} // namespace
