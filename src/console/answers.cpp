#include "answers.h"

#include "settings.h"

#include <cctype>

namespace {

// The words of the line typed last that no prompt has taken yet.
std::istringstream typedWords;
// True while the word taken last was the first of a line just typed.
bool wordStartsLine = false;
// True when an answer has been read from a file and the rest of its line has not.
bool answerLineOpen = false;
// What a word read from a file last left unread, when it only began with a number.
std::string leftOver;

std::string trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    return first == std::string::npos ? "" : line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

} // namespace

void echoAnswer(const std::string& answer) {
    if (settings().echo && !inputIsTyped())
        std::cout << shownWord(answer) << std::endl;
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
        toTypist() << std::endl;
    sayNotANumber(word, wholeNumbersOnly);
    typedWords = std::istringstream();
}

void sayNotANumber(const std::string& word, bool wholeNumbersOnly) {
    if (wholeNumbersOnly)
        toTypist() << '"' << shownWord(word) << "\" is not a whole number; type a whole number such as 10."
                   << std::endl;
    else
        toTypist() << '"' << shownWord(word) << "\" is not a number; type a number such as 0.5." << std::endl;
}

bool readTypedAnswer(std::string& line) {
    typedWords = std::istringstream();
    if (!readTypedLine(line))
        return false;
    line = trimmed(line);
    return true;
}

std::string nextWordUnread() {
    // Only what the buffer holds is looked at, so that every character taken can be put back.
    std::streambuf* const input = std::cin.rdbuf();
    const std::streamsize atHand = input->in_avail();
    std::string word;
    for (int c; static_cast<std::streamsize>(word.size()) < atHand &&
                (c = input->sgetc()) != std::char_traits<char>::eof() && !std::isspace(c);
         input->sbumpc())
        word += static_cast<char>(c);
    for (std::size_t i = 0; i < word.size(); ++i)
        input->sungetc();
    return word;
}

void noteAnswer(const std::string& prompt, const std::string& typed, bool read, const std::string& readAs,
                const std::string& rest, bool wholeNumbersOnly) {
    answerLineOpen = true;
    const bool restOfNamedWord = typed == leftOver;
    leftOver = rest;
    if (typed.empty() || (read && rest.empty()) || (!read && restOfNamedWord))
        return;
    // Standard output is written out first, so that on a terminal the line follows its prompt.
    writePendingOutput();
    std::cerr << "nnrules: the answer \"" << shownWord(typed) << "\" to \"" << prompt << "\" is not "
              << (wholeNumbersOnly ? "a whole number" : "a number") << "; it is read as " << readAs
              << (read ? ", and \"" + shownWord(rest) + "\" answers the next prompt."
                       : ", and the demo reads no more answers.")
              << std::endl;
}

bool answeredNo() {
    if (inputIsTyped()) {
        std::string line;
        return readTypedAnswer(line) && (line == "n" || line == "N" || line == "no" || line == "No");
    }
    char answer = 'y';
    if (std::cin >> answer)
        echoAnswer(std::string(1, answer));
    answerLineOpen = true;
    return answer == 'n' || answer == 'N';
}

bool readWord(std::string& word) {
    if (inputIsTyped())
        return nextTypedWord(word);
    answerLineOpen = true;
    return static_cast<bool>(std::cin >> word);
}

void readLetter(char& letter) {
    std::string word;
    if (!inputIsTyped()) {
        if (std::cin >> letter)
            echoAnswer(std::string(1, letter));
    } else if (nextTypedWord(word) && !word.empty()) {
        letter = word[0];
    }
}

bool readPauseAnswer(std::string& answer) {
    if (inputIsTyped())
        return readTypedAnswer(answer);
    std::string line;
    if (answerLineOpen) {
        answerLineOpen = false;
        if (std::getline(std::cin, line) && !trimmed(line).empty()) {
            answer = trimmed(line);
            echoAnswer(answer);
            return true;
        }
    }
    if (!std::getline(std::cin, line))
        return false;
    answer = trimmed(line);
    echoAnswer(answer);
    return true;
}
