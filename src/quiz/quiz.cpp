// Asking, reading and grading the quiz's questions, and keeping its score.
#include "quiz.h"

#include "grading.h"
#include "practice.h"

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
    const std::vector<std::string> lines =
        wrapped(text, "", "", afterCommas ? BreakRank(afterACommaOutsideBrackets) : nullptr);
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

// "Quiz so far: 2 of 3 answers right.", the question under way left out.
std::string scoreSoFar(int leftOut) {
    return "Quiz so far: " + std::to_string(thisRun().rightAnswers) + " of " +
           std::to_string(thisRun().asked - leftOut) + " answers right.";
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
    // A practice run asks nothing: it notes the questions, for its sheet, key or grades.
    if (Practice* const practice = thisRun().practice) {
        practice->questions.push_back(question);
        return;
    }
    ++thisRun().asked;
    const std::size_t count = question.answer.size();
    const auto numbersAsked = [&question](std::size_t numbers, const char* more) {
        return question.asked + " (" + std::to_string(numbers) + more +
               (numbers == 1 ? " number" : " numbers") + ")? ";
    };
    // What the question is computed from, then on a line of its own what it asks: none is short
    // enough for both to share a line. A line left open is the prompt the terminal shows.
    const std::string prompt = numbersAsked(count, "");
    std::cout << std::endl;
    // The first question of a run says how answers are graded.
    if (thisRun().asked == 1)
        sayToBoth([](std::ostream& out) {
            out << "Give each number to " << digitsRule() << ", or exactly." << std::endl;
        });
    sayToBoth([&question](std::ostream& out) {
        writeWrapped(out, question.given);
        out << std::endl;
    });
    std::cout << prompt;
    // One line answers the question: its numbers apart by blanks, commas or the trace's
    // brackets and semicolons. A blank line, - or ? answers nothing. At a terminal a line that
    // does not answer (a word that is no number, too few or too many numbers) is refused and the
    // question asked again, and the next line is the answer; from a file it is a wrong answer,
    // said on standard error, and the next line answers the next question.
    Judgement judgement;
    for (;;) {
        std::string line;
        long lineNumber = 0;
        if (!readAnswerLine(line, lineNumber)) {
            if (leavingDemo()) {
                if (thisRun().asked > 1)
                    sayToBoth([](std::ostream& out) { out << scoreSoFar(1) << std::endl; });
                return;
            }
            // A file's answers stop early at its end, or after a word of the dialog that was
            // no number: nothing is read after that.
            const char* const why = quizAnswersTyped() || quizAnswersEnded()
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
        echoAnswer(line, quizAnswersTyped());
        judgement = judgeAnswer(line, question.answer, settings().answerDigits);
        if (judgement.refused.empty())
            break;
        if (!quizAnswersTyped()) {
            noteRefusedAnswer(line, lineNumber, thisRun().asked, judgement.refused);
            break;
        }
        toTypist() << judgement.refused << "; type the whole answer again." << std::endl << prompt;
    }
    const bool right = judgement.right();
    thisRun().rightAnswers += right;
    const std::vector<std::size_t>&off = judgement.off, &tooShort = judgement.tooShort;
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
        const std::string verdict =
            !judgement.answered ? "No answer."
            : !judgement.refused.empty()
                ? "Not quite: " + judgement.refused + "."
                : "Not quite" + (which.empty() ? std::string(".") : ": " + which + ".");
        writeWrapped(out, verdict + " The answer is " + numbersText(question.answer) + ".", false);
        out << std::endl;
        // With --explain the unit's explanation follows its trace: the worked step is that.
        if (!settings().explain)
            writeExplanation(question.worked, out);
    });
}

void noteRefusedAnswer(const std::string& line, long lineNumber, int questionNumber, const std::string& why) {
    writePendingOutput();
    const std::string& file = quizAnswersName();
    std::cerr << "nnrules: " << (file.empty() ? "" : shownWord(file) + ": ") << "line " << lineNumber
              << ": the answer \"" << shownWord(line) << "\" to question " << questionNumber
              << " counts as wrong: " << why << "." << std::endl;
}

void endQuiz() {
    if (settings().quizzedUnits > 0)
        sayToBoth([](std::ostream& out) {
            out << std::endl
                << "Quiz: " << thisRun().rightAnswers << " of " << thisRun().asked << " answers right."
                << std::endl;
        });
}
