// Where explanations go: written at once with --explain, and kept for e at a pause.
#include "explain.h"

#include "console/wrapping.h"
#include "run.h"
#include "settings.h"

#include <iostream>

namespace {

constexpr std::size_t shortestPart = 16;

// How good a place to break a line of arithmetic the blank at `at` is: before an = best, then
// after a ; (between a vector's elements), then before a + or -, then any blank. A break close
// to the line's start would leave a name alone on its line, and one close to its end a lone
// character.
int breakRank(const std::string& line, std::size_t at) {
    if (at + 2 >= line.size())
        return noBreakHere;
    const bool operatorNext = line[at + 2] == ' ';
    int rank = 3;
    if (operatorNext && line[at + 1] == '=')
        rank = 0;
    else if (line[at - 1] == ';')
        rank = 1;
    else if (operatorNext && (line[at + 1] == '+' || line[at + 1] == '-'))
        rank = 2;
    return at >= shortestPart || rank == 3 ? rank : noBreakHere;
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
        const std::vector<std::string> pieces = wrapped(line, "    ", "        ", breakRank);
        for (std::size_t i = 0; i + 1 < pieces.size(); ++i)
            out << pieces[i] << '\n';
        out << pieces.back() << std::endl;
    }
}

void noteExplanation(const Lines& lines) {
    if (settings().explain)
        writeExplanation(lines);
    if (settings().step)
        thisRun().keptExplanation.insert(thisRun().keptExplanation.end(), lines.begin(), lines.end());
}

void forgetKeptExplanation() {
    thisRun().keptExplanation.clear();
}

bool writeKeptExplanation(std::ostream& out) {
    if (thisRun().keptExplanation.empty())
        return false;
    out << std::endl;
    writeExplanation(thisRun().keptExplanation, out);
    return true;
}
