// Cost of a script call into the engine: 10^7 calls from a Lua loop for each
// kind of call, reported in nanoseconds per call and as a ratio to a plain
// global C function (the floor).
//
//   build/bench/binding_bench [calls [case]]

#include "bindings/MatrixBinding.h"
#include "script/Binding.h"
#include "script/Interpreter.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Vec3 {
    float x = 1, y = 2, z = 3;
};

struct BenchPoint {
    float x = 1, y = 2, z = 3;
    float getX() const { return x; }
    float getY() const { return y; }
    float getZ() const { return z; }
};

class BenchPointBinding : public bg::ValueBinding<BenchPointBinding, BenchPoint> {
public:
    using ValueBinding::ValueBinding;
    static constexpr const char* className = "BenchPoint";
    static const bg::Method<BenchPointBinding> methods[];
    static BenchPoint* construct(lua_State* L) { return bg::make<BenchPoint>(L); }
};

const bg::Method<BenchPointBinding> BenchPointBinding::methods[] = {
    {"getX", call<&BenchPoint::getX>},
    {"get", get<&BenchPoint::getX, &BenchPoint::getY, &BenchPoint::getZ>},
    {nullptr, nullptr}};

int floorFunction(lua_State* L) {
    lua_pushnumber(L, 1);
    return 1;
}

double nanosecondsPerCall(lua_State* L, const char* setup, const char* body, long calls) {
    const std::string chunk = std::string(setup) + "\nlocal n = ...\nfor i = 1, n do " + body + " end\n";
    if (luaL_loadstring(L, chunk.c_str()) != 0) {
        std::fprintf(stderr, "%s\n", lua_tostring(L, -1));
        std::exit(1);
    }
    lua_pushnumber(L, static_cast<lua_Number>(calls));
    const auto start = std::chrono::steady_clock::now();
    if (lua_pcall(L, 1, 0, 0) != 0) {
        std::fprintf(stderr, "%s\n", lua_tostring(L, -1));
        std::exit(1);
    }
    lua_gc(L, LUA_GCCOLLECT, 0);
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / static_cast<double>(calls);
}

} // namespace

int main(int argc, char** argv) {
    const long calls = argc > 1 ? std::atol(argv[1]) : 10000000L;
    const int only = argc > 2 ? std::atoi(argv[2]) : -1; // one case alone, for profilers
    lua_State* L = bg::newInterpreter();
    bg::openStandardLibraries(L);
    bg::ScriptBinding<BenchPointBinding>::registerClass(L);
    bg::ScriptBinding<bg::MatrixBinding>::registerClass(L);
    lua_register(L, "floor", floorFunction);

    const struct {
        const char* name;
        const char* setup;
        const char* body;
    } cases[] = {
        {"plain global C function (floor)", "local f = floor", "local x = f()"},
        {"method, no argument, one number", "local p = BenchPoint()", "local x = p:getX()"},
        {"method, three numbers", "local p = BenchPoint()", "local x, y, z = p:get()"},
        {"create and collect a value object", "local new = BenchPoint", "local p = new()"},
        {"Matrix element, get(row, col)", "local m = Matrix()", "local x = m:get(1, 2)"},
        {"(bare userdata method: lookup, no check)",
         "local p = newproxy(true)\ngetmetatable(p).__index = {getX = floor}", "local x = p:getX()"},
    };
    double floor = 0;
    std::printf("%-46s %10s %8s\n", "call", "ns/call", "x floor");
    int index = -1;
    for (const auto& c : cases) {
        if (++index != only && only >= 0) continue;
        // One short warm-up run, then the measured one.
        nanosecondsPerCall(L, c.setup, c.body, calls / 10 + 1);
        const double ns = nanosecondsPerCall(L, c.setup, c.body, calls);
        if (floor == 0) floor = ns;
        std::printf("%-46s %10.1f %8.2f\n", c.name, ns, ns / floor);
    }
    lua_close(L);
    return 0;
}
