// What every demo's dialog shares: any answer but n or N to its question, the end of input
// included, runs its defaults; typed as its prompts show the values, it gives that same
// run; and bad input at any point of it still ends at the menu.
#include "demos/demos.h"
#include "harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>

namespace {

using ::testing::EndsWith;

const std::string question = "Do you want to use the default values? (y/n): ";

// Training is cut short after 3 cycles: enough to compare two runs.
class Demo : public ::testing::TestWithParam<int> {
  protected:
    const std::string choice = std::to_string(GetParam() + 1) + "\n";
    const std::string defaults = menuOutput(choice + "y\n", 3);
};

TEST_P(Demo, AnyAnswerButNKeepsTheDefaults) {
    for (const char* answer : {"Y\n", "5\n", "x\n", ""})
        EXPECT_EQ(menuOutput(choice + answer, 3), defaults) << "answered " << answer;
}

TEST_P(Demo, TypingTheValuesShownRunsTheDefaults) {
    const std::string typed = readFixture(std::string(demos[GetParam()].name) + "-dialog").input;
    std::string upperCase = typed;
    upperCase[choice.size()] = 'N';
    const auto questionEnd = defaults.find(question) + question.size();
    // Ended after n, the dialog keeps every value as it stands.
    for (const std::string& input : {typed, upperCase, choice + "n\n"}) {
        const std::string output = menuOutput(input, 3);
        EXPECT_EQ(output.substr(0, questionEnd), defaults.substr(0, questionEnd));
        EXPECT_THAT(output.substr(questionEnd),
                    ::testing::StartsWith("\nPreparing to accept values from the user..."));
        EXPECT_THAT(output.substr(questionEnd), EndsWith(defaults.substr(questionEnd))) << "typed " << input;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDemo, Demo, ::testing::Range(0, demoCount),
                         [](const auto& demo) { return std::string(demos[demo.param].name); });

const std::string endings[] = {"", "x", "1e999", "-0", std::string(5000, '7'), "nan"};
const char* const endingNames[] = {"EndOfInput", "Letter", "Overflow", "NegativeZero", "LongDigits", "NaN"};

class BadInput : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(BadInput, EveryRunEndsAtTheMenu) {
    const std::string menu = menuOutput("q\n");
    std::istringstream dialog(
        readFixture(std::string(demos[std::get<0>(GetParam())].name) + "-dialog").input);
    std::string typed, answer;
    std::getline(dialog, typed);
    do {
        // Training runs stop after 10 cycles: endless ones are only slower, not different.
        const std::string output = menuOutput(typed + "\n" + endings[std::get<1>(GetParam())] + "\n", 10);
        ASSERT_THAT(output.substr(output.size() - std::min(output.size(), menu.size() + 500)), EndsWith(menu))
            << "typed: " << typed;
    } while (std::getline(dialog, answer) && answer != "q" && (typed += "\n" + answer, true));
}

INSTANTIATE_TEST_SUITE_P(Sweep, BadInput,
                         ::testing::Combine(::testing::Range(0, demoCount), ::testing::Range(0, 6)),
                         [](const auto& test) {
                             return std::string(demos[std::get<0>(test.param)].name) + "_" +
                                    endingNames[std::get<1>(test.param)];
                         });

} // namespace
