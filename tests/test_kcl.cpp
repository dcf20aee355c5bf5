#include "demos/demos.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string defaultScreen =
    "\n************              Kohonen Competitive Learning             ************"
    "\n************                   Lecture 11, Pg 18                   ************\n"
    "\nNo. of Input Patterns P (5): "
    "\nNo. of Neurons (2): "
    "\nalpha (0.5): "
    "\nInput Vector X1:  [ 0.8; 0.6 ]"
    "\nInput Vector X2:  [ 0.1736; -0.9848 ]"
    "\nInput Vector X3:  [ 0.707; 0.707 ]"
    "\nInput Vector X4:  [ 0.342; -0.9397 ]"
    "\nInput Vector X5:  [ 0.6; 0.8 ]"
    "\nThe initial weight vector is: \n"
    "w1: [ 1; 0 ] \n"
    "w2: [ -1; 0 ] \n"
    "\nDo you want to use the default values? (y/n): ";

const std::string dialogPrompts = "\nPreparing to accept values from the user..."
                                  "\nThe original values are shown in parenthesis.\n"
                                  "\nalpha (0.5): "
                                  "Enter value for X1 0 (0.8): Enter value for X1 1 (0.6): "
                                  "Enter value for X2 0 (0.1736): Enter value for X2 1 (-0.9848): "
                                  "Enter value for X3 0 (0.707): Enter value for X3 1 (0.707): "
                                  "Enter value for X4 0 (0.342): Enter value for X4 1 (-0.9397): "
                                  "Enter value for X5 0 (0.6): Enter value for X5 1 (0.8): "
                                  "Enter value for w1 0 (1): Enter value for w1 1 (0): "
                                  "Enter value for w2 0 (-1): Enter value for w2 1 (0): ";

// Patterns X2 to X5 as they are by default.
const std::string laterPatterns = "0.1736 -0.9848  0.707 0.707  0.342 -0.9397  0.6 0.8\n";

} // namespace

TEST(Kcl, DefaultRunMovesOnlyNeuron1AndEndsAfter58Cycles) {
    const std::string output = runWithInput(KCL, "y\n");

    // w1 moves from (1, 0) to (0.9, 0.3), of length 0.948683, and is divided by it.
    const std::string firstStep = defaultScreen + "\nInput Vector X1: [ 0.8; 0.6 ]"
                                                  "\nd1 = 0.632456"
                                                  "\nminD = 0.632456  minDneuron = 1"
                                                  "\nd2 = 1.89737"
                                                  "\nThe winning neuron is 1 with a value of: 0.632456"
                                                  "\nThe weight vector is: \n"
                                                  "w1: [ 0.948683; 0.316228 ] \n"
                                                  "w2: [ -1; 0 ] \n"
                                                  "\nInput Vector X2: [ 0.1736; -0.9848 ]";
    EXPECT_EQ(output.substr(0, firstStep.size()), firstStep);

    // 58 cycles, as an independent recomputation of the rule in double precision also
    // gives: with the rate of cycle 58, 2^-58, no step moves w1 any more.
    const int cycles = 58;
    EXPECT_TRUE(endsWith(output, "\nTraining terminated."
                                 "\nThe final weight vector is: \n"
                                 "w1: [ 0.996413; 0.0846187 ] \n"
                                 "w2: [ -1; 0 ] \n"
                                 "Total no. of cycles: 58\n"));
    EXPECT_EQ(countOf(output, "\nInput Vector X1: ["), cycles);
    EXPECT_EQ(countOf(output, "\nThe weight vector is: \n"), 5 * cycles);
    // Neuron 1 wins every step, and w2 is shown unchanged after every one of them.
    EXPECT_EQ(countOf(output, "\nThe winning neuron is 1 with a value of: "), 5 * cycles);
    EXPECT_EQ(countOf(output, "minDneuron = 2"), 0);
    EXPECT_EQ(countOf(output, "w2: [ -1; 0 ] \n"), 1 + 5 * cycles + 1);
}

TEST(Kcl, AlphaIsShownHalvedAndStoredAsTyped) {
    // The prompt shows 0.5; typing 0.5 stores it, so cycle 1 uses 0.25: w1 moves to
    // (0.95, 0.15), of length 0.961769. Input then ends and the rest keep their values.
    const std::string output = runWithInput(KCL, "n\n0.5\n");
    const std::string firstStep = defaultScreen + dialogPrompts +
                                  "\nInput Vector X1: [ 0.8; 0.6 ]"
                                  "\nd1 = 0.632456"
                                  "\nminD = 0.632456  minDneuron = 1"
                                  "\nd2 = 1.89737"
                                  "\nThe winning neuron is 1 with a value of: 0.632456"
                                  "\nThe weight vector is: \n"
                                  "w1: [ 0.987763; 0.155963 ] \n"
                                  "w2: [ -1; 0 ] \n";
    EXPECT_EQ(output.substr(0, firstStep.size()), firstStep);
    EXPECT_NE(output.find("\nTraining terminated.\n"), std::string::npos);
}

TEST(Kcl, EqualDistancesGoToNeuron2) {
    const std::string output = runWithInput(KCL, "n\n1\n1 0\n" + laterPatterns + "0 1  0 -1\n");
    const std::string firstStep = "\nInput Vector X1: [ 1; 0 ]"
                                  "\nd1 = 1.41421"
                                  "\nminD = 1.41421  minDneuron = 1"
                                  "\nd2 = 1.41421"
                                  "\nminD = 1.41421  minDneuron = 2"
                                  "\nThe winning neuron is 2 with a value of: 1.41421"
                                  "\nThe weight vector is: \n"
                                  "w1: [ 0; 1 ] \n"
                                  "w2: [ 0.707107; -0.707107 ] \n";
    EXPECT_NE(output.find(dialogPrompts + firstStep), std::string::npos);
}

TEST(Kcl, Cycle1ComparesWithTheDefaultWeightsAndAWinnerOnItsPatternStays) {
    // Every pattern equals w1: it wins every step and stays exactly where it is.
    const std::string defaultsRetyped = runWithInput(KCL, "n\n1\n1 0 1 0 1 0 1 0 1 0\n1 0 -1 0\n");
    EXPECT_EQ(countOf(defaultsRetyped, "\nThe winning neuron is 1 with a value of: 0\n"), 5);
    EXPECT_EQ(countOf(defaultsRetyped, "w1: [ 1; 0 ] \n"), 1 + 5 + 1);
    EXPECT_TRUE(endsWith(defaultsRetyped, "\nTraining terminated."
                                          "\nThe final weight vector is: \n"
                                          "w1: [ 1; 0 ] \n"
                                          "w2: [ -1; 0 ] \n"
                                          "Total no. of cycles: 1\n"));

    // The same with a w1 of its own: cycle 1 differs from the defaults it is compared with.
    const std::string ownWeights = runWithInput(KCL, "n\n1\n0 1 0 1 0 1 0 1 0 1\n0 1 -1 0\n");
    EXPECT_EQ(countOf(ownWeights, "w1: [ 0; 1 ] \n"), 5 + 5 + 1);
    EXPECT_TRUE(endsWith(ownWeights, "\nTraining terminated."
                                     "\nThe final weight vector is: \n"
                                     "w1: [ 0; 1 ] \n"
                                     "w2: [ -1; 0 ] \n"
                                     "Total no. of cycles: 2\n"));
}

TEST(Kcl, WinnerMovedToTheOriginIsNotRescaled) {
    // With rate 0.5, (1, 0) moves halfway to (-1, 0): the zero vector, which has no
    // length to divide by. w2, entered with length 7.07107, keeps it while it loses.
    const std::string output = runWithInput(KCL, "n\n1\n-1 0\n" + laterPatterns + "1 0  5 5\n");
    EXPECT_NE(output.find("\nInput Vector X1: [ -1; 0 ]"
                          "\nd1 = 2"
                          "\nminD = 2  minDneuron = 1"
                          "\nd2 = 7.81025"
                          "\nThe winning neuron is 1 with a value of: 2"
                          "\nThe weight vector is: \n"
                          "w1: [ 0; 0 ] \n"
                          "w2: [ 5; 5 ] \n"),
              std::string::npos);
    EXPECT_EQ(output.find("nan"), std::string::npos);
    EXPECT_EQ(output.find("inf"), std::string::npos);
    EXPECT_EQ(countOf(output, "minDneuron = 2"), 0);
    EXPECT_NE(output.find("\nTraining terminated.\nThe final weight vector is: \n"), std::string::npos);
    EXPECT_NE(output.find("w2: [ 5; 5 ] \nTotal no. of cycles: "), std::string::npos);
}

TEST(Kcl, DistancesThatAreNotNumbersLeaveNoWinner) {
    // Step 1: both distances overflow to infinity, the tie goes to neuron 2, and moving
    // it halfway from 1e308 to -1e308 overflows; rescaled by an infinite length it is
    // no longer a number. Step 2 does the same to w1. From then on d1 is not a number,
    // no neuron wins, and the weights are left as they are.
    long long bytes = 0;
    const std::string tail = runWithInputTail(
        KCL, "n\n1\n-1e308 0  -1e308 0  0.707 0.707  0.342 -0.9397  0.6 0.8\n1e308 0  1e308 0\n", 3000,
        bytes);
    EXPECT_NE(tail.find("\nInput Vector X5: [ 0.6; 0.8 ]\nd1 = "), std::string::npos);
    EXPECT_NE(tail.find("\nThere is no winning neuron: the distance d1 is not a number."
                        "\nThe weight vector is: \n"),
              std::string::npos);
    EXPECT_EQ(countOf(tail, "The winning neuron is"), 0);
    EXPECT_NE(tail.find("\nTraining stopped after 2000 cycles: a weight vector is not a number."
                        "\nThe final weight vector is: \n"),
              std::string::npos);
    EXPECT_TRUE(endsWith(tail, "Total no. of cycles: 2000\n"));
}

TEST(Kcl, RunThatNeverSettlesStopsAfter2000Cycles) {
    // With a rate of 0 only the rescaling moves w1, and this vector is rescaled to its
    // neighbour (0.81525430687177614, 0.5791031126898043), which rescales back to it:
    // five wins a cycle leave w1 on the other value at every cycle's end.
    long long bytes = 0;
    const std::string tail = runWithInputTail(
        KCL, "n\n0\n0.8 0.6 0.8 0.6 0.8 0.6 0.8 0.6 0.8 0.6\n0.81525430687177591 0.57910311268980419 -1 0\n",
        2000, bytes);
    EXPECT_TRUE(endsWith(tail, "\nTraining stopped after 2000 cycles: the weight vectors still change."
                               "\nThe final weight vector is: \n"
                               "w1: [ 0.815254; 0.579103 ] \n"
                               "w2: [ -1; 0 ] \n"
                               "Total no. of cycles: 2000\n"));
    EXPECT_GT(bytes, 2000LL * 5 * 150);
}

TEST(Kcl, BadInputEndsTheDialogQuietly) {
    // A letter fails the stream: the remaining prompts are written, nothing more is read,
    // and training runs on the values held.
    const std::string output = runWithInput(KCL, "n\n1\n0.8 x 0.1\n");
    EXPECT_NE(output.find(dialogPrompts), std::string::npos);
    EXPECT_TRUE(endsWith(output.substr(0, output.rfind("Total no. of cycles: ")), "w2: [ -1; 0 ] \n"));
}

TEST(Kcl, MenuChoice8RunsTheDemo) {
    const std::string output = runMenuWithInput("8\ny\nq\n");
    EXPECT_EQ(output.substr(0, menuScreen().size() + defaultScreen.size()), menuScreen() + defaultScreen);
    EXPECT_TRUE(endsWith(output, "Total no. of cycles: 58\n" + menuScreen()));
}
