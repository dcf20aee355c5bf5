// Multiclass discrete perceptron: a layer of three signum neurons, one per class,
// learns three augmented two-dimensional patterns until a whole cycle is error-free.
#include "demos.h"

#include "dialog.h"
#include "exercises/exercises.h"
#include "explain/explain.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"
#include "model/steps.h"
#include "pictures/pictures.h"
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

    MulticlassRun run{{"mcdpta", "cycle error", "cycle", errorLimit}, true};
    run.patterns = Y;
    explainMcdptaRule(C);
    Training training{"cycle", "cycle error", errorLimit};
    while (training.goesOn()) {
        const auto weightsBefore = W;
        double E = 0;
        const int cycle = training.start();
        std::cout << std::endl << "Learning Cycle No.: " << cycle;
        for (unsigned i = 0; i < patternCount; ++i) {
            // Each neuron's step for the class changes its own weights alone, so all three
            // can be worked out before any is shown.
            std::array<DiscreteStep<3>, classCount> steps;
            for (unsigned k = 0; k < classCount; ++k)
                steps[k] = discreteStep(W[k], Y[i], i == k ? 1 : -1, C);
            if (i == 0)
                quiz(cycle, [&] { return mcdptaQuestion(steps, cycle, E); });
            std::cout << std::endl << "\t## Class " << i + 1 << " ##";
            for (unsigned k = 0; k < classCount; ++k) {
                const DiscreteStep<3>& step = steps[k];
                const double d = step.desired;
                const double o = step.output;
                std::cout << std::endl << "\to" << k + 1 << ": " << o;
                std::cout << "   d = " << d;
                // The correction takes effect at once: the next neuron and class see it.
                W[k] = step.after;
                const double eBefore = E;
                E = E + 0.5 * std::pow(d - o, 2);
                std::cout << "   e = " << E;
                std::cout << std::endl << W[k];
                explain([&] { return mcdptaStep(step, i + 1, k + 1, eBefore); });
            }
        }
        run.curve.note(E);
        run.weights = W;
        training.finish(E, W != weightsBefore, run);
    }

    std::cout << std::endl;
    training.writeEnd("Training terminated: further weight adjustment unrequired.");
    std::cout << std::endl;
    writeWeightVectors(W);
    std::cout << std::endl;

    showPictures(run);
}
