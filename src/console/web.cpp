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

// Waits for a line to be typed after the prompt: its length in bytes, to be taken with
// takeTypedLine, or -1 when the input has ended (Ctrl-D).
EM_ASYNC_JS(int, typeLineOnPage, (const char* prompt), {
    return await Module.page.readLine(UTF8ToString(prompt));
});

EM_JS(void, takeTypedLine, (char* into, std::size_t size), {
    stringToUTF8(Module.page.takeLine(), into, size);
});

EM_JS(void, watchInterruptOnPage, (bool watched), {
    Module.page.watchInterrupt(watched);
});

EM_JS(bool, interruptPressedOnPage, (), {
    return Module.page.interruptPressed();
});

// True once Ctrl-C has ended the program: pressed outside a training, or twice in one.
EM_JS(bool, endPressedOnPage, (), {
    return Module.page.endPressed();
});
// clang-format on

// The status of a program that Ctrl-C ended, as a shell reports it.
constexpr int interruptedStatus = 130;

// Output is handed to the page in pieces of many lines, not line by line: each hand-over
// costs the page a decoding and a call into its terminal, which draws a frame at a time
// anyway.
std::string pendingOutput;

void showPendingOutput() {
    if (!pendingOutput.empty())
        showOnPage(pendingOutput.data(), pendingOutput.size());
    pendingOutput.clear();
}

// The page's keys and drawing run only while the program waits, so a long run waits a
// moment every so often: the terminal draws what it has been given, Ctrl-C is seen, and
// the tab never stops answering.
constexpr double yieldInterval = 50; // milliseconds
double lastYield = 0;

void yieldToPage() {
    if (emscripten_get_now() - lastYield < yieldInterval)
        return;
    showPendingOutput();
    emscripten_sleep(0);
    lastYield = emscripten_get_now();
    if (endPressedOnPage())
        std::_Exit(interruptedStatus);
}

} // namespace

void platform::setUp() {
    // What the program wrote last is shown when it ends.
    std::atexit(showPendingOutput);
    lastYield = emscripten_get_now();
}

bool platform::inputIsTyped() {
    return true;
}

bool platform::outputIsShown() {
    return true;
}

bool platform::writeOutput(const char* bytes, std::size_t count) {
    pendingOutput.append(bytes, count);
    yieldToPage();
    return true;
}

void platform::writeError(const std::string& text) {
    showPendingOutput();
    showErrorOnPage(text.c_str());
}

std::size_t platform::readInput(char*, std::size_t) {
    return 0;
}

bool platform::readTypedLine(const std::string& prompt, std::string& line) {
    showPendingOutput();
    const int length = typeLineOnPage(prompt.c_str());
    lastYield = emscripten_get_now();
    if (endPressedOnPage())
        std::_Exit(interruptedStatus);
    if (length < 0)
        return false;
    line.resize(static_cast<std::size_t>(length) + 1);
    takeTypedLine(line.data(), line.size());
    line.resize(static_cast<std::size_t>(length));
    return true;
}

void platform::watchInterrupt(bool watched) {
    watchInterruptOnPage(watched);
}

bool platform::interruptAsked() {
    yieldToPage();
    return interruptPressedOnPage();
}
