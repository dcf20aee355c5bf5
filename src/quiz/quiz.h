// The quiz (--quiz): before each of a run's first units (steps or cycles) shows its results,
// the student is asked for what it computes, from what the question states, and told whether
// the answer was right, and if not, the answer and the unit's worked arithmetic. The run's
// score ends it.
#ifndef NNRULES_QUIZ_QUIZ_H
#define NNRULES_QUIZ_QUIZ_H

#include "explain/explain.h"
#include "model/steps.h"

#include <array>
#include <string>
#include <vector>

// A question: what it is computed from, what it asks for, the numbers it wants, and the
// worked arithmetic that a wrong answer is answered with.
struct Question {
    std::string given;          // "Step 3: y = [ 3; 1 ], d = 1, w = [ -1; 1.75 ], c = 1."
    std::string asked;          // "The weights after this step" (the count of numbers follows)
    std::vector<double> answer; // the numbers, in the order asked
    Lines worked;               // the unit's explanation
};

// True when the quiz asks about the unit numbered so, from 1.
bool quizzes(int unit);

// Asks the question of the unit numbered so, when the quiz asks about it, reads the answer
// and grades it. The question is made only then.
void askQuestion(const Question& question);
template <class Make>
void quiz(int unit, const Make& make) {
    if (quizzes(unit))
        askQuestion(make());
}

// Notes on standard error that an answer read from a file, on the line numbered so, counts as
// wrong, and why.
void noteRefusedAnswer(const std::string& line, long lineNumber, int questionNumber, const std::string& why);

// Writes the score when the demo was quizzed: "Quiz: 7 of 9 answers right."
void endQuiz();

// Each demo's question about the unit under way.
Question sdptaQuestion(const DiscreteStep<2>& step, int stepNumber, unsigned pattern);
Question mcdptaQuestion(const std::array<DiscreteStep<3>, 3>& steps, int cycle, double eBefore);
Question scptaQuestion(const ContinuousStep<2>& step, int cycle);
Question mccptaQuestion(const ContinuousStep<3>& step, int cycle);
Question bpnQuestion(const NetworkStep& step, int cycle);
Question kclQuestion(const KohonenStep& step, int cycle);
Question hamQuestion(int probeNumber, const std::array<CwMtx::CWTSVector<5>, 5>& weights,
                     const CwMtx::CWTSVector<5>& x, const std::array<double, 5>& nets,
                     const CwMtx::CWTSVector<5>& y);
// A recall cycle of the bidirectional memory, from aBefore (a B probe: from bBefore, the
// backward pass first): each pass's net inputs and the vectors they give.
Question bamQuestion(int cycle, const CwMtx::CWTSMatrix<6, 3>& W, const CwMtx::CWTSMatrix<3, 6>& WT,
                     const CwMtx::CWTSVector<6>& aBefore, const CwMtx::CWTSVector<3>& bBefore,
                     const CwMtx::CWTSVector<6>& netA, const CwMtx::CWTSVector<6>& a,
                     const CwMtx::CWTSVector<3>& netB, const CwMtx::CWTSVector<3>& b, bool probeIsB);

#endif
