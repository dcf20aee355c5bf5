#include "wording.h"

#include <cmath>
#include <sstream>

std::string asTraced(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

std::string asNoted(double value, double size) {
    if (std::isnan(value))
        return "not a number";
    if (std::isinf(value))
        return std::signbit(value) ? "minus infinity" : "infinity";
    return asTraced(std::fabs(value) < std::fabs(size) * 1e-12 ? 0 : value);
}

std::string pointAsNoted(double x, double y) {
    return "(" + asNoted(x) + ", " + asNoted(y) + ")";
}
