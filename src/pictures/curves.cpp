// The learning curve: the value a training run works down, cycle by cycle, on a
// logarithmic axis, and the file of every run's curve for plotting tools.
#include "canvas.h"
#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

bool pictures = false;
std::ofstream curveFile;
int curvesWritten = 0;

constexpr int plotWidth = 54;
constexpr int plotHeight = 12;
constexpr int labelWidth = 14; // the values at the left of the axis, and the axis itself

} // namespace

void askForPictures() {
    pictures = true;
}

bool writeCurvesTo(const std::string& path) {
    curveFile.open(path, std::ios::out | std::ios::trunc);
    curveFile << "demo\trun\tcycle\tvalue\n" << std::flush;
    return static_cast<bool>(curveFile);
}

bool curvesNoted() {
    return pictures || curveFile.is_open();
}

bool picturesAsked() {
    return pictures;
}

// Adds the run's rows to the file of curves, when there is one: one row a cycle.
void writeCurve(const char* demo, const LearningCurve& curve) {
    if (!curveFile.is_open())
        return;
    ++curvesWritten;
    for (std::size_t i = 0; i < curve.values.size(); ++i)
        curveFile << demo << '\t' << curvesWritten << '\t' << i + 1 << '\t' << number(curve.values[i])
                  << '\n';
    curveFile << std::flush;
}

// Draws the values, one column for each cycle or for a run of cycles, on a logarithmic
// axis between the smallest and the largest positive value (and the limit). A value of 0
// has no place there and is drawn on a row of its own, marked 0, below the axis; a value
// that is not a finite number is not drawn, and the notes say so.
void drawCurve(const LearningCurve& curve) {
    const std::vector<double>& values = curve.values;
    const std::size_t count = values.size();
    if (count == 0)
        return;
    std::vector<double> positive;
    bool zeros = false;
    std::size_t firstNotFinite = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!std::isfinite(values[i]))
            firstNotFinite = firstNotFinite ? firstNotFinite : i + 1;
        else if (values[i] > 0)
            positive.push_back(std::log10(values[i]));
        else
            zeros = true;
    }
    const bool limitShown = curve.limit > 0;
    if (limitShown)
        positive.push_back(std::log10(curve.limit));
    const int logRows = zeros ? plotHeight - 1 : plotHeight;
    Scale rows = positive.empty() ? Scale{-1, 1, logRows} : scaleAround(positive, logRows, 0);
    if (rows.hi == rows.lo)
        rows = {rows.lo - 1, rows.hi + 1, logRows};

    Canvas plot(pictureWidth, plotHeight + 2);
    const auto rowOf = [&](double value) { return logRows - 1 - rows.cell(std::log10(value)); };
    // The values at the top and the bottom of the axis, and the limit, which wins a row.
    const auto label = [&](int row, const std::string& text) {
        plot.write(0, row, text + std::string(labelWidth - 1 - text.size(), ' '));
    };
    label(0, number(std::pow(10, rows.hi)));
    label(logRows - 1, number(std::pow(10, rows.lo)));
    if (zeros)
        label(plotHeight - 1, "0");
    if (limitShown) {
        const int limitRow = rowOf(curve.limit);
        label(limitRow, number(curve.limit));
        plot.write(labelWidth, limitRow, std::string(plotWidth, '='));
        plot.write(labelWidth + plotWidth + 1, limitRow, "limit");
    }
    for (int row = 0; row < plotHeight; ++row)
        plot.put(labelWidth - 1, row, '|');
    plot.write(labelWidth - 1, plotHeight, "+" + std::string(plotWidth, '-'));
    // Cycle i (from 0) falls in the column of its share of the width.
    const auto columnOf = [&](std::size_t i) {
        return count == 1 ? 0 : static_cast<int>(i * (plotWidth - 1) / (count - 1));
    };
    for (std::size_t i = 0; i < count; ++i)
        if (std::isfinite(values[i]))
            plot.put(labelWidth + columnOf(i), values[i] > 0 ? rowOf(values[i]) : plotHeight - 1, '*');
    const std::string last = std::to_string(count);
    plot.write(labelWidth, plotHeight + 1, "1");
    if (count > 1)
        plot.write(labelWidth + plotWidth - static_cast<int>(last.size()), plotHeight + 1, last);

    const std::string name = curve.cycleName;
    const std::string plural = name + (name.back() == 's' ? "es" : "s");
    std::vector<std::string> lines = {"Learning curve: " + std::string(curve.valueName) + " (log scale), " +
                                      (count == 1 ? "1 " + name : last + " " + plural)};
    lines.insert(lines.end(), plot.rows.begin(), plot.rows.end());
    lines.push_back("  At " + name + " 1: " + number(values[0]) +
                    (count == 1
                         ? ", the only one."
                         : ". At " + name + " " + last + ", the last: " + number(values.back()) + "."));
    if (!std::isnan(curve.limit)) {
        const std::string limit = number(curve.limit);
        if (!std::isfinite(values.back()))
            lines.push_back("  The last value is not a number: training stopped short of the limit, " +
                            limit + ".");
        else if (values.back() > curve.limit)
            lines.push_back("  Still above the limit, " + limit + ": training was stopped by a guard.");
        else if (limitShown)
            lines.push_back("  The limit, " + limit + " (the line of =), is reached.");
        else
            lines.push_back("  The limit, " + limit + ", is reached; it has no place on a log scale.");
    }
    if (zeros)
        lines.push_back("  A value of 0 has no place on a log scale: it is drawn on the row marked 0.");
    if (firstNotFinite)
        lines.push_back("  Values that are not finite numbers, from " + name + " " +
                        std::to_string(firstNotFinite) + " on, are not drawn.");
    writePicture(lines);
}
