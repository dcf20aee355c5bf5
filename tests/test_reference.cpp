// The plain C writer that the program's speed is measured against must write exactly
// what the program writes for "5 y q", or the comparison would not be fair.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// What the program writes for the input, on a terminal that "clear" writes nothing to.
std::string outputOf(const std::string& program, const std::string& input) {
    FILE* pipe = popen(("printf '" + input + "' | TERM=dumb " + program + " 2>/dev/null").c_str(), "r");
    std::string output;
    char buffer[1 << 16];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    pclose(pipe);
    return output;
}

} // namespace

TEST(ReferenceWriter, WritesTheProgramsBytesForTheDefaultBackPropagationRun) {
    const std::string program = outputOf(NNRULES_BINARY, "5\\ny\\nq\\n");
    const std::string reference = outputOf(NNRULES_REFERENCE, "");
    EXPECT_NE(program.find("Total cycles: 5629  e: 0.00999869\n"), std::string::npos);
    EXPECT_EQ(program.size(), reference.size());
    EXPECT_TRUE(program == reference)
        << "the outputs first differ at byte "
        << std::mismatch(program.begin(), program.end(), reference.begin(), reference.end()).first -
               program.begin();
}
