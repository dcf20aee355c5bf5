#include "training.h"

#include <cmath>
#include <iostream>

int maxTrainingCycles = 100000;

bool trainingGoesOn(double cycleError, double errorLimit, bool weightsMoved, int cycles) {
    return cycles == 0 || (cycleError > errorLimit && weightsMoved && cycles < maxTrainingCycles);
}

void writeTrainingEnd(const char* reachedLimitLine, double cycleError, double errorLimit, bool weightsMoved,
                      int cycles) {
    if (!std::isnan(cycleError) && !(cycleError > errorLimit)) {
        std::cout << reachedLimitLine;
        return;
    }
    std::cout << "Training stopped after " << cycles << (cycles == 1 ? " cycle" : " cycles");
    if (std::isnan(cycleError))
        std::cout << ": the cycle error is not a number.";
    else if (!weightsMoved)
        std::cout << ": the weights no longer change and the cycle error is still above " << errorLimit
                  << ".";
    else
        std::cout << ": the cycle error is still above " << errorLimit << ".";
}
