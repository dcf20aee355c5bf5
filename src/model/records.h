// What a demo notes of its run as it goes, for whatever shows the run afterwards (its
// pictures, the file of learning curves): plain records of values, which decide nothing.
#ifndef NNRULES_MODEL_RECORDS_H
#define NNRULES_MODEL_RECORDS_H

#include "matrix/cwtsmatrix.h"
#include "neurons.h"

#include <array>
#include <utility>
#include <vector>

// The value a training run works down, once per cycle, and the limit it works towards.
struct LearningCurve {
    const char* demo;                // the demo's short name
    const char* valueName;           // what the value is: "cycle error", ...
    const char* cycleName;           // what one value is noted for: "cycle" or "pass"
    double limit;                    // NaN when there is none
    std::vector<double> values = {}; // one a cycle, from cycle 1

    void note(double value) { values.push_back(value); }
};

// In the records below, the weights are those that stand at the end of the run (`ended`), or
// at the pause where a record is handed over.

// A single perceptron with one input and a bias input: its patterns (input, bias input),
// desired responses and weights (input weight, bias weight) at the start and the end.
struct SingleNeuronRun {
    LearningCurve curve;
    bool discrete;     // a signum neuron, or a continuous bipolar one
    double lambda = 1; // the continuous neuron's steepness
    std::array<CwMtx::CWTSVector<2>, 4> patterns{};
    std::array<double, 4> desired{};
    CwMtx::CWTSVector<2> startWeights{}, weights{};
    bool ended = false; // the run is over: its weights are the trained ones
};

// Three perceptrons, one per class, over two inputs and a bias input.
struct MulticlassRun {
    LearningCurve curve;
    bool discrete;
    double lambda = 1; // the continuous neurons' steepness
    std::array<CwMtx::CWTSVector<3>, 3> patterns{}, startWeights{}, weights{};
    bool ended = false; // the run is over: its weights are the trained ones
};

// The back-propagation network learning the exclusive-or.
struct NetworkRun {
    LearningCurve curve;
    std::array<CwMtx::CWTSVector<3>, 4> patterns{};
    std::array<double, 4> desired{};
    FirstLayer startFirstLayer{}, firstLayer{};
    CwMtx::CWTSVector<3> startSecondLayer{}, secondLayer{};
    double threshold = 0;
    bool ended = false; // the run is over: its weights are the trained ones
};

// Two competing neurons and their five patterns in the plane.
struct KohonenRun {
    LearningCurve curve;
    std::array<CwMtx::CWTSVector<2>, 5> patterns{};
    std::array<CwMtx::CWTSVector<2>, 2> startWeights{}, weights{};
    std::vector<std::array<CwMtx::CWTSVector<2>, 2>> path = {}; // the weights after each cycle
    bool ended = false; // the run is over: its weights are the trained ones
};

// The Hopfield memory's stored vectors, its probe and what it recalled.
struct HopfieldRun {
    std::array<CwMtx::CWTSVector<5>, 3> stored{};
    int probeNumber = 1;
    CwMtx::CWTSVector<5> recalled{};
};

// The bidirectional memory's stored pairs, its probe (an A or a B vector) and the pair it
// recalled, numbered from 1, or 0 for none.
struct BidirectionalRun {
    std::array<CwMtx::CWTSVector<6>, 4> a{};
    std::array<CwMtx::CWTSVector<3>, 4> b{};
    bool probeIsB = false;
    CwMtx::CWTSVector<6> probeA{};
    CwMtx::CWTSVector<3> probeB{};
    CwMtx::CWTSVector<6> recalledA{};
    CwMtx::CWTSVector<3> recalledB{};
    std::vector<std::pair<CwMtx::CWTSVector<6>, CwMtx::CWTSVector<3>>> cycles =
        {}; // a and b after each cycle
    unsigned recalledPair = 0;
    bool recallEnded = false; // at a pause of step mode, the recall is still under way
};

#endif
