// The loop that every rule's training shares: units (steps or cycles) run one after another
// while the rule's own end has not come and the guard's limit is not reached, each told to
// whoever watches the training, who may stop it after a unit.
#ifndef NNRULES_MODEL_TRAININGLOOP_H
#define NNRULES_MODEL_TRAININGLOOP_H

#include <cmath>

// How far a training has come.
struct Progress {
    int units = 0;            // the units run so far
    double lastValue{};       // the last unit's value: its cycle error, weight movement, ...
    bool weightsMoved = true; // whether the last unit moved some weight
    bool stopped = false;     // a watcher stopped the training while a unit was still due
};

// When a training ends by itself. With an error limit: after a cycle whose cycle error is not
// above it, or is no number, or that moved no weight (the next would repeat it for ever).
// Without one: after a unit that moved no weight, unless units have no value of their own (the
// single discrete perceptron's steps, run to their count). Either way at the unit limit.
struct Guard {
    int unitLimit;
    double errorLimit = std::nan(""); // NaN when there is none
    bool unitsHaveValues = true;

    bool due(const Progress& progress) const {
        return progress.units < unitLimit && (progress.weightsMoved || !unitsHaveValues) &&
               (progress.units == 0 || std::isnan(errorLimit) || progress.lastValue > errorLimit);
    }
};

// What one unit did: its value and whether it moved a weight.
struct UnitDone {
    double value;
    bool weightsMoved;
};

// A watcher of a training, told nothing: for a training run only for its result.
struct Unwatched {
    void unitBegins(int) {}
    bool unitEnds(const Progress&) { return true; } // false: stop after this unit
    void trainingEnds(const Progress&) {}
};

// Runs the units, `unit(n)` the one numbered n from 1, while one is due and the watcher has
// not stopped the training; a stop asked after the last unit stops nothing.
template <class Watcher, class Unit>
Progress trainUnits(const Guard& guard, Watcher& watcher, const Unit& unit) {
    Progress progress;
    while (!progress.stopped && guard.due(progress)) {
        const int number = ++progress.units;
        watcher.unitBegins(number);
        const UnitDone done = unit(number);
        progress.lastValue = done.value;
        progress.weightsMoved = done.weightsMoved;
        if (!watcher.unitEnds(progress))
            progress.stopped = guard.due(progress);
    }
    watcher.trainingEnds(progress);
    return progress;
}

#endif
