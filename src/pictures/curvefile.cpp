#include "curvefile.h"

#include "console/console.h"

#include <ostream>

namespace {

std::ostream* curveFile = nullptr;
int curvesWritten = 0;

} // namespace

std::string openCurveFile(const std::string& path) {
    std::string why;
    curveFile = createOutputFile(path, "curve file", why);
    if (!curveFile)
        return why;
    std::string header;
    for (const char* column : curveColumns)
        header += std::string(header.empty() ? "" : "\t") + column;
    *curveFile << header << '\n' << std::flush;
    return "";
}

void writeCurve(const LearningCurve& curve) {
    if (!curveFile)
        return;
    if (++curvesWritten > 1)
        *curveFile << '\n';
    for (std::size_t i = 0; i < curve.values.size(); ++i)
        *curveFile << curve.demo << '\t' << curvesWritten << '\t' << curve.valueName << '\t' << i + 1 << '\t'
                   << curve.values[i] << '\n';
    *curveFile << std::flush;
}

void closeCurveFile() {
    if (curveFile)
        closeOutputFile(*curveFile);
}
