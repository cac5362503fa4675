// The configuration and file-system classes, run by the real executable.

#include "support/Expect.h"
#include "support/Game.h"

#include <algorithm>
#include <gtest/gtest.h>

using bgtest::BASIC_CFG;
using bgtest::report;
using bgtest::RunResult;

namespace {

using Classes = bgtest::GameTest;

TEST_F(Classes, VarManagerReadsAndWritesEngineCfg) {
    mainScript("local a, b = getVarManager(), VarManager()\n"
               "assert(a ~= b and tostring(a) ~= tostring(b))\n"
               "a:setVarValue('WIDTH', 800)\n"
               "b:setVarValue('ON', true)\n"
               "a:setVarValue('OFF', false)\n"
               "b:setVarValue('NAME', 'Brawl')\n"
               "a = nil\n"
               "collectgarbage()\n"
               "trace(b:getString('WIDTH') .. ' ' .. b:getNumber('WIDTH') .. ' ' .. b:getString('ON'))\n"
               "for _, k in ipairs({'T1', 'T2', 'T3', 'T4', 'T5', 'T6', 'ON', 'OFF'}) do\n"
               "  trace(k .. '=' .. tostring(b:getBoolean(k)))\n"
               "end\n"
               "b:setVarValue('T1', 1.5)\n"
               "b['end'](b)\n"
               "trace(getVarManager():getString('T1'))\n");
    const RunResult result = play(std::string(BASIC_CFG) +
                                  "WIDTH = 640\nON = 0\nOFF = 1\nNAME = x\n"
                                  "T1 = TRUE\nT2 = yes\nT3 = 2\nT4 = true\nT5 = 0.000000\nT6 = 1.000000\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.script, "800.000000 800 1\nT1=false\nT2=false\nT3=true\nT4=true\nT5=false\nT6=true\n"
                             "ON=true\nOFF=false\n1.500000\n");
    EXPECT_EQ(savedCfg(), bgtest::sortedCfg(bgtest::cfgWith({{"SDL_FULLSCREEN", "0"}, {"WIDTH", "800.000000"}, {"ON", "1"},
                                                            {"OFF", "0"}, {"NAME", "Brawl"}, {"T1", "1.500000"},
                                                            {"T2", "yes"}, {"T3", "2"}, {"T4", "true"},
                                                            {"T5", "0.000000"}, {"T6", "1.000000"}})));
}

// A game adds settings of its own, which Engine.cfg keeps for the next run;
// no value can write lines of its own into the file.
TEST_F(Classes, ScriptsAddSettingsOfTheirOwnButNoLinesOfTheirOwn) {
    mainScript("local vars = getVarManager()\n"
               "print(pcall(vars.setVarValue, vars, 'NAME', '1\\nVFS_LOAD_FROM_ARCHIVE = 1'))\n"
               "print(pcall(vars.setVarValue, vars, 'NAME', 'tab\\there'))\n"
               "vars:setVarValue('TITLE', 'Two words')\n"
               "trace(tostring(vars:hasVar('BEST')) .. ' ' .. tostring(vars:hasVar('WIDTH')) .. ' ' .. tostring(vars:hasVar('')))\n"
               "vars:addVar('BEST', 120) vars:addVar('WIDTH', 1024) vars:addVar('SOUND', true)\n"
               "trace(tostring(vars:hasVar('BEST')) .. ' ' .. vars:getString('BEST') .. ' ' .. vars:getNumber('WIDTH'))\n"
               "print(pcall(vars.addVar, vars, 'TWO WORDS', 1))\n"
               "print(pcall(vars.addVar, vars, 'X', 'a\\nb'))\n"
               "print(pcall(vars.addVar, vars, ('K'):rep(200), ('v'):rep(100)))\n"
               "for i = 1, 200 do if not pcall(vars.addVar, vars, 'K' .. i, i) then trace('full at ' .. i) break end end\n"
               "print(pcall(vars.addVar, vars, 'ONE_MORE', 1))\n"
               "vars:addVar('BEST', 130)\n");
    const RunResult result = play(std::string(BASIC_CFG) + "WIDTH = 640\nNAME = x\nTITLE = y\n");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(bgtest::matches(result.script.substr(0, result.script.find("full at")),
                                report("VarManagerBinding:#: WARNING : VarManager::setVarValue( TITLE ) : the value holds "
                                       "blanks; the next start reads only its first word\n"
                                       "false true false\ntrue 120.000000 1024\n")))
        << result.script;
    const std::string refused = "false\tVarManager:setVarValue( NAME ) : a value may not hold line breaks or other "
                                "control characters\n";
    EXPECT_EQ(result.out, refused + refused +
                              "false\tVarManager:addVar( TWO WORDS ) : a name is one word without blanks or control characters\n"
                              "false\tVarManager:addVar( X ) : a value may not hold line breaks or other control characters\n"
                              "false\tVarManager:addVar( " + std::string(200, 'K') +
                              " ) : name and value make a line longer than Engine.cfg reads\n"
                              "false\tVarManager:addVar( ONE_MORE ) : Engine.cfg holds as many variables as it can (151)\n");
    const std::string saved = savedCfg();
    for (const char* kept : {"BEST = 130.000000\n", "WIDTH = 1024.000000\n", "SOUND = 1\n", "NAME = x\n",
                             "TITLE = Two words\n", "VFS_LOAD_FROM_ARCHIVE = 0\n"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept << saved;
    EXPECT_EQ(saved.find("ONE_MORE"), std::string::npos);
    EXPECT_EQ(saved.find("VFS_LOAD_FROM_ARCHIVE = 1"), std::string::npos);
}

// One run of the whole scripted surface:
// - archives are opened and closed, folders set, and files made in a loop
//   collected (file contents live in the engine's heap, which the
//   interpreter does not count, so the whole process is measured: 2000
//   files of 1 MiB would take about 2 GB if nothing were freed);
// - every method of every class counts its arguments before it reads them:
//   called with twenty, each says so by its own name (one of them reads its
//   form from its second argument first);
// - every form of every call the description lists, made with plain values
//   of the types it names, gives back as many results as it says: a setter
//   nothing, a getter of x, y, z three. One object of every class serves;
// - each message names the script's line, and an argument error outside a
//   protected call ends the chunk with ERRRUN. (A wrong self is blamed as
//   the binding tests' classes show.)
TEST_F(Classes, TheScriptedSurfaceAnswersAsDescribedAndCollectsItsFiles) {
    const std::pair<std::string, std::string> cases[] = {
        {"getVarManager():getNumber()", "VarManager :getNumber : Invalid number of parameters"},
        {"getVarManager():getString('SDL_FULLSCREEN', 1)", "VarManager :getString : Invalid number of parameters"},
        {"getScene():update(1)", "Scene :update : Invalid number of parameters"},
        {"getVarManager():setVarValue('A')", "VarManager :setVarValue : Invalid number of parameters"},
        {"getVarManager()['end'](getVarManager(), 1)", "VarManager :end : Invalid number of parameters"},
        {"getVFS():getDirectory(1)", "VFS :getDirectory : Invalid number of parameters"},
        {"File('a', true, 3)", "File :new : Invalid number of parameters"},
        {"getVFS(nil)", "getVFS : Invalid number of parameters"},
        {"getVarManager(1)", "getVarManager : Invalid number of parameters"},
        {"getVarManager():setVarValue('SDL_FULLSCREEN', {})", "bad argument #2 to 'setVarValue' (string expected, got table)"},
    };
    // One line each in a protected call; then the archives and files, every
    // method and every call; then the first line again without one.
    std::string lua, expected;
    int number = 0;
    for (const auto& [line, message] : cases) {
        lua += "print(select(2, pcall(function() " + line + " end)))\n";
        expected += "[string \"Scripts/Main\"]:" + std::to_string(++number) + ": " + message + "\n";
    }
    source("Data.txt", "data\n");
    source("Data/level.txt", "1 2 3");
    source("blob.bin", std::string(1 << 20, 'b'));
    bgtest::writeZip(scratch / "src/data.zip", {{"inside.txt", "hello"}});
    lua += "local api = dofile('" BRAWLGEAR_API_DESCRIPTION "')\n" R"(
      local function resident()
        local statm = io.open('/proc/self/statm'):read('*a')
        return tonumber(string.match(statm, '^%d+ (%d+)')) * 4096 / 1048576
      end
      local before
      for i = 1, 2000 do
        local f = File('blob.bin', true)
        if i % 100 == 0 then collectgarbage() end
        if i == 100 then before = resident() end
      end
      local grown = resident() - before
      trace(grown < 512 and 'flat' or ('grew by ' .. grown .. ' MiB'))
      local vfs = getVFS()
      trace(tostring(vfs:open('data.zip')) .. ' ' .. vfs:close() .. ' ' .. vfs:close())
      trace(tostring(VFS():open('missing.zip')))
      vfs:open('data.zip')
      local f = File('INSIDE.TXT')
      vfs:close()
      vfs:setDirectory('Data')
      trace(vfs:getDirectory())
      local g = File:new('level.txt', true)
      vfs:setDirectory('')
      trace(vfs:getDirectory())
      vfs:setDirectory('.') -- names from the game's folder again ('' made them absolute)

      local m = Material()
      local objects = {
        Point = Point(), Vector = Vector(), Matrix = Matrix(), Plane = Plane(), BoundingSphere = BoundingSphere(),
        Color = Color(), Material = m, File = File("Data.txt"), VFS = getVFS(),
        Billboard = Billboard(1, 1, 1, 1, -1, 1, 1), Quad = Quad(-1, m, 1, 1, 1, 1), Cube = Cube(-1, m),
        RoundedCube = RoundedCube(-1, m), CurvedMesh = CurvedMesh(-1, m, 0, 2, 0, 0, 0, 1, 1, 0),
        Camera = getCamera(), EventManager = getEventManager(), FontManager = getFontManager(),
        LightManager = getLightManager(), Listener = getListener(), Scene = getScene(),
        SoundManager = getSoundManager(), TextureManager = getTextureManager(), Time = getTime(),
        Transform = getTransform(), VarManager = getVarManager(),
      }
      local methods, classes = 0, 0
      for class, object in pairs(objects) do
        classes = classes + 1
        for name, method in pairs(_G[class]) do
          if name ~= 'new' then
            methods = methods + 1
            local ok, message = pcall(method, object, nil, nil, nil, nil, nil, nil, nil, nil, nil, nil,
                                      nil, nil, nil, nil, nil, nil, nil, nil, nil, nil)
            if ok or not (message:find('^' .. class .. ' :') and message:find(' : Invalid number of parameters$')) then
              trace(class .. ':' .. name .. ': ' .. tostring(message))
            end
          end
        end
      end
      trace(classes .. ' classes, ' .. (methods > 350 and 'every method' or methods .. ' methods'))

      -- Calls that end the engine's parts or pop what was never pushed, and
      -- those fatal for points in one place, are not made.
      local skip = {endSDL = true, endAL = true, restartSDL = true, popMatrix = true, ['end'] = true,
                    rayIntersect = true, ['Camera:normalize'] = true, ['Listener:normalize'] = true}
      local calls, counter = 0, 0
      local function value(kind, name)
        counter = counter + 1 -- numbers spread over 0.1 to 1: no two points alike, no two directions
        if kind == 'number' then return 0.1 + math.abs(math.sin(counter)) * 0.9 end
        if kind == 'integer' or kind == 'boolean' then return kind == 'boolean' or (name == 'new' and 8 or 0) end
        return kind == 'string' and 'SDL_SCREEN_WIDTH' or objects[kind]
      end
      local function each(class, entries, call)
        for _, entry in ipairs(entries) do
          local name, rest = entry[1]:match('^([%w_]+)(.*)$')
          local results = rest:match('%->%s*(.*)$') or ''
          local count = results == '' and 0 or select(2, results:gsub(',', '')) + 1
          local longest = {}
          for form in rest:gsub('%s*%->.*$', ''):gmatch('%b()') do
            local args, known = {}, not skip[name] and not skip[class .. ':' .. name]
            for param in form:sub(2, -2):gmatch('[^,]+') do
              -- (a constructor's own defaults where it has them: they meet its assertions)
              args[#args + 1] = name == 'new' and tonumber(param:match('=%s*(%S+)')) or value(param:match(':%s*(%w+)'), name)
              known = known and args[#args] ~= nil and not param:find('%.%.%.')
            end
            if known and not results:find('%.%.%.') then
              calls = calls + 1
              local got = select('#', call(name, unpack(args)))
              -- A form that fills an `out` object gives back only the first result.
              if got ~= ((name == 'new' or form:find('out:')) and 1 or count) then trace(name .. form .. ' gave ' .. got) end
              if #args >= #longest then longest = args end
            end
          end
          -- A constructor takes no argument beyond its longest form.
          if name == 'new' and #longest > 0 then
            longest[#longest + 1] = 0
            local ok, message = pcall(call, name, unpack(longest))
            if ok or not message:find('Invalid number of parameters') then
              trace(class .. ' with ' .. #longest .. ' arguments gave ' .. tostring(message))
            end
          end
        end
      end
      each('', api.functions, function(name, ...) return _G[name](...) end)
      for _, class in ipairs(api.classes) do
        local object = objects[class.name]
        each(class.name, class.methods, function(name, ...) return object[name](object, ...) end)
      end
      trace(calls > 450 and 'every call' or calls .. ' calls')
    )";
    const int last = static_cast<int>(std::count(lua.begin(), lua.end(), '\n')) + 1;
    mainScript(lua + cases[0].first + "\ntrace('not reached')\n");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, expected);
    const std::string script = bgtest::withoutTracebacks(result.script);
    const std::string files = script.substr(0, std::min(script.find("BoundingSphere:"), script.size()));
    EXPECT_TRUE(bgtest::isReport(files, "flat\n"
                                        "true 0 0\n"
                                        "VFS:#: ERROR : VFS::open( const char* ) : Error during opening archive missing.zip\n"
                                        "false\n"
                                        "INFO : File::load( INSIDE.TXT ) : 6 bytes - loaded!\n"
                                        "Data/\n"
                                        "/\n"));
    const std::string counted = "BoundingSphere:collisionResponse: bad argument #2 to 'collisionResponse' (number "
                                "expected, got nil)\n25 classes, every method\n";
    EXPECT_EQ(script.substr(files.size(), counted.size()), counted);
    // (The calls' own warnings and restartAL's listing come between.)
    EXPECT_EQ(script.find(" gave "), std::string::npos) << script;
    const std::string end =
        "every call\n[string \"Scripts/Main\"]:" + std::to_string(last) + ": " + cases[0].second + "\nERRRUN\n";
    EXPECT_TRUE(script.size() > end.size() && script.substr(script.size() - end.size()) == end) << script;
}

} // namespace
