// One step of each learning rule, computed whole: what goes in, every value worked out on the
// way, and what comes out. The demos take their new weights from these, and the explanations
// and the quiz read the same values, so that every number shown is the number used.
#ifndef NNRULES_MODEL_STEPS_H
#define NNRULES_MODEL_STEPS_H

#include "activation.h"
#include "geometry.h"
#include "matrix/cwtsmatrix.h"
#include "neurons.h"

#include <array>
#include <cmath>

// A discrete (signum) neuron's fixed-increment correction for one pattern.
template <unsigned N>
struct DiscreteStep {
    CwMtx::CWTSVector<N> weights, input; // before the step
    double desired, learningConstant;    // d and C
    double net, output, correction;      // w . y, sgn(net), r = (d - o)(C / 2)
    CwMtx::CWTSVector<N> after;          // w + r y
};

template <unsigned N>
DiscreteStep<N> discreteStep(const CwMtx::CWTSVector<N>& w, const CwMtx::CWTSVector<N>& y, double d,
                             double C) {
    DiscreteStep<N> step{w, y, d, C, {}, {}, {}, {}};
    step.net = w * y;
    step.output = sgn(step.net);
    step.correction = (d - step.output) * (C / 2);
    step.after = w + y * step.correction;
    return step;
}

// A continuous bipolar neuron's delta-rule step for one pattern.
template <unsigned N>
struct ContinuousStep {
    CwMtx::CWTSVector<N> weights, input; // before the step
    double desired, nu, lambda;          // d, the learning constant and the steepness
    double net, output;                  // w . y, bipolar(net, lambda)
    double slope;                        // 1 - o^2
    double correction;                   // c = (nu * 0.5)(d - o)(1 - o^2)
    double errorShare;                   // 0.5 (d - o)^2, the step's share of the cycle error
    CwMtx::CWTSVector<N> after;          // w + c y
};

template <unsigned N>
ContinuousStep<N> continuousStep(const CwMtx::CWTSVector<N>& w, const CwMtx::CWTSVector<N>& y, double d,
                                 double nu, double lambda) {
    ContinuousStep<N> step{w, y, d, nu, lambda, {}, {}, {}, {}, {}, {}};
    step.net = w * y;
    step.output = bipolar(step.net, lambda);
    const double o = step.output;
    step.slope = 1 - std::pow(o, 2);
    step.correction = (nu * 0.5) * (d - o) * (1 - std::pow(o, 2));
    step.errorShare = 0.5 * std::pow(d - o, 2);
    step.after = w + y * step.correction;
    return step;
}

// The back-propagation network's presentation of one pattern: the forward pass, the error
// terms, and both layers' corrections.
struct NetworkStep {
    CwMtx::CWTSVector<3> input;            // x, its element 2 the bias input
    double desired, nu, threshold;         // d, the learning constant, the bias unit's output
    FirstLayer firstLayer;                 // V before the step
    CwMtx::CWTSVector<3> secondLayer;      // W before the step
    std::array<double, 2> hiddenNet;       // v1 . x and v2 . x
    CwMtx::CWTSVector<3> hidden;           // y: the hidden outputs and the threshold
    double net, output;                    // W . y and its unipolar output
    double errorShare;                     // 0.5 (d - o)^2
    double outputError;                    // delO = (d - o) o (1 - o)
    CwMtx::CWTSVector<3> hiddenError;      // delY, element 2 (the bias unit's) 0
    CwMtx::CWTSVector<3> secondLayerAfter; // W + y nu delO
    FirstLayer firstLayerAfter;            // each row v + x nu delY
};

inline NetworkStep networkStep(const CwMtx::CWTSVector<3>& x, double d, const FirstLayer& V,
                               const CwMtx::CWTSVector<3>& W, double threshold, double nu) {
    NetworkStep step{x, d, nu, threshold, V, W, {V[0] * x, V[1] * x}, {}, {}, {}, {}, {}, {}, {}, {}};
    step.hidden = hiddenOutputs(x, V, threshold);
    const CwMtx::CWTSVector<3>& y = step.hidden;
    step.net = W * y;
    step.output = unipolar(step.net);
    const double o = step.output;
    step.errorShare = 0.5 * std::pow(d - o, 2);
    step.outputError = (d - o) * o * (1 - o);
    const double delO = step.outputError;
    // The hidden error terms take the output weights from before their update; the bias
    // unit's stays 0, as it does not learn.
    for (unsigned k = 0; k < 2; ++k)
        step.hiddenError[k] = (1 - y[k]) * y[k] * W[k] * delO;
    step.secondLayerAfter = W + y * nu * delO;
    for (unsigned k = 0; k < step.firstLayerAfter.size(); ++k)
        step.firstLayerAfter[k] = V[k] + x * nu * step.hiddenError[k];
    return step;
}

// Two competing neurons and one pattern: the winner (the nearer, a tie to the later) moves
// towards the pattern and back to unit length; the other stays.
struct KohonenStep {
    CwMtx::CWTSVector<2> input;
    std::array<CwMtx::CWTSVector<2>, 2> weights; // before the step
    double rate;                                 // the cycle's learning rate
    std::array<double, 2> distances;             // of each neuron's weights from the pattern
    std::array<bool, 2> tookMinimum;             // each neuron's distance became the smallest so far
    unsigned winner;                             // numbered from 1; 0 when none is (a distance no number)
    double minimum;                              // the winner's distance
    CwMtx::CWTSVector<2> moved;                  // w + (x - w) rate, the winner's before rescaling
    double movedLength;                          // its length
    std::array<CwMtx::CWTSVector<2>, 2> after;   // the weights after the step
};

inline KohonenStep kohonenStep(const CwMtx::CWTSVector<2>& x, const std::array<CwMtx::CWTSVector<2>, 2>& w,
                               double rate) {
    KohonenStep step{x, w, rate, {}, {false, false}, 0, {}, {}, {}, w};
    // The smallest distance so far starts as neuron 1's, so neuron 1 always takes it; a
    // distance that is no number is taken by none, and then no neuron wins.
    step.minimum = euclideanDistance(x, w[0]);
    for (unsigned j = 0; j < 2; ++j) {
        step.distances[j] = euclideanDistance(x, w[j]);
        // Not strictly less: a tie goes to the later neuron.
        if (step.distances[j] <= step.minimum) {
            step.minimum = step.distances[j];
            step.winner = j + 1;
            step.tookMinimum[j] = true;
        }
    }
    if (step.winner != 0) {
        const CwMtx::CWTSVector<2>& winner = w[step.winner - 1];
        step.moved = winner + (x - winner) * rate;
        step.movedLength = vectorLength(step.moved);
        step.after[step.winner - 1] = unitVector(step.moved);
    }
    return step;
}

#endif
