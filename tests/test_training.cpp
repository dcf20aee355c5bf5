// What the demos that learn share, where no fixture can reach: a stop key pressed at a
// moment that typed lines cannot choose.
#include "console/console.h"
#include "demos/training.h"
#include "harness.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

// A training at a terminal, where the stop key is watched; every line typed is empty.
class AtATerminal : public ::testing::Test {
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
TEST_F(AtATerminal, TheStopKeyStopsTrainingAfterTheCycleItWasPressedIn) {
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
TEST_F(AtATerminal, TheStopKeyPressedWhileAPictureIsDrawnStopsTheTraining) {
    Settings stepped;
    stepped.step = true;
    stepped.pictures = true;
    useSettings(stepped);
    bool stopped = false;
    outputOf(
        [&stopped] {
            startPacing();
            Training training{"cycle", "cycle error"};
            training.unitBegins(1);
            stopped = !pauseAfterDrawing(
                "cycle", 1, [] { return std::string(); }, [] { std::raise(SIGINT); });
        },
        "");
    EXPECT_TRUE(stopped);
}
