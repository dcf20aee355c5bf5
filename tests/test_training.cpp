// What the demos that learn share, where no fixture can reach: a stop key pressed at a
// moment that typed lines cannot choose.
#include "console/console.h"
#include "demos/training.h"
#include "harness.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <csignal>

// Ctrl-C pressed while a pause's picture is drawn stops the training there, as one pressed
// during the cycle's trace does, instead of being forgotten when the pause begins.
TEST(Training, TheStopKeyPressedWhileAPictureIsDrawnStopsTheTraining) {
    Settings stepped;
    stepped.step = true;
    stepped.pictures = true;
    useSettings(stepped);
    typeAtTerminal([](std::string& line) {
        line.clear();
        return true;
    });
    bool stopped = false;
    outputOf(
        [&stopped] {
            startPacing();
            Training training{"cycle", "cycle error"};
            training.goesOn();
            training.start();
            stopped = !pauseAfterDrawing("cycle", 1, [] { std::raise(SIGINT); });
            watchStopKey(false);
        },
        "");
    typeAtTerminal(nullptr);
    useSettings(Settings());
    EXPECT_TRUE(stopped);
}
