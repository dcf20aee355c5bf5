// The neurons' formulas that more than one place computes: the demos that train and test
// them, and the pictures that show where the trained neurons decide. One copy of each.
#ifndef NNRULES_DEMOS_RULES_H
#define NNRULES_DEMOS_RULES_H

#include "activation.h"
#include "matrix/cwtsmatrix.h"

#include <array>
#include <cfloat>
#include <cmath>

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

// The Euclidean distance between two points of the plane.
inline double distance(const CwMtx::CWTSVector<2>& x, const CwMtx::CWTSVector<2>& w) {
    return std::pow(std::pow(x[0] - w[0], 2) + std::pow(x[1] - w[1], 2), 0.5);
}

// A vector's length. Where the sum of the squares overflows or underflows, the length is
// taken without it.
inline double length(const CwMtx::CWTSVector<2>& w) {
    const double squares = w * w;
    if (std::isinf(squares) || (squares < DBL_MIN && (w[0] != 0 || w[1] != 0)))
        return std::hypot(w[0], w[1]);
    return std::pow(squares, 0.5);
}

// The vector divided by its length, so that its length is 1. A vector of length 0 has no
// direction to keep: it is returned as it is. A length so small that its reciprocal
// overflows is taken of the vector scaled up first, exactly, by a power of two.
inline CwMtx::CWTSVector<2> unitVector(const CwMtx::CWTSVector<2>& w) {
    const double wLength = length(w);
    if (wLength == 0)
        return w;
    if (std::isinf(1 / wLength))
        return unitVector(w * 0x1p600);
    return w / wLength;
}

#endif
