// The pieces that the explanations' lines are built of: numbers written as the traces write
// them, as operands and factors, vectors in the inline form, sums of products.
#ifndef NNRULES_EXPLAIN_TEXT_H
#define NNRULES_EXPLAIN_TEXT_H

#include "console/numbers.h"
#include "matrix/cwtsmatrix.h"

#include <cmath>
#include <string>

// A count or an index, as the traces write them: "3".
inline std::string whole(long long count) {
    return std::to_string(count);
}

// The number as the trace writes it.
inline std::string number(double value) {
    return written(value);
}

// The number as an operand after + or -: in parentheses when it has a minus sign.
inline std::string operand(double value) {
    return std::signbit(value) ? "(" + written(value) + ")" : written(value);
}

// The number as a factor of a product: always in parentheses, "(0.5)".
inline std::string factor(double value) {
    return "(" + written(value) + ")";
}

// The elements, each made text by `element`, in the inline form: "[ 1; -0.5 ]".
template <unsigned N, class Element>
std::string vectorOf(const Element& element) {
    std::string text = "[";
    for (unsigned i = 0; i < N; ++i)
        text += (i ? "; " : " ") + element(i);
    return text + " ]";
}

template <unsigned N>
std::string vectorText(const CwMtx::CWTSMatrix<N, 1>& v) {
    return vectorOf<N>([&v](unsigned i) { return number(v[i][0]); });
}

// The dot product as its sum of products: "(-2.5)(1) + (1.75)(1)".
template <unsigned N>
std::string productSum(const CwMtx::CWTSMatrix<N, 1>& a, const CwMtx::CWTSMatrix<N, 1>& b) {
    std::string text;
    for (unsigned i = 0; i < N; ++i)
        text += (i ? " + " : "") + factor(a[i][0]) + factor(b[i][0]);
    return text;
}

#endif
