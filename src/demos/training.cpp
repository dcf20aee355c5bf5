#include "training.h"

#include "console/console.h"
#include "console/numbers.h"
#include "explain/explain.h"
#include "settings.h"

#include <cmath>
#include <iostream>

Training::Training(const char* unitName, const char* valueNamed, double limit)
    : unit(unitName), valueName(valueNamed), errorLimit(limit), unitLimit(settings().cycleLimit),
      brief(unitName, valueNamed) {}

bool Training::due() const {
    return units < unitLimit && (weightsMoved || !valueName) && !leavingDemo() &&
           (units == 0 || std::isnan(errorLimit) || lastValue > errorLimit);
}

bool Training::goesOn() {
    const bool more = !stopAsked && due();
    if (!more)
        brief.writeHeld();
    return more;
}

int Training::start() {
    ++units;
    startExplainedUnit();
    brief.begin(units);
    return units;
}

void Training::finishDrawing(double value, bool movedWeights, const std::function<void()>& drawPicture) {
    lastValue = value;
    weightsMoved = movedWeights;
    brief.end(units, value, movedWeights);
    // Asked after the last unit, a stop stops nothing.
    if (!pauseAfterDrawing(
            unit, units, [this] { return standing(); }, drawPicture))
        stopAsked = due();
}

std::string Training::standing() const {
    if (!valueName)
        return weightsMoved ? "the weights changed" : "the weights unchanged";
    return std::string(valueName) + " " + written(lastValue);
}

void Training::writeEnd(const char* finishedLine, const char* stillMovingReason) const {
    const bool limitReached = std::isnan(errorLimit) ? !weightsMoved || !stillMovingReason
                                                     : !std::isnan(lastValue) && !(lastValue > errorLimit);
    if (limitReached && !stopAsked) {
        std::cout << finishedLine;
        return;
    }
    std::cout << "Training stopped after " << units << " " << unit << (units == 1 ? "" : "s");
    if (stopAsked)
        std::cout << ", as asked.";
    else if (std::isnan(errorLimit))
        std::cout << ": " << stillMovingReason;
    else if (std::isnan(lastValue))
        std::cout << ": the cycle error is not a number.";
    else if (!weightsMoved)
        std::cout << ": the weights no longer change and the cycle error is still above " << errorLimit
                  << ".";
    else
        std::cout << ": the cycle error is still above " << errorLimit << ".";
}
