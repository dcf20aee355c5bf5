// What the demos that learn share, where no fixture can reach: a stop key pressed at a
// moment that typed lines cannot choose.
#include "console/console.h"
#include "demos/training.h"
#include "harness.h"
#include "run.h"
#include "settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <regex>
#include <string>
#include <vector>

namespace {

// A training at a terminal's stand-in, where the stop key is watched; every line typed is empty.
class StopKey : public ::testing::Test {
  protected:
    void SetUp() override {
        typeAtTerminal([](std::string& line) {
            line.clear();
            return true;
        });
    }
    void TearDown() override {
        typeAtTerminal(nullptr);
        useSettings(Settings());
    }
};

} // namespace

// Ctrl-C during a cycle stops the training after it, and the closing line counts every
// cycle that ran, the interrupted one included.
TEST_F(StopKey, StopsTrainingAfterTheCycleItWasPressedIn) {
    const std::string shown = outputOf(
        [] {
            // A watcher that is the views alone, its cycles' error 1, always above the limit.
            struct Watcher : Training {
                using Training::Training;
                bool unitEnds(const Progress& now) { return Training::unitEnds(now, HopfieldRun()); }
            } training{"cycle", "cycle error", 0.01};
            trainUnits(training.guard, training, [](int cycle) {
                if (cycle == 3)
                    std::raise(SIGINT);
                return UnitDone{1.0, true};
            });
            training.writeEnd("Training terminated.");
        },
        "");
    EXPECT_EQ(shown, "Training stopped after 3 cycles, as asked.");
}

// Ctrl-C pressed while a pause's picture is drawn stops the training there, as one pressed
// during the cycle's trace does, instead of being forgotten when the pause begins.
TEST_F(StopKey, PressedWhileAPictureIsDrawnStopsTheTraining) {
    Settings stepped;
    stepped.step = true;
    stepped.pictures = true;
    useSettings(stepped);
    bool stopped = false;
    outputOf(
        [&stopped] {
            RunState run;
            const RunScope fresh(run);
            Training training{"cycle", "cycle error"};
            training.unitBegins(1);
            stopped = !pauseAfterDrawing(
                "cycle", 1, [] { return std::string(); }, [] { std::raise(SIGINT); });
        },
        "");
    EXPECT_TRUE(stopped);
}

// The brief trace's line for the units left out counts those that changed the weights as the
// full trace shows them: a perceptron that never settles, run for 40 steps, its weights
// before each step (and after the last) read off the full trace.
TEST(BriefTrace, TheLeftOutLineCountsTheUnitsThatChangedTheWeights) {
    const std::string input = "1\nn\n40\n1\n1\n1 1\n-0.5 1\n3 -1\n-2 -1\n-2.5\n1.75\nq\n";
    const std::string trace = menuOutput(input);
    static const std::regex weights(R"((?:  w\d+: |Final weight values, w =  )(\[ [^\]]* \]))");
    std::vector<std::string> before; // the weights before step s, at s - 1; the final ones last
    for (auto it = std::sregex_iterator(trace.begin(), trace.end(), weights); it != std::sregex_iterator();
         ++it)
        before.push_back((*it)[1]);
    ASSERT_EQ(before.size(), 41u);
    int changed = 0, first = 0, last = 0;
    for (int s = 3; s <= 38; ++s)
        if (before[static_cast<std::size_t>(s)] != before[static_cast<std::size_t>(s - 1)]) {
            ++changed;
            first = first == 0 ? s : first;
            last = s;
        }
    // Two left out, both changing the weights (steps 2 and 3 of the textbook's run).
    EXPECT_THAT(optionsOutput("--brief=1", "1\nn\n4\n1\n1\n1 1\n-0.5 -1\n3 1\n-2 -1\n-2.5\n1.75\nq\n"),
                ::testing::HasSubstr("... 2 steps left out (2 to 3): the weights changed in both ...\n"));
    ASSERT_GT(changed, 6);
    ASSERT_LT(changed, 36);
    EXPECT_THAT(optionsOutput("--brief", input),
                ::testing::HasSubstr("... 36 steps left out (3 to 38): the weights changed in " +
                                     std::to_string(changed) + " of them, from step " +
                                     std::to_string(first) + " to step " + std::to_string(last) + " ...\n"));
}

// A cycle error of exactly the limit ends a training; one above it goes on.
TEST(Guard, ACycleErrorOfExactlyTheLimitEndsTheTraining) {
    const Guard guard{100, 0.01};
    EXPECT_TRUE(guard.due({1, 0.0100001}));
    EXPECT_FALSE(guard.due({1, 0.01}));
}

// A run's scope that ends gives back the run it was begun in.
TEST(RunState, AScopeThatEndsGivesTheRunBeforeItBack) {
    RunState outer, inner;
    const RunScope outerScope(outer);
    {
        const RunScope innerScope(inner);
        EXPECT_EQ(&thisRun(), &inner);
    }
    EXPECT_EQ(&thisRun(), &outer);
}
