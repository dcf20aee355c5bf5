// Two-layer back-propagation network: two hidden unipolar neurons and a bias unit feed
// one output neuron, which learns the exclusive-or of two inputs, pattern by pattern.
#include "demos.h"

#include "activation.h"
#include "dialog.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"
#include "training.h"

#include <cmath>
#include <iostream>

using CwMtx::CWTSVector;

namespace {

constexpr int patternCount = 4;
constexpr int hiddenCount = 3; // two hidden neurons and the bias unit
constexpr double errorLimit = 0.01;

// The hidden layer's outputs for one pattern. The bias unit's output is the threshold
// value, whatever its weight row V3 holds.
CWTSVector<3> hiddenOutputs(const CWTSVector<3>& x, const CWTSVector<3> (&V)[hiddenCount], double threshold) {
    CWTSVector<3> y;
    for (int k = 0; k < hiddenCount; ++k)
        y[k] = unipolar(V[k] * x);
    y[2] = threshold;
    return y;
}

} // namespace

void BPN() {
    double threshold = -1;
    double nu = 0.1;
    double lambda = 1; // shown and asked for, but the unipolar neurons have no steepness
    const double d[patternCount] = {0, 1, 1, 0};

    const double patternInputs[patternCount][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    CWTSVector<3> X[patternCount];
    for (int p = 0; p < patternCount; ++p) {
        X[p][0] = patternInputs[p][0];
        X[p][1] = patternInputs[p][1];
        X[p][2] = threshold;
    }
    CWTSVector<3> V[hiddenCount];
    const double firstLayerWeights[hiddenCount][3] = {{0.5, 0.4, 0.8}, {0.9, 1, -0.1}, {0, 0, 0}};
    for (int k = 0; k < hiddenCount; ++k)
        for (int i = 0; i < 3; ++i)
            V[k][i] = firstLayerWeights[k][i];
    CWTSVector<3> W;
    W[0] = -1.2;
    W[1] = 1.1;
    W[2] = 0.3;

    std::cout << std::endl
              << "************           2-Layer Back Propagation Network            ************";
    std::cout << std::endl
              << "************                   Lecture 7, Pg 24                    ************"
              << std::endl;

    std::cout << std::endl;
    showValue(patternCount, "No. of Input Patterns P");
    std::cout << std::endl;
    showValue(threshold, "Threshold");
    std::cout << std::endl;
    showValue(nu, "nu");
    std::cout << std::endl;
    showValue(lambda, "lambda");
    for (int p = 0; p < patternCount; ++p) {
        std::cout << std::endl << "Input Vector X" << p + 1;
        iprint(": ", X[p]);
    }
    for (int k = 0; k < hiddenCount; ++k) {
        std::cout << std::endl << "1st Weight Vector V" << k + 1 << ": ";
        iprint(V[k]);
    }
    std::cout << std::endl << "2nd Weight Vector W: ";
    iprint(W);

    if (!keepDefaults()) {
        announceEntry();
        std::cout << std::endl;
        askFor(threshold, "Threshold");
        askFor(nu, "nu");
        askFor(lambda, "lambda");
        for (int p = 0; p < patternCount; ++p)
            for (int i = 0; i < 3; ++i)
                askFor(X[p][i], "Enter value for X", p + 1, " ", i);
        for (int k = 0; k < hiddenCount; ++k)
            for (int i = 0; i < 3; ++i)
                askFor(V[k][i], "Enter value for V", k + 1, " ", i);
        for (int i = 0; i < 3; ++i)
            askFor(W[i], "Enter value for W", i + 1);
    }

    // Above the limit, so that the first cycle always runs.
    double e = 1.01;
    int cycle = 0;
    bool weightsMoved = true;
    while (trainingGoesOn(e, errorLimit, weightsMoved, cycle)) {
        CWTSVector<3> VBefore[hiddenCount] = {V[0], V[1], V[2]};
        const CWTSVector<3> WBefore = W;
        e = 0;
        ++cycle;
        std::cout << std::endl << std::endl << "*** LEARNING CYCLE NO. " << cycle << " ***" << std::endl;
        for (int p = 0; p < patternCount; ++p) {
            std::cout << std::endl << "Working with pattern X[" << p + 1 << "]: ";
            iprint(X[p], "\n");
            const CWTSVector<3> y = hiddenOutputs(X[p], V, threshold);
            std::cout << "y; ";
            iprint(y, "\n");
            std::cout << "  w: ";
            iprint(W, "\n");
            const double o = unipolar(W * y);
            std::cout << " o = " << o << "  d[" << p + 1 << "] = " << d[p];
            e += 0.5 * std::pow(d[p] - o, 2);
            std::cout << "  e = " << e;
            const double delO = (d[p] - o) * o * (1 - o);
            std::cout << "  delO = " << delO << std::endl;
            // Each hidden error signal takes its output weight from before that weight's update.
            CWTSVector<3> delY;
            for (int k = 0; k < hiddenCount; ++k) {
                delY[k] = (1 - y[k]) * y[k] * W[k] * delO;
                W[k] = W[k] + y[k] * nu * delO;
            }
            delY[2] = 0; // the bias unit does not learn
            std::cout << "  w = ";
            iprint(W, "\n");
            for (int k = 0; k < hiddenCount; ++k) {
                for (int i = 0; i < 3; ++i)
                    V[k][i] = V[k][i] + X[p][i] * nu * delY[k];
                std::cout << "v[" << k + 1 << "]: ";
                iprint(V[k], "  ");
            }
        }
        weightsMoved = !(W == WBefore);
        for (int k = 0; k < hiddenCount; ++k)
            if (!(V[k] == VBefore[k]))
                weightsMoved = true;
    }

    std::cout << std::endl << std::endl;
    writeTrainingEnd("Training terminated: further weight adjustment unrequired.", e, errorLimit,
                     weightsMoved, cycle);
    std::cout << std::endl;
    std::cout << "Total cycles: " << cycle << "  e: " << e << std::endl;
    for (int k = 0; k < hiddenCount; ++k) {
        std::cout << "v[" << k + 1 << "]: ";
        iprint(V[k], "\n");
    }
    std::cout << "w: ";
    iprint(W);
    std::cout << std::endl;

    std::cout << std::endl << "***********************       TESTING      ***************************";
    std::cout << std::endl << "   X1\t|\tX2\t|\t    O   \t|    Final O";
    std::cout << std::endl << "----------------------------------------------------------------------";
    for (int p = 0; p < patternCount; ++p) {
        const double o = unipolar(W * hiddenOutputs(X[p], V, threshold));
        std::cout << std::endl
                  << "   " << X[p][0] << "\t|\t" << X[p][1] << "\t|\t" << o << "\t|\t" << std::rint(o);
    }
    std::cout << std::endl
              << "----------------------------------------------------------------------" << std::endl;
}
