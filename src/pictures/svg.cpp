#include "svg.h"

#include "console/console.h"
#include "console/numbers.h"
#include "model/neurons.h"
#include "run.h"
#include "scale.h"
#include "settings.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <set>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

using CwMtx::CWTSVector;

namespace {

// The page: 640 x 480 pixels, the plot inside the margins that hold the axes' labels.
constexpr double pageWidth = 720, pageHeight = 480;
constexpr double plotLeft = 80, plotTop = 50, plotWidth = 420, plotHeight = 360;

// A number in the SVG's text: as the trace writes it, its characters safe in XML.
std::string text(const std::string& words) {
    std::string safe;
    for (const char c : words)
        safe += c == '&'   ? "&amp;"
                : c == '<' ? "&lt;"
                : c == '>' ? "&gt;"
                : c == '"' ? "&quot;"
                           : std::string(1, c);
    return safe;
}

// A coordinate to a hundredth of a pixel.
std::string at(double pixel) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", pixel);
    return buffer;
}

// A range of values onto a span of pixels, upwards for a vertical axis; log10 of the values
// on a log axis.
struct Axis {
    double lo, hi;
    double from, length;
    bool upwards, logarithmic = false;

    double pixel(double value) const {
        const double v = logarithmic ? std::log10(value) : value;
        const double share = (v - lo) / (hi - lo);
        return upwards ? from + length - share * length : from + share * length;
    }
};

// The range of the finite values, widened by a tenth on each side (by 1 about a single value).
std::pair<double, double> around(const std::vector<double>& values) {
    double lo = INFINITY, hi = -INFINITY;
    for (const double v : values)
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    if (!(lo <= hi))
        return {-1, 1};
    const double margin = hi > lo ? (hi - lo) / 10 : 1;
    return {lo - margin, hi + margin};
}

// Round tick values within lo..hi: 1, 2 or 5 times a power of ten apart, 4 to 10 of them.
std::vector<double> ticks(double lo, double hi) {
    const double span = hi - lo;
    if (!(span > 0) || !std::isfinite(span))
        return {lo};
    double step = std::pow(10, std::floor(std::log10(span)));
    for (const double factor : {0.5, 0.4, 0.5})
        if (span / step < 4)
            step *= factor;
    // Each tick a whole number of steps: counted, not added up, so that no error accumulates
    // and a step too small to move a large value still ends.
    const double first = std::ceil(lo / step), last = std::floor(hi / step);
    std::vector<double> values;
    for (double i = 0; i <= last - first; ++i) {
        const double multiple = first + i;
        values.push_back(multiple == 0 ? 0 : multiple * step);
    }
    return values;
}

// An SVG document of the body, with its title and its description.
std::string document(const std::string& title, const std::string& description, const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           at(pageWidth) + "\" height=\"" + at(pageHeight) +
           "\" viewBox=\"0 0 720 480\" font-family=\"sans-serif\" font-size=\"12\">\n<title>" + text(title) +
           "</title>\n<desc>" + text(description) +
           "</desc>\n<rect width=\"720\" height=\"480\" fill=\"white\"/>\n" + body + "</svg>\n";
}

// The plot's frame, each axis's ticks with their labels (class tick-x, tick-y: a tick's
// label is the value at its line), and the axes' names. Only the upright axis is ever on a
// log scale (a curve's values).
std::string axes(const Axis& across, const Axis& up, const std::string& acrossName,
                 const std::string& upName) {
    std::string body = "<rect x=\"" + at(plotLeft) + "\" y=\"" + at(plotTop) + "\" width=\"" + at(plotWidth) +
                       "\" height=\"" + at(plotHeight) + "\" fill=\"none\" stroke=\"black\"/>\n";
    for (const double v : ticks(across.lo, across.hi)) {
        const std::string x = at(across.pixel(v));
        body += "<line class=\"tick-x\" x1=\"" + x + "\" y1=\"" + at(plotTop + plotHeight) + "\" x2=\"" + x +
                "\" y2=\"" + at(plotTop + plotHeight + 5) +
                "\" stroke=\"black\"/>\n<text class=\"tick-x\" x=\"" + x + "\" y=\"" +
                at(plotTop + plotHeight + 18) + "\" text-anchor=\"middle\">" + text(written(v)) + "</text>\n";
    }
    for (const double v : ticks(up.lo, up.hi)) {
        const double value = up.logarithmic ? std::pow(10, v) : v;
        const std::string y = at(up.pixel(value));
        body += "<line class=\"tick-y\" x1=\"" + at(plotLeft - 5) + "\" y1=\"" + y + "\" x2=\"" +
                at(plotLeft) + "\" y2=\"" + y + "\" stroke=\"black\"/>\n<text class=\"tick-y\" x=\"" +
                at(plotLeft - 8) + "\" y=\"" + y + "\" text-anchor=\"end\" dominant-baseline=\"middle\">" +
                text(written(value)) + "</text>\n";
    }
    body += "<text x=\"" + at(plotLeft + plotWidth / 2) + "\" y=\"" + at(pageHeight - 20) +
            "\" text-anchor=\"middle\">" + text(acrossName) + "</text>\n<text x=\"20\" y=\"" +
            at(plotTop + plotHeight / 2) + "\" text-anchor=\"middle\" transform=\"rotate(-90 20 " +
            at(plotTop + plotHeight / 2) + ")\">" + text(upName) + "</text>\n";
    return body;
}

// The shapes that mark the classes, at the origin: a circle, a square, a triangle, a
// diamond; and their colours, which only add to the shapes.
const char* const shapes[] = {"<circle r=\"6\"", "<rect x=\"-5.5\" y=\"-5.5\" width=\"11\" height=\"11\"",
                              "<polygon points=\"0,-7 6.5,5 -6.5,5\"",
                              "<polygon points=\"0,-7 7,0 0,7 -7,0\""};
const char* const colours[] = {"#1b6ac9", "#c0392b", "#2e8b57", "#8e44ad"};
constexpr int kindCount = static_cast<int>(std::size(shapes)); // a fifth class takes the first again

// A pattern's mark: the shape of its class, its centre at (x, y), its values for a pointer.
std::string mark(double x, double y, int kind, const std::string& label, bool filled = true) {
    return "<g class=\"pattern class-" + std::to_string(kind + 1) + "\" transform=\"translate(" + at(x) +
           "," + at(y) + ")\"><title>" + text(label) + "</title>" + shapes[kind % kindCount] + " fill=\"" +
           (filled ? colours[kind % kindCount] : "white") + "\" stroke=\"" + colours[kind % kindCount] +
           "\" stroke-width=\"2\"/></g>\n";
}

// The legend at the right of the plot, a line an item: a shape (or a line) and its words.
constexpr int lineKind = -1; // a legend item's kind when it is a line, not a class's shape
struct LegendItem {
    int kind;           // a class's shape, or lineKind
    std::string colour; // the line's
    std::string words;
};
std::string legend(const std::vector<LegendItem>& items) {
    std::string body = "<g class=\"legend\">\n";
    double y = plotTop + 10;
    for (const LegendItem& item : items) {
        const double x = plotLeft + plotWidth + 20;
        if (item.kind >= 0)
            body += std::string("<g transform=\"translate(") + at(x) + "," + at(y) + ")\">" +
                    shapes[item.kind % kindCount] + " fill=\"" + colours[item.kind % kindCount] + "\"/></g>";
        else
            body += "<line x1=\"" + at(x - 8) + "\" y1=\"" + at(y) + "\" x2=\"" + at(x + 8) + "\" y2=\"" +
                    at(y) + "\" stroke=\"" + item.colour + "\" stroke-width=\"2\"/>";
        body += "<text x=\"" + at(x + 14) + "\" y=\"" + at(y) + "\" dominant-baseline=\"middle\">" +
                text(item.words) + "</text>\n";
        y += 20;
    }
    return body + "</g>\n";
}

// The line a x + b y + c = 0 across the plot (class boundary, data-neuron its neuron), with
// "+" on the side where a x + b y + c > 0; nothing where it misses the plot.
std::string boundaryLine(const Axis& across, const Axis& up, double a, double b, double c, int neuron,
                         const std::string& colour) {
    std::vector<std::pair<double, double>> ends;
    const auto keep = [&ends](double x, double y, bool inside) {
        if (inside && std::isfinite(x) && std::isfinite(y))
            ends.push_back({x, y});
    };
    if (b != 0) {
        for (const double x : {across.lo, across.hi}) {
            const double y = -(a * x + c) / b;
            keep(x, y, y >= up.lo && y <= up.hi);
        }
    }
    if (a != 0) {
        for (const double y : {up.lo, up.hi}) {
            const double x = -(b * y + c) / a;
            keep(x, y, x > across.lo && x < across.hi);
        }
    }
    if (ends.size() < 2)
        return "";
    const auto [x1, y1] = ends[0];
    const auto [x2, y2] = ends[1];
    // The + side: a step from the line's middle along (a, b), in pixels.
    const double mx = (across.pixel(x1) + across.pixel(x2)) / 2, my = (up.pixel(y1) + up.pixel(y2)) / 2;
    const double length = std::hypot(a, b);
    const double sx = mx + 14 * a / length, sy = my - 14 * b / length;
    return "<line class=\"boundary\" data-neuron=\"" + std::to_string(neuron) + "\" x1=\"" +
           at(across.pixel(x1)) + "\" y1=\"" + at(up.pixel(y1)) + "\" x2=\"" + at(across.pixel(x2)) +
           "\" y2=\"" + at(up.pixel(y2)) + "\" stroke=\"" + colour +
           "\" stroke-width=\"2\"/>\n<text class=\"side\" x=\"" + at(sx) + "\" y=\"" + at(sy) +
           "\" text-anchor=\"middle\" dominant-baseline=\"middle\" fill=\"" + colour + "\">+</text>\n";
}

// An arrow from (x0, y0) to (x1, y1), in values.
std::string arrow(const Axis& across, const Axis& up, double x0, double y0, double x1, double y1,
                  const std::string& colour, const std::string& label) {
    const double px0 = across.pixel(x0), py0 = up.pixel(y0), px1 = across.pixel(x1), py1 = up.pixel(y1);
    const double length = std::hypot(px1 - px0, py1 - py0);
    if (!std::isfinite(length) || length < 1)
        return "";
    const double ux = (px1 - px0) / length, uy = (py1 - py0) / length;
    const std::string head = at(px1) + "," + at(py1) + " " + at(px1 - 10 * ux - 5 * uy) + "," +
                             at(py1 - 10 * uy + 5 * ux) + " " + at(px1 - 10 * ux + 5 * uy) + "," +
                             at(py1 - 10 * uy - 5 * ux);
    return "<g class=\"weights\"><title>" + text(label) + "</title><line x1=\"" + at(px0) + "\" y1=\"" +
           at(py0) + "\" x2=\"" + at(px1) + "\" y2=\"" + at(py1) + "\" stroke=\"" + colour +
           "\" stroke-width=\"2\"/><polygon points=\"" + head + "\" fill=\"" + colour + "\"/></g>\n";
}

template <unsigned N>
std::string vectorWords(const CWTSVector<N>& v) {
    std::string words = "(";
    for (unsigned i = 0; i < N; ++i)
        words += (i ? ", " : "") + written(v[i]);
    return words + ")";
}

// The plane of the multiclass patterns and of the network's inputs: elements 0 and 1, with
// room for every pattern and the origin.
template <std::size_t Count>
std::pair<Axis, Axis> inputPlane(const std::array<CWTSVector<3>, Count>& patterns) {
    std::vector<double> xs = {0}, ys = {0};
    for (const CWTSVector<3>& p : patterns) {
        xs.push_back(p[0]);
        ys.push_back(p[1]);
    }
    const auto [xlo, xhi] = around(xs);
    const auto [ylo, yhi] = around(ys);
    return {Axis{xlo, xhi, plotLeft, plotWidth, false}, Axis{ylo, yhi, plotTop, plotHeight, true}};
}

// What the neurons are, for a pointer in the page to ask what they give at a point: an empty
// group whose data says the rule (sgn, bipolar, network, kohonen), its weights and constants.
std::string ruleOf(const std::string& rule, const std::string& data) {
    return "<g class=\"rule\" data-rule=\"" + rule + "\" " + data + "/>\n";
}

template <unsigned N>
std::string numbersOf(const CWTSVector<N>& v) {
    std::string words;
    for (unsigned i = 0; i < N; ++i)
        words += (i ? " " : "") + written(v[i]);
    return words;
}

} // namespace

SvgPicture curveSvg(const LearningCurve& curve) {
    const std::vector<double>& values = curve.values;
    std::vector<double> positive;
    for (const double v : values)
        if (std::isfinite(v) && v > 0)
            positive.push_back(v);
    const bool logarithmic = spansDecades(positive);
    std::vector<double> shown = logarithmic ? positive : values;
    if (!std::isnan(curve.limit) && (!logarithmic || curve.limit > 0))
        shown.push_back(curve.limit);
    auto [lo, hi] = around(shown);
    if (logarithmic) {
        lo = std::floor(std::log10(*std::min_element(shown.begin(), shown.end())));
        // The values span more than two decades: hi is above lo.
        hi = std::ceil(std::log10(*std::max_element(shown.begin(), shown.end())));
    } else {
        lo = std::min(lo, 0.0);
    }
    const double count = static_cast<double>(values.size());
    const Axis across{1, std::max(count, 2.0), plotLeft, plotWidth, false};
    const Axis up{lo, hi, plotTop, plotHeight, true, logarithmic};
    // Thinned to buckets of cycles, each giving its first, its smallest and its largest value
    // in their order, and the last bucket its last: at most curvePoints points.
    const std::size_t bucket = values.size() / (curvePoints / 3) + 1;
    std::string points;
    for (std::size_t first = 0; first < values.size(); first += bucket) {
        const std::size_t end = std::min(values.size(), first + bucket);
        std::size_t smallest = first, largest = first;
        for (std::size_t i = first; i < end; ++i) {
            smallest = values[i] < values[smallest] ? i : smallest;
            largest = values[i] > values[largest] ? i : largest;
        }
        std::vector<std::size_t> kept = {first, smallest, largest};
        if (end == values.size())
            kept.push_back(end - 1);
        std::sort(kept.begin(), kept.end());
        kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
        for (const std::size_t i : kept)
            if (std::isfinite(values[i]) && (!logarithmic || values[i] > 0))
                points += at(across.pixel(static_cast<double>(i + 1))) + "," + at(up.pixel(values[i])) + " ";
    }
    std::string body =
        axes(across, up, curve.cycleName, std::string(curve.valueName) + (logarithmic ? " (log scale)" : ""));
    if (!std::isnan(curve.limit) && (!logarithmic || curve.limit > 0))
        body += "<line class=\"limit\" x1=\"" + at(plotLeft) + "\" y1=\"" + at(up.pixel(curve.limit)) +
                "\" x2=\"" + at(plotLeft + plotWidth) + "\" y2=\"" + at(up.pixel(curve.limit)) +
                "\" stroke=\"#c0392b\" stroke-dasharray=\"6 4\"/>\n";
    body += "<polyline class=\"curve\" fill=\"none\" stroke=\"#1b6ac9\" stroke-width=\"2\" points=\"" +
            points + "\"/>\n";
    std::vector<LegendItem> items = {{lineKind, "#1b6ac9", std::string("value per ") + curve.cycleName}};
    if (!std::isnan(curve.limit))
        items.push_back({lineKind, "#c0392b", "the limit, " + written(curve.limit)});
    body += legend(items);
    const std::string name = curve.cycleName;
    std::string description = "The " + std::string(curve.valueName) + ", " + name + " by " + name +
                              ", over " + std::to_string(values.size()) + " " + name +
                              (values.size() == 1   ? ""
                               : name.back() == 's' ? "es"
                                                    : "s") +
                              (logarithmic ? ", on a log scale" : "");
    if (!values.empty())
        description +=
            ": " + written(values.front()) + " at the first, " + written(values.back()) + " at the last";
    if (!std::isnan(curve.limit))
        description += "; the limit is " + written(curve.limit);
    return {"curve", document(std::string("Learning curve of ") + curve.demo, description + ".", body)};
}

SvgPicture stateSvg(const SingleNeuronRun& run) {
    // The patterns in the plane of the input (across) and the bias input (up); the boundary,
    // w0 x + w1 y = 0, through the origin; the weights as an arrow.
    std::vector<double> xs = {0}, ys = {0};
    for (const CWTSVector<2>& p : run.patterns) {
        xs.push_back(p[0]);
        ys.push_back(p[1]);
    }
    for (const CWTSVector<2>* w : {&run.startWeights, &run.weights}) {
        xs.push_back((*w)[0]);
        ys.push_back((*w)[1]);
    }
    const auto [xlo, xhi] = around(xs);
    const auto [ylo, yhi] = around(ys);
    const Axis across{xlo, xhi, plotLeft, plotWidth, false}, up{ylo, yhi, plotTop, plotHeight, true};
    std::string body = axes(across, up, "input y[0]", "bias input y[1]");
    body += boundaryLine(across, up, run.weights[0], run.weights[1], 0, 1, "#333333");
    body +=
        arrow(across, up, 0, 0, run.weights[0], run.weights[1], "#333333", "w = " + vectorWords(run.weights));
    std::string description = "The plane of the input and the bias input: ";
    for (unsigned p = 0; p < 4; ++p) {
        const int kind = run.desired[p] > 0 ? 0 : 1;
        body += mark(across.pixel(run.patterns[p][0]), up.pixel(run.patterns[p][1]), kind,
                     "y" + std::to_string(p + 1) + " = " + vectorWords(run.patterns[p]) +
                         ", d = " + written(run.desired[p]));
        description += "y" + std::to_string(p + 1) + " " + vectorWords(run.patterns[p]) + " of class " +
                       written(run.desired[p]) + (p < 3 ? ", " : "; ");
    }
    body += ruleOf(run.discrete ? "sgn" : "bipolar", "data-weights=\"" + numbersOf(run.weights) +
                                                         "\" data-lambda=\"" + written(run.lambda) + "\"");
    body += legend({{0, "", "d = 1"}, {1, "", "d = -1"}, {lineKind, "#333333", "boundary: w . y = 0"}});
    description +=
        "the weights w = " + vectorWords(run.weights) + ", the boundary where w . y = 0, + on the side of w.";
    return {"plane", document(std::string(run.curve.demo) + ": where the neuron decides", description, body)};
}

SvgPicture stateSvg(const MulticlassRun& run) {
    const auto [across, up] = inputPlane(run.patterns);
    std::string body = axes(across, up, "y[0]", "y[1]");
    std::string description = "The plane of the patterns' first two elements, their bias input " +
                              written(run.patterns.front()[2]) + ": ";
    std::vector<LegendItem> items;
    for (unsigned k = 0; k < 3; ++k) {
        const CWTSVector<3>& w = run.weights[k];
        body += boundaryLine(across, up, w[0], w[1], w[2] * run.patterns[k][2], static_cast<int>(k + 1),
                             colours[k]);
        body += mark(across.pixel(run.patterns[k][0]), up.pixel(run.patterns[k][1]), static_cast<int>(k),
                     "y" + std::to_string(k + 1) + " = " + vectorWords(run.patterns[k]) + ", class " +
                         std::to_string(k + 1));
        items.push_back({static_cast<int>(k), "", "class " + std::to_string(k + 1)});
        description += "y" + std::to_string(k + 1) + " " + vectorWords(run.patterns[k]) + " of class " +
                       std::to_string(k + 1) + ", and neuron " + std::to_string(k + 1) + "'s boundary, w" +
                       std::to_string(k + 1) + " = " + vectorWords(w) + (k < 2 ? "; " : ".");
    }
    items.push_back({lineKind, "#333333", "boundaries, + where +1"});
    body += ruleOf(run.discrete ? "sgn" : "bipolar",
                   "data-weights=\"" + numbersOf(run.weights[0]) + ";" + numbersOf(run.weights[1]) + ";" +
                       numbersOf(run.weights[2]) + "\" data-lambda=\"" + written(run.lambda) +
                       "\" data-bias=\"" + written(run.patterns.front()[2]) + "\"");
    body += legend(items);
    return {"plane", document(std::string(run.curve.demo) + ": where the neurons decide", description, body)};
}

SvgPicture stateSvg(const NetworkRun& run) {
    // The output map: cells shaded by the network's output, and the patterns with their targets.
    const auto [across, up] = inputPlane(run.patterns);
    std::string body;
    constexpr int cells = 30;
    for (int i = 0; i < cells; ++i)
        for (int j = 0; j < cells; ++j) {
            const double x = across.lo + (i + 0.5) * (across.hi - across.lo) / cells;
            const double y = up.lo + (j + 0.5) * (up.hi - up.lo) / cells;
            const double o = networkOutput(CWTSVector<3>{x, y, run.patterns.front()[2]}, run.firstLayer,
                                           run.secondLayer, run.threshold);
            const int grey = std::isfinite(o) ? static_cast<int>(255 - 155 * std::clamp(o, 0.0, 1.0)) : 255;
            body += "<rect x=\"" + at(plotLeft + i * plotWidth / cells) + "\" y=\"" +
                    at(plotTop + plotHeight - (j + 1) * plotHeight / cells) + "\" width=\"" +
                    at(plotWidth / cells) + "\" height=\"" + at(plotHeight / cells) + "\" fill=\"rgb(" +
                    std::to_string(grey) + "," + std::to_string(grey) + ",255)\"/>\n";
        }
    body += axes(across, up, "x[0]", "x[1]");
    std::string description = "The network's output over the inputs' plane, darker nearer 1; the patterns: ";
    for (unsigned p = 0; p < 4; ++p) {
        body +=
            mark(across.pixel(run.patterns[p][0]), up.pixel(run.patterns[p][1]), run.desired[p] == 1 ? 0 : 1,
                 "x" + std::to_string(p + 1) + " = " + vectorWords(run.patterns[p]) +
                     ", d = " + written(run.desired[p]));
        description += "x" + std::to_string(p + 1) + " " + vectorWords(run.patterns[p]) + " should give " +
                       written(run.desired[p]) + (p < 3 ? ", " : ".");
    }
    body += ruleOf("network", "data-weights=\"" + numbersOf(run.firstLayer[0]) + ";" +
                                  numbersOf(run.firstLayer[1]) + ";" + numbersOf(run.secondLayer) +
                                  "\" data-threshold=\"" + written(run.threshold) + "\" data-bias=\"" +
                                  written(run.patterns.front()[2]) + "\"");
    body += legend({{0, "", "d = 1"},
                    {1, "", "d = 0"},
                    {lineKind, "rgb(100,100,255)", "output near 1"},
                    {lineKind, "rgb(240,240,255)", "output near 0"}});
    return {"plane", document("bpn: the network's output", description, body)};
}

SvgPicture stateSvg(const KohonenRun& run) {
    const Axis across{-1.3, 1.3, plotLeft + (plotWidth - plotHeight) / 2, plotHeight, false},
        up{-1.3, 1.3, plotTop, plotHeight, true};
    std::string body = axes(across, up, "x[0]", "x[1]");
    body += "<circle class=\"unit\" cx=\"" + at(across.pixel(0)) + "\" cy=\"" + at(up.pixel(0)) + "\" r=\"" +
            at(across.pixel(1) - across.pixel(0)) + "\" fill=\"none\" stroke=\"#999999\"/>\n";
    std::string description = "The unit circle, the patterns ";
    // Where a pattern or weights have no finite pixel, the description alone gives them.
    const auto placeable = [&across, &up](const CWTSVector<2>& v) {
        return std::isfinite(across.pixel(v[0])) && std::isfinite(up.pixel(v[1]));
    };
    for (unsigned p = 0; p < 5; ++p) {
        if (placeable(run.patterns[p]))
            body += mark(across.pixel(run.patterns[p][0]), up.pixel(run.patterns[p][1]), 0,
                         "x" + std::to_string(p + 1) + " = " + vectorWords(run.patterns[p]));
        description += vectorWords(run.patterns[p]) + (p < 4 ? ", " : "; ");
    }
    // Each neuron's path: its weights at the start, then after each cycle.
    for (unsigned j = 0; j < 2; ++j) {
        std::string points;
        const auto visit = [&](const CWTSVector<2>& w) {
            if (placeable(w))
                points += (points.empty() ? "" : " ") + at(across.pixel(w[0])) + "," + at(up.pixel(w[1]));
        };
        visit(run.startWeights[j]);
        for (const auto& weights : run.path)
            visit(weights[j]);
        body += "<polyline class=\"path\" data-neuron=\"" + std::to_string(j + 1) +
                "\" fill=\"none\" stroke=\"" + colours[j + 1] + "\" stroke-dasharray=\"3 3\" points=\"" +
                points + "\"/>\n";
    }
    for (unsigned j = 0; j < 2; ++j) {
        body += arrow(across, up, 0, 0, run.startWeights[j][0], run.startWeights[j][1], "#bbbbbb",
                      "w" + std::to_string(j + 1) + " at the start = " + vectorWords(run.startWeights[j]));
        body += arrow(across, up, 0, 0, run.weights[j][0], run.weights[j][1], colours[j + 1],
                      "w" + std::to_string(j + 1) + " = " + vectorWords(run.weights[j]));
        description += "w" + std::to_string(j + 1) + " from " + vectorWords(run.startWeights[j]) + " to " +
                       vectorWords(run.weights[j]) + (j == 0 ? ", " : ".");
    }
    body += ruleOf("kohonen",
                   "data-weights=\"" + numbersOf(run.weights[0]) + ";" + numbersOf(run.weights[1]) + "\"");
    body += legend({{0, "", "pattern"},
                    {lineKind, colours[1], "w1"},
                    {lineKind, colours[2], "w2"},
                    {lineKind, "#bbbbbb", "at the start"},
                    {lineKind, "#999999", "paths, cycle by cycle"}});
    return {"plane", document("kcl: the patterns and the weight vectors", description, body)};
}

namespace {

// A bipolar vector as a row of cells (class cell plus or minus) at (x, y), with its name.
template <unsigned N>
std::string cellRow(double x, double y, const std::string& name, const CWTSVector<N>& v) {
    std::string body = "<g class=\"vector\" data-name=\"" + text(name) + "\"><text x=\"" + at(x - 10) +
                       "\" y=\"" + at(y + 12) + "\" text-anchor=\"end\">" + text(name) + "</text>";
    for (unsigned i = 0; i < N; ++i) {
        const bool plus = v[i] >= 0;
        body += "<rect class=\"cell " + std::string(plus ? "plus" : "minus") + "\" x=\"" + at(x + 26 * i) +
                "\" y=\"" + at(y) + "\" width=\"24\" height=\"24\" fill=\"" + (plus ? "#1b6ac9" : "white") +
                "\" stroke=\"black\"><title>" + written(v[i]) + "</title></rect>";
    }
    return body + "</g>\n";
}

std::string cellLegend(double y) {
    return "<g class=\"legend\"><rect x=\"" + at(plotLeft) + "\" y=\"" + at(y) +
           "\" width=\"14\" height=\"14\" fill=\"#1b6ac9\" stroke=\"black\"/><text x=\"" + at(plotLeft + 20) +
           "\" y=\"" + at(y + 11) + "\">+1</text><rect x=\"" + at(plotLeft + 60) + "\" y=\"" + at(y) +
           "\" width=\"14\" height=\"14\" fill=\"white\" stroke=\"black\"/><text x=\"" + at(plotLeft + 80) +
           "\" y=\"" + at(y + 11) + "\">-1</text></g>\n";
}

} // namespace

SvgPicture stateSvg(const HopfieldRun& run) {
    std::string body;
    double y = plotTop;
    std::string description =
        "The stored vectors, the probe and the recalled vector, a cell an element, filled for +1: ";
    for (unsigned v = 0; v < 3; ++v, y += 34) {
        body += cellRow(plotLeft + 60, y, "V" + std::to_string(v + 1), run.stored[v]);
        description += "V" + std::to_string(v + 1) + " " + vectorWords(run.stored[v]) + ", ";
    }
    const CWTSVector<5>& probe = run.stored[static_cast<unsigned>(std::clamp(run.probeNumber, 1, 3) - 1)];
    body += cellRow(plotLeft + 60, y += 20, "probe", probe);
    body += cellRow(plotLeft + 60, y += 34, "recalled", run.recalled);
    body += cellLegend(y + 50);
    description +=
        "the probe V" + std::to_string(run.probeNumber) + ", recalled " + vectorWords(run.recalled) + ".";
    return {"memory", document("ham: the memory's vectors", description, body)};
}

SvgPicture stateSvg(const BidirectionalRun& run) {
    std::string body;
    double y = plotTop;
    std::string description =
        "The stored pairs, the probe and the pair recalled, a cell an element, filled for +1: ";
    for (unsigned k = 0; k < 4; ++k, y += 34) {
        body += cellRow(plotLeft + 40, y, "A" + std::to_string(k + 1), run.a[k]);
        body += cellRow(plotLeft + 260, y, "B" + std::to_string(k + 1), run.b[k]);
        description += "A" + std::to_string(k + 1) + " " + vectorWords(run.a[k]) + " with B" +
                       std::to_string(k + 1) + " " + vectorWords(run.b[k]) + ", ";
    }
    y += 20;
    if (run.probeIsB)
        body += cellRow(plotLeft + 260, y, "probe b", run.probeB);
    else
        body += cellRow(plotLeft + 40, y, "probe a", run.probeA);
    // The recall's cycles, side by side: a and b after each (two at most: a recall compares its
    // first cycle with pair 1 and its second with pair 3, and ends after them).
    for (std::size_t c = 0; c < run.cycles.size(); ++c) {
        y += 34;
        body += cellRow(plotLeft + 40, y, "cycle " + std::to_string(c + 1) + ": a", run.cycles[c].first) +
                cellRow(plotLeft + 260, y, "b", run.cycles[c].second);
    }
    y += 34;
    body += cellRow(plotLeft + 40, y, "recalled a", run.recalledA) +
            cellRow(plotLeft + 260, y, "b", run.recalledB);
    body += cellLegend(y + 50);
    description +=
        std::string("the probe ") +
        (run.probeIsB ? "b " + vectorWords(run.probeB) : "a " + vectorWords(run.probeA)) + "; after " +
        std::to_string(run.cycles.size()) + (run.cycles.size() == 1 ? " cycle" : " cycles") + " recalled a " +
        vectorWords(run.recalledA) + " and b " + vectorWords(run.recalledB) +
        (run.recalledPair > 0 ? ", pair " + std::to_string(run.recalledPair) : ", no stored pair") + ".";
    return {"memory", document("bam: the memory's pairs", description, body)};
}

std::string svgFolderProblem(const std::string& folder) {
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0)
        return std::strerror(errno);
    if (!S_ISDIR(status.st_mode))
        return "it is not a folder";
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        return std::strerror(errno);
    return "";
}

namespace {

// Writes the picture into the folder, and shows it beside the screen where there is a panel.
void keepPicture(const std::string& name, const std::string& svg) {
    if (picturesShownBeside())
        showPictureBeside(name, svg);
    if (settings().svgFolder.empty())
        return;
    writeWholeFile(settings().svgFolder + "/" + name, "picture", svg);
}

// The run's number, given at its first picture: the first that no picture of its demo in the
// folder has, so that a run never writes over an earlier one's pictures.
int runNumber(const std::string& demo) {
    if (thisRun().svgRun > 0 || settings().svgFolder.empty())
        return std::max(thisRun().svgRun, 1);
    std::set<int> taken;
    std::error_code failed;
    for (const auto& entry : std::filesystem::directory_iterator(settings().svgFolder, failed)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(demo + "-", 0) == 0)
            taken.insert(std::atoi(name.c_str() + demo.size() + 1));
    }
    int number = 1;
    while (taken.count(number) > 0)
        ++number;
    return thisRun().svgRun = number;
}

template <class Record>
void writePictures(const std::string& demo, const Record& run, int unit, bool curve) {
    if (settings().svgFolder.empty() && !picturesShownBeside())
        return;
    const std::string stem = demo + "-" + std::to_string(runNumber(demo)) + "-";
    const SvgPicture state = stateSvg(run);
    if (unit > 0) {
        keepPicture(stem + state.name + "-step-" + std::to_string(unit) + ".svg", state.text);
        return;
    }
    if constexpr (!std::is_same_v<Record, HopfieldRun> && !std::is_same_v<Record, BidirectionalRun>) {
        if (curve) {
            const SvgPicture learning = curveSvg(run.curve);
            keepPicture(stem + learning.name + ".svg", learning.text);
        }
    }
    keepPicture(stem + state.name + ".svg", state.text);
}

} // namespace

void writeSvgPictures(const SingleNeuronRun& run, int unit) {
    writePictures(run.curve.demo, run, unit, true);
}
void writeSvgPictures(const MulticlassRun& run, int unit) {
    writePictures(run.curve.demo, run, unit, true);
}
void writeSvgPictures(const NetworkRun& run, int unit) {
    writePictures(run.curve.demo, run, unit, true);
}
void writeSvgPictures(const KohonenRun& run, int unit) {
    writePictures(run.curve.demo, run, unit, true);
}
void writeSvgPictures(const HopfieldRun& run, int unit) {
    writePictures("ham", run, unit, false);
}
void writeSvgPictures(const BidirectionalRun& run, int unit) {
    writePictures("bam", run, unit, false);
}
