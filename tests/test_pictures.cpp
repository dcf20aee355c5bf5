// Whatever is typed, every picture keeps its shape (79 columns, 20 lines, straight axes,
// finite numbers or words); what each shows, the fixtures of pictures hold.
#include "demos/demos.h"
#include "harness.h"
#include "pictures/pictures.h"
#include "pictures/wording.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const char* const titles[] = {"Learning curve:", "Decision line:",   "Decision map:",        "Output map:",
                              "Kohonen plane:",  "Hopfield memory:", "Bidirectional memory:"};

// The pictures of a run's output: each from its title to the blank line after it.
std::vector<Lines> pictures(const std::string& output) {
    std::vector<Lines> found;
    for (const std::string& line : linesOf(output)) {
        if (!found.empty() && !found.back().empty() && !line.empty())
            found.back().push_back(line);
        else if (!found.empty() && !found.back().empty())
            found.emplace_back();
        for (const char* title : titles)
            if (line.rfind(title, 0) == 0)
                found.push_back({line});
    }
    found.erase(std::remove_if(found.begin(), found.end(), [](const Lines& p) { return p.empty(); }),
                found.end());
    return found;
}

// True when the line has "inf" or "nan" as a word: a number written as no number.
bool namesNoNumberAsNumber(const std::string& line) {
    static const std::regex noNumber(R"(\b(inf|nan)\b)");
    return std::regex_search(line, noNumber);
}

// Every number of a demo's dialog replaced by the value, the letters kept.
std::string typedEverywhere(const std::string& dialog, const std::string& value) {
    std::istringstream lines(dialog);
    std::string typed, line;
    for (int n = 0; std::getline(lines, line); ++n) {
        std::istringstream words(line);
        for (std::string word; words >> word;)
            typed += (n < 2 || std::isalpha(static_cast<unsigned char>(word[0])) ? word : value) + " ";
        typed += "\n";
    }
    return typed;
}

const char* const extremes[] = {"4.9e-324", "-1e308", "1e308", "-2.2e-308"};

class ExtremeValues : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(ExtremeValues, EveryPictureKeepsItsShape) {
    const std::string typed =
        typedEverywhere(readFixture(std::string(demos[std::get<0>(GetParam())].name) + "-dialog").input,
                        extremes[std::get<1>(GetParam())]);
    const std::vector<Lines> drawn = pictures(optionsOutput("-p", typed, 10));
    ASSERT_FALSE(drawn.empty());
    for (const Lines& picture : drawn) {
        EXPECT_LE(picture.size(), 20u) << picture[0];
        for (const std::string& line : picture) {
            EXPECT_LE(line.size(), 79u) << line;
            EXPECT_FALSE(namesNoNumberAsNumber(line)) << line;
        }
        // A plot's or a map's rows share one axis column, which meets the bottom axis.
        if (picture[0].find("line:") != std::string::npos || picture[0].find("memory:") != std::string::npos)
            continue;
        const auto axis = picture[1].find('|');
        std::size_t row = 1;
        for (; row < picture.size() && picture[row].find("+---") == std::string::npos; ++row)
            EXPECT_EQ(picture[row].find('|'), axis) << picture[row];
        ASSERT_LT(row, picture.size()) << picture[0];
        EXPECT_EQ(picture[row].find('+'), axis) << picture[0];
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDemo, ExtremeValues,
                         ::testing::Combine(::testing::Range(0, demoCount), ::testing::Range(0, 4)),
                         [](const auto& test) {
                             return std::string(demos[std::get<0>(test.param)].name) + "_" +
                                    std::to_string(std::get<1>(test.param));
                         });

} // namespace

// The learning curve's axis (at the terminal, and in SVG by the same rule) is logarithmic only
// where its values span more than two decades: exactly two (1 to 100) stay on a linear axis.
TEST(Pictures, ALearningCurveGoesLogarithmicBeyondTwoDecades) {
    const auto titleOf = [](double largest) {
        const LearningCurve curve{"scpta", "cycle error", "cycle", std::nan(""), {largest, 1}};
        const std::string drawn = outputOf([&curve] { drawCurve(curve); }, "");
        return drawn.substr(drawn.find("Learning"),
                            drawn.find('\n', drawn.find("Learning")) - drawn.find("Learning"));
    };
    EXPECT_EQ(titleOf(100), "Learning curve: cycle error, 2 cycles");
    EXPECT_EQ(titleOf(100.001), "Learning curve: cycle error (log scale), 2 cycles");
}

// A value worked out for a picture is noted 0 below a part in 10^12 of the size shown, and
// as it is from there on.
TEST(Pictures, ANoteWritesWhatRoundingLeftAsZero) {
    EXPECT_EQ(asNoted(0.99e-12, 1) + " " + asNoted(1e-12, 1) + " " + asNoted(-1.5e-12, -2), "0 1e-12 0");
}
