#include <QFileInfo>

#include "CCalculatorView.h"
#include "CPlotterInputView.h"
#include "CSolverCalculatorView.h"
#include "E2ESession.h"
#include "GridViewIds.h"
#include "KeyIds.h"
#include "LodrinIds.h"
#include "ModeTable.h"
#include "PlotMessages.h"
#include "PlotWindow.h"

namespace {
using namespace KeyId;
constexpr int INPUT = CCalculatorView::INPUT_LINE;
constexpr int RESULT = CCalculatorView::RESULT_LINE;
const QString FUNCTION_OPERATIONS = QStringLiteral("operations");

TEST_F(E2ETest, ScientificByKeysAndByKeyboard) {
    start();
    keys({CLEAR, DIGIT_1, PLUS, DIGIT_2, MULTIPLY, DIGIT_3, EQUALS});
    EXPECT_TRUE(waitText(INPUT, QStringLiteral("1+2*3")));
    EXPECT_TRUE(waitText(RESULT, QStringLiteral("7")));
    keys({CLEAR});
    click(INPUT);
    type(QStringLiteral("2^10+sqrt(16)"));
    key(QStringLiteral("Return"));
    EXPECT_TRUE(waitText(RESULT, QStringLiteral("1028")));
    quit();
}

TEST_F(E2ETest, ComplexSquare) {
    start();
    switchMode(ModeTable::COMPLEX);
    keys({CLEAR, OPEN, DIGIT_3, PLUS, DIGIT_4, IMAGINARY, CLOSE, SQUARE, EQUALS});
    EXPECT_TRUE(waitText(RESULT, QStringLiteral("-7+24i")));
    quit();
}

TEST_F(E2ETest, ProgrammerHexAndBinary) {
    start();
    switchMode(ModeTable::COMPUTER);
    keys({HEX_INPUT, TO_HEX, CLEAR, HEX_F, HEX_F, PLUS, DIGIT_1, EQUALS});
    EXPECT_TRUE(waitText(RESULT, QStringLiteral("hex: 100")));
    keys({TO_BIN});
    EXPECT_TRUE(waitText(RESULT, QStringLiteral("bin: 100000000")));
    quit();
}

TEST_F(E2ETest, FunctionCalculatorDerivativeAndZeros) {
    start();
    switchMode(ModeTable::FUNCTION_CALCULATOR);
    click(INPUT);
    type(QStringLiteral("x^3-2*x"));
    click(EQUALS);
    EXPECT_TRUE(waitText(RESULT, QStringLiteral("3x^2-2")));
    choose(FUNCTION_OPERATIONS, QStringLiteral("solve"));
    click(EQUALS);
    retype(LodrinId::EDIT_FROMX, QStringLiteral("-3"));
    retype(LodrinId::EDIT_TOX, QStringLiteral("3"));
    confirm();
    EXPECT_TRUE(waitText(RESULT, QStringLiteral("f(x)=0 at -1.4142135624; 0; 1.4142135624")));
    quit();
}

TEST_F(E2ETest, SolverFindsTheUnknownInTheAskedRange) {
    start();
    enterEquation(QStringLiteral("a^2+b^2=c^2"), QStringLiteral("3\t4"));
    click(CSolverCalculatorView::WIDE_EQUALS_KEY);
    // The wide search misses the zeros of the parabola and asks for a range.
    ASSERT_TRUE(waitShown(QString::number(LodrinId::EDIT_FROMX))) << "no range asked";
    confirm();
    EXPECT_TRUE(waitText(RESULT, QStringLiteral("c=-5; 5")));
    quit();
}

TEST_F(E2ETest, MatrixInverse) {
    start();
    switchMode(ModeTable::MATRIX);
    clickCell(GridViewIds::MATRIX_GRID_1, 0, 0);
    for (const char* row : {"2\t1", "1\t1"}) { // Tab to the next cell, Enter to the next row
        type(QString::fromLatin1(row));
        key(QStringLiteral("Return"));
    }
    choose(GridViewIds::MATRIX_OPERATION, QStringLiteral("inv"));
    click(EQUALS);
    EXPECT_TRUE(waitText(QString::number(GridViewIds::MATRIX_GRID_RESULT), QStringLiteral("1\t-1\n-1\t2")));
    quit();
}

TEST_F(E2ETest, StatisticsMeanOfTypedPoints) {
    start();
    switchMode(ModeTable::STATISTIC);
    clickCell(GridViewIds::STATISTICS_GRID, 0, 0);
    for (const char* row : {"1\t2\t3\t6", "5\t4\t3\t2"}) { // four points: the least a calculation takes
        type(QString::fromLatin1(row));
        key(QStringLiteral("Return"));
    }
    click(INPUT);
    keys({STAT_MEAN, EQUALS});
    EXPECT_TRUE(waitText(INPUT, QStringLiteral("meanx()")));
    EXPECT_TRUE(waitText(RESULT, QStringLiteral("3")));
    keys({CLEAR, INV, STAT_MEAN, EQUALS});
    EXPECT_TRUE(waitText(RESULT, QStringLiteral("3.5")));
    quit();
}

TEST_F(E2ETest, ConverterKilometreToMetre) {
    start();
    switchMode(ModeTable::CONVERTER);
    choose(GridViewIds::GROUP_LIST, QStringLiteral("Dis"));
    choose(GridViewIds::FROM_LIST, QStringLiteral("kilometer"));
    choose(GridViewIds::TO_LIST, QStringLiteral("meter"));
    click(INPUT);
    type(QStringLiteral("5"));
    key(QStringLiteral("Return"));
    EXPECT_TRUE(waitText(RESULT, QStringLiteral("5000")));
    quit();
}
} // namespace
