// The binding framework in an interpreter of its own, on a value class and
// a singleton class made for the test.

#include "script/Binding.h"
#include "script/Interpreter.h"

#include "support/Lua.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

// Counts the engine objects alive.
struct Counted {
    static int alive;
    Counted() { ++alive; }
    Counted(float a, float b, float c) : x(a), y(b), z(c) { ++alive; }
    Counted(const Counted& other) : x(other.x), y(other.y), z(other.z) { ++alive; }
    Counted& operator=(const Counted&) = default;
    ~Counted() { --alive; }

    float getX() const { return x; }
    void setX(float value) { x = value; }
    void move(float dx, int dy, bool dz) { x += dx, y += static_cast<float>(dy), z += dz ? 1.0f : 0.0f; }

    float x = 0, y = 0, z = 0;
};
int Counted::alive = 0;

class TestPointBinding;

} // namespace

namespace bg {
template <> struct ScriptValue<Counted> {
    using Binding = TestPointBinding;
    static constexpr int count = 3;
    static Counted read(lua_State* L, int n) { return Counted{argFloat(L, n), argFloat(L, n + 1), argFloat(L, n + 2)}; }
    static int push(lua_State* L, const Counted& v) { return pushXYZ(L, v); }
};
} // namespace bg

namespace {

class TestPointBinding : public bg::ValueBinding<TestPointBinding, Counted> {
public:
    using ValueBinding::ValueBinding;
    static constexpr const char* className = "TestPoint";
    static const bg::Method<TestPointBinding> methods[];

    // TestPoint(x, y, z) or TestPoint(otherPoint).
    static Counted* construct(lua_State* L) {
        return bg::make<Counted>(L, bg::argValue<Counted>(L));
    }
    int sum(lua_State* L) {
        bg::expectArgs(L, 0);
        lua_pushnumber(L, object().x + object().y + object().z);
        return 1;
    }
    int scaled(lua_State* L) {
        bg::expectArgs(L, 1);
        const float k = bg::argFloat(L, 1);
        bg::ScriptBinding<TestPointBinding>::pushNew(L, object().x * k, object().y * k, object().z * k);
        return 1;
    }
    int copy(lua_State* L) {
        object() = bg::argValue<Counted>(L);
        return 0;
    }
};

const bg::Method<TestPointBinding> TestPointBinding::methods[] = {
    {"sum", method<&TestPointBinding::sum>},
    {"scaled", method<&TestPointBinding::scaled>},
    {"copy", method<&TestPointBinding::copy>},
    {"getX", call<&Counted::getX>},
    {"setX", call<&Counted::setX>},
    {"move", call<&Counted::move>},
    {"get", get<&Counted::getX, &Counted::getX>},
    {nullptr, nullptr}};

bg::SharedPointer<Counted> gTestSingleton;

class TestSingletonBinding : public bg::SingletonBinding<TestSingletonBinding, Counted, gTestSingleton> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "TestSingleton";
    static constexpr const char* accessorName = "getTestSingleton";
    static const bg::Method<TestSingletonBinding> methods[];
};

const bg::Method<TestSingletonBinding> TestSingletonBinding::methods[] = {
    {"getX", call<&Counted::getX>}, {nullptr, nullptr}};

class Binding : public testing::Test {
protected:
    void SetUp() override {
        gTestSingleton = bg::SharedPointer<Counted>(new Counted(7, 0, 0));
        L = bg::newInterpreter();
        bg::openStandardLibraries(L);
        bg::ScriptBinding<TestPointBinding>::registerClass(L);
        bg::ScriptBinding<TestSingletonBinding>::registerClass(L);
        EXPECT_EQ(lua_gettop(L), 0);
    }
    void TearDown() override {
        lua_close(L);
        gTestSingleton.free();
    }
    std::string run(const std::string& chunk) { return bgtest::runChunk(L, chunk, "=t"); }
    // Chunks and what each stops with ("" when it runs to its end).
    void expectRuns(const std::vector<std::pair<std::string, std::string>>& cases) {
        for (const auto& [chunk, message] : cases) EXPECT_EQ(run(chunk), message) << chunk;
    }
    lua_State* L = nullptr;
};

// Generic methods read their arguments and answer by type.
TEST_F(Binding, ObjectsAreCreatedByCallAndNewAndReadPointsOrNumbers) {
    expectRuns({{"local p = TestPoint(1, 2, 3)\n"
                 "assert(p:sum() == 6 and TestPoint(p):sum() == 6)\n"
                 "assert(TestPoint:new(4, 5, 6):sum() == 15 and p:scaled(2):sum() == 12)\n",
                 ""},
                // The dot form passes its first argument where the class table goes.
                {"TestPoint.new(9, 1, 2, 3)", ""},
                {"TestPoint.new()", "t:1: TestPoint :new : Invalid number of parameters"},
                {"local p = TestPoint(1, 2, 3)\n"
                 "p:setX(5.5) assert(p:getX() == 5.5)\n"
                 "p:move(1, 2.9, nil) assert(p:sum() == 6.5 + 4 + 3)\n"
                 "local a, b = p:get() assert(a == 6.5 and b == 6.5)\n",
                 ""}});
}

// Arguments by their place in the script's call, self included.
TEST_F(Binding, ArgumentsAndSelfAreCheckedAsTheScriptAuthorCounts) {
    expectRuns({{"TestPoint('a', 2, 3)", "t:1: bad argument #1 to 'TestPoint' (number expected, got string)"},
                {"local p = TestPoint(1, 2, 3)\np:setX('abc')", "t:2: bad argument #1 to 'setX' (number expected, got string)"},
                {"TestPoint(1, 2, 3):move(1, 'x', 3)", "t:1: bad argument #2 to 'move' (number expected, got string)"},
                {"TestPoint(1, 2, 3):copy(getTestSingleton())",
                 "t:1: bad argument #1 to 'copy' (TestPoint expected, got TestSingleton)"},
                {"local p = TestPoint(1, 2, 3)\np.sum(5)", "t:2: bad argument #1 to 'sum' (TestPoint expected, got number)"},
                {"local p = TestPoint(1, 2, 3)\np.sum(io.stdout)", "t:2: bad argument #1 to 'sum' (TestPoint expected, got userdata)"},
                {"local p = TestPoint(1, 2, 3)\np.sum(getTestSingleton())",
                 "t:2: bad argument #1 to 'sum' (TestPoint expected, got TestSingleton)"},
                {"local p = TestPoint(1, 2, 3)\np.sum(newproxy())", "t:2: bad argument #1 to 'sum' (TestPoint expected, got userdata)"}});
}

// A hostile script reaches the finaliser and to-string functions with
// debug.getmetatable, and can hand a collected object back to itself.
// Collected objects free what they own: count the engine objects, which
// live in the engine's heap, not the interpreter's.
TEST_F(Binding, FinalisersAndResurrectedObjectsCannotCrashTheEngineAndCollectedObjectsFreeWhatTheyOwn) {
    expectRuns({{"debug.getmetatable(TestPoint(1, 2, 3)).__gc(getTestSingleton())",
                 "t:1: bad argument #1 to '__gc' (TestPoint expected, got TestSingleton)"},
                {"debug.getmetatable(getTestSingleton()).__gc(TestPoint(1, 2, 3))",
                 "t:1: bad argument #1 to '__gc' (TestSingleton expected, got TestPoint)"},
                {"debug.getmetatable(TestPoint(1, 2, 3)).__tostring(getTestSingleton())",
                 "t:1: bad argument #1 to '__tostring' (TestPoint expected, got TestSingleton)"},
                {"for i = 1, 1000 do local p = TestPoint(i, 0, 0):scaled(2) end", ""}});
    EXPECT_EQ(gTestSingleton->x, 7.0f);

    // A finaliser called by hand frees the object once; the script object
    // then answers with an error.
    EXPECT_EQ(run("local p = TestPoint(1, 2, 3)\n"
                  "local gc = debug.getmetatable(p).__gc\n"
                  "gc(p) gc(p)\n"
                  "p:sum()"),
              "t:4: TestPoint : the object has been collected or released");
    // Resurrection: a proxy's finaliser stores an object collected in the
    // same cycle.
    EXPECT_EQ(run("do\n"
                  "  local p = TestPoint(1, 2, 3)\n"
                  "  local proxy = newproxy(true)\n"
                  "  getmetatable(proxy).__gc = function() saved = p end\n"
                  "end\n"
                  "collectgarbage() collectgarbage()\n"
                  "assert(saved)\n"
                  "print(pcall(tostring, saved))\n"
                  "saved:sum()"),
              "t:9: TestPoint : the object has been collected or released");
    lua_gc(L, LUA_GCCOLLECT, 0);
    EXPECT_EQ(Counted::alive, 1); // the singleton
    EXPECT_EQ(run("keep = TestPoint(1, 2, 3)"), "");
    lua_gc(L, LUA_GCCOLLECT, 0);
    EXPECT_EQ(Counted::alive, 2);

    // The debug library reaches the registry, and under LuaJIT the
    // upvalues of C functions as well: a method whose entry was replaced
    // (with a userdata of an entry's size, even) reports without names.
#ifdef BRAWLGEAR_LUAJIT
    const std::string named = "";
#else
    const std::string named = "TestPoint :sum : ";
#endif
    expectRuns({{"debug.setupvalue(TestPoint.sum, 1, io.stdout)\nTestPoint(1, 2, 3):sum(4)",
                 "t:2: " + named + "Invalid number of parameters"},
                {"debug.getregistry().TestPoint = io.stdout\nTestPoint(1, 2, 3)",
                 "t:2: TestPoint : the class's metatable has been replaced"}});
}

// The class table is what scripts see and extend; a singleton's objects
// read the slot on every call.
TEST_F(Binding, TheClassTableIsWhatScriptsSeeAndSingletonsReadTheirSlotOnEveryCall) {
    EXPECT_EQ(run("local p = TestPoint(1, 2, 3)\n"
                  "assert(getmetatable(p) == TestPoint)\n"
                  "function TestPoint:double() return 2 * self:sum() end\n"
                  "assert(p:double() == 12 and TestPoint(1, 1, 1):double() == 6)\n"
                  "assert(string.match(tostring(p), '^TestPoint %(0x%x+%)$'))\n"
                  "s = getTestSingleton() assert(s:getX() == 7)"),
              "");
    gTestSingleton.free();
    EXPECT_EQ(run("s:getX()"), "t:1: TestSingleton : the object has been collected or released");
    gTestSingleton = bg::SharedPointer<Counted>(new Counted(8, 0, 0));
    EXPECT_EQ(run("assert(s:getX() == 8)"), "");
}

TEST_F(Binding, AFailedAllocationIsTheInterpretersMemoryError) {
    lua_pushcfunction(L, [](lua_State* state) -> int { bg::raiseMemoryError(state); });
    EXPECT_EQ(lua_pcall(L, 0, 0, 0), LUA_ERRMEM);
    EXPECT_STREQ(lua_tostring(L, -1), "not enough memory");
    lua_pop(L, 1);
    EXPECT_EQ(run("assert(TestPoint(1, 2, 3):sum() == 6)"), ""); // the state goes on
}

} // namespace

namespace {

// math.random follows the C library's generator, which the engine seeds at
// start, on either interpreter: runs do not repeat each other.
TEST(Interpreter, MathRandomFollowsTheCLibrarysSeed) {
    auto firstNumber = [](unsigned seed) {
        std::srand(seed);
        lua_State* L = bg::newInterpreter();
        bg::openStandardLibraries(L);
        luaL_loadstring(L, "return math.random(1000000), math.random(1000000)");
        lua_call(L, 0, 2);
        const double number = lua_tonumber(L, -2) * 1e6 + lua_tonumber(L, -1);
        lua_close(L);
        return number;
    };
    EXPECT_EQ(firstNumber(7), firstNumber(7));
    EXPECT_NE(firstNumber(7), firstNumber(8));
}

} // namespace
