#include "demos/demos.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string banner = "\n************ Single Discrete Perceptron Training Algorithm ************"
                           "\n************              Lecture 5, Pg 27                 ************\n";

const std::string defaultDisplay = "\nNo. of Input Patterns P (4): "
                                   "\nNo. of Training Steps (10): "
                                   "\nThreshold (1): "
                                   "\nLearning Constant C (1): "
                                   "\nInput Vector Y1:  [ 1; 1 ]  d1: 1"
                                   "\nInput Vector Y2:  [ -0.5; 1 ]  d2: -1"
                                   "\nInput Vector Y3:  [ 3; 1 ]  d3: 1"
                                   "\nInput Vector Y4:  [ -2; 1 ]  d4: -1"
                                   "\nWeight Vector W: [ -2.5; 1.75 ]"
                                   "\nDo you want to use the default values? (y/n): ";

const std::string defaultPrompts = "\nPreparing to accept values from the user..."
                                   "\nThe original values are shown in parenthesis.\n"
                                   "\nNo. of Training Steps (10): "
                                   "\nThreshold (1): "
                                   "\nLearning Constant C (1): "
                                   "Enter value for Y1 0 (1): Enter value for d1 (1): "
                                   "Enter value for Y2 0 (-0.5): Enter value for d2 (-1): "
                                   "Enter value for Y3 0 (3): Enter value for d3 (1): "
                                   "Enter value for Y4 0 (-2): Enter value for d4 (-1): "
                                   "\nEnter value for w0 (-2.5): "
                                   "\nEnter value for w1 (1.75): ";

// The dialog's answers that repeat the default values, steps first.
const std::string defaultAnswers = "n\n10\n1\n1\n1 1\n-0.5 -1\n3 1\n-2 -1\n-2.5\n1.75\n";

const char* const patterns[] = {"[ 1; 1 ]", "[ -0.5; 1 ]", "[ 3; 1 ]", "[ -2; 1 ]"};
const char* const desired[] = {"1", "-1", "1", "-1"};

// Step s's trace: the pattern taken, its desired response and the weights before the correction.
std::string step(int s, const std::string& weights, const char* const* y = patterns) {
    const int k = (s - 1) % 4;
    const std::string n = std::to_string(s);
    const std::string pattern = std::to_string(k + 1);
    std::string text = "\n****** Step " + n + " ******\n";
    if (s <= 4)
        text += "y" + n + ":";
    else
        text += "y" + n + " = y" + pattern + "= ";
    return text + y[k] + "\nd" + pattern + ": " + desired[k] + "  w" + n + ": " + weights + "\n";
}

std::string end(const std::string& weights) {
    return "\nTraining terminated.\nFinal weight values, w =  " + weights + " \n";
}

// The default run's ten steps: corrections at steps 1, 2, 3, 6 and 10 only.
std::string defaultTraining() {
    const char* const weights[] = {"[ -2.5; 1.75 ]", "[ -1.5; 2.75 ]", "[ -1; 1.75 ]",  "[ 2; 2.75 ]",
                                   "[ 2; 2.75 ]",    "[ 2; 2.75 ]",    "[ 2.5; 1.75 ]", "[ 2.5; 1.75 ]",
                                   "[ 2.5; 1.75 ]",  "[ 2.5; 1.75 ]"};
    std::string text;
    for (int s = 1; s <= 10; ++s)
        text += step(s, weights[s - 1]);
    return text + end("[ 3; 0.75 ]");
}

std::string afterDialog(const std::string& output) {
    const auto at = output.find("\n****** Step 1 ******");
    return at == std::string::npos ? "" : output.substr(at);
}

} // namespace

TEST(SDPTA, BannerAndDefaultDisplay) {
    EXPECT_EQ(banner.size(), 1 + 71 + 1 + 71 + 1);
    const std::string output = runWithInput(SDPTA, "y\n");
    EXPECT_EQ(output.substr(0, banner.size() + defaultDisplay.size()), banner + defaultDisplay);
}

TEST(SDPTA, DefaultRunCorrectsAtSteps1_2_3_6And10) {
    EXPECT_EQ(runWithInput(SDPTA, "y\n"), banner + defaultDisplay + defaultTraining());

    const std::string output = runWithInput(SDPTA, "\n");
    EXPECT_NE(output.find("\n****** Step 1 ******\ny1:[ 1; 1 ]\nd1: 1  w1: [ -2.5; 1.75 ]\n"),
              std::string::npos);
    EXPECT_NE(output.find("\n****** Step 5 ******\ny5 = y1= [ 1; 1 ]\nd1: 1  w5: [ 2; 2.75 ]\n"),
              std::string::npos);
    EXPECT_NE(output.find("\n****** Step 10 ******\ny10 = y2= [ -0.5; 1 ]\nd2: -1  w10: [ 2.5; 1.75 ]\n"),
              std::string::npos);
    const std::string last = "\nTraining terminated.\nFinal weight values, w =  [ 3; 0.75 ] \n";
    EXPECT_EQ(output.substr(output.size() - last.size()), last);
}

TEST(SDPTA, DialogAsksInOrderWithTheCurrentValues) {
    EXPECT_EQ(runWithInput(SDPTA, "n\n"), banner + defaultDisplay + defaultPrompts + defaultTraining())
        << "end of input: every prompt is still written and the defaults are trained";
    EXPECT_EQ(runWithInput(SDPTA, defaultAnswers),
              banner + defaultDisplay + defaultPrompts + defaultTraining())
        << "typing the values shown is the same as keeping them";
}

TEST(SDPTA, EnteredValuesAreTrained) {
    // Two steps with C 2 on patterns 4 and -1, weights (0, 0): a net input of exactly 0
    // answers +1, so pattern 2 (d -1) is corrected by -2 x Y2.
    const std::string output = runWithInput(SDPTA, "n 2 1 2  4 1  -1 -1  3 1  -2 -1  0 0");
    const char* const y[] = {"[ 4; 1 ]", "[ -1; 1 ]"};
    EXPECT_EQ(afterDialog(output), step(1, "[ 0; 0 ]", y) + step(2, "[ 0; 0 ]", y) + end("[ 2; -2 ]"));
}

TEST(SDPTA, LearningConstantZeroLeavesTheWeights) {
    const std::string output = runWithInput(SDPTA, "n 10 1 0  1 1 -0.5 -1 3 1 -2 -1  -2.5 1.75");
    std::string expected;
    for (int s = 1; s <= 10; ++s)
        expected += step(s, "[ -2.5; 1.75 ]");
    EXPECT_EQ(afterDialog(output), expected + end("[ -2.5; 1.75 ]"));
}

TEST(SDPTA, NoStepsForAZeroOrNegativeCount) {
    for (const char* count : {"0", "-3"}) {
        const std::string input = std::string("n ") + count + " 1 1  1 1 -0.5 -1 3 1 -2 -1  -2.5 1.75";
        const std::string output = runWithInput(SDPTA, input);
        EXPECT_EQ(countOf(output, "****** Step"), 0) << count;
        const std::string tail = "\nEnter value for w1 (1.75): " + end("[ -2.5; 1.75 ]");
        EXPECT_EQ(output.substr(output.size() - tail.size()), tail) << count;
    }
}

TEST(SDPTA, TypedThresholdBecomesTheBiasInput) {
    // Bias 2: step 1 (d 1) answers +1 at once; step 2's net -0.5 x -2.5 + 2 x 1.75 is
    // positive where -1 is desired, so (-0.5, 2) is taken off the weights.
    const std::string output = runWithInput(SDPTA, "n 2 2 1  1 1 -0.5 -1 3 1 -2 -1  -2.5 1.75");
    const char* const y[] = {"[ 1; 2 ]", "[ -0.5; 2 ]"};
    EXPECT_EQ(afterDialog(output),
              step(1, "[ -2.5; 1.75 ]", y) + step(2, "[ -2.5; 1.75 ]", y) + end("[ -2; -0.25 ]"));
}

TEST(SDPTA, ANonNumberEndsTheReadingButNotTheRun) {
    // The letter leaves the threshold, and so every bias input, at 0 (the stream's own
    // result); every later read finds nothing and the prompts show the values in force.
    const std::string output = runWithInput(SDPTA, "n 3 x 5 5 5");
    EXPECT_NE(output.find("\nThreshold (1): \nLearning Constant C (1): Enter value for Y1 0 (1): "),
              std::string::npos);
    EXPECT_NE(output.find("\nEnter value for w0 (-2.5): \nEnter value for w1 (1.75): "), std::string::npos);
    // Net inputs -2.5, 0.75 and -3 are all wrong: W moves by +Y1, -Y2 and +Y3.
    const char* const y[] = {"[ 1; 0 ]", "[ -0.5; 0 ]", "[ 3; 0 ]"};
    EXPECT_EQ(afterDialog(output), step(1, "[ -2.5; 1.75 ]", y) + step(2, "[ -1.5; 1.75 ]", y) +
                                       step(3, "[ -1; 1.75 ]", y) + end("[ 2; 1.75 ]"));
}

TEST(SDPTA, AHugeStepCountIsCutTo100000) {
    // The weights settle at (3, 0.75) by step 10; step 100000 takes pattern 4.
    const std::string tail =
        "\n****** Step 100000 ******\ny100000 = y4= [ -2; 1 ]\nd4: -1  w100000: [ 3; 0.75 ]\n" +
        end("[ 3; 0.75 ]");
    const std::string rest = " 1 1  1 1 -0.5 -1 3 1 -2 -1  -2.5 1.75";
    long long exactBytes = 0;
    EXPECT_EQ(runWithInputTail(SDPTA, "n 100000" + rest, tail.size(), exactBytes), tail);

    for (const std::string count : {"100001", "2147483647"}) {
        long long cutBytes = 0;
        EXPECT_EQ(runWithInputTail(SDPTA, "n " + count + rest, tail.size(), cutBytes), tail) << count;
        const std::string notice =
            "\nTraining is limited to 100000 steps; running 100000 of the " + count + " asked for.";
        EXPECT_EQ(cutBytes, exactBytes + static_cast<long long>(notice.size()))
            << "the cut run differs from a run of 100000 steps by its notice alone (and so that run has "
               "none)";
    }

    // Where the notice stands: on its own line between the dialog and step 1.
    const std::string output = runWithInput(SDPTA, "n 100001" + rest);
    EXPECT_NE(output.find("\nEnter value for w1 (1.75): "
                          "\nTraining is limited to 100000 steps; running 100000 of the 100001 asked for."
                          "\n****** Step 1 ******\n"),
              std::string::npos);
}
