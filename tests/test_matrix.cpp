// What the demos' traces cannot show of the matrix types: how their arithmetic rounds and
// compares, and the print forms' edge cases.
#include "harness.h"
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

using namespace CwMtx;

TEST(Matrix, ComparisonIsExact) {
    EXPECT_FALSE((CWTSVector<2>{0.1 + 0.2, 1.0} == CWTSVector<2>{0.3, 1.0}));
    EXPECT_TRUE((CWTSVector<3>{1, 2, 3} != CWTSVector<3>{1, 2, std::nextafter(3.0, 4.0)}));
    const CWTSVector<2> withNan{std::numeric_limits<double>::quiet_NaN(), 1.0};
    EXPECT_FALSE(withNan == withNan);
    EXPECT_TRUE((CWTSVector<2>{0.0, 1.0} == CWTSVector<2>{-0.0, 1.0}));
}

TEST(Matrix, DivisionMultipliesByTheRoundedReciprocal) {
    // 7 / 3 and 7 times the rounded reciprocal of 3 differ in the last bit.
    const CWTSVector<2> quotient = CWTSVector<2>{3, 7} / 3.0;
    EXPECT_EQ(quotient[1], 7 * (1 / 3.0));
    EXPECT_NE(quotient[1], 7 / 3.0);
}

TEST(Matrix, SumsStartFromZeroInAscendingOrder) {
    // 1e16 + 1 - 1e16 is 0 in that order; any other order gives 1 or 2.
    CWTSMatrix<1, 3> row;
    row.Fill(1);
    row[0][0] = 1e16;
    row[0][2] = -1e16;
    const CWTSVector<3> ones{1, 1, 1};
    EXPECT_EQ((row * ones)[0][0], 0);
    EXPECT_EQ((CWTSVector<3>{1e16, 1.0, -1e16} * ones), 0);
}

TEST(Matrix, OperationsStayWithinTheirElements) {
    // Each vector is followed by a value of its own, both kept in memory (static): an
    // operation reaching past the elements would change that value, or compare or add it.
    struct Guarded {
        CWTSVector<2> v;
        double after;
    };
    static Guarded a{{1.0, 2.0}, 7}, b{{1.0, 2.0}, 8};
    EXPECT_TRUE(a.v == b.v);
    EXPECT_EQ(a.v * b.v, 5);
    a.v += b.v;
    b.v -= a.v;
    a.v *= 2;
    b.v.Fill(3);
    EXPECT_EQ(a.v, (CWTSVector<2>{4, 8}));
    EXPECT_EQ(a.after, 7);
    EXPECT_EQ(b.after, 8);
}

TEST(MatrixPrint, EdgeCasesOfBothForms) {
    EXPECT_EQ(outputOf([] { iprint("", CWTSVector<2>{1.0, -1.0}); }, ""), " [ 1; -1 ]");
    EXPECT_EQ(outputOf([] { iprint(CWTSVector<3>{0.5, -2.0, 1e-7}, "  "); }, ""), "[ 0.5; -2; 1e-07 ]   ");
    CWTSMatrix<2, 3> m;
    m.Fill(4);
    m[1][1] = -0.0;
    m[0][2] = 1.0 / 3;
    std::ostringstream block;
    block << m;
    EXPECT_EQ(block.str(), "\t=====\n\t 4 4 0.333333\n\t 4 -0 4\n\t=====\n");
}
