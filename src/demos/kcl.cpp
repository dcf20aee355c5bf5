// Kohonen competitive learning: two neurons compete for five patterns, and only the
// nearest one learns, moving towards the pattern and back to unit length.
#include "demos.h"

#include "dialog.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"

#include <cmath>
#include <iostream>

using CwMtx::CWTSVector;

namespace {

constexpr int patternCount = 5;
constexpr int neuronCount = 2;

// Training ends by itself at the first cycle that leaves every weight vector exactly
// unchanged. Once the halved rate has underflowed to 0, only the rescaling can still move
// a vector, and for some vectors it flips between two neighbouring values for ever; a
// vector that is not a number never equals itself either. So no run goes beyond this
// many cycles.
constexpr int maxKohonenCycles = 2000;

// Marks "no winner yet": outside the neuron numbers 1 and 2.
constexpr int noNeuron = 10;

double distance(const CWTSVector<2>& x, const CWTSVector<2>& w) {
    return std::pow(std::pow(x[0] - w[0], 2) + std::pow(x[1] - w[1], 2), 0.5);
}

void writeWeightVectors(const CWTSVector<2> (&w)[neuronCount]) {
    for (int j = 0; j < neuronCount; ++j) {
        std::cout << "w" << j + 1 << ": ";
        iprint(w[j], "\n");
    }
}

bool anyNotANumber(const CWTSVector<2> (&w)[neuronCount]) {
    for (int j = 0; j < neuronCount; ++j)
        if (std::isnan(w[j][0]) || std::isnan(w[j][1]))
            return true;
    return false;
}

} // namespace

void KCL() {
    const double patternValues[patternCount][2] = {
        {0.8, 0.6}, {0.1736, -0.9848}, {0.707, 0.707}, {0.342, -0.9397}, {0.6, 0.8}};
    CWTSVector<2> X[patternCount];
    for (int p = 0; p < patternCount; ++p) {
        X[p][0] = patternValues[p][0];
        X[p][1] = patternValues[p][1];
    }
    CWTSVector<2> w[neuronCount];
    w[0][0] = 1;
    w[0][1] = 0;
    w[1][0] = -1;
    w[1][1] = 0;
    // Taken before the dialog: weight vectors typed in are compared with the defaults
    // at the end of cycle 1.
    CWTSVector<2> previousCycle[neuronCount] = {w[0], w[1]};
    // Halved at the start of every cycle, so it is shown as the rate of cycle 1.
    double alpha = 1;

    std::cout << std::endl
              << "************              Kohonen Competitive Learning             ************";
    std::cout << std::endl
              << "************                   Lecture 11, Pg 18                   ************"
              << std::endl;

    std::cout << std::endl;
    showValue(patternCount, "No. of Input Patterns P");
    std::cout << std::endl;
    showValue(neuronCount, "No. of Neurons");
    std::cout << std::endl;
    showValue(alpha * 0.5, "alpha");
    for (int p = 0; p < patternCount; ++p) {
        std::cout << std::endl << "Input Vector X" << p + 1;
        iprint(": ", X[p]);
    }
    std::cout << std::endl << "The initial weight vector is: " << std::endl;
    writeWeightVectors(w);

    if (!keepDefaults()) {
        announceEntry();
        std::cout << std::endl;
        // Shows the rate of cycle 1 but stores what is typed as it stands.
        showValue(alpha * 0.5, "alpha");
        std::cin >> alpha;
        for (int p = 0; p < patternCount; ++p)
            for (int e = 0; e < 2; ++e)
                askFor(X[p][e], "Enter value for X", p + 1, " ", e);
        for (int j = 0; j < neuronCount; ++j)
            for (int e = 0; e < 2; ++e)
                askFor(w[j][e], "Enter value for w", j + 1, " ", e);
    }

    int cycle = 0;
    bool weightsChanged = true;
    while (weightsChanged && cycle < maxKohonenCycles) {
        ++cycle;
        alpha = alpha * 0.5;
        for (int p = 0; p < patternCount; ++p) {
            std::cout << std::endl << "Input Vector X" << p + 1 << ": ";
            iprint(X[p]);
            double minD = distance(X[p], w[0]);
            int minDneuron = noNeuron;
            for (int j = 0; j < neuronCount; ++j) {
                const double d = distance(X[p], w[j]);
                std::cout << std::endl << "d" << j + 1 << " = " << d;
                // Not strictly less: a tie goes to the later neuron.
                if (d <= minD) {
                    minD = d;
                    minDneuron = j + 1;
                    std::cout << std::endl << "minD = " << minD << "  minDneuron = " << j + 1;
                }
            }
            if (minDneuron == noNeuron) {
                // d1 is not a number, and nothing compares as less than or equal to it.
                std::cout << std::endl << "There is no winning neuron: the distance d1 is not a number.";
            } else {
                std::cout << std::endl
                          << "The winning neuron is " << minDneuron << " with a value of: " << minD;
                CWTSVector<2>& winner = w[minDneuron - 1];
                winner = winner + (X[p] - winner) * alpha;
                const double length = std::pow(winner * winner, 0.5);
                // A vector of length 0 has no direction to keep: it stays as it is.
                if (length != 0)
                    winner = winner / length;
            }
            std::cout << std::endl << "The weight vector is: " << std::endl;
            writeWeightVectors(w);
        }
        weightsChanged = false;
        for (int j = 0; j < neuronCount; ++j) {
            if (!(w[j] == previousCycle[j]))
                weightsChanged = true;
            previousCycle[j] = w[j];
        }
    }

    if (!weightsChanged)
        std::cout << std::endl << "Training terminated.";
    else if (anyNotANumber(w))
        std::cout << std::endl
                  << "Training stopped after " << cycle << " cycles: a weight vector is not a number.";
    else
        std::cout << std::endl
                  << "Training stopped after " << cycle << " cycles: the weight vectors still change.";
    std::cout << std::endl << "The final weight vector is: " << std::endl;
    writeWeightVectors(w);
    std::cout << "Total no. of cycles: " << cycle << std::endl;
}
