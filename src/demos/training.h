// What the demos that learn share: the guard that decides whether a training run goes on
// and says why it ended, the pauses of step mode and the stop key, the brief trace, and
// the lines of the final weight vectors.
#ifndef NNRULES_DEMOS_TRAINING_H
#define NNRULES_DEMOS_TRAINING_H

#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"
#include "pictures/pictures.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>

// No training runs more cycles (or, for the single discrete perceptron, steps) than
// this, 100000. Tests lower it, so that their runs that the limit stops stay short.
extern int maxTrainingCycles;

// Step mode (--step): the trace pauses after every step or cycle, until the student goes on.
void stepThroughLearning(bool stepping);

// A brief trace (--brief): of a training run, the first two units and the last two in
// full, and one line for those between. A stepped run is not shortened.
void keepTracesBrief(bool brief);

// Begins a demo's run: no pause of an earlier run is still being skipped.
void startPacing();

// After a unit of learning (a step, a training cycle, a recall cycle), numbered from 1:
// in step mode, the pause, with the decision picture of the weights as they stand (or the
// memory's state) first when pictures are asked for. False when the student asked to stop
// there, or pressed Ctrl-C at a terminal while it ran.
bool pauseAfterDrawing(const char* unit, int number, const std::function<void()>& drawPicture);
template <class Record>
bool pauseAfter(const char* unit, int number, const Record& run) {
    return pauseAfterDrawing(unit, number, [&run] { drawProgress(run); });
}

// A training run, unit by unit (a cycle, or a step of the single discrete perceptron):
// how far it has come and what its last unit did, which decide whether it goes on.
class Training {
  public:
    const char* unit;                  // what one unit is called: "cycle" or "step"
    const char* valueName;             // what a unit's value is: "cycle error", ...
    double errorLimit = std::nan("");  // the cycle error to reach; NaN when there is none
    int unitLimit = maxTrainingCycles; // no run goes beyond this many units
    int units = 0;                     // the units run so far
    double cycleError = 0;             // the last unit's value
    bool weightsMoved = true;          // whether the last unit moved some weight
    bool stopAsked = false;            // the student asked to stop, at a pause or by Ctrl-C

    Training(const char* unitName, const char* valueNamed, double limit = std::nan(""))
        : unit(unitName), valueName(valueNamed), errorLimit(limit) {}

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
        finishWith(value, movedWeights, [&run] { drawProgress(run); });
    }

    // Writes the line that closes training: finishedLine when it reached its end, otherwise
    // why it was stopped and after how many units. Without an error limit, the unit limit
    // stops a run whose weights still move for stillMovingReason; when there is none,
    // running up to the limit is the run's end.
    void writeEnd(const char* finishedLine, const char* stillMovingReason = nullptr) const;

  private:
    // A unit's trace held back by a brief trace: its number, value and text.
    struct Held {
        int number = 0;
        double value = 0;
        std::string text;
    };
    std::stringbuf holding;           // where the trace of the unit under way goes
    std::streambuf* output = nullptr; // standard output's buffer while it is held back
    static constexpr int kept = 2;    // the units kept at the end
    Held last[kept];                  // the last units held back, oldest first
    int lastCount = 0;
    Held firstLeftOut, lastLeftOut; // the first and last units left out
    int leftOut = 0;

    bool due() const; // another unit is due, whatever the student asks
    void finishWith(double value, bool movedWeights, const std::function<void()>& drawPicture);
    void writeHeld();
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
