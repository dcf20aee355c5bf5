// What each picture must show, worked out here from the textbook figures: the pictures
// of the default runs, the edge cases of the learning curve, and the file of curves.
#include "harness.h"
#include "pictures/pictures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
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
        askForPictures();
        ASSERT_TRUE(writeCurvesTo(curveFile));
    }
};
const auto* const picturesOn = ::testing::AddGlobalTestEnvironment(new PicturesOn);

} // namespace

TEST(Pictures, EveryDefaultRunsPicturesFit79ColumnsAnd20LinesWithTheirAxesStraight) {
    for (char demo = '1'; demo <= '8'; ++demo) {
        const std::string output = menuOutput(std::string(1, demo) + "\ny\n");
        for (const char* title : {"Learning curve:", "Decision line:", "Decision map:", "Output map:",
                                  "Kohonen plane:", "Hopfield memory:", "Bidirectional memory:"}) {
            const Lines lines = picture(output, title);
            EXPECT_LE(lines.size(), 20u) << demo << " " << title;
            for (const std::string& line : lines)
                EXPECT_LE(line.size(), 79u) << line;
            // A plot's rows share one axis column, which meets the bottom axis at its corner.
            const Lines cells = mapCells(lines);
            for (std::size_t row = 1; row <= cells.size(); ++row)
                EXPECT_EQ(lines[row].find('|'), lines[1].find('|')) << title << " row " << row;
            if (!cells.empty()) {
                EXPECT_EQ(lines[cells.size() + 1].find('+'), lines[1].find('|')) << title;
            }
        }
        // The largest value of a curve is drawn in its top row, and the last cycle's number
        // ends where the axis does.
        const Lines curve = picture(output, "Learning curve:");
        if (!curve.empty()) {
            EXPECT_NE(curve[1].find('*'), std::string::npos) << demo;
            EXPECT_EQ(curve[14].size(), curve[13].size()) << demo;
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
    EXPECT_EQ(answers.find_first_not_of("+-", 2), std::string::npos) << "every input has its answer";
    EXPECT_THAT(line[5],
                HasSubstr("x = " + std::to_string(-0.75 / 3).substr(0, 5) + ": +1 (+) to its right"));
    // The labels: the patterns' inputs, and the boundaries at the end and at the start,
    // -1.75 / -2.5 = 0.7, in their order along the line.
    std::istringstream labels(line[3]);
    EXPECT_EQ(Lines(std::istream_iterator<std::string>(labels), {}),
              (Lines{"-2", "-0.5", "-0.25", "0.7", "1", "3"}));
    // Corrections in the three passes: steps 1, 2 and 3, then step 6, then step 10.
    EXPECT_THAT(picture(menuOutput("1\ny\n"), "Learning curve:")[15],
                HasSubstr("At pass 1: 3. At pass 3, the last: 1."));
    // Untrained weights: (0.5, 1) cross 0 at x = -2, rising; (0, 1) never cross.
    EXPECT_THAT(picture(menuOutput("1\nn -3 1 1  1 1 -0.5 -1 3 1 -2 -1  0.5 1\n"), "Decision line:")[5],
                HasSubstr("x = -2: +1 (+) to its right"));
    EXPECT_THAT(picture(menuOutput("1\nn -3 1 1  1 1 -0.5 -1 3 1 -2 -1  0 1\n"), "Decision line:")[5],
                HasSubstr("weights (0, 1) draw no boundary"));
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
        EXPECT_THAT(picture(menuOutput(demo), "Decision map:").back(),
                    HasSubstr("Y1 (10, 2), Y2 (2, -5), Y3 (-5, 5)."));
    }
}

TEST(Pictures, TheNetworkAnswersTheExclusiveOrAtTheFourCorners) {
    // Top row x2 = 1: (0, 1) gives 1, (1, 1) gives 0; bottom row x2 = 0: (0, 0) gives 0,
    // (1, 0) gives 1.
    const Lines map = picture(menuOutput("5\ny\n"), "Output map:");
    std::string corners;
    for (const std::string& row : mapCells(map))
        for (const char cell : row)
            if (cell == '0' || cell == '1')
                corners += cell;
    EXPECT_EQ(corners, "1001");
    EXPECT_EQ(map.back(), "  (0, 0): 0.0738502, (0, 1): 0.932112, (1, 0): 0.932028, (1, 1): 0.0726759.");
}

TEST(Pictures, MemoriesShowWhatTheyStoredAndRecalled) {
    // V1 = (1, -1, 1, -1, 1) is the probe and is recalled.
    const Lines hopfield = picture(menuOutput("6\ny\n"), "Hopfield memory:");
    EXPECT_THAT(hopfield[2], ::testing::EndsWith("##..##..##  ##..##..##"));
    EXPECT_EQ(hopfield.back(), "  Recalled: V1, the probe itself: retrieved.");
    EXPECT_EQ(picture(menuOutput("6\nn 0.5 0 0 0 0  0 0 0 0 0  0 0 0 0 0  1\n"), "Hopfield memory:").back(),
              "  Recalled: no stored vector; the probe is not a stable state.");
    // The probe (-1, 1, 1, 1, 1, 1) recalls pair 1: A1 all +1, B1 all +1.
    const Lines bidirectional = picture(menuOutput("7\ny\n"), "Bidirectional memory:");
    EXPECT_THAT(bidirectional[4], HasSubstr("pair 1 recalled"));
    EXPECT_THAT(bidirectional[5], ::testing::EndsWith("..##########  ############"));
    EXPECT_THAT(bidirectional[6], ::testing::EndsWith("######"));
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
    // A losing weight vector keeps its length: (5, 5) has 5 times the root of 2, 7.07107.
    const Lines typed =
        picture(menuOutput("8\nn\n1\n-1 0 0.1736 -0.9848 0.707 0.707 0.342 -0.9397 0.6 0.8\n1 0 5 5\n"),
                "Kohonen plane:");
    EXPECT_EQ(typed.back(), "  w2 from (5, 5) to (5, 5), length 7.07107.");
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
