// The neurons' outputs that more than one place computes: the demos that train and test
// them, and the pictures that show where the trained neurons decide. One copy of each.
#ifndef NNRULES_MODEL_NEURONS_H
#define NNRULES_MODEL_NEURONS_H

#include "activation.h"
#include "matrix/cwtsmatrix.h"

#include <array>

// A discrete (signum) neuron's output for the input: +1 or -1.
template <unsigned N>
double discreteOutput(const CwMtx::CWTSVector<N>& weights, const CwMtx::CWTSVector<N>& input) {
    return sgn(weights * input);
}

// A continuous bipolar neuron's output for the input, in (-1, 1).
template <unsigned N>
double continuousOutput(const CwMtx::CWTSVector<N>& weights, const CwMtx::CWTSVector<N>& input,
                        double lambda) {
    return bipolar(weights * input, lambda);
}

// The back-propagation network: first-layer weight rows (two hidden neurons and the bias
// unit's row, which takes no part) and the output neuron's weights.
using FirstLayer = std::array<CwMtx::CWTSVector<3>, 3>;

// The hidden layer's outputs for one pattern. The bias unit's output is the threshold
// value, whatever its weight row V3 holds.
inline CwMtx::CWTSVector<3> hiddenOutputs(const CwMtx::CWTSVector<3>& x, const FirstLayer& V,
                                          double threshold) {
    CwMtx::CWTSVector<3> y;
    y[0] = unipolar(V[0] * x);
    y[1] = unipolar(V[1] * x);
    y[2] = threshold;
    return y;
}

// The network's output for one pattern.
inline double networkOutput(const CwMtx::CWTSVector<3>& x, const FirstLayer& V, const CwMtx::CWTSVector<3>& W,
                            double threshold) {
    return unipolar(W * hiddenOutputs(x, V, threshold));
}

#endif
