// Where explanations go: written at once with --explain, and kept for e at a pause.
#include "explain.h"

#include "settings.h"

#include <iostream>

namespace {

constexpr std::size_t lineWidth = 79;
constexpr std::size_t shortestPart = 16;
const std::string indent = "    ", goesOnIndent = "        ";

// The explanation of the unit under way, kept for e at its pause.
Lines kept;

// Where a line too long for the width is best broken, at a blank at most `width` into it:
// before its last = that fits, else after a ; (between a vector's elements), else before a
// + or -, else at any blank; npos where there is none.
std::size_t breakBefore(const std::string& line, std::size_t width) {
    std::size_t best[4] = {std::string::npos, std::string::npos, std::string::npos, std::string::npos};
    for (std::size_t i = 1; i + 2 < line.size() && i <= width; ++i) {
        if (line[i] != ' ')
            continue;
        const bool operatorNext = line[i + 2] == ' ';
        int rank = 3;
        if (operatorNext && line[i + 1] == '=')
            rank = 0;
        else if (line[i - 1] == ';')
            rank = 1;
        else if (operatorNext && (line[i + 1] == '+' || line[i + 1] == '-'))
            rank = 2;
        // A break close to the line's start would leave a name alone on its line.
        if (i >= shortestPart || rank == 3)
            best[rank] = i;
    }
    for (const std::size_t at : best)
        if (at != std::string::npos)
            return at;
    return std::string::npos;
}

} // namespace

bool explanationsWanted() {
    return settings().explain || settings().step;
}

void writeExplanation(const Lines& lines, std::ostream& out) {
    for (const std::string& line : lines) {
        // An empty line ends the trace's line left open.
        if (line.empty()) {
            out << std::endl;
            continue;
        }
        std::string rest = line;
        const std::string* lead = &indent;
        while (lead->size() + rest.size() > lineWidth) {
            const std::size_t cut = breakBefore(rest, lineWidth - lead->size());
            if (cut == std::string::npos)
                break;
            out << *lead << rest.substr(0, cut) << '\n';
            rest = rest.substr(cut + 1);
            lead = &goesOnIndent;
        }
        out << *lead << rest << std::endl;
    }
}

void noteExplanation(const Lines& lines) {
    if (settings().explain)
        writeExplanation(lines);
    if (settings().step)
        kept.insert(kept.end(), lines.begin(), lines.end());
}

void startExplainedUnit() {
    kept.clear();
}

bool writeKeptExplanation(std::ostream& out) {
    if (kept.empty())
        return false;
    out << std::endl;
    writeExplanation(kept, out);
    return true;
}
