// What the console needs of the place the program runs in: a terminal of the system
// (system.cpp and lineedit.cpp) or a web page (web/platform.cpp). Each build compiles one of them;
// nothing outside the console knows which.
#ifndef NNRULES_CONSOLE_PLATFORM_H
#define NNRULES_CONSOLE_PLATFORM_H

#include <cstddef>
#include <string>

namespace platform {

// Makes sure that standard input, output and error are open before the program opens
// anything, so that no file it opens takes their place.
void setUp();

// True when standard input is typed by a person (a terminal, or the page's keyboard).
bool inputIsTyped();

// True when standard output is shown to a person as it is written (a terminal, or the page).
bool outputIsShown();

// Writes the bytes to standard output; false, with errno saying why, when it cannot.
bool writeOutput(const char* bytes, std::size_t count);

// Writes the text to standard error; false, with errno saying why, when it cannot.
bool writeError(const std::string& text);

// Shows the text on the terminal that standard input is typed at, when standard output
// goes elsewhere.
void showToTypist(const std::string& text);

// Reads at most count bytes of standard input: how many were read, 0 at its end.
std::size_t readInput(char* into, std::size_t count);

// Shows the prompt and reads a line typed by the person, with line editing and the
// earlier lines of the run on Up. False when the input has ended.
bool readTypedLine(const std::string& prompt, std::string& line);

// While watched, the interrupt key (Ctrl-C) asks the training under way to stop instead
// of ending the program; pressed again before it has stopped, it ends the program.
void watchInterrupt(bool watched);
bool interruptAsked();

} // namespace platform

#endif
