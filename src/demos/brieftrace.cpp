#include "brieftrace.h"

#include "console/numbers.h"
#include "quiz/quiz.h"
#include "settings.h"

#include <iostream>
#include <utility>

namespace {

// How many units that changed the weights are named one by one.
constexpr std::size_t changesNamed = 6;

// How many units at either end of a training are traced in full: --brief's count; or, when
// every step is explained, 10, so that a long training's explanations do not run to hundreds
// of thousands of lines (--explain=all explains them all); or every unit (0).
int unitsInFull() {
    constexpr int explainedAtEitherEnd = 10;
    return settings().brief > 0                           ? settings().brief
           : settings().explain && !settings().explainAll ? explainedAtEitherEnd
                                                          : 0;
}

} // namespace

void BriefTrace::startUnit(int number) {
    if (unitsInFull() > 0 && !settings().step && number > unitsInFull() && !quizzes(number)) {
        holding.str("");
        output = std::cout.rdbuf(&holding);
    }
}

void BriefTrace::closeUnit(int number, double value, bool changed) {
    if (!output)
        return;
    std::cout.rdbuf(output);
    output = nullptr;
    // The oldest of the last units is left out now.
    if (static_cast<int>(last.size()) == unitsInFull()) {
        leaveOut(last.front());
        last.erase(last.begin());
    }
    last.push_back({number, value, changed, holding.str()});
}

void BriefTrace::leaveOut(const Held& held) {
    if (leftOut++ == 0)
        firstLeftOut = held;
    lastLeftOut = held;
    if (held.changed)
        changedUnits.push_back(held.number);
}

// Which units left out changed the weights: "the weights changed in every one", "at steps 3
// and 6", "in 57 of them, from cycle 3 to cycle 1234", "the weights unchanged".
std::string BriefTrace::changes() const {
    const std::string name = unit;
    const int changedCount = static_cast<int>(changedUnits.size());
    if (changedCount == 0)
        return "the weights unchanged";
    if (changedCount == leftOut)
        return leftOut == 1   ? "the weights changed"
               : leftOut == 2 ? "the weights changed in both"
                              : "the weights changed in every one";
    if (changedUnits.size() > changesNamed)
        return "the weights changed in " + std::to_string(changedCount) + " of them, from " + name + " " +
               std::to_string(changedUnits.front()) + " to " + name + " " +
               std::to_string(changedUnits.back());
    std::string named = "the weights changed at " + name + (changedCount == 1 ? " " : "s ");
    for (int i = 0; i < changedCount; ++i)
        named += (i == 0                  ? ""
                  : i + 1 == changedCount ? " and "
                                          : ", ") +
                 std::to_string(changedUnits[static_cast<std::size_t>(i)]);
    return named;
}

void BriefTrace::writeHeld() {
    // "... 5625 cycles left out (3 to 5627): cycle error 0.494752 to 0.0100049; the weights
    // changed in every one ..."
    if (leftOut > 0) {
        std::cout << std::endl
                  << "... " << leftOut << " " << unit << (leftOut == 1 ? "" : "s") << " left out ("
                  << firstLeftOut.number;
        if (leftOut > 1)
            std::cout << " to " << lastLeftOut.number;
        std::cout << "): ";
        if (valueName) {
            std::cout << valueName << " " << firstLeftOut.value;
            if (leftOut > 1)
                std::cout << " to " << lastLeftOut.value;
            std::cout << "; ";
        }
        std::cout << changes() << " ...";
        if (settings().explain)
            std::cout << std::endl
                      << "(" << (leftOut == 1 ? "That " + std::string(unit) + " is" : "Those are")
                      << " not explained; --explain=all explains every " << unit << ".)";
    }
    for (const Held& held : last)
        std::cout << held.text;
}
