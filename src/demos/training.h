// What the demos that train share: the guards that end a training that can never reach
// its limit, saying why, and the lines of the final weight vectors.
#ifndef NNRULES_DEMOS_TRAINING_H
#define NNRULES_DEMOS_TRAINING_H

#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"

#include <array>
#include <cstddef>
#include <iostream>

// No training runs more cycles (or, for the single discrete perceptron, steps) than
// this, 100000. Tests lower it, so that their runs that the limit stops stay short.
extern int maxTrainingCycles;

// True while another cycle is due: always before the first cycle; after it, while the
// last cycle error is above its limit, the last cycle moved some weight (one that did
// not would repeat itself for ever) and the cycle limit is not reached. A cycle error
// that is not a number ends training.
bool trainingGoesOn(double cycleError, double errorLimit, bool weightsMoved, int cycles);

// Writes the line that closes training: the demo's own line when the cycle error
// reached its limit, otherwise why training was stopped and after how many cycles.
void writeTrainingEnd(const char* reachedLimitLine, double cycleError, double errorLimit, bool weightsMoved,
                      int cycles);

// Writes each weight vector on a line of its own: "w1: [ 1; 0 ] ", "w2: ...".
template <unsigned N, std::size_t Count>
void writeWeightVectors(const std::array<CwMtx::CWTSVector<N>, Count>& w) {
    for (std::size_t j = 0; j < Count; ++j) {
        std::cout << "w" << j + 1 << ": ";
        iprint(w[j], "\n");
    }
}

#endif
