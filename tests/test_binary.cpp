// The built program itself, as a user starts it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

// Runs the program with `input` on standard input; returns its output and exit status.
std::string runProgram(const std::string& input, int& status) {
    const std::string command =
        "printf '" + input + "' | TERM=dumb " + std::string(NNRULES_BINARY) + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    status = pclose(pipe);
    return output;
}

} // namespace

TEST(Program, QuitsWithStatusZeroAfterShowingTheMenu) {
    int status = -1;
    const std::string output = runProgram("q\\n", status);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(output.find("MAIN MENU"), std::string::npos);
    EXPECT_NE(output.find("      Enter Your Choice: "), std::string::npos);
}

TEST(Program, EndOfInputEndsWithStatusZero) {
    int status = -1;
    const std::string output = runProgram("", status);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(output.rfind("      Enter Your Choice: "), output.size() - 25);
}
