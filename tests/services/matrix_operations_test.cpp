#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <string>
#include <vector>

#include "Complex.h"
#include "IExpression.h"
#include "MessageIds.h"
#include "OrvantaCalcBase.h"
#include "ReportingFixture.h"

namespace {
using CalculatorModes::MATRIXOPERATION;
using namespace CalculatorModes;

MatrixContent matrix(int rows, int columns, std::vector<std::wstring> cells) {
    return MatrixContent(rows, columns, std::move(cells));
}

const MatrixContent kEmpty;
const MatrixContent k2x3 = matrix(2, 3, {L"1", L"2", L"3", L"4", L"5", L"6"});
const MatrixContent k3x2 = matrix(3, 2, {L"1", L"2", L"3", L"4", L"5", L"6"});
const MatrixContent k2x2 = matrix(2, 2, {L"1", L"2", L"3", L"4"});
const MatrixContent k1x3 = matrix(1, 3, {L"1", L"2", L"3"});
const MatrixContent k3x1 = matrix(3, 1, {L"1", L"2", L"3"});
const MatrixContent k2x2Hole = matrix(2, 2, {L"1", L"", L"3", L"4"});
const MatrixContent k2x3Hole = matrix(2, 3, {L"1", L"2", L"3", L"4", L"5", L""});
const MatrixContent k3x3Short = matrix(3, 3, {L"1", L"2", L"3"}); // fewer cells than the shape names

class MatrixTest : public ReportingTest {
protected:
    void SetUp() override {
        ReportingTest::SetUp();
        IExpression::s_withex = true;
    }
    void TearDown() override {
        IExpression::s_withex = false;
        ReportingTest::TearDown();
    }

    bool run(MATRIXOPERATION op, MatrixContent a, MatrixContent b = MatrixContent(), bool real = true,
             bool rectangular = true) {
        return calc.calculateMatrix(result, a, b, op, 0, 10, real, rectangular);
    }

    std::vector<double> values() const {
        std::vector<double> v;
        for (const std::wstring& cell : result.cells)
            v.push_back(std::wcstod(cell.c_str(), nullptr));
        return v;
    }

    OrvantaCalcBase calc;
    MatrixContent result;
};

std::wstring notAllCells(int rows, int columns) {
    std::wstring format = OrvantaCalcBase::loadString(MessageId::MATRIX_NOT_ALL_CELLS);
    wchar_t text[256];
    std::swprintf(text, 256, format.c_str(), rows, columns);
    return text;
}

struct CheckCase {
    const char* name;
    MATRIXOPERATION op;
    MatrixContent a;
    MatrixContent b;
    std::wstring message;
};

TEST_F(MatrixTest, ChecksInTheirOrder) {
    const CheckCase cases[] = {
        {"sum without B", MAT_ADD, k2x2, kEmpty, OrvantaCalcBase::loadString(MessageId::MATRIX_FILL_BOTH)},
        {"product without A", MAT_MUL, kEmpty, k2x2,
         OrvantaCalcBase::loadString(MessageId::MATRIX_FILL_BOTH)},
        {"transpose without A", MAT_TRANSPOSE, kEmpty, k2x2,
         OrvantaCalcBase::loadString(MessageId::MATRIX_FILL_FIRST)},
        {"a zero-column A", MAT_DET, matrix(2, 0, {}), kEmpty,
         OrvantaCalcBase::loadString(MessageId::MATRIX_FILL_FIRST)},
        {"hole in A", MAT_TRANSPOSE, k2x2Hole, kEmpty, notAllCells(2, 2)},
        {"A shorter than its shape", MAT_TRANSPOSE, k3x3Short, kEmpty, notAllCells(3, 3)},
        {"hole in A before the square check", MAT_DET, k2x3Hole, kEmpty, notAllCells(2, 3)},
        {"determinant of 2x3", MAT_DET, k2x3, kEmpty,
         OrvantaCalcBase::loadString(MessageId::MATRIX_NOT_SQUARE)},
        {"inverse of 3x2", MAT_INVERSE, k3x2, kEmpty,
         OrvantaCalcBase::loadString(MessageId::MATRIX_NOT_SQUARE)},
        {"rank of 1x3", MAT_RANK, k1x3, kEmpty, OrvantaCalcBase::loadString(MessageId::MATRIX_AT_LEAST_2X2)},
        {"gauss of 3x1", MAT_GAUSS_ROWS, k3x1, kEmpty,
         OrvantaCalcBase::loadString(MessageId::MATRIX_AT_LEAST_2X2)},
        {"linear system of 1x3", MAT_LINEAR_EQUATION, k1x3, kEmpty,
         OrvantaCalcBase::loadString(MessageId::MATRIX_AT_LEAST_2X2)},
        {"size before B's hole", MAT_GAUSS_NORMAL, k1x3, k2x2Hole,
         OrvantaCalcBase::loadString(MessageId::MATRIX_AT_LEAST_2X2)},
        {"hole in B, even for a transpose", MAT_TRANSPOSE, k2x2, k2x3Hole, notAllCells(2, 3)},
        {"hole in B before the shapes", MAT_MUL, k2x2, k2x3Hole, notAllCells(2, 3)},
        {"product 2x3 by 2x3", MAT_MUL, k2x3, k2x3,
         OrvantaCalcBase::loadString(MessageId::MATRIX_MULTIPLY_SHAPE)},
        {"difference 2x3 and 3x2", MAT_SUB, k2x3, k3x2,
         OrvantaCalcBase::loadString(MessageId::MATRIX_SUBTRACT_SHAPE)},
        {"sum 2x3 and 3x2", MAT_ADD, k2x3, k3x2, OrvantaCalcBase::loadString(MessageId::MATRIX_ADD_SHAPE)},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        result = matrix(1, 1, {L"kept"});
        EXPECT_FALSE(run(c.op, c.a, c.b));
        EXPECT_EQ(OrvantaCalcBase::getLastError(), c.message);
        EXPECT_EQ(result.cells, std::vector<std::wstring>{L"kept"});
    }
    EXPECT_EQ(notAllCells(2, 3), L"Matrix seems to have 2 rows and 3 columns, but not all cells are filled.");
}

struct RealCase {
    const char* name;
    MATRIXOPERATION op;
    MatrixContent a;
    MatrixContent b;
    int rows;
    int columns;
    std::vector<double> expected;
};

TEST_F(MatrixTest, RealOperations) {
    const RealCase cases[] = {
        {"sum", MAT_ADD, k2x2, matrix(2, 2, {L"10", L"20", L"30", L"40"}), 2, 2, {11, 22, 33, 44}},
        {"difference", MAT_SUB, k2x2, matrix(2, 2, {L"10", L"20", L"30", L"40"}), 2, 2, {-9, -18, -27, -36}},
        {"product 2x3 by 3x2", MAT_MUL, k2x3, k3x2, 2, 2, {22, 28, 49, 64}},
        {"product 3x2 by 2x3", MAT_MUL, k3x2, k2x3, 3, 3, {9, 12, 15, 19, 26, 33, 29, 40, 51}},
        {"transpose", MAT_TRANSPOSE, k2x3, kEmpty, 3, 2, {1, 4, 2, 5, 3, 6}},
        {"determinant 1x1", MAT_DET, matrix(1, 1, {L"5"}), kEmpty, 1, 1, {5}},
        {"determinant 3x3",
         MAT_DET,
         matrix(3, 3, {L"6", L"1", L"1", L"4", L"-2", L"5", L"2", L"8", L"7"}),
         kEmpty,
         1,
         1,
         {-306}},
        {"inverse 1x1", MAT_INVERSE, matrix(1, 1, {L"5"}), kEmpty, 1, 1, {0.2}},
        {"inverse 2x2",
         MAT_INVERSE,
         matrix(2, 2, {L"4", L"7", L"2", L"6"}),
         kEmpty,
         2,
         2,
         {0.6, -0.7, -0.2, 0.4}},
        {"inverse 3x3",
         MAT_INVERSE,
         matrix(3, 3, {L"2", L"0", L"0", L"0", L"4", L"0", L"1", L"0", L"1"}),
         kEmpty,
         3,
         3,
         {0.5, 0, 0, 0, 0.25, 0, -0.5, 0, 1}},
        {"rank 1", MAT_RANK, matrix(2, 2, {L"1", L"2", L"2", L"4"}), kEmpty, 1, 1, {1}},
        {"rank 3",
         MAT_RANK,
         matrix(3, 3, {L"2", L"1", L"0", L"1", L"3", L"1", L"0", L"1", L"4"}),
         kEmpty,
         1,
         1,
         {3}},
        {"rank with a zero first row",
         MAT_RANK,
         matrix(3, 3, {L"0", L"0", L"0", L"0", L"1", L"1", L"0", L"1", L"1"}),
         kEmpty,
         1,
         1,
         {1}},
        {"rank of dependent rows below a zero row",
         MAT_RANK,
         matrix(4, 3, {L"1", L"1", L"1", L"1", L"1", L"1", L"0", L"0", L"1", L"0", L"0", L"1"}),
         kEmpty,
         1,
         1,
         {2}},
        {"linear equation",
         MAT_LINEAR_EQUATION,
         matrix(2, 3, {L"1", L"1", L"3", L"1", L"-1", L"1"}),
         kEmpty,
         2,
         3,
         {1, 0, 2, 0, 1, 1}},
        {"gauss normal", MAT_GAUSS_NORMAL, k2x2, kEmpty, 2, 2, {1, 0, 0, 1}},
        {"cells are expressions",
         MAT_ADD,
         matrix(1, 3, {L"2*3", L"sqr(16)", L"1.5E2"}),
         matrix(1, 3, {L"(1+1)^3", L"-1", L"pi-pi"}),
         1,
         3,
         {14, 3, 150}},
    };
    for (const RealCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(run(c.op, c.a, c.b))
            << std::string(OrvantaCalcBase::getLastError().begin(), OrvantaCalcBase::getLastError().end());
        EXPECT_EQ(result.rows, c.rows);
        EXPECT_EQ(result.columns, c.columns);
        const std::vector<double> v = values();
        ASSERT_EQ(v.size(), c.expected.size());
        for (std::size_t i = 0; i < v.size(); ++i)
            EXPECT_NEAR(v[i], c.expected[i], 1e-9) << "cell " << i;
    }
}

TEST_F(MatrixTest, ResultCellsAreFormattedNumbersOrNanAndInf) {
    ASSERT_TRUE(run(MAT_DET, matrix(2, 2, {L"1", L"2", L"3", L"4"})));
    std::wstring minusTwo;
    IExpression::value2String(-2.0, minusTwo, 0, 10, true);
    EXPECT_EQ(result.cells, std::vector<std::wstring>{minusTwo});

    // 1E308 + 1E308 overflows; the product's two overflowing terms cancel to NaN.
    ASSERT_TRUE(run(MAT_ADD, matrix(1, 2, {L"1E308", L"1"}), matrix(1, 2, {L"1E308", L"1"})));
    EXPECT_EQ(result.cells[0], L"INF");
    ASSERT_TRUE(run(MAT_MUL, matrix(1, 2, {L"1E308", L"1E308"}), matrix(2, 1, {L"1E308", L"-1E308"})));
    EXPECT_EQ(result.cells, std::vector<std::wstring>{L"NAN"});
}

TEST_F(MatrixTest, SingularMatricesHaveNoInverse) {
    for (const MatrixContent& m : {matrix(2, 2, {L"1", L"2", L"2", L"4"}), matrix(1, 1, {L"0"}),
                                   matrix(3, 3, {L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"})}) {
        result = matrix(1, 1, {L"kept"});
        EXPECT_FALSE(run(MAT_INVERSE, m));
        EXPECT_EQ(OrvantaCalcBase::getLastError(), L"This matrix has no inverse matrix!");
        EXPECT_EQ(result.cells, std::vector<std::wstring>{L"kept"});
    }
}

TEST_F(MatrixTest, UnreadableCellsAndForeignOperations) {
    EXPECT_FALSE(run(MAT_TRANSPOSE, matrix(1, 2, {L"1", L"1+"})));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), OrvantaCalcBase::loadString(MessageId::INVALID_INPUT));
    EXPECT_FALSE(run(MAT_CONJUGATE, k2x2)); // complex only
    EXPECT_EQ(OrvantaCalcBase::getLastError(), OrvantaCalcBase::loadString(MessageId::INTERNAL));
    EXPECT_FALSE(run(MAT_RANK, k2x2, kEmpty, false)); // real only
    EXPECT_EQ(OrvantaCalcBase::getLastError(), OrvantaCalcBase::loadString(MessageId::INTERNAL));
    EXPECT_FALSE(run(static_cast<MATRIXOPERATION>(42), k2x2));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), OrvantaCalcBase::loadString(MessageId::INTERNAL));
}

TEST_F(MatrixTest, OperandsKeepTheirTexts) {
    MatrixContent a = matrix(1, 2, {L"1E3", L"2"});
    MatrixContent b = matrix(1, 2, {L"3", L"4E-1"});
    ASSERT_TRUE(calc.calculateMatrix(result, a, b, MAT_ADD, 0, 10, true, true));
    EXPECT_EQ(a.cells, (std::vector<std::wstring>{L"1E3", L"2"}));
    EXPECT_EQ(b.cells, (std::vector<std::wstring>{L"3", L"4E-1"}));
}

std::wstring rectangular(const Complex& z) {
    std::wstring text;
    z.toStringRectangular(text, 4);
    return text;
}

struct ComplexCase {
    const char* name;
    MATRIXOPERATION op;
    MatrixContent a;
    MatrixContent b;
    int rows;
    int columns;
    std::vector<Complex> expected;
};

TEST_F(MatrixTest, ComplexOperations) {
    const MatrixContent z2x2 = matrix(2, 2, {L"i", L"1", L"1", L"i"});
    const MatrixContent z2x3 = matrix(2, 3, {L"i", L"2", L"3i", L"4", L"-5i", L"6"});
    const ComplexCase cases[] = {
        {"sum", MAT_ADD, z2x2, z2x2, 2, 2, {Complex(0, 2), Complex(2, 0), Complex(2, 0), Complex(0, 2)}},
        {"cells are expressions",
         MAT_ADD,
         matrix(1, 2, {L"1+2i", L"(1+i)*(1-i)"}),
         matrix(1, 2, {L"3-i", L"i*i"}),
         1,
         2,
         {Complex(4, 1), Complex(1, 0)}},
        {"difference",
         MAT_SUB,
         z2x2,
         matrix(2, 2, {L"1", L"1", L"1", L"1"}),
         2,
         2,
         {Complex(-1, 1), Complex(0, 0), Complex(0, 0), Complex(-1, 1)}},
        {"product", MAT_MUL, z2x2, z2x2, 2, 2, {Complex(0, 0), Complex(0, 2), Complex(0, 2), Complex(0, 0)}},
        {"transpose",
         MAT_TRANSPOSE,
         z2x3,
         kEmpty,
         3,
         2,
         {Complex(0, 1), Complex(4, 0), Complex(2, 0), Complex(0, -5), Complex(0, 3), Complex(6, 0)}},
        {"determinant", MAT_DET, z2x2, kEmpty, 1, 1, {Complex(-2, 0)}},
        {"inverse 1x1", MAT_INVERSE, matrix(1, 1, {L"2i"}), kEmpty, 1, 1, {Complex(0, -0.5)}},
        {"inverse 2x2",
         MAT_INVERSE,
         z2x2,
         kEmpty,
         2,
         2,
         {Complex(0, -0.5), Complex(0.5, 0), Complex(0.5, 0), Complex(0, -0.5)}},
        {"conjugate",
         MAT_CONJUGATE,
         z2x3,
         kEmpty,
         2,
         3,
         {Complex(0, -1), Complex(2, 0), Complex(0, -3), Complex(4, 0), Complex(0, 5), Complex(6, 0)}},
        {"adjugate of 2x3 is 3x2",
         MAT_ADJUGATE,
         z2x3,
         kEmpty,
         3,
         2,
         {Complex(0, -1), Complex(4, 0), Complex(2, 0), Complex(0, 5), Complex(0, -3), Complex(6, 0)}},
    };
    for (const ComplexCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(run(c.op, c.a, c.b, false))
            << std::string(OrvantaCalcBase::getLastError().begin(), OrvantaCalcBase::getLastError().end());
        EXPECT_EQ(result.rows, c.rows);
        EXPECT_EQ(result.columns, c.columns);
        ASSERT_EQ(result.cells.size(), c.expected.size());
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(result.cells[i], rectangular(c.expected[i])) << "cell " << i;
    }
}

TEST_F(MatrixTest, ComplexResultsInPolarForm) {
    // The calculator's polar form and degrees must not leak into the cell values.
    calc.setComplexTyp(POLAR);
    calc.setMode(DEG);
    const bool ok = run(MAT_DET, matrix(2, 2, {L"i", L"1", L"1", L"i"}), kEmpty, false, false);
    calc.setMode(RAD);
    ASSERT_TRUE(ok);
    std::wstring polar;
    Complex(-2, 0).toStringPolar(polar, 4);
    EXPECT_EQ(result.cells, std::vector<std::wstring>{polar});
}

TEST_F(MatrixTest, ComplexFailures) {
    std::vector<std::wstring> boxes;
    OrvantaCalcBase::setMessageBoxHandler(
        [&boxes](const std::wstring& text, OrvantaCalcBase::MessageIcon) { boxes.push_back(text); });
    EXPECT_FALSE(run(MAT_ADD, matrix(1, 2, {L"1", L"2+"}), matrix(1, 2, {L"1", L"1"}), false));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), OrvantaCalcBase::loadString(MessageId::INVALID_INPUT));
    EXPECT_EQ(boxes, std::vector<std::wstring>{L"Wrong expression:\n2+"});

    EXPECT_FALSE(run(MAT_INVERSE, matrix(2, 2, {L"i", L"2i", L"1", L"2"}), kEmpty, false));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), L"This matrix has no inverse matrix!");
}
} // namespace
