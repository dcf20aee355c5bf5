// The guard of the demos that learn: whether a training run goes on, and why it ended. It
// paces the run (step mode, the stop key) and keeps its trace brief where asked.
#ifndef NNRULES_DEMOS_TRAINING_H
#define NNRULES_DEMOS_TRAINING_H

#include "brieftrace.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"
#include "pacing.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <functional>
#include <iostream>
#include <string>

// A training run, unit by unit (a cycle, or a step of the single discrete perceptron):
// how far it has come and what its last unit did, which decide whether it goes on.
class Training {
  public:
    const char* unit;                 // what one unit is called: "cycle" or "step"
    const char* valueName;            // what a unit's value is: "cycle error", ...; nullptr: none
    double errorLimit = std::nan(""); // the cycle error to reach; NaN when there is none
    int unitLimit;                    // no run goes beyond this many units: the session's cycle limit
    int units = 0;                    // the units run so far
    double lastValue = 0;             // the last unit's value: its cycle error, corrections, ...
    bool weightsMoved = true;         // whether the last unit moved some weight
    bool stopAsked = false;           // the student asked to stop, at a pause or by Ctrl-C

    // valueName says what a unit's value is: "cycle error", "weight movement". A run without
    // one (nullptr) has a fixed number of units, the single discrete perceptron's steps: it
    // goes on whether or not its weights move.
    Training(const char* unitName, const char* valueNamed, double limit = std::nan(""));

    // True while another unit is due. With an error limit: always before the first, and
    // after it while the last cycle error is above the limit and the last unit moved some
    // weight (one that did not would repeat itself for ever); a cycle error that is not a
    // number ends training. Without one: while the last unit moved some weight. Either
    // way, only up to the unit limit, and until the student asks to stop. When it is over,
    // a brief trace's last units are written out.
    bool goesOn();

    // Begins the next unit: its number, from 1.
    int start();

    // Ends the unit with its value and whether it moved a weight, and hands over the
    // record of the run as it stands, for the pause.
    template <class Record>
    void finish(double value, bool movedWeights, const Record& run) {
        finishDrawing(value, movedWeights, [&run] { drawState(run); });
    }

    // Writes the line that closes training: finishedLine when it reached its end, otherwise
    // why it was stopped and after how many units. Without an error limit, the unit limit
    // stops a run whose weights still move for stillMovingReason; when there is none,
    // running up to the limit is the run's end.
    void writeEnd(const char* finishedLine, const char* stillMovingReason = nullptr) const;

    // Where the run stands after its last unit: "cycle error 6.72105", or for a run without
    // values whether the weights changed.
    std::string standing() const;

  private:
    BriefTrace brief;

    bool due() const; // another unit is due, whatever the student asks
    void finishDrawing(double value, bool movedWeights, const std::function<void()>& drawPicture);
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
