// The standard streams: how the program writes its output and reads its answers.
#ifndef NNRULES_CONSOLE_H
#define NNRULES_CONSOLE_H

#include <locale>
#include <string>

// The writer of numbers that standard output uses: doubles in the stream's default
// format (six significant digits, the shorter of fixed and scientific) written without
// going through the C library's printf, which dominates a long trace. Any other
// formatting a stream may ask for is left to the standard writer.
class FastNumberWriter : public std::num_put<char> {
  protected:
    iter_type do_put(iter_type out, std::ios_base& stream, char_type fill, double value) const override;
    iter_type do_put(iter_type out, std::ios_base& stream, char_type fill, long value) const override;
    iter_type do_put(iter_type out, std::ios_base& stream, char_type fill,
                     unsigned long value) const override;

  private:
    template <class Integer>
    iter_type putInteger(iter_type out, std::ios_base& stream, char_type fill, Integer value) const;
};

// Gives standard output the fast writer of numbers and buffers of the program's own for
// both standard streams, untied from C stdio (nothing here writes through stdio). At a
// terminal every line end still writes the line out; to a file or a pipe, output goes in
// blocks, as C's stdio does. Whatever is pending is written before standard input is read,
// so that every prompt is out before its answer is read. When standard output cannot be
// written, the program says so on standard error and ends with status 1.
void setUpConsole();

// Reads the answers from the text instead of standard input, which is never read then.
void answerFrom(const std::string& answers);

// True when standard output is a terminal.
bool outputIsTerminal();

// True when standard input is a terminal. Answers are then read a line at a time with
// readTypedLine, never from std::cin.
bool inputIsTerminal();

// Reads a line typed at the terminal, with line editing (Left, Right, Home, End, Backspace,
// Delete) and the earlier lines of the run on Up and Down. The line that standard output has
// begun, and then terminalPrompt, which only the terminal shows, are its prompt. False when
// the input has ended (Ctrl-D).
bool readTypedLine(std::string& line, const std::string& terminalPrompt = "");

// Clears the screen when standard output is a terminal, keeping the terminal's earlier
// lines in its scrollback; a file or a pipe gets nothing.
void clearScreen();

// Writes out whatever standard output still holds; called once, before the program ends.
void finishOutput();

#endif
