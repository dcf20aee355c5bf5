// Runs part of the program, or the whole menu loop, on a given input and returns what it
// wrote to standard output; reads the fixtures of expected screens.
#ifndef NNRULES_TESTS_HARNESS_H
#define NNRULES_TESTS_HARNESS_H

#include "settings.h"

#include <functional>
#include <string>
#include <vector>

// Runs `run` with `input` as standard input and returns its standard output. Both streams
// are restored, and standard input's state cleared, afterwards.
std::string outputOf(const std::function<void()>& run, const std::string& input);

// What the shell command line writes to standard output, run by sh without a terminal; its
// exit status into `status` where one is given (-1 when a signal ended it).
std::string shellOutput(const std::string& commandLine, int* status = nullptr);

// A run of the menu loop: its input, its settings, and whether it is typed at a terminal.
struct Demo;
struct MenuRun {
    std::string input;
    Settings settings;          // as the command line sets them
    bool typed = false;         // the input is typed at a terminal, a line each, and shown so
    const Demo* demo = nullptr; // the demo the command line names, run alone (not the menu)
};
std::string menuOutput(const MenuRun& run);
std::string menuOutput(const std::string& input, int cycleLimit = 100000);

// A run with the options of a command line ("-d --quiz=3 sdpta", as a fixture's "options:"
// line gives them): the menu loop, or the demo they name alone.
std::string optionsOutput(const std::string& options, const std::string& input = "", int cycleLimit = 100000);

// A fixture under screens/: one run through the menu, or of the demo its options name (its
// sheet, its key). "<" lines are typed (the first is
// the menu choice); "cycle limit: N", "options: -p -s --brief" and "typed at a terminal"
// lines set the run; "#" lines say what it shows; the rest is the screen, where a line
// beginning "[menu]" stands for the menu fixture menu-quit shows, the rest of the line
// after its prompt. A screen whose first line begins "$ " is a shell session (the runner of
// the fixtures runs it). A fixture that cannot be read throws.
struct Fixture : MenuRun {
    std::string screen;
};
Fixture readFixture(const std::string& name);

// Writes the screen into the fixture in place of the one it holds, its header kept, each part
// between two "[...]" taken from where it stands on the screen, and the menu as "[menu]": the
// change to review is then the fixture's difference.
void rewriteFixture(const std::string& name, const std::string& screen);

// A new, empty folder of this test process's own, named by `name`: its path.
std::string freshFolder(const std::string& name);

// The whole text of a file; empty where it cannot be read.
std::string fileText(const std::string& path);

// The lines of a text, the last one after its last line end included (empty if it ends so).
std::vector<std::string> linesOf(const std::string& text);

// Where the screen first differs from the expected one, where a line "[...]" stands for any
// number of lines: the line, and the lines around it; empty when it does not differ.
std::string screenDifference(const std::string& expected, const std::string& screen);

#endif
