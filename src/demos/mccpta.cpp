// Multiclass continuous perceptron: three bipolar neurons, one per class, learn by the
// delta rule to answer +1 to their own class's pattern and -1 to the others, one weight
// update per pattern and neuron, until a cycle's error is small enough.
#include "demos.h"

#include "activation.h"
#include "dialog.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"
#include "training.h"

#include <cmath>
#include <iostream>

using namespace CwMtx;

void MCCPTA() {
    constexpr int patternCount = 3;
    constexpr int classCount = 3;
    const double defaultInputs[patternCount][2] = {{10, 2}, {2, -5}, {-5, 5}};
    const double defaultWeights[classCount][3] = {{0.4, -0.2, 0.1}, {0.5, -0.1, 0.2}, {0.1, 0.3, -0.1}};
    const double errorLimit = 0.01;

    double threshold = -1;
    double nu = 0.1;
    double lambda = 1;
    CWTSVector<3> Y[patternCount];
    CWTSVector<3> W[classCount];

    std::cout << std::endl
              << "************  Multiclass Continuous Perceptron Training Algorithm  ************";
    std::cout << std::endl
              << "************                   Lecture 7, Pg 10                    ************"
              << std::endl;

    // Element 2 of every pattern is its bias input, the threshold value to begin with.
    for (int i = 0; i < patternCount; ++i) {
        Y[i].Fill(threshold);
        Y[i][0] = defaultInputs[i][0];
        Y[i][1] = defaultInputs[i][1];
    }
    for (int k = 0; k < classCount; ++k)
        for (int j = 0; j < 3; ++j)
            W[k][j] = defaultWeights[k][j];

    std::cout << std::endl;
    showValue(patternCount, "No. of Input Patterns P");
    std::cout << std::endl;
    showValue(classCount, "No. of Classes R");
    std::cout << std::endl;
    showValue(threshold, "Threshold");
    std::cout << std::endl;
    showValue(nu, "nu");
    std::cout << std::endl;
    showValue(lambda, "lambda");
    for (int i = 0; i < patternCount; ++i) {
        std::cout << std::endl << "Input Vector Y" << i + 1;
        iprint(": ", Y[i]);
        std::cout << std::endl << "Weight Vector W" << i + 1 << ": ";
        iprint(W[i]);
    }

    if (!keepDefaults()) {
        announceEntry();
        std::cout << std::endl;
        askFor(threshold, "Threshold");
        // A new threshold is the bias input of every pattern; each pattern's own prompt
        // below then shows it and can still change it for that pattern alone.
        for (int i = 0; i < patternCount; ++i)
            Y[i][2] = threshold;
        askFor(nu, "nu");
        askFor(lambda, "lambda");
        for (int i = 0; i < patternCount; ++i)
            for (int j = 0; j < 3; ++j) {
                askFor(Y[i][j], "Enter value for Y", i + 1, " ", j);
                askFor(W[i][j], "Enter value for w", i + 1, " ", j);
            }
    }

    // E starts above its limit so that the first cycle always runs.
    double E = errorLimit + 1;
    int cycle = 0;
    bool weightsMoved = true;
    while (trainingGoesOn(E, errorLimit, weightsMoved, cycle)) {
        CWTSVector<3> weightsBefore[classCount];
        for (int k = 0; k < classCount; ++k)
            weightsBefore[k] = W[k];
        E = 0;
        ++cycle;
        std::cout << std::endl << "Learning Cycle No.: " << cycle;
        for (int i = 0; i < patternCount; ++i) {
            std::cout << std::endl << "\t## Class " << i + 1 << " ##";
            for (int k = 0; k < classCount; ++k) {
                const double net = W[k] * Y[i];
                const double o = bipolar(net, lambda);
                std::cout << std::endl << "\to" << k + 1 << ": " << o;
                const double d = k == i ? 1.0 : -1.0;
                std::cout << "   d = " << d;
                const double c = (nu * 0.5) * (d - o) * (1 - std::pow(o, 2));
                W[k] = W[k] + Y[i] * c;
                E += 0.5 * std::pow(d - o, 2);
                std::cout << "   e = " << E;
                std::cout << std::endl << W[k];
            }
        }
        weightsMoved = false;
        for (int k = 0; k < classCount; ++k)
            if (W[k] != weightsBefore[k])
                weightsMoved = true;
    }

    std::cout << std::endl;
    writeTrainingEnd("Training terminated: further weight adjustment unrequired.", E, errorLimit,
                     weightsMoved, cycle);
    std::cout << std::endl;
    for (int k = 0; k < classCount; ++k) {
        std::cout << "w" << k + 1 << ": ";
        iprint(W[k], "\n");
    }

    // Each neuron is tested on its own class's pattern, to which it should answer +1.
    for (int k = 0; k < classCount; ++k) {
        const double net = W[k] * Y[k];
        const double o = bipolar(net, lambda);
        const double d = 1;
        std::cout << std::endl << "Input pattern Y" << k + 1;
        iprint(" ", Y[k]);
        std::cout << std::endl << "o" << k + 1 << ": " << o;
        std::cout << std::endl << "Output = " << std::rint(o) << "  d = " << d << std::endl;
    }
}
