// Explanations (--explain): once per run, the rule a demo applies in symbols, with its
// constants and a legend of its trace; after each step's trace, the step's arithmetic with the
// numbers put in, one "name = expression = value" a line. Every number is one the program
// computed and used, written as the trace writes it, so that a student can redo each line by
// hand and land on the trace's numbers.
#ifndef NNRULES_EXPLAIN_EXPLAIN_H
#define NNRULES_EXPLAIN_EXPLAIN_H

#include "matrix/cwtsmatrix.h"
#include "model/steps.h"

#include <array>
#include <iostream>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// True when steps are to be explained: with --explain, or in step mode, where e at a pause
// explains the unit just shown.
bool explanationsWanted();

// Writes the lines of an explanation, each indented by four blanks, a line too long for 79
// columns going on, indented by eight, on the next. An empty line ends the line that the
// trace left open: an explanation that follows such a line begins with one.
void writeExplanation(const Lines& lines, std::ostream& out = std::cout);

// A step's explanation, built only when it is wanted: written at once with --explain, and
// kept for e at the pause that ends the unit.
void noteExplanation(const Lines& lines);
template <class Build>
void explain(const Build& build) {
    if (explanationsWanted())
        noteExplanation(build());
}

// A unit (a step, a cycle) begins: what was kept of the one before is dropped.
void forgetKeptExplanation();

// Writes what is kept of the unit just shown, from a new line (e at a pause); false when
// nothing is.
bool writeKeptExplanation(std::ostream& out);

// Each demo's rule, written once before its first unit with --explain.
void explainSdptaRule(double C, int steps);
void explainMcdptaRule(double C);
void explainScptaRule(double nu, double lambda, double errorLimit);
void explainMccptaRule(double nu, double lambda, double errorLimit);
void explainBpnRule(double nu, double lambda, double threshold, double errorLimit,
                    const std::array<CwMtx::CWTSVector<3>, 4>& X, const std::array<double, 4>& d);
void explainHamRule();
void explainBamRule(bool probeIsB);
void explainKclRule(double storedAlpha);

// Each demo's step, its arithmetic. The numbers name what the trace names: the step, the
// pattern, the class and neuron, from 1; eBefore is the cycle error before the step's share.
Lines sdptaStep(const DiscreteStep<2>& step, int stepNumber, unsigned pattern);
Lines mcdptaStep(const DiscreteStep<3>& step, unsigned pattern, unsigned neuron, double eBefore);
Lines scptaStep(const ContinuousStep<2>& step, unsigned pattern, double eBefore);
Lines mccptaStep(const ContinuousStep<3>& step, unsigned pattern, unsigned neuron, double eBefore);
Lines bpnStep(const NetworkStep& step, unsigned pattern, double eBefore);
Lines kclStep(const KohonenStep& step);

// The Hopfield memory: its weights from the stored vectors (once), and a recall cycle: each
// neuron's net input from the probe x, its output, and which elements changed.
Lines hamWeights(const std::array<CwMtx::CWTSVector<5>, 3>& stored,
                 const std::array<CwMtx::CWTSVector<5>, 5>& weights);
Lines hamRecall(const std::array<CwMtx::CWTSVector<5>, 5>& weights, const CwMtx::CWTSVector<5>& x,
                const std::array<double, 5>& nets, const CwMtx::CWTSVector<5>& y);

// The bidirectional memory: its matrix from the pairs (once), and one pass through it: the
// net inputs `net` of the vector named `to` from `from`, and their signs.
Lines bamMatrix(const std::array<CwMtx::CWTSVector<6>, 4>& A, const std::array<CwMtx::CWTSVector<3>, 4>& B,
                const CwMtx::CWTSMatrix<6, 3>& W);
template <unsigned R, unsigned C>
Lines bamPass(const char* matrix, const CwMtx::CWTSMatrix<R, C>& M, const char* fromName,
              const CwMtx::CWTSVector<C>& from, const char* to, const CwMtx::CWTSVector<R>& net,
              const CwMtx::CWTSVector<R>& result);

#endif
