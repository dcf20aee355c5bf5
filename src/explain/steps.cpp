// Each step's arithmetic, one "name = expression = value" a line, from the values the step
// computed: the symbols first, then the numbers put in, then the result.
#include "explain.h"
#include "text.h"

#include <cmath>

using CwMtx::CWTSMatrix;
using CwMtx::CWTSVector;

namespace {

// "w + r y" worked element by element: "[ -2.5 + (1)(1); 1.75 + (1)(1) ]".
template <unsigned N>
std::string movedBy(const CWTSVector<N>& w, double r, const CWTSVector<N>& y) {
    return vectorOf<N>([&](unsigned i) { return number(w[i]) + " + " + factor(r) + factor(y[i]); });
}

// Whether a discrete neuron's output was corrected, in words.
std::string correctionNote(double output, double desired, const std::string& o, const std::string& d) {
    return output == desired ? "  (" + o + " is " + d + ": no correction)" : "  (" + o + " is not " + d + ")";
}

// The delta rule's lines for a continuous neuron: its output, the correction's factors, the
// correction, the cycle error and the new weights.
template <unsigned N>
Lines continuousLines(const ContinuousStep<N>& step, const std::string& w, const std::string& y,
                      const std::string& o, const std::string& d, double eBefore) {
    const double miss = step.desired - step.output;
    return {
        "net = " + w + " . " + y + " = " + productSum(step.weights, step.input) + " = " + number(step.net),
        o + " = 2 / (1 + exp(-lambda net)) - 1 = 2 / (1 + exp(-" + factor(step.lambda) + factor(step.net) +
            ")) - 1 = " + number(step.output),
        d + " - " + o + " = " + number(step.desired) + " - " + operand(step.output) + " = " + number(miss),
        "1 - " + o + "^2 = 1 - " + factor(step.output) + "^2 = " + number(step.slope),
        "c = (nu * 0.5)(" + d + " - " + o + ")(1 - " + o + "^2) = " + factor(step.nu * 0.5) + factor(miss) +
            factor(step.slope) + " = " + number(step.correction),
        "e = e + 0.5 (" + d + " - " + o + ")^2 = " + number(eBefore) + " + 0.5 " + factor(miss) +
            "^2 = " + number(eBefore + step.errorShare),
        "new " + w + " = " + w + " + c " + y + " = " + movedBy(step.weights, step.correction, step.input) +
            " = " + vectorText(step.after)};
}

} // namespace

Lines sdptaStep(const DiscreteStep<2>& step, int stepNumber, unsigned pattern) {
    const std::string w = "w" + whole(stepNumber), y = "y" + whole(pattern), d = "d" + whole(pattern);
    return {"net = " + w + " . " + y + " = " + productSum(step.weights, step.input) + " = " +
                number(step.net),
            "o = sgn(net) = sgn(" + number(step.net) + ") = " + number(step.output),
            "r = (C / 2)(" + d + " - o) = (" + number(step.learningConstant) + " / 2)(" +
                number(step.desired) + " - " + operand(step.output) + ") = " + number(step.correction) +
                correctionNote(step.output, step.desired, "o", d),
            "w" + whole(stepNumber + 1) + " = " + w + " + r " + y + " = " +
                movedBy(step.weights, step.correction, step.input) + " = " + vectorText(step.after)};
}

Lines mcdptaStep(const DiscreteStep<3>& step, unsigned pattern, unsigned neuron, double eBefore) {
    const std::string w = "w" + whole(neuron), y = "y" + whole(pattern), o = "o" + whole(neuron);
    const double miss = step.desired - step.output;
    return {"net = " + w + " . " + y + " = " + productSum(step.weights, step.input) + " = " +
                number(step.net),
            o + " = sgn(net) = sgn(" + number(step.net) + ") = " + number(step.output),
            "r = (C / 2)(d - " + o + ") = (" + number(step.learningConstant) + " / 2)(" +
                number(step.desired) + " - " + operand(step.output) + ") = " + number(step.correction) +
                correctionNote(step.output, step.desired, o, "d"),
            "new " + w + " = " + w + " + r " + y + " = " +
                movedBy(step.weights, step.correction, step.input) + " = " + vectorText(step.after),
            "e = e + (1 / 2)(d - " + o + ")^2 = " + number(eBefore) + " + (1 / 2)" + factor(miss) +
                "^2 = " + number(eBefore + 0.5 * std::pow(miss, 2))};
}

Lines scptaStep(const ContinuousStep<2>& step, unsigned pattern, double eBefore) {
    return continuousLines(step, "w", "y" + whole(pattern), "o", "d" + whole(pattern), eBefore);
}

Lines mccptaStep(const ContinuousStep<3>& step, unsigned pattern, unsigned neuron, double eBefore) {
    return continuousLines(step, "w" + whole(neuron), "y" + whole(pattern), "o" + whole(neuron), "d",
                           eBefore);
}

Lines bpnStep(const NetworkStep& step, unsigned pattern, double eBefore) {
    const std::string d = "d[" + whole(pattern) + "]";
    const CWTSVector<3>& y = step.hidden;
    const CWTSVector<3>& W = step.secondLayer;
    const double o = step.output, delO = step.outputError;
    Lines lines = {""};
    for (unsigned k = 0; k < 2; ++k) {
        const std::string net = "net" + whole(k + 1);
        lines.push_back(net + " = v" + whole(k + 1) + " . x = " + productSum(step.firstLayer[k], step.input) +
                        " = " + number(step.hiddenNet[k]));
        lines.push_back("y" + whole(k + 1) + " = 1 / (1 + exp(-" + net + ")) = 1 / (1 + exp(-" +
                        factor(step.hiddenNet[k]) + ")) = " + number(y[k]));
    }
    lines.push_back("net = w . y = " + productSum(W, y) + " = " + number(step.net));
    lines.push_back("o = 1 / (1 + exp(-net)) = 1 / (1 + exp(-" + factor(step.net) + ")) = " + number(o));
    lines.push_back("e = e + 0.5 (" + d + " - o)^2 = " + number(eBefore) + " + 0.5 (" + number(step.desired) +
                    " - " + operand(o) + ")^2 = " + number(eBefore + step.errorShare));
    lines.push_back("delO = (" + d + " - o) o (1 - o) = (" + number(step.desired) + " - " + operand(o) + ")" +
                    factor(o) + "(1 - " + operand(o) + ") = " + number(delO));
    for (unsigned k = 0; k < 2; ++k)
        lines.push_back("delY" + whole(k + 1) + " = (1 - y" + whole(k + 1) + ") y" + whole(k + 1) + " w" +
                        whole(k + 1) + " delO = (1 - " + operand(y[k]) + ")" + factor(y[k]) + factor(W[k]) +
                        factor(delO) + " = " + number(step.hiddenError[k]));
    lines.push_back("new w = w + nu delO y = " + vectorOf<3>([&](unsigned i) {
                        return number(W[i]) + " + " + factor(step.nu) + factor(delO) + factor(y[i]);
                    }) +
                    " = " + vectorText(step.secondLayerAfter));
    for (unsigned k = 0; k < 2; ++k)
        lines.push_back("new v" + whole(k + 1) + " = v" + whole(k + 1) + " + nu delY" + whole(k + 1) +
                        " x = " + vectorOf<3>([&](unsigned i) {
                            return number(step.firstLayer[k][i]) + " + " + factor(step.nu) +
                                   factor(step.hiddenError[k]) + factor(step.input[i]);
                        }) +
                        " = " + vectorText(step.firstLayerAfter[k]));
    return lines;
}

Lines kclStep(const KohonenStep& step) {
    const CWTSVector<2>& x = step.input;
    Lines lines;
    for (unsigned j = 0; j < 2; ++j) {
        const CWTSVector<2>& w = step.weights[j];
        const std::string wj = "w" + whole(j + 1);
        lines.push_back("d" + whole(j + 1) + " = sqrt((x0 - " + wj + "[0])^2 + (x1 - " + wj +
                        "[1])^2) = sqrt((" + number(x[0]) + " - " + operand(w[0]) + ")^2 + (" + number(x[1]) +
                        " - " + operand(w[1]) + ")^2) = " + number(step.distances[j]));
    }
    if (step.winner == 0) {
        lines.push_back("No neuron wins: d1 is not a number, and no weights move.");
        return lines;
    }
    const unsigned j = step.winner - 1;
    const std::string w = "w" + whole(step.winner);
    const CWTSVector<2>& before = step.weights[j];
    lines.push_back("Neuron " + whole(step.winner) + " wins" +
                    (step.distances[0] == step.distances[1] ? " (a tie goes to neuron 2)" : ", the nearer") +
                    "; it moves at this cycle's rate, alpha, " + number(step.rate) + ":");
    lines.push_back(w + " + alpha (x - " + w + ") = " + vectorOf<2>([&](unsigned i) {
                        return number(before[i]) + " + " + factor(step.rate) + "(" + number(x[i]) + " - " +
                               operand(before[i]) + ")";
                    }) +
                    " = " + vectorText(step.moved));
    lines.push_back("|" + w + "| = sqrt(" + factor(step.moved[0]) + "^2 + " + factor(step.moved[1]) +
                    "^2) = " + number(step.movedLength));
    lines.push_back("new " + w + " = " + vectorOf<2>([&](unsigned i) {
                        return operand(step.moved[i]) + " / " + number(step.movedLength);
                    }) +
                    " = " + vectorText(step.after[j]));
    return lines;
}

Lines hamWeights(const std::array<CWTSVector<5>, 3>& stored, const std::array<CWTSVector<5>, 5>& weights) {
    Lines lines = {"The weights, row j element i: V1[i] V1[j] + V2[i] V2[j] + V3[i] V3[j],"
                   " less 3 on the diagonal."};
    for (unsigned j = 0; j < 5; ++j)
        lines.push_back("W[" + whole(j) + "] = " + vectorOf<5>([&](unsigned i) {
                            std::string sum;
                            for (unsigned v = 0; v < 3; ++v)
                                sum += (v ? " + " : "") + factor(stored[v][i]) + factor(stored[v][j]);
                            return i == j ? sum + " - 3" : sum;
                        }) +
                        " = " + vectorText(weights[j]));
    return lines;
}

Lines hamRecall(const std::array<CWTSVector<5>, 5>& weights, const CWTSVector<5>& x,
                const std::array<double, 5>& nets, const CWTSVector<5>& y) {
    Lines lines = {""};
    std::string changed;
    for (unsigned i = 0; i < 5; ++i) {
        lines.push_back("net[" + whole(i) + "] = W[" + whole(i) + "] . x = " + productSum(weights[i], x) +
                        " = " + number(nets[i]));
        lines.push_back("y[" + whole(i) + "] = sgn(net[" + whole(i) + "]) = sgn(" + number(nets[i]) +
                        ") = " + number(y[i]) + (nets[i] == 0 ? "  (a net input of 0 gives +1)" : ""));
        if (!(y[i] == x[i]))
            changed += (changed.empty() ? "" : ", ") + whole(i);
    }
    lines.push_back(changed.empty() ? "No element changed: y equals the probe x."
                                    : "Elements changed from the probe x: " + changed + ".");
    return lines;
}

Lines bamMatrix(const std::array<CWTSVector<6>, 4>& A, const std::array<CWTSVector<3>, 4>& B,
                const CWTSMatrix<6, 3>& W) {
    Lines lines = {"The matrix, row i element j: A1[i] B1[j] + A2[i] B2[j] + A3[i] B3[j] + A4[i] B4[j]."};
    for (unsigned i = 0; i < 6; ++i)
        lines.push_back("W[" + whole(i) + "] = " + vectorOf<3>([&](unsigned j) {
                            std::string sum;
                            for (unsigned k = 0; k < 4; ++k)
                                sum += (k ? " + " : "") + factor(A[k][i]) + factor(B[k][j]);
                            return sum;
                        }) +
                        " = " + vectorOf<3>([&](unsigned j) { return number(W[i][j]); }));
    return lines;
}

template <unsigned R, unsigned C>
Lines bamPass(const char* matrix, const CWTSMatrix<R, C>& M, const char* fromName, const CWTSVector<C>& from,
              const char* to, const CWTSVector<R>& net, const CWTSVector<R>& result) {
    const std::string product = std::string(matrix) + " " + fromName;
    return {"",
            "net = " + product + " = " + vectorOf<R>([&](unsigned i) {
                std::string sum;
                for (unsigned k = 0; k < C; ++k)
                    sum += (k ? " + " : "") + factor(M[i][k]) + factor(from[k]);
                return sum;
            }) + " = " +
                vectorText(net),
            std::string(to) + " = sgn(net) = sgn(" + vectorText(net) + ") = " + vectorText(result)};
}

template Lines bamPass<6, 3>(const char*, const CWTSMatrix<6, 3>&, const char*, const CWTSVector<3>&,
                             const char*, const CWTSVector<6>&, const CWTSVector<6>&);
template Lines bamPass<3, 6>(const char*, const CWTSMatrix<3, 6>&, const char*, const CWTSVector<6>&,
                             const char*, const CWTSVector<3>&, const CWTSVector<3>&);
