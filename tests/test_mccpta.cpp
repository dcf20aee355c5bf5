#include "demos/demos.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string banner =
    "\n************  Multiclass Continuous Perceptron Training Algorithm  ************"
    "\n************                   Lecture 7, Pg 10                    ************\n";

const std::string defaultDisplay = "\nNo. of Input Patterns P (3): "
                                   "\nNo. of Classes R (3): "
                                   "\nThreshold (-1): "
                                   "\nnu (0.1): "
                                   "\nlambda (1): "
                                   "\nInput Vector Y1:  [ 10; 2; -1 ]"
                                   "\nWeight Vector W1: [ 0.4; -0.2; 0.1 ]"
                                   "\nInput Vector Y2:  [ 2; -5; -1 ]"
                                   "\nWeight Vector W2: [ 0.5; -0.1; 0.2 ]"
                                   "\nInput Vector Y3:  [ -5; 5; -1 ]"
                                   "\nWeight Vector W3: [ 0.1; 0.3; -0.1 ]";

const std::string question = "\nDo you want to use the default values? (y/n): ";

const std::string entryOpening = "\nPreparing to accept values from the user..."
                                 "\nThe original values are shown in parenthesis.\n\n";

// The twenty-one prompts, a pattern's elements alternating with its weights'. The
// bias inputs show `bias`, the threshold typed before them.
std::string prompts(const std::string& bias) {
    return "Threshold (-1): nu (0.1): lambda (1): "
           "Enter value for Y1 0 (10): Enter value for w1 0 (0.4): "
           "Enter value for Y1 1 (2): Enter value for w1 1 (-0.2): "
           "Enter value for Y1 2 (" +
           bias +
           "): Enter value for w1 2 (0.1): "
           "Enter value for Y2 0 (2): Enter value for w2 0 (0.5): "
           "Enter value for Y2 1 (-5): Enter value for w2 1 (-0.1): "
           "Enter value for Y2 2 (" +
           bias +
           "): Enter value for w2 2 (0.2): "
           "Enter value for Y3 0 (-5): Enter value for w3 0 (0.1): "
           "Enter value for Y3 1 (5): Enter value for w3 1 (0.3): "
           "Enter value for Y3 2 (" +
           bias + "): Enter value for w3 2 (-0.1): ";
}

std::string header(int cycle) {
    return "\nLearning Cycle No.: " + std::to_string(cycle);
}

std::string classLine(int i) {
    return "\n\t## Class " + std::to_string(i) + " ##";
}

// One neuron's line: its output, desired response and the running cycle error.
std::string neuronLine(int k, const std::string& o, const std::string& d, const std::string& e) {
    return "\n\to" + std::to_string(k) + ": " + o + "   d = " + d + "   e = " + e + "\n";
}

std::string block(const std::string& w0, const std::string& w1, const std::string& w2) {
    return "\t=====\n\t " + w0 + "\n\t " + w1 + "\n\t " + w2 + "\n\t=====\n";
}

std::string testedClass(int k, const std::string& pattern, const std::string& o, const std::string& rounded) {
    const std::string n = std::to_string(k);
    return "\nInput pattern Y" + n + "  " + pattern + "\no" + n + ": " + o + "\nOutput = " + rounded +
           "  d = 1\n";
}

const std::string finished = "\nTraining terminated: further weight adjustment unrequired.\n";

// Everything from the first cycle header on: the run itself, without the dialog.
std::string fromFirstCycle(const std::string& output) {
    const auto at = output.find(header(1) + "\n");
    return at == std::string::npos ? "" : output.substr(at);
}

} // namespace

TEST(MCCPTA, BannerAndDefaultsAsShownBeforeTheQuestion) {
    const std::string output = runWithInput(MCCPTA, "y\n");
    const std::string start = banner + defaultDisplay + question + header(1) + classLine(1);
    EXPECT_EQ(output.substr(0, start.size()), start);
    EXPECT_EQ(banner.size(), 1 + 79 + 1 + 79 + 1u);
}

TEST(MCCPTA, WorkedFirstCycleWithTheDefaults) {
    const std::string output = fromFirstCycle(runWithInput(MCCPTA, "y\n"));
    const std::string class1 =
        header(1) + classLine(1) + neuronLine(1, "0.941376", "1", "0.00171841") +
        block("0.403336", "-0.199333", "0.0996664") + neuronLine(2, "0.980096", "-1", "1.96211") +
        block("0.460981", "-0.107804", "0.203902") + neuronLine(3, "0.691069", "-1", "3.39197") +
        block("-0.341727", "0.211655", "-0.0558273") + classLine(2);
    EXPECT_EQ(output.substr(0, class1.size()), class1);

    const auto class2 = output.find(classLine(2));
    const auto class3 = output.find(classLine(3));
    const auto cycle2 = output.find(header(2));
    ASSERT_LT(class2, class3);
    ASSERT_LT(class3, cycle2);
    const std::string inClass2 = output.substr(class2, class3 - class2);
    const std::string inClass3 = output.substr(class3, cycle2 - class3);
    EXPECT_NE(inClass2.find(classLine(2) + neuronLine(1, "0.692027", "-1", "4.82344")), std::string::npos);
    EXPECT_NE(inClass2.find(neuronLine(2, "0.557046", "1", "4.92155")), std::string::npos);
    EXPECT_NE(inClass2.find(neuronLine(3, "-0.687368", "-1", "4.97042")), std::string::npos);
    EXPECT_NE(inClass3.find(classLine(3) + neuronLine(1, "-0.667959", "-1", "5.02554")), std::string::npos);
    EXPECT_NE(inClass3.find(neuronLine(2, "-0.94508", "-1", "5.02705")), std::string::npos);
    EXPECT_NE(inClass3.find(neuronLine(3, "0.914041", "1", "5.03075")), std::string::npos);
    // Each class and each neuron after the first is set off by an empty line, and so is the next cycle.
    EXPECT_NE(output.find("\t=====\n" + header(2) + classLine(1) + "\n\to1: "), std::string::npos);
    EXPECT_NE(output.find("\t=====\n" + classLine(2)), std::string::npos);
    EXPECT_EQ(countOf(inClass2, "\t=====\n\n\to"), 2);
}

TEST(MCCPTA, DefaultRunEndsAfter134CyclesAndPassesItsTest) {
    const std::string output = runWithInput(MCCPTA, "y\n");
    EXPECT_EQ(countOf(output, "Learning Cycle No.: "), 134);
    EXPECT_NE(output.find(header(134) + classLine(1)), std::string::npos);
    // Nine steps a cycle: three with the desired response 1 and six with -1.
    EXPECT_EQ(countOf(output, "   d = 1   e = "), 3 * 134);
    EXPECT_EQ(countOf(output, "   d = -1   e = "), 6 * 134);
    const std::string end = block("-0.603796", "0.565236", "0.0204283") + finished +
                            "w1: [ 1.27004; 0.870558; 1.17293 ] \n"
                            "w2: [ -0.202021; -0.993692; 0.266603 ] \n"
                            "w3: [ -0.603796; 0.565236; 0.0204283 ] \n" +
                            testedClass(1, "[ 10; 2; -1 ]", "0.999997", "1") +
                            testedClass(2, "[ 2; -5; -1 ]", "0.973168", "1") +
                            testedClass(3, "[ -5; 5; -1 ]", "0.99411", "1");
    ASSERT_GE(output.size(), end.size());
    EXPECT_EQ(output.substr(output.size() - end.size()), end);
}

TEST(MCCPTA, OnlyNOrNOpensTheDialog) {
    const std::string kept = runWithInput(MCCPTA, "y\n");
    for (const char* answer : {"Y\n", "7\n", "x\n", ""})
        EXPECT_EQ(runWithInput(MCCPTA, answer), kept) << answer;
    EXPECT_EQ(countOf(kept, "Preparing to accept"), 0);
    EXPECT_EQ(countOf(runWithInput(MCCPTA, "N\n"), "Preparing to accept"), 1);
}

TEST(MCCPTA, DialogAsksTwentyOneValuesShowingTheirCurrentValues) {
    const std::string shownValues =
        "n\n-1 0.1 1\n10 0.4 2 -0.2 -1 0.1\n2 0.5 -5 -0.1 -1 0.2\n-5 0.1 5 0.3 -1 -0.1\n";
    const std::string output = runWithInput(MCCPTA, shownValues);
    const std::string dialog =
        banner + defaultDisplay + question + entryOpening + prompts("-1") + header(1) + "\n";
    EXPECT_EQ(output.substr(0, dialog.size()), dialog);
    EXPECT_EQ(fromFirstCycle(output), fromFirstCycle(runWithInput(MCCPTA, "y\n")))
        << "typing the values shown gives the default run";
}

TEST(MCCPTA, EnteredThresholdBecomesEveryBiasInputUntilAPatternSetsItsOwn) {
    // Threshold 1, then everything as shown up to the bias input of Y2, which is set back
    // to -1; input then ends and the rest keep their values.
    const std::string output = runWithInput(MCCPTA, "n\n1 0.1 1\n10 0.4 2 -0.2 1 0.1\n2 0.5 -5 -0.1 -1\n");
    EXPECT_NE(output.find(entryOpening + prompts("1") + header(1)), std::string::npos);
    EXPECT_NE(output.find("\nInput pattern Y1  [ 10; 2; 1 ]"), std::string::npos);
    EXPECT_NE(output.find("\nInput pattern Y2  [ 2; -5; -1 ]"), std::string::npos);
    EXPECT_NE(output.find("\nInput pattern Y3  [ -5; 5; 1 ]"), std::string::npos);
    // W1 . Y1 = 4 - 0.4 + 0.1 = 3.7 instead of 3.5.
    EXPECT_NE(output.find(header(1) + classLine(1) + "\n\to1: 0.951746   d = 1"), std::string::npos);

    EXPECT_EQ(fromFirstCycle(runWithInput(MCCPTA, "n\n-1\n")), fromFirstCycle(runWithInput(MCCPTA, "y\n")))
        << "the default threshold changes nothing";
}

TEST(MCCPTA, ZeroLearningRateStopsAfterTheFirstCycle) {
    const std::string output = runWithInput(MCCPTA, "n\n-1 0\n");
    EXPECT_EQ(countOf(output, "Learning Cycle No.: "), 1);
    EXPECT_NE(output.find(header(1) + classLine(1) + neuronLine(1, "0.941376", "1", "0.00171841") +
                          block("0.4", "-0.2", "0.1")),
              std::string::npos);
    EXPECT_NE(
        output.find("\nTraining stopped after 1 cycle: the weights no longer change and the cycle error "
                    "is still above 0.01.\n"
                    "w1: [ 0.4; -0.2; 0.1 ] \n"
                    "w2: [ 0.5; -0.1; 0.2 ] \n"
                    "w3: [ 0.1; 0.3; -0.1 ] \n"),
        std::string::npos);
    EXPECT_EQ(countOf(output, "\nInput pattern Y"), 3);
}

TEST(MCCPTA, ANegativeTestOutputAboveMinusOneHalfRoundsToNegativeZero) {
    // No learning, and W1 . Y1 = -0.1: o1 = 2 / (1 + e^0.1) - 1.
    const std::string output = runWithInput(MCCPTA, "n\n-1 0 1\n10 0 2 0 -1 0.1\n");
    EXPECT_NE(output.find(testedClass(1, "[ 10; 2; -1 ]", "-0.0499584", "-0")), std::string::npos);
}

TEST(MCCPTA, ZeroSteepnessStopsAtTheCycleLimit) {
    // Every output stays 0, so each cycle error is 9 / 2, and neuron k's weights grow each
    // cycle by 0.05 times its own pattern minus the two others.
    long long written = 0;
    const std::string tail = runWithInputTail(MCCPTA, "n\n-1 0.1 0\n", 2000, written);
    const std::string expected =
        neuronLine(3, "0", "1", "4.5") + block("-84999.9", "40000.3", "4999.9") +
        "\nTraining stopped after 100000 cycles: the cycle error is still above 0.01.\n"
        "w1: [ 65000.4; 9999.8; 5000.1 ] \n"
        "w2: [ -14999.5; -60000.1; 5000.2 ] \n"
        "w3: [ -84999.9; 40000.3; 4999.9 ] \n" +
        testedClass(1, "[ 10; 2; -1 ]", "0", "0") + testedClass(2, "[ 2; -5; -1 ]", "0", "0") +
        testedClass(3, "[ -5; 5; -1 ]", "0", "0");
    ASSERT_GE(tail.size(), expected.size());
    EXPECT_EQ(tail.substr(tail.size() - expected.size()), expected);
    EXPECT_GT(written, 100000LL * 9 * 50);
}

TEST(MCCPTA, ALongRunThatReachesTheLimitIsNotCut) {
    long long written = 0;
    const std::string tail = runWithInputTail(MCCPTA, "n\n-1 0.003\n", 5000, written);
    EXPECT_NE(tail.find(finished), std::string::npos);
    const auto last = tail.rfind("Learning Cycle No.: ");
    ASSERT_NE(last, std::string::npos);
    const int cycles = std::stoi(tail.substr(last + 20));
    EXPECT_GT(cycles, 4000);
    EXPECT_LT(cycles, 100000);
    EXPECT_EQ(countOf(tail, "\nOutput = 1  d = 1\n"), 3);
}

TEST(MCCPTA, ACycleErrorThatIsNotANumberIsReportedAsSuch) {
    // Huge weights with lambda 0: the net input overflows and infinity times 0 is not a number.
    const std::string output = runWithInput(MCCPTA, "n\n-1 0.1 0\n10 1e308 2 1e308\n");
    EXPECT_EQ(countOf(output, "Learning Cycle No.: "), 1);
    EXPECT_NE(output.find("\nTraining stopped after 1 cycle: the cycle error is not a number.\nw1: "),
              std::string::npos);
    EXPECT_EQ(countOf(output, "\nInput pattern Y"), 3);
}

TEST(MCCPTA, BadOrEndingInputStillWritesEveryPromptAndRuns) {
    const std::string early = runWithInput(MCCPTA, "n\n-1 0.1");
    EXPECT_NE(early.find(entryOpening + prompts("-1") + header(1)), std::string::npos);
    EXPECT_EQ(fromFirstCycle(early), fromFirstCycle(runWithInput(MCCPTA, "y\n")));

    // A non-number fails the stream: the read stores 0 and every later read keeps its value.
    const std::string bad = runWithInput(MCCPTA, "n\n-1 0.1 1 10 0.4 2 x 7 7 7\n");
    EXPECT_NE(bad.find(entryOpening + prompts("-1") + header(1)), std::string::npos);
    EXPECT_NE(bad.find(finished), std::string::npos);
    EXPECT_EQ(countOf(bad, "\nInput pattern Y"), 3);
}
