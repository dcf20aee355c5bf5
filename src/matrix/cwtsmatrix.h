// Fixed-size matrices and column vectors of the demos: plain value types whose
// elements live inline, so arrays of them stay on the stack.
#ifndef NNRULES_MATRIX_CWTSMATRIX_H
#define NNRULES_MATRIX_CWTSMATRIX_H

#include <type_traits>

namespace CwMtx {

// Sums start from CWTSZero; a division takes its reciprocal from CWTSUnity.
template <class T>
struct CWTSZero {
    constexpr operator T() const { return T(0); }
};

template <class T>
struct CWTSUnity {
    constexpr operator T() const { return T(1); }
};

// R x C elements stored row by row; element (i, j) is m[i][j].
template <unsigned R, unsigned C, class T = double>
class CWTSMatrix {
    static_assert(R > 0 && C > 0, "a matrix has at least one row and one column");

  public:
    // Elements are left unset: fill or assign before reading.
    CWTSMatrix() = default;

    T* operator[](unsigned row) { return elements + row * C; }
    const T* operator[](unsigned row) const { return elements + row * C; }

    constexpr unsigned GetRows() const { return R; }
    constexpr unsigned GetCols() const { return C; }

    void Fill(const T& value) {
        for (unsigned i = 0; i < R * C; ++i)
            elements[i] = value;
    }

    // Exact comparison: a rounding difference or a NaN makes two matrices unequal.
    bool operator==(const CWTSMatrix& other) const {
        for (unsigned i = 0; i < R * C; ++i)
            if (!(elements[i] == other.elements[i]))
                return false;
        return true;
    }
    bool operator!=(const CWTSMatrix& other) const { return !(*this == other); }

    CWTSMatrix& operator+=(const CWTSMatrix& other) {
        for (unsigned i = 0; i < R * C; ++i)
            elements[i] += other.elements[i];
        return *this;
    }
    CWTSMatrix& operator-=(const CWTSMatrix& other) {
        for (unsigned i = 0; i < R * C; ++i)
            elements[i] -= other.elements[i];
        return *this;
    }
    CWTSMatrix& operator*=(const T& factor) {
        for (unsigned i = 0; i < R * C; ++i)
            elements[i] *= factor;
        return *this;
    }

  private:
    T elements[R * C];
};

// A column vector: an N x 1 matrix whose index yields the element itself.
template <unsigned N, class T = double>
class CWTSVector : public CWTSMatrix<N, 1, T> {
  public:
    CWTSVector() = default;
    CWTSVector(const CWTSMatrix<N, 1, T>& column) : CWTSMatrix<N, 1, T>(column) {}

    // The vector of its N values in order, as in CWTSVector<2> w{0.8, 0.6}.
    template <class... Values,
              class = std::enable_if_t<sizeof...(Values) == N && (std::is_arithmetic_v<Values> && ...)>>
    CWTSVector(Values... values) {
        const T inOrder[N] = {T(values)...};
        for (unsigned i = 0; i < N; ++i)
            (*this)[i] = inOrder[i];
    }

    T& operator[](unsigned i) { return CWTSMatrix<N, 1, T>::operator[](i)[0]; }
    const T& operator[](unsigned i) const { return CWTSMatrix<N, 1, T>::operator[](i)[0]; }

    CWTSVector& operator+=(const CWTSVector& other) {
        CWTSMatrix<N, 1, T>::operator+=(other);
        return *this;
    }
    CWTSVector& operator-=(const CWTSVector& other) {
        CWTSMatrix<N, 1, T>::operator-=(other);
        return *this;
    }
    CWTSVector& operator*=(const T& factor) {
        CWTSMatrix<N, 1, T>::operator*=(factor);
        return *this;
    }
};

// Dot product, summed in ascending index order from zero.
template <unsigned N, class T>
T operator*(const CWTSVector<N, T>& a, const CWTSVector<N, T>& b) {
    T sum = CWTSZero<T>();
    for (unsigned i = 0; i < N; ++i)
        sum += a[i] * b[i];
    return sum;
}

template <unsigned N, class T>
CWTSVector<N, T> operator*(const CWTSVector<N, T>& a, const T& factor) {
    CWTSVector<N, T> result(a);
    return result *= factor;
}

// Multiplies by the reciprocal, rounded once, rather than dividing each element.
template <unsigned N, class T>
CWTSVector<N, T> operator/(const CWTSVector<N, T>& a, const T& divisor) {
    const T reciprocal = T(CWTSUnity<T>()) / divisor;
    return a * reciprocal;
}

template <unsigned N, class T>
CWTSVector<N, T> operator+(const CWTSVector<N, T>& a, const CWTSVector<N, T>& b) {
    CWTSVector<N, T> result(a);
    return result += b;
}

template <unsigned N, class T>
CWTSVector<N, T> operator-(const CWTSVector<N, T>& a, const CWTSVector<N, T>& b) {
    CWTSVector<N, T> result(a);
    return result -= b;
}

template <unsigned R, unsigned C, class T>
CWTSMatrix<C, R, T> transpose(const CWTSMatrix<R, C, T>& m) {
    CWTSMatrix<C, R, T> result;
    for (unsigned i = 0; i < C; ++i)
        for (unsigned j = 0; j < R; ++j)
            result[i][j] = m[j][i];
    return result;
}

// Matrix product; each sum starts from zero and adds its terms in ascending k.
template <unsigned R, unsigned K, unsigned C, class T>
CWTSMatrix<R, C, T> operator*(CWTSMatrix<R, K, T> m, const CWTSMatrix<K, C, T>& v) {
    CWTSMatrix<R, C, T> product;
    for (unsigned i = 0; i < R; ++i)
        for (unsigned j = 0; j < C; ++j) {
            T sum = CWTSZero<T>();
            for (unsigned k = 0; k < K; ++k)
                sum += m[i][k] * v[k][j];
            product[i][j] = sum;
        }
    return product;
}

// The types carry their elements and nothing else.
static_assert(sizeof(CWTSMatrix<6, 3, double>) == 18 * sizeof(double), "no size fields");
static_assert(sizeof(CWTSVector<2, double>) == 2 * sizeof(double), "no size fields");
static_assert(sizeof(CWTSVector<6, double>) == 6 * sizeof(double), "no size fields");

} // namespace CwMtx

#endif
