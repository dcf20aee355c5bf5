// Lines typed at a terminal, edited with libedit where it can be loaded, and read as the
// terminal gives them where it cannot.
#include "platform.h"
#include "system.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

// libedit, loaded the first time a line is typed, so that a run without a terminal does
// not pay for loading it; with it the functions and settings taken from it.
struct LineEditor {
    char* (*readline)(const char* prompt) = nullptr;
    int (*addHistory)(const char* line) = nullptr;
    FILE** output = nullptr;                                     // where it shows what it edits
    char* (**completion)(const char* word, int state) = nullptr; // what Tab completes
    int* catchesSignals = nullptr; // whether it handles Ctrl-C itself: the program does
};

// Tab completes nothing: an answer is a number, not a file name.
char* noCompletion(const char*, int) {
    return nullptr;
}

// Where the editor shows the prompt and the line: the terminal, even when standard output
// goes to a file, so that nothing of the editing reaches the file.
FILE* screen() {
    if (isatty(STDOUT_FILENO))
        return stdout;
    static FILE* const terminal = std::fopen("/dev/tty", "w");
    return terminal ? terminal : stderr;
}

// Ends the line on the screen, with the text: the input ended on it (Ctrl-D) or the stop key
// (Ctrl-C) stopped it, and what comes next starts a new line.
void endScreenLine(const char* text = "") {
    std::fputs(text, screen());
    std::fputs("\n", screen());
    std::fflush(screen());
}

// Shows the prompt, then reads a line as the terminal gives it. nullptr at the end of the
// input; the line is the caller's to free.
char* readPlainLine(const char* prompt) {
    std::fputs(prompt, screen());
    std::fflush(screen());
    std::string line;
    char c = 0;
    ssize_t got;
    while ((got = read(STDIN_FILENO, &c, 1)) > 0 && c != '\n')
        line += c;
    if (got <= 0 && !platform::stopKeyPressed())
        endScreenLine();
    return got <= 0 && line.empty() ? nullptr : strdup(line.c_str());
}

const LineEditor& lineEditor() {
    static const LineEditor editor = [] {
        // Keys beyond ASCII (a pasted minus sign, say) reach the line as the characters they
        // are, to be refused as no number; numbers are still written and read as in C.
        std::setlocale(LC_CTYPE, "");
        LineEditor loaded;
        void* const library = dlopen("libedit.so.2", RTLD_NOW);
        if (library) {
            loaded.readline = reinterpret_cast<char* (*)(const char*)>(dlsym(library, "readline"));
            loaded.addHistory = reinterpret_cast<int (*)(const char*)>(dlsym(library, "add_history"));
            loaded.output = static_cast<FILE**>(dlsym(library, "rl_outstream"));
            loaded.completion =
                static_cast<char* (**)(const char*, int)>(dlsym(library, "rl_completion_entry_function"));
            loaded.catchesSignals = static_cast<int*>(dlsym(library, "rl_catch_signals"));
        }
        // A library that lacks any of them is no line editor.
        if (!loaded.readline || !loaded.addHistory || !loaded.output || !loaded.completion)
            return LineEditor{readPlainLine};
        *loaded.output = screen();
        *loaded.completion = noCompletion;
        if (loaded.catchesSignals)
            *loaded.catchesSignals = 0;
        return loaded;
    }();
    return editor;
}

} // namespace

void platform::showToTypist(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), screen());
    std::fflush(screen());
}

platform::Typed platform::readTypedLine(const std::string& prompt, std::string& line) {
    const LineEditor& editor = lineEditor();
    // Pressed before the line was asked for, Ctrl-C stops it as one pressed while it is typed.
    if (stopKeyPressed())
        return Typed::stopped;
    catchStopKey(false);
    char* const typed = editor.readline(prompt.c_str());
    catchStopKey(true);
    if (stopKeyPressed()) {
        std::free(typed);
        // The terminal shows the key itself where it echoes what is typed, as it does when
        // there is no line editor.
        endScreenLine(editor.readline == readPlainLine ? "" : "^C");
        return Typed::stopped;
    }
    if (!typed) {
        if (editor.readline != readPlainLine)
            endScreenLine();
        return Typed::ended;
    }
    line = typed;
    std::free(typed);
    if (!line.empty() && editor.addHistory)
        editor.addHistory(line.c_str());
    return Typed::line;
}
