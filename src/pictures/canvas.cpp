#include "canvas.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iostream>
#include <sstream>

void Canvas::put(int column, int row, char c) {
    if (column >= 0 && column < width() && row >= 0 && row < height())
        rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = c;
}

void Canvas::write(int column, int row, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        put(column + static_cast<int>(i), row, text[i]);
}

void Canvas::mark(int column, int row, char c) {
    put(column, row, c);
    const std::pair<int, int> cell{column, row};
    const auto found =
        std::find_if(marked.begin(), marked.end(), [&](const auto& m) { return m.first == cell; });
    if (found == marked.end())
        marked.push_back({cell, std::string(1, c)});
    else
        found->second += c;
}

std::string Canvas::coverNote() const {
    std::string note;
    for (const auto& [cell, marks] : marked) {
        if (marks.size() < 2)
            continue;
        std::string covered;
        for (std::size_t i = 0; i + 1 < marks.size(); ++i)
            covered += std::string(i == 0 ? "" : i + 2 == marks.size() ? " and " : ", ") + marks[i];
        note += std::string(note.empty() ? "  " : "; ") + marks.back() + " covers " + covered;
    }
    return note.empty() ? note : note + ".";
}

int Scale::cell(double value) const {
    // Halves, so that no difference of finite values overflows.
    return static_cast<int>(std::lround((value / 2 - lo / 2) / (hi / 2 - lo / 2) * (cells - 1)));
}

double Scale::value(int at) const {
    const double share = static_cast<double>(at) / (cells - 1);
    return lo * (1 - share) + hi * share;
}

Scale scaleAround(const std::vector<double>& values, int cells, double margin) {
    double lo = INFINITY, hi = -INFINITY;
    for (const double value : values)
        if (std::isfinite(value)) {
            lo = std::min(lo, value);
            hi = std::max(hi, value);
        }
    // A span too small to divide by (all one value, or a few subnormals apart) is widened
    // as a single value is.
    const double half = hi / 2 - lo / 2;
    const double widening = half >= DBL_MIN ? 2 * margin * half : std::max(1.0, std::fabs(lo) * margin);
    return {std::max(lo - widening, -DBL_MAX), std::min(hi + widening, DBL_MAX), cells};
}

std::string number(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

std::string said(double value, double size) {
    if (std::isnan(value))
        return "not a number";
    if (std::isinf(value))
        return std::signbit(value) ? "minus infinity" : "infinity";
    return number(std::fabs(value) < std::fabs(size) * 1e-12 ? 0 : value);
}

std::string pair(double x, double y) {
    return "(" + said(x) + ", " + said(y) + ")";
}

void writePicture(const std::vector<std::string>& lines) {
    std::cout << std::endl;
    for (const std::string& line : lines) {
        std::string rest = line.substr(0, line.find_last_not_of(' ') + 1);
        while (static_cast<int>(rest.size()) > pictureWidth) {
            const auto cut = rest.rfind(' ', pictureWidth);
            std::cout << rest.substr(0, cut) << std::endl;
            rest = "    " + rest.substr(cut + 1);
        }
        std::cout << rest << std::endl;
    }
}
