#include "answers.h"

#include "settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// The words of the line typed last that no prompt has taken yet.
std::istringstream typedWords;
// True while the word taken last was the first of a line just typed.
bool wordStartsLine = false;
// True when an answer has been read from a file and the rest of its line has not.
bool answerLineOpen = false;
// What a word read from a file last left unread, when it only began with a number.
std::string leftOver;
// Where the quiz's answers come from when not from standard input: the file, its name, and
// the number of its line read last.
std::istream* answerFile = nullptr;
std::string answerFileName;
long answerFileLine = 0;

std::string trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    return first == std::string::npos ? "" : line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

} // namespace

void echoAnswer(const std::string& answer, bool typed) {
    if (settings().echo && !typed)
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

std::size_t numberLength(const std::string& word, bool wholeNumber) {
    // Whether the character at `at` is one of `chars` (none is, past the end), and where the
    // digits from `from` end.
    const auto isOneOf = [&word](std::size_t at, const char* chars) {
        return word.find_first_of(chars, at) == at;
    };
    const auto digitsFrom = [&word](std::size_t from) {
        return std::min(word.find_first_not_of("0123456789", from), word.size());
    };
    std::size_t at = isOneOf(0, "+-") ? 1 : 0;
    const std::size_t integerStart = at;
    at = digitsFrom(at);
    if (wholeNumber)
        return at;
    bool digits = at > integerStart;
    if (isOneOf(at, ".")) {
        const std::size_t fractionStart = at + 1;
        at = digitsFrom(fractionStart);
        digits = digits || at > fractionStart;
    }
    // An exponent only after digits, and its sign only right after the e.
    if (digits && isOneOf(at, "eE")) {
        ++at;
        if (isOneOf(at, "+-"))
            ++at;
        at = digitsFrom(at);
    }
    return at;
}

namespace {

// Reads a whole number of the type: the digits after a sign, the sign + too.
template <class Whole>
bool readWholeNumber(const std::string& text, Whole& value) {
    if (text.empty() || numberLength(text, true) != text.size())
        return false;
    // from_chars takes a - sign, but not a +: it is given the digits after one.
    const char* const last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data() + (text[0] == '+' ? 1 : 0), last, value);
    return error == std::errc() && end == last;
}

} // namespace

bool readNumber(const std::string& text, int& value) {
    return readWholeNumber(text, value);
}

bool readNumber(const std::string& text, std::uint64_t& value) {
    return readWholeNumber(text, value);
}

bool readNumber(const std::string& text, double& value) {
    if (text.empty() || numberLength(text, false) != text.size())
        return false;
    // The C library's reading, in the "C" locale that the program never changes; a number
    // beyond the largest double is none, as the streams read it.
    char* end = nullptr;
    const double read = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || std::isinf(read))
        return false;
    value = read;
    return true;
}

void unreadAnswer(const std::string& text) {
    std::streambuf* const input = std::cin.rdbuf();
    for (std::size_t i = text.size(); i-- > 0;)
        input->sputbackc(text[i]);
    // What is put back is still to be read, though the word's reading met the end.
    if (!text.empty())
        std::cin.clear(std::cin.rdstate() & ~std::ios_base::eofbit);
}

void noteAnswer(const std::string& prompt, const std::string& typed, bool read, const std::string& readAs,
                const std::string& rest, bool wholeNumbersOnly) {
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

template <class Word>
bool readAnswerWord(Word& word) {
    answerLineOpen = true;
    return static_cast<bool>(std::cin >> word);
}
template bool readAnswerWord(std::string&);
template bool readAnswerWord(char&);

bool answeredNo() {
    if (inputIsTyped()) {
        std::string line;
        return readTypedAnswer(line) && (line == "n" || line == "N" || line == "no" || line == "No");
    }
    char answer = 'y';
    if (readAnswerWord(answer))
        echoAnswer(std::string(1, answer));
    return answer == 'n' || answer == 'N';
}

void readLetter(char& letter) {
    std::string word;
    if (!inputIsTyped()) {
        if (readAnswerWord(letter))
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

bool readAnswerLine(std::string& answer, long& lineNumber) {
    std::string line;
    if (answerFile) {
        do {
            lineNumber = ++answerFileLine;
            if (!std::getline(*answerFile, line))
                return false;
        } while (!trimmed(line).empty() && trimmed(line)[0] == '#');
        answer = trimmed(line);
        return true;
    }
    if (inputIsTyped())
        return readTypedAnswer(answer);
    // The rest of the line whose answer the dialog read last, when it holds a word.
    if (answerLineOpen) {
        answerLineOpen = false;
        lineNumber = standardInputLine();
        if (std::getline(std::cin, line) && !trimmed(line).empty() && trimmed(line)[0] != '#') {
            answer = trimmed(line);
            return true;
        }
    }
    do {
        lineNumber = standardInputLine();
        if (!std::getline(std::cin, line))
            return false;
    } while (!trimmed(line).empty() && trimmed(line)[0] == '#');
    answer = trimmed(line);
    return true;
}

void readQuizAnswersFrom(std::istream* file, const std::string& name) {
    answerFile = file;
    answerFileName = file ? name : "";
    answerFileLine = 0;
}

bool quizAnswersTyped() {
    return !answerFile && inputIsTyped();
}

bool quizAnswersEnded() {
    return answerFile ? answerFile->eof() : std::cin.eof();
}

const std::string& quizAnswersName() {
    return answerFileName;
}
