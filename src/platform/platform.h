// What the console needs of the place the program runs in: a terminal of the system
// (system.cpp and lineedit.cpp) or a web page (web.cpp). Each build compiles one of them;
// nothing above the console knows which.
#ifndef NNRULES_PLATFORM_PLATFORM_H
#define NNRULES_PLATFORM_PLATFORM_H

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

// Where bytes are written: standard output, standard error, or a file the program made.
using Destination = int;
constexpr Destination standardOutput = 1;
constexpr Destination standardError = 2;

// Makes a new, empty file to write: where it is written, or -1 with `why` saying why not.
// A file that is the program's own standard input, output or error (other than a device
// such as a terminal) is refused: writing it would overwrite the input, or mix with the
// program's own lines.
Destination createFile(const std::string& path, std::string& why);

// Writes the bytes; false, with errno saying why, when they cannot all be written.
bool write(Destination to, const char* bytes, std::size_t count);

// Closes a file that createFile made; false, with errno saying why, when it fails.
bool close(Destination file);

// The page's panel of pictures beside its terminal: whether it is shown, and a picture (an
// SVG document) shown in it, in place of an earlier one of the same kind. A system's
// terminal has none.
bool picturesBesideShown();
void showPictureBeside(const std::string& name, const std::string& svg);

// Shows the text on the terminal that standard input is typed at, when standard output
// goes elsewhere.
void showToTypist(const std::string& text);

// Reads at most count bytes of standard input: how many were read, 0 at its end.
std::size_t readInput(char* into, std::size_t count);

// Shows the prompt and reads a line typed by the person, with line editing and the
// earlier lines of the run on Up: a line, the end of the input (Ctrl-D), or the stop key
// (Ctrl-C) pressed while the line was typed, or before it was asked for. The line shown
// ends with "^C" then.
enum class Typed { line, ended, stopped };
Typed readTypedLine(const std::string& prompt, std::string& line);

// Where input is typed, the stop key (Ctrl-C) does not end the program at once: it is noted,
// which stopKeyPressed() says until the program has acted on it (forgetStopKey()), and ends
// the program only when pressed again before that.
bool stopKeyPressed();
void forgetStopKey();

// Notes the stop key from now on, as setUp does where input is typed: for a stand-in of the
// typing.
void noteStopKey();

// Ends the program as the stop key ends it (with the status a shell reports for Ctrl-C).
[[noreturn]] void endByStopKey();

} // namespace platform

#endif
