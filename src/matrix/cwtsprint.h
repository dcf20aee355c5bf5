// The two print forms of the matrices: the inline form, one line on standard output
// such as "w = [ 1; -1 ]", and the block form, a framed block of rows on any stream.
#ifndef NNRULES_MATRIX_CWTSPRINT_H
#define NNRULES_MATRIX_CWTSPRINT_H

#include "cwtsmatrix.h"

#include <iostream>
#include <ostream>

namespace CwMtx {

// The rows of the inline form, "; " between rows and " " before every element.
template <unsigned R, unsigned C, class T>
void iprintElements(const CWTSMatrix<R, C, T>& m) {
    for (unsigned i = 0; i < R; ++i) {
        if (i != 0)
            std::cout << ";";
        for (unsigned j = 0; j < C; ++j)
            std::cout << " " << m[i][j];
    }
}

template <unsigned R, unsigned C, class T>
void iprint(const char* prefix, const CWTSMatrix<R, C, T>& m) {
    std::cout << prefix << " [";
    iprintElements(m);
    std::cout << " ]";
}

template <unsigned R, unsigned C, class T>
void iprint(const CWTSMatrix<R, C, T>& m) {
    std::cout << "[";
    iprintElements(m);
    std::cout << " ]";
}

template <unsigned R, unsigned C, class T>
void iprint(const char* prefix, const CWTSMatrix<R, C, T>& m, const char* suffix) {
    std::cout << prefix << " [";
    iprintElements(m);
    std::cout << " ] " << suffix;
}

template <unsigned R, unsigned C, class T>
void iprint(const CWTSMatrix<R, C, T>& m, const char* suffix) {
    std::cout << "[";
    iprintElements(m);
    std::cout << " ] " << suffix;
}

// The block form: a "\t=====" line, one line per row, and a closing "\t=====" line.
template <unsigned R, unsigned C, class T>
std::ostream& operator<<(std::ostream& os, const CWTSMatrix<R, C, T>& m) {
    os << "\t=====" << std::endl;
    for (unsigned i = 0; i < R; ++i) {
        if (i != 0)
            os << std::endl;
        os << "\t";
        for (unsigned j = 0; j < C; ++j)
            os << " " << m[i][j];
    }
    os << std::endl << "\t=====" << std::endl;
    return os;
}

} // namespace CwMtx

#endif
