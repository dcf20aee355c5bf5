// Every fixture under screens/ is a run through the menu, whose screen must be the fixture's,
// where "[...]" stands for any number of lines (the middle of a long trace); or a shell session
// with the built program, held to the fixture in the same way.
#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A session's screen: each "$ " line of the fixture run by sh in a folder of the fixture's
// own, where `nnrules` is the built program (NNRULES its path, REFERENCE the plain C writer's,
// SOURCES the sources' folder, VERSION the version), followed by what it wrote to standard
// output and error, " (no-eol)" where that ends without a line end, and "[status N]" where
// it ends so. The fixture's "# " lines stand in it as comments.
std::string sessionScreen(const std::string& name, const std::string& fixtureScreen) {
    const fs::path folder = freshFolder("session-" + name);
    std::string session;
    for (const std::string& line : linesOf(fixtureScreen)) {
        if (line.rfind("# ", 0) == 0)
            session += line + "\n";
        if (line.rfind("$ ", 0) != 0)
            continue;
        const std::string command = "cd '" + folder.string() +
                                    "' && export TERM=xterm NNRULES=" NNRULES_BINARY
                                    " REFERENCE=" NNRULES_REFERENCE " SOURCES=" NNRULES_SOURCE_DIR
                                    " VERSION=" NNRULES_VERSION
                                    " && nnrules() { \"$NNRULES\" \"$@\"; } && (" +
                                    line.substr(2) + ") 2>&1";
        int status = 0;
        const std::string output = shellOutput(command, &status);
        session += line + "\n" + output;
        if (!output.empty() && output.back() != '\n')
            session += " (no-eol)\n";
        if (status != 0)
            session += "[status " + std::to_string(status) + "]\n";
    }
    fs::remove_all(folder);
    session.pop_back();
    return session;
}

class Screen : public ::testing::TestWithParam<std::string> {};

// With NNRULES_REWRITE_FIXTURES set (make fixtures), a screen that differs is written into its
// fixture instead, for its difference to be reviewed.
TEST_P(Screen, IsShownExactly) {
    const Fixture fixture = readFixture(GetParam());
    const bool session = fixture.screen.rfind("$ ", 0) == 0;
    const std::string screen = session ? sessionScreen(GetParam(), fixture.screen) : menuOutput(fixture);
    const std::string mismatch = screenDifference(fixture.screen, screen);
    if (!mismatch.empty() && std::getenv("NNRULES_REWRITE_FIXTURES"))
        rewriteFixture(GetParam(), screen);
    else
        EXPECT_TRUE(mismatch.empty()) << mismatch;
    // Run again in the same process, it shows the same: a run leaves nothing for the next.
    EXPECT_TRUE(session || menuOutput(fixture) == screen) << "a second run differs";
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
