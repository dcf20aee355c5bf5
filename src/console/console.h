// The standard streams: how the program writes its output and reads its answers.
#ifndef NNRULES_CONSOLE_CONSOLE_H
#define NNRULES_CONSOLE_CONSOLE_H

#include <functional>
#include <iosfwd>
#include <string>

// Gives standard output the fast writer of numbers and buffers of the program's own for
// the standard streams, untied from C stdio (nothing here writes through stdio). Where
// output is shown as it is written (a terminal) every line end writes the line out; to a
// file or a pipe, output goes in blocks, as C's stdio does. Whatever is pending is written
// before standard input is read, so that every prompt is out before its answer is read.
// When standard output or error cannot be written, the program says so where it can and
// ends with status 1.
void setUpConsole();

// True when standard output is shown to a person as it is written (a terminal, the page).
bool outputIsShown();

// True when standard input is typed by a person (a terminal, the page). Answers are then
// read a line at a time with readTypedLine, never from std::cin.
bool inputIsTyped();

// Where what is said to the person typing goes: refusals of what they typed, a prompt asked
// again, a pause's question. That is standard output, unless they type at a terminal that
// does not show standard output (it goes to a file): then it is the terminal alone, and the
// line it leaves open is shown as the prompt of the line typed next.
std::ostream& toTypist();

// Text from outside (a word typed or read from a file, the command line, the page's address)
// as it may be written back: a control character as ^ and a letter (ESC as ^[, NUL as ^@,
// DEL as ^?), and one of the C1 controls of UTF-8 as M- and that, so that no word can move
// the cursor, clear the screen or hide what the program says.
std::string shownWord(const std::string& word);

// Reads a line typed at the terminal, with line editing (Left, Right, Home, End, Backspace,
// Delete) and the earlier lines of the run on Up and Down. The line that standard output has
// begun, and then terminalPrompt, which only the terminal shows, are its prompt. False when
// the input has ended (Ctrl-D); it then stays ended. False too when the stop key (Ctrl-C)
// stopped the line: a demo under way is then left ("Back to the menu."), and at the menu
// the program ends.
bool readTypedLine(std::string& line, const std::string& terminalPrompt = "");

// Takes the lines typed at the terminal from `typist` instead, which gives the next line
// or false at the end of input; the terminal is then shown as standard output: each line
// after its prompt, as the terminal echoes it, and a line of Ctrl-C alone (\x03) as the stop
// key pressed at its prompt. For tests; an empty typist ends this.
using Typist = std::function<bool(std::string& line)>;
void typeAtTerminal(Typist typist);

// Begins a demo: from now until demoEnded(), the stop key pressed at a prompt leaves it.
void beginDemo();

// Leaves the demo under way: from now until it has returned, nothing more is read (a read
// ends as at the end of the input, changing nothing), and the demo, its dialog, its training
// and its views, asking leavingDemo(), write nothing more and return at once. The farewell is
// written after it: for an exercise's problem shown alone, and when the student leaves the demo.
void leaveDemo(const std::string& farewell);
bool leavingDemo();

// The demo has returned: reading and writing go on as before it was left. True when it was
// left, its farewell written.
bool demoEnded();

// Where input is typed, the stop key (Ctrl-C) asks the training under way to stop, which
// stopKeyPressed() then says until the program has acted on it (forgetStopKey()); pressed at
// a prompt it stops the line (above); pressed a second time before the first was acted on,
// it ends the program. Elsewhere it ends the program at once.
bool stopKeyPressed();
void forgetStopKey();

// The number, from 1, of the line of standard input that the next read begins on; 0 when
// standard input is not the program's own (a test's).
long standardInputLine();

// Clears the screen when standard output is a terminal, keeping the terminal's earlier
// lines in its scrollback; a file or a pipe gets nothing.
void clearScreen();

// Writes out whatever standard output still holds, the line begun included, and shows what
// is still to be said to the person typing: before the program ends, and before a message
// goes to standard error.
void writePendingOutput();

// Whether a panel of pictures is shown beside the screen (the web page's), and a picture
// (an SVG document) shown there, in place of the earlier one of its name's kind.
bool picturesShownBeside();
void showPictureBeside(const std::string& name, const std::string& svg);

// A file the program writes besides its output (the curve file), made new and empty: its
// stream, or nullptr with `why` saying why it cannot be made. What is written to it goes out
// at each flush; a write that fails ends the program with status 1, saying "nnrules: cannot
// write the <what> '<path>': <reason>" on standard error.
std::ostream* createOutputFile(const std::string& path, const std::string& what, std::string& why);

// Makes the file new and writes the text into it, whole; a file that cannot be made or
// written ends the program as a failed write of the curve file does.
void writeWholeFile(const std::string& path, const std::string& what, const std::string& text);

// Writes out what the file still holds and closes it; a failure ends the program as a
// failed write does.
void closeOutputFile(std::ostream& file);

#endif
