// The decision pictures of the training demos: where the trained neurons put their
// boundaries between the classes, with the training patterns marked on them.
#include "canvas.h"
#include "demos/rules.h"
#include "pictures.h"

#include <algorithm>
#include <cmath>

using CwMtx::CWTSVector;

namespace {

constexpr int mapWidth = 61;
constexpr int mapHeight = 13;
constexpr int mapLeft = 8; // the values at the left of the vertical axis, and the axis itself

// A map: the plane's cells from (across.lo, up.hi) at the top left, with both axes labelled.
struct PlaneMap {
    Scale across, up;
    Canvas cells{mapLeft + mapWidth, mapHeight + 2};

    PlaneMap(Scale acrossScale, Scale upScale) : across(acrossScale), up(upScale) {
        for (int row = 0; row < mapHeight; ++row)
            cells.put(mapLeft - 1, row, '|');
        cells.write(mapLeft - 1, mapHeight, "+" + std::string(mapWidth, '-'));
        cells.write(0, 0, number(up.hi));
        cells.write(0, mapHeight - 1, number(up.lo));
        cells.write(mapLeft, mapHeight + 1, number(across.lo));
        const std::string right = number(across.hi);
        cells.write(mapLeft + mapWidth - static_cast<int>(right.size()), mapHeight + 1, right);
    }
    double x(int column) const { return across.value(column); }
    double y(int row) const { return up.value(mapHeight - 1 - row); }
    void put(double atX, double atY, char mark) {
        cells.put(mapLeft + across.cell(atX), mapHeight - 1 - up.cell(atY), mark);
    }
    void fill(int column, int row, char mark) { cells.put(mapLeft + column, row, mark); }
};

std::string pair(double x, double y) {
    return "(" + number(x) + ", " + number(y) + ")";
}

// The input where the net input w0 x + w1 b is 0, or NaN when there is none.
double boundary(const CWTSVector<2>& w, double bias) {
    return w[0] != 0 ? -w[1] * bias / w[0] : std::nan("");
}

void drawLine(const SingleNeuronRun& run) {
    constexpr int width = 72;
    const double bias = run.patterns[0][1];
    std::vector<double> places;
    for (const CWTSVector<2>& y : run.patterns)
        places.push_back(y[0]);
    const double end = boundary(run.weights, bias), start = boundary(run.startWeights, bias);
    for (double place : {end, start})
        if (std::isfinite(place))
            places.push_back(place);
    const Scale line = scaleAround(places, width, 0.08);
    Canvas canvas(pictureWidth, 3);
    for (int column = 0; column < width; ++column) {
        const double x = line.value(column);
        canvas.put(2 + column, 0, discreteOutput(run.weights, CWTSVector<2>{x, bias}) > 0 ? '+' : '-');
        canvas.put(2 + column, 1, '.');
    }
    // The labels below the line, left to right, each where there is room for it.
    int free = 0;
    const auto mark = [&](double x, char sign) {
        const int column = 2 + line.cell(x);
        canvas.put(column, 1, sign);
        const std::string label = number(x);
        const int from = std::max(free, column - static_cast<int>(label.size()) / 2);
        if (from + static_cast<int>(label.size()) <= pictureWidth && from <= column) {
            canvas.write(from, 2, label);
            free = from + static_cast<int>(label.size()) + 1;
        }
    };
    std::vector<std::pair<double, char>> marks;
    for (std::size_t k = 0; k < 4; ++k)
        marks.push_back({run.patterns[k][0], static_cast<char>('1' + k)});
    if (std::isfinite(start))
        marks.push_back({start, ':'});
    if (std::isfinite(end))
        marks.push_back({end, '|'});
    std::stable_sort(marks.begin(), marks.end());
    for (const auto& [x, sign] : marks)
        mark(x, sign);

    std::vector<std::string> lines = {
        "Decision line: the input x where the net input w0 x + w1 b is 0 (b = " + number(bias) + ")"};
    lines.insert(lines.end(), canvas.rows.begin(), canvas.rows.end());
    std::string patterns = "  Patterns 1 to 4 at";
    for (std::size_t k = 0; k < 4; ++k)
        patterns += std::string(k ? "," : "") + " " + number(run.patterns[k][0]) + " (d " +
                    number(run.desired[k]) + ")";
    lines.push_back(patterns + ".");
    if (std::isfinite(end))
        lines.push_back("  | The trained boundary, x = " + number(end) + ": +1 (+) to its " +
                        (run.weights[0] > 0 ? "right, -1 (-) to its left." : "left, -1 (-) to its right."));
    else
        lines.push_back("  The trained weights " + pair(run.weights[0], run.weights[1]) +
                        " draw no boundary: the answer is the same everywhere, as + and - show.");
    lines.push_back(
        "  : The starting weights " + pair(run.startWeights[0], run.startWeights[1]) +
        (std::isfinite(start) ? " had their boundary at x = " + number(start) + "." : " had none."));
    writePicture(lines);
}

// Each input of the plane as the class its neurons give it: the one neuron that answers +1
// (discrete), or the neuron with the highest output (continuous); '?' where no neuron or
// more than one answers +1.
char classAt(const MulticlassRun& run, const CWTSVector<3>& x, bool capital) {
    int chosen = -1;
    double best = -INFINITY;
    int answeringPlus = 0;
    for (int k = 0; k < 3; ++k) {
        const CWTSVector<3>& weights = run.weights[static_cast<std::size_t>(k)];
        const double output =
            run.discrete ? discreteOutput(weights, x) : continuousOutput(weights, x, run.lambda);
        answeringPlus += output > 0;
        if (output > best) {
            best = output;
            chosen = k;
        }
    }
    if (chosen < 0 || (run.discrete && answeringPlus != 1))
        return '?';
    return static_cast<char>((capital ? 'A' : 'a') + chosen);
}

void drawClasses(const MulticlassRun& run) {
    std::vector<double> xs, ys;
    for (const CWTSVector<3>& y : run.patterns) {
        xs.push_back(y[0]);
        ys.push_back(y[1]);
    }
    PlaneMap map(scaleAround(xs, mapWidth, 0.25), scaleAround(ys, mapHeight, 0.25));
    const double bias = run.patterns[0][2];
    for (int row = 0; row < mapHeight; ++row)
        for (int column = 0; column < mapWidth; ++column)
            map.fill(column, row, classAt(run, CWTSVector<3>{map.x(column), map.y(row), bias}, false));
    std::string patterns = " ";
    for (std::size_t i = 0; i < 3; ++i) {
        const CWTSVector<3>& y = run.patterns[i];
        map.put(y[0], y[1], classAt(run, y, true));
        patterns += std::string(i ? "," : "") + " Y" + std::to_string(i + 1) + " " + pair(y[0], y[1]);
    }
    std::vector<std::string> lines = {
        "Decision map: the class the trained neurons give each input (x0 across, x1 up)"};
    lines.insert(lines.end(), map.cells.rows.begin(), map.cells.rows.end());
    lines.push_back(std::string("  a b c: classes 1, 2, 3, by the neuron ") +
                    (run.discrete ? "that answers +1; ?: none or several do." : "with the highest output."));
    lines.push_back("  A B C: the patterns (bias input " + number(bias) +
                    "), each marked with the class it is given:");
    lines.push_back(patterns + ".");
    writePicture(lines);
}

void drawNetworkMap(const NetworkRun& run) {
    PlaneMap map({-0.5, 1.5, mapWidth}, {-0.5, 1.5, mapHeight});
    const double bias = run.patterns[0][2];
    for (int row = 0; row < mapHeight; ++row)
        for (int column = 0; column < mapWidth; ++column)
            map.fill(column, row,
                     networkOutput({map.x(column), map.y(row), bias}, run.firstLayer, run.secondLayer,
                                   run.threshold) > 0.5
                         ? '#'
                         : '.');
    std::string outputs = " ";
    for (const CWTSVector<3>& x : run.patterns) {
        const double o = networkOutput(x, run.firstLayer, run.secondLayer, run.threshold);
        map.put(x[0], x[1], std::rint(o) == 1 ? '1' : std::rint(o) == 0 ? '0' : '?');
        outputs += " " + pair(x[0], x[1]) + ": " + number(o) + ",";
    }
    outputs.back() = '.';
    std::vector<std::string> lines = {
        "Output map: the trained network around the unit square (x1 across, x2 up)"};
    lines.insert(lines.end(), map.cells.rows.begin(), map.cells.rows.end());
    lines.push_back("  #: output above one half, .: below; bias input " + number(bias) + ".");
    lines.push_back("  0 and 1: the patterns, each marked with its rounded output:");
    lines.push_back(outputs);
    writePicture(lines);
}

void drawKohonenPlane(const KohonenRun& run) {
    std::vector<double> xs = {-1, 1}, ys = {-1, 1};
    const auto include = [&](const CWTSVector<2>& v) {
        if (std::isfinite(v[0]) && std::isfinite(v[1])) {
            xs.push_back(v[0]);
            ys.push_back(v[1]);
        }
    };
    for (const CWTSVector<2>& v : run.patterns)
        include(v);
    for (std::size_t j = 0; j < 2; ++j) {
        include(run.startWeights[j]);
        include(run.weights[j]);
    }
    PlaneMap map(scaleAround(xs, mapWidth, 0.1), scaleAround(ys, mapHeight, 0.1));
    const double pi = std::acos(-1.0);
    for (int step = 0; step < 240; ++step)
        map.put(std::cos(step * pi / 120), std::sin(step * pi / 120), '.');
    for (std::size_t p = 0; p < run.patterns.size(); ++p)
        map.put(run.patterns[p][0], run.patterns[p][1], static_cast<char>('1' + p));
    for (std::size_t j = 0; j < 2; ++j) {
        map.put(run.startWeights[j][0], run.startWeights[j][1], static_cast<char>('a' + j));
        map.put(run.weights[j][0], run.weights[j][1], static_cast<char>('A' + j));
    }
    std::vector<std::string> lines = {
        "Kohonen plane: the unit circle (.), the patterns and the weight vectors"};
    lines.insert(lines.end(), map.cells.rows.begin(), map.cells.rows.end());
    lines.push_back("  1 to 5: patterns; a b: weights of neurons 1, 2 at the start, A B: at the end.");
    for (std::size_t j = 0; j < 2; ++j) {
        const CWTSVector<2>& start = run.startWeights[j];
        const CWTSVector<2>& end = run.weights[j];
        lines.push_back("  w" + std::to_string(j + 1) + " from " + pair(start[0], start[1]) + " to " +
                        pair(end[0], end[1]) + ", length " + number(length(end)) + ".");
    }
    writePicture(lines);
}

} // namespace

void showPictures(const SingleNeuronRun& run) {
    writeCurve(run.demo, run.curve);
    if (picturesAsked()) {
        drawCurve(run.curve);
        drawLine(run);
    }
}

void showPictures(const MulticlassRun& run) {
    writeCurve(run.demo, run.curve);
    if (picturesAsked()) {
        drawCurve(run.curve);
        drawClasses(run);
    }
}

void showPictures(const NetworkRun& run) {
    writeCurve("bpn", run.curve);
    if (picturesAsked()) {
        drawCurve(run.curve);
        drawNetworkMap(run);
    }
}

void showPictures(const KohonenRun& run) {
    writeCurve("kcl", run.curve);
    if (picturesAsked()) {
        drawCurve(run.curve);
        drawKohonenPlane(run);
    }
}
