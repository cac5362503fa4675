#ifndef BRAWLGEAR_TESTS_EXPECT_H
#define BRAWLGEAR_TESTS_EXPECT_H

// Regular expressions for exact reports whose line numbers are the
// sources' own: the text is quoted, "#" stands for any line number and "@"
// for a constant's name (letters and underscores, at least one).

#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace bgtest {

// Anchored at both ends: a death test's expected report must be the whole
// of what the child printed, not a line somewhere in it.
inline std::string report(const std::string& text) {
    std::string pattern = "^";
    for (char c : text) {
        if (c == '#')
            pattern += "[0-9]+";
        else if (c == '@')
            pattern += "[A-Z_]+";
        else if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos)
            pattern += std::string("\\") + c;
        else
            pattern += c;
    }
    return pattern + "$";
}

// Whole-text match of a report pattern.
inline bool matches(const std::string& text, const std::string& pattern) {
    return std::regex_match(text, std::regex(pattern));
}

// For EXPECT_TRUE: the text is the whole report of `lines` (a report()
// pattern); a failure shows what was printed instead.
inline testing::AssertionResult isReport(const std::string& text, const std::string& lines) {
    if (matches(text, report(lines))) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the report was:\n" << text;
}

// What the work printed on standard error.
inline std::string stderrOf(const std::function<void()>& work) {
    testing::internal::CaptureStderr();
    work();
    return testing::internal::GetCapturedStderr();
}

} // namespace bgtest

#endif
