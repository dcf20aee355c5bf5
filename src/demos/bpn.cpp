// Two-layer back-propagation network: two hidden unipolar neurons and a bias unit feed
// one output neuron, which learns the exclusive-or of two inputs, pattern by pattern.
#include "demos.h"

#include "dialog.h"
#include "exercises/exercises.h"
#include "explain/explain.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"
#include "model/activation.h"
#include "model/neurons.h"
#include "model/rules.h"
#include "model/steps.h"
#include "pictures/pictures.h"
#include "quiz/practice.h"
#include "quiz/quiz.h"
#include "settings.h"
#include "training.h"

#include <array>
#include <cmath>
#include <iostream>

using CwMtx::CWTSVector;

namespace {

constexpr unsigned patternCount = 4;
constexpr unsigned hiddenCount = 3; // two hidden neurons and the bias unit
constexpr double errorLimit = 0.01;

// The trace of the training, cycle by cycle, and the views that watch it with it.
struct Trace {
    Training& training;
    NetworkRun& run;
    const BpnProblem& problem;

    void unitBegins(int cycle) {
        training.unitBegins(cycle);
        std::cout << std::endl << std::endl << "*** LEARNING CYCLE NO. " << cycle << " ***" << std::endl;
    }

    void step(int cycle, unsigned p, const NetworkStep& step, double eBefore, double e) {
        if (leavingDemo())
            return;
        if (p == 0)
            quiz(cycle, [&] { return bpnQuestion(step, cycle); });
        if (leavingDemo())
            return;
        std::cout << std::endl << "Working with pattern X[" << p + 1 << "]: ";
        iprint(step.input, "\n");
        std::cout << "y; ";
        iprint(step.hidden, "\n");
        std::cout << "  w: ";
        iprint(step.secondLayer, "\n");
        std::cout << " o = " << step.output << "  d[" << p + 1 << "] = " << step.desired;
        std::cout << "  e = " << e;
        std::cout << "  delO = " << step.outputError << std::endl;
        std::cout << "  w = ";
        iprint(step.secondLayerAfter, "\n");
        for (unsigned k = 0; k < hiddenCount; ++k) {
            std::cout << "v[" << k + 1 << "]: ";
            iprint(step.firstLayerAfter[k], "  ");
        }
        explain([&] { return bpnStep(step, p + 1, eBefore); });
    }

    bool unitEnds(const Progress& progress) {
        run.curve.note(progress.lastValue);
        run.firstLayer = problem.firstLayer;
        run.secondLayer = problem.secondLayer;
        return training.unitEnds(progress, run);
    }

    void trainingEnds(const Progress& progress) { training.trainingEnds(progress); }
};

} // namespace

void BPN() {
    double threshold = -1;
    double nu = 0.1;
    double lambda = 1; // shown and asked for, but the unipolar neurons have no steepness
    const std::array<double, patternCount> d = {0, 1, 1, 0};

    // Element 2 of every pattern is its bias input, the threshold value to begin with.
    std::array<CWTSVector<3>, patternCount> X = {
        {{0, 0, threshold}, {0, 1, threshold}, {1, 0, threshold}, {1, 1, threshold}}};
    FirstLayer V = {{{0.5, 0.4, 0.8}, {0.9, 1, -0.1}, {0, 0, 0}}};
    CWTSVector<3> W{-1.2, 1.1, 0.3};
    // An exercise's values stand where the defaults do.
    if (settings().exercise)
        drawBpn(settings().seed, nu, X, d, threshold, V, W);

    std::cout << std::endl
              << "************           2-Layer Back Propagation Network            ************";
    std::cout << std::endl
              << "************                   Lecture 7, Pg 24                    ************"
              << std::endl;

    showDefault(patternCount, "No. of Input Patterns P");
    showDefault(threshold, "Threshold");
    showDefault(nu, "nu");
    showDefault(lambda, "lambda");
    for (unsigned p = 0; p < patternCount; ++p) {
        std::cout << std::endl << "Input Vector X" << p + 1;
        iprint(": ", X[p]);
    }
    for (unsigned k = 0; k < hiddenCount; ++k) {
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
        for (unsigned p = 0; p < patternCount; ++p)
            for (unsigned i = 0; i < 3; ++i)
                askFor(X[p][i], "Enter value for X", p + 1, " ", i);
        for (unsigned k = 0; k < hiddenCount; ++k)
            for (unsigned i = 0; i < 3; ++i)
                askFor(V[k][i], "Enter value for V", k + 1, " ", i);
        for (unsigned i = 0; i < 3; ++i)
            askFor(W[i], "Enter value for W", i + 1);
    }
    // Left at a prompt, or its problem shown alone: the demo ends here.
    if (leavingDemo())
        return;

    NetworkRun run{{"bpn", "cycle error", "cycle", errorLimit}};
    run.patterns = X;
    run.startFirstLayer = V;
    run.startSecondLayer = W;
    run.desired = d;
    run.threshold = threshold;
    explainBpnRule(nu, lambda, threshold, errorLimit, X, d);
    BpnProblem problem{nu, threshold, X, d, V, W};
    Training training{"cycle", "cycle error", errorLimit};
    Trace trace{training, run, problem};
    trainBpn(problem, training.guard, trace);
    V = problem.firstLayer;
    W = problem.secondLayer;

    if (leavingDemo())
        return;
    std::cout << std::endl << std::endl;
    training.writeEnd("Training terminated: further weight adjustment unrequired.");
    std::cout << std::endl;
    std::cout << "Total cycles: " << training.progress.units << "  e: " << training.progress.lastValue
              << std::endl;
    for (unsigned k = 0; k < hiddenCount; ++k) {
        std::cout << "v[" << k + 1 << "]: ";
        iprint(V[k], "\n");
    }
    std::cout << "w: ";
    iprint(W);
    std::cout << std::endl;

    std::cout << std::endl << "***********************       TESTING      ***************************";
    std::cout << std::endl << "   X1\t|\tX2\t|\t    O   \t|    Final O";
    std::cout << std::endl << "----------------------------------------------------------------------";
    for (unsigned p = 0; p < patternCount; ++p) {
        const double o = networkOutput(X[p], V, W, threshold);
        std::cout << std::endl
                  << "   " << X[p][0] << "\t|\t" << X[p][1] << "\t|\t" << o << "\t|\t" << std::rint(o);
    }
    std::cout << std::endl
              << "----------------------------------------------------------------------" << std::endl;

    writePractice(run);
    showPictures(run);
}
