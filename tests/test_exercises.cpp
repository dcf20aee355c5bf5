// Exercises: every problem drawn is one that the demo's own rule ends, soon, the same for a
// seed every time, and a new one for another seed.
#include "demos/demos.h"
#include "harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <regex>
#include <set>
#include <string>

namespace {

using ::testing::HasSubstr;

std::string exerciseRun(int demo, std::uint64_t seed) {
    return optionsOutput("--brief --exercise=" + std::to_string(seed), std::to_string(demo + 1) + "\ny\n");
}

// A bipolar vector's text with each element's sign turned.
std::string opposite(const std::string& vector) {
    const std::string marked = std::regex_replace(vector, std::regex("-1"), "m");
    return std::regex_replace(std::regex_replace(marked, std::regex("1"), "-1"), std::regex("m"), "1");
}

} // namespace

class Exercises : public ::testing::TestWithParam<int> {};

TEST_P(Exercises, EverySeedDrawsAProblemThatTheDemosRuleEndsSoon) {
    // How each demo says it ended, and where it says after how many units: from so many to
    // so many. A training that a draw's first unit would end is no exercise: the single
    // discrete perceptron runs until a pass of four steps after the first corrects nothing.
    const struct {
        const char* ended;
        const char* count;
        long least, most;
    } ends[] = {{"Training terminated.", "No. of Training Steps (", 8, 20},
                {"Training terminated: further", "Learning Cycle No.: ", 2, 10},
                {"Training terminated.", "Total Learning Cycles = ", 2, 10},
                {"Training terminated: further", "Learning Cycle No.: ", 2, 10},
                {"Training terminated: further", "Total cycles: ", 2, 20000},
                {"correctly.", "Cycle no.: ", 1, 1},
                {"k: ", "Cycle no.: ", 1, 2},
                {"Training terminated.", "Total no. of cycles: ", 2, 200}};
    // The rates that these seeds draw: every one a draw takes from, but the continuous
    // perceptrons' 0.1, with which their ten cycles seldom reach the error limit (3 seeds in 150).
    const std::set<std::string> rates[] = {{}, {}, {"0.2", "0.5"},       {"0.2", "0.5"}, {"0.2", "0.5"},
                                           {}, {}, {"0.3", "0.4", "0.5"}};
    static const std::regex rate(R"((?:nu|alpha) \(([0-9.]+)\): )");
    const int demo = GetParam();
    std::set<std::string> problems, ratesDrawn;
    // Seeds 1 to 30, then 171, whose first draw of the multiclass discrete perceptron one cycle ends.
    for (std::uint64_t seed = 1; seed <= 171; seed = seed == 30 ? 171 : seed + 1) {
        SCOPED_TRACE(std::string(demos[demo].name) + " seed " + std::to_string(seed));
        const std::string screen = exerciseRun(demo, seed);
        EXPECT_THAT(screen, HasSubstr(ends[demo].ended));
        EXPECT_THAT(screen, ::testing::Not(HasSubstr("stopped")));
        const std::size_t at = screen.rfind(ends[demo].count);
        ASSERT_NE(at, std::string::npos);
        const long units = std::stol(screen.substr(at + std::strlen(ends[demo].count)));
        EXPECT_TRUE(units >= ends[demo].least && units <= ends[demo].most) << units << " units";
        EXPECT_TRUE(demo != 0 || units % 4 == 0) << units << " steps: not whole passes";
        EXPECT_EQ(screen, exerciseRun(demo, seed));
        const std::string problem = screen.substr(0, screen.find("Do you want"));
        EXPECT_TRUE(problem.find("-0;") == std::string::npos && problem.find("-0 ]") == std::string::npos);
        // A memory's vectors differ, the bidirectional one's probe from those stored too, and
        // the Hopfield memory stores no vector's opposite (which it would store as the vector).
        static const std::regex vector(R"((?:Vector [ABV]\d|Probe Vector):  (\[.*\]))");
        std::set<std::string> vectors;
        std::size_t shown = 0;
        for (auto it = std::sregex_iterator(problem.begin(), problem.end(), vector);
             it != std::sregex_iterator(); ++it, ++shown) {
            vectors.insert(it->str(1));
            if (demo == 5)
                vectors.insert(opposite(it->str(1)));
        }
        EXPECT_EQ(vectors.size(), demo == 5 ? 2 * shown : shown) << problem;
        // The single perceptrons' patterns are of both classes.
        static const std::regex ofClass(R"(d\d: (-?1)\n)");
        std::set<std::string> classes;
        for (auto it = std::sregex_iterator(problem.begin(), problem.end(), ofClass);
             it != std::sregex_iterator(); ++it)
            classes.insert((*it)[1]);
        EXPECT_TRUE(classes.empty() || classes.size() == 2) << problem;
        problems.insert(problem);
        if (std::smatch drawn; std::regex_search(problem, drawn, rate))
            ratesDrawn.insert(drawn[1]);
    }
    EXPECT_EQ(ratesDrawn, rates[demo]);
    EXPECT_EQ(problems.size(), 31u) << demos[demo].name << ": seeds that draw the same problem";
}

// A Kohonen exercise's patterns lie at whole tens of degrees on the unit circle, its weights at
// whole thirties, each element rounded to four decimals as the defaults are written.
TEST(Exercises, KohonenVectorsAreRoundAnglesRoundedToFourDecimals) {
    static const std::regex vector(R"((X\d|w\d): +\[ (\S+); (\S+) \])");
    const double degree = std::acos(-1.0) / 180;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        const std::string screen = exerciseRun(7, seed);
        const std::string problem = screen.substr(0, screen.find("Do you want"));
        int vectors = 0;
        for (auto it = std::sregex_iterator(problem.begin(), problem.end(), vector);
             it != std::sregex_iterator(); ++it, ++vectors) {
            const double x = std::stod((*it)[2]), y = std::stod((*it)[3]);
            const int step = (*it)[1].str()[0] == 'X' ? 10 : 30;
            bool onStep = false;
            for (int angle = 0; angle < 360; angle += step)
                onStep = onStep || (std::fabs(x - std::cos(angle * degree)) <= 0.5e-4 + 1e-12 &&
                                    std::fabs(y - std::sin(angle * degree)) <= 0.5e-4 + 1e-12);
            EXPECT_TRUE(onStep) << "seed " << seed << ": " << it->str();
        }
        EXPECT_EQ(vectors, 7) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDemo, Exercises, ::testing::Range(0, demoCount),
                         [](const auto& demo) { return std::string(demos[demo.param].name); });
