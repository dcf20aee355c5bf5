// Feeds arbitrary bytes to the program as its command line and standard input: whatever is
// given, the program must end without a crash, a leak or undefined behaviour.
//
// A first line that begins with - is the command line (its words split at blanks), so that the
// input chooses the options too: the menu or one demo, explained, stepped, echoed, brief, an
// exercise and its seed, its problem alone, quizzed, with pictures. The word "typed" there
// types the rest at the terminal's stand-in, a line at a time; a word "-" alone is dropped
// (a first line "- typed" types the menu's choices). The rest of the input is what
// is typed. Standard output is left failed, so that every write is dropped before any
// formatting: the demos' own logic runs in full at a fraction of the cost.
#include "console/console.h"
#include "demos/demos.h"
#include "menu.h"
#include "options.h"
#include "settings.h"

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Reads the options from the input's command line, when it has one, and leaves the rest of
// the input in `input`; false when the command line asks for no run (--help) or is refused.
bool readCommandLine(std::string& input, Options& options, bool& typed) {
    std::vector<std::string> words = {"nnrules"};
    if (!input.empty() && input[0] == '-') {
        const std::size_t end = input.find('\n');
        std::istringstream line(input.substr(0, end));
        input = end == std::string::npos ? "" : input.substr(end + 1);
        for (std::string word; line >> word;)
            if (word == "typed")
                typed = true;
            else if (word != "-")
                words.push_back(word);
    }
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    options = parseOptions(static_cast<int>(words.size()), argv.data());
    // No file is written, and no training runs long enough to time an input out.
    options.settings.curveFile.clear();
    options.settings.cycleLimit = 2000;
    return options.action == Options::Action::Menu || options.action == Options::Action::Demo;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool consoleReady = (setUpConsole(), true);
    (void)consoleReady;
    std::string text(reinterpret_cast<const char*>(data), size);
    Options options;
    bool typed = false;
    if (!readCommandLine(text, options, typed))
        return 0;
    std::istringstream input(text);
    if (typed)
        typeAtTerminal([&input](std::string& line) { return static_cast<bool>(std::getline(input, line)); });
    std::ostringstream discarded;
    std::streambuf* const savedIn = std::cin.rdbuf(input.rdbuf());
    std::streambuf* const savedOut = std::cout.rdbuf(discarded.rdbuf());
    std::cin.clear();
    std::cout.setstate(std::ios::badbit);
    if (options.action == Options::Action::Demo)
        runDemo(*options.demo, options.settings);
    else
        runMenu(options.settings);
    typeAtTerminal(nullptr);
    std::cout.clear();
    std::cin.rdbuf(savedIn);
    std::cout.rdbuf(savedOut);
    std::cin.clear();
    return 0;
}
