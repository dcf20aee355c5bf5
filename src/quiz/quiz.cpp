// Asking, reading and grading the quiz's questions, and keeping its score.
#include "quiz.h"

#include "grading.h"

#include "console/answers.h"
#include "console/numbers.h"
#include "console/wrapping.h"
#include "run.h"
#include "settings.h"

#include <iostream>
#include <sstream>

namespace {

// The numbers written as the trace writes them, a blank between two.
std::string numbersText(const std::vector<double>& numbers) {
    std::string text;
    for (const double number : numbers)
        text += (text.empty() ? "" : " ") + written(number);
    return text;
}

// Writes the text on lines of at most 79 columns, the last left open: a question's, broken
// after a comma outside brackets where there is one (between two of the values it gives), else
// at a blank; a reply's at any blank.
void writeWrapped(std::ostream& out, const std::string& text, bool afterCommas = true) {
    const BreakRank afterAComma = [](const std::string& line, std::size_t at) {
        int depth = 0;
        for (std::size_t i = 0; i < at; ++i)
            depth += line[i] == '[' ? 1 : line[i] == ']' ? -1 : 0;
        return depth == 0 && line[at - 1] == ',' ? 0 : 1;
    };
    const std::vector<std::string> lines = wrapped(text, "", "", afterCommas ? afterAComma : nullptr);
    for (std::size_t i = 0; i < lines.size(); ++i)
        out << lines[i] << (i + 1 < lines.size() ? "\n" : "");
}

// "the 2nd", "the 1st and 3rd", "the 1st, 2nd and 4th": the numbers of an answer, from 1.
std::string numbered(const std::vector<std::size_t>& places) {
    std::string text = "the ";
    for (std::size_t i = 0; i < places.size(); ++i) {
        const std::size_t n = places[i];
        const char* const suffix = n % 100 / 10 == 1 ? "th"
                                   : n % 10 == 1     ? "st"
                                   : n % 10 == 2     ? "nd"
                                   : n % 10 == 3     ? "rd"
                                                     : "th";
        text += (i == 0 ? "" : i + 1 == places.size() ? " and " : ", ") + std::to_string(n) + suffix;
    }
    return text;
}

// How many digits an answer needs, in words.
std::string digitsRule() {
    const std::string n = std::to_string(settings().answerDigits);
    return n + " or more significant digits, or " + n + " decimals";
}

// Writes to standard output, and to the person typing as well when they type at a terminal
// that does not show it (the trace goes to a file): they are asked and answered there.
template <class Write>
void sayToBoth(const Write& write) {
    write(std::cout);
    if (&toTypist() != &std::cout)
        write(toTypist());
}

} // namespace

bool quizzes(int unit) {
    return unit <= settings().quizzedUnits && !leavingDemo();
}

void askQuestion(const Question& question) {
    ++thisRun().asked;
    const std::size_t count = question.answer.size();
    const auto numbersAsked = [&question](std::size_t numbers, const char* more) {
        return question.asked + " (" + std::to_string(numbers) + more +
               (numbers == 1 ? " number" : " numbers") + ")? ";
    };
    // What the question is computed from, then on a line of its own where both do not fit one
    // line, what it asks. A line left open is the prompt the terminal shows.
    const std::string prompt = numbersAsked(count, "");
    std::cout << std::endl;
    // The first question of a run says how answers are graded.
    if (thisRun().asked == 1)
        sayToBoth([](std::ostream& out) {
            out << "Give each number to " << digitsRule() << ", or exactly." << std::endl;
        });
    if (question.given.size() + 1 + prompt.size() <= 79) {
        std::cout << question.given << " " << prompt;
    } else {
        sayToBoth([&question](std::ostream& out) {
            writeWrapped(out, question.given);
            out << std::endl;
        });
        std::cout << prompt;
    }
    // The numbers one by one, as many on a line as the student likes. At a terminal a line
    // is the question's: a word on it that is no number is refused and the numbers still to
    // come asked for again. From a file such a word is a wrong number.
    std::vector<std::string> typed;
    while (typed.size() < count) {
        std::string line;
        if (inputIsTyped() ? !readTypedAnswer(line) : !readWord(line)) {
            if (leavingDemo())
                return;
            // A file's answers stop early at its end, or after a word of the dialog that was
            // no number: nothing is read after that.
            const char* const why = inputIsTyped() || std::cin.eof()
                                        ? "No answer: the input has ended."
                                        : "No answer: no answers are read after one that was not a number.";
            sayToBoth([&question, why](std::ostream& out) {
                out << std::endl;
                writeWrapped(out, why + std::string(" The answer is ") + numbersText(question.answer) + ".",
                             false);
                out << std::endl;
            });
            return;
        }
        std::istringstream words(line);
        for (std::string word; typed.size() < count && words >> word;) {
            if (inputIsTyped() && !isAnswerNumber(word)) {
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
    // Which numbers are off, and which give too few digits to tell, numbered from 1.
    std::vector<std::size_t> off, tooShort;
    for (std::size_t i = 0; i < count; ++i) {
        const Grade grade = gradeNumber(typed[i], question.answer[i], settings().answerDigits);
        if (!grade.right)
            (grade.tooFewDigits ? tooShort : off).push_back(i + 1);
    }
    const bool right = off.empty() && tooShort.empty();
    thisRun().rightAnswers += right;
    sayToBoth([&](std::ostream& out) {
        out << std::endl;
        if (right) {
            out << "Right." << std::endl;
            return;
        }
        std::string which;
        if (count > 2 && off.size() == count)
            which = "all " + std::to_string(count) + " numbers";
        else if (count > 1 && !off.empty())
            which = numbered(off) + (off.size() == 1 ? " number" : " numbers");
        if (!tooShort.empty())
            which += (which.empty() ? "" : "; ") +
                     (count == 1 ? std::string("it has")
                                 : numbered(tooShort) + (tooShort.size() == 1 ? " has" : " have")) +
                     " too few digits to grade (" + digitsRule() + ")";
        writeWrapped(out,
                     "Not quite" + (which.empty() ? std::string(".") : ": " + which + ".") +
                         " The answer is " + numbersText(question.answer) + ".",
                     false);
        out << std::endl;
        // With --explain the unit's explanation follows its trace: the worked step is that.
        if (!settings().explain)
            writeExplanation(question.worked, out);
    });
}

void endQuiz() {
    if (settings().quizzedUnits > 0)
        sayToBoth([](std::ostream& out) {
            out << std::endl
                << "Quiz: " << thisRun().rightAnswers << " of " << thisRun().asked << " answers right."
                << std::endl;
        });
}
