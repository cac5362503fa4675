#include "foundation/Report.h"
#include "foundation/Utils.h"
#include "support/Expect.h"

#include <gtest/gtest.h>
#include <string>

using bg::FixedString;

namespace {

TEST(Report, ErrorLineNamesTheSourceFileAndLine) {
    testing::internal::CaptureStderr();
    bg::reportError("src/config/Var.cpp", 82,
                    FixedString("VarManager::end() : Unable to open file ") + "Engine.cfg");
    bg::reportWarning("Math.cpp", 7, "Vector::normalize() : zero length");
    BG_INFO(FixedString("File::load( a ) : ") + 11 + " bytes - loaded!");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Var:82: ERROR : VarManager::end() : Unable to open file Engine.cfg\n"
              "Math:7: WARNING : Vector::normalize() : zero length\n"
              "INFO : File::load( a ) : 11 bytes - loaded!\n");
}

TEST(Report, LongReportsAreCutAndLoseTheirLineFeed) {
    testing::internal::CaptureStderr();
    bg::reportError("Var.cpp", 1, std::string(300, 'm').c_str());
    const std::string line = testing::internal::GetCapturedStderr();
    EXPECT_EQ(line.size(), 255u);
    EXPECT_EQ(line.back(), 'm');
}

TEST(Report, FatalReportsExitWithStatusOne) {
    EXPECT_EXIT(BG_ASSERT(1 + 1 == 3), testing::ExitedWithCode(1),
                bgtest::report("ASSERTION FAILED:ReportTest:#: 1 + 1 == 3\n"));
    EXPECT_EXIT(BG_FATAL("it broke"), testing::ExitedWithCode(1), bgtest::report("ReportTest:#: ERROR : it broke\n"));
}

} // namespace
