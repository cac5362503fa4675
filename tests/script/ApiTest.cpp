// The script API reference against the engine: the description must name
// exactly what a running engine registers (classes with their methods,
// global functions, constants with their values), the committed reference
// and editor annotations must be what the description generates today, and
// the annotations must declare the same names.

#include "support/Game.h"

#include "tools/media/Media.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <vector>

namespace {

// Walks the globals and prints, after "api ", one sorted line for each
// thing that is not the interpreter's own (the tool host opens LuaJIT's bit
// and jit libraries too): "class NAME", "method
// CLASS:NAME", "function NAME", "constant NAME VALUE", or "other NAME TYPE".
const char* const WALKER = R"(
local standard = {}
for name in string.gmatch("_G _VERSION assert collectgarbage dofile error gcinfo getfenv getmetatable ipairs " ..
    "load loadfile loadstring next newproxy pairs pcall print rawequal rawget rawset select setfenv " ..
    "setmetatable tonumber tostring type unpack xpcall coroutine table io os string math debug " ..
    "package require module arg bit jit", "%S+") do
  standard[name] = true
end
local lines = {}
for name, value in pairs(_G) do
  if not standard[name] then
    local kind = type(value)
    if kind == "number" then
      table.insert(lines, "constant " .. name .. " " .. string.format("%.17g", value))
    elseif kind == "function" then
      table.insert(lines, "function " .. name)
    elseif kind == "table" and type(rawget(value, "new")) == "function" then
      table.insert(lines, "class " .. name)
      for method in pairs(value) do table.insert(lines, "method " .. name .. ":" .. method) end
    else
      table.insert(lines, "other " .. name .. " " .. kind)
    end
  end
end
table.sort(lines)
for _, line in ipairs(lines) do io.stderr:write("api ", line, "\n") end
)";

using Lines = std::set<std::string>;

// The lines of a text that start with `prefix`, without it.
Lines linesOf(const std::string& text, const std::string& prefix = "") {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(prefix, 0) == 0) lines.insert(line.substr(prefix.size()));
    return lines;
}

Lines describedLines(const std::string& cwd) {
    const bgtest::RunResult listed = bgtest::run({BRAWLGEAR_LUA_EXE, BRAWLGEAR_API_GENERATOR, "list", BRAWLGEAR_API_DESCRIPTION}, cwd);
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    return linesOf(listed.out);
}

std::size_t countKind(const Lines& lines, const std::string& kind) {
    std::size_t n = 0;
    for (const std::string& line : lines) n += line.rfind(kind + " ", 0) == 0;
    return n;
}

// What one side has and the other lacks, one line each.
std::string missing(const Lines& from, const Lines& in) {
    std::string text;
    for (const std::string& line : from)
        if (!in.count(line)) text += "  " + line + "\n";
    return text;
}

class ApiTest : public bgtest::GameTest {};

TEST_F(ApiTest, CommittedReferenceIsUpToDateAndTheAnnotationsDeclareTheSame) {
    const bgtest::RunResult generated = bgtest::run(
        {BRAWLGEAR_LUA_EXE, BRAWLGEAR_API_GENERATOR, "docs", BRAWLGEAR_API_DESCRIPTION, scratch / "docs"}, scratch.path());
    ASSERT_EQ(generated.exitCode, 0) << generated.err;
    const char* const update = "out of date: run `cmake --build build --target update_api_docs` and commit docs/";
    EXPECT_TRUE(bgtest::readFile(scratch / "docs/API.md") == bgtest::readFile(BRAWLGEAR_SOURCE_DIR "/docs/API.md")) << update;
    const std::string annotations = scratch / "docs/editor/brawlgear.lua";
    EXPECT_TRUE(bgtest::readFile(annotations) == bgtest::readFile(BRAWLGEAR_SOURCE_DIR "/docs/editor/brawlgear.lua")) << update;

    // The annotation file is plain Lua: run it, then walk what it defined.
    scratch.write("walk.lua", "dofile(arg[1])\n" + std::string(WALKER));
    const bgtest::RunResult walked = bgtest::run({BRAWLGEAR_LUA_EXE, scratch / "walk.lua", annotations}, scratch.path());
    ASSERT_EQ(walked.exitCode, 0) << walked.err;
    const Lines declared = linesOf(walked.err, "api ");
    const Lines described = describedLines(scratch.path());
    EXPECT_EQ(missing(described, declared), "") << "described but not declared in the annotations";
    EXPECT_EQ(missing(declared, described), "") << "declared in the annotations but not described";
}

// One run walks what the engine registers, then runs every class's example
// with the files it names: each must run to its end without a script error.
TEST_F(ApiTest, DescriptionNamesExactlyWhatTheEngineRegistersAndEveryExampleRuns) {
    const bgtest::RunResult examples =
        bgtest::run({BRAWLGEAR_LUA_EXE, BRAWLGEAR_API_GENERATOR, "examples", BRAWLGEAR_API_DESCRIPTION}, scratch.path());
    ASSERT_EQ(examples.exitCode, 0) << examples.err;
    mainScript(WALKER + examples.out);
    const std::string picture = bg::media::png(2, 2, 6, std::vector<std::uint8_t>(16, 200));
    for (const char* name : {"Textures/Wall.png", "Textures/Floor.png", "Textures/Spark.png"}) source(name, picture);
    source("Sounds/Hum.ogg", bg::media::sineOgg(1, 22050, 2205));
    scratch.write("level/Sounds/Level2.ogg", bg::media::sineOgg(1, 22050, 2205));
    const bgtest::RunResult level = bgtest::run({BRAWLGEAR_PACK_EXE, scratch / "level", scratch / "src/Level2.zip"}, scratch.path());
    ASSERT_EQ(level.exitCode, 0) << level.err;
    const bgtest::RunResult result = play(bgtest::cfgWith({{"GAME_VOLUME", "0.5"}}));
    ASSERT_EQ(result.exitCode, 0) << result.err;

    const Lines registered = linesOf(result.err, "api ");
    const Lines described = describedLines(scratch.path());
    EXPECT_EQ(countKind(registered, "class"), 25u);
    EXPECT_EQ(countKind(registered, "constant"), 173u);
    EXPECT_EQ(countKind(registered, "other"), 0u) << missing(registered, {});
    EXPECT_EQ(missing(registered, described), "") << "registered by the engine but not in src/bindings/Api.lua";
    EXPECT_EQ(missing(described, registered), "") << "in src/bindings/Api.lua but not registered by the engine";

    std::size_t ran = 0;
    std::istringstream in(result.script);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("api ", 0) == 0) continue; // the walker's
        EXPECT_EQ(line.find("ERR"), std::string::npos) << line;
        if (line.rfind("example ", 0) != 0) continue;
        EXPECT_EQ(line.substr(line.size() - 4), " ran") << line;
        ++ran;
    }
    EXPECT_EQ(ran, 25u) << result.script;
    EXPECT_NE(savedCfg().find("GAME_VOLUME = 0.600000\n"), std::string::npos) << savedCfg();
    EXPECT_NE(savedCfg().find("BEST_SCORE = 0.000000\n"), std::string::npos) << savedCfg();
}

} // namespace
