#include "console.h"

#include "numbers.h"
#include "platform/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <list>
#include <string>
#include <utility>
#include <vector>

namespace {

// Says on standard error why a write failed (the reason, or the system's words for the
// error), after the failure's own words ("nnrules: write error: "), and ends the program with
// status 1. When standard error cannot be written either, the status alone says it.
[[noreturn]] void fail(const std::string& failure, const std::string& reason) {
    const std::string message = failure + reason + "\n";
    platform::write(platform::standardError, message.data(), message.size());
    std::_Exit(1);
}

[[noreturn]] void fail(const std::string& failure, int error) {
    fail(failure, std::strerror(error));
}

void writeOrFail(platform::Destination to, const char* bytes, std::size_t count, const std::string& failure) {
    if (!platform::write(to, bytes, count))
        fail(failure, errno);
}

const std::string outputFailure = "nnrules: write error: ";

// Standard output's buffer: written out when full, and whenever standard input is about
// to be read. Where output is shown as it is written, each flush writes out the lines
// ended so far; the line begun and not ended (a prompt) stays, to be shown as the prompt
// of the line typed next.
class OutputBuffer : public std::streambuf {
  public:
    const bool shown = platform::outputIsShown();

    OutputBuffer() { setp(pending, pending + sizeof pending); }

    void writeOut() {
        writeOrFail(platform::standardOutput, pbase(), static_cast<std::size_t>(pptr() - pbase()),
                    outputFailure);
        setp(pending, pending + sizeof pending);
    }

    // The line begun and not yet ended.
    std::string openLine() const { return std::string(openLineStart(), pptr()); }

    // Writes out the lines ended so far and keeps the open one.
    void writeEndedLines() {
        char* const openStart = openLineStart();
        writeOrFail(platform::standardOutput, pbase(), static_cast<std::size_t>(openStart - pbase()),
                    outputFailure);
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

    // The number of the line that the next character read is on.
    long line() const { return linesBefore + std::count(eback(), gptr(), '\n') + 1; }

  protected:
    int underflow() override {
        output.writeOut();
        linesBefore += std::count(eback(), egptr(), '\n');
        const std::size_t got = platform::readInput(received, sizeof received);
        if (got == 0)
            return traits_type::eof();
        setg(received, received, received + got);
        return traits_type::to_int_type(received[0]);
    }

    // A word read whole and given back in part (what follows its number) may have begun in
    // the block read before: what is given back goes before what is at hand, with room made
    // as much again each time, so that a long word is given back at once. (The stream gives
    // back within the buffer by itself; it asks here when nothing before the character at
    // hand is left.)
    int pbackfail(int c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::eof();
        const auto atHand = static_cast<std::size_t>(egptr() - gptr());
        const std::size_t room = std::max<std::size_t>(atHand, 64);
        std::vector<char> grown(room + atHand);
        std::copy(gptr(), egptr(), grown.begin() + static_cast<std::ptrdiff_t>(room));
        givenBack.swap(grown);
        setg(givenBack.data(), givenBack.data() + room, givenBack.data() + room + atHand);
        gbump(-1);
        *gptr() = traits_type::to_char_type(c);
        return c;
    }

  private:
    OutputBuffer& output;
    char received[4096];
    std::vector<char> givenBack;
    long linesBefore = 0; // the line ends read before the characters at hand
};

// Text held until it is written out as a whole: a message for standard error, what a file
// is given between two flushes, what is said to the person typing.
class TextBuffer : public std::streambuf {
  protected:
    std::string pending;

    int overflow(int c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            pending += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pending.append(text, static_cast<std::size_t>(count));
        return count;
    }
};

// Standard error's buffer: each message written out whole when the stream is flushed (it is
// after every insertion); one that cannot be written ends the program with status 1.
class ErrorBuffer : public TextBuffer {
  protected:
    int sync() override {
        if (!platform::write(platform::standardError, pending.data(), pending.size()))
            std::_Exit(1);
        pending.clear();
        return 0;
    }
};

// A file's buffer: written out at each flush, and when the file is closed.
class FileBuffer : public TextBuffer {
  public:
    FileBuffer(platform::Destination file, std::string failureWords)
        : to(file), failure(std::move(failureWords)) {}

    void close();

  protected:
    int sync() override;

  private:
    const platform::Destination to;
    const std::string failure; // what a failure to write it is said with

    // Says the failure after standard output's pending text, which came before it.
    [[noreturn]] void failAfterOutput();
};

// What is said to the person typing at a terminal that does not show standard output: the
// lines ended so far, shown before the next line is read, and the line left open, shown as
// that line's prompt.
class TypistBuffer : public TextBuffer {
  public:
    // Shows the lines ended so far and returns the open one, which it clears.
    std::string showEndedLines() {
        const std::size_t openStart = pending.rfind('\n') + 1;
        platform::showToTypist(pending.substr(0, openStart));
        const std::string open = pending.substr(openStart);
        pending.clear();
        return open;
    }

    // Shows all there is, the open line too: nothing more is read to show it as a prompt.
    void showAll() {
        if (!pending.empty())
            platform::showToTypist(pending);
        pending.clear();
    }
};

// A file written besides standard output, with its stream.
struct OutputFile {
    FileBuffer buffer;
    std::ostream stream{&buffer};

    OutputFile(platform::Destination file, std::string failure) : buffer(file, std::move(failure)) {}
};

// The console's state, made once and never destroyed: the streams use its buffers until
// the very end.
struct Console {
    OutputBuffer output;
    InputBuffer input{output};
    ErrorBuffer errors;
    TypistBuffer typistText;
    std::ostream typistStream{&typistText};
    std::list<OutputFile> files;
    const bool inputTyped = platform::inputIsTyped();
};
Console* console = nullptr;

// The stand-in for the terminal's typing, when there is one, and whether the typed input
// has ended.
Typist typist;
bool typingEnded = false;

// A demo is under way; it is being left: what to say once it has returned.
bool demoUnderWay = false;
bool leaving = false;
std::string farewell;

int FileBuffer::sync() {
    if (!platform::write(to, pending.data(), pending.size()))
        failAfterOutput();
    pending.clear();
    return 0;
}

void FileBuffer::close() {
    sync();
    if (!platform::close(to))
        failAfterOutput();
}

void FileBuffer::failAfterOutput() {
    const int error = errno;
    writePendingOutput();
    fail(failure, error);
}

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

std::string shownWord(const std::string& word) {
    std::string shown;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto byte = static_cast<unsigned char>(word[i]);
        const auto next = static_cast<unsigned char>(word[i + 1]); // after the last, the string's '\0'
        if (byte < 0x20 || byte == 0x7f) {
            shown += std::string("^") + static_cast<char>(byte ^ 0x40);
        } else if (byte == 0xc2 && next >= 0x80 && next < 0xa0) { // U+0080 to U+009F
            shown += std::string("M-^") + static_cast<char>((next - 0x80) ^ 0x40);
            ++i;
        } else {
            shown += word[i];
        }
    }
    return shown;
}

bool outputIsShown() {
    return console && console->output.shown;
}

bool inputIsTyped() {
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
    if (typist)
        platform::noteStopKey();
}

// The stop key stopped a line: the demo under way is left, and the menu's line ends the
// program (where typing is a stand-in's, the typing instead).
void stopLine() {
    platform::forgetStopKey();
    if (demoUnderWay) {
        leaveDemo("Back to the menu.\n");
    } else if (typist) {
        typingEnded = true;
    } else {
        writePendingOutput();
        platform::endByStopKey();
    }
}

void beginDemo() {
    demoUnderWay = true;
}

void leaveDemo(const std::string& words) {
    if (leaving)
        return;
    leaving = true;
    farewell = words;
}

bool leavingDemo() {
    return leaving;
}

bool demoEnded() {
    demoUnderWay = false;
    if (!leaving)
        return false;
    leaving = false;
    std::cout << farewell;
    return true;
}

bool readTypedLine(std::string& line, const std::string& terminalPrompt) {
    if (leaving)
        return false;
    // Once ended, the input stays ended, as a file's does: the prompts still show, each
    // on a line of its own, and the terminal is not asked again.
    if (typist) {
        std::cout << terminalPrompt;
        typingEnded = typingEnded || !typist(line);
        if (!typingEnded && line == "\x03") {
            std::cout << "^C" << std::endl;
            stopLine();
            return false;
        }
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
    const platform::Typed typed = platform::readTypedLine(prompt, line);
    if (typed == platform::Typed::stopped) {
        stopLine();
        return false;
    }
    typingEnded = typed == platform::Typed::ended;
    return !typingEnded;
}

bool stopKeyPressed() {
    return platform::stopKeyPressed();
}

void forgetStopKey() {
    platform::forgetStopKey();
}

long standardInputLine() {
    if (!console || std::cin.rdbuf() != &console->input)
        return 0;
    return console->input.line();
}

void clearScreen() {
    // Home and erase the display, as clear -x does: the earlier lines stay in the scrollback.
    if (outputIsShown())
        std::cout << "\x1b[H\x1b[2J" << std::flush;
}

void writePendingOutput() {
    if (!console)
        return;
    console->output.writeOut();
    console->typistText.showAll();
}

namespace {

// The words a failure to write a file begins with.
std::string cannotWrite(const std::string& what, const std::string& path) {
    return "nnrules: cannot write the " + what + " '" + shownWord(path) + "': ";
}

} // namespace

std::ostream* createOutputFile(const std::string& path, const std::string& what, std::string& why) {
    const platform::Destination file = platform::createFile(path, why);
    if (file == -1)
        return nullptr;
    OutputFile& made = console->files.emplace_back(file, cannotWrite(what, path));
    made.stream.imbue(std::cout.getloc());
    return &made.stream;
}

void writeWholeFile(const std::string& path, const std::string& what, const std::string& text) {
    const std::string failure = cannotWrite(what, path);
    std::string why;
    const platform::Destination file = platform::createFile(path, why);
    if (file == -1) {
        writePendingOutput();
        fail(failure, why);
    }
    FileBuffer buffer(file, failure);
    buffer.sputn(text.data(), static_cast<std::streamsize>(text.size()));
    buffer.close();
}

void closeOutputFile(std::ostream& file) {
    static_cast<FileBuffer*>(file.rdbuf())->close();
}

bool picturesShownBeside() {
    return platform::picturesBesideShown();
}

void showPictureBeside(const std::string& name, const std::string& svg) {
    platform::showPictureBeside(name, svg);
}
