#include "demos/demos.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string banner = "\n************  Single Continuous Perceptron Training Algorithm  ************"
                           "\n************                 Lecture 6, Pg 24                  ************\n";

const std::string defaultDisplay = "\nNo. of Input Patterns P (4): "
                                   "\nThreshold (1): "
                                   "\nnu (0.1): "
                                   "\nlambda (1): "
                                   "\nInput Vector Y1:  [ 1; 1 ]  d1: 1"
                                   "\nInput Vector Y2:  [ -0.5; 1 ]  d2: -1"
                                   "\nInput Vector Y3:  [ 3; 1 ]  d3: 1"
                                   "\nInput Vector Y4:  [ -2; 1 ]  d4: -1"
                                   "\nWeight Vector W: [ -2.5; 1.75 ]";

const std::string question = "\nDo you want to use the default values? (y/n): ";

const std::string entryOpening = "\nPreparing to accept values from the user..."
                                 "\nThe original values are shown in parenthesis.\n\n";

// The thirteen prompts, each showing its default value.
const std::string defaultPrompts = "Threshold (1): nu (0.1): lambda (1): "
                                   "Enter value for Y1 0 (1): Enter value for d1 (1): "
                                   "Enter value for Y2 0 (-0.5): Enter value for d2 (-1): "
                                   "Enter value for Y3 0 (3): Enter value for d3 (1): "
                                   "Enter value for Y4 0 (-2): Enter value for d4 (-1): "
                                   "Enter value for w0 (-2.5): Enter value for w1 (1.75): ";

std::string header(int cycle) {
    return "\n****** Learning Cycle No.: " + std::to_string(cycle) + " ******\n";
}

// One training step: the running cycle error and the new weights in the block form.
std::string step(const std::string& e, const std::string& w0, const std::string& w1) {
    return "\ne = " + e + "\nw = \n\t=====\n\t " + w0 + "\n\t " + w1 + "\n\t=====\n";
}

std::string testedPattern(const std::string& pattern, const std::string& output, const std::string& rounded,
                          const std::string& d) {
    return "\nInput Vector: " + pattern + "\noutput = " + output + "\no = " + rounded + "  d = " + d + "\n";
}

const std::string testingHeading = "\n\n**************     TESTING     ****************";

// Everything from the first cycle header on: the run itself, without the dialog.
std::string fromFirstCycle(const std::string& output) {
    const auto at = output.find(header(1));
    return at == std::string::npos ? "" : output.substr(at);
}

// The number written right after `label`, or -1 when the label is missing.
double numberAfter(const std::string& output, const std::string& label) {
    const auto at = output.rfind(label);
    return at == std::string::npos ? -1 : std::stod(output.substr(at + label.size()));
}

} // namespace

TEST(SCPTA, BannerAndDefaultsAsShownBeforeTheQuestion) {
    const std::string output = runWithInput(SCPTA, "y\n");
    EXPECT_EQ(output.substr(0, banner.size() + defaultDisplay.size() + question.size() + header(1).size()),
              banner + defaultDisplay + question + header(1));
    EXPECT_EQ(banner.size(), 1 + 75 + 1 + 75 + 1u);
}

TEST(SCPTA, WorkedFirstCycleWithTheDefaults) {
    const std::string output = runWithInput(SCPTA, "y\n");
    const std::string firstCycle =
        header(1) + step("0.922567", "-2.4408", "1.8092") + step("2.74239", "-2.43241", "1.79241") +
        step("4.72622", "-2.42759", "1.79402") + step("6.72105", "-2.42656", "1.79351") + header(2);
    EXPECT_EQ(output.substr(output.find(header(1)), firstCycle.size()), firstCycle);
}

TEST(SCPTA, DefaultRunEndsAfter579CyclesAndPassesItsTest) {
    const std::string output = runWithInput(SCPTA, "y\n");
    EXPECT_EQ(countOf(output, "****** Learning Cycle No.: "), 579);
    EXPECT_EQ(countOf(output, "\ne = "), 579 * 4 + 1);
    EXPECT_NE(output.find(header(579)), std::string::npos);
    const std::string end = step("0.00999742", "3.94097", "-0.881418") +
                            "\nTraining terminated."
                            "\ne = 0.00999742"
                            "\nTotal Learning Cycles = 579"
                            "\nw =  [ 3.94097; -0.881418 ] \n" +
                            testingHeading + testedPattern("[ 1; 1 ]", "0.910386", "1", "1") +
                            testedPattern("[ -0.5; 1 ]", "-0.890834", "-1", "-1") +
                            testedPattern("[ 3; 1 ]", "0.999965", "1", "1") +
                            testedPattern("[ -2; 1 ]", "-0.999687", "-1", "-1") + "\n";
    ASSERT_GE(output.size(), end.size());
    EXPECT_EQ(output.substr(output.size() - end.size()), end);
}

TEST(SCPTA, OnlyNOrNOpensTheDialog) {
    const std::string kept = runWithInput(SCPTA, "y\n");
    for (const char* answer : {"Y\n", "5\n", "x\n", ""})
        EXPECT_EQ(runWithInput(SCPTA, answer), kept) << answer;
    EXPECT_EQ(countOf(kept, "Preparing to accept"), 0);
    EXPECT_EQ(countOf(runWithInput(SCPTA, "N\n"), "Preparing to accept"), 1);
}

TEST(SCPTA, DialogAsksThirteenValuesShowingTheirCurrentValues) {
    const std::string shownValues = "n\n1\n0.1\n1\n1\n1\n-0.5\n-1\n3\n1\n-2\n-1\n-2.5\n1.75\n";
    const std::string output = runWithInput(SCPTA, shownValues);
    const std::string dialog = banner + defaultDisplay + question + entryOpening + defaultPrompts + header(1);
    EXPECT_EQ(output.substr(0, dialog.size()), dialog);
    EXPECT_EQ(fromFirstCycle(output), fromFirstCycle(runWithInput(SCPTA, "y\n")))
        << "typing the values shown gives the default run";
}

TEST(SCPTA, EnteredPatternsKeepTheirBiasAndDesiredResponsesPrintAsTyped) {
    const std::string output = runWithInput(SCPTA, "n\n1 0.1 1  2 0.5  -0.5 -1  3 1  -2 -1\n");
    EXPECT_NE(output.find("\nInput Vector: [ 2; 1 ]"), std::string::npos);
    EXPECT_NE(output.find("  d = 0.5\n"), std::string::npos);
    EXPECT_NE(output.find("\nTraining terminated.\n"), std::string::npos);
}

TEST(SCPTA, EnteredThresholdBecomesTheBiasInputOfEveryPattern) {
    // Only the threshold is typed; input then ends and the rest keep their defaults.
    const std::string output = runWithInput(SCPTA, "n\n2\n");
    const std::string dialog = entryOpening + defaultPrompts + header(1);
    EXPECT_NE(output.find(dialog), std::string::npos);
    // Y1 = (1, 2): net = -2.5 + 3.5 = 1, o = bipolar(1) = 0.462117.
    const std::string firstStep = header(1) + step("0.144659", "-2.47885", "1.7923");
    EXPECT_EQ(output.substr(output.find(header(1)), firstStep.size()), firstStep);
    const auto testing = output.find(testingHeading);
    ASSERT_NE(testing, std::string::npos);
    for (const char* pattern : {"[ 1; 2 ]", "[ -0.5; 2 ]", "[ 3; 2 ]", "[ -2; 2 ]"})
        EXPECT_NE(output.find(std::string("\nInput Vector: ") + pattern, testing), std::string::npos)
            << pattern;

    EXPECT_EQ(fromFirstCycle(runWithInput(SCPTA, "n\n1\n")), fromFirstCycle(runWithInput(SCPTA, "y\n")))
        << "the default threshold changes nothing";
}

TEST(SCPTA, ANegativeTestOutputAboveMinusOneHalfRoundsToNegativeZero) {
    // Four patterns on the decision line with a small negative target: the trained
    // output settles near -0.2.
    const std::string output = runWithInput(SCPTA, "n\n1 0.1 1  0 -0.2  0 -0.2  0 -0.2  0 -0.2\n");
    EXPECT_NE(output.find("\nTraining terminated.\n"), std::string::npos);
    EXPECT_EQ(countOf(output, "\no = -0  d = -0.2\n"), 4);
    const double o = numberAfter(output, "\noutput = ");
    EXPECT_LT(o, 0);
    EXPECT_GT(o, -0.5);
}

TEST(SCPTA, ZeroLearningRateStopsAfterTheFirstCycle) {
    const std::string output = runWithInput(SCPTA, "n\n1 0\n");
    // The weights never move, so every step prints the initial weights.
    const std::string expected =
        header(1) + step("0.922567", "-2.5", "1.75") + step("2.73736", "-2.5", "1.75") +
        step("4.72469", "-2.5", "1.75") + step("6.72002", "-2.5", "1.75") +
        "\nTraining stopped after 1 cycle: the weights no longer change and the cycle "
        "error is still above 0.01."
        "\ne = 6.72002"
        "\nTotal Learning Cycles = 1"
        "\nw =  [ -2.5; 1.75 ] \n" +
        testingHeading;
    EXPECT_EQ(fromFirstCycle(output).substr(0, expected.size()), expected);
    EXPECT_EQ(countOf(output, "\nInput Vector: "), 4);
}

TEST(SCPTA, ZeroSteepnessStopsAtTheCycleLimit) {
    // Every output stays 0, so each cycle error is (1 + 1 + 1 + 1) / 2 = 2 while the input
    // weight grows by 0.05 * (1 + 0.5 + 3 + 2) per cycle.
    long long written = 0;
    const std::string tail = runWithInputTail(SCPTA, "n\n1 0.1 0\n", 2000, written);
    const std::string expected =
        step("2", "32497.5", "1.75") +
        "\nTraining stopped after 100000 cycles: the cycle error is still above 0.01."
        "\ne = 2"
        "\nTotal Learning Cycles = 100000"
        "\nw =  [ 32497.5; 1.75 ] \n" +
        testingHeading + testedPattern("[ 1; 1 ]", "0", "0", "1") +
        testedPattern("[ -0.5; 1 ]", "0", "0", "-1") + testedPattern("[ 3; 1 ]", "0", "0", "1") +
        testedPattern("[ -2; 1 ]", "0", "0", "-1") + "\n";
    ASSERT_GE(tail.size(), expected.size());
    EXPECT_EQ(tail.substr(tail.size() - expected.size()), expected);
    EXPECT_NE(tail.find(header(100000)), std::string::npos);
    EXPECT_GT(written, 100000LL * 4 * 30);
}

TEST(SCPTA, ALongRunThatReachesTheLimitIsNotCut) {
    long long written = 0;
    const std::string tail = runWithInputTail(SCPTA, "n\n1 0.01\n", 5000, written);
    EXPECT_NE(tail.find("\nTraining terminated.\n"), std::string::npos);
    const double cycles = numberAfter(tail, "\nTotal Learning Cycles = ");
    EXPECT_GT(cycles, 5000);
    EXPECT_LT(cycles, 100000);
    EXPECT_LE(numberAfter(tail, "\nTraining terminated.\ne = "), 0.01);
    EXPECT_EQ(countOf(tail, "\no = 1  d = 1\n"), 2);
    EXPECT_EQ(countOf(tail, "\no = -1  d = -1\n"), 2);
}

TEST(SCPTA, ACycleErrorThatIsNotANumberIsReportedAsSuch) {
    // Huge weights with lambda 0: the net input overflows and infinity times 0 is not a number.
    const std::string output = runWithInput(SCPTA, "n\n1 0.1 0  1 1 -0.5 -1 3 1 -2 -1  1e308 1e308\n");
    EXPECT_EQ(countOf(output, "****** Learning Cycle No.: "), 1);
    EXPECT_NE(output.find("\nTraining stopped after 1 cycle: the cycle error is not a number.\ne = "),
              std::string::npos);
    EXPECT_NE(output.find("\nTotal Learning Cycles = 1\n"), std::string::npos);
    EXPECT_EQ(countOf(output.substr(output.find(testingHeading)), "\nInput Vector: "), 4);
}

TEST(SCPTA, BadOrEndingInputStillWritesEveryPromptAndRuns) {
    // Input that ends early keeps the defaults for the values not typed.
    const std::string early = runWithInput(SCPTA, "n\n1 0.1");
    EXPECT_NE(early.find(entryOpening + defaultPrompts + header(1)), std::string::npos);
    EXPECT_EQ(fromFirstCycle(early), fromFirstCycle(runWithInput(SCPTA, "y\n")));

    // A non-number fails the stream: the read stores 0 and every later read keeps its value.
    const std::string bad = runWithInput(SCPTA, "n\n1 0.1 1 abc 5 5 5\n");
    EXPECT_NE(bad.find(entryOpening + "Threshold (1): nu (0.1): lambda (1): Enter value for Y1 0 (1): "
                                      "Enter value for d1 (1): Enter value for Y2 0 (-0.5): "),
              std::string::npos);
    EXPECT_NE(bad.find("Enter value for w0 (-2.5): Enter value for w1 (1.75): " + header(1)),
              std::string::npos);
    EXPECT_NE(bad.find("\nInput Vector: [ 0; 1 ]"), std::string::npos);
    EXPECT_EQ(countOf(bad, testingHeading), 1);
}
