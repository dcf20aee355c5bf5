// Feeds arbitrary bytes to the program as its command line and standard input: whatever is
// given, the program must end without a crash, a leak or undefined behaviour.
//
// A first line that begins with - is the command line (its words split at blanks), so that the
// input chooses the options too: the menu or one demo, explained, stepped, echoed, brief, an
// exercise and its seed, its problem alone, quizzed, with pictures, as SVG files, with the
// quiz's answers from their own file, a sheet, a key or a class graded. The word "typed" there
// types the rest at the terminal's stand-in, a line at a time; a word "-" alone is dropped
// (a first line "- typed" types the menu's choices). The rest of the input is what
// is typed, up to a line "@answers": each part after such a line is an answer file, the first
// the one --answers reads, each in turn one that --grade grades (a file named beyond the parts
// is one that cannot be read). Standard output is left failed, so that every write is dropped
// before any formatting: the demos' own logic runs in full at a fraction of the cost.
#include "console/answers.h"
#include "console/console.h"
#include "demos/demos.h"
#include "menu.h"
#include "options.h"
#include "settings.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>
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
    // No curve file is written, and no training runs long enough to time an input out.
    options.settings.curveFile.clear();
    options.settings.cycleLimit = 2000;
    return options.action == Options::Action::Menu || options.action == Options::Action::Demo;
}

// Cuts the input at its lines "@answers": the first part is what is typed, the others are
// answer files' texts.
std::vector<std::string> splitAnswerFiles(const std::string& input) {
    static const std::string mark = "\n@answers\n";
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = input.find(mark, start)) != std::string::npos; start = at + mark.size())
        parts.push_back(input.substr(start, at - start));
    parts.push_back(input.substr(start));
    return parts;
}

// This process's own folder for the pictures and the graded files, emptied after each input.
const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path made = std::filesystem::temp_directory_path() /
                                     ("nnrules-fuzz-" + std::to_string(static_cast<long>(getpid())));
        std::filesystem::create_directories(made);
        return made;
    }();
    return folder;
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
    Settings& asked = options.settings;
    const std::vector<std::string> parts = splitAnswerFiles(text);
    // The pictures and the graded files go to this process's folder, never to a name the input
    // gives; a graded file is an answer part, or a name of nothing where the parts run out.
    const std::filesystem::path& scratch = scratchFolder();
    if (!asked.svgFolder.empty())
        asked.svgFolder = scratch.string();
    for (std::size_t i = 0; i < asked.gradedFiles.size(); ++i) {
        asked.gradedFiles[i] = (scratch / ("answers-" + std::to_string(i))).string();
        if (i + 1 < parts.size())
            std::ofstream(asked.gradedFiles[i], std::ios::binary) << parts[i + 1];
    }
    std::istringstream answers(parts.size() > 1 ? parts[1] : "");
    if (!asked.answersFile.empty())
        readQuizAnswersFrom(&answers, asked.answersFile);
    std::istringstream input(parts[0]);
    if (typed)
        typeAtTerminal([&input](std::string& line) { return static_cast<bool>(std::getline(input, line)); });
    std::ostringstream discarded;
    std::streambuf* const savedIn = std::cin.rdbuf(input.rdbuf());
    std::streambuf* const savedOut = std::cout.rdbuf(discarded.rdbuf());
    std::cin.clear();
    std::cout.setstate(std::ios::badbit);
    runAsAsked(options.demo, asked);
    typeAtTerminal(nullptr);
    readQuizAnswersFrom(nullptr, "");
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(scratch, ignored))
        std::filesystem::remove(entry.path(), ignored);
    std::cout.clear();
    std::cin.rdbuf(savedIn);
    std::cout.rdbuf(savedOut);
    std::cin.clear();
    return 0;
}
