// The plane's geometry that the Kohonen demo computes and its picture shows: distances,
// lengths and unit vectors of two-element vectors.
#ifndef NNRULES_MODEL_GEOMETRY_H
#define NNRULES_MODEL_GEOMETRY_H

#include "matrix/cwtsmatrix.h"

#include <cfloat>
#include <cmath>

// The Euclidean distance between two points of the plane: the square root (power 0.5) of
// the sum of the squared differences.
inline double euclideanDistance(const CwMtx::CWTSVector<2>& x, const CwMtx::CWTSVector<2>& w) {
    return std::pow(std::pow(x[0] - w[0], 2) + std::pow(x[1] - w[1], 2), 0.5);
}

// A vector's length. Where the sum of the squares overflows or underflows, the length is
// taken without it.
inline double vectorLength(const CwMtx::CWTSVector<2>& w) {
    const double squares = w * w;
    if (std::isinf(squares) || squares < DBL_MIN)
        return std::hypot(w[0], w[1]);
    return std::pow(squares, 0.5);
}

// The vector divided by its length, so that its length is 1. A vector of length 0 has no
// direction to keep: it is returned as it is. A length so small that its reciprocal
// overflows is taken of the vector scaled up first, exactly, by a power of two.
inline CwMtx::CWTSVector<2> unitVector(const CwMtx::CWTSVector<2>& w) {
    const double wLength = vectorLength(w);
    if (wLength == 0)
        return w;
    if (std::isinf(1 / wLength))
        return unitVector(w * 0x1p600);
    return w / wLength;
}

#endif
