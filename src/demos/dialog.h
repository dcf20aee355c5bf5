// The default-values dialog that every demo shares: the yes/no question and the
// "label (value): " lines, shown with the defaults and asked in the dialog; and the
// answer to a pause of step mode.
//
// Answers come from standard input as it stands, a file of answers read word by word, or,
// at a terminal, a line at a time with line editing. There an empty line keeps the value
// shown, a word that is not wholly a number is said so and its prompt asked again, and the
// yes/no question takes its whole line. Several words on one line answer several prompts
// either way. From a file, a word that is not a number is said so on standard error.
#ifndef NNRULES_DEMOS_DIALOG_H
#define NNRULES_DEMOS_DIALOG_H

#include "console/console.h"

#include <iostream>
#include <sstream>
#include <string>
#include <type_traits>

// Asks "Do you want to use the default values? (y/n): " on a new line. Only n or N (at a
// terminal also no or No, on a line of their own) asks for new values; any other answer,
// an empty line and the end of input keep the defaults.
bool keepDefaults();

// From now on the question is answered y for the user (--defaults): it is asked, and
// nothing is read for it.
void answerYesForTheUser();

// Opens the entry of new values with its two explanatory lines.
void announceEntry();

// Writes the label, in parts, then " (", the value and "): ", reading nothing.
template <class Value, class... Label>
void showValue(const Value& value, const Label&... label) {
    (std::cout << ... << label) << " (" << value << "): ";
}

// On a new line, the label and " (", the value and "): ", as a default is shown.
template <class Value, class... Label>
void showDefault(const Value& value, const Label&... label) {
    std::cout << std::endl;
    showValue(value, label...);
}

// At a terminal: the next word of the line being answered, or of the next line typed, which
// is empty when that line is. False once the input has ended.
bool nextTypedWord(std::string& word);

// At a terminal: says that the word is not a number and drops the rest of its line.
// Control characters in it are shown as ^ and a letter.
void refuseTypedWord(const std::string& word, bool wholeNumbersOnly);

// At a terminal: reads a whole line, leading and trailing blanks taken off, dropping any
// words of the line before. False once the input has ended.
bool readTypedAnswer(std::string& line);

// True when the word is wholly a number of the value's type; it is then stored.
template <class Value>
bool readWhole(const std::string& word, Value& value) {
    std::istringstream stream(word);
    Value read;
    if (!(stream >> read) || stream.peek() != std::char_traits<char>::eof())
        return false;
    value = read;
    return true;
}

// From a file of answers: the next word, as far as standard input holds it at hand, left
// unread; empty at the end of the input or when the stream has failed.
std::string nextWordUnread();

// From a file of answers: notes an answer read for the prompt. When the word typed was not
// a number, or only began with one (the rest left for the next prompt), standard error is
// told what it was read as; once, where a word's rest then fails the next prompt.
void noteAnswer(const std::string& prompt, const std::string& typed, bool read, const std::string& readAs,
                const std::string& rest, bool wholeNumbersOnly);

// Writes the prompt of showValue(shown, label...) and reads a new value into the variable.
// From a file of answers a word that is not a number (a number too large for the value
// included) makes the value 0 and leaves the stream failed, and later reads keep their
// values; a word that only begins with a number is read as that number, the rest left for
// the next read. Either is said on standard error. At a terminal an empty line keeps the
// value, and a word that is not a number is refused and the prompt written again. False
// when nothing was read: the input ended, or a word from a file was not a number.
template <class Value, class Shown, class... Label>
bool askForShowing(Value& value, const Shown& shown, const Label&... label) {
    showValue(shown, label...);
    if (!inputIsTerminal()) {
        std::ostringstream prompt, readAs;
        (prompt << ... << label) << " (" << shown << "): ";
        const std::string typed = std::cin >> std::ws ? nextWordUnread() : "";
        const bool read = static_cast<bool>(std::cin >> value);
        if (!typed.empty() && !read)
            value = Value();
        readAs << value;
        noteAnswer(prompt.str(), typed, read, readAs.str(), read ? nextWordUnread() : "",
                   std::is_integral_v<Value>);
        return read;
    }
    for (std::string word; nextTypedWord(word);) {
        if (word.empty() || readWhole(word, value))
            return true;
        refuseTypedWord(word, std::is_integral_v<Value>);
        (toTypist() << ... << label) << " (" << shown << "): ";
    }
    return false;
}

// As askForShowing, the prompt showing the value itself.
template <class Value, class... Label>
bool askFor(Value& value, const Label&... label) {
    return askForShowing(value, value, label...);
}

// Reads one letter, the first of the next word; at a terminal an empty line keeps it.
void askForLetter(char& letter);

// The word as it may be shown at a terminal: a control character (an arrow key's code, read
// where there is no line editor; a NUL from a file) as ^ and a letter.
std::string shownWord(const std::string& word);

// Reads the answer to a pause: a line typed at a terminal, or from a file the rest of the
// line of the answer read last, when it holds a word, or else the next line; leading and
// trailing blanks taken off. False at the end of the input.
bool readPauseAnswer(std::string& answer);

#endif
