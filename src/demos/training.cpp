#include "training.h"

#include "console/console.h"
#include "console/numbers.h"
#include "explain/explain.h"
#include "settings.h"

#include <cmath>
#include <iostream>

Training::Training(const char* unitName, const char* valueNamed, double errorLimit)
    : unit(unitName), valueName(valueNamed), guard{settings().cycleLimit, errorLimit, valueNamed != nullptr},
      brief(unitName, valueNamed) {}

void Training::unitBegins(int number) {
    forgetKeptExplanation();
    brief.startUnit(number);
}

bool Training::endUnitDrawing(const Progress& now, const std::function<void()>& drawPicture) {
    progress = now;
    brief.closeUnit(now.units, now.lastValue, now.weightsMoved);
    return pauseAfterDrawing(
        unit, now.units, [this] { return standing(); }, drawPicture);
}

void Training::trainingEnds(const Progress& now) {
    progress = now;
    if (!leavingDemo())
        brief.writeHeld();
}

std::string Training::standing() const {
    if (!valueName)
        return progress.weightsMoved ? "the weights changed" : "the weights unchanged";
    return std::string(valueName) + " " + written(progress.lastValue);
}

void Training::writeEnd(const char* finishedLine, const char* stillMovingReason) const {
    const bool limitReached = std::isnan(guard.errorLimit) ? !progress.weightsMoved || !stillMovingReason
                                                           : !std::isnan(progress.lastValue) &&
                                                                 !(progress.lastValue > guard.errorLimit);
    if (limitReached && !progress.stopped) {
        std::cout << finishedLine;
        return;
    }
    std::cout << "Training stopped after " << progress.units << " " << unit
              << (progress.units == 1 ? "" : "s");
    if (progress.stopped)
        std::cout << ", as asked.";
    else if (std::isnan(guard.errorLimit))
        std::cout << ": " << stillMovingReason;
    else if (std::isnan(progress.lastValue))
        std::cout << ": the cycle error is not a number.";
    else if (!progress.weightsMoved)
        std::cout << ": the weights no longer change and the cycle error is still above " << guard.errorLimit
                  << ".";
    else
        std::cout << ": the cycle error is still above " << guard.errorLimit << ".";
}
