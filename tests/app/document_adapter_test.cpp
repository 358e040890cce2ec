#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <cmath>

#include "AppTest.h"
#include "CDlgParameters.h"
#include "COrvantaDoc.h"
#include "MessageIds.h"

namespace {
class DocumentAdapterTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_document = std::make_unique<COrvantaDoc>(store());
    }
    void TearDown() override {
        m_document.reset();
        AppTest::TearDown();
    }
    COrvantaDoc& doc() { return *m_document; }

    std::unique_ptr<COrvantaDoc> m_document;
};

enum class Operation { Normal, Complex, Computer };

std::wstring run(COrvantaDoc& doc, Operation op, const std::wstring& text, bool& ok) {
    std::wstring input = text;
    std::wstring result = L"before";
    switch (op) {
    case Operation::Normal:
        ok = doc.calculateNormal(input, result);
        break;
    case Operation::Complex:
        ok = doc.calculateComplex(input, result);
        break;
    case Operation::Computer:
        ok = doc.calculateComputer(input, result);
        break;
    }
    return result;
}
} // namespace

TEST_F(DocumentAdapterTest, AFailureLeavesTheMessageAsTheResult) {
    struct Case {
        Operation op;
        const wchar_t* input;
        unsigned message;
    };
    const Case cases[] = {
        {Operation::Normal, L"1/0", MessageId::FAULT_FLT_DIVIDE_BY_ZERO},
        {Operation::Normal, L"(1+2", MessageId::PARENTHESIS_CHECK},
        {Operation::Normal, L"", MessageId::NOTHING_TO_CALCULATE},
        {Operation::Complex, L"(1+i", MessageId::PARENTHESIS_CHECK},
        {Operation::Complex, L"", MessageId::NOTHING_TO_CALCULATE},
        {Operation::Computer, L"(1+2", MessageId::PARENTHESIS_CHECK},
    };
    for (int language : {0, 1}) {
        doc().setLanguage(language);
        for (const Case& c : cases) {
            bool ok = true;
            EXPECT_EQ(run(doc(), c.op, c.input, ok), engineText(c.message + 1000 * language)) << c.input;
            EXPECT_FALSE(ok) << c.input;
        }
    }
    doc().setLanguage(0);
}

TEST_F(DocumentAdapterTest, TheDocumentsSettingsReachTheEngine) {
    bool ok = false;
    doc().m_mode = CalculatorModes::DEG;
    EXPECT_EQ(run(doc(), Operation::Normal, L"sin(30)", ok), L"0.5");
    doc().m_mode = CalculatorModes::RAD;
    doc().m_numMode = 1;
    doc().m_precision = 5;
    EXPECT_EQ(run(doc(), Operation::Normal, L"1234.5", ok), L"1.2345E+003");
    EXPECT_TRUE(ok);
    doc().m_numMode = 0;
    doc().m_precision = 10;
    doc().m_computerResult = CalculatorModes::RESULT_DEC;
    EXPECT_EQ(run(doc(), Operation::Computer, L"FF", ok), L"255");
    doc().m_computerMode = CalculatorModes::COMP_DEC;
    doc().m_computerResult = CalculatorModes::RESULT_HEX;
    EXPECT_EQ(run(doc(), Operation::Computer, L"255", ok), L"FF");
    EXPECT_EQ(run(doc(), Operation::Complex, L"(1+2*i)*(3-i)", ok), L"5+5i");
    doc().setUseJ(true);
    EXPECT_EQ(run(doc(), Operation::Complex, L"(1+2*j)*(3-j)", ok), L"5+5j");
    doc().setUseJ(false);
    EXPECT_EQ(run(doc(), Operation::Normal, L"10^400", ok), engineText(MessageId::INFINITE_VALUE));
}

TEST_F(DocumentAdapterTest, PlaceholdersAskForTheirValuesInTheParameterDialog) {
    bool ok = false;
    onNextDialog<CDlgParameters>([](CDlgParameters& dialog) {
        EXPECT_EQ(dialog.parentWidget(), nullptr);
        EXPECT_FALSE(dialog.findChild<QLineEdit*>("1316")->isEnabled()) << "w is not used";
        dialog.findChild<QLineEdit*>("1320")->setText("3");
        dialog.findChild<QLineEdit*>("1105")->setText("0.5");
        QTest::mouseClick(dialog.findChild<QAbstractButton*>("1"), Qt::LeftButton);
    });
    EXPECT_EQ(run(doc(), Operation::Normal, L"[x]^2+[z]", ok), L"f(x=3,z=0.5)=9.5");
    EXPECT_TRUE(ok);

    onNextDialog<CDlgParameters>([](CDlgParameters&) {}); // left open: cancelled
    EXPECT_EQ(run(doc(), Operation::Normal, L"[x]^2", ok), L"before");
    EXPECT_TRUE(ok);
    EXPECT_EQ(run(doc(), Operation::Normal, L"[a]+1", ok), L"before") << "no known placeholder, no dialog";

    doc().setParameterSource([](PlaceholderValues& values) {
        values.value[0] = -1;
        return true;
    });
    EXPECT_EQ(run(doc(), Operation::Normal, L"[w]*2", ok), L"f(w=-1)=-2");
    doc().setParameterSource({});
}

TEST_F(DocumentAdapterTest, TheFunctionCheckIsTheCommandLinesCheck) {
    struct Case {
        const wchar_t* text;
        bool ok;
        std::wstring message;
    };
    const Case cases[] = {
        {L"f(x)=sin(x)", true, L""},
        {L"g(x)=x", false, engineText(MessageId::NO_TYPE)},
        {L"f(x)x", false, engineText(MessageId::NO_RESULT)},
        {L"f(x)=x+y", false, L"Function f(x)=x+yhas unknown variables!"},
        {L"f(x,y)=x^2+y^2=4", false, L"4: " + engineText(MessageId::RESULT_NUMBER)},
        {L"z(n+1)=5", false, engineText(MessageId::SEQUENCE_DEPENDENCE)},
    };
    for (const Case& c : cases) {
        std::wstring message;
        EXPECT_EQ(doc().checkFunction(c.text, message), c.ok) << c.text;
        EXPECT_EQ(message, c.message) << c.text;
    }
}

TEST_F(DocumentAdapterTest, ConversionsLeaveTheirFailureInTheResult) {
    struct Case {
        const wchar_t *value, *from, *to;
        std::wstring result;
        bool ok;
    };
    const Case cases[] = {
        {L"1", L"meter", L"centimeter", L"100", true},
        {L"2*3", L"kilometer", L"meter", L"6000", true},
        {L"1", L"meter", L"", engineText(MessageId::CONVERTER_FILL_BOTH), false},
        {L"1", L"meter", L"second", engineText(MessageId::NO_CONVERSION), false},
        {L"1/0", L"meter", L"centimeter", engineText(MessageId::FAULT_FLT_DIVIDE_BY_ZERO), false},
    };
    for (const Case& c : cases) {
        std::wstring value = c.value, from = c.from, to = c.to, result = L"before";
        EXPECT_EQ(doc().calculateConverter(value, from, to, result), c.ok) << c.value << " " << c.from;
        EXPECT_EQ(result, c.result) << c.value << " " << c.from;
    }
}

TEST_F(DocumentAdapterTest, TheConverterAndTheIntegralTableAreReady) {
    EXPECT_GT(doc().getGroupSize(), 1);
    EXPECT_GT(doc().getMetricSize(), 1);
    EXPECT_EQ(doc().getGroup(1), L"Distance");
    EXPECT_GT(doc().getIntegralSize(), 0) << "the first start installs the shipped table";
    EXPECT_FALSE(doc().getIntegralGroup(1).empty());
}

TEST_F(DocumentAdapterTest, StatisticsLeaveTheirFailureInTheResult) {
    std::wstring formula = L"meanx()", values = L"2;4;6", result = L"before";
    EXPECT_TRUE(doc().calculateStatisticX(formula, result, values));
    EXPECT_EQ(result, L"4");

    formula = L"meanx()", values = L"1;;3", result = L"before";
    EXPECT_FALSE(doc().calculateStatisticX(formula, result, values));
    EXPECT_EQ(result, engineText(MessageId::INVALID_ELEMENTS));

    formula = L"sumxy()", values = L"1;2;2;4;3;6", result = L"before";
    EXPECT_TRUE(doc().calculateStatisticXY(formula, result, values));
    EXPECT_EQ(result, L"28");

    formula = L"meany()", values = L"1;2;;4", result = L"before";
    EXPECT_FALSE(doc().calculateStatisticXY(formula, result, values));
    EXPECT_EQ(result, engineText(MessageId::INVALID_ELEMENTS));

    std::wstring fitted = L"old", quality = L"old";
    values = L"1;2;;4";
    EXPECT_FALSE(doc().calculateStatisticRegression(CalculatorModes::REG_LINEAR, fitted, quality, values));
    EXPECT_EQ(fitted, L"") << "the fitted text is emptied";
    EXPECT_EQ(quality, engineText(MessageId::INVALID_ELEMENTS)) << "the quality text carries the message";
}

TEST_F(DocumentAdapterTest, AMatrixFailureIsShownInAMessageBox) {
    MatrixContent result, b;
    MatrixContent a(2, 3, {L"1", L"2", L"3", L"4", L"5", L"6"});
    EXPECT_FALSE(doc().calculateMatrix(result, a, b, CalculatorModes::MAT_DET, true));
    ASSERT_EQ(m_platform.messageBox.shown().size(), 1u);
    EXPECT_EQ(m_platform.messageBox.shown()[0].text, engineText(MessageId::MATRIX_NOT_SQUARE));
    EXPECT_EQ(m_platform.messageBox.shown()[0].icon, MessageIcon::None);
    m_platform.messageBox.clear();

    MatrixContent square(2, 2, {L"1", L"2", L"3", L"4"});
    ASSERT_TRUE(doc().calculateMatrix(result, square, b, CalculatorModes::MAT_DET, true));
    EXPECT_EQ(result.cells, std::vector<std::wstring>{L"-2"});
    EXPECT_TRUE(m_platform.messageBox.shown().empty());
}

TEST_F(DocumentAdapterTest, TheFunctionCalculatorShowsFailuresAsResults) {
    std::wstring f = L"arcsin(x+5)", result = L"old";
    EXPECT_FALSE(doc().calculateFunctionSolve(f, result, -1, 1));
    EXPECT_EQ(result, engineText(MessageId::ARCSIN_DOMAIN));
    f = L"x^2";
    EXPECT_FALSE(doc().calculateFunctionExtrema(f, result, 1, 1));
    EXPECT_EQ(result, engineText(MessageId::EXTREMA_RANGE));
    f = L"x^2-4";
    EXPECT_TRUE(doc().calculateFunctionSolve(f, result, -10, 10));
    EXPECT_EQ(result, L"f(x)=0 at -2; 2");

    // A constant angle follows the angle unit; a variable one is in radians.
    doc().m_mode = CalculatorModes::DEG;
    f = L"sin(90)+x";
    EXPECT_TRUE(doc().calculateFunctionAt(f, result, 1));
    EXPECT_EQ(result, L"2");
    double value = 7.0;
    f = L"x(3)";
    EXPECT_FALSE(doc().calculateFunctionAt(f, value, 1.0));
    EXPECT_EQ(value, 7.0) << "the numeric value is left alone";
}

TEST_F(DocumentAdapterTest, PlotSamplingUsesTheAngleUnitWithoutRaisingErrors) {
    doc().m_mode = CalculatorModes::DEG;
    std::wstring f = L"sin(90)*x";
    double from = 1, to = 1, step = 1;
    std::vector<double> values(OrvantaCalcBase::plotSampleCount(from, to, step));
    ASSERT_TRUE(doc().calculatePlotterX(f, from, to, step, values.data(), values.size()));
    EXPECT_NEAR(values[0], 1.0, 1e-12);
    EXPECT_FALSE(IExpression::s_withex);
}

TEST_F(DocumentAdapterTest, TheSolverSearchesItsRangeOrTheWideDefault) {
    bool found = false;
    std::wstring result = L"x";
    EXPECT_TRUE(doc().calculateSolver(L"x^2=4", result, -10, 10, found));
    EXPECT_EQ(result, L"x=-2; 2");
    EXPECT_TRUE(found);

    result = L"x";
    found = false;
    EXPECT_TRUE(doc().calculateSolver(L"x=20000", result, found)) << "without a range: -32000 to 32000";
    EXPECT_EQ(result, L"x=20000");
    EXPECT_TRUE(found);

    result = L"x";
    found = false;
    EXPECT_TRUE(doc().calculateSolver(L"x^2=-1", result, -10, 10, found));
    EXPECT_EQ(result, engineText(MessageId::NO_POINTS));
    EXPECT_FALSE(found);
}
