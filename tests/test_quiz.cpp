// The quiz: answers graded to the precision of the trace, every demo's questions answered
// wrong and then as the quiz itself answered them, and answer files that end early or err.
#include "demos/demos.h"
#include "harness.h"
#include "quiz/quiz.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;

std::string quizRun(const std::string& input, int quizzed = 3, int cycleLimit = 100000) {
    MenuRun run;
    run.input = input;
    run.settings.quizzedUnits = quizzed;
    run.settings.cycleLimit = cycleLimit;
    return menuOutput(run);
}

// The answers the quiz gave, "The answer is 1 -1." and the like, each line's numbers in turn.
std::vector<std::string> answersGiven(const std::string& screen) {
    static const std::regex answer(R"(The answer is ((?:[^.\n]|\.[0-9]|\n(?!\n))*)\.)");
    std::vector<std::string> answers;
    for (auto it = std::sregex_iterator(screen.begin(), screen.end(), answer); it != std::sregex_iterator();
         ++it)
        answers.push_back(std::regex_replace(it->str(1), std::regex("\n"), " "));
    return answers;
}

// True when the lines of `part` stand, in order, among those of `whole`.
bool inOrderAmong(const std::string& part, const std::string& whole) {
    const std::vector<std::string> wanted = linesOf(part), lines = linesOf(whole);
    std::size_t at = 0;
    for (const std::string& line : lines)
        if (at < wanted.size() && line == wanted[at])
            ++at;
    return at == wanted.size();
}

} // namespace

// The same six significant digits as the trace, or within half a unit of the sixth.
TEST(Quiz, AnAnswerIsRightToThePrecisionTheTraceWrites) {
    for (const auto& [typed, value] : {std::pair{"2.5", 2.5},
                                       {"2.50", 2.5},
                                       {"2.500004", 2.5},
                                       {"1", 1.0},
                                       {"1e0", 1.0},
                                       {"0.9999994", 1.0},
                                       {"-0.358357", -0.35835697},
                                       {"-0.3583570", -0.35835697},
                                       {"1.2e-05", 0.000012},
                                       {"0", -0.0},
                                       {"0.1234565", 0.12345649999}})
        EXPECT_TRUE(rightNumber(typed, value)) << typed << " for " << value;
    for (const auto& [typed, value] : {std::pair{"2.500006", 2.5},
                                       {"3", 2.5},
                                       {"0.9", 1.0},
                                       {"2.751", 2.75},
                                       {"-0.35836", -0.35835697},
                                       {"x", 1.0},
                                       {"1,5", 1.5},
                                       {"", 0.0}})
        EXPECT_FALSE(rightNumber(typed, value)) << typed << " for " << value;
}

// For every demo: unanswered, the quiz gives its answers; given those, every answer is right;
// given others, none is; and either way the trace is the one without the quiz, lines added.
TEST(Quiz, EveryDemoScoresAllOrNothingAndLeavesItsTraceAsItWas) {
    for (int i = 0; i < demoCount; ++i) {
        SCOPED_TRACE(demos[i].name);
        const std::string choice = std::to_string(i + 1) + "\ny\n";
        const std::string plain = menuOutput(choice, 20);
        const std::string unanswered = quizRun(choice, 100, 20);
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
        const std::string allRight = quizRun(choice + right, 100, 20);
        EXPECT_THAT(allRight, HasSubstr("Quiz: " + count + " of " + count + " answers right."));
        EXPECT_EQ(answersGiven(allRight).size(), 0u);
        const std::string allWrong = quizRun(choice + wrong, 100, 20);
        EXPECT_THAT(allWrong, HasSubstr("Quiz: 0 of " + count + " answers right."));
        EXPECT_EQ(answersGiven(allWrong), answers);
        for (const std::string* quizzed : {&unanswered, &allRight, &allWrong})
            EXPECT_TRUE(inOrderAmong(plain, *quizzed)) << *quizzed;
    }
}
