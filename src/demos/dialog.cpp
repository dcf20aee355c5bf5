#include "dialog.h"

namespace {

// The words of the line typed last that no prompt has taken yet.
std::istringstream typedWords;
// True while the word taken last was the first of a line just typed.
bool wordStartsLine = false;

std::string trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t");
    return first == std::string::npos ? "" : line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

} // namespace

bool keepDefaults() {
    std::cout << std::endl << "Do you want to use the default values? (y/n): ";
    if (inputIsTerminal()) {
        std::string line;
        return !readTypedAnswer(line) || !(line == "n" || line == "N" || line == "no" || line == "No");
    }
    char answer = 'y';
    std::cin >> answer;
    return answer != 'n' && answer != 'N';
}

void announceEntry() {
    std::cout << std::endl << "Preparing to accept values from the user...";
    std::cout << std::endl << "The original values are shown in parenthesis." << std::endl;
}

bool nextTypedWord(std::string& word) {
    wordStartsLine = false;
    if (typedWords >> word)
        return true;
    std::string line;
    if (!readTypedLine(line))
        return false;
    typedWords = std::istringstream(line);
    wordStartsLine = true;
    word.clear();
    typedWords >> word;
    return true;
}

void refuseTypedWord(const std::string& word, bool wholeNumbersOnly) {
    // A word typed on the line just ended is refused on the next line; one left over from
    // an earlier line, after the prompt it met.
    if (!wordStartsLine)
        std::cout << std::endl;
    // Control characters (an arrow key's code, read where there is no line editor) are
    // shown as ^ and a letter rather than sent to the terminal.
    std::string shown;
    for (const char c : word)
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            shown += std::string("^") + static_cast<char>(c ^ 64);
        else
            shown += c;
    if (wholeNumbersOnly)
        std::cout << '"' << shown << "\" is not a whole number; type a whole number such as 10." << std::endl;
    else
        std::cout << '"' << shown << "\" is not a number; type a number such as 0.5." << std::endl;
    typedWords = std::istringstream();
}

bool readTypedAnswer(std::string& line) {
    typedWords = std::istringstream();
    if (!readTypedLine(line))
        return false;
    line = trimmed(line);
    return true;
}

void askForLetter(char& letter) {
    std::string word;
    if (!inputIsTerminal())
        std::cin >> letter;
    else if (nextTypedWord(word) && !word.empty())
        letter = word[0];
}
