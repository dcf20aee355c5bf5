#include "demos/demos.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string banner = "\n" + std::string(12, '*') + std::string(8, ' ') +
                           "Bidirectional Associative Memory Storage" + std::string(7, ' ') +
                           std::string(12, '*') + "\n" + std::string(12, '*') + std::string(19, ' ') +
                           "Lecture 9, Pg 8" + std::string(21, ' ') + std::string(12, '*') + "\n";

const std::string defaultsShown = "\nVector A1:  [ 1; 1; 1; 1; 1; 1 ]"
                                  "\nVector A2:  [ -1; -1; -1; -1; -1; -1 ]"
                                  "\nVector A3:  [ 1; 1; -1; -1; 1; 1 ]"
                                  "\nVector A4:  [ -1; -1; 1; 1; -1; -1 ]"
                                  "\nVector B1:  [ 1; 1; 1 ]"
                                  "\nVector B2:  [ -1; -1; -1 ]"
                                  "\nVector B3:  [ 1; -1; 1 ]"
                                  "\nVector B4:  [ -1; 1; -1 ]"
                                  "\nGiving Probe Vector:  [ -1; 1; 1; 1; 1; 1 ]"
                                  "\nDo you want to use the default values? (y/n): ";

// Storage and the two retrieval tests with the default pairs.
const std::string defaultStorageAndTests = "w: \n"
                                           "\t=====\n"
                                           "\t 4 0 4\n"
                                           "\t 4 0 4\n"
                                           "\t 0 4 0\n"
                                           "\t 0 4 0\n"
                                           "\t 4 0 4\n"
                                           "\t 4 0 4\n"
                                           "\t=====\n"
                                           "wT: \n"
                                           "\t=====\n"
                                           "\t 4 4 0 0 4 4\n"
                                           "\t 0 0 4 4 0 0\n"
                                           "\t 4 4 0 0 4 4\n"
                                           "\t=====\n"
                                           "\nTesting by inputting b3 and trying to retreive a3:"
                                           "\nThe result is: \n"
                                           "\t=====\n\t 1\n\t 1\n\t -1\n\t -1\n\t 1\n\t 1\n\t=====\n"
                                           "a3 has been correctly retreived."
                                           "\nTesting by inputting a1 and trying to retreive b1:\n"
                                           "\nThe result is: \n"
                                           "\t=====\n\t 1\n\t 1\n\t 1\n\t=====\n"
                                           "b1 has been correctly retreived.";

const std::string defaultRecall = "\nGiving Probe:  [ -1; 1; 1; 1; 1; 1 ]"
                                  "\nCycle no.: 1"
                                  "\nRetreived a:  [ 1; 1; 1; 1; 1; 1 ]"
                                  "\nRetreived b:  [ 1; 1; 1 ]"
                                  "\nk: 1\n";

const std::string defaultPairsTyped = "1 1 1 1 1 1\n-1 -1 -1 -1 -1 -1\n1 1 -1 -1 1 1\n-1 -1 1 1 -1 -1\n"
                                      "1 1 1\n-1 -1 -1\n1 -1 1\n-1 1 -1\n";

// Everything the dialog writes while the default pairs are typed in again.
std::string pairPrompts() {
    const char* const A[4][6] = {{"1", "1", "1", "1", "1", "1"},
                                 {"-1", "-1", "-1", "-1", "-1", "-1"},
                                 {"1", "1", "-1", "-1", "1", "1"},
                                 {"-1", "-1", "1", "1", "-1", "-1"}};
    const char* const B[4][3] = {{"1", "1", "1"}, {"-1", "-1", "-1"}, {"1", "-1", "1"}, {"-1", "1", "-1"}};
    std::string prompts = "\nPreparing to accept values from the user..."
                          "\nThe original values are shown in parenthesis.\n";
    for (int k = 0; k < 4; ++k)
        for (int e = 0; e < 6; ++e)
            prompts += "Enter value for A" + std::to_string(k + 1) + " " + std::to_string(e) + " (" +
                       A[k][e] + "): ";
    for (int k = 0; k < 4; ++k)
        for (int e = 0; e < 3; ++e)
            prompts += "Enter value for B" + std::to_string(k + 1) + " " + std::to_string(e) + " (" +
                       B[k][e] + "): ";
    return prompts + "\nEnter details for the probe vector:\nA or B? : ";
}

const std::string aProbePrompts = "X1 (-1): X2 (1): X3 (1): X4 (1): X5 (1): X6 (1): ";
const std::string bProbePrompts = "X1 (-1): X2 (1): X3 (1): ";

// The recall part of the output: from "Giving Probe: " to the end.
std::string recallOf(const std::string& input) {
    const std::string output = runWithInput(BAM, input);
    const auto at = output.find("\nGiving Probe: ");
    return at == std::string::npos ? output : output.substr(at);
}

std::string withAProbe(const std::string& probe) {
    return "n\n" + defaultPairsTyped + "A\n" + probe + "\n";
}

} // namespace

TEST(BAM, KeepingTheDefaultsGivesTheCompleteOutput) {
    const std::string expected = banner + defaultsShown + defaultStorageAndTests + defaultRecall;
    EXPECT_EQ(runWithInput(BAM, "y\n"), expected);
    EXPECT_EQ(runWithInput(BAM, ""), expected) << "end of input keeps the defaults";
    EXPECT_EQ(runMenuWithInput("7\ny\nq\n"), menuScreen() + expected + menuScreen());
}

TEST(BAM, DialogAsksEveryElementThenTheProbeWithCurrentValues) {
    EXPECT_EQ(runWithInput(BAM, withAProbe("-1 1 1 1 1 1")), banner + defaultsShown + pairPrompts() +
                                                                 aProbePrompts + defaultStorageAndTests +
                                                                 defaultRecall);
    EXPECT_EQ(runWithInput(BAM, "n\n" + defaultPairsTyped + "a\n-1 1 1 1 1 1\n"),
              banner + defaultsShown + pairPrompts() + aProbePrompts + defaultStorageAndTests +
                  defaultRecall);
}

TEST(BAM, AProbeEqualToA3RecallsPair3InTheSecondCycle) {
    EXPECT_EQ(recallOf(withAProbe("1 1 -1 -1 1 1")), "\nGiving Probe:  [ 1; 1; -1; -1; 1; 1 ]"
                                                     "\nCycle no.: 1"
                                                     "\nCycle no.: 2"
                                                     "\nRetreived a:  [ 1; 1; -1; -1; 1; 1 ]"
                                                     "\nRetreived b:  [ 1; -1; 1 ]"
                                                     "\nk: 3\n");
}

TEST(BAM, AZeroNetInputThresholdsToPlusOne) {
    // Elements 0, 1, 4 and 5 balance out in the first and third net inputs of b.
    EXPECT_EQ(recallOf(withAProbe("1 1 1 1 -1 -1")), "\nGiving Probe:  [ 1; 1; 1; 1; -1; -1 ]"
                                                     "\nCycle no.: 1"
                                                     "\nRetreived a:  [ 1; 1; 1; 1; 1; 1 ]"
                                                     "\nRetreived b:  [ 1; 1; 1 ]"
                                                     "\nk: 1\n");
    EXPECT_EQ(recallOf(withAProbe("1 1 -1 -1 -1 -1")), "\nGiving Probe:  [ 1; 1; -1; -1; -1; -1 ]"
                                                       "\nCycle no.: 1"
                                                       "\nCycle no.: 2"
                                                       "\nRetreived a:  [ 1; 1; -1; -1; 1; 1 ]"
                                                       "\nRetreived b:  [ 1; -1; 1 ]"
                                                       "\nk: 3\n");
}

TEST(BAM, TheStopTestNeedsOneHalfOnly) {
    // A1 typed as six 2s: the recalled b equals B1, the recalled a (all 1) cannot equal A1.
    const std::string pairsAfterA1 = defaultPairsTyped.substr(defaultPairsTyped.find('\n') + 1);
    std::string output = runWithInput(BAM, "n\n2 2 2 2 2 2\n" + pairsAfterA1 + "A\n-1 1 1 1 1 1\n");
    EXPECT_NE(output.find("a3 has been correctly retreived."), std::string::npos);
    EXPECT_NE(output.find("b1 has been correctly retreived."), std::string::npos);
    EXPECT_EQ(output.substr(output.find("\nGiving Probe: ")), defaultRecall);

    // B1 typed as three 2s: the recalled a equals A1, the recalled b (all 1) cannot equal B1,
    // and so the retrieval test of b1 fails.
    const std::string beforeB1 =
        defaultPairsTyped.substr(0, defaultPairsTyped.find("1 1 1\n-1 -1 -1\n1 -1 1"));
    const std::string afterB1 = "-1 -1 -1\n1 -1 1\n-1 1 -1\n";
    output = runWithInput(BAM, "n\n" + beforeB1 + "2 2 2\n" + afterB1 + "A\n-1 1 1 1 1 1\n");
    EXPECT_NE(output.find("a3 has been correctly retreived."), std::string::npos);
    EXPECT_NE(
        output.find("b1:\n\nThe result is: \n\t=====\n\t 1\n\t 1\n\t 1\n\t=====\nUnable to retreive b1."),
        std::string::npos);
    EXPECT_EQ(output.substr(output.find("\nGiving Probe: ")), defaultRecall);
}

TEST(BAM, ARecallPastTheSecondCycleEndsAndNamesTheStoredPairItReached) {
    EXPECT_EQ(recallOf(withAProbe("-1 -1 -1 -1 -1 -1")), "\nGiving Probe:  [ -1; -1; -1; -1; -1; -1 ]"
                                                         "\nCycle no.: 1"
                                                         "\nCycle no.: 2"
                                                         "\nRetreived a:  [ -1; -1; -1; -1; -1; -1 ]"
                                                         "\nRetreived b:  [ -1; -1; -1 ]"
                                                         "\nk: 2\n");
    EXPECT_EQ(recallOf(withAProbe("-1 -1 1 1 -1 -1")), "\nGiving Probe:  [ -1; -1; 1; 1; -1; -1 ]"
                                                       "\nCycle no.: 1"
                                                       "\nCycle no.: 2"
                                                       "\nRetreived a:  [ -1; -1; 1; 1; -1; -1 ]"
                                                       "\nRetreived b:  [ -1; 1; -1 ]"
                                                       "\nk: 4\n");
}

TEST(BAM, NoStoredPairRecalled) {
    // All pairs zero: W is zero, every net input 0, a and b all +1, equal to no pair.
    std::string zeros;
    for (int i = 0; i < 36; ++i)
        zeros += "0 ";
    const std::string output = runWithInput(BAM, "n\n" + zeros + "A\n-1 1 1 1 1 1\n");
    EXPECT_NE(output.find("Unable to retreive a3."), std::string::npos);
    EXPECT_NE(output.find("Unable to retreive b1."), std::string::npos);
    EXPECT_EQ(output.substr(output.find("\nGiving Probe: ")), "\nGiving Probe:  [ -1; 1; 1; 1; 1; 1 ]"
                                                              "\nCycle no.: 1"
                                                              "\nCycle no.: 2"
                                                              "\nRetreived a:  [ 1; 1; 1; 1; 1; 1 ]"
                                                              "\nRetreived b:  [ 1; 1; 1 ]"
                                                              "\nNo stored pair was recalled.\n");
}

TEST(BAM, ABProbeStartsWithTheBackwardPass) {
    const std::string start = banner + defaultsShown + pairPrompts() + bProbePrompts + defaultStorageAndTests;
    EXPECT_EQ(runWithInput(BAM, "n\n" + defaultPairsTyped + "B\n1 -1 1\n"),
              start + "\nGiving Probe:  [ 1; -1; 1 ]"
                      "\nCycle no.: 1"
                      "\nCycle no.: 2"
                      "\nRetreived a:  [ 1; 1; -1; -1; 1; 1 ]"
                      "\nRetreived b:  [ 1; -1; 1 ]"
                      "\nk: 3\n");
    EXPECT_EQ(recallOf("n\n" + defaultPairsTyped + "b\n1 1 1\n"), "\nGiving Probe:  [ 1; 1; 1 ]"
                                                                  "\nCycle no.: 1"
                                                                  "\nRetreived a:  [ 1; 1; 1; 1; 1; 1 ]"
                                                                  "\nRetreived b:  [ 1; 1; 1 ]"
                                                                  "\nk: 1\n");
    // Any answer but A or a, and the three prompts show the probe's first elements.
    EXPECT_EQ(recallOf("n\n" + defaultPairsTyped + "x\n-1 -1 -1\n"),
              "\nGiving Probe:  [ -1; -1; -1 ]"
              "\nCycle no.: 1"
              "\nCycle no.: 2"
              "\nRetreived a:  [ -1; -1; -1; -1; -1; -1 ]"
              "\nRetreived b:  [ -1; -1; -1 ]"
              "\nk: 2\n");
}

TEST(BAM, EndOfInputKeepsTheAProbe) {
    EXPECT_EQ(runWithInput(BAM, "n\n" + defaultPairsTyped), banner + defaultsShown + pairPrompts() +
                                                                aProbePrompts + defaultStorageAndTests +
                                                                defaultRecall);
    EXPECT_EQ(runWithInput(BAM, "n\n" + defaultPairsTyped + "A\n1 1\n"),
              banner + defaultsShown + pairPrompts() + aProbePrompts + defaultStorageAndTests +
                  "\nGiving Probe:  [ 1; 1; 1; 1; 1; 1 ]"
                  "\nCycle no.: 1"
                  "\nRetreived a:  [ 1; 1; 1; 1; 1; 1 ]"
                  "\nRetreived b:  [ 1; 1; 1 ]"
                  "\nk: 1\n");
}

TEST(BAM, ANonNumberLeavesTheRestUnreadAndTheDemoFinishes) {
    // The failed read stores 0 in A1 element 1; every later read takes nothing, the
    // probe kind included, and all prompts are still written with the defaults.
    const std::string output = runWithInput(BAM, "n\n1 x 1 1\nA\n");
    const std::string expectedStart = banner + defaultsShown + pairPrompts() + aProbePrompts + "w: \n";
    EXPECT_EQ(output.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(countOf(output, "Enter value for "), 36);
    EXPECT_EQ(output.substr(output.find("\nGiving Probe: ")), defaultRecall);
    // Leftovers of that line are dropped by the menu, never taken as choices.
    EXPECT_EQ(runMenuWithInput("7\nn\n1 x 1 1 7 6\nq\n"), menuScreen() + output + menuScreen());
}
