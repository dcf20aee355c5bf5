// Every fixture under screens/ is a run through the menu, whose screen must be the fixture's,
// where "[...]" stands for any number of lines (the middle of a long trace).
#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines linesOf(const std::string& text) {
    Lines lines(1);
    for (const char c : text)
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    return lines;
}

std::size_t matchingLines(const Lines& expected, const Lines& actual, std::size_t at) {
    std::size_t n = 0;
    while (n < expected.size() && at + n < actual.size() && expected[n] == actual[at + n])
        ++n;
    return n;
}

// Where the screen first differs from the expected one: the line, and the lines around it.
std::string difference(const Lines& expected, const Lines& actual) {
    std::vector<Lines> parts(1);
    for (const std::string& line : expected)
        if (line == "[...]")
            parts.emplace_back();
        else
            parts.back().push_back(line);
    std::size_t at = 0;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const Lines& part = parts[p];
        if (p + 1 == parts.size() && p > 0)
            at = std::max(at, actual.size() - std::min(actual.size(), part.size()));
        else if (p > 0) // the first place where the whole part follows, else the best one
            for (std::size_t from = at, best = 0; from < actual.size(); ++from)
                if (const std::size_t n = matchingLines(part, actual, from); n > best) {
                    at = from;
                    best = n;
                    if (n == part.size())
                        break;
                }
        const std::size_t same = matchingLines(part, actual, at);
        at += same;
        if (same < part.size() || (p + 1 == parts.size() && at < actual.size())) {
            std::ostringstream report;
            report << "screen line " << at + 1 << " differs.\n  expected: \""
                   << (same < part.size() ? part[same] : "(the end of the screen)")
                   << "\"\n  screen around it:\n";
            for (std::size_t i = at < 3 ? 0 : at - 3; i < std::min(actual.size(), at + 3); ++i)
                report << (i == at ? "  > \"" : "    \"") << actual[i] << "\"\n";
            return report.str();
        }
    }
    return "";
}

class Screen : public ::testing::TestWithParam<std::string> {};

TEST_P(Screen, IsShownExactly) {
    const Fixture fixture = readFixture(GetParam());
    const std::string mismatch = difference(linesOf(fixture.screen), linesOf(menuOutput(fixture)));
    EXPECT_TRUE(mismatch.empty()) << mismatch;
}

std::vector<std::string> fixtureNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(NNRULES_SCREENS))
        names.push_back(entry.path().stem().string());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, Screen, ::testing::ValuesIn(fixtureNames()), [](const auto& name) {
    std::string testName = name.param;
    std::replace(testName.begin(), testName.end(), '-', '_');
    return testName;
});

} // namespace
