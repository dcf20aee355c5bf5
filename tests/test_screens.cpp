// Every fixture under screens/ is a run through the menu, whose screen must be the fixture's,
// where "[...]" stands for any number of lines (the middle of a long trace).
#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class Screen : public ::testing::TestWithParam<std::string> {};

// With NNRULES_REWRITE_FIXTURES set (make fixtures), a screen that differs is written into its
// fixture instead, for its difference to be reviewed.
TEST_P(Screen, IsShownExactly) {
    const Fixture fixture = readFixture(GetParam());
    const std::string screen = menuOutput(fixture);
    const std::string mismatch = screenDifference(fixture.screen, screen);
    if (!mismatch.empty() && std::getenv("NNRULES_REWRITE_FIXTURES"))
        rewriteFixture(GetParam(), screen);
    else
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
