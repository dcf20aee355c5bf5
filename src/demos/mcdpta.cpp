// Multiclass discrete perceptron: a layer of three signum neurons, one per class,
// learns three augmented two-dimensional patterns until a whole cycle is error-free.
#include "demos.h"

#include "dialog.h"
#include "exercises/exercises.h"
#include "explain/explain.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"
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

// Training ends only once a cycle has no wrong response.
constexpr double errorLimit = 0;

// The trace of the training, cycle by cycle, and the views that watch it with it.
struct Trace {
    Training& training;
    MulticlassRun& run;
    const McdptaProblem& problem;

    void unitBegins(int cycle) {
        training.unitBegins(cycle);
        std::cout << std::endl << "Learning Cycle No.: " << cycle;
    }

    void pattern(int cycle, unsigned i, const std::array<DiscreteStep<3>, classCount>& steps, double E) {
        if (leavingDemo())
            return;
        if (i == 0)
            quiz(cycle, [&] { return mcdptaQuestion(steps, cycle, E); });
        if (leavingDemo())
            return;
        std::cout << std::endl << "\t## Class " << i + 1 << " ##";
    }

    // The correction takes effect at once: the next neuron and class see it.
    void step(int, unsigned i, unsigned k, const DiscreteStep<3>& step, double eBefore, double E) {
        if (leavingDemo())
            return;
        std::cout << std::endl << "\to" << k + 1 << ": " << step.output;
        std::cout << "   d = " << step.desired;
        std::cout << "   e = " << E;
        std::cout << std::endl << step.after;
        explain([&] { return mcdptaStep(step, i + 1, k + 1, eBefore); });
    }

    bool unitEnds(const Progress& progress) {
        run.curve.note(progress.lastValue);
        run.weights = problem.weights;
        return training.unitEnds(progress, run);
    }

    void trainingEnds(const Progress& progress) { training.trainingEnds(progress); }
};

} // namespace

void MCDPTA() {
    double threshold = -1;
    double C = 1;
    // Element 2 of every pattern is its bias input, the threshold value.
    std::array<CWTSVector<3>, patternCount> Y = {
        {{10, 2, threshold}, {2, -5, threshold}, {-5, 5, threshold}}};
    std::array<CWTSVector<3>, classCount> W = {{{1, -2, 0}, {0, -1, 2}, {1, 3, -1}}};
    // An exercise's values stand where the defaults do.
    if (settings().exercise)
        drawMcdpta(settings().seed, Y, W);

    std::cout << std::endl << "************ Multiclass Discrete Perceptron Training Algorithm ************";
    std::cout << std::endl
              << "************                 Lecture 6, Pg 14                  ************" << std::endl;

    showDefault(patternCount, "No. of Input Patterns P");
    showDefault(classCount, "No. of Classes R");
    showDefault(threshold, "Threshold");
    showDefault(C, "Learning Constant C");
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
        // The threshold typed in is the bias input of every pattern; the prompts for
        // element 2 below show it and can still change it pattern by pattern.
        for (unsigned i = 0; i < patternCount; ++i)
            Y[i][2] = threshold;
        std::cout << std::endl;
        askFor(C, "Learning Constant C");
        for (unsigned i = 0; i < patternCount; ++i)
            for (unsigned e = 0; e < 3; ++e) {
                askFor(Y[i][e], "Enter value for Y", i + 1, " ", e);
                askFor(W[i][e], "Enter value for w", i + 1, " ", e);
            }
    }
    // Left at a prompt, or its problem shown alone: the demo ends here.
    if (leavingDemo())
        return;

    MulticlassRun run{{"mcdpta", "cycle error", "cycle", errorLimit}, true};
    run.patterns = Y;
    run.startWeights = W;
    explainMcdptaRule(C);
    McdptaProblem problem{C, Y, W};
    Training training{"cycle", "cycle error", errorLimit};
    Trace trace{training, run, problem};
    trainMcdpta(problem, training.guard, trace);
    W = problem.weights;

    if (leavingDemo())
        return;
    std::cout << std::endl;
    training.writeEnd("Training terminated: further weight adjustment unrequired.");
    std::cout << std::endl;
    writeWeightVectors(W);
    std::cout << std::endl;

    writePractice(run);
    showPictures(run);
}
