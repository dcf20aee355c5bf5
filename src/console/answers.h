// The answers the program reads: from standard input as it stands, a file of answers read
// word by word, or, at a terminal, a line at a time with line editing. There an empty line
// keeps the value shown, a word that is not wholly a number is said so and its prompt asked
// again, and a question's answer takes its whole line. Several words on one line answer
// several prompts either way. From a file, a word that is not a number is said so on
// standard error.
#ifndef NNRULES_CONSOLE_ANSWERS_H
#define NNRULES_CONSOLE_ANSWERS_H

#include "console.h"

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>
#include <type_traits>

// How many characters at the start of the word a number of the value's type is read from, as
// the standard streams read one: a sign, digits, and for a double a point and an exponent
// (e, a sign, digits). Those characters are taken whether or not they make a number ("1e").
std::size_t numberLength(const std::string& word, bool wholeNumber);

// Reads the number the text is, wholly, as the standard streams read it: false when it is
// none, or too large for the type.
bool readNumber(const std::string& text, int& value);
bool readNumber(const std::string& text, double& value);
bool readNumber(const std::string& text, std::uint64_t& value);

// True when the word is wholly a number of the value's type; it is then stored.
template <class Number>
bool readWhole(const std::string& word, Number& value) {
    Number read;
    if (!readNumber(word, read))
        return false;
    value = read;
    return true;
}

// At a terminal: the next word of the line being answered, or of the next line typed, which
// is empty when that line is. False once the input has ended.
bool nextTypedWord(std::string& word);

// At a terminal: says that the word is not a number (or not a whole one) and drops the rest
// of its line.
void refuseTypedWord(const std::string& word, bool wholeNumbersOnly);

// At a terminal: says that the word is not a number (or not a whole one), on a line of its own.
void sayNotANumber(const std::string& word, bool wholeNumbersOnly);

// At a terminal: reads a whole line, leading and trailing blanks taken off, dropping any
// words of the line before. False once the input has ended.
bool readTypedAnswer(std::string& line);

// From a file of answers: puts the text back, to be read next.
void unreadAnswer(const std::string& text);

// From a file of answers, with --echo: writes the answer read after its prompt, and ends the
// line, as a terminal shows what is typed.
void echoAnswer(const std::string& answer, bool typed = inputIsTyped());

// From a file of answers: reads the next word (a std::string), or the first letter of the next
// word (a char). The rest of its line is then still to be read: a pause or the quiz takes it
// when it holds a word.
template <class Word>
bool readAnswerWord(Word& word);

// From a file of answers: notes an answer read for the prompt. When the word typed was not
// a number, or only began with one (the rest left for the next prompt), standard error is
// told what it was read as; once, where a word's rest then fails the next prompt.
void noteAnswer(const std::string& prompt, const std::string& typed, bool read, const std::string& readAs,
                const std::string& rest, bool wholeNumbersOnly);

// Reads a new value into the variable for the prompt just written, which prompt() gives
// again where it is to be said. From a file of answers a
// word that is not a number (a number too large for the value included) makes the value 0
// and leaves the stream failed, and later reads keep their values; a word that only begins
// with a number is read as that number, the rest left for the next read. Either is said on
// standard error. At a terminal an empty line keeps the value, and a word that is not a
// number is refused and the prompt written again. False when nothing was read: the input
// ended, or a word from a file was not a number.
template <class Number, class Prompt>
bool readAnswer(Number& value, const Prompt& prompt) {
    if (!inputIsTyped()) {
        const std::string asked = prompt(); // before the value it shows is read over
        std::string typed;
        if (!readAnswerWord(typed)) {
            noteAnswer(asked, "", false, "", "", std::is_integral_v<Number>);
            return false;
        }
        // The number is read from the word's start, and the rest is left for the next read.
        const std::size_t length = numberLength(typed, std::is_integral_v<Number>);
        const std::string rest = typed.substr(length);
        const bool read = readWhole(typed.substr(0, length), value);
        if (!read) {
            value = Number{};
            std::cin.setstate(std::ios_base::failbit);
        }
        std::ostringstream readAs;
        readAs << value;
        noteAnswer(asked, typed, read, readAs.str(), read ? rest : "", std::is_integral_v<Number>);
        echoAnswer(read ? typed.substr(0, length) : typed);
        unreadAnswer(rest);
        return read;
    }
    for (std::string word; nextTypedWord(word);) {
        if (word.empty() || readWhole(word, value))
            return true;
        refuseTypedWord(word, std::is_integral_v<Number>);
        toTypist() << prompt();
    }
    return false;
}

// Reads the answer to a yes/no question: true only for n or N (at a terminal also no or No,
// on a line of their own); any other answer, an empty line and the end of input are not no.
bool answeredNo();

// Reads one letter, the first of the next word; at a terminal an empty line keeps it.
void readLetter(char& letter);

// Reads the answer to a pause: a line typed at a terminal, or from a file the rest of the
// line of the answer read last, when it holds a word, or else the next line; leading and
// trailing blanks taken off. False at the end of the input.
bool readPauseAnswer(std::string& answer);

// Reads a quiz's answer, one line: typed at a terminal, or from a file the rest of the line of
// the answer read last, when it holds a word, or else the next line, lines that begin with #
// (a name, a student number) passed over; leading and trailing blanks taken off. The file's
// line number is stored where there is a file (a line typed leaves it as it was). False at
// the end of the input.
bool readAnswerLine(std::string& answer, long& lineNumber);

// The quiz's answers from now on: read from the file given (--answers, a file being graded),
// which the notes on standard error name, instead of from standard input; nullptr: from
// standard input again.
void readQuizAnswersFrom(std::istream* file, const std::string& name);

// Whether the quiz's answers are typed at a terminal, where a line that does not answer is
// asked again; whether their file (or standard input) has ended; and the name of their file
// ("" for standard input).
bool quizAnswersTyped();
bool quizAnswersEnded();
const std::string& quizAnswersName();

#endif
