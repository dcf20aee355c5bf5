#include "demos/dialog.h"
#include "demos/training.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

bool kept;
void askYesNo() {
    kept = keepDefaults();
}

double value = 1.5;
int count = 10;
void askTwoValues() {
    askFor(value, "Enter value for Y", 2, " 0");
    askFor(count, "No. of Training Steps");
}

} // namespace

TEST(Dialog, OnlyNOrNAsksForNewValues) {
    const std::string question = "\nDo you want to use the default values? (y/n): ";
    for (const char* answer : {"n", "N", " \n n\n", "no"}) {
        EXPECT_EQ(runWithInput(askYesNo, answer), question);
        EXPECT_FALSE(kept) << answer;
    }
    for (const char* answer : {"y", "Y", "5", "x", "yes"}) {
        runWithInput(askYesNo, answer);
        EXPECT_TRUE(kept) << answer;
    }
    runWithInput(askYesNo, "");
    EXPECT_TRUE(kept) << "end of input keeps the defaults";
}

TEST(Dialog, PromptShowsTheCurrentValueAndReadsANewOne) {
    value = 1.5;
    count = 10;
    EXPECT_EQ(runWithInput(askTwoValues, "-0.25\n12\n"),
              "Enter value for Y2 0 (1.5): No. of Training Steps (10): ");
    EXPECT_EQ(value, -0.25);
    EXPECT_EQ(count, 12);
}

TEST(Dialog, AfterANonNumberTheRemainingPromptsAreStillWritten) {
    value = 1.5;
    count = 10;
    EXPECT_EQ(runWithInput(askTwoValues, "abc 12\n"),
              "Enter value for Y2 0 (1.5): No. of Training Steps (10): ");
    EXPECT_EQ(count, 10);
    value = 1.5;
    runWithInput(askTwoValues, "");
    EXPECT_EQ(value, 1.5);
    EXPECT_EQ(count, 10);
}

namespace {
bool moved = true;
double error = 0;
double limit = 0.01;
int cycles = 0;
void writeEnd() {
    writeTrainingEnd("Training terminated.", error, limit, moved, cycles);
}
} // namespace

TEST(TrainingGuard, GoesOnOnlyWhileTheErrorIsAboveItsLimitAndTheWeightsMove) {
    EXPECT_TRUE(trainingGoesOn(1.01, 0.01, true, 0));
    EXPECT_FALSE(trainingGoesOn(0.01, 0.01, true, 5));
    EXPECT_FALSE(trainingGoesOn(0.5, 0.01, false, 5));
    EXPECT_FALSE(trainingGoesOn(std::numeric_limits<double>::quiet_NaN(), 0.01, true, 5));
    EXPECT_TRUE(trainingGoesOn(0.5, 0.01, true, maxTrainingCycles - 1));
    EXPECT_FALSE(trainingGoesOn(0.5, 0.01, true, maxTrainingCycles));
    EXPECT_EQ(maxTrainingCycles, 100000);
}

TEST(TrainingGuard, SaysWhyTrainingStopped) {
    moved = true;
    error = 0.00999742;
    cycles = 579;
    EXPECT_EQ(runWithInput(writeEnd, ""), "Training terminated.");
    cycles = maxTrainingCycles;
    EXPECT_EQ(runWithInput(writeEnd, ""), "Training terminated.")
        << "a run reaching its limit in the last allowed cycle is a success";
    error = 4.5;
    EXPECT_EQ(runWithInput(writeEnd, ""),
              "Training stopped after 100000 cycles: the cycle error is still above 0.01.");
    moved = false;
    cycles = 1;
    EXPECT_EQ(runWithInput(writeEnd, ""),
              "Training stopped after 1 cycle: the weights no longer change and the cycle error "
              "is still above 0.01.");
    error = std::numeric_limits<double>::quiet_NaN();
    moved = true;
    cycles = 3;
    EXPECT_EQ(runWithInput(writeEnd, ""),
              "Training stopped after 3 cycles: the cycle error is not a number.");
    limit = 0;
    error = 2;
    EXPECT_EQ(runWithInput(writeEnd, ""),
              "Training stopped after 3 cycles: the cycle error is still above 0.");
    limit = 0.01;
}

namespace {
void writeManyLines() {
    for (int i = 0; i < 100000; ++i)
        std::cout << "line " << i << std::endl;
}
} // namespace

TEST(Harness, TailKeepsTheLastBytesAndCountsAll) {
    long long total = 0;
    const std::string tail = runWithInputTail(writeManyLines, "", 23, total);
    EXPECT_EQ(tail, "\nline 99998\nline 99999\n");
    long long expected = 0;
    for (int i = 0; i < 100000; ++i)
        expected += 6 + static_cast<long long>(std::to_string(i).size());
    EXPECT_EQ(total, expected);
}
