#include "scale.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

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

bool spansDecades(const std::vector<double>& positive) {
    return !positive.empty() && *std::max_element(positive.begin(), positive.end()) >
                                    100 * *std::min_element(positive.begin(), positive.end());
}
