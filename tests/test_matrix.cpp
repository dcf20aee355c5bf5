#include "harness.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

using namespace CwMtx;

namespace {

CWTSVector<2> vector2(double a, double b) {
    CWTSVector<2> v;
    v[0] = a;
    v[1] = b;
    return v;
}

CWTSVector<3> vector3(double a, double b, double c) {
    CWTSVector<3> v;
    v[0] = a;
    v[1] = b;
    v[2] = c;
    return v;
}

// Captures what the inline form writes to standard output.
const CWTSVector<2>* printed2;
const CWTSVector<3>* printed3;

} // namespace

TEST(Matrix, StorageIsRowByRowAndHoldsNothingElse) {
    CWTSMatrix<2, 3> m;
    for (unsigned i = 0; i < 2; ++i)
        for (unsigned j = 0; j < 3; ++j)
            m[i][j] = 10 * i + j;
    EXPECT_EQ(&m[1][0], &m[0][0] + 3);
    EXPECT_EQ(sizeof(m), 6 * sizeof(double));
    EXPECT_EQ(sizeof(CWTSVector<5>), 5 * sizeof(double));
    EXPECT_EQ(CWTSVector<6>().GetRows(), 6u);
}

TEST(Matrix, FillCopyAndVectorFromColumn) {
    CWTSMatrix<6, 3> m;
    m.Fill(2.5);
    CWTSMatrix<6, 3> copy(m);
    copy[5][2] = -1;
    EXPECT_EQ(m[5][2], 2.5);
    CWTSMatrix<3, 1> column;
    column.Fill(0);
    column[1][0] = 7;
    CWTSVector<3> v(column);
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[1], 7);
}

TEST(Matrix, ComparisonIsExact) {
    CWTSVector<2> a = vector2(0.1 + 0.2, 1);
    CWTSVector<2> b = vector2(0.3, 1);
    EXPECT_FALSE(a == b);
    CWTSVector<2> copy(a);
    EXPECT_TRUE(a == copy);
    CWTSVector<3> x = vector3(1, 2, 3);
    CWTSVector<3> y = vector3(1, 2, 3);
    EXPECT_FALSE(x != y);
    y[2] = std::nextafter(3.0, 4.0);
    EXPECT_TRUE(x != y);
    CWTSVector<2> withNan = vector2(std::numeric_limits<double>::quiet_NaN(), 1);
    EXPECT_FALSE(withNan == withNan);
    EXPECT_TRUE(vector2(0.0, 1) == vector2(-0.0, 1));
}

TEST(Matrix, VectorArithmetic) {
    CWTSVector<2> a = vector2(1, 2);
    CWTSVector<2> b = vector2(-0.5, 4);
    EXPECT_EQ(a * b, 7.5);
    EXPECT_TRUE(a * 3.0 == vector2(3, 6));
    EXPECT_TRUE(a + b == vector2(0.5, 6));
    EXPECT_TRUE(a - b == vector2(1.5, -2));
    EXPECT_TRUE(a / 4.0 == vector2(0.25, 0.5));
    CWTSVector<3> c = vector3(1, -1, 2);
    c += vector3(1, 1, 1);
    c *= 2.0;
    EXPECT_TRUE(c == vector3(4, 0, 6));
    CWTSVector<2> d = a;
    d -= b;
    EXPECT_TRUE(d == vector2(1.5, -2));
    EXPECT_TRUE(a == vector2(1, 2)); // operands are left alone
}

TEST(Matrix, DivisionMultipliesByTheRoundedReciprocal) {
    // 3 / 3 is 1, but 3 times the rounded reciprocal of 3 is not.
    CWTSVector<2> v = vector2(3, 7);
    CWTSVector<2> quotient = v / 3.0;
    EXPECT_EQ(quotient[0], 3 * (1 / 3.0));
    EXPECT_EQ(quotient[1], 7 * (1 / 3.0));
    EXPECT_NE(quotient[1], 7 / 3.0);
    CWTSVector<2> byZero = v / 0.0;
    EXPECT_TRUE(std::isinf(byZero[0]));
}

TEST(Matrix, ProductAndTranspose) {
    CWTSMatrix<6, 3> m;
    for (unsigned i = 0; i < 6; ++i)
        for (unsigned j = 0; j < 3; ++j)
            m[i][j] = 3 * i + j;
    CWTSVector<3> v = vector3(1, -1, 2);
    CWTSVector<6> p(m * v);
    for (unsigned i = 0; i < 6; ++i)
        EXPECT_EQ(p[i], (3.0 * i) - (3.0 * i + 1) + 2 * (3.0 * i + 2)) << "row " << i;
    CWTSMatrix<3, 6> t = transpose(m);
    for (unsigned j = 0; j < 3; ++j)
        EXPECT_EQ(t[j][0], m[0][j]);
    for (unsigned i = 0; i < 3; ++i)
        for (unsigned j = 0; j < 6; ++j)
            EXPECT_EQ(t[i][j], m[j][i]);
    CWTSVector<6> a;
    a.Fill(1);
    CWTSVector<3> back(t * a);
    EXPECT_TRUE(back == vector3(45, 51, 57));
}

TEST(Matrix, ProductSumsInAscendingOrderFromZero) {
    // 1e16 + 1 - 1e16 is 0 in that order; any other order would give 1 or 2.
    CWTSMatrix<1, 3> row;
    row[0][0] = 1e16;
    row[0][1] = 1;
    row[0][2] = -1e16;
    CWTSVector<3> ones;
    ones.Fill(1);
    EXPECT_EQ((row * ones)[0][0], 0);
    EXPECT_EQ(vector3(1e16, 1, -1e16) * ones, 0);
}

namespace {
void printZero3WithoutPrefix() {
    CWTSVector<3> zero;
    zero.Fill(0);
    iprint(zero);
}
void printWithEmptyPrefix() {
    iprint("", *printed2);
}
void printWithPrefix() {
    iprint("w = ", *printed2);
}
void printWithPrefixAndSuffix() {
    iprint("\nw = ", *printed2, "\n");
}
void printWithSuffix() {
    iprint(*printed3, "  ");
}
} // namespace

TEST(MatrixPrint, InlineForms) {
    CWTSVector<2> w = vector2(1, -1);
    CWTSVector<3> v = vector3(0.5, -2, 1e-7);
    printed2 = &w;
    printed3 = &v;
    EXPECT_EQ(runWithInput(printZero3WithoutPrefix, ""), "[ 0; 0; 0 ]");
    EXPECT_EQ(runWithInput(printWithEmptyPrefix, ""), " [ 1; -1 ]");
    EXPECT_EQ(runWithInput(printWithPrefix, ""), "w =  [ 1; -1 ]");
    EXPECT_EQ(runWithInput(printWithPrefixAndSuffix, ""), "\nw =  [ 1; -1 ] \n");
    EXPECT_EQ(runWithInput(printWithSuffix, ""), "[ 0.5; -2; 1e-07 ]   ");
}

TEST(MatrixPrint, BlockForms) {
    std::ostringstream vectorBlock;
    vectorBlock << vector3(1, 0.5, -2);
    EXPECT_EQ(vectorBlock.str(), "\t=====\n\t 1\n\t 0.5\n\t -2\n\t=====\n");

    CWTSMatrix<2, 3> m;
    m.Fill(4);
    m[1][1] = -0.0;
    m[0][2] = 1.0 / 3;
    std::ostringstream matrixBlock;
    matrixBlock << m;
    EXPECT_EQ(matrixBlock.str(), "\t=====\n\t 4 4 0.333333\n\t 4 -0 4\n\t=====\n");
}
