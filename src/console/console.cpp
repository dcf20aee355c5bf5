#include "console.h"

#include "numbers.h"
#include "platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {

// Standard output or error cannot be written: the program says so where it still can, and
// its status says so in any case.
[[noreturn]] void failWriting(int error) {
    platform::writeError(std::string("nnrules: write error: ") + std::strerror(error) + "\n");
    std::_Exit(1);
}

void writeAll(const char* from, const char* to) {
    if (!platform::writeOutput(from, static_cast<std::size_t>(to - from)))
        failWriting(errno);
}

// Standard output's buffer: written out when full, and whenever standard input is about
// to be read. Where output is shown as it is written, each flush writes out the lines
// ended so far; the line begun and not ended (a prompt) stays, to be shown as the prompt
// of the line typed next.
class OutputBuffer : public std::streambuf {
  public:
    const bool shown = platform::outputIsShown();

    OutputBuffer() { setp(pending, pending + sizeof pending); }

    void writeOut() {
        writeAll(pbase(), pptr());
        setp(pending, pending + sizeof pending);
    }

    // The line begun and not yet ended.
    std::string openLine() const { return std::string(openLineStart(), pptr()); }

    // Writes out the lines ended so far and keeps the open one.
    void writeEndedLines() {
        char* const openStart = openLineStart();
        writeAll(pbase(), openStart);
        const std::ptrdiff_t kept = pptr() - openStart;
        std::memmove(pending, openStart, static_cast<std::size_t>(kept));
        setp(pending, pending + sizeof pending);
        pbump(static_cast<int>(kept));
    }

    // Drops the open line, which the line editor shows as its prompt instead.
    void dropOpenLine() { pbump(-static_cast<int>(pptr() - openLineStart())); }

  protected:
    // The texts and numbers of a trace are short: a plain copy is quicker than a call.
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        if (count > epptr() - pptr())
            return std::streambuf::xsputn(text, count);
        char* out = pptr();
        for (const char* const end = text + count; text != end;)
            *out++ = *text++;
        pbump(static_cast<int>(count));
        return count;
    }
    int overflow(int c) override {
        writeOut();
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override {
        if (shown)
            writeEndedLines();
        return 0;
    }

  private:
    char pending[1 << 14];

    char* openLineStart() const {
        char* start = pptr();
        while (start > pbase() && start[-1] != '\n')
            --start;
        return start;
    }
};

// Standard input's buffer: writes out what standard output holds before each read.
class InputBuffer : public std::streambuf {
  public:
    explicit InputBuffer(OutputBuffer& pairedOutput) : output(pairedOutput) {}

  protected:
    int underflow() override {
        output.writeOut();
        const std::size_t got = platform::readInput(received, sizeof received);
        if (got == 0)
            return traits_type::eof();
        setg(received, received, received + got);
        return traits_type::to_int_type(received[0]);
    }

  private:
    OutputBuffer& output;
    char received[4096];
};

// Standard error's buffer: each message written out whole when the stream is flushed (it is
// after every insertion), and a message that cannot be written fails the program as output
// that cannot be written does.
class ErrorBuffer : public std::streambuf {
  protected:
    int overflow(int c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            pending += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pending.append(text, static_cast<std::size_t>(count));
        return count;
    }
    int sync() override {
        if (!pending.empty() && !platform::writeError(pending))
            std::_Exit(1);
        pending.clear();
        return 0;
    }

  private:
    std::string pending;
};

// What is said to the person typing at a terminal that does not show standard output: the
// lines ended so far, shown before the next line is read, and the line left open, shown as
// that line's prompt.
class TypistBuffer : public std::streambuf {
  public:
    // Shows the lines ended so far and returns the open one, which it clears.
    std::string showEndedLines() {
        const std::size_t openStart = pending.rfind('\n') + 1;
        if (openStart > 0)
            platform::showToTypist(pending.substr(0, openStart));
        const std::string open = pending.substr(openStart);
        pending.clear();
        return open;
    }

  protected:
    int overflow(int c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            pending += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pending.append(text, static_cast<std::size_t>(count));
        return count;
    }

  private:
    std::string pending;
};

// The console's state, made once and never destroyed: the streams use its buffers until
// the very end.
struct Console {
    OutputBuffer output;
    InputBuffer input{output};
    ErrorBuffer errors;
    TypistBuffer typistText;
    std::ostream typistStream{&typistText};
    const bool inputTyped = platform::inputIsTyped();
};
Console* console = nullptr;

// The stand-in for the terminal's typing, when there is one, and whether the typed input
// has ended.
Typist typist;
bool typingEnded = false;

} // namespace

void setUpConsole() {
    platform::setUp();
    std::ios_base::sync_with_stdio(false);
    console = new Console;
    std::cout.rdbuf(&console->output);
    std::cin.rdbuf(&console->input);
    std::cerr.rdbuf(&console->errors);
    std::cout.imbue(std::locale(std::locale::classic(), new FastNumberWriter));
    console->typistStream.imbue(std::cout.getloc());
}

bool outputIsTerminal() {
    return console && console->output.shown;
}

bool inputIsTerminal() {
    return typist || (console && console->inputTyped);
}

std::ostream& toTypist() {
    if (typist || !console || !console->inputTyped || console->output.shown)
        return std::cout;
    return console->typistStream;
}

void typeAtTerminal(Typist lines) {
    typist = std::move(lines);
    typingEnded = false;
}

bool readTypedLine(std::string& line, const std::string& terminalPrompt) {
    // Once ended, the input stays ended, as a file's does: the prompts still show, each
    // on a line of its own, and the terminal is not asked again.
    if (typist) {
        std::cout << terminalPrompt;
        typingEnded = typingEnded || !typist(line);
        std::cout << (typingEnded ? "" : line) << std::endl;
        return !typingEnded;
    }
    OutputBuffer& output = console->output;
    if (typingEnded) {
        std::cout << terminalPrompt << std::endl;
        return false;
    }
    const std::string prompt = output.openLine() + console->typistText.showEndedLines() + terminalPrompt;
    if (output.shown)
        output.dropOpenLine();
    output.writeOut();
    typingEnded = !platform::readTypedLine(prompt, line);
    return !typingEnded;
}

void catchStopKey(bool caught) {
    platform::watchInterrupt(caught);
}

bool stopKeyPressed() {
    return platform::interruptAsked();
}

void clearScreen() {
    // Home and erase the display, as clear -x does: the earlier lines stay in the scrollback.
    if (outputIsTerminal())
        std::cout << "\x1b[H\x1b[2J" << std::flush;
}

void writePendingOutput() {
    if (console)
        console->output.writeOut();
}
