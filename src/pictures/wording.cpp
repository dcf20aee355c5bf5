#include "wording.h"

#include "console/numbers.h"

#include <cmath>

std::string asNoted(double value, double size) {
    if (value == 0) // a zero of either sign, as a student reads it
        return "0";
    if (std::isnan(value))
        return "not a number";
    if (std::isinf(value))
        return std::signbit(value) ? "minus infinity" : "infinity";
    return written(std::fabs(value) < std::fabs(size) * 1e-12 ? 0 : value);
}

std::string pointAsNoted(double x, double y) {
    return "(" + asNoted(x) + ", " + asNoted(y) + ")";
}
