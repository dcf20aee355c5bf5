// Single discrete perceptron: one signum neuron with two weights learns to tell four
// augmented one-dimensional patterns apart by fixed-increment error correction.
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

constexpr unsigned patternCount = 4;

// The trace of the training, step by step, and the views that watch it with it.
struct Trace {
    Training& training;
    SingleNeuronRun& run;
    const SdptaProblem& problem;
    const int stepsToRun;
    int corrections = 0; // in the pass over the patterns under way

    void unitBegins(int s) { training.unitBegins(s); }

    void step(int s, unsigned k, const DiscreteStep<2>& step) {
        if (leavingDemo())
            return;
        quiz(s, [&] { return sdptaQuestion(step, s, k + 1); });
        if (leavingDemo())
            return;
        std::cout << std::endl << "****** Step " << s << " ******" << std::endl;
        if (k == static_cast<unsigned>(s - 1))
            std::cout << "y" << s << ":";
        else
            std::cout << "y" << s << " = "
                      << "y" << k + 1 << "= ";
        iprint(step.input);
        std::cout << std::endl << "d" << k + 1 << ": " << step.desired;
        std::cout << "  w" << s << ": ";
        iprint(step.weights);
        std::cout << std::endl;
        explain([&] { return sdptaStep(step, s, k + 1); });
        corrections += step.correction != 0;
        if (k == patternCount - 1 || s == stepsToRun) {
            run.curve.note(corrections);
            corrections = 0;
        }
    }

    bool unitEnds(const Progress& progress) {
        run.weights = problem.weights;
        return training.unitEnds(progress, run);
    }

    void trainingEnds(const Progress& progress) { training.trainingEnds(progress); }
};

} // namespace

void SDPTA() {
    int steps = 10;
    double threshold = 1;
    double C = 1;
    // Element 1 of every pattern is its bias input, the threshold value.
    std::array<CWTSVector<2>, patternCount> Y = {
        {{1, threshold}, {-0.5, threshold}, {3, threshold}, {-2, threshold}}};
    std::array<double, patternCount> d = {1, -1, 1, -1};
    CWTSVector<2> W{-2.5, 1.75};
    // An exercise's values stand where the defaults do.
    if (settings().exercise)
        drawSdpta(settings().seed, steps, C, Y, d, W);

    std::cout << std::endl << "************ Single Discrete Perceptron Training Algorithm ************";
    std::cout << std::endl
              << "************              Lecture 5, Pg 27                 ************" << std::endl;

    showDefault(patternCount, "No. of Input Patterns P");
    showDefault(steps, "No. of Training Steps");
    showDefault(threshold, "Threshold");
    showDefault(C, "Learning Constant C");
    for (unsigned k = 0; k < patternCount; ++k) {
        std::cout << std::endl << "Input Vector Y" << k + 1;
        iprint(": ", Y[k]);
        std::cout << "  d" << k + 1 << ": " << d[k];
    }
    std::cout << std::endl << "Weight Vector W: ";
    iprint(W);

    if (!keepDefaults()) {
        announceEntry();
        std::cout << std::endl;
        askFor(steps, "No. of Training Steps");
        std::cout << std::endl;
        askFor(threshold, "Threshold");
        // The threshold typed in is the bias input of every pattern from now on.
        for (unsigned k = 0; k < patternCount; ++k)
            Y[k][1] = threshold;
        std::cout << std::endl;
        askFor(C, "Learning Constant C");
        for (unsigned k = 0; k < patternCount; ++k) {
            askFor(Y[k][0], "Enter value for Y", k + 1, " 0");
            askFor(d[k], "Enter value for d", k + 1);
        }
        std::cout << std::endl;
        askFor(W[0], "Enter value for w0");
        std::cout << std::endl;
        askFor(W[1], "Enter value for w1");
    }
    // Left at a prompt, or its problem shown alone: the demo ends here.
    if (leavingDemo())
        return;

    // A step count typed in may be as large as an int allows.
    int stepsToRun = steps;
    if (steps > settings().cycleLimit) {
        stepsToRun = settings().cycleLimit;
        std::cout << std::endl
                  << "Training is limited to " << settings().cycleLimit << " steps; running " << stepsToRun
                  << " of the " << steps << " asked for.";
    }

    SingleNeuronRun run{{"sdpta", "corrections per pass over the patterns", "pass", std::nan("")}, true};
    run.startWeights = W;
    run.patterns = Y;
    run.desired = d;
    explainSdptaRule(C, stepsToRun);
    SdptaProblem problem{C, Y, d, W};
    Training training{"step", nullptr};
    training.guard.unitLimit = stepsToRun;
    Trace trace{training, run, problem, stepsToRun};
    trainSdpta(problem, training.guard, trace);
    W = problem.weights;

    if (leavingDemo())
        return;
    std::cout << std::endl;
    training.writeEnd("Training terminated.");
    std::cout << std::endl;
    iprint("Final weight values, w = ", W, "\n");

    writePractice(run);
    showPictures(run);
}
