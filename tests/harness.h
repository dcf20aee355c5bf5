// Runs part of the program, or the whole menu loop, on a given input and returns what it
// wrote to standard output; reads the fixtures of expected screens.
#ifndef NNRULES_TESTS_HARNESS_H
#define NNRULES_TESTS_HARNESS_H

#include <functional>
#include <string>

// Runs `run` with `input` as standard input and returns its standard output. Both streams
// are restored, and standard input's state cleared, afterwards.
std::string outputOf(const std::function<void()>& run, const std::string& input);

// The menu loop on `input`, with training runs stopped after `cycleLimit` cycles.
std::string menuOutput(const std::string& input, int cycleLimit = 100000);

// A fixture under screens/: one run through the menu. Its "<" lines are typed (the first
// is the menu choice), a "cycle limit: N" line stops its training runs after N cycles, "#"
// lines say what it shows, and the rest is the screen, in which a "[menu]" line stands for
// the menu and its prompt, as the fixture menu-quit shows them. A fixture that cannot be
// read throws.
struct Fixture {
    std::string input;
    int cycleLimit = 100000;
    std::string screen;
};
Fixture readFixture(const std::string& name);

#endif
