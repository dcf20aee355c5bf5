// The learning curve: the value a training run works down, cycle by cycle.
#include "canvas.h"
#include "pictures.h"
#include "scale.h"
#include "wording.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int plotWidth = 54;
constexpr int plotHeight = 12;
constexpr int labelWidth = 14; // the values at the left of the axis, and the axis itself

} // namespace

// Draws the values, one column for each cycle or for a run of cycles. Where the values
// span more than two decades the axis is logarithmic, between the smallest and the largest
// value above 0 (and the limit); a value of 0 (to within rounding) has no place there and
// is drawn on a row of its own, marked 0, below the axis. Elsewhere the axis is linear,
// from 0. A value that is not a finite number is not drawn, and the notes say so.
void drawCurve(const LearningCurve& curve) {
    const std::vector<double>& values = curve.values;
    const std::size_t count = values.size();
    if (count == 0)
        return;
    double largest = 0;
    std::size_t firstNotFinite = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (std::isfinite(values[i]))
            largest = std::max(largest, std::fabs(values[i]));
        else if (firstNotFinite == 0)
            firstNotFinite = i + 1;
    const auto isZero = [&](double value) { return std::fabs(value) <= largest * 1e-12; };
    std::vector<double> positive;
    bool zeros = false;
    for (const double value : values)
        if (std::isfinite(value) && isZero(value))
            zeros = true;
        else if (std::isfinite(value) && value > 0)
            positive.push_back(value);
    const bool logScale = spansDecades(positive);
    const bool limitShown = std::isfinite(curve.limit) && (!logScale || curve.limit > 0);

    // The rows: on a log scale, those of the values above 0 and, below them, the row of 0;
    // on a linear scale, from 0 (or the lowest value) up.
    const int zeroRow = plotHeight - 1;
    const int scaleRows = logScale && zeros ? plotHeight - 1 : plotHeight;
    std::vector<double> placed;
    for (const double value : logScale ? positive : values)
        if (std::isfinite(value))
            placed.push_back(logScale ? std::log10(value) : value);
    if (limitShown)
        placed.push_back(logScale ? std::log10(curve.limit) : curve.limit);
    if (!logScale)
        placed.push_back(0);
    Scale rows = scaleAround(placed, scaleRows, 0);
    const auto rowOf = [&](double value) {
        if (logScale && isZero(value))
            return zeroRow;
        return scaleRows - 1 - rows.cell(logScale ? std::log10(value) : value);
    };
    const auto valueAt = [&](int row) {
        const double at = rows.value(scaleRows - 1 - row);
        return logScale ? std::pow(10, at) : at;
    };

    Canvas plot(pictureWidth, plotHeight + 2);
    // The values at the top and the bottom of the axis; the limit's is said at its line.
    const auto label = [&](int row, const std::string& text) { plot.write(0, row, text); };
    label(0, asNoted(valueAt(0), largest));
    label(scaleRows - 1, asNoted(valueAt(scaleRows - 1), largest));
    if (logScale && zeros)
        label(zeroRow, "0");
    if (limitShown) {
        const int limitRow = rowOf(curve.limit);
        plot.write(labelWidth, limitRow, std::string(plotWidth, '='));
        plot.write(labelWidth + plotWidth + 1, limitRow, "limit " + asNoted(curve.limit));
    }
    for (int row = 0; row < plotHeight; ++row)
        plot.put(labelWidth - 1, row, '|');
    plot.write(labelWidth - 1, plotHeight, "+" + std::string(plotWidth, '-'));
    // Cycle i (from 0) falls in the column of its share of the width.
    const auto columnOf = [&](std::size_t i) {
        return count == 1 ? 0 : static_cast<int>(i * (plotWidth - 1) / (count - 1));
    };
    for (std::size_t i = 0; i < count; ++i)
        if (std::isfinite(values[i])) // none is below 0: errors, corrections and distances
            plot.put(labelWidth + columnOf(i), rowOf(values[i]), '*');
    const std::string last = std::to_string(count);
    plot.write(labelWidth, plotHeight + 1, "1");
    if (count > 1)
        plot.write(labelWidth + plotWidth - static_cast<int>(last.size()), plotHeight + 1, last);

    const std::string name = curve.cycleName;
    const std::string plural = name + (name.back() == 's' ? "es" : "s");
    std::vector<std::string> lines = {"Learning curve: " + std::string(curve.valueName) +
                                      (logScale ? " (log scale), " : ", ") +
                                      (count == 1 ? "1 " + name : last + " " + plural)};
    lines.insert(lines.end(), plot.rows.begin(), plot.rows.end());
    lines.push_back(
        "  At " + name + " 1: " + asNoted(values[0], largest) +
        (count == 1 ? ", the only one."
                    : ". At " + name + " " + last + ", the last: " + asNoted(values.back(), largest) + "."));
    if (!std::isnan(curve.limit)) {
        const std::string limit = asNoted(curve.limit);
        if (!std::isfinite(values.back()))
            lines.push_back("  The last value is " +
                            std::string(std::isnan(values.back()) ? "not a number" : "infinite") +
                            ": training stopped short of the limit, " + limit + ".");
        else if (values.back() > curve.limit)
            lines.push_back("  Still above the limit, " + limit + ": training was stopped short of it.");
        else
            lines.push_back("  The limit, " + limit + (limitShown ? " (the line of =)" : "") +
                            ", is reached.");
    }
    if (logScale && zeros)
        lines.push_back("  0 has no place on a log scale: values of 0 are drawn on the row marked 0.");
    if (firstNotFinite)
        lines.push_back("  Values that are not finite numbers, from " + name + " " +
                        std::to_string(firstNotFinite) + " on, are not drawn.");
    writePicture(lines);
}
