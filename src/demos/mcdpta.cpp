// Multiclass discrete perceptron: a layer of three signum neurons, one per class,
// learns three augmented two-dimensional patterns until a whole cycle is error-free.
#include "demos.h"

#include "activation.h"
#include "dialog.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"
#include "training.h"

#include <cmath>
#include <iostream>

using namespace CwMtx;

namespace {

constexpr int P = 3; // input patterns, pattern i belonging to class i
constexpr int R = 3; // classes, one neuron each

// Training ends only once a cycle has no wrong response.
constexpr double errorLimit = 0;

} // namespace

void MCDPTA() {
    double threshold = -1;
    double C = 1;
    CWTSVector<3> Y[P];
    CWTSVector<3> W[R];

    // Element 2 of every pattern is its bias input, the threshold value.
    const double inputs[P][2] = {{10, 2}, {2, -5}, {-5, 5}};
    for (int i = 0; i < P; ++i) {
        Y[i][0] = inputs[i][0];
        Y[i][1] = inputs[i][1];
        Y[i][2] = threshold;
    }
    const double initialWeights[R][3] = {{1, -2, 0}, {0, -1, 2}, {1, 3, -1}};
    for (int j = 0; j < R; ++j)
        for (int k = 0; k < 3; ++k)
            W[j][k] = initialWeights[j][k];

    std::cout << std::endl << "************ Multiclass Discrete Perceptron Training Algorithm ************";
    std::cout << std::endl
              << "************                 Lecture 6, Pg 14                  ************" << std::endl;

    std::cout << std::endl;
    showValue(P, "No. of Input Patterns P");
    std::cout << std::endl;
    showValue(R, "No. of Classes R");
    std::cout << std::endl;
    showValue(threshold, "Threshold");
    std::cout << std::endl;
    showValue(C, "Learning Constant C");
    for (int i = 0; i < P; ++i) {
        std::cout << std::endl << "Input Vector Y" << i + 1;
        iprint(": ", Y[i]);
        std::cout << std::endl << "Weight Vector W" << i + 1 << ": ";
        iprint(W[i]);
    }

    if (!keepDefaults()) {
        announceEntry();
        std::cout << std::endl;
        askFor(threshold, "Threshold");
        // The threshold typed in is the bias input of every pattern; the prompts for
        // element 2 below show it and can still change it pattern by pattern.
        for (int i = 0; i < P; ++i)
            Y[i][2] = threshold;
        std::cout << std::endl;
        askFor(C, "Learning Constant C");
        for (int i = 0; i < P; ++i)
            for (int k = 0; k < 3; ++k) {
                askFor(Y[i][k], "Enter value for Y", i + 1, " ", k);
                askFor(W[i][k], "Enter value for w", i + 1, " ", k);
            }
    }

    // E starts above its limit so that at least one cycle runs.
    double E = 1;
    int cycle = 0;
    bool weightsMoved = true;
    while (trainingGoesOn(E, errorLimit, weightsMoved, cycle)) {
        CWTSVector<3> before[R];
        for (int j = 0; j < R; ++j)
            before[j] = W[j];

        E = 0;
        ++cycle;
        std::cout << std::endl << "Learning Cycle No.: " << cycle;
        for (int i = 0; i < P; ++i) {
            std::cout << std::endl << "\t## Class " << i + 1 << " ##";
            for (int j = 0; j < R; ++j) {
                const double net = W[j] * Y[i];
                const double o = sgn(net);
                std::cout << std::endl << "\to" << j + 1 << ": " << o;
                const double d = i == j ? 1 : -1;
                std::cout << "   d = " << d;
                // The correction takes effect at once: the next neuron and class see it.
                const double r = (C / 2) * (d - o);
                W[j] = W[j] + Y[i] * r;
                E = E + 0.5 * std::pow(d - o, 2);
                std::cout << "   e = " << E;
                std::cout << std::endl << W[j];
            }
        }

        // A cycle that moves no weight would repeat itself exactly.
        weightsMoved = false;
        for (int j = 0; j < R; ++j)
            if (W[j] != before[j])
                weightsMoved = true;
    }

    std::cout << std::endl;
    writeTrainingEnd("Training terminated: further weight adjustment unrequired.", E, errorLimit,
                     weightsMoved, cycle);
    std::cout << std::endl;
    for (int j = 0; j < R; ++j) {
        std::cout << "w" << j + 1 << ": ";
        iprint(W[j], "\n");
    }
    std::cout << std::endl;
}
