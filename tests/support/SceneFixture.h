#ifndef BRAWLGEAR_TESTS_SCENEFIXTURE_H
#define BRAWLGEAR_TESTS_SCENEFIXTURE_H

// A real Scene (window, OpenGL and OpenAL contexts) in a scratch folder,
// built from BASIC_CFG with some values replaced. Needs a display.

#include "graphics/Scene.h"
#include "support/Support.h"

#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace bgtest {

class SceneTest : public testing::Test {
protected:
    void TearDown() override {
        if (!bg::gScene.isNull()) bg::gScene.free();
        if (!mHome.empty()) {
            EXPECT_EQ(chdir(mHome.c_str()), 0);
        }
    }
    // Builds the scene; what it printed is returned.
    std::string build(const std::vector<std::pair<std::string, std::string>>& values = {}) {
        scratch.write("Engine.cfg", cfgWith(values));
        if (!scratch.exists("Fonts/Font.txt")) writeTestFonts(scratch.path());
        char here[4096];
        mHome = getcwd(here, sizeof here) ? here : "";
        EXPECT_EQ(chdir(scratch.path().c_str()), 0);
        testing::internal::CaptureStderr();
        bg::gScene = bg::SharedPointer<bg::Scene>(new bg::Scene(false));
        return testing::internal::GetCapturedStderr();
    }
    bg::Scene& scene() { return *bg::gScene; }

    ScratchDir scratch;

private:
    std::string mHome;
};

} // namespace bgtest

#endif
