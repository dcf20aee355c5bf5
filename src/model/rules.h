// Each learning rule's problem as a value, and the one function that trains it: unit by unit
// through trainUnits, telling the watcher each step's record (model/steps.h) as it is taken.
// The weights of the problem are trained in place. A watcher has, besides those of Unwatched,
// the rule's `step` (and `pattern`, where a pattern's steps are told together); Unwatched
// takes them all and does nothing.
#ifndef NNRULES_MODEL_RULES_H
#define NNRULES_MODEL_RULES_H

#include "geometry.h"
#include "matrix/cwtsmatrix.h"
#include "neurons.h"
#include "steps.h"
#include "trainingloop.h"

#include <array>
#include <cmath>

// Told nothing, of any rule.
struct Unwatching : Unwatched {
    template <class... Told>
    void pattern(const Told&...) {}
    template <class... Told>
    void step(const Told&...) {}
};

// The single discrete perceptron: one signum neuron, four patterns (input, bias input) with
// their desired responses, corrected by r = (d - o)(C / 2) at each step, pattern after
// pattern. It runs its count of steps (the guard's limit); a step's value is 1 when it
// corrected the weights, else 0. Told: step(step number, pattern index, step).
struct SdptaProblem {
    double C;
    std::array<CwMtx::CWTSVector<2>, 4> patterns;
    std::array<double, 4> desired;
    CwMtx::CWTSVector<2> weights;
};

template <class Watcher>
Progress trainSdpta(SdptaProblem& problem, const Guard& guard, Watcher& watcher) {
    return trainUnits(guard, watcher, [&](int s) {
        const unsigned k = static_cast<unsigned>(s - 1) % 4;
        const DiscreteStep<2> step =
            discreteStep(problem.weights, problem.patterns[k], problem.desired[k], problem.C);
        watcher.step(s, k, step);
        problem.weights = step.after;
        return UnitDone{0, step.correction != 0}; // a step has no value of its own
    });
}

// The multiclass discrete perceptron: three signum neurons, one a class, and pattern i of
// class i; each neuron learns +1 for its own class and -1 for the others. The cycle error sums
// 0.5 (d - o)^2 over every neuron and pattern. Told: pattern(cycle, pattern index, the three
// neurons' steps, the cycle error before them), worked out before any is taken (each changes
// its own neuron alone), then step(cycle, pattern index, neuron index, step, cycle error
// before it, after it).
struct McdptaProblem {
    double C;
    std::array<CwMtx::CWTSVector<3>, 3> patterns, weights;
};

template <class Watcher>
Progress trainMcdpta(McdptaProblem& problem, const Guard& guard, Watcher& watcher) {
    auto& W = problem.weights;
    return trainUnits(guard, watcher, [&](int cycle) {
        const auto before = W;
        double E = 0;
        for (unsigned i = 0; i < 3; ++i) {
            std::array<DiscreteStep<3>, 3> steps;
            for (unsigned k = 0; k < 3; ++k)
                steps[k] = discreteStep(W[k], problem.patterns[i], i == k ? 1 : -1, problem.C);
            watcher.pattern(cycle, i, steps, E);
            for (unsigned k = 0; k < 3; ++k) {
                W[k] = steps[k].after;
                const double eBefore = E;
                E = E + 0.5 * std::pow(steps[k].desired - steps[k].output, 2);
                watcher.step(cycle, i, k, steps[k], eBefore, E);
            }
        }
        return UnitDone{E, W != before};
    });
}

// The single continuous perceptron: one continuous bipolar neuron learning by the delta rule,
// pattern after pattern, cycle after cycle. Told: step(cycle, pattern index, step, cycle
// error before it, after it).
struct ScptaProblem {
    double nu, lambda;
    std::array<CwMtx::CWTSVector<2>, 4> patterns;
    std::array<double, 4> desired;
    CwMtx::CWTSVector<2> weights;
};

template <class Watcher>
Progress trainScpta(ScptaProblem& problem, const Guard& guard, Watcher& watcher) {
    return trainUnits(guard, watcher, [&](int cycle) {
        const CwMtx::CWTSVector<2> before = problem.weights;
        double E = 0;
        for (unsigned p = 0; p < 4; ++p) {
            const ContinuousStep<2> step = continuousStep(problem.weights, problem.patterns[p],
                                                          problem.desired[p], problem.nu, problem.lambda);
            problem.weights = step.after;
            const double eBefore = E;
            E += step.errorShare;
            watcher.step(cycle, p, step, eBefore, E);
        }
        return UnitDone{E, problem.weights != before};
    });
}

// The multiclass continuous perceptron: three continuous bipolar neurons, one a class, and
// pattern i of class i, each step taken before the next neuron's is worked out. Told:
// pattern(cycle, pattern index), then step(cycle, pattern index, neuron index, step, cycle
// error before it, after it).
struct MccptaProblem {
    double nu, lambda;
    std::array<CwMtx::CWTSVector<3>, 3> patterns, weights;
};

template <class Watcher>
Progress trainMccpta(MccptaProblem& problem, const Guard& guard, Watcher& watcher) {
    auto& W = problem.weights;
    return trainUnits(guard, watcher, [&](int cycle) {
        const auto before = W;
        double E = 0;
        for (unsigned i = 0; i < 3; ++i) {
            watcher.pattern(cycle, i);
            for (unsigned k = 0; k < 3; ++k) {
                const ContinuousStep<3> step = continuousStep(W[k], problem.patterns[i], k == i ? 1.0 : -1.0,
                                                              problem.nu, problem.lambda);
                W[k] = step.after;
                const double eBefore = E;
                E += step.errorShare;
                watcher.step(cycle, i, k, step, eBefore, E);
            }
        }
        return UnitDone{E, W != before};
    });
}

// The two-layer back-propagation network: each pattern's forward pass, error terms and both
// layers' corrections, cycle after cycle. Told: step(cycle, pattern index, step, cycle error
// before it, after it).
struct BpnProblem {
    double nu, threshold;
    std::array<CwMtx::CWTSVector<3>, 4> patterns;
    std::array<double, 4> desired;
    FirstLayer firstLayer;
    CwMtx::CWTSVector<3> secondLayer;
};

template <class Watcher>
Progress trainBpn(BpnProblem& problem, const Guard& guard, Watcher& watcher) {
    FirstLayer& V = problem.firstLayer;
    CwMtx::CWTSVector<3>& W = problem.secondLayer;
    return trainUnits(guard, watcher, [&](int cycle) {
        const FirstLayer VBefore = V;
        const CwMtx::CWTSVector<3> WBefore = W;
        double e = 0;
        for (unsigned p = 0; p < 4; ++p) {
            const NetworkStep step =
                networkStep(problem.patterns[p], problem.desired[p], V, W, problem.threshold, problem.nu);
            const double eBefore = e;
            e += step.errorShare;
            W = step.secondLayerAfter;
            V = step.firstLayerAfter;
            watcher.step(cycle, p, step, eBefore, e);
        }
        return UnitDone{e, W != WBefore || V != VBefore};
    });
}

// Kohonen's competitive learning: two neurons compete for five patterns, and only the nearest
// learns, its rate halved at the start of every cycle. A cycle's value is how far the weights
// moved in it; the first cycle's is measured from `comparedFirst`. Told: step(cycle, pattern
// index, step).
struct KclProblem {
    double alpha; // halved before cycle 1 too
    std::array<CwMtx::CWTSVector<2>, 5> patterns;
    std::array<CwMtx::CWTSVector<2>, 2> weights, comparedFirst;
};

template <class Watcher>
Progress trainKcl(KclProblem& problem, const Guard& guard, Watcher& watcher) {
    auto& w = problem.weights;
    auto previousCycle = problem.comparedFirst;
    return trainUnits(guard, watcher, [&](int cycle) {
        problem.alpha = problem.alpha * 0.5;
        for (unsigned p = 0; p < 5; ++p) {
            const KohonenStep step = kohonenStep(problem.patterns[p], w, problem.alpha);
            w = step.after;
            watcher.step(cycle, p, step);
        }
        const double movement =
            euclideanDistance(w[0], previousCycle[0]) + euclideanDistance(w[1], previousCycle[1]);
        const bool moved = w != previousCycle;
        previousCycle = w;
        return UnitDone{movement, moved};
    });
}

#endif
