// What each picture must show, worked out here from the textbook figures: the pictures
// of the default runs, the edge cases of the learning curve, and the file of curves.
#include "harness.h"
#include "pictures/pictures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

using ::testing::HasSubstr;
using Lines = std::vector<std::string>;

// The lines of the picture with this title, from a run of the menu with pictures drawn.
Lines picture(const std::string& output, const std::string& title) {
    std::istringstream text(output.substr(std::min(output.size(), output.find("\n" + title) + 1)));
    Lines lines;
    for (std::string line; std::getline(text, line) && !line.empty();)
        lines.push_back(line);
    return lines;
}

// The cells of a map: its rows, from the axis on the left.
Lines mapCells(const Lines& map) {
    Lines cells;
    for (std::size_t row = 1; row < map.size() && map[row].find('|') != std::string::npos; ++row)
        cells.push_back(map[row].substr(map[row].find('|') + 1));
    return cells;
}

const std::string curveFile = ::testing::TempDir() + "nnrules-curves.tsv";

// Draws the pictures and writes the curves of every run of these tests.
struct PicturesOn : ::testing::Environment {
    void SetUp() override {
        drawPicturesAfterDemos();
        ASSERT_TRUE(writeCurvesTo(curveFile));
    }
};
const auto* const picturesOn = ::testing::AddGlobalTestEnvironment(new PicturesOn);

} // namespace

TEST(Pictures, EveryDefaultRunsPicturesFit79ColumnsAnd20Lines) {
    for (char demo = '1'; demo <= '8'; ++demo) {
        const std::string output = menuOutput(std::string(1, demo) + "\ny\n");
        for (const char* title : {"Learning curve:", "Decision line:", "Decision map:", "Output map:",
                                  "Kohonen plane:", "Hopfield memory:", "Bidirectional memory:"}) {
            const Lines lines = picture(output, title);
            EXPECT_LE(lines.size(), 20u) << demo << " " << title;
            for (const std::string& line : lines)
                EXPECT_LE(line.size(), 79u) << line;
        }
    }
}

TEST(Pictures, SingleDiscretePerceptronEndsWithItsBoundaryBetweenPatterns2And1) {
    // The final weights (3, 0.75) with the bias input 1: 3 x + 0.75 = 0 at x = -0.25,
    // between the patterns -0.5 (pattern 2) and 1 (pattern 1); +1 lies to the right.
    const Lines line = picture(menuOutput("1\ny\n"), "Decision line:");
    ASSERT_GE(line.size(), 5u);
    const std::string& answers = line[1];
    const std::string& axis = line[2];
    const auto boundary = axis.find('|');
    EXPECT_LT(axis.find('2'), boundary);
    EXPECT_GT(axis.find('1'), boundary);
    EXPECT_EQ(answers[boundary - 1], '-');
    EXPECT_EQ(answers[boundary + 1], '+');
    EXPECT_THAT(line[5],
                HasSubstr("x = " + std::to_string(-0.75 / 3).substr(0, 5) + ": +1 (+) to its right"));
}

TEST(Pictures, EachMulticlassPatternLiesInItsOwnClass) {
    for (const char* demo : {"2\ny\n", "4\ny\n"}) {
        const Lines cells = mapCells(picture(menuOutput(demo), "Decision map:"));
        std::string marks;
        for (const std::string& row : cells)
            for (const char cell : row)
                if (std::isupper(static_cast<unsigned char>(cell)))
                    marks += cell;
        std::sort(marks.begin(), marks.end());
        EXPECT_EQ(marks, "ABC") << demo;
    }
}

TEST(Pictures, TheNetworkAnswersTheExclusiveOrAtTheFourCorners) {
    // Top row x2 = 1: (0, 1) gives 1, (1, 1) gives 0; bottom row x2 = 0: (0, 0) gives 0,
    // (1, 0) gives 1.
    std::string corners;
    for (const std::string& row : mapCells(picture(menuOutput("5\ny\n"), "Output map:")))
        for (const char cell : row)
            if (cell == '0' || cell == '1')
                corners += cell;
    EXPECT_EQ(corners, "1001");
}

TEST(Pictures, KohonenWeightVectorsEndOnTheUnitCircle) {
    int found = 0;
    for (const std::string& line : picture(menuOutput("8\ny\n"), "Kohonen plane:"))
        if (const auto end = line.find(" to ("); end != std::string::npos) {
            std::size_t comma = 0;
            const double x = std::stod(line.substr(end + 5), &comma);
            const double y = std::stod(line.substr(end + 5 + comma + 1));
            EXPECT_NEAR(std::hypot(x, y), 1, 1e-5) << line;
            ++found;
        }
    EXPECT_EQ(found, 2);
}

TEST(Pictures, CurvesSaySingleCyclesZerosGuardsAndNonNumbersInWords) {
    const Lines single = picture(menuOutput("3\nn\n1 0\n"), "Learning curve:");
    EXPECT_THAT(single[0], ::testing::EndsWith(", 1 cycle"));
    EXPECT_THAT(single.back(), HasSubstr("stopped by a guard"));
    const Lines zero = picture(menuOutput("2\ny\n"), "Learning curve:");
    EXPECT_THAT(zero[12], ::testing::StartsWith("0 "));
    EXPECT_THAT(zero[16], HasSubstr("The limit, 0, is reached"));
    EXPECT_THAT(zero[17], HasSubstr("drawn on the row marked 0"));
    const Lines capped = picture(menuOutput("3\nn\n1 0.1 0\n", 3), "Learning curve:");
    EXPECT_THAT(capped.back(), HasSubstr("Still above the limit, 0.01: training was stopped by a guard."));
    const Lines notANumber =
        picture(menuOutput("3\nn\n1 0.1 0  1 1 -0.5 -1 3 1 -2 -1  1e308 1e308\n"), "Learning curve:");
    EXPECT_THAT(notANumber[notANumber.size() - 2], HasSubstr("The last value is not a number"));
    EXPECT_THAT(notANumber.back(), HasSubstr("are not drawn"));
}

TEST(Pictures, TheCurveFileHoldsARowForEachCycleOfEachRun) {
    const std::string before = [] {
        std::ostringstream text;
        text << std::ifstream(curveFile).rdbuf();
        return text.str();
    }();
    menuOutput("3\ny\n6\ny\n");
    std::ifstream file(curveFile);
    std::string line, last;
    std::getline(file, line);
    EXPECT_EQ(line, "demo\trun\tcycle\tvalue");
    int rows = 0;
    for (; std::getline(file, line); ++rows)
        last = line;
    const int earlier = static_cast<int>(std::count(before.begin(), before.end(), '\n')) - 1;
    EXPECT_EQ(rows - earlier, 579) << "the single continuous perceptron's cycles; the memory has no curve";
    EXPECT_THAT(last, ::testing::MatchesRegex("scpta\t[0-9]+\t579\t0.00999742"));
}
