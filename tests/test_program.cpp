// The built program itself, as a user starts it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

// Runs the command with `input` on standard input; returns its output and exit status.
std::string outputOf(const std::string& program, const std::string& input, int& status) {
    FILE* pipe = popen(("printf '" + input + "' | TERM=dumb " + program + " 2>/dev/null").c_str(), "r");
    std::string output;
    char buffer[1 << 16];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    status = pclose(pipe);
    return output;
}

} // namespace

TEST(Program, EndsWithStatusZeroAtQOrTheEndOfInput) {
    for (const char* input : {"q\\n", "x"}) {
        int status = -1;
        EXPECT_THAT(outputOf(NNRULES_BINARY, input, status),
                    ::testing::EndsWith("      Enter Your Choice: "));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << input;
    }
}

// The plain C writer that the program's speed is measured against must write exactly what
// the program writes, or the comparison would not be fair.
TEST(Program, WritesTheReferenceWritersBytesForTheDefaultBackPropagationRun) {
    int status = 0;
    const std::string program = outputOf(NNRULES_BINARY, "5\\ny\\nq\\n", status);
    const std::string reference = outputOf(NNRULES_REFERENCE, "", status);
    EXPECT_THAT(program, ::testing::HasSubstr("Total cycles: 5629  e: 0.00999869\n"));
    EXPECT_TRUE(program == reference) << "the outputs differ";
}
