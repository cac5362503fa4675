// The configuration and file-system classes, run by the real executable.

#include "support/Expect.h"
#include "support/Game.h"

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
    EXPECT_EQ(savedCfg(), bgtest::sortedCfg(bgtest::cfgWith({{"SDL_FULLSCREEN", "0"},
                                                            {"WIDTH", "800.000000"},
                                                            {"ON", "1"},
                                                            {"OFF", "0"},
                                                            {"NAME", "Brawl"},
                                                            {"T1", "1.500000"},
                                                            {"T2", "yes"},
                                                            {"T3", "2"},
                                                            {"T4", "true"},
                                                            {"T5", "0.000000"},
                                                            {"T6", "1.000000"}})));
}

// A game adds settings of its own; Engine.cfg keeps them for the next run.
TEST_F(Classes, ScriptsAddSettingsOfTheirOwn) {
    mainScript("local vars = getVarManager()\n"
               "trace(tostring(vars:hasVar('BEST')) .. ' ' .. tostring(vars:hasVar('WIDTH')) .. ' ' .. tostring(vars:hasVar('')))\n"
               "vars:addVar('BEST', 120) vars:addVar('WIDTH', 1024) vars:addVar('SOUND', true)\n"
               "trace(tostring(vars:hasVar('BEST')) .. ' ' .. vars:getString('BEST') .. ' ' .. vars:getNumber('WIDTH'))\n"
               "print(pcall(vars.addVar, vars, 'TWO WORDS', 1))\n"
               "print(pcall(vars.addVar, vars, 'X', 'a\\nb'))\n"
               "print(pcall(vars.addVar, vars, ('K'):rep(200), ('v'):rep(100)))\n"
               "for i = 1, 200 do if not pcall(vars.addVar, vars, 'K' .. i, i) then trace('full at ' .. i) break end end\n"
               "print(pcall(vars.addVar, vars, 'ONE_MORE', 1))\n"
               "vars:addVar('BEST', 130)\n");
    const RunResult result = play(std::string(BASIC_CFG) + "WIDTH = 640\n");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.script.substr(0, result.script.find("full at")), "false true false\ntrue 120.000000 1024\n");
    EXPECT_EQ(result.out, "false\tVarManager:addVar( TWO WORDS ) : a name is one word without blanks or control characters\n"
                          "false\tVarManager:addVar( X ) : a value may not hold line breaks or other control characters\n"
                          "false\tVarManager:addVar( " + std::string(200, 'K') +
                              " ) : name and value make a line longer than Engine.cfg reads\n"
                          "false\tVarManager:addVar( ONE_MORE ) : Engine.cfg holds as many variables as it can (151)\n");
    const std::string saved = savedCfg();
    EXPECT_NE(saved.find("BEST = 130.000000\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("WIDTH = 1024.000000\n"), std::string::npos);
    EXPECT_NE(saved.find("SOUND = 1\n"), std::string::npos);
    EXPECT_EQ(saved.find("ONE_MORE"), std::string::npos);
}

TEST_F(Classes, ArgumentErrorsEndTheChunkWithERRRUN) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"getVarManager():getNumber()", "VarManager :getNumber : Invalid number of parameters"},
        {"getVarManager():setVarValue('A')", "VarManager :setVarValue : Invalid number of parameters"},
        {"getVarManager()['end'](getVarManager(), 1)", "VarManager :end : Invalid number of parameters"},
        {"getVFS():getDirectory(1)", "VFS :getDirectory : Invalid number of parameters"},
        {"File('a', true, 3)", "File :new : Invalid number of parameters"},
        {"getVFS(nil)", "getVFS : Invalid number of parameters"},
        {"getVarManager(1)", "getVarManager : Invalid number of parameters"},
        {"getVFS().close(getVarManager())", "bad argument #1 to 'close' (VFS expected, got VarManager)"},
        {"getVFS().open(7, 'x')", "bad argument #1 to 'open' (VFS expected, got number)"},
        {"getVarManager():setVarValue('SDL_FULLSCREEN', {})", "bad argument #2 to 'setVarValue' (string expected, got table)"},
    };
    for (const auto& [line, message] : cases) {
        mainScript("\n" + line + "\ntrace('not reached')\n");
        RunResult result = play();
        EXPECT_EQ(result.exitCode, 1);
        result.script = bgtest::withoutTracebacks(result.script);
        EXPECT_EQ(result.script.rfind("[string \"Scripts/Main\"]:2: " + message, 0), 0u) << result.script;
        EXPECT_TRUE(result.script.size() > 7 && result.script.compare(result.script.size() - 7, 7, "ERRRUN\n") == 0)
            << result.script;
    }
}

TEST_F(Classes, AVariableTheFileLacksIsFatal) {
    mainScript("getVarManager():getString('NO_SUCH_KEY')\n");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(bgtest::matches(result.script, report("Var:#: ERROR : VarManager::get( NO_SUCH_KEY ) : Engine.cfg has "
                                                      "no variable NO_SUCH_KEY\n"
                                                      "ASSERTION FAILED:Utils:#:Var Table: i >= 0\n")))
        << result.script;
}

TEST_F(Classes, VFSOpensAndClosesArchivesFromScripts) {
    mainScript("local vfs = getVFS()\n"
               "trace(tostring(vfs:open('data.zip')) .. ' ' .. vfs:close() .. ' ' .. vfs:close())\n"
               "trace(tostring(VFS():open('missing.zip')))\n"
               "assert(UNZ_OK == 0 and UNZ_EOF == 0 and UNZ_ERRNO == -1 and UNZ_END_OF_LIST_OF_FILE == -100)\n"
               "assert(UNZ_PARAMERROR == -102 and UNZ_BADZIPFILE == -103 and UNZ_INTERNALERROR == -104)\n"
               "assert(UNZ_CRCERROR == -105)\n"
               "vfs:open('data.zip')\n"
               "local f = File('INSIDE.TXT')\n"
               "vfs:close()\n"
               "vfs:setDirectory('Data')\n"
               "trace(vfs:getDirectory())\n"
               "local g = File:new('level.txt', true)\n"
               "vfs:setDirectory('')\n"
               "trace(vfs:getDirectory())\n");
    source("Data/level.txt", "1 2 3");
    pack();
    bgtest::writeZip(scratch / "game/data.zip", {{"inside.txt", "hello"}});
    scratch.write("game/Engine.cfg", BASIC_CFG);
    const RunResult result = runGame();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(bgtest::matches(result.script,
                                report("true 0 0\n"
                                       "VFS:#: ERROR : VFS::open( const char* ) : Error during opening archive missing.zip\n"
                                       "false\n"
                                       "INFO : File::load( INSIDE.TXT ) : 6 bytes - loaded!\n"
                                       "Data/\n"
                                       "/\n")))
        << result.script;
}

// File contents live in the engine's heap, which the interpreter does not
// count: measure the whole process. 2000 files of 1 MiB would take about
// 2 GB if nothing were freed.
TEST_F(Classes, FilesMadeInALoopAreCollected) {
    source("blob.bin", std::string(1 << 20, 'b'));
    mainScript("local function resident()\n"
               "  local statm = io.open('/proc/self/statm'):read('*a')\n"
               "  local pages = tonumber(string.match(statm, '^%d+ (%d+)'))\n"
               "  return pages * 4096 / 1048576\n"
               "end\n"
               "local before\n"
               "for i = 1, 2000 do\n"
               "  local f = File('blob.bin', true)\n"
               "  if i % 100 == 0 then collectgarbage() end\n"
               "  if i == 100 then before = resident() end\n"
               "end\n"
               "local grown = resident() - before\n"
               "trace(grown < 512 and 'flat' or ('grew by ' .. grown .. ' MiB'))\n");
    const RunResult result = play();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.script, "flat\n");
}

} // namespace
