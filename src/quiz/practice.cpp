// The practice run, and the sheet, the key and the grades it writes.
#include "practice.h"

#include "grading.h"

#include "console/answers.h"
#include "console/wrapping.h"
#include "explain/text.h"
#include "model/memories.h"
#include "run.h"
#include "settings.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <sstream>
#include <streambuf>

using CwMtx::CWTSVector;

namespace {

// Takes what is written to it and keeps none of it: the screen of a practice run.
class Unseen : public std::streambuf {
  protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// Standard output goes to `unseen` while this lives.
class ScreenHidden {
  public:
    explicit ScreenHidden(std::streambuf* unseen) : screen(std::cout.rdbuf(unseen)) {}
    ~ScreenHidden() { std::cout.rdbuf(screen); }
    ScreenHidden(const ScreenHidden&) = delete;
    ScreenHidden& operator=(const ScreenHidden&) = delete;
    std::streambuf* const screen;
};

Practice& thisPractice() {
    return *thisRun().practice;
}

// The command that writes the page again: "nnrules --exercise=3 --quiz=3 --key sdpta".
std::string commandFor(const char* option) {
    std::string command = "nnrules";
    if (settings().exercise)
        command += " --exercise=" + std::to_string(settings().seed);
    command += " --quiz=" + (settings().quizzedUnits == std::numeric_limits<int>::max()
                                 ? std::string("all")
                                 : std::to_string(settings().quizzedUnits));
    if (settings().answerDigits != Settings().answerDigits)
        command += " --digits=" + std::to_string(settings().answerDigits);
    return command + " " + option + " " + thisPractice().demoName;
}

// "Exercise 3: Single Discrete Perceptron Training Algorithm (sdpta)", or the textbook's.
std::string problemName() {
    const Practice& practice = thisPractice();
    return (settings().exercise ? "exercise " + std::to_string(settings().seed)
                                : std::string("the textbook's problem")) +
           ": " + practice.demoTitle + " (" + practice.demoName + ")";
}

std::string capitalised(std::string text) {
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

// Writes the lines, each too long for the screen going on indented by four more blanks than
// it is (a paragraph without an indent, by none), a vector and the last words kept whole.
void writeLines(const Lines& lines) {
    for (const std::string& line : lines) {
        const std::size_t indent = line.find_first_not_of(' ');
        for (const std::string& piece : wrapped(line, "", indent == 0 ? "" : line.substr(0, indent) + "    ",
                                                keepingVectorsAndLastWordsWhole))
            thisPractice().pages << piece << "\n";
    }
}

// The question's numbers asked for: "The weights after this step (2 numbers)?".
std::string asked(const Question& question) {
    const std::size_t count = question.answer.size();
    return question.asked + " (" + std::to_string(count) + (count == 1 ? " number" : " numbers") + ")?";
}

// The sheet: the problem, the rule, the questions, and the answer file's form.
void writeSheet(const Lines& given) {
    std::ostream& out = thisPractice().pages;
    const std::string digits = std::to_string(settings().answerDigits);
    writeLines({capitalised(problemName()), "Written by: " + commandFor("--sheet")});
    out << "\nThe problem\n";
    writeLines(given);
    out << "\nThe rule\n";
    Lines rule;
    for (const std::string& line : thisRun().rule) {
        if (line == "The trace:")
            break;
        rule.push_back(line.substr(0, 2) == "  " ? line : "  " + line);
    }
    writeLines(rule);
    out << "\nThe questions: work each from the numbers it gives, and from your own answers\n"
           "where it names them.\n";
    const std::vector<Question>& questions = thisPractice().questions;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const std::string label = std::to_string(i + 1) + ". ";
        for (const std::string& piece : wrapped(statedOnSheet(questions, i) + " " + asked(questions[i]),
                                                label, "    ", afterACommaOutsideBrackets))
            out << piece << "\n";
    }
    writeLines({"",
                "Your answers: a text file, one line a question, in order: the numbers it asks for, "
                "apart by blanks or commas. A blank line, - or ? leaves a question unanswered; a line "
                "that begins with # is a note (your name, say). Give each number to " +
                    digits + " or more significant digits, or " + digits + " decimals, or exactly.",
                "Graded by: " + commandFor("--answers=FILE -d") +
                    "; a class's files at once by: " + commandFor("--grade FILE...")});
}

// The key: each question, its answer and its worked arithmetic; then where the training ended.
void writeKey(const Lines& end) {
    std::ostream& out = thisPractice().pages;
    writeLines({"Key to " + problemName(), "Written by: " + commandFor("--key")});
    const std::vector<Question>& questions = thisPractice().questions;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        out << "\n";
        const std::string label = std::to_string(i + 1) + ". ";
        for (const std::string& piece : wrapped(questions[i].given + " " + asked(questions[i]), label, "    ",
                                                afterACommaOutsideBrackets))
            out << piece << "\n";
        std::string answer = "Answer:";
        for (const double value : questions[i].answer)
            answer += " " + number(value);
        writeLines({"    " + answer});
        Lines worked = questions[i].worked;
        if (!worked.empty() && worked.front().empty())
            worked.erase(worked.begin());
        writeExplanation(worked, out);
    }
    out << "\n" << end.front() << "\n";
    writeLines(Lines(end.begin() + 1, end.end()));
}

// The sheet or the key, whichever is asked for. The end's first line is its heading.
void writePages(const Lines& given, const Lines& end) {
    if (settings().sheet)
        writeSheet(given);
    else if (settings().key)
        writeKey(end);
}

// True in a practice run that writes a sheet or a key: only then are its lines made.
bool writingPages() {
    return thisRun().practice && (settings().sheet || settings().key);
}

const char* const trainingEnd = "The end of the training";
const char* const recallEnd = "The end of the recall";

template <unsigned N>
std::string named(const std::string& name, const CWTSVector<N>& v) {
    return name + " = " + vectorText(v);
}

// "After 5 cycles, the cycle error 0.00931 (down to 0.01)."
std::string cyclesRun(const LearningCurve& curve) {
    const std::size_t cycles = curve.values.size();
    std::string line = "  After " + whole(static_cast<long long>(cycles)) + " " + curve.cycleName +
                       (cycles == 1                              ? ""
                        : curve.cycleName == std::string("pass") ? "es"
                                                                 : "s");
    if (!curve.values.empty())
        line += ", the " + std::string(curve.valueName) + " " + number(curve.values.back());
    if (!std::isnan(curve.limit))
        line += " (the limit " + number(curve.limit) + ")";
    return line + ".";
}

} // namespace

std::string statedOnSheet(const std::vector<Question>& questions, std::size_t index) {
    std::string text = questions[index].given;
    for (std::size_t open = text.find("= [ "); open != std::string::npos;
         open = text.find("= [ ", open + 1)) {
        const std::size_t close = text.find(" ]", open);
        // Every given begins with its step or cycle ("Step 3: "), so a name stands before "= [".
        const bool pattern = text.compare(open - 3, 3, " x ") == 0 || text.compare(open - 3, 3, " y ") == 0;
        if (close == std::string::npos || pattern)
            continue;
        // The numbers as written, each compared with an answer's as the key writes it: the
        // same text, or the question gives them as they are (a near miss is no answer).
        std::vector<std::string> given;
        std::istringstream numbers(text.substr(open + 4, close - open - 4));
        for (std::string word; std::getline(numbers, word, ';');)
            given.push_back(word.substr(word.find_first_not_of(' ')));
        // The latest answer that it is, where two are the same.
        for (std::size_t j = index; j-- > 0;) {
            const std::vector<double>& key = questions[j].answer;
            for (std::size_t first = 0; first + given.size() <= key.size(); ++first) {
                bool same = true;
                for (std::size_t i = 0; i < given.size() && same; ++i)
                    same = given[i] == number(key[first + i]);
                if (!same)
                    continue;
                const std::string answer = "your answer to question " + std::to_string(j + 1);
                const std::string named = given.size() == key.size()
                                              ? answer
                                              : "numbers " + std::to_string(first + 1) + " to " +
                                                    std::to_string(first + given.size()) + " of " + answer;
                text.replace(open + 2, close + 2 - (open + 2), named);
                j = 0;
                break;
            }
        }
    }
    return text;
}

bool readWholeFile(const std::string& path, std::string& text, std::string& why) {
    std::FILE* const file = std::fopen(path.c_str(), "rb");
    if (!file) {
        why = std::strerror(errno);
        return false;
    }
    text.clear();
    char block[BUFSIZ];
    while (const std::size_t read = std::fread(block, 1, sizeof block, file))
        text.append(block, read);
    const bool failed = std::ferror(file) != 0;
    why = failed ? std::strerror(errno) : "";
    std::fclose(file);
    return !failed;
}

int practise(void (*demo)(), const char* name, const char* title) {
    Unseen unseen;
    std::ostream pages(std::cout.rdbuf());
    Practice practice{name, title, pages};
    {
        const ScreenHidden hidden(&unseen);
        RunState run;
        run.practice = &practice;
        const RunScope runUnderWay(run);
        demo();
    }
    pages.flush();
    const std::vector<std::string>& files = settings().gradedFiles;
    if (files.empty())
        return 0;
    // One row a file: the file, how many answers are right, and each question's 1 or 0.
    pages << "file\tscore";
    for (std::size_t i = 0; i < practice.questions.size(); ++i)
        pages << "\tq" << i + 1;
    pages << std::endl;
    int status = 0;
    for (const std::string& file : files) {
        std::string text, why;
        pages << shownWord(file);
        if (!readWholeFile(file, text, why)) {
            pages << "\tnot read: " << why << std::endl;
            status = 1;
            continue;
        }
        std::istringstream answers(text);
        readQuizAnswersFrom(&answers, file);
        std::string marks;
        int right = 0;
        for (std::size_t i = 0; i < practice.questions.size(); ++i) {
            const Question& question = practice.questions[i];
            std::string line;
            long lineNumber = 0;
            Judgement judgement;
            if (readAnswerLine(line, lineNumber)) {
                judgement = judgeAnswer(line, question.answer, settings().answerDigits);
                if (!judgement.refused.empty())
                    noteRefusedAnswer(line, lineNumber, static_cast<int>(i + 1), judgement.refused);
            }
            right += judgement.right();
            marks += judgement.right() ? "\t1" : "\t0";
        }
        readQuizAnswersFrom(nullptr, "");
        pages << "\t" << right << marks << std::endl;
    }
    return status;
}

void writePractice(const SingleNeuronRun& run) {
    if (!writingPages())
        return;
    Lines given = {"  The patterns y (input, bias input) and the responses d they should get:"};
    for (unsigned p = 0; p < 4; ++p)
        given.push_back("    " + named("y" + whole(p + 1), run.patterns[p]) + ", d" + whole(p + 1) + " = " +
                        number(run.desired[p]));
    given.push_back("  The starting weights: " + named("w", run.startWeights));
    Lines end = {trainingEnd, "  The final weights: " + named("w", run.weights)};
    if (!run.discrete)
        end.push_back(cyclesRun(run.curve));
    writePages(given, end);
}

void writePractice(const MulticlassRun& run) {
    if (!writingPages())
        return;
    Lines given = {"  The patterns, pattern i of class i (its last element the bias input):"};
    for (unsigned p = 0; p < 3; ++p)
        given.push_back("    " + named("y" + whole(p + 1), run.patterns[p]));
    given.push_back("  Neuron k should answer +1 to the pattern of class k, and -1 to the others.");
    given.push_back("  The starting weights:");
    Lines end = {trainingEnd, "  The final weights:"};
    for (unsigned k = 0; k < 3; ++k) {
        given.push_back("    " + named("w" + whole(k + 1), run.startWeights[k]));
        end.push_back("    " + named("w" + whole(k + 1), run.weights[k]));
    }
    end.push_back(cyclesRun(run.curve));
    writePages(given, end);
}

void writePractice(const NetworkRun& run) {
    if (!writingPages())
        return;
    Lines given = {"  The patterns x (two inputs, bias input) and the outputs d they should get:"};
    for (unsigned p = 0; p < 4; ++p)
        given.push_back("    " + named("x" + whole(p + 1), run.patterns[p]) + ", d" + whole(p + 1) + " = " +
                        number(run.desired[p]));
    given.push_back("  The starting weights: the hidden rows v1, v2, and the output row w:");
    given.push_back("    " + named("v1", run.startFirstLayer[0]) + ", " +
                    named("v2", run.startFirstLayer[1]));
    given.push_back("    " + named("w", run.startSecondLayer));
    const Lines end = {trainingEnd, "  The final weights:",
                       "    " + named("v1", run.firstLayer[0]) + ", " + named("v2", run.firstLayer[1]),
                       "    " + named("w", run.secondLayer), cyclesRun(run.curve)};
    writePages(given, end);
}

void writePractice(const KohonenRun& run) {
    if (!writingPages())
        return;
    Lines given = {"  The patterns:"};
    for (unsigned p = 0; p < 5; ++p)
        given.push_back("    " + named("x" + whole(p + 1), run.patterns[p]));
    given.push_back("  The starting weights: " + named("w1", run.startWeights[0]) + ", " +
                    named("w2", run.startWeights[1]));
    const Lines end = {trainingEnd,
                       "  The final weights: " + named("w1", run.weights[0]) + ", " +
                           named("w2", run.weights[1]),
                       cyclesRun(run.curve)};
    writePages(given, end);
}

void writePractice(const HopfieldRun& run) {
    if (!writingPages())
        return;
    Lines given = {"  The stored vectors:"};
    for (unsigned v = 0; v < 3; ++v)
        given.push_back("    " + named("V" + whole(v + 1), run.stored[v]));
    given.push_back("  The probe: x = V" + whole(run.probeNumber) + ".");
    const bool retrieved = run.recalled == run.stored[static_cast<unsigned>(run.probeNumber - 1)];
    writePages(given, {recallEnd, "  Recalled: " + vectorText(run.recalled) +
                                      (retrieved ? ", V" : ", not V") + whole(run.probeNumber) + "."});
}

void writePractice(const BidirectionalRun& run) {
    if (!writingPages())
        return;
    Lines given = {"  The stored pairs:"};
    for (unsigned k = 0; k < 4; ++k)
        given.push_back("    " + named("A" + whole(k + 1), run.a[k]) + ", " +
                        named("B" + whole(k + 1), run.b[k]));
    // The questions work from the matrix, as the trace shows it before them.
    const auto W = correlationMatrix(run.a, run.b);
    given.push_back("  The matrix w = A1 B1^T + A2 B2^T + A3 B3^T + A4 B4^T, a row a line:");
    for (unsigned i = 0; i < 6; ++i)
        given.push_back("    " + vectorOf<3>([&W, i](unsigned j) { return number(W[i][j]); }));
    given.push_back(run.probeIsB ? "  The probe: " + named("b", run.probeB) + "."
                                 : "  The probe: " + named("a", run.probeA) + ".");
    writePages(
        given,
        {recallEnd, "  Recalled: " + named("a", run.recalledA) + ", " + named("b", run.recalledB) + ",",
         run.recalledPair > 0 ? "  the stored pair " + whole(run.recalledPair) + "." : "  no stored pair."});
}
