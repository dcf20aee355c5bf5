// Asking, reading and grading the quiz's questions, and keeping its score.
#include "quiz.h"

#include "console/answers.h"
#include "console/numbers.h"
#include "settings.h"

#include <cmath>
#include <iostream>

namespace {

int asked = 0, rightAnswers = 0;

// The power of ten of the last digit of the number as written: -4 for "-1.2037", 0 for "3",
// -5 for "1e-05", 2 for "2.5e+03".
int lastDigitPower(const std::string& text) {
    const std::size_t exponentAt = text.find('e');
    const std::string mantissa = text.substr(0, exponentAt);
    const std::size_t point = mantissa.find('.');
    int power = point == std::string::npos ? 0 : -static_cast<int>(mantissa.size() - point - 1);
    int exponent = 0;
    if (exponentAt != std::string::npos && readWhole(text.substr(exponentAt + 1), exponent))
        power += exponent;
    return power;
}

// The numbers written as the trace writes them, a blank between two.
std::string numbersText(const std::vector<double>& numbers) {
    std::string text;
    for (const double number : numbers)
        text += (text.empty() ? "" : " ") + written(number);
    return text;
}

// Writes the text on lines of at most 79 columns, broken after a comma outside brackets where
// there is one, else at a blank.
void writeWrapped(const std::string& text) {
    std::string rest = text;
    while (rest.size() > 79) {
        std::size_t cut = std::string::npos, blank = std::string::npos;
        int depth = 0;
        for (std::size_t i = 0; i <= 79; ++i) {
            depth += rest[i] == '[' ? 1 : rest[i] == ']' ? -1 : 0;
            if (rest[i] == ' ' && i > 0) {
                blank = i;
                if (depth == 0 && rest[i - 1] == ',')
                    cut = i;
            }
        }
        cut = cut == std::string::npos ? blank : cut;
        if (cut == std::string::npos)
            break;
        std::cout << rest.substr(0, cut) << '\n';
        rest = rest.substr(cut + 1);
    }
    std::cout << rest;
}

} // namespace

void startQuiz() {
    asked = rightAnswers = 0;
}

bool quizzes(int unit) {
    return unit <= settings().quizzedUnits;
}

bool rightNumber(const std::string& typed, double value) {
    double number;
    if (!readWhole(typed, number))
        return false;
    const std::string traced = written(value);
    if (written(number) == traced)
        return true;
    // A part in 10^12 more, so that a difference of exactly a half is not lost to rounding.
    const double half = 0.5 * std::pow(10.0, lastDigitPower(traced)) * (1 + 1e-12);
    return std::fabs(number - value) <= half;
}

void askQuestion(const Question& question) {
    ++asked;
    const std::size_t count = question.answer.size();
    const auto numbersAsked = [&question](std::size_t numbers, const char* more) {
        return question.asked + " (" + std::to_string(numbers) + more +
               (numbers == 1 ? " number" : " numbers") + ")? ";
    };
    // What the question is computed from, then on a line of its own where both do not fit one
    // line, what it asks.
    const std::string prompt = numbersAsked(count, "");
    std::cout << std::endl;
    if (question.given.size() + 1 + prompt.size() <= 79) {
        std::cout << question.given << " " << prompt;
    } else {
        writeWrapped(question.given);
        std::cout << std::endl << prompt;
    }
    // The numbers one by one, as many on a line as the student likes. At a terminal an empty
    // line or a word that is no number asks again for the numbers still to come; from a file
    // such a word is a wrong number.
    std::vector<std::string> typed;
    while (typed.size() < count) {
        std::string word;
        if (!readWord(word)) {
            std::cout << std::endl;
            writeWrapped("No answer: the input has ended. The answer is " + numbersText(question.answer) +
                         ".");
            std::cout << std::endl;
            return;
        }
        double number;
        if (inputIsTyped() && !word.empty() && !readWhole(word, number))
            refuseTypedWord(word, false);
        if (word.empty() || (inputIsTyped() && !readWhole(word, number))) {
            toTypist() << numbersAsked(count - typed.size(), typed.empty() ? "" : " more");
            continue;
        }
        typed.push_back(word);
    }
    bool right = true;
    for (std::size_t i = 0; i < count; ++i)
        right = right && rightNumber(typed[i], question.answer[i]);
    rightAnswers += right;
    if (right) {
        std::cout << std::endl << "Right." << std::endl;
        return;
    }
    std::cout << std::endl;
    writeWrapped("Not quite. The answer is " + numbersText(question.answer) + ".");
    std::cout << std::endl;
    writeExplanation(question.worked);
}

void endQuiz() {
    if (settings().quizzedUnits > 0)
        std::cout << std::endl
                  << "Quiz: " << rightAnswers << " of " << asked << " answers right." << std::endl;
}
