#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <sstream>

void Canvas::put(int column, int row, char mark) {
    if (column >= 0 && column < width() && row >= 0 && row < height())
        rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = mark;
}

void Canvas::write(int column, int row, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        put(column + static_cast<int>(i), row, text[i]);
}

int Scale::cell(double value) const {
    return static_cast<int>(std::lround((value - lo) / (hi - lo) * (cells - 1)));
}

double Scale::value(int at) const {
    return lo + (hi - lo) * at / (cells - 1);
}

Scale scaleAround(const std::vector<double>& values, int cells, double margin) {
    double lo = *std::min_element(values.begin(), values.end());
    double hi = *std::max_element(values.begin(), values.end());
    const double widening = hi > lo ? (hi - lo) * margin : 1;
    return {lo - widening, hi + widening, cells};
}

std::string number(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

void writePicture(const std::vector<std::string>& lines) {
    std::cout << std::endl;
    for (const std::string& line : lines) {
        // A note too long for a line goes on, indented, on the next.
        std::string rest = line.substr(0, line.find_last_not_of(' ') + 1);
        while (static_cast<int>(rest.size()) > pictureWidth) {
            const auto cut = rest.rfind(' ', pictureWidth);
            std::cout << rest.substr(0, cut) << std::endl;
            rest = "    " + rest.substr(cut + 1);
        }
        std::cout << rest << std::endl;
    }
}
