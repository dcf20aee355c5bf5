// What the demos that train share: the guard that decides whether a training run goes on
// and says why it ended, and the lines of the final weight vectors.
#ifndef NNRULES_DEMOS_TRAINING_H
#define NNRULES_DEMOS_TRAINING_H

#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <iostream>

// No training runs more cycles (or, for the single discrete perceptron, steps) than
// this, 100000. Tests lower it, so that their runs that the limit stops stay short.
extern int maxTrainingCycles;

// A training run, unit by unit (a cycle, or a step of the single discrete perceptron):
// how far it has come and what its last unit did, which decide whether it goes on.
struct Training {
    const char* unit;                  // what one unit is called: "cycle" or "step"
    double errorLimit = std::nan("");  // the cycle error to reach; NaN when there is none
    int unitLimit = maxTrainingCycles; // no run goes beyond this many units
    int units = 0;                     // the units run so far
    double cycleError = 0;             // the last unit's cycle error
    bool weightsMoved = true;          // whether the last unit moved some weight

    // True while another unit is due. With an error limit: always before the first, and
    // after it while the last cycle error is above the limit and the last unit moved some
    // weight (one that did not would repeat itself for ever); a cycle error that is not a
    // number ends training. Without one: while the last unit moved some weight. Either
    // way, only up to the unit limit.
    bool goesOn() const;

    // Begins the next unit: its number, from 1.
    int start() { return ++units; }

    // Ends the unit with what it did.
    void finish(double unitCycleError, bool unitMovedWeights) {
        cycleError = unitCycleError;
        weightsMoved = unitMovedWeights;
    }

    // Writes the line that closes training: finishedLine when it reached its end, otherwise
    // why it was stopped and after how many units. Without an error limit, the unit limit
    // stops a run whose weights still move for stillMovingReason; when there is none,
    // running up to the limit is the run's end.
    void writeEnd(const char* finishedLine, const char* stillMovingReason = nullptr) const;
};

// Writes each weight vector on a line of its own: "w1: [ 1; 0 ] ", "w2: ...".
template <unsigned N, std::size_t Count>
void writeWeightVectors(const std::array<CwMtx::CWTSVector<N>, Count>& w) {
    for (std::size_t j = 0; j < Count; ++j) {
        std::cout << "w" << j + 1 << ": ";
        iprint(w[j], "\n");
    }
}

#endif
