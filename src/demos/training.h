// The guard of the demos that learn: whether a training run goes on, and why it ended. It
// paces the run (step mode, the stop key) and keeps its trace brief where asked.
#ifndef NNRULES_DEMOS_TRAINING_H
#define NNRULES_DEMOS_TRAINING_H

#include "brieftrace.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"
#include "model/trainingloop.h"
#include "pacing.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <functional>
#include <iostream>
#include <string>

// What every demo's training shows besides its own trace, as its watcher: each unit's kept
// explanation, the brief trace, the pause of step mode with the picture of where the run
// stands. It keeps the training's progress, for the line that closes it.
class Training {
  public:
    const char* unit;      // what one unit is called: "cycle" or "step"
    const char* valueName; // what a unit's value is: "cycle error", ...; nullptr: none
    Guard guard;           // when the training ends by itself
    Progress progress;     // how far it has come

    // valueName says what a unit's value is: "cycle error", "weight movement". A run without
    // one (nullptr) has a fixed number of units, the single discrete perceptron's steps: it
    // goes on whether or not its weights move. No run goes beyond the session's cycle limit.
    Training(const char* unitName, const char* valueNamed, double errorLimit = std::nan(""));

    // Begins the unit numbered so, from 1.
    void unitBegins(int number);

    // Ends the unit, with the record of the run as it stands for the pause; false when the
    // student asked to stop there.
    template <class Record>
    bool unitEnds(const Progress& now, const Record& run) {
        return endUnitDrawing(now, [&run, &now] { showState(run, now.units); });
    }

    // The training is over: a brief trace's last units are written out.
    void trainingEnds(const Progress& now);

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

    bool endUnitDrawing(const Progress& now, const std::function<void()>& drawPicture);
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
