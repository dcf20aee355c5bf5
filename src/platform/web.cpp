// The program in a web page: what it writes goes to the page's terminal, its lines are
// typed and edited in the page, and Ctrl-C there asks the training under way to stop.
// The page's side of each call is in web/page.js, reached through the module's `page`.
#include "platform.h"

#include <cstdlib>
#include <emscripten.h>
#include <string>

namespace {

// The bodies are the page's JavaScript, kept as written.
// clang-format off
EM_JS(void, showOnPage, (const char* bytes, std::size_t count), {
    Module.page.show(HEAPU8.subarray(bytes, bytes + count));
});

EM_JS(void, showErrorOnPage, (const char* text), {
    Module.page.showError(UTF8ToString(text));
});

// Shows the prompt and lets the page's keys edit a line after it.
EM_JS(void, beginLineOnPage, (const char* prompt), {
    Module.page.beginLine(UTF8ToString(prompt));
});

// The typed line's length in bytes once Enter has ended it, to be taken with takeTypedLine;
// -1 when the input has ended (Ctrl-D), -2 while the line is being typed, -3 when Ctrl-C
// stopped it.
EM_JS(int, typedLineLength, (), {
    return Module.page.typedLineLength();
});

EM_JS(void, takeTypedLine, (char* into, std::size_t size), {
    stringToUTF8(Module.page.takeLine(), into, size);
});

// Ctrl-C pressed and not yet acted on.
EM_JS(bool, interruptPressedOnPage, (), {
    return Module.page.interruptPressed();
});

EM_JS(void, forgetInterruptOnPage, (), {
    Module.page.forgetInterrupt();
});

// True once Ctrl-C has ended the program: pressed again before the first was acted on.
EM_JS(bool, endPressedOnPage, (), {
    return Module.page.endPressed();
});
// The panel of pictures beside the terminal, when the student has it shown.
EM_JS(bool, picturesBesideShownOnPage, (), {
    return Module.page.picturesShown();
});

EM_JS(void, showPictureOnPage, (const char* name, const char* svg), {
    Module.page.showPicture(UTF8ToString(name), UTF8ToString(svg));
});
// clang-format on

// The status of a program that Ctrl-C ended, as a shell reports it.
constexpr int interruptedStatus = 130;

// What typedLineLength says while the line is being typed, and when Ctrl-C stopped it.
constexpr int lineBeingTyped = -2;
constexpr int lineStopped = -3;

// Output is handed to the page in pieces of many lines, not line by line: each hand-over
// costs the page a decoding and a call into its terminal, which draws a frame at a time
// anyway.
std::string pendingOutput;

void showPendingOutput() {
    if (!pendingOutput.empty())
        showOnPage(pendingOutput.data(), pendingOutput.size());
    pendingOutput.clear();
}

// The page's keys and drawing run only while the program waits, so a training waits a
// moment every so often, when it asks whether Ctrl-C was pressed: the terminal draws what it
// has been given, Ctrl-C is seen, and the tab never stops answering. Writing never waits: the
// streams reach it through calls by pointer, which the build leaves unable to wait.
constexpr double yieldInterval = 50; // milliseconds
constexpr unsigned typingPoll = 10;  // milliseconds
double lastYield = 0;

// Set once the program has begun to end: the runtime, ending, cannot wait any more, and
// whatever is written then (the streams flushed as they are destroyed) is shown at once.
bool ending = false;

void endOutput() {
    ending = true;
    showPendingOutput();
}

void yieldToPage() {
    if (ending || emscripten_get_now() - lastYield < yieldInterval)
        return;
    showPendingOutput();
    emscripten_sleep(0);
    lastYield = emscripten_get_now();
    if (endPressedOnPage())
        std::_Exit(interruptedStatus);
}

} // namespace

void platform::setUp() {
    std::atexit(endOutput);
    lastYield = emscripten_get_now();
}

bool platform::inputIsTyped() {
    return true;
}

bool platform::outputIsShown() {
    return true;
}

// The page keeps no files: the learning curves are for a program that plots them.
platform::Destination platform::createFile(const std::string&, std::string& why) {
    why = "the page keeps no files";
    return -1;
}

bool platform::write(Destination to, const char* bytes, std::size_t count) {
    if (to == standardError) {
        showPendingOutput();
        showErrorOnPage(std::string(bytes, count).c_str());
        return true;
    }
    pendingOutput.append(bytes, count);
    if (ending)
        showPendingOutput();
    return true;
}

bool platform::close(Destination) {
    return true;
}

// The page shows standard output where the keys are typed: nothing is said apart.
void platform::showToTypist(const std::string& text) {
    platform::write(standardOutput, text.data(), text.size());
}

std::size_t platform::readInput(char*, std::size_t) {
    return 0;
}

platform::Typed platform::readTypedLine(const std::string& prompt, std::string& line) {
    showPendingOutput();
    // Pressed before the line was asked for, Ctrl-C stops it as one pressed while it is typed.
    if (interruptPressedOnPage())
        return Typed::stopped;
    beginLineOnPage(prompt.c_str());
    // The program sleeps while the line is typed, waking now and then to see whether it is
    // done: the runtime sees the program end (and the page hears of it) only when it wakes
    // from a sleep of its own, not when a promise of the page's resumes it.
    int length;
    while ((length = typedLineLength()) == lineBeingTyped && !endPressedOnPage())
        emscripten_sleep(typingPoll);
    lastYield = emscripten_get_now();
    if (endPressedOnPage())
        std::_Exit(interruptedStatus);
    if (length == lineStopped)
        return Typed::stopped;
    if (length < 0)
        return Typed::ended;
    line.resize(static_cast<std::size_t>(length) + 1);
    takeTypedLine(line.data(), line.size());
    line.resize(static_cast<std::size_t>(length));
    return Typed::line;
}

bool platform::stopKeyPressed() {
    yieldToPage();
    return interruptPressedOnPage();
}

// The page notes Ctrl-C itself.
void platform::noteStopKey() {}

void platform::forgetStopKey() {
    forgetInterruptOnPage();
}

void platform::endByStopKey() {
    std::_Exit(interruptedStatus);
}

bool platform::picturesBesideShown() {
    return picturesBesideShownOnPage();
}

void platform::showPictureBeside(const std::string& name, const std::string& svg) {
    showPictureOnPage(name.c_str(), svg.c_str());
}
