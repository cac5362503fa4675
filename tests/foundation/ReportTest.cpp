#include "foundation/Report.h"
#include "foundation/Utils.h"
#include "support/Expect.h"

#include <gtest/gtest.h>
#include <string>

using bg::FixedString;

namespace {

TEST(Report, ErrorLineNamesTheSourceFileAndLine) {
    testing::internal::CaptureStderr();
    bg::reportError("src/config/Var.cpp", 82, FixedString("VarManager::end() : Unable to open file ") + "Engine.cfg");
    bg::reportWarning("Math.cpp", 7, "Vector::normalize() : zero length");
    BG_INFO(FixedString("File::load( a ) : ") + 11 + " bytes - loaded!");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Var:82: ERROR : VarManager::end() : Unable to open file Engine.cfg\n"
              "Math:7: WARNING : Vector::normalize() : zero length\n"
              "INFO : File::load( a ) : 11 bytes - loaded!\n");
}

TEST(Report, LongReportsAreCutAndLoseTheirLineFeed) {
    const std::string line = bgtest::stderrOf([] { bg::reportError("Var.cpp", 1, std::string(300, 'm').c_str()); });
    EXPECT_EQ(line.size(), 255u);
    EXPECT_EQ(line.back(), 'm');
}

} // namespace
