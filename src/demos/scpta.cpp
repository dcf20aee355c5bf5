// Single continuous perceptron: one bipolar neuron learns four augmented patterns by
// the delta rule, one weight update per pattern, until a cycle's error is small enough.
#include "demos.h"

#include "dialog.h"
#include "exercises/exercises.h"
#include "explain/explain.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"
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

using namespace CwMtx;

namespace {

constexpr unsigned patternCount = 4;

// The trace of the training, cycle by cycle, and the views that watch it with it.
struct Trace {
    Training& training;
    SingleNeuronRun& run;
    const ScptaProblem& problem;

    void unitBegins(int cycle) {
        training.unitBegins(cycle);
        std::cout << std::endl << "****** Learning Cycle No.: " << cycle << " ******" << std::endl;
    }

    void step(int cycle, unsigned p, const ContinuousStep<2>& step, double eBefore, double E) {
        if (leavingDemo())
            return;
        if (p == 0)
            quiz(cycle, [&] { return scptaQuestion(step, cycle); });
        if (leavingDemo())
            return;
        std::cout << std::endl << "e = " << E;
        std::cout << std::endl << "w = " << std::endl << step.after;
        explain([&] { return scptaStep(step, p + 1, eBefore); });
    }

    bool unitEnds(const Progress& progress) {
        run.curve.note(progress.lastValue);
        run.weights = problem.weights;
        return training.unitEnds(progress, run);
    }

    void trainingEnds(const Progress& progress) { training.trainingEnds(progress); }
};

} // namespace

void SCPTA() {
    const double errorLimit = 0.01;

    double threshold = 1;
    double nu = 0.1;
    double lambda = 1;

    std::cout << std::endl << "************  Single Continuous Perceptron Training Algorithm  ************";
    std::cout << std::endl
              << "************                 Lecture 6, Pg 24                  ************" << std::endl;

    // Element 1 of every pattern is its bias input, the threshold value.
    std::array<CWTSVector<2>, patternCount> Y = {
        {{1, threshold}, {-0.5, threshold}, {3, threshold}, {-2, threshold}}};
    std::array<double, patternCount> d = {1, -1, 1, -1};
    CWTSVector<2> W{-2.5, 1.75};
    // An exercise's values stand where the defaults do.
    if (settings().exercise)
        drawScpta(settings().seed, nu, Y, d, W);

    showDefault(patternCount, "No. of Input Patterns P");
    showDefault(threshold, "Threshold");
    showDefault(nu, "nu");
    showDefault(lambda, "lambda");
    for (unsigned p = 0; p < patternCount; ++p) {
        std::cout << std::endl << "Input Vector Y" << p + 1;
        iprint(": ", Y[p]);
        std::cout << "  d" << p + 1 << ": " << d[p];
    }
    std::cout << std::endl << "Weight Vector W: ";
    iprint(W);

    if (!keepDefaults()) {
        announceEntry();
        std::cout << std::endl;
        askFor(threshold, "Threshold");
        // A new threshold is the bias input of every pattern from now on.
        for (unsigned p = 0; p < patternCount; ++p)
            Y[p][1] = threshold;
        askFor(nu, "nu");
        askFor(lambda, "lambda");
        for (unsigned p = 0; p < patternCount; ++p) {
            askFor(Y[p][0], "Enter value for Y", p + 1, " 0");
            askFor(d[p], "Enter value for d", p + 1);
        }
        askFor(W[0], "Enter value for w0");
        askFor(W[1], "Enter value for w1");
    }
    // Left at a prompt, or its problem shown alone: the demo ends here.
    if (leavingDemo())
        return;

    SingleNeuronRun run{{"scpta", "cycle error", "cycle", errorLimit}, false};
    run.startWeights = W;
    run.lambda = lambda;
    run.patterns = Y;
    run.desired = d;
    explainScptaRule(nu, lambda, errorLimit);
    ScptaProblem problem{nu, lambda, Y, d, W};
    Training training{"cycle", "cycle error", errorLimit};
    Trace trace{training, run, problem};
    trainScpta(problem, training.guard, trace);
    W = problem.weights;

    if (leavingDemo())
        return;
    std::cout << std::endl;
    training.writeEnd("Training terminated.");
    std::cout << std::endl << "e = " << training.progress.lastValue;
    std::cout << std::endl << "Total Learning Cycles = " << training.progress.units;
    iprint("\nw = ", W, "\n");

    std::cout << std::endl << std::endl << "**************     TESTING     ****************";
    for (unsigned p = 0; p < patternCount; ++p) {
        const double o = continuousOutput(W, Y[p], lambda);
        std::cout << std::endl << "Input Vector: ";
        iprint(Y[p]);
        std::cout << std::endl << "output = " << o;
        std::cout << std::endl << "o = " << std::rint(o) << "  d = " << d[p] << std::endl;
    }
    std::cout << std::endl;

    writePractice(run);
    showPictures(run);
}
