#include "bindings/Globals.h"
#include "support/Lua.h"

#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

// The global functions in an interpreter of their own.
class Globals : public testing::Test {
protected:
    void SetUp() override {
        L = luaL_newstate();
        luaL_openlibs(L);
        bg::registerGlobalFunctions(L);
    }
    void TearDown() override { lua_close(L); }

    double number(const std::string& expression) {
        const std::string chunk = "return " + expression;
        EXPECT_EQ(luaL_dostring(L, chunk.c_str()), 0) << lua_tostring(L, -1);
        const double value = lua_tonumber(L, -1);
        lua_pop(L, 1);
        return value;
    }
    std::string error(const std::string& chunk) { return bgtest::runChunk(L, chunk, "=test"); }
    lua_State* L = nullptr;
};

TEST_F(Globals, ClampAndAcosKeepTheirResultsInRange) {
    const std::pair<const char*, double> exact[] = {
        {"clamp(5, 0, 3)", 3}, {"clamp(-1, 0, 3)", 0}, {"clamp(2, 0, 3)", 2}, {"clamp(2, 3, 1)", 3}, {"acos(1.5)", 0}};
    for (const auto& [expression, value] : exact) EXPECT_EQ(number(expression), value) << expression;
    EXPECT_DOUBLE_EQ(number("acos(-7)"), M_PI);
    EXPECT_DOUBLE_EQ(number("acos(0)"), M_PI / 2);
    EXPECT_NE(error("clamp(1, 2)"), "");
    EXPECT_NE(error("acos('x')"), "");
}

TEST_F(Globals, TracePrintsOneLineCutAt255Characters) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(error("trace('hello') trace(12) trace(string.rep('z', 300))"), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "hello\n12\n" + std::string(255, 'z'));
    EXPECT_NE(error("trace()"), "");
}

TEST_F(Globals, DelaySleepsWholeMillisecondsAndNeverANegativeTime) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(error("delay(15.9) delay(-0.5) delay(-1e300) delay(0)"), "");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(15));
    EXPECT_NE(error("delay('soon')"), "");
}

TEST_F(Globals, LoadModuleChecksItsArgumentCount) {
    EXPECT_EQ(error("loadModule()"), "test:1: loadModule : Invalid number of parameters");
    EXPECT_EQ(error("\nloadModule('a', 'b')"), "test:2: loadModule : Invalid number of parameters");
}

} // namespace
