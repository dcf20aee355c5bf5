// Kohonen competitive learning: two neurons compete for five patterns, and only the
// nearest one learns, moving towards the pattern and back to unit length.
#include "demos.h"

#include "dialog.h"
#include "exercises/exercises.h"
#include "explain/explain.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"
#include "model/geometry.h"
#include "model/rules.h"
#include "model/steps.h"
#include "pictures/pictures.h"
#include "quiz/practice.h"
#include "quiz/quiz.h"
#include "settings.h"
#include "training.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>

using CwMtx::CWTSVector;

namespace {

constexpr unsigned patternCount = 5;
constexpr unsigned neuronCount = 2;

using WeightVectors = std::array<CWTSVector<2>, neuronCount>;

// Training ends by itself at the first cycle that leaves every weight vector exactly
// unchanged. Once the halved rate has underflowed to 0, only the rescaling can still move
// a vector, and for some vectors it flips between two neighbouring values for ever; a
// vector that is not a number never equals itself either. So no run goes beyond this
// many cycles.
constexpr int maxKohonenCycles = 2000;

// Marks "no winner yet": no neuron has the number 0.
constexpr unsigned noNeuron = 0;

// A vector with an element that is not a number is not equal to itself.
bool anyNotANumber(const WeightVectors& w) {
    return std::any_of(w.begin(), w.end(), [](const CWTSVector<2>& v) { return v != v; });
}

// The trace of the training, cycle by cycle, and the views that watch it with it.
struct Trace {
    Training& training;
    KohonenRun& run;
    const KclProblem& problem;

    void unitBegins(int cycle) { training.unitBegins(cycle); }

    void step(int cycle, unsigned p, const KohonenStep& step) {
        if (leavingDemo())
            return;
        if (p == 0)
            quiz(cycle, [&] { return kclQuestion(step, cycle); });
        if (leavingDemo())
            return;
        std::cout << std::endl << "Input Vector X" << p + 1 << ": ";
        iprint(step.input);
        for (unsigned j = 0; j < neuronCount; ++j) {
            std::cout << std::endl << "d" << j + 1 << " = " << step.distances[j];
            if (step.tookMinimum[j])
                std::cout << std::endl << "minD = " << step.distances[j] << "  minDneuron = " << j + 1;
        }
        if (step.winner == noNeuron)
            // d1 is not a number, and nothing compares as less than or equal to it.
            std::cout << std::endl << "There is no winning neuron: the distance d1 is not a number.";
        else
            std::cout << std::endl
                      << "The winning neuron is " << step.winner << " with a value of: " << step.minimum;
        std::cout << std::endl << "The weight vector is: " << std::endl;
        writeWeightVectors(step.after);
        explain([&] { return kclStep(step); });
    }

    bool unitEnds(const Progress& progress) {
        run.curve.note(progress.lastValue);
        run.weights = problem.weights;
        run.path.push_back(problem.weights);
        return training.unitEnds(progress, run);
    }

    void trainingEnds(const Progress& progress) { training.trainingEnds(progress); }
};

} // namespace

void KCL() {
    std::array<CWTSVector<2>, patternCount> X = {
        {{0.8, 0.6}, {0.1736, -0.9848}, {0.707, 0.707}, {0.342, -0.9397}, {0.6, 0.8}}};
    WeightVectors w = {{{1, 0}, {-1, 0}}};
    // Halved at the start of every cycle, so it is shown as the rate of cycle 1.
    double alpha = 1;
    // An exercise's values stand where the defaults do.
    if (settings().exercise)
        drawKcl(settings().seed, X, w, alpha);
    // Taken before the dialog: weight vectors typed in are compared with the defaults
    // at the end of cycle 1.
    WeightVectors previousCycle = w;

    std::cout << std::endl
              << "************              Kohonen Competitive Learning             ************";
    std::cout << std::endl
              << "************                   Lecture 11, Pg 18                   ************"
              << std::endl;

    showDefault(patternCount, "No. of Input Patterns P");
    showDefault(neuronCount, "No. of Neurons");
    showDefault(alpha * 0.5, "alpha");
    for (unsigned p = 0; p < patternCount; ++p) {
        std::cout << std::endl << "Input Vector X" << p + 1;
        iprint(": ", X[p]);
    }
    std::cout << std::endl << "The initial weight vector is: " << std::endl;
    writeWeightVectors(w);

    if (!keepDefaults()) {
        announceEntry();
        std::cout << std::endl;
        // Shows the rate of cycle 1 but stores what is typed as it stands.
        askForShowing(alpha, alpha * 0.5, "alpha");
        for (unsigned p = 0; p < patternCount; ++p)
            for (unsigned e = 0; e < 2; ++e)
                askFor(X[p][e], "Enter value for X", p + 1, " ", e);
        for (unsigned j = 0; j < neuronCount; ++j)
            for (unsigned e = 0; e < 2; ++e)
                askFor(w[j][e], "Enter value for w", j + 1, " ", e);
    }
    // Left at a prompt, or its problem shown alone: the demo ends here.
    if (leavingDemo())
        return;

    KohonenRun run{{"kcl", "distance the weights moved per cycle", "cycle", std::nan("")}};
    run.startWeights = w;
    run.patterns = X;
    explainKclRule(alpha);
    KclProblem problem{alpha, X, w, previousCycle};
    Training training{"cycle", "weight movement"};
    training.guard.unitLimit = maxKohonenCycles;
    Trace trace{training, run, problem};
    trainKcl(problem, training.guard, trace);
    w = problem.weights;

    if (leavingDemo())
        return;
    std::cout << std::endl;
    training.writeEnd("Training terminated.", anyNotANumber(w) ? "a weight vector is not a number."
                                                               : "the weight vectors still change.");
    std::cout << std::endl << "The final weight vector is: " << std::endl;
    writeWeightVectors(w);
    std::cout << "Total no. of cycles: " << training.progress.units << std::endl;

    writePractice(run);
    showPictures(run);
}
