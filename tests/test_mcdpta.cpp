#include "demos/demos.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string banner = "\n************ Multiclass Discrete Perceptron Training Algorithm ************"
                           "\n************                 Lecture 6, Pg 14                  ************\n";

const std::string defaultDisplay = "\nNo. of Input Patterns P (3): "
                                   "\nNo. of Classes R (3): "
                                   "\nThreshold (-1): "
                                   "\nLearning Constant C (1): "
                                   "\nInput Vector Y1:  [ 10; 2; -1 ]"
                                   "\nWeight Vector W1: [ 1; -2; 0 ]"
                                   "\nInput Vector Y2:  [ 2; -5; -1 ]"
                                   "\nWeight Vector W2: [ 0; -1; 2 ]"
                                   "\nInput Vector Y3:  [ -5; 5; -1 ]"
                                   "\nWeight Vector W3: [ 1; 3; -1 ]"
                                   "\nDo you want to use the default values? (y/n): ";

const std::string defaultPrompts = "\nPreparing to accept values from the user..."
                                   "\nThe original values are shown in parenthesis.\n"
                                   "\nThreshold (-1): "
                                   "\nLearning Constant C (1): "
                                   "Enter value for Y1 0 (10): Enter value for w1 0 (1): "
                                   "Enter value for Y1 1 (2): Enter value for w1 1 (-2): "
                                   "Enter value for Y1 2 (-1): Enter value for w1 2 (0): "
                                   "Enter value for Y2 0 (2): Enter value for w2 0 (0): "
                                   "Enter value for Y2 1 (-5): Enter value for w2 1 (-1): "
                                   "Enter value for Y2 2 (-1): Enter value for w2 2 (2): "
                                   "Enter value for Y3 0 (-5): Enter value for w3 0 (1): "
                                   "Enter value for Y3 1 (5): Enter value for w3 1 (3): "
                                   "Enter value for Y3 2 (-1): Enter value for w3 2 (-1): ";

// Threshold, C, then pattern and weight elements alternating, as the dialog asks.
std::string answers(const std::string& threshold, const std::string& C, const std::string& first,
                    const std::string& second, const std::string& third) {
    return "n " + threshold + " " + C + "  " + first + "  " + second + "  " + third + "\n";
}
const std::string defaultClass1 = "10 1 2 -2 -1 0";
const std::string defaultClass2 = "2 0 -5 -1 -1 2";
const std::string defaultClass3 = "-5 1 5 3 -1 -1";

const std::string endLine = "Training terminated: further weight adjustment unrequired.";

// A weight vector in the block form.
std::string block(const std::string& w0, const std::string& w1, const std::string& w2) {
    return "\t=====\n\t " + w0 + "\n\t " + w1 + "\n\t " + w2 + "\n\t=====\n";
}

// One neuron's response line, then its weights after the correction.
std::string neuron(int j, const std::string& o, const std::string& d, const std::string& e,
                   const std::string& weights) {
    return "\n\to" + std::to_string(j) + ": " + o + "   d = " + d + "   e = " + e + "\n" + weights;
}

std::string classHeader(int i) {
    return "\n\t## Class " + std::to_string(i) + " ##";
}

std::string cycleHeader(int n) {
    return "\nLearning Cycle No.: " + std::to_string(n);
}

// Every response line ("\to1: 1   d = 1   e = 0") of a run, in order.
std::vector<std::string> responseLines(const std::string& output) {
    std::vector<std::string> lines;
    std::istringstream text(output);
    std::string line;
    while (std::getline(text, line))
        if (line.rfind("\to", 0) == 0)
            lines.push_back(line);
    return lines;
}

// The response lines of a run whose cycles show these running errors: a response is
// wrong exactly where the running error grows.
std::vector<std::string> expectedResponses(const std::vector<std::vector<int>>& cycleErrors) {
    std::vector<std::string> lines;
    for (const auto& errors : cycleErrors) {
        int before = 0;
        for (int n = 0; n < 9; ++n) {
            const int i = n / 3 + 1;
            const int j = n % 3 + 1;
            const int d = i == j ? 1 : -1;
            const int o = errors[n] > before ? -d : d;
            lines.push_back("\to" + std::to_string(j) + ": " + std::to_string(o) +
                            "   d = " + std::to_string(d) + "   e = " + std::to_string(errors[n]));
            before = errors[n];
        }
    }
    return lines;
}

std::string afterDialog(const std::string& output) {
    const auto at = output.find(cycleHeader(1));
    return at == std::string::npos ? "" : output.substr(at);
}

} // namespace

TEST(MCDPTA, BannerAndDefaultDisplay) {
    EXPECT_EQ(banner.size(), 1 + 75 + 1 + 75 + 1);
    const std::string output = runWithInput(MCDPTA, "y\n");
    EXPECT_EQ(output.substr(0, banner.size() + defaultDisplay.size()), banner + defaultDisplay);
    const std::string next = cycleHeader(1) + classHeader(1) + "\n";
    EXPECT_EQ(output.substr(banner.size() + defaultDisplay.size(), next.size()), next);
}

TEST(MCDPTA, DefaultRunTakesFourCycles) {
    const std::string output = runWithInput(MCDPTA, "y\n");

    EXPECT_EQ(responseLines(output), expectedResponses({{0, 0, 2, 4, 4, 4, 6, 6, 6},
                                                        {0, 0, 0, 2, 2, 2, 4, 4, 4},
                                                        {0, 0, 0, 2, 2, 2, 2, 2, 2},
                                                        {0, 0, 0, 0, 0, 0, 0, 0, 0}}));
    EXPECT_EQ(countOf(output, "Learning Cycle No.: "), 4);
    EXPECT_EQ(countOf(output, cycleHeader(4) + classHeader(1)), 1);

    // Class 1 of cycle 1: neuron 3 answers +1 (net 17) and W3 is corrected at once.
    EXPECT_NE(output.find(cycleHeader(1) + classHeader(1) + neuron(1, "1", "1", "0", block("1", "-2", "0")) +
                          neuron(2, "-1", "-1", "0", block("0", "-1", "2")) +
                          neuron(3, "1", "-1", "2", block("-9", "1", "0")) + classHeader(2)),
              std::string::npos);

    EXPECT_TRUE(endsWith(output, "\n\t=====\n\n" + endLine +
                                     "\nw1: [ 5; 3; 5 ] \nw2: [ 0; -1; 2 ] \nw3: [ -9; 1; 0 ] \n\n"));
}

TEST(MCDPTA, DialogAsksInOrderWithTheCurrentValues) {
    const std::string defaultRun = runWithInput(MCDPTA, "y\n");
    const std::string training = afterDialog(defaultRun);
    ASSERT_FALSE(training.empty());

    EXPECT_EQ(runWithInput(MCDPTA, "n\n"), banner + defaultDisplay + defaultPrompts + training)
        << "end of input: every prompt is still written and the defaults are trained";
    EXPECT_EQ(runWithInput(MCDPTA, answers("-1", "1", defaultClass1, defaultClass2, defaultClass3)),
              banner + defaultDisplay + defaultPrompts + training)
        << "typing the values shown is the same as keeping them";
}

TEST(MCDPTA, ANetInputOfZeroAnswersPlusOne) {
    // W2 = (0, 0, 0) answers +1 to pattern 1 where -1 is desired, and takes Y1 off.
    const std::string output =
        runWithInput(MCDPTA, answers("-1", "1", defaultClass1, "2 0 -5 0 -1 0", defaultClass3));
    EXPECT_NE(output.find(classHeader(1) + neuron(1, "1", "1", "0", block("1", "-2", "0")) +
                          neuron(2, "1", "-1", "2", block("-10", "-2", "1"))),
              std::string::npos);
}

TEST(MCDPTA, TypedThresholdIsEveryBiasInputUntilAPatternSetsItsOwn) {
    const std::string shown = runWithInput(MCDPTA, "n 5");
    EXPECT_NE(shown.find("\nThreshold (-1): \nLearning Constant C (1): "), std::string::npos);
    EXPECT_EQ(countOf(shown, " 2 (5): Enter value for w"), 3) << "the bias prompts show the threshold typed";

    // Bias 5 for patterns 1 and 3, -1 typed for pattern 2. Class 1: nets 6, 8 and 11,
    // so W2 and W3 lose (10, 2, 5); class 2: net 12 for neuron 1, which loses (2, -5, -1).
    const std::string output =
        runWithInput(MCDPTA, answers("5", "1", "10 1 2 -2 5 0", defaultClass2, "-5 1 5 3 5 -1"));
    EXPECT_NE(output.find(classHeader(1) + neuron(1, "1", "1", "0", block("1", "-2", "0")) +
                          neuron(2, "1", "-1", "2", block("-10", "-3", "-3")) +
                          neuron(3, "1", "-1", "4", block("-9", "1", "-6")) + classHeader(2) +
                          neuron(1, "1", "-1", "6", block("-1", "3", "1"))),
              std::string::npos);
}

TEST(MCDPTA, ACycleThatMovesNoWeightEndsTraining) {
    // C 0: the first cycle's responses are those of the initial weights, and nothing moves.
    const std::string still =
        runWithInput(MCDPTA, answers("-1", "0", defaultClass1, defaultClass2, defaultClass3));
    EXPECT_EQ(responseLines(still), expectedResponses({{0, 0, 2, 4, 4, 4, 4, 4, 4}}));
    EXPECT_TRUE(endsWith(still,
                         "\n\t=====\n\nTraining stopped after 1 cycle: the weights no longer change and "
                         "the cycle error is still above 0.\n"
                         "w1: [ 1; -2; 0 ] \nw2: [ 0; -1; 2 ] \nw3: [ 1; 3; -1 ] \n\n"));

    // Patterns 1 and 2 equal: neurons 1 and 2 are corrected back and forth on them, and
    // cycle 2 ends with the weights cycle 1 ended with.
    const std::string equal =
        runWithInput(MCDPTA, answers("-1", "1", defaultClass1, "10 0 2 -1 -1 2", defaultClass3));
    EXPECT_EQ(responseLines(equal),
              expectedResponses({{0, 0, 2, 4, 6, 6, 8, 8, 8}, {2, 4, 4, 6, 8, 8, 8, 8, 8}}));
    EXPECT_TRUE(endsWith(equal,
                         "\nTraining stopped after 2 cycles: the weights no longer change and the cycle "
                         "error is still above 0.\n"
                         "w1: [ -4; -9; 2 ] \nw2: [ 10; 1; 1 ] \nw3: [ -9; 1; 0 ] \n\n"));

    // A pattern of zeros: its net input is always 0, so two neurons answer it wrongly for
    // ever and no correction can change that.
    const std::string zeros =
        runWithInput(MCDPTA, answers("0", "1", "0 1 0 -2 0 0", defaultClass2, defaultClass3));
    EXPECT_EQ(countOf(zeros, ": the weights no longer change and the cycle error is still above 0.\n"), 1);
    EXPECT_EQ(countOf(zeros, endLine), 0);
}

TEST(MCDPTA, PatternsNoWeightsSeparateStopAfter100000Cycles) {
    // Y1 is the midpoint of Y2 and Y3, so neuron 1 can never answer +1 to it alone. From
    // cycle 3 on its weights alternate between (0, -2, 1) after odd cycles and (0, -2, 2)
    // after even ones; W2 settles at (1, -1, 1) and W3 at (-1, 3, 1) in cycles 1 and 2.
    const std::string lastCycle =
        cycleHeader(100000) + classHeader(1) + neuron(1, "-1", "1", "2", block("0", "-2", "0")) +
        neuron(2, "-1", "-1", "2", block("1", "-1", "1")) +
        neuron(3, "-1", "-1", "2", block("-1", "3", "1")) + classHeader(2) +
        neuron(1, "1", "-1", "4", block("-1", "-2", "1")) + neuron(2, "1", "1", "4", block("1", "-1", "1")) +
        neuron(3, "-1", "-1", "4", block("-1", "3", "1")) + classHeader(3) +
        neuron(1, "1", "-1", "6", block("0", "-2", "2")) + neuron(2, "-1", "-1", "6", block("1", "-1", "1")) +
        neuron(3, "1", "1", "6", block("-1", "3", "1")) +
        "\nTraining stopped after 100000 cycles: the cycle error is still above 0.\n"
        "w1: [ 0; -2; 2 ] \nw2: [ 1; -1; 1 ] \nw3: [ -1; 3; 1 ] \n\n";
    long long bytes = 0;
    const std::string tail =
        runWithInputTail(MCDPTA, answers("-1", "1", "0 1 0 -2 -1 0", "1 0 0 -1 -1 2", "-1 1 0 3 -1 -1"),
                         lastCycle.size() + 1, bytes);
    EXPECT_EQ(tail, "\n" + lastCycle) << "cycle 100000 follows a full cycle and is the last";
}

TEST(MCDPTA, AnErrorThatIsNotANumberEndsTraining) {
    // C 1e308: W3 and W1 overflow to infinities in cycle 1, and neuron 3's net input for
    // pattern 2 is inf - inf.
    const std::string huge =
        runWithInput(MCDPTA, answers("-1", "1e308", defaultClass1, defaultClass2, defaultClass3));
    EXPECT_EQ(countOf(huge, "Learning Cycle No.: "), 1);
    EXPECT_NE(huge.find("\n\to3: 1   d = -1   e = 2\n"), std::string::npos);
    EXPECT_NE(huge.find("\n\to1: 1   d = -1   e = 4\n"), std::string::npos);
    EXPECT_NE(
        huge.find("\n\t=====\n\nTraining stopped after 1 cycle: the cycle error is not a number.\nw1: [ "),
        std::string::npos);

    // Weights typed at the ends of the range: 10 x 1e308 + 2 x -1e308 is inf - inf at once,
    // and the rest of the cycle is still shown.
    const std::string typed =
        runWithInput(MCDPTA, answers("-1", "1", "10 1e308 2 -1e308 -1 0", defaultClass2, defaultClass3));
    EXPECT_EQ(countOf(typed, "Learning Cycle No.: "), 1);
    EXPECT_EQ(countOf(typed, "\n\t## Class "), 3);
    EXPECT_EQ(countOf(typed, "\n\to"), 9);
    EXPECT_NE(typed.find("\nTraining stopped after 1 cycle: the cycle error is not a number.\nw1: [ "),
              std::string::npos);
}

TEST(MCDPTA, ANonNumberEndsTheReadingButNotTheRun) {
    // The letter leaves C at 0 (the stream's own result); the later prompts are still
    // written with their values, and a run with C 0 stops after its first cycle.
    const std::string output = runWithInput(MCDPTA, "n -1 x 5 5 5\n");
    EXPECT_NE(output.find("\nLearning Constant C (1): Enter value for Y1 0 (10): Enter value for w1 0 (1): "),
              std::string::npos);
    EXPECT_NE(output.find("Enter value for Y3 2 (-1): Enter value for w3 2 (-1): " + cycleHeader(1)),
              std::string::npos);
    EXPECT_TRUE(endsWith(output,
                         "\nTraining stopped after 1 cycle: the weights no longer change and the cycle "
                         "error is still above 0.\n"
                         "w1: [ 1; -2; 0 ] \nw2: [ 0; -1; 2 ] \nw3: [ 1; 3; -1 ] \n\n"));
}
