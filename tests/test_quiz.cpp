// The quiz: answers graded to the precision of the trace, every demo's questions answered
// wrong and then as the quiz itself answered them, answer files that do not slip, and the
// sheets and keys of practice; what the quiz says to an answer, the shell sessions hold.
#include "console/answers.h"
#include "demos/demos.h"
#include "harness.h"
#include "quiz/grading.h"
#include "quiz/practice.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;

// The answers the quiz gave, "The answer is 1 -1." and the like, each line's numbers in turn.
std::vector<std::string> answersGiven(const std::string& screen) {
    static const std::regex answer(R"(The\sanswer\sis\s((?:[^.\n]|\.[0-9]|\n(?!\n))*)\.)");
    std::vector<std::string> answers;
    for (auto it = std::sregex_iterator(screen.begin(), screen.end(), answer); it != std::sregex_iterator();
         ++it)
        answers.push_back(std::regex_replace(it->str(1), std::regex("\n"), " "));
    return answers;
}

} // namespace

// Right to the digits given: within half a unit of the answer's last digit, decided on the
// decimal texts (an edge is right on either side, whatever binary rounding does to it), with
// three significant digits or three decimals at least, unless it is the value exactly. An
// infinite or NaN value is answered only by the trace's own word for it.
TEST(Quiz, AnAnswerIsRightToTheDigitsItGives) {
    // Pairs of what is typed and the value it answers (strtod's reading of its text).
    const auto cases = [](const char* pairs) {
        std::vector<std::pair<std::string, double>> read;
        std::istringstream words(pairs);
        for (std::string typed, value; words >> typed >> value;)
            read.emplace_back(typed == "''" ? "" : typed, std::strtod(value.c_str(), nullptr));
        return read;
    };
    for (const auto& [typed, value] :
         cases("2.5 2.5  2.50 2.5  1 1  1e0 1  .5 0.5  -0.358357 -0.35835697 "
               "-0.3583570 -0.35835697  -0.35836 -0.35835697  -0.358 -0.35835697 "
               "1.2e-05 0.000012  0 -0  0.005 0.0049  0.1234565 0.12345649999 "
               "0.123456 0.1234565  0.123457 0.1234565  1.79769e308 1.7976931348623157e308 "
               "inf inf  -inf -inf  0.0001 0.00007  2.e0 2  2.050 2.0503"))
        EXPECT_TRUE(gradeNumber(typed, value, 3).right) << typed << " for " << value;
    for (const auto& [typed, value] :
         cases("2.500006 2.5  2.500004 2.5  0.9999994 1  3 2.5  0.9 1  2.751 2.75 "
               "-0.359 -0.35835697  -1.500005 -1.5  -1.499995 -1.5  2.750005 2.75 "
               "0.1234555 0.1234565  1e-300 0  1e999999999999 1e308  1.00001e308 1e308 "
               "x 1  1,5 1.5  1e 1  . 0  '' 0  5 inf  1e308 inf  1e999 inf  -inf inf "
               "inf 1e308  0 nan  0.0000 0.00007  2.7499 2.75  0.3 0.30000000000000004  1.00e999999999 0"))
        EXPECT_FALSE(gradeNumber(typed, value, 3).right) << typed << " for " << value;
    // The words for an infinity and for NaN are answers, not words refused.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Judgement words = judgeAnswer("inf -inf nan -nan", {HUGE_VAL, -HUGE_VAL, nan, -nan}, 3);
    EXPECT_TRUE(words.refused.empty() && words.right()) << words.refused;
    // Too few digits to tell is said apart from wrong; a lecturer may ask for more.
    EXPECT_TRUE(gradeNumber("0.5", 0.476, 3).tooFewDigits);
    EXPECT_FALSE(gradeNumber("0.4", 0.476, 3).right);
    EXPECT_FALSE(gradeNumber("0.48", 0.476, 3).tooFewDigits && !gradeNumber("0.476", 0.476, 3).right);
    EXPECT_TRUE(gradeNumber("0.476", 0.47638, 4).tooFewDigits);
    EXPECT_TRUE(gradeNumber("0.4764", 0.47638, 4).right);
}

// For every demo: unanswered, the quiz gives its answers; given those, every answer is right;
// given others, none is; and either way the trace is the one without the quiz, lines added.
TEST(Quiz, EveryDemoScoresAllOrNothingAndLeavesItsTraceAsItWas) {
    for (int i = 0; i < demoCount; ++i) {
        SCOPED_TRACE(demos[i].name);
        const std::string choice = std::to_string(i + 1) + "\ny\n";
        const std::string plain = menuOutput(choice, 20);
        const std::string unanswered = optionsOutput("--quiz=100", choice, 20);
        const std::vector<std::string> answers = answersGiven(unanswered);
        ASSERT_FALSE(answers.empty());
        const std::string count = std::to_string(answers.size());
        EXPECT_THAT(unanswered, HasSubstr("Quiz: 0 of " + count + " answers right."));
        std::string right, wrong;
        for (const std::string& answer : answers) {
            right += answer + "\n";
            std::istringstream numbers(answer);
            for (double number; numbers >> number;)
                wrong += std::to_string(number + 1) + " ";
            wrong += "\n";
        }
        const std::string allRight = optionsOutput("--quiz=100", choice + right, 20);
        EXPECT_THAT(allRight, HasSubstr("Quiz: " + count + " of " + count + " answers right."));
        EXPECT_EQ(answersGiven(allRight).size(), 0u);
        const std::string allWrong = optionsOutput("--quiz=100", choice + wrong, 20);
        EXPECT_THAT(allWrong, HasSubstr("Quiz: 0 of " + count + " answers right."));
        EXPECT_EQ(answersGiven(allWrong), answers);
        // The trace without the quiz, its lines in order among those of each run quizzed.
        const std::string amongOthers = std::regex_replace(plain, std::regex("\n"), "\n[...]\n");
        for (const std::string* quizzed : {&unanswered, &allRight, &allWrong})
            EXPECT_EQ(screenDifference(amongOthers, *quizzed), "");
    }
}

// One line answers one question: a line skipped, left blank or marked ? costs that question
// alone; # lines are comments, and so is a # after the dialog's last answer on its line; commas,
// the trace's vector form and a Unicode minus separate and sign numbers as blanks and - do.
TEST(Quiz, AnswerFilesDoNotSlip) {
    const auto exercise = [](const std::string& answers) {
        return optionsOutput("--exercise=3 --quiz=1000", "1\ny\n" + answers);
    };
    const std::vector<std::string> answers = answersGiven(exercise(""));
    ASSERT_GE(answers.size(), 4u);
    const std::string count = std::to_string(answers.size());
    std::string right, skipped, marked, signed_;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        right += answers[i] + "\n";
        skipped += (i == 1 ? "" : answers[i]) + "\n";
        marked += (i == 1 ? "?" : answers[i]) + "\n";
        std::string vector = answers[i];
        vector.replace(vector.find(' '), 1, "; ");
        for (std::size_t minus; (minus = vector.find('-')) != std::string::npos;)
            vector.replace(minus, 1, "\xe2\x88\x92");
        signed_ += "[ " + vector + " ]\n";
    }
    const std::string all = "Quiz: " + count + " of " + count + " answers right.";
    const std::string allButOne =
        "Quiz: " + std::to_string(answers.size() - 1) + " of " + count + " answers right.";
    EXPECT_THAT(exercise(right), HasSubstr(all));
    EXPECT_THAT(exercise("# Name: Alice Smith\n# 12345\n" + right), HasSubstr(all));
    EXPECT_THAT(optionsOutput("--exercise=3 --quiz=1000", "1\ny # the defaults\n" + right), HasSubstr(all));
    EXPECT_THAT(exercise(signed_), HasSubstr(all));
    const std::string blank = exercise(skipped);
    EXPECT_THAT(blank, HasSubstr(allButOne));
    EXPECT_THAT(blank, HasSubstr("No answer. The answer is " + answers[1] + "."));
    EXPECT_THAT(exercise(marked), HasSubstr(allButOne));
}

namespace {

// The numbered questions of a sheet or a key, each joined into one line, and the answers a
// key gives them.
struct Questions {
    std::vector<std::string> texts, answers;
};
Questions questionsOf(const std::string& pages) {
    Questions found;
    static const std::regex numbered(R"(^\d+\. (.*))");
    bool inQuestion = false;
    for (const std::string& line : linesOf(pages)) {
        std::smatch match;
        if (std::regex_match(line, match, numbered)) {
            found.texts.push_back(match[1]);
            inQuestion = true;
        } else if (line.rfind("    Answer: ", 0) == 0) {
            found.answers.push_back(line.substr(12));
            inQuestion = false;
        } else if (inQuestion && line.rfind("    ", 0) == 0) {
            found.texts.back() += " " + line.substr(4);
        } else {
            inQuestion = false;
        }
    }
    return found;
}

// The sheet's question as the key states it: each earlier answer it names written out as the
// vector of those numbers of that answer.
std::string withAnswersWritten(std::string text, const std::vector<std::string>& answers) {
    static const std::regex named(R"((?:numbers (\d+) to (\d+) of )?your answer to question (\d+))");
    std::smatch match;
    while (std::regex_search(text, match, named)) {
        std::istringstream words(answers.at(std::stoul(match[3]) - 1));
        std::vector<std::string> numbers;
        for (std::string word; words >> word;)
            numbers.push_back(word);
        const std::size_t first = match[1].matched ? std::stoul(match[1]) - 1 : 0;
        const std::size_t last = match[2].matched ? std::stoul(match[2]) : numbers.size();
        std::string vector = "[";
        for (std::size_t i = first; i < last; ++i)
            vector += (i == first ? " " : "; ") + numbers.at(i);
        text.replace(static_cast<std::size_t>(match.position(0)), static_cast<std::size_t>(match.length(0)),
                     vector + " ]");
    }
    return text;
}

} // namespace

// Every demo's sheet and key, of seeds 1 to 30: a sheet fits one printed page and its key
// three, within 79 columns, no vector's end alone at a line's start; the sheet asks the key's
// questions, each earlier answer it starts from named (and named rightly) instead of written
// out; and the key's answers are those that the quiz grades on the same seed.
TEST(Practice, SheetsAndKeysFitTheirPagesAndAskWhatTheQuizAsks) {
    for (const Demo& demo : demos)
        for (std::uint64_t seed = 1; seed <= 30; ++seed) {
            const std::string exercise = "--exercise=" + std::to_string(seed) + " --quiz=3 ";
            const std::string sheet = optionsOutput(exercise + "--sheet " + demo.name),
                              key = optionsOutput(exercise + "--key " + demo.name);
            const std::string which = std::string(demo.name) + " seed " + std::to_string(seed);
            const std::vector<std::string> sheetLines = linesOf(sheet), keyLines = linesOf(key);
            EXPECT_LE(sheetLines.size(), 60u + 1) << which; // the last line is the empty one after it
            EXPECT_LE(keyLines.size(), 180u + 1) << which;
            // The single perceptrons' patterns come with their targets.
            const bool single = std::string(demo.name) == "sdpta" || std::string(demo.name) == "scpta";
            for (const char* target : {", d1 = ", ", d2 = ", ", d3 = ", ", d4 = "})
                EXPECT_TRUE(!single || sheet.find(target) != std::string::npos) << which << target;
            for (const std::vector<std::string>* lines : {&sheetLines, &keyLines})
                for (const std::string& line : *lines) {
                    EXPECT_LE(line.size(), 79u) << which << ": " << line;
                    const std::size_t start = line.find_first_not_of(' ');
                    EXPECT_TRUE(start == std::string::npos || line[start] != ']') << which << ": " << line;
                }
            const Questions asked = questionsOf(sheet), answered = questionsOf(key);
            ASSERT_FALSE(asked.texts.empty()) << which;
            ASSERT_EQ(asked.texts.size(), answered.texts.size()) << which;
            ASSERT_EQ(answered.answers.size(), answered.texts.size()) << which;
            for (std::size_t i = 0; i < asked.texts.size(); ++i)
                EXPECT_EQ(withAnswersWritten(asked.texts[i], answered.answers), answered.texts[i])
                    << which << " question " << i + 1;
            if (seed > 5)
                continue;
            std::vector<std::string> graded;
            for (const std::string& answer : answersGiven(optionsOutput(exercise + demo.name, "y\n")))
                graded.push_back(std::regex_replace(answer, std::regex(" +"), " "));
            EXPECT_EQ(graded, answered.answers) << which;
        }
}

// A sheet names an earlier answer where a question starts from it, the latest where two are
// the same, and the run of its numbers where it is part of one; a pattern equal to an answer,
// and numbers that only come near one, are given as they are.
TEST(Practice, ASheetNamesTheAnswersAQuestionStartsFrom) {
    const std::vector<Question> questions = {
        {"Step 1: y = [ 1; 1 ], d = 1, w = [ -2.5; 1.75 ], c = 1.", "", {-1.5, 2.75}, {}},
        {"Step 2: y = [ -1.5; 2.75 ], d = -1, w = [ -1.5; 2.75 ], c = 1.", "", {-1.5, 2.75}, {}},
        {"Cycle 1: x = [ 1; 1 ], w1 = [ -1.5; 2.75 ], w2 = [ -1.5; 2.75001 ].", "", {1, -1, 1, 1}, {}},
        {"Cycle 2: a = [ -1; 1; 1 ], with the matrix w above.", "", {}, {}}};
    EXPECT_EQ(statedOnSheet(questions, 0), questions[0].given);
    EXPECT_EQ(statedOnSheet(questions, 1),
              "Step 2: y = [ -1.5; 2.75 ], d = -1, w = your answer to question 1, c = 1.");
    EXPECT_EQ(statedOnSheet(questions, 2),
              "Cycle 1: x = [ 1; 1 ], w1 = your answer to question 2, w2 = [ -1.5; 2.75001 ].");
    EXPECT_EQ(statedOnSheet(questions, 3),
              "Cycle 2: a = numbers 2 to 4 of your answer to question 3, with the matrix w above.");
}
