#ifndef BRAWLGEAR_TESTS_EXPECT_H
#define BRAWLGEAR_TESTS_EXPECT_H

// Regular expressions for exact reports whose line numbers are the
// sources' own: the text is quoted, "#" stands for any line number.

#include <regex>
#include <string>

namespace bgtest {

inline std::string report(const std::string& text) {
    std::string pattern;
    for (char c : text) {
        if (c == '#') {
            pattern += "[0-9]+";
        } else if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) {
            pattern += '\\';
            pattern += c;
        } else {
            pattern += c;
        }
    }
    return pattern;
}

// Whole-text match of a report pattern.
inline bool matches(const std::string& text, const std::string& pattern) {
    return std::regex_match(text, std::regex(pattern));
}

} // namespace bgtest

#endif
