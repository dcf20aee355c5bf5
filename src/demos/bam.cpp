// Bidirectional associative memory: four pairs of a six-element A vector and a
// three-element B vector are stored in one correlation matrix, and a pair is recalled
// by passing a probe back and forth through the matrix and its transpose.
#include "demos.h"

#include "dialog.h"
#include "exercises/exercises.h"
#include "explain/explain.h"
#include "matrix/cwtsprint.h"
#include "model/memories.h"
#include "pictures/pictures.h"
#include "quiz/practice.h"
#include "quiz/quiz.h"
#include "settings.h"
#include "training.h"

#include <array>
#include <iostream>

using CwMtx::CWTSMatrix;
using CwMtx::CWTSVector;

namespace {

constexpr unsigned pairCount = 4;
constexpr unsigned aLength = 6;
constexpr unsigned bLength = 3;

} // namespace

void BAM() {
    std::cout << std::endl
              << "************        Bidirectional Associative Memory Storage       ************";
    std::cout << std::endl
              << "************                   Lecture 9, Pg 8                     ************"
              << std::endl;

    std::array<CWTSVector<aLength>, pairCount> A = {
        {{1, 1, 1, 1, 1, 1}, {-1, -1, -1, -1, -1, -1}, {1, 1, -1, -1, 1, 1}, {-1, -1, 1, 1, -1, -1}}};
    std::array<CWTSVector<bLength>, pairCount> B = {{{1, 1, 1}, {-1, -1, -1}, {1, -1, 1}, {-1, 1, -1}}};
    CWTSVector<aLength> probe;
    probe.Fill(1);
    probe[0] = -1;
    // An exercise's values stand where the defaults do.
    if (settings().exercise)
        drawBam(settings().seed, A, B, probe);

    for (unsigned k = 0; k < pairCount; ++k) {
        std::cout << std::endl << "Vector A" << k + 1;
        iprint(": ", A[k]);
    }
    for (unsigned k = 0; k < pairCount; ++k) {
        std::cout << std::endl << "Vector B" << k + 1;
        iprint(": ", B[k]);
    }
    iprint("\nGiving Probe Vector: ", probe);

    // A B probe has B's three elements and its recall starts with the backward pass.
    bool probeIsB = false;
    CWTSVector<bLength> bProbe{};
    if (!keepDefaults()) {
        announceEntry();
        for (unsigned k = 0; k < pairCount; ++k)
            for (unsigned e = 0; e < aLength; ++e)
                askFor(A[k][e], "Enter value for A", k + 1, " ", e);
        for (unsigned k = 0; k < pairCount; ++k)
            for (unsigned e = 0; e < bLength; ++e)
                askFor(B[k][e], "Enter value for B", k + 1, " ", e);
        if (leavingDemo())
            return;
        std::cout << std::endl << "Enter details for the probe vector:";
        std::cout << std::endl << "A or B? : ";
        // When no answer can be read the A probe is kept and its prompts still written.
        char probeKind = 'A';
        readLetter(probeKind);
        if (probeKind == 'A' || probeKind == 'a') {
            for (unsigned e = 0; e < aLength; ++e)
                askFor(probe[e], "X", e + 1);
        } else {
            probeIsB = true;
            for (unsigned e = 0; e < bLength; ++e) {
                bProbe[e] = probe[e];
                askFor(bProbe[e], "X", e + 1);
            }
        }
    }
    // Left at a prompt, or its problem shown alone: the demo ends here.
    if (leavingDemo())
        return;

    explainBamRule(probeIsB);
    const CWTSMatrix<aLength, bLength> W = correlationMatrix(A, B);
    std::cout << "w: " << std::endl << W;
    const CWTSMatrix<bLength, aLength> WT = transpose(W);
    std::cout << "wT: " << std::endl << WT;
    explain([&] { return bamMatrix(A, B, W); });

    std::cout << std::endl << "Testing by inputting b3 and trying to retreive a3:";
    const CWTSVector<aLength> netOfA3 = W * B[2];
    CWTSVector<aLength> a = thresholded(netOfA3);
    std::cout << std::endl << "The result is: " << std::endl << a;
    if (a == A[2])
        std::cout << "a3 has been correctly retreived.";
    else
        std::cout << "Unable to retreive a3.";
    explain([&] { return bamPass("W", W, "b3", B[2], "a", netOfA3, a); });

    std::cout << std::endl << "Testing by inputting a1 and trying to retreive b1:" << std::endl;
    const CWTSVector<bLength> netOfB1 = WT * A[0];
    CWTSVector<bLength> b = thresholded(netOfB1);
    std::cout << std::endl << "The result is: " << std::endl << b;
    if (b == B[0])
        std::cout << "b1 has been correctly retreived.";
    else
        std::cout << "Unable to retreive b1.";
    explain([&] { return bamPass("wT", WT, "a1", A[0], "b", netOfB1, b); });

    if (probeIsB) {
        iprint("\nGiving Probe: ", bProbe);
        b = bProbe;
    } else {
        iprint("\nGiving Probe: ", probe);
        a = probe;
    }
    BidirectionalRun run;
    run.a = A;
    run.b = B;
    run.probeIsB = probeIsB;
    run.probeA = probe;
    run.probeB = bProbe;

    const auto recall =
        recallPair(W, WT, A, B, a, b, probeIsB, [&](const BidirectionalCycle<aLength, bLength>& done) {
            const int cycle = done.number;
            std::cout << std::endl << "Cycle no.: " << cycle;
            forgetKeptExplanation();
            const auto question = [&] {
                return bamQuestion(cycle, W, WT, done.aBefore, done.bBefore, done.netA, done.a, done.netB,
                                   done.b, probeIsB);
            };
            quiz(cycle, question);
            if (leavingDemo())
                return false;
            explain([&] { return question().worked; });
            run.recalledA = done.a;
            run.recalledB = done.b;
            run.cycles.push_back({done.a, done.b});
            run.recalledPair = done.matched ? done.comparedPair : 0;
            return pauseAfter("cycle", cycle, run);
        });
    if (leavingDemo())
        return;
    a = recall.a;
    b = recall.b;
    const unsigned recalledPair = recall.pair;
    if (recall.stopped)
        std::cout << std::endl
                  << "Recall stopped after " << recall.cycles << (recall.cycles == 1 ? " cycle" : " cycles")
                  << ", as asked.";

    iprint("\nRetreived a: ", a);
    iprint("\nRetreived b: ", b);
    if (recalledPair != 0)
        std::cout << std::endl << "k: " << recalledPair << std::endl;
    else
        std::cout << std::endl << "No stored pair was recalled." << std::endl;

    run.recalledPair = recalledPair;
    run.recallEnded = true;
    writePractice(run);
    showPictures(run);
}
