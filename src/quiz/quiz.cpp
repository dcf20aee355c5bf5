// Asking, reading and grading the quiz's questions, and keeping its score.
#include "quiz.h"

#include "console/answers.h"
#include "console/numbers.h"
#include "settings.h"

#include <cmath>
#include <iostream>
#include <sstream>

namespace {

int asked = 0, rightAnswers = 0;

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
    return unit <= settings().quizzedUnits && !leavingDemo();
}

bool rightNumber(const std::string& typed, double value) {
    double number;
    if (!readWhole(typed, number))
        return false;
    if (written(number) == written(value))
        return true;
    // Half a unit of the sixth significant digit, and a part in 10^12 more, so that a
    // difference of exactly a half is not lost to rounding.
    const double half =
        value == 0 ? 0 : 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 5) * (1 + 1e-12);
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
    // The numbers one by one, as many on a line as the student likes. At a terminal a line
    // is the question's: a word on it that is no number is refused and the numbers still to
    // come asked for again. From a file such a word is a wrong number.
    std::vector<std::string> typed;
    while (typed.size() < count) {
        std::string line;
        if (inputIsTyped() ? !readTypedAnswer(line) : !readWord(line)) {
            std::cout << std::endl;
            writeWrapped("No answer: the input has ended. The answer is " + numbersText(question.answer) +
                         ".");
            std::cout << std::endl;
            return;
        }
        std::istringstream words(line);
        for (std::string word; typed.size() < count && words >> word;) {
            double number;
            if (inputIsTyped() && !readWhole(word, number)) {
                sayNotANumber(word, false);
                break;
            }
            typed.push_back(word);
        }
        if (inputIsTyped() && typed.size() < count)
            toTypist() << numbersAsked(count - typed.size(), typed.empty() ? "" : " more");
    }
    std::string answered;
    for (const std::string& word : typed)
        answered += (answered.empty() ? "" : " ") + word;
    echoAnswer(answered);
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
