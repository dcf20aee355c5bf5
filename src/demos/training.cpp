#include "training.h"

#include <cmath>
#include <iostream>

int maxTrainingCycles = 100000;

bool Training::goesOn() const {
    if (units >= unitLimit)
        return false;
    if (std::isnan(errorLimit))
        return weightsMoved;
    return units == 0 || (cycleError > errorLimit && weightsMoved);
}

void Training::writeEnd(const char* finishedLine, const char* stillMovingReason) const {
    const bool limitReached = std::isnan(errorLimit) ? !weightsMoved || !stillMovingReason
                                                     : !std::isnan(cycleError) && !(cycleError > errorLimit);
    if (limitReached) {
        std::cout << finishedLine;
        return;
    }
    std::cout << "Training stopped after " << units << " " << unit << (units == 1 ? "" : "s") << ": ";
    if (std::isnan(errorLimit))
        std::cout << stillMovingReason;
    else if (std::isnan(cycleError))
        std::cout << "the cycle error is not a number.";
    else if (!weightsMoved)
        std::cout << "the weights no longer change and the cycle error is still above " << errorLimit << ".";
    else
        std::cout << "the cycle error is still above " << errorLimit << ".";
}
