#include "config/Var.h"
#include "support/Expect.h"
#include "support/Support.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using bg::VarManager;
using bgtest::report;

namespace {

class VarTest : public testing::Test {
protected:
    std::string cfg() const { return scratch / "Engine.cfg"; }
    // The variables of an Engine.cfg holding `content`.
    VarManager loaded(const std::string& content) {
        scratch.write("Engine.cfg", content);
        return VarManager(cfg().c_str());
    }
    // Reads `content` as Engine.cfg and returns what end() writes back.
    std::string roundTrip(const std::string& content) {
        loaded(content).end();
        return scratch.read("Engine.cfg");
    }
    // What saving the variables printed.
    static std::string save(VarManager& vars) { return bgtest::stderrOf([&] { vars.end(); }); }
    bgtest::ScratchDir scratch;
};

// Sorted by name; any separator token, extra tokens dropped, CRLF line
// ends; a line without value keeps its name; nothing past a zero byte.
TEST_F(VarTest, WritesEveryVariableBackSortedByName) {
    const std::pair<std::string, std::string> files[] = {
        {"B = 2\n\nA = 1\n", "A = 1\nB = 2\n"}, {"b = 1\nB = 2\n_ = 3\n", "B = 2\n_ = 3\nb = 1\n"},
        {"WIDTH : 1024 and more\r\n# a b\r\n", "# = b\nWIDTH = 1024\n"}, {"", ""},
        {"\nLONELY\nPAIR =\nA = 1\n   \n", "A = 1\nLONELY = \nPAIR = \n"},
        {std::string("A = 1\nB = 2\0C = 3\n", 18), "A = 1\nB = 2\n"}};
    for (const auto& [content, saved] : files) EXPECT_EQ(roundTrip(content), saved) << content;
}

// Values read as their readers convert them; a line longer than 255
// characters is cut there, the other 45 read as a line of their own.
TEST_F(VarTest, ReadsValuesAsTheirReadersConvertThemAndSplitsLongLines) {
    VarManager vars = loaded("W = 800.000000\nF = 1\nG = 2\nX = 0.5\nA = " + std::string(296, 'v') + "\nB = 1\n");
    EXPECT_EQ(vars.get("W").toInt(), 800);
    EXPECT_TRUE(vars.get("F").isOn());
    EXPECT_FALSE(vars.get("G").isOn());
    EXPECT_FLOAT_EQ(vars.get("X").toFloat(), 0.5f);
    EXPECT_EQ(vars.size(), 7); // W, F, G, X, A, A's last 45 characters, B
    EXPECT_EQ(std::string(vars.get("A").getValue()), std::string(251, 'v'));
    EXPECT_STREQ(vars.get(std::string(45, 'v').c_str()).getValue(), "");
    EXPECT_STREQ(vars.get("B").getValue(), "1");
}

TEST_F(VarTest, BinaryContentNeverCrashes) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131 + 7) & 0xff);
    binary[100] = '\n';
    loaded(binary);
}

TEST_F(VarTest, ReportsUnreadableFilesAndKeepsAnEmptyTable) {
    testing::internal::CaptureStderr();
    VarManager none(nullptr), missing((scratch / "absent.cfg").c_str()), folder(scratch.path().c_str());
    const std::string unable = " ) : Unable to open the file \n";
    EXPECT_TRUE(bgtest::isReport(testing::internal::GetCapturedStderr(),
                                 "Var:#: ERROR : VarManager( fileName ) : Invalid file name\n"
                                 "Var:#: ERROR : VarManager( " + scratch / "absent.cfg" + unable +
                                 "Var:#: ERROR : VarManager( " + scratch.path() + unable));
    EXPECT_EQ(missing.size(), 0);
}

TEST_F(VarTest, MoreThan151VariablesOrAMissingOneIsFatal) {
    std::string content;
    for (int i = 0; i < 151; ++i) content += "V" + std::to_string(i) + " = " + std::to_string(i) + "\n";
    EXPECT_EQ(loaded(content).size(), 151);
    scratch.write("Engine.cfg", content + "ONE_MORE = 1\n");
    EXPECT_EXIT(VarManager(cfg().c_str()), testing::ExitedWithCode(1),
                report("ASSERTION FAILED:Utils:#:Var Table: j != mCapacity\n"));
    // A missing variable is named before the assertion.
    VarManager vars = loaded("A = 1\n");
    EXPECT_EXIT(vars.get("WIDTH"), testing::ExitedWithCode(1),
                report("Var:#: ERROR : VarManager::get( WIDTH ) : " + cfg() + " has no variable WIDTH\n"
                       "ASSERTION FAILED:Utils:#:Var Table: i >= 0\n"));
}

TEST_F(VarTest, AFailedSaveLeavesTheOldFileWholeAndSaysWhy) {
    VarManager vars = loaded("B = 2\nA = 1\n");
    vars.get("A").set("changed");
    // Something in the way of the new file that cannot be removed.
    ASSERT_EQ(mkdir((cfg() + ".tmp").c_str(), 0755), 0);
    EXPECT_TRUE(bgtest::isReport(save(vars), "Var:#: ERROR : VarManager::end() : Unable to open file " + cfg() +
                                                 " (File exists)\n"));
    EXPECT_EQ(scratch.read("Engine.cfg"), "B = 2\nA = 1\n");
    rmdir((cfg() + ".tmp").c_str());

    // A write that fails half way (here: past the file size limit, above
    // what the report itself needs) names the cause and leaves the old
    // file as it was.
    std::string big;
    for (int i = 0; i < 20; ++i) big += "V" + std::to_string(i) + " = " + std::string(100, 'v') + "\n";
    VarManager many = loaded(big);
    scratch.write("Engine.cfg", "B = 2\n");
    const auto saveWithSmallFileLimit = [&many] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024}; // soft and hard
        setrlimit(RLIMIT_FSIZE, &limit);
        many.end();
        std::exit(0);
    };
    EXPECT_EXIT(saveWithSmallFileLimit(), testing::ExitedWithCode(0),
                report("Var:#: ERROR : VarManager::end() : Unable to write file " + cfg() +
                       " (File too large); the old file is unchanged\n"));
    EXPECT_EQ(scratch.read("Engine.cfg"), "B = 2\n");
}

// Whatever the permissions, the file is either whole and new, or whole and
// old; a file made read-only is left alone, and a folder that is not there
// reported.
TEST_F(VarTest, SavingRespectsWhatTheFolderAndTheFileAllow) {
    VarManager vars = loaded("A = 1\n");
    vars.get("A").set(2);

    chmod(cfg().c_str(), 0444);
    EXPECT_TRUE(bgtest::isReport(save(vars), "Var:#: ERROR : VarManager::end() : Unable to open file " + cfg() + "\n"));
    EXPECT_EQ(scratch.read("Engine.cfg"), "A = 1\n");

    // A read-only folder with a writable file: rewritten in place.
    chmod(cfg().c_str(), 0644);
    chmod(scratch.path().c_str(), 0555);
    EXPECT_EQ(save(vars), "");
    chmod(scratch.path().c_str(), 0755);
    EXPECT_EQ(scratch.read("Engine.cfg"), "A = 2\n");

    // A stale temporary file from a killed run, and a link planted at the
    // temporary name: removed, never followed.
    scratch.write("victim", "keep\n");
    ASSERT_EQ(symlink((scratch / "victim").c_str(), (cfg() + ".tmp").c_str()), 0);
    vars.get("A").set(3);
    vars.end();
    EXPECT_EQ(scratch.read("victim"), "keep\n");
    EXPECT_EQ(scratch.read("Engine.cfg"), "A = 3\n");
    EXPECT_FALSE(scratch.exists("Engine.cfg.tmp"));

    VarManager nowhere((scratch / "no/such/dir/Engine.cfg").c_str());
    EXPECT_TRUE(bgtest::isReport(save(nowhere), "Var:#: ERROR : VarManager::end() : Unable to open file " +
                                                    scratch / "no/such/dir/Engine.cfg" + "\n"));
}

// A FIFO would block a plain open for ever.
TEST_F(VarTest, AFileThatIsNotRegularIsNeitherReadNorWritten) {
    ASSERT_EQ(mkfifo(cfg().c_str(), 0644), 0);
    testing::internal::CaptureStderr();
    // Standard input closed: the file is the first one opened, descriptor 0.
    const int input = dup(0);
    close(0);
    VarManager vars(cfg().c_str());
    dup2(input, 0);
    close(input);
    vars.end();
    EXPECT_TRUE(bgtest::isReport(testing::internal::GetCapturedStderr(),
                                 "Var:#: ERROR : VarManager( " + cfg() + " ) : Unable to open the file \n" +
                                     "Var:#: ERROR : VarManager::end() : Unable to open file " + cfg() +
                                     " (not a regular file)\n"));
    EXPECT_EQ(fs::symlink_status(cfg()).type(), fs::file_type::fifo);
}

TEST_F(VarTest, SavingReplacesTheFileAtomicallyAndKeepsLinksAndModes) {
    scratch.write("real.cfg", "A = 1\n");
    chmod((scratch / "real.cfg").c_str(), 0640);
    ASSERT_EQ(symlink("real.cfg", cfg().c_str()), 0);
    VarManager vars(cfg().c_str());
    vars.get("A").set(2);
    vars.end();
    vars.end();
    EXPECT_TRUE(fs::is_symlink(cfg()));
    EXPECT_EQ(fs::status(scratch / "real.cfg").permissions(), fs::perms(0640));
    EXPECT_EQ(scratch.read("real.cfg"), "A = 2\n");
    // No temporary file is left behind.
    EXPECT_EQ(std::system(("test $(ls " + scratch.path() + " | wc -l) -eq 2").c_str()), 0);
}

} // namespace
