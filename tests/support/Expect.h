#ifndef BRAWLGEAR_TESTS_EXPECT_H
#define BRAWLGEAR_TESTS_EXPECT_H

// Regular expressions for exact reports whose line numbers are the
// sources' own: the text is quoted, "#" stands for any line number and "@"
// for a constant's name (letters and underscores, at least one).

#include <regex>
#include <string>

namespace bgtest {

// Anchored at both ends: a death test's expected report must be the whole
// of what the child printed, not a line somewhere in it.
inline std::string report(const std::string& text) {
    std::string pattern = "^";
    for (char c : text) {
        if (c == '#') {
            pattern += "[0-9]+";
        } else if (c == '@') {
            pattern += "[A-Z_]+";
        } else if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) {
            pattern += '\\';
            pattern += c;
        } else {
            pattern += c;
        }
    }
    return pattern + "$";
}

// Whole-text match of a report pattern.
inline bool matches(const std::string& text, const std::string& pattern) {
    return std::regex_match(text, std::regex(pattern));
}

} // namespace bgtest

#endif
