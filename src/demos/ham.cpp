// Hopfield auto-associative memory: three bipolar vectors of five elements are stored
// in the weights of a five-neuron network, and one of them is recalled from itself.
#include "demos.h"

#include "dialog.h"
#include "exercises/exercises.h"
#include "explain/explain.h"
#include "matrix/cwtsprint.h"
#include "model/activation.h"
#include "model/memories.h"
#include "pictures/pictures.h"
#include "quiz/practice.h"
#include "quiz/quiz.h"
#include "settings.h"
#include "training.h"

#include <array>
#include <cstdlib>
#include <iostream>

using CwMtx::CWTSVector;

namespace {

constexpr unsigned vectorCount = 3;
constexpr unsigned neuronCount = 5;

// Asks for the number of the vector to recall until it names a stored one. Input that
// ends or is not a number keeps the number shown.
void askForProbeNumber(int& probeNumber) {
    for (;;) {
        std::cout << std::endl;
        int answer = probeNumber;
        if (!askFor(answer, "Which is the probe vector?")) {
            if (leavingDemo())
                return;
            std::cout << std::endl << "No probe vector number was read; keeping " << probeNumber << ".";
            return;
        }
        if (answer >= 1 && answer <= static_cast<int>(vectorCount)) {
            probeNumber = answer;
            return;
        }
        std::cout << std::endl << "The probe vector number must be 1, 2 or 3.";
    }
}

} // namespace

void HAM() {
    std::cout << std::endl
              << "************        Hopfield Auto-Associative Memory Storage       ************";
    std::cout << std::endl
              << "************                   Lecture 8, Pg 34                    ************"
              << std::endl;

    std::array<CWTSVector<neuronCount>, vectorCount> V = {
        {{1, -1, 1, -1, 1}, {-1, 1, 1, -1, -1}, {1, 1, -1, 1, 1}}};
    int probeNumber = 1;
    // An exercise's values stand where the defaults do.
    if (settings().exercise)
        drawHam(settings().seed, V, probeNumber);

    for (unsigned v = 0; v < vectorCount; ++v) {
        std::cout << std::endl << "Vector V" << v + 1;
        iprint(": ", V[v]);
    }
    std::cout << std::endl << "Probe vector: " << probeNumber;

    if (!keepDefaults()) {
        announceEntry();
        for (unsigned v = 0; v < vectorCount; ++v)
            for (unsigned j = 0; j < neuronCount; ++j)
                askFor(V[v][j], "Enter value for V", v + 1, " ", j);
        askForProbeNumber(probeNumber);
    }
    // Left at a prompt, or its problem shown alone: the demo ends here.
    if (leavingDemo())
        return;

    explainHamRule();
    // W[i][j] is the weight from neuron j to neuron i: the sum of the outer products, with
    // the number of stored vectors taken off the diagonal.
    const std::array<CWTSVector<neuronCount>, neuronCount> W = hopfieldWeights(V);
    explain([&] { return hamWeights(V, W); });

    HopfieldRun run;
    run.stored = V;
    run.probeNumber = probeNumber;

    // Every neuron is evaluated from the unchanged probe state X, so a second cycle would
    // recall the same Y as the first: the first cycle decides whether X is retrieved.
    const CWTSVector<neuronCount> X = V[static_cast<unsigned>(probeNumber - 1)];
    const int cycle = 1;
    forgetKeptExplanation();
    // The neurons in an order of chance, each once.
    bool visited[neuronCount] = {};
    const HopfieldRecall<neuronCount> recall = hopfieldRecall(W, X, [&visited] {
        unsigned i = 0;
        do
            i = static_cast<unsigned>(std::rand()) % neuronCount;
        while (visited[i]);
        visited[i] = true;
        return i;
    });
    const std::array<double, neuronCount>& nets = recall.nets;
    const CWTSVector<neuronCount>& Y = recall.recalled;
    quiz(cycle, [&] { return hamQuestion(probeNumber, W, X, nets, Y); });
    if (leavingDemo())
        return;
    std::cout << std::endl << "Cycle no.: " << cycle;
    iprint("   ", Y);
    explain([&] { return hamRecall(W, X, nets, Y); });
    run.recalled = Y;
    // No cycle follows to stop: the student only sees the recall before its verdict.
    pauseAfter("cycle", cycle, run);
    if (leavingDemo())
        return;

    if (Y == X)
        std::cout << std::endl << "Retreived vector no. " << probeNumber << " correctly.";
    else
        std::cout << std::endl
                  << "Vector no. " << probeNumber
                  << " cannot be retreived: it is not a stable state of the network.";
    std::cout << std::endl << "Training Terminated." << std::endl;

    writePractice(run);
    showPictures(run);
}
