// Guards shared by the demos that train until a cycle error falls to its limit, so
// that a run that can never get there still ends and says why.
#ifndef NNRULES_DEMOS_TRAINING_H
#define NNRULES_DEMOS_TRAINING_H

// No training runs more cycles (or, for the single discrete perceptron, steps) than
// this, 100000. Tests lower it, so that their runs that the limit stops stay short.
extern int maxTrainingCycles;

// True while another cycle is due: the last cycle error is above its limit, the last
// cycle moved some weight (one that did not would repeat itself for ever) and the
// cycle limit is not reached. A cycle error that is not a number ends training.
bool trainingGoesOn(double cycleError, double errorLimit, bool weightsMoved, int cycles);

// Writes the line that closes training: the demo's own line when the cycle error
// reached its limit, otherwise why training was stopped and after how many cycles.
void writeTrainingEnd(const char* reachedLimitLine, double cycleError, double errorLimit, bool weightsMoved,
                      int cycles);

#endif
