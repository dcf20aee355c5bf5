// Exercises (--exercise=SEED): a new problem of each demo's kind drawn from a seed, in place
// of the textbook's values, so that the run's screen is the problem and its key. The same
// seed draws the same problem everywhere (a generator of the program's own, whole numbers
// only), and every problem drawn is a good one: the demo's rule ends it, soon; a draw that is
// not is drawn again, within the same seed.
#ifndef NNRULES_EXERCISES_EXERCISES_H
#define NNRULES_EXERCISES_EXERCISES_H

#include "matrix/cwtsmatrix.h"
#include "model/neurons.h"

#include <array>
#include <cstdint>

using CwMtx::CWTSVector;

// Four patterns on a line, each with the bias input 1 of its element 1, that a threshold
// parts; the weights, and the learning constant: the corrections end within 20 steps, and
// the step count is that of the passes up to the first without a correction.
void drawSdpta(std::uint64_t seed, int& steps, double& C, std::array<CWTSVector<2>, 4>& Y,
               std::array<double, 4>& d, CWTSVector<2>& W);

// Three patterns in the plane, with their bias inputs as they are, and three weight vectors:
// an error-free cycle comes within 10.
void drawMcdpta(std::uint64_t seed, std::array<CWTSVector<3>, 3>& Y, std::array<CWTSVector<3>, 3>& W);

// As the single discrete perceptron's, with nu: the cycle error is down to its limit within 10
// cycles.
void drawScpta(std::uint64_t seed, double& nu, std::array<CWTSVector<2>, 4>& Y, std::array<double, 4>& d,
               CWTSVector<2>& W);

// As the multiclass discrete perceptron's, with nu: the cycle error is down to its limit within
// 10 cycles.
void drawMccpta(std::uint64_t seed, double& nu, std::array<CWTSVector<3>, 3>& Y,
                std::array<CWTSVector<3>, 3>& W);

// The network's starting weights (the hidden rows V1 and V2 and the output row W; the bias
// unit's row, which takes no part, is left as it is) and nu for the exclusive-or of the
// patterns: its cycle error is down to its limit within 20,000 cycles.
void drawBpn(std::uint64_t seed, double& nu, const std::array<CWTSVector<3>, 4>& X,
             const std::array<double, 4>& d, double threshold, FirstLayer& V, CWTSVector<3>& W);

// Three bipolar vectors and the number of one that the memory recalls (a stable state).
void drawHam(std::uint64_t seed, std::array<CWTSVector<5>, 3>& V, int& probeNumber);

// Four bipolar pairs and an A probe one or two elements away from a stored A, which the
// recall brings to a stored pair.
void drawBam(std::uint64_t seed, std::array<CWTSVector<6>, 4>& A, std::array<CWTSVector<3>, 4>& B,
             CWTSVector<6>& probe);

// Five patterns and two weight vectors of length 1 at round angles, and the stored rate: a
// cycle that changes nothing ends training within 200.
void drawKcl(std::uint64_t seed, std::array<CWTSVector<2>, 5>& X, std::array<CWTSVector<2>, 2>& w,
             double& alpha);

#endif
