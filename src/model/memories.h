// The associative memories' formulas: the weights that store bipolar vectors, and the
// bipolar outputs of a pass through them.
#ifndef NNRULES_MODEL_MEMORIES_H
#define NNRULES_MODEL_MEMORIES_H

#include "activation.h"
#include "matrix/cwtsmatrix.h"

#include <array>
#include <cstddef>

// A Hopfield memory's weights: row i holds the weights into neuron i, the sum over the stored
// vectors of their outer products, less the number of vectors on the diagonal (which clears
// it for bipolar vectors).
template <unsigned N, std::size_t Count>
std::array<CwMtx::CWTSVector<N>, N> hopfieldWeights(const std::array<CwMtx::CWTSVector<N>, Count>& V) {
    std::array<CwMtx::CWTSVector<N>, N> W;
    for (unsigned i = 0; i < N; ++i)
        W[i].Fill(0);
    for (std::size_t v = 0; v < Count; ++v)
        for (unsigned i = 0; i < N; ++i)
            for (unsigned j = 0; j < N; ++j)
                W[j][i] += V[v][i] * V[v][j];
    for (unsigned i = 0; i < N; ++i)
        W[i][i] -= static_cast<double>(Count);
    return W;
}

// A bidirectional memory's matrix: W[i][j] is the sum over the pairs, in order, of A[i] B[j].
template <unsigned M, unsigned N, std::size_t Count>
CwMtx::CWTSMatrix<M, N> correlationMatrix(const std::array<CwMtx::CWTSVector<M>, Count>& A,
                                          const std::array<CwMtx::CWTSVector<N>, Count>& B) {
    CwMtx::CWTSMatrix<M, N> W;
    for (unsigned i = 0; i < M; ++i)
        for (unsigned j = 0; j < N; ++j) {
            double sum = 0;
            for (std::size_t k = 0; k < Count; ++k)
                sum += A[k][i] * B[k][j];
            W[i][j] = sum;
        }
    return W;
}

// The net inputs of one pass, each replaced by its neuron's bipolar output.
template <unsigned N>
CwMtx::CWTSVector<N> thresholded(const CwMtx::CWTSMatrix<N, 1>& net) {
    CwMtx::CWTSVector<N> output(net);
    for (unsigned i = 0; i < N; ++i)
        output[i] = sgn(output[i]);
    return output;
}

// A Hopfield memory's recall cycle from the probe x: each neuron's net input and its bipolar
// output. Every neuron reads the unchanged probe, so the order in which they are evaluated,
// `nextNeuron()` each time (a neuron not yet evaluated), changes nothing that is recalled.
template <unsigned N>
struct HopfieldRecall {
    std::array<double, N> nets{};
    CwMtx::CWTSVector<N> recalled{}; // zeros to begin with keep a neuron missed in sight
};

template <unsigned N, std::size_t Rows, class Order>
HopfieldRecall<N> hopfieldRecall(const std::array<CwMtx::CWTSVector<N>, Rows>& W,
                                 const CwMtx::CWTSVector<N>& x, const Order& nextNeuron) {
    static_assert(Rows == N, "a Hopfield memory has a row of weights for each neuron");
    HopfieldRecall<N> recall;
    for (unsigned evaluated = 0; evaluated < N; ++evaluated) {
        const unsigned i = nextNeuron();
        recall.nets[i] = W[i] * x;
        recall.recalled[i] = sgn(recall.nets[i]);
    }
    return recall;
}

// A bidirectional memory's recall cycle: the forward pass from a to b and the backward one
// from b to a (the backward first from a B probe), and the stored pair it was compared with.
template <unsigned M, unsigned N>
struct BidirectionalCycle {
    int number; // from 1
    CwMtx::CWTSVector<M> aBefore, netA, a;
    CwMtx::CWTSVector<N> bBefore, netB, b;
    unsigned comparedPair; // numbered from 1
    bool matched;          // a or b is the compared pair's
};

// What a recall ended with: a, b and the pair recalled (0 for none); whether a watcher stopped
// it while a pair was still to be compared.
template <unsigned M, unsigned N>
struct BidirectionalRecall {
    CwMtx::CWTSVector<M> a;
    CwMtx::CWTSVector<N> b;
    unsigned pair = 0;
    int cycles = 0;
    bool stopped = false;
};

// Recalls a pair from the probe (a, or b for a B probe), cycle c compared with stored pair
// 2c - 1, so that only two cycles have a pair to compare with: a recall still going after them
// ends with the a and b it has, and the pair recalled is then any whose a or b they are.
// `cycleDone(cycle)` is told each cycle and returns false to stop.
template <unsigned M, unsigned N, std::size_t Count, class Told>
BidirectionalRecall<M, N> recallPair(const CwMtx::CWTSMatrix<M, N>& W, const CwMtx::CWTSMatrix<N, M>& WT,
                                     const std::array<CwMtx::CWTSVector<M>, Count>& A,
                                     const std::array<CwMtx::CWTSVector<N>, Count>& B,
                                     const CwMtx::CWTSVector<M>& a, const CwMtx::CWTSVector<N>& b,
                                     bool probeIsB, const Told& cycleDone) {
    BidirectionalRecall<M, N> recall{a, b};
    for (std::size_t k = 0; k < Count; k += 2) {
        BidirectionalCycle<M, N> done{
            ++recall.cycles, recall.a, {}, {}, recall.b, {}, {}, static_cast<unsigned>(k + 1), false};
        if (probeIsB) {
            done.netA = W * done.bBefore;
            done.a = thresholded(done.netA);
            done.netB = WT * done.a;
            done.b = thresholded(done.netB);
        } else {
            done.netB = WT * done.aBefore;
            done.b = thresholded(done.netB);
            done.netA = W * done.b;
            done.a = thresholded(done.netA);
        }
        done.matched = !(done.b != B[k] && done.a != A[k]);
        recall.a = done.a;
        recall.b = done.b;
        const bool goOn = cycleDone(done);
        if (done.matched) {
            recall.pair = done.comparedPair;
            return recall;
        }
        if (!goOn && k + 2 < Count) {
            recall.stopped = true;
            break;
        }
    }
    for (std::size_t pair = 0; recall.pair == 0 && pair < Count; ++pair)
        if (recall.a == A[pair] || recall.b == B[pair])
            recall.pair = static_cast<unsigned>(pair + 1);
    return recall;
}

#endif
