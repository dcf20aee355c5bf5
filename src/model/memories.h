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

#endif
