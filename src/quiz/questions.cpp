// Each demo's question about a unit: what it is computed from, as the trace showed it or as
// the rule takes it, and the numbers it wants.
#include "explain/text.h"
#include "quiz.h"

#include "console/numbers.h"

#include <array>
#include <cstdlib>

using CwMtx::CWTSMatrix;
using CwMtx::CWTSVector;

namespace {

// The vector's elements, then the number, as an answer's numbers.
template <unsigned N>
std::vector<double> elements(const CWTSVector<N>& v) {
    std::vector<double> numbers;
    for (unsigned i = 0; i < N; ++i)
        numbers.push_back(v[i]);
    return numbers;
}

template <unsigned N>
std::vector<double> numberThenElements(double first, const CWTSVector<N>& v) {
    std::vector<double> numbers = {first};
    const std::vector<double> rest = elements(v);
    numbers.insert(numbers.end(), rest.begin(), rest.end());
    return numbers;
}

// The number as the question shows it, to six significant digits: what the student works from.
double asShown(double value) {
    return std::strtod(written(value).c_str(), nullptr);
}

template <unsigned N>
CWTSVector<N> asShown(const CWTSVector<N>& v) {
    CWTSVector<N> shown;
    for (unsigned i = 0; i < N; ++i)
        shown[i] = asShown(v[i]);
    return shown;
}

template <unsigned N, std::size_t M>
std::array<CWTSVector<N>, M> asShown(const std::array<CWTSVector<N>, M>& vectors) {
    std::array<CWTSVector<N>, M> shown = vectors;
    for (CWTSVector<N>& v : shown)
        v = asShown(v);
    return shown;
}

// The step again, from the numbers as the question shows them: its key, so that the student's
// work from those numbers lands on it, and not on the unrounded numbers' result.
template <unsigned N>
DiscreteStep<N> shownStep(const DiscreteStep<N>& step) {
    return discreteStep(asShown(step.weights), asShown(step.input), asShown(step.desired),
                        asShown(step.learningConstant));
}

template <unsigned N>
ContinuousStep<N> shownStep(const ContinuousStep<N>& step) {
    return continuousStep(asShown(step.weights), asShown(step.input), asShown(step.desired), asShown(step.nu),
                          asShown(step.lambda));
}

NetworkStep shownStep(const NetworkStep& step) {
    return networkStep(asShown(step.input), asShown(step.desired), asShown(step.firstLayer),
                       asShown(step.secondLayer), asShown(step.threshold), asShown(step.nu));
}

KohonenStep shownStep(const KohonenStep& step) {
    return kohonenStep(asShown(step.input), asShown(step.weights), asShown(step.rate));
}

// The lines of several explanations, one after another.
Lines joined(std::initializer_list<Lines> parts) {
    Lines lines;
    for (const Lines& part : parts)
        lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

} // namespace

Question sdptaQuestion(const DiscreteStep<2>& step, int stepNumber, unsigned pattern) {
    return {
        "Step " + whole(stepNumber) + ": y = " + vectorText(step.input) + ", d = " + number(step.desired) +
            ", w = " + vectorText(step.weights) + ", c = " + number(step.learningConstant) + ".",
        "The weights after this step", elements(shownStep(step).after), sdptaStep(step, stepNumber, pattern)};
}

Question mcdptaQuestion(const std::array<DiscreteStep<3>, 3>& steps, int cycle, double eBefore) {
    std::string given = "Cycle " + whole(cycle) + ", class 1: y = " + vectorText(steps.front().input);
    std::vector<double> answer;
    Lines worked;
    double e = eBefore;
    for (unsigned k = 0; k < 3; ++k) {
        given += ", w" + whole(static_cast<int>(k) + 1) + " = " + vectorText(steps[k].weights);
        answer.push_back(shownStep(steps[k]).output);
        const Lines neuron = mcdptaStep(steps[k], 1, k + 1, e);
        worked.insert(worked.end(), neuron.begin(), neuron.end());
        e = e + 0.5 * std::pow(steps[k].desired - steps[k].output, 2);
    }
    for (const DiscreteStep<3>& step : steps) {
        const std::vector<double> after = elements(shownStep(step).after);
        answer.insert(answer.end(), after.begin(), after.end());
    }
    return {given + ", c = " + number(steps.front().learningConstant) + ".",
            "The outputs o1, o2, o3, then w1, w2 and w3 after class 1", answer, worked};
}

Question scptaQuestion(const ContinuousStep<2>& step, int cycle) {
    return {"Cycle " + whole(cycle) + ", pattern 1: y = " + vectorText(step.input) +
                ", d = " + number(step.desired) + ", w = " + vectorText(step.weights) +
                ", nu = " + number(step.nu) + ", lambda = " + number(step.lambda) + ".",
            "The output o, then the weights after this step",
            numberThenElements(shownStep(step).output, shownStep(step).after), scptaStep(step, 1, 0)};
}

Question mccptaQuestion(const ContinuousStep<3>& step, int cycle) {
    return {"Cycle " + whole(cycle) + ", class 1, neuron 1: y = " + vectorText(step.input) +
                ", d = " + number(step.desired) + ", w1 = " + vectorText(step.weights) +
                ", nu = " + number(step.nu) + ", lambda = " + number(step.lambda) + ".",
            "The output o1, then w1 after this step",
            numberThenElements(shownStep(step).output, shownStep(step).after), mccptaStep(step, 1, 1, 0)};
}

Question bpnQuestion(const NetworkStep& step, int cycle) {
    return {"Cycle " + whole(cycle) + ", pattern 1: x = " + vectorText(step.input) +
                ", d = " + number(step.desired) + ", v1 = " + vectorText(step.firstLayer[0]) +
                ", v2 = " + vectorText(step.firstLayer[1]) + ", w = " + vectorText(step.secondLayer) +
                ", y3 = " + number(step.threshold) + ", nu = " + number(step.nu) + ".",
            "The output o, then w after this pattern",
            numberThenElements(shownStep(step).output, shownStep(step).secondLayerAfter),
            bpnStep(step, 1, 0)};
}

Question kclQuestion(const KohonenStep& step, int cycle) {
    const std::string given = "Cycle " + whole(cycle) + ", pattern 1: x = " + vectorText(step.input) +
                              ", w1 = " + vectorText(step.weights[0]) +
                              ", w2 = " + vectorText(step.weights[1]) + ", alpha = " + number(step.rate) +
                              " (this cycle's rate).";
    // Where a distance is no number, no neuron wins and no weights move: that is the answer.
    if (step.winner == 0)
        return {given, "The winning neuron, or 0 if none wins", {0}, kclStep(step)};
    // The numbers as shown round finite numbers to finite ones, so a neuron wins there too
    // (perhaps the other one, where the rounding makes a tie).
    const KohonenStep shown = shownStep(step);
    return {given, "The winning neuron, then its new weights",
            numberThenElements(shown.winner, shown.after[shown.winner - 1]), kclStep(step)};
}

Question hamQuestion(int probeNumber, const std::array<CWTSVector<5>, 5>& weights, const CWTSVector<5>& x,
                     const std::array<double, 5>& nets, const CWTSVector<5>& y) {
    return {"Cycle 1: the probe x = V" + whole(probeNumber) + " = " + vectorText(x) +
                ", with the weights of the vectors V1, V2 and V3 above.",
            "The vector recalled", elements(y), hamRecall(weights, x, nets, y)};
}

Question bamQuestion(int cycle, const CWTSMatrix<6, 3>& W, const CWTSMatrix<3, 6>& WT,
                     const CWTSVector<6>& aBefore, const CWTSVector<3>& bBefore, const CWTSVector<6>& netA,
                     const CWTSVector<6>& a, const CWTSVector<3>& netB, const CWTSVector<3>& b,
                     bool probeIsB) {
    const Lines backward = bamPass("W", W, "b", probeIsB ? bBefore : b, "a", netA, a);
    if (probeIsB) {
        std::vector<double> answer = elements(a);
        const std::vector<double> second = elements(b);
        answer.insert(answer.end(), second.begin(), second.end());
        return {"Cycle " + whole(cycle) + ": b = " + vectorText(bBefore) + ", with the matrix w above.",
                "a after the backward pass, then b after the forward pass", answer,
                joined({backward, bamPass("wT", WT, "a", a, "b", netB, b)})};
    }
    std::vector<double> answer = elements(b);
    const std::vector<double> second = elements(a);
    answer.insert(answer.end(), second.begin(), second.end());
    return {"Cycle " + whole(cycle) + ": a = " + vectorText(aBefore) + ", with the matrix w above.",
            "b after the forward pass, then a after the backward pass", answer,
            joined({bamPass("wT", WT, "a", aBefore, "b", netB, b), backward})};
}
