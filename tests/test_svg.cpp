// The pictures as SVG files (--svg): each parses as a standalone SVG 1.1 document with its
// title and description, and its geometry is the run's: a pattern's mark at its point, a
// boundary where its neuron's net input is 0, a curve's points at their cycles and values, a
// memory's cells of their signs, each within half a pixel, read off the picture's own axes.
#include "demos/demos.h"
#include "exercises/exercises.h"
#include "harness.h"
#include "model/rules.h"
#include "pictures/svg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;

// Runs the demo alone on its defaults (or the seed's exercise), its pictures into the folder.
void runInto(const fs::path& folder, int demo, std::uint64_t seed = 0) {
    optionsOutput("-d --svg=" + folder.string() + (seed > 0 ? " --exercise=" + std::to_string(seed) : "") +
                  " " + demos[demo].name);
}

// Every element of the document, depth first.
void collect(XMLElement* element, std::vector<XMLElement*>& all) {
    for (; element; element = element->NextSiblingElement()) {
        all.push_back(element);
        collect(element->FirstChildElement(), all);
    }
}

bool hasClass(const XMLElement* element, const std::string& name) {
    const char* classes = element->Attribute("class");
    if (!classes)
        return false;
    std::istringstream words(classes);
    for (std::string word; words >> word;)
        if (word == name)
            return true;
    return false;
}

// A picture read back: its elements, and its axes as the ticks' labels place them.
struct Picture {
    XMLDocument document;
    std::vector<XMLElement*> elements;
    // value = a pixel + b on each axis, in log10 on a log axis.
    double ax = 0, bx = 0, ay = 0, by = 0;
    bool logY = false;

    explicit Picture(const fs::path& file) {
        EXPECT_EQ(document.LoadFile(file.string().c_str()), tinyxml2::XML_SUCCESS) << file;
        collect(document.RootElement(), elements);
        logY = std::string(text("desc")).find("log scale") != std::string::npos;
        fit("tick-x", "x", ax, bx, false);
        fit("tick-y", "y", ay, by, logY);
    }

    const char* text(const char* name) const {
        for (const XMLElement* element : elements)
            if (std::string(element->Name()) == name && element->GetText())
                return element->GetText();
        return "";
    }

    std::vector<XMLElement*> ofClass(const std::string& name, const char* element = nullptr) const {
        std::vector<XMLElement*> found;
        for (XMLElement* e : elements)
            if (hasClass(e, name) && (!element || std::string(e->Name()) == element))
                found.push_back(e);
        return found;
    }

    // The axis from its first and last labelled ticks, every other tick held to it.
    void fit(const std::string& tick, const char* attribute, double& a, double& b, bool logarithmic) {
        std::vector<std::pair<double, double>> marks;
        for (const XMLElement* label : ofClass(tick, "text")) {
            const double value = std::stod(label->GetText());
            marks.push_back({label->DoubleAttribute(attribute), logarithmic ? std::log10(value) : value});
        }
        if (marks.size() < 2)
            return;
        a = (marks.back().second - marks.front().second) / (marks.back().first - marks.front().first);
        b = marks.front().second - a * marks.front().first;
        for (const auto& [pixel, value] : marks)
            EXPECT_NEAR(a * pixel + b, value, std::fabs(a) * 0.5) << tick << " at " << pixel;
    }

    // The pixel of a value on each axis.
    double px(double x) const { return (x - bx) / ax; }
    double py(double y) const { return ((logY ? std::log10(y) : y) - by) / ay; }
};

// A mark's centre: the translation of its group.
std::pair<double, double> centreOf(const XMLElement* mark) {
    double x = 0, y = 0;
    std::sscanf(mark->Attribute("transform"), "translate(%lf,%lf)", &x, &y);
    return {x, y};
}

// The plot's frame in pixels, left, top, right, bottom: the first rectangle drawn with no fill.
std::array<double, 4> frameOf(const Picture& picture) {
    const XMLElement* frame = picture.document.RootElement()->FirstChildElement("rect");
    while (frame && !frame->Attribute("fill", "none"))
        frame = frame->NextSiblingElement("rect");
    const double left = frame->DoubleAttribute("x"), top = frame->DoubleAttribute("y");
    return {left, top, left + frame->DoubleAttribute("width"), top + frame->DoubleAttribute("height")};
}

// Whether the point lies in the plot's frame, to half a pixel.
bool withinFrame(const Picture& picture, double x, double y) {
    const auto [left, top, right, bottom] = frameOf(picture);
    return picture.px(x) >= left - 0.5 && picture.px(x) <= right + 0.5 && picture.py(y) >= top - 0.5 &&
           picture.py(y) <= bottom + 0.5;
}

// Expects a mark of each pattern at its first two elements within half a pixel, and no other;
// each within the plot's frame.
template <std::size_t M, unsigned N>
void expectMarksAt(const Picture& picture, const std::array<CWTSVector<N>, M>& patterns) {
    const std::vector<XMLElement*> marks = picture.ofClass("pattern", "g");
    ASSERT_EQ(marks.size(), M);
    for (const CWTSVector<N>& pattern : patterns) {
        const double x = pattern[0], y = pattern[1];
        bool found = false;
        for (const XMLElement* mark : marks) {
            const auto [cx, cy] = centreOf(mark);
            found = found || (std::fabs(cx - picture.px(x)) <= 0.5 && std::fabs(cy - picture.py(y)) <= 0.5);
        }
        EXPECT_TRUE(found) << "no mark at (" << x << ", " << y << ")";
        EXPECT_TRUE(withinFrame(picture, x, y)) << "(" << x << ", " << y << ") outside the plot";
    }
}

// Expects the neuron's boundary line where a x + b y + c = 0: both its ends within half a
// pixel of that line, as the picture's axes place it.
void expectBoundary(const Picture& picture, int neuron, double a, double b, double c) {
    const XMLElement* line = nullptr;
    for (const XMLElement* candidate : picture.ofClass("boundary", "line"))
        if (candidate->IntAttribute("data-neuron") == neuron)
            line = candidate;
    ASSERT_NE(line, nullptr) << "neuron " << neuron;
    // The line in pixels: a' X + b' Y + c' = 0.
    const double pa = a * picture.ax, pb = b * picture.ay, pc = a * picture.bx + b * picture.by + c;
    for (const char* end : {"1", "2"}) {
        const double X = line->DoubleAttribute((std::string("x") + end).c_str());
        const double Y = line->DoubleAttribute((std::string("y") + end).c_str());
        EXPECT_LE(std::fabs(pa * X + pb * Y + pc) / std::hypot(pa, pb), 0.5)
            << "neuron " << neuron << " end " << end;
    }
}

// Expects the boundary of each of three neurons, w0 x + w1 y + w2 bias = 0, drawn where
// the frame's corners lie on both of its sides, and drawn on its line.
void expectBoundaries(const Picture& picture, const std::array<CWTSVector<3>, 3>& weights, double bias) {
    const auto [left, top, right, bottom] = frameOf(picture);
    for (int neuron = 1; neuron <= 3; ++neuron) {
        const CWTSVector<3>& w = weights[static_cast<unsigned>(neuron - 1)];
        std::set<bool> sides;
        for (const double X : {left, right})
            for (const double Y : {top, bottom}) {
                const double x = picture.ax * X + picture.bx, y = picture.ay * Y + picture.by;
                sides.insert(w[0] * x + w[1] * y + w[2] * bias > 0);
            }
        if (sides.size() == 2)
            expectBoundary(picture, neuron, w[0], w[1], w[2] * bias);
    }
}

// A polyline's points, in pixels.
std::vector<std::pair<double, double>> pointsOf(const XMLElement* polyline) {
    std::vector<std::pair<double, double>> points;
    std::istringstream text(polyline->Attribute("points"));
    for (std::string pair; text >> pair;) {
        double x = 0, y = 0;
        std::sscanf(pair.c_str(), "%lf,%lf", &x, &y);
        points.push_back({x, y});
    }
    return points;
}

} // namespace

// Every picture of every demo's default run and of five exercises stands alone: XML,
// a title and a description, no script and nothing fetched, at most 100 KB; and it marks
// every pattern of its run.
TEST(Svg, EveryPictureIsAStandaloneDocument) {
    const unsigned patternCounts[] = {4, 3, 4, 3, 4, 0, 0, 5};
    for (int demo = 0; demo < demoCount; ++demo)
        for (std::uint64_t seed = 0; seed <= 5; ++seed) {
            const fs::path folder = freshFolder("svg-all");
            runInto(folder, demo, seed);
            const std::string stem = std::string(demos[demo].name) + "-1-";
            std::set<std::string> names;
            for (const auto& entry : fs::directory_iterator(folder))
                names.insert(entry.path().filename().string());
            const std::set<std::string> expected =
                patternCounts[demo] > 0 ? std::set<std::string>{stem + "curve.svg", stem + "plane.svg"}
                                        : std::set<std::string>{stem + "memory.svg"};
            EXPECT_EQ(names, expected) << demos[demo].name << " seed " << seed;
            for (const std::string& name : names) {
                const fs::path file = folder / name;
                SCOPED_TRACE(name + " seed " + std::to_string(seed));
                EXPECT_LE(fs::file_size(file), 100u * 1024);
                const std::string text = fileText(file);
                EXPECT_EQ(text.find("<script"), std::string::npos);
                EXPECT_EQ(text.find("href"), std::string::npos);
                // Its root, the designed pictures hold: each picture's is written by one function.
                const Picture picture(file);
                EXPECT_STRNE(picture.text("title"), "");
                EXPECT_GT(std::string(picture.text("desc")).size(), 20u);
                if (name.find("plane") != std::string::npos) {
                    EXPECT_EQ(picture.ofClass("pattern", "g").size(), patternCounts[demo]);
                }
            }
        }
}

// A curve of one value, with no limit, has a unit of room above that value, and says it is one;
// a curve holds its limit; and a long one, thinned, still ends at its last value.
TEST(Svg, ACurveHasRoomForItsValuesAndItsLimit) {
    const fs::path file = fs::path(freshFolder("svg-one-value")) / "curve.svg";
    std::ofstream(file) << curveSvg(LearningCurve{"kcl", "movement", "cycle", std::nan(""), {2.5}}).text;
    const Picture curve(file);
    const auto points = pointsOf(curve.ofClass("curve", "polyline").at(0));
    ASSERT_EQ(points.size(), 1u);
    EXPECT_NEAR(points[0].second, curve.py(2.5), 0.5);
    EXPECT_TRUE(withinFrame(curve, 1, 2.5));
    EXPECT_THAT(curve.text("desc"), ::testing::HasSubstr(" over 1 cycle: 2.5 at the first,"));
    // A curve on a log scale that stopped above its limit reaches down to the limit all the same.
    std::ofstream(file) << curveSvg(LearningCurve{"scpta", "error", "cycle", 0.01, {100, 10, 1, 0.5}}).text;
    EXPECT_TRUE(withinFrame(Picture(file), 1, 0.01));
    // A long curve, thinned, ends at its last value, though that is neither extreme of the last
    // cycles it stands for.
    std::vector<double> values(1000, 1.0);
    values[997] = 0.5;
    values[998] = 2;
    std::ofstream(file) << curveSvg(LearningCurve{"bpn", "error", "cycle", std::nan(""), values}).text;
    const Picture thinned(file);
    const auto last = pointsOf(thinned.ofClass("curve", "polyline").at(0)).back();
    EXPECT_NEAR(last.first, thinned.px(1000), 0.5);
    EXPECT_NEAR(last.second, thinned.py(1), 0.5);
}

// With --step, the plane at each pause too, named by its unit; the boundary moves between
// the pauses after steps 1 and 2 of the single discrete perceptron.
TEST(Svg, StepModeWritesThePlaneAtEachPause) {
    const fs::path folder = freshFolder("svg-step");
    optionsOutput("-d -s --svg=" + folder.string() + " sdpta", std::string(11, '\n'));
    for (int step = 1; step <= 10; ++step)
        EXPECT_TRUE(fs::exists(folder / ("sdpta-1-plane-step-" + std::to_string(step) + ".svg"))) << step;
    // The weights after step 1, (-1.5, 2.75), and after step 2, (-1, 1.75).
    expectBoundary(Picture(folder / "sdpta-1-plane-step-1.svg"), 1, -1.5, 2.75, 0);
    expectBoundary(Picture(folder / "sdpta-1-plane-step-2.svg"), 1, -1, 1.75, 0);
}

// The pictures of every demo's default run as designed, each looked at when it was made (the
// single perceptron's boundary 3 y0 + 0.75 y1 = 0, + on its side above 0; back-propagation's
// 5629 cycles thinned to 600 points or fewer, its first and last kept): the files under
// pictures/, which NNRULES_REWRITE_FIXTURES (make fixtures) writes anew where they differ.
TEST(Svg, TheDefaultRunsPicturesAreAsDesigned) {
    const fs::path folder = freshFolder("svg-designed");
    for (int demo = 0; demo < demoCount; ++demo)
        runInto(folder, demo);
    for (const auto& entry : fs::directory_iterator(folder)) {
        const fs::path designed = fs::path(NNRULES_PICTURES) / entry.path().filename();
        const std::string drawn = fileText(entry.path());
        if (std::getenv("NNRULES_REWRITE_FIXTURES") && (!fs::exists(designed) || fileText(designed) != drawn))
            std::ofstream(designed) << drawn;
        else
            EXPECT_EQ(drawn, fileText(designed)) << entry.path().filename();
    }
}

namespace {

// The signs of a memory picture's row of cells, by the row's name.
std::map<std::string, std::vector<int>> rowsOf(const Picture& memory) {
    std::map<std::string, std::vector<int>> rows;
    for (const XMLElement* row : memory.ofClass("vector", "g")) {
        std::vector<int>& signs = rows[row->Attribute("data-name")];
        for (const XMLElement* cell = row->FirstChildElement("rect"); cell;
             cell = cell->NextSiblingElement("rect"))
            signs.push_back(hasClass(cell, "plus") ? 1 : hasClass(cell, "minus") ? -1 : 0);
    }
    return rows;
}

template <unsigned N>
std::vector<int> signsOf(const CWTSVector<N>& v) {
    std::vector<int> signs;
    for (unsigned i = 0; i < N; ++i)
        signs.push_back(v[i] >= 0 ? 1 : -1);
    return signs;
}

} // namespace

// A bidirectional memory's B probe stands under the B vectors, its a and b after each cycle
// beside each other: the recall of the B probe settles after cycle 2. A memory's cell is of
// its element's sign as the rule's sgn takes it: the -2 and the 0 typed among a stored
// vector's elements are a minus and a plus.
TEST(Svg, AMemorysRecallStandsBesideItsVectorsEachCellOfItsSign) {
    const fs::path folder = freshFolder("svg-memories");
    optionsOutput("--svg=" + folder.string(), readFixture("bam-b-probe").input);
    optionsOutput("--svg=" + folder.string(), readFixture("ham-kept-diagonal").input);
    std::map<std::string, double> leftOf;
    const Picture pairs(folder / "bam-1-memory.svg");
    for (const XMLElement* row : pairs.ofClass("vector", "g"))
        leftOf[row->Attribute("data-name")] = row->FirstChildElement("rect")->DoubleAttribute("x");
    EXPECT_EQ(leftOf.at("probe b"), leftOf.at("B1"));
    EXPECT_EQ(leftOf.count("cycle 2: a"), 1u);
    EXPECT_EQ(leftOf.count("cycle 3: a"), 0u);
    EXPECT_EQ(rowsOf(Picture(folder / "ham-1-memory.svg")).at("V2"), (std::vector<int>{-1, 1, 1, -1, 1}));
}

namespace {

// Each cycle's value, as the model trains the problem.
struct CycleValues : Unwatching {
    std::vector<double> values;
    bool unitEnds(const Progress& progress) {
        values.push_back(progress.lastValue);
        return true;
    }
};

} // namespace

// Five exercises of each demo: the patterns where the draw put them, each perceptron's boundary
// where the weights that the model trains give it a net input of 0, the Kohonen weights' arrows
// from the origin and their paths, the network's four patterns, the memories' stored vectors
// and pairs in their cells, and every point of the single continuous perceptron's curve at a
// cycle and at that cycle's error as the model trains it.
TEST(Svg, ExercisesPicturesAreTheirRunsToo) {
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const fs::path folder = freshFolder("svg-exercise-" + std::to_string(seed));
        for (int demo = 0; demo < demoCount; ++demo)
            runInto(folder, demo, seed);

        // The patterns' bias input is 1, as the demo's threshold gives it; the draw sets the rest.
        int steps = 0;
        double C = 0;
        std::array<CWTSVector<2>, 4> Ys = {{{0, 1}, {0, 1}, {0, 1}, {0, 1}}};
        std::array<double, 4> d;
        CWTSVector<2> Ws;
        drawSdpta(seed, steps, C, Ys, d, Ws);
        SdptaProblem single{C, Ys, d, Ws};
        Unwatching nobody;
        trainSdpta(single, Guard{steps, std::nan(""), false}, nobody);
        Picture singlePlane(folder / "sdpta-1-plane.svg");
        expectMarksAt(singlePlane, Ys);
        expectBoundary(singlePlane, 1, single.weights[0], single.weights[1], 0);

        std::array<CWTSVector<3>, 3> Y = {{{0, 0, -1}, {0, 0, -1}, {0, 0, -1}}}, W;
        drawMcdpta(seed, Y, W);
        McdptaProblem multiclass{1, Y, W};
        trainMcdpta(multiclass, Guard{10, 0}, nobody);
        Picture plane(folder / "mcdpta-1-plane.svg");
        expectMarksAt(plane, Y);
        expectBoundaries(plane, multiclass.weights, -1);

        expectMarksAt(Picture(folder / "bpn-1-plane.svg"),
                      std::array<CWTSVector<2>, 4>{{{0, 0}, {0, 1}, {1, 0}, {1, 1}}});

        std::array<CWTSVector<5>, 3> V;
        int probe = 1;
        drawHam(seed, V, probe);
        const auto hopfield = rowsOf(Picture(folder / "ham-1-memory.svg"));
        for (unsigned v = 0; v < 3; ++v)
            EXPECT_EQ(hopfield.at("V" + std::to_string(v + 1)), signsOf(V[v]));
        EXPECT_EQ(hopfield.at("probe"), signsOf(V[static_cast<unsigned>(probe - 1)]));

        std::array<CWTSVector<6>, 4> A;
        std::array<CWTSVector<3>, 4> B;
        CWTSVector<6> aProbe;
        drawBam(seed, A, B, aProbe);
        const auto bidirectional = rowsOf(Picture(folder / "bam-1-memory.svg"));
        for (unsigned k = 0; k < 4; ++k) {
            EXPECT_EQ(bidirectional.at("A" + std::to_string(k + 1)), signsOf(A[k]));
            EXPECT_EQ(bidirectional.at("B" + std::to_string(k + 1)), signsOf(B[k]));
        }
        EXPECT_EQ(bidirectional.at("probe a"), signsOf(aProbe));

        std::array<CWTSVector<2>, 5> X;
        std::array<CWTSVector<2>, 2> w;
        double alpha = 1;
        drawKcl(seed, X, w, alpha);
        KclProblem kohonen{alpha, X, w, w};
        trainKcl(kohonen, Guard{2000, std::nan(""), true}, nobody);
        Picture kcl(folder / "kcl-1-plane.svg");
        expectMarksAt(kcl, X);
        // Each neuron's weights as arrows from the origin, at the start and trained, and its path
        // from the one to the other, cycle by cycle.
        for (const XMLElement* weights : kcl.ofClass("weights", "g")) {
            const std::string title = weights->FirstChildElement("title")->GetText();
            const unsigned j = title[1] == '1' ? 0 : 1;
            const CWTSVector<2>& to = title.find("start") != std::string::npos ? w[j] : kohonen.weights[j];
            const XMLElement* line = weights->FirstChildElement("line");
            EXPECT_NEAR(line->DoubleAttribute("x1"), kcl.px(0), 0.5) << title;
            EXPECT_NEAR(line->DoubleAttribute("y1"), kcl.py(0), 0.5) << title;
            EXPECT_NEAR(line->DoubleAttribute("x2"), kcl.px(to[0]), 0.5) << title;
            EXPECT_NEAR(line->DoubleAttribute("y2"), kcl.py(to[1]), 0.5) << title;
        }
        EXPECT_EQ(kcl.ofClass("weights", "g").size(), 4u);
        for (const XMLElement* path : kcl.ofClass("path", "polyline")) {
            const auto j = static_cast<unsigned>(path->IntAttribute("data-neuron") - 1);
            const auto points = pointsOf(path);
            ASSERT_GT(points.size(), 2u);
            EXPECT_NEAR(points.front().first, kcl.px(w[j][0]), 0.5);
            EXPECT_NEAR(points.front().second, kcl.py(w[j][1]), 0.5);
            EXPECT_NEAR(points.back().first, kcl.px(kohonen.weights[j][0]), 0.5);
            EXPECT_NEAR(points.back().second, kcl.py(kohonen.weights[j][1]), 0.5);
        }
        EXPECT_EQ(kcl.ofClass("path", "polyline").size(), 2u);

        double nu = 0.1;
        std::array<CWTSVector<2>, 4> Yc = {{{1, 1}, {-0.5, 1}, {3, 1}, {-2, 1}}};
        std::array<double, 4> dc = {1, -1, 1, -1};
        CWTSVector<2> Wc{-2.5, 1.75};
        drawScpta(seed, nu, Yc, dc, Wc);
        ScptaProblem continuous{nu, 1, Yc, dc, Wc};
        CycleValues errors;
        trainScpta(continuous, Guard{100000, 0.01}, errors);
        Picture curve(folder / "scpta-1-curve.svg");
        ASSERT_EQ(curve.ofClass("curve", "polyline").size(), 1u);
        const auto points = pointsOf(curve.ofClass("curve", "polyline")[0]);
        ASSERT_FALSE(points.empty());
        EXPECT_NEAR(points.back().first, curve.px(static_cast<double>(errors.values.size())), 0.5);
        for (const auto& [x, y] : points) {
            const double cycle = std::round(x * curve.ax + curve.bx);
            ASSERT_GE(cycle, 1);
            ASSERT_LE(cycle, static_cast<double>(errors.values.size()));
            EXPECT_NEAR(x, curve.px(cycle), 0.5);
            EXPECT_NEAR(y, curve.py(errors.values[static_cast<std::size_t>(cycle) - 1]), 0.5)
                << "cycle " << cycle;
        }
        expectBoundary(Picture(folder / "scpta-1-plane.svg"), 1, continuous.weights[0], continuous.weights[1],
                       0);

        std::array<CWTSVector<3>, 3> patterns = {{{10, 2, -1}, {2, -5, -1}, {-5, 5, -1}}};
        std::array<CWTSVector<3>, 3> weights = {{{0.4, -0.2, 0.1}, {0.5, -0.1, 0.2}, {0.1, 0.3, -0.1}}};
        double rate = 0.1;
        drawMccpta(seed, rate, patterns, weights);
        MccptaProblem multiclassContinuous{rate, 1, patterns, weights};
        trainMccpta(multiclassContinuous, Guard{100000, 0.01}, nobody);
        expectBoundaries(Picture(folder / "mccpta-1-plane.svg"), multiclassContinuous.weights,
                         patterns[0][2]);
    }
}
