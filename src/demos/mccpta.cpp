// Multiclass continuous perceptron: three bipolar neurons, one per class, learn by the
// delta rule to answer +1 to their own class's pattern and -1 to the others, one weight
// update per pattern and neuron, until a cycle's error is small enough.
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

constexpr unsigned patternCount = 3; // pattern i belongs to class i
constexpr unsigned classCount = 3;   // one neuron each

// The trace of the training, cycle by cycle, and the views that watch it with it.
struct Trace {
    Training& training;
    MulticlassRun& run;
    const MccptaProblem& problem;

    void unitBegins(int cycle) {
        training.unitBegins(cycle);
        std::cout << std::endl << "Learning Cycle No.: " << cycle;
    }

    void pattern(int, unsigned i) {
        if (!leavingDemo())
            std::cout << std::endl << "\t## Class " << i + 1 << " ##";
    }

    void step(int cycle, unsigned i, unsigned k, const ContinuousStep<3>& step, double eBefore, double E) {
        if (leavingDemo())
            return;
        if (i == 0 && k == 0)
            quiz(cycle, [&] { return mccptaQuestion(step, cycle); });
        if (leavingDemo())
            return;
        std::cout << std::endl << "\to" << k + 1 << ": " << step.output;
        std::cout << "   d = " << step.desired;
        std::cout << "   e = " << E;
        std::cout << std::endl << step.after;
        explain([&] { return mccptaStep(step, i + 1, k + 1, eBefore); });
    }

    bool unitEnds(const Progress& progress) {
        run.curve.note(progress.lastValue);
        run.weights = problem.weights;
        return training.unitEnds(progress, run);
    }

    void trainingEnds(const Progress& progress) { training.trainingEnds(progress); }
};

} // namespace

void MCCPTA() {
    const double errorLimit = 0.01;

    double threshold = -1;
    double nu = 0.1;
    double lambda = 1;

    std::cout << std::endl
              << "************  Multiclass Continuous Perceptron Training Algorithm  ************";
    std::cout << std::endl
              << "************                   Lecture 7, Pg 10                    ************"
              << std::endl;

    // Element 2 of every pattern is its bias input, the threshold value to begin with.
    std::array<CWTSVector<3>, patternCount> Y = {
        {{10, 2, threshold}, {2, -5, threshold}, {-5, 5, threshold}}};
    std::array<CWTSVector<3>, classCount> W = {{{0.4, -0.2, 0.1}, {0.5, -0.1, 0.2}, {0.1, 0.3, -0.1}}};
    // An exercise's values stand where the defaults do.
    if (settings().exercise)
        drawMccpta(settings().seed, nu, Y, W);

    showDefault(patternCount, "No. of Input Patterns P");
    showDefault(classCount, "No. of Classes R");
    showDefault(threshold, "Threshold");
    showDefault(nu, "nu");
    showDefault(lambda, "lambda");
    for (unsigned i = 0; i < patternCount; ++i) {
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
        for (unsigned i = 0; i < patternCount; ++i)
            Y[i][2] = threshold;
        askFor(nu, "nu");
        askFor(lambda, "lambda");
        for (unsigned i = 0; i < patternCount; ++i)
            for (unsigned e = 0; e < 3; ++e) {
                askFor(Y[i][e], "Enter value for Y", i + 1, " ", e);
                askFor(W[i][e], "Enter value for w", i + 1, " ", e);
            }
    }
    // Left at a prompt, or its problem shown alone: the demo ends here.
    if (leavingDemo())
        return;

    MulticlassRun run{{"mccpta", "cycle error", "cycle", errorLimit}, false};
    run.patterns = Y;
    run.startWeights = W;
    run.lambda = lambda;
    explainMccptaRule(nu, lambda, errorLimit);
    MccptaProblem problem{nu, lambda, Y, W};
    Training training{"cycle", "cycle error", errorLimit};
    Trace trace{training, run, problem};
    trainMccpta(problem, training.guard, trace);
    W = problem.weights;

    if (leavingDemo())
        return;
    std::cout << std::endl;
    training.writeEnd("Training terminated: further weight adjustment unrequired.");
    std::cout << std::endl;
    writeWeightVectors(W);

    // Each neuron is tested on its own class's pattern, to which it should answer +1.
    for (unsigned k = 0; k < classCount; ++k) {
        const double o = continuousOutput(W[k], Y[k], lambda);
        const double d = 1;
        std::cout << std::endl << "Input pattern Y" << k + 1;
        iprint(" ", Y[k]);
        std::cout << std::endl << "o" << k + 1 << ": " << o;
        std::cout << std::endl << "Output = " << std::rint(o) << "  d = " << d << std::endl;
    }

    writePractice(run);
    showPictures(run);
}
