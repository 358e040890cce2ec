#include "CCalculatorView.h"
#include "CPlotterInputView.h"
#include "CSolverCalculatorView.h"
#include "E2ESession.h"
#include "GridViewIds.h"
#include "KeyIds.h"
#include "LodrinIds.h"
#include "MenuResources.h"
#include "ModeTable.h"

namespace {
using namespace KeyId;
namespace L = LodrinId;
namespace M = MenuResources;
constexpr int INPUT = CCalculatorView::INPUT_LINE;
constexpr int RESULT = CCalculatorView::RESULT_LINE;

// The view each mode shows.
const std::pair<int, const char*> s_views[] = {
    {ModeTable::PLOTTER, "CPlotterInputView"},
    {ModeTable::MATRIX, "CMatrixCalculatorView"},
    {ModeTable::STATISTIC, "CStatisticCalculatorView"},
    {ModeTable::CONVERTER, "CConverterCalculatorView"},
    {ModeTable::FUNCTION_CALCULATOR, "CFunctionCalculatorView"},
    {ModeTable::COMPUTER, "CComputerCalculatorView"},
    {ModeTable::COMPLEX, "CComplexCalculatorView"},
    {ModeTable::SOLVER, "CSolverCalculatorView"},
    {ModeTable::SCIENTIFIC, "CMyScientificCalculatorView"},
};

class E2ESessionTest : public E2ETest {
protected:
    // Options: the language by the first letters of its name.
    void chooseLanguage(const QString& language) {
        menuCommand(M::ID_OPTIONS);
        choose(L::OPT_LANGUAGE, language);
        confirm();
        EXPECT_TRUE(waitShown(QString::number(L::OPT_LANGUAGE), false));
    }
    // Opens a dialog of the Edit menu, asks the probe about one of its
    // fields ("text" or "items"), and closes the dialog with Escape.
    QString fromDialog(int command, const char* query, int field) {
        menuCommand(command);
        if (!waitShown(QString::number(field))) return QStringLiteral("<no dialog>");
        const QString shown = ask(QStringLiteral("%1 %2").arg(QLatin1String(query)).arg(field))
                                  .value_or(QStringLiteral("<none>"));
        key(QStringLiteral("Escape"));
        EXPECT_TRUE(waitShown(QString::number(field), false));
        return shown;
    }
};

TEST_F(E2ESessionTest, EveryModeFromTheMenuInBothLanguages) {
    start();
    for (const char* language : {"Deutsch", "English"}) {
        chooseLanguage(QString::fromLatin1(language));
        const bool german = language[0] == 'D';
        EXPECT_TRUE(ask(german ? QStringLiteral("menu Rechner") : QStringLiteral("menu Calculator")))
            << "the menu bar is not in " << language;
        for (const auto& [mode, view] : s_views) {
            switchMode(mode);
            EXPECT_EQ(viewClass(), QLatin1String(view)) << language;
        }
        switchMode(ModeTable::PLOTTER);
        EXPECT_TRUE(waitText(CPlotterInputView::PLOT_KEY,
                             german ? QStringLiteral("Zeichnen") : QStringLiteral("Plot")));
        switchMode(ModeTable::SCIENTIFIC);
    }
    quit();
}

// What the user leaves in one session is there in the next.
TEST_F(E2ESessionTest, ARestartFindsEverythingAsLeft) {
    start();
    keys({CLEAR, DIGIT_1, PLUS, DIGIT_2, MULTIPLY, DIGIT_3, EQUALS});
    ASSERT_TRUE(waitText(RESULT, QStringLiteral("7")));

    menuCommand(M::ID_CONSTANTS);
    retype(L::CONST_NAME, QStringLiteral("rho"));
    retype(L::CONST_VALUE, QStringLiteral("1.2"));
    confirm();

    menuCommand(M::ID_MY_FUNCTIONS);
    retype(L::FUNC_EXPRESSION, QStringLiteral("hyp(x,y)=sqrt(x^2+y^2)"));
    retype(L::FUNC_CAPTION, QStringLiteral("hyp"));
    confirm();
    EXPECT_TRUE(waitShown(QString::number(L::FUNC_CAPTION), false));

    enterEquation(QStringLiteral("a^2+b^2=c^2"), QStringLiteral("3\t4"));
    click(STORE);
    retype(L::EQ_NAME, QStringLiteral("Pythagoras"));
    choose(L::EQ_LIST, QStringLiteral("1:"));
    confirm();

    switchMode(ModeTable::STATISTIC);
    clickCell(GridViewIds::STATISTICS_GRID, 0, 0);
    for (const char* row : {"1\t2\t3", "2\t4\t7"}) { // x, then y, point by point
        type(QString::fromLatin1(row));
        key(QStringLiteral("Return"));
    }

    switchMode(ModeTable::CONVERTER);
    choose(GridViewIds::GROUP_LIST, QStringLiteral("Dis"));
    click(GridViewIds::KEY_ADD_UNIT);
    retype(L::METRIC_NAME, QStringLiteral("furlong"));
    retype(L::METRIC_VALUE, QStringLiteral("201.168"));
    confirm();
    chooseLanguage(QStringLiteral("Deutsch"));
    quit();

    start();
    EXPECT_EQ(viewClass(), QLatin1String("CConverterCalculatorView")) << "not the last mode";
    EXPECT_TRUE(ask(QStringLiteral("menu Rechner"))) << "not the language chosen";
    EXPECT_TRUE(
        ask(QStringLiteral("items %1").arg(GridViewIds::FROM_LIST)).value_or(QString()).contains("furlong"));

    switchMode(ModeTable::SOLVER);
    click(LOAD);
    choose(L::EQ_LIST, QStringLiteral("1:"));
    EXPECT_TRUE(text(L::EQ_LIST).contains(QLatin1String("Pythagoras"))) << qPrintable(text(L::EQ_LIST));
    confirm();
    EXPECT_TRUE(waitText(INPUT, QStringLiteral("a^2+b^2=c^2")));
    EXPECT_TRUE(waitText(QString::number(CSolverCalculatorView::PARAMETER_GRID), QStringLiteral("3\t4")));

    switchMode(ModeTable::STATISTIC);
    EXPECT_TRUE(waitText(QString::number(GridViewIds::STATISTICS_GRID), QStringLiteral("1\t2\t3\n2\t4\t7")));

    switchMode(ModeTable::SCIENTIFIC);
    EXPECT_TRUE(fromDialog(M::ID_HISTORY, "items", L::HISTORY_LIST).contains(QLatin1String("1+2*3")));
    EXPECT_EQ(fromDialog(M::ID_CONSTANTS, "text", L::CONST_VALUE), QStringLiteral("1.2"));
    EXPECT_EQ(fromDialog(M::ID_CONSTANTS, "text", L::CONST_NAME), QStringLiteral("rho"));
    EXPECT_EQ(fromDialog(M::ID_MY_FUNCTIONS, "text", L::FUNC_EXPRESSION),
              QStringLiteral("hyp(x,y)=sqrt(x^2+y^2)"));
    quit();
}
} // namespace
