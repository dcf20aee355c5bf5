// The decision pictures of the training demos: where the neurons put their boundaries
// between the classes, with the training patterns marked on them.
#include "canvas.h"
#include "model/geometry.h"
#include "model/neurons.h"
#include "pictures.h"
#include "scale.h"
#include "wording.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

using CwMtx::CWTSVector;

namespace {

constexpr int mapWidth = 61;
constexpr int mapHeight = 11;
constexpr int mapLeft = 14; // the values at the left of the vertical axis, and the axis itself

// The largest magnitude among the values, against which rounding is judged.
double sizeOf(const std::vector<double>& values) {
    double size = 0;
    for (const double value : values)
        if (std::isfinite(value))
            size = std::max(size, std::fabs(value));
    return size;
}

// A map: the plane's cells from (across.lo, up.hi) at the top left, with both axes labelled.
struct PlaneMap {
    Scale across, up;
    double size = sizeOf({across.lo, across.hi, up.lo, up.hi});
    Canvas cells{pictureWidth, mapHeight + 2};

    PlaneMap(Scale acrossScale, Scale upScale) : across(acrossScale), up(upScale) {
        cells.write(0, 0, asNoted(up.hi, size));
        cells.write(0, mapHeight - 1, asNoted(up.lo, size));
        for (int row = 0; row < mapHeight; ++row)
            cells.put(mapLeft - 1, row, '|');
        cells.write(mapLeft - 1, mapHeight, "+" + std::string(mapWidth, '-'));
        cells.write(mapLeft, mapHeight + 1, asNoted(across.lo, size));
        const std::string right = asNoted(across.hi, size);
        cells.write(mapLeft + mapWidth - static_cast<int>(right.size()), mapHeight + 1, right);
    }
    double x(int column) const { return across.value(column); }
    double y(int row) const { return up.value(mapHeight - 1 - row); }
    void fill(int column, int row, char c) { cells.put(mapLeft + column, row, c); }
    void mark(double atX, double atY, char c) {
        if (std::isfinite(atX) && std::isfinite(atY))
            cells.mark(mapLeft + across.cell(atX), mapHeight - 1 - up.cell(atY), c);
    }
    // The picture: its title, the map and its axes, the notes, and which mark covers which.
    std::vector<std::string> picture(const std::string& title, std::vector<std::string> notes) const {
        std::vector<std::string> lines = {title};
        lines.insert(lines.end(), cells.rows.begin(), cells.rows.end());
        lines.insert(lines.end(), notes.begin(), notes.end());
        if (const std::string covers = cells.coverNote(); !covers.empty())
            lines.push_back(covers);
        return lines;
    }
};

// A map around the patterns' two inputs, widened by the margin, each cell filled with what
// the neurons answer there, on the plane of pattern 1's bias input.
template <std::size_t Count, class Answer>
PlaneMap mapAround(const std::array<CWTSVector<3>, Count>& patterns, double margin, Answer answerAt) {
    std::vector<double> xs, ys;
    for (const CWTSVector<3>& pattern : patterns) {
        xs.push_back(pattern[0]);
        ys.push_back(pattern[1]);
    }
    PlaneMap map(scaleAround(xs, mapWidth, margin), scaleAround(ys, mapHeight, margin));
    for (int row = 0; row < mapHeight; ++row)
        for (int column = 0; column < mapWidth; ++column)
            map.fill(column, row, answerAt(CWTSVector<3>{map.x(column), map.y(row), patterns.front()[2]}));
    return map;
}

// The bias input of the map's plane, pattern 1's, and the patterns whose own differs
// ("; Y2 has 1"), which lie off that plane.
template <std::size_t Count>
std::string biasNote(const std::array<CWTSVector<3>, Count>& patterns, const char* name) {
    std::string note = asNoted(patterns.front()[2]);
    for (std::size_t p = 1; p < Count; ++p)
        if (patterns[p][2] != patterns.front()[2])
            note += std::string("; ") + name + std::to_string(p + 1) + " has " + asNoted(patterns[p][2]);
    return note;
}

// The input where the net input w0 x + w1 b is 0, or NaN when there is none.
double boundary(const CWTSVector<2>& w, double bias) {
    return w[0] != 0 ? -w[1] * bias / w[0] : std::nan("");
}

// The single neuron's output for the input x, by its own rule.
double outputAt(const SingleNeuronRun& run, double x) {
    const CWTSVector<2> input{x, run.patterns.front()[1]};
    return run.discrete ? discreteOutput(run.weights, input)
                        : continuousOutput(run.weights, input, run.lambda);
}

char signOf(double output) {
    return output > 0 ? '+' : output < 0 ? '-' : output == 0 ? '0' : '?';
}

// The class the three neurons give an input, as a letter from `first` on: the one neuron
// that answers +1 (discrete), or the neuron with the highest output (continuous); '?'
// where no neuron or more than one answers +1, or no output is a number.
char classAt(const MulticlassRun& run, const CWTSVector<3>& x, char first) {
    char chosen = '?'; // until an output is a number
    double best = -INFINITY;
    int answeringPlus = 0;
    for (int k = 0; k < 3; ++k) {
        const CWTSVector<3>& weights = run.weights[static_cast<std::size_t>(k)];
        const double output =
            run.discrete ? discreteOutput(weights, x) : continuousOutput(weights, x, run.lambda);
        answeringPlus += output == 1;
        if (output > best) {
            best = output;
            chosen = static_cast<char>(first + k);
        }
    }
    return run.discrete && answeringPlus != 1 ? '?' : chosen;
}

} // namespace

void drawState(const SingleNeuronRun& run) {
    constexpr int width = 72;
    const double bias = run.patterns.front()[1];
    const bool flat = !run.discrete && run.lambda == 0; // the output is 0 for every input
    const double end = flat ? std::nan("") : boundary(run.weights, bias);
    const double start = boundary(run.startWeights, bias);
    std::vector<double> places;
    for (const CWTSVector<2>& y : run.patterns)
        places.push_back(y[0]);
    places.push_back(end);
    places.push_back(start);
    const Scale line = scaleAround(places, width, 0.08);

    // The answers, the axis with its marks, and below it as many rows of labels as they need.
    Canvas canvas(pictureWidth, 2);
    for (int column = 0; column < width; ++column) {
        canvas.put(2 + column, 0, signOf(outputAt(run, line.value(column))));
        canvas.put(2 + column, 1, '.');
    }
    std::vector<std::pair<double, char>> marks;
    if (std::isfinite(start))
        marks.push_back({start, ':'});
    if (std::isfinite(end))
        marks.push_back({end, '|'});
    for (std::size_t k = 0; k < 4; ++k)
        marks.push_back({run.patterns[k][0], static_cast<char>('1' + k)});
    for (const auto& [x, sign] : marks)
        canvas.mark(2 + line.cell(x), 1, sign);
    std::stable_sort(marks.begin(), marks.end());
    std::vector<int> free; // the first free column of each row of labels
    double labelled = std::nan("");
    for (const auto& [x, sign] : marks) {
        // Marks at one place (a boundary that did not move, patterns that coincide) share
        // its one label.
        if (x == labelled)
            continue;
        labelled = x;
        const std::string label = asNoted(x);
        const int length = static_cast<int>(label.size());
        const int from = std::clamp(2 + line.cell(x) - length / 2, 0, pictureWidth - length);
        std::size_t row = 0;
        while (row < free.size() && free[row] > from)
            ++row;
        if (row == free.size()) {
            free.emplace_back();
            canvas.rows.push_back(std::string(pictureWidth, ' '));
        }
        canvas.write(from, 2 + static_cast<int>(row), label);
        free[row] = from + length + 1;
    }

    std::vector<std::string> lines = {
        "Decision line: the input x where the net input w0 x + w1 b is 0 (b = " + asNoted(bias) + ")"};
    lines.insert(lines.end(), canvas.rows.begin(), canvas.rows.end());
    std::string patterns = "  Patterns 1 to 4 at";
    for (std::size_t k = 0; k < 4; ++k) {
        const double given =
            run.discrete ? outputAt(run, run.patterns[k][0]) : std::rint(outputAt(run, run.patterns[k][0]));
        patterns += std::string(k ? "," : "") + " " + asNoted(run.patterns[k][0]) + " (d " +
                    asNoted(run.desired[k]) + (given == run.desired[k] ? "" : ", given " + asNoted(given)) +
                    ")";
    }
    lines.push_back(patterns + ".");
    const std::string answers = run.discrete ? "+1 (+)" : "an output above 0 (+)";
    const std::string others = run.discrete ? "-1 (-)" : "below 0 (-)";
    // Right of the boundary the net input has the sign of w0, and the output that of w0
    // times the steepness.
    const bool plusOnTheRight = run.discrete ? run.weights[0] > 0 : run.weights[0] * run.lambda > 0;
    if (std::isfinite(end))
        lines.push_back(
            std::string(run.ended ? "  | The trained boundary, x = " : "  | The boundary now, x = ") +
            asNoted(end) + ": " + answers + " to its " +
            (plusOnTheRight ? "right, " + others + " to its left." : "left, " + others + " to its right."));
    else
        lines.push_back(std::string(run.ended ? "  The trained weights " : "  The weights now ") +
                        pointAsNoted(run.weights[0], run.weights[1]) +
                        " draw no boundary: the answer is the same everywhere, as the top row shows.");
    lines.push_back(
        "  : The starting weights " + pointAsNoted(run.startWeights[0], run.startWeights[1]) +
        (std::isfinite(start) ? " had their boundary at x = " + asNoted(start) + "." : " had none."));
    if (const std::string covers = canvas.coverNote(); !covers.empty())
        lines.push_back(covers);
    writePicture(lines);
}

void drawState(const MulticlassRun& run) {
    PlaneMap map =
        mapAround(run.patterns, 0.25, [&run](const CWTSVector<3>& x) { return classAt(run, x, 'a'); });
    std::string patterns = "  A B C:";
    for (std::size_t i = 0; i < 3; ++i) {
        const CWTSVector<3>& y = run.patterns[i];
        const char given = classAt(run, y, 'a');
        map.mark(y[0], y[1], static_cast<char>('A' + i));
        patterns += std::string(i ? "," : "") + " Y" + std::to_string(i + 1) + " " +
                    pointAsNoted(y[0], y[1]) +
                    (given == static_cast<char>('a' + i) ? "" : std::string(" given ") + given);
    }
    writePicture(map.picture(
        run.ended ? "Decision map: the class the trained neurons give each input (x0 across, x1 up)"
                  : "Decision map: the class the neurons give each input now (x0 across, x1 up)",
        {std::string("  a b c: classes 1, 2, 3, by the neuron ") +
             (run.discrete ? "that answers +1; ?: none or several do." : "with the highest output."),
         patterns + ", each marked as its own class.", "  Bias input " + biasNote(run.patterns, "Y") + "."}));
}

void drawState(const NetworkRun& run) {
    PlaneMap map = mapAround(run.patterns, 0.5, [&run](const CWTSVector<3>& x) {
        return networkOutput(x, run.firstLayer, run.secondLayer, run.threshold) > 0.5 ? '#' : '.';
    });
    std::string outputs = " ";
    for (std::size_t p = 0; p < run.patterns.size(); ++p) {
        const CWTSVector<3>& x = run.patterns[p];
        const double o = networkOutput(x, run.firstLayer, run.secondLayer, run.threshold);
        map.mark(x[0], x[1], run.desired[p] == 1 ? '1' : '0');
        outputs +=
            " " + pointAsNoted(x[0], x[1]) + ": " + asNoted(o) +
            (std::rint(o) == run.desired[p] || std::isnan(o) ? ""
                                                             : " (rounds to " + asNoted(std::rint(o)) + ")") +
            ",";
    }
    outputs.back() = '.';
    writePicture(map.picture(
        run.ended ? "Output map: the trained network around its patterns (x1 across, x2 up)"
                  : "Output map: the network now, around its patterns (x1 across, x2 up)",
        {"  #: output above one half, .: not above; bias input " + biasNote(run.patterns, "X") + ".",
         "  0 1: the patterns, each marked with the output it should give; their outputs:", outputs}));
}

void drawState(const KohonenRun& run) {
    std::vector<double> xs = {-1, 1}, ys = {-1, 1};
    const auto include = [&](const CWTSVector<2>& v) {
        xs.push_back(v[0]);
        ys.push_back(v[1]);
    };
    for (const CWTSVector<2>& v : run.patterns)
        include(v);
    for (const auto* weights : {&run.startWeights, &run.weights})
        for (const CWTSVector<2>& w : *weights)
            include(w);
    // A cell is about twice as tall as it is wide: a unit across takes twice as many
    // columns as a unit up takes rows, so that the circle is round on the screen.
    const Scale across = scaleAround(xs, mapWidth, 0.1), up = scaleAround(ys, mapHeight, 0.1);
    const double acrossHalf = across.hi / 2 - across.lo / 2, upHalf = up.hi / 2 - up.lo / 2;
    const double columnsPerRow = (mapWidth - 1) / 2.0 / (mapHeight - 1);
    const double half = std::min(std::max(acrossHalf, upHalf * columnsPerRow), DBL_MAX);
    const double acrossMiddle = across.lo / 2 + across.hi / 2, upMiddle = up.lo / 2 + up.hi / 2;
    const auto finite = [](double value) { return std::clamp(value, -DBL_MAX, DBL_MAX); };
    PlaneMap map(
        {finite(acrossMiddle - half), finite(acrossMiddle + half), mapWidth},
        {finite(upMiddle - half / columnsPerRow), finite(upMiddle + half / columnsPerRow), mapHeight});
    const double pi = std::acos(-1.0);
    for (int step = 0; step < 240; ++step)
        map.fill(map.across.cell(std::cos(step * pi / 120)),
                 mapHeight - 1 - map.up.cell(std::sin(step * pi / 120)), '.');
    for (std::size_t j = 0; j < 2; ++j)
        map.mark(run.startWeights[j][0], run.startWeights[j][1], static_cast<char>('a' + j));
    for (std::size_t p = 0; p < run.patterns.size(); ++p)
        map.mark(run.patterns[p][0], run.patterns[p][1], static_cast<char>('1' + p));
    for (std::size_t j = 0; j < 2; ++j)
        map.mark(run.weights[j][0], run.weights[j][1], static_cast<char>('A' + j));
    std::vector<std::string> notes = {
        std::string("  1 to 5: patterns; a b: weights of neurons 1, 2 at the start, A B: ") +
        (run.ended ? "at the end." : "now.")};
    for (std::size_t j = 0; j < 2; ++j) {
        const CWTSVector<2>& start = run.startWeights[j];
        const CWTSVector<2>& end = run.weights[j];
        notes.push_back("  w" + std::to_string(j + 1) + " from " + pointAsNoted(start[0], start[1]) + " to " +
                        pointAsNoted(end[0], end[1]) + ", length " + asNoted(vectorLength(end)) + ".");
    }
    writePicture(
        map.picture("Kohonen plane: the unit circle (.), the patterns and the weight vectors", notes));
}
