#include <QLabel>
#include <QPlainTextEdit>

#include "CDlgAbout.h"
#include "CDlgIntegral.h"
#include "CDlgMessage.h"
#include "CDlgOptions.h"
#include "CDlgRange.h"
#include "CDlgRangeSolver.h"
#include "CDlgRangeSteps.h"
#include "CDlgResult.h"
#include "CPropSheetPlotteroptions.h"
#include "CPropSheetPlotteroptions3d.h"
#include "CPropSheetPlotteroptionsComplex.h"
#include "DialogTest.h"
#include "LodrinIds.h"

using namespace LodrinId;

TEST_F(DialogTest, ShowRangeOpensWithLastAcceptedRange) {
    LodrinStarter starter;
    double from = 0, to = 0;
    onNextDialog<CDlgRange>([this](CDlgRange& d) {
        EXPECT_EQ(text(d, PROMPT), "Range for the zeros:");
        type(d, EDIT_FROMX, "-3");
        type(d, EDIT_TOX, "4");
        click(d, OK);
    });
    ASSERT_TRUE(starter.showRange(L"Range for the zeros:", from, to));
    EXPECT_EQ(from, -3.0);
    EXPECT_EQ(to, 4.0);

    onNextDialog<CDlgRange>([this](CDlgRange& d) {
        EXPECT_EQ(text(d, EDIT_FROMX), "-3");
        EXPECT_EQ(text(d, EDIT_TOX), "4");
        type(d, EDIT_FROMX, "1");
        click(d, CANCEL);
    });
    double keptFrom = 11, keptTo = 12;
    EXPECT_FALSE(starter.showRange(L"", keptFrom, keptTo));
    EXPECT_EQ(keptFrom, 11.0) << "Cancel leaves the reference parameters alone";
    EXPECT_EQ(keptTo, 12.0);

    onNextDialog<CDlgRange>([this](CDlgRange& d) { EXPECT_EQ(text(d, EDIT_FROMX), "-3"); });
    EXPECT_FALSE(LodrinStarter().showRange(L"", keptFrom, keptTo))
        << "a dialog left open counts as cancelled";
}

TEST_F(DialogTest, ShowRangeSolverAndStepsCopyBackOnlyAfterOk) {
    LodrinStarter starter;
    double from = 7, to = 8;
    onNextDialog<CDlgRangeSolver>([this](CDlgRangeSolver& d) {
        type(d, EDIT_FROMX, "9");
        click(d, OK); // 9 .. 10 is fine
    });
    ASSERT_TRUE(starter.showRangeSolver(L"", from, to));
    EXPECT_EQ(from, 9.0);
    EXPECT_EQ(to, 10.0);

    int tFrom = 100, tTo = 200, step = 300;
    onNextDialog<CDlgRangeSteps>([this](CDlgRangeSteps& d) {
        type(d, EDIT_STEPS, "0");
        click(d, OK); // refused
        click(d, CANCEL);
    });
    EXPECT_FALSE(starter.showRangeSteps(tFrom, tTo, step));
    EXPECT_EQ(std::tie(tFrom, tTo, step), std::make_tuple(100, 200, 300));
    onNextDialog<CDlgRangeSteps>([this](CDlgRangeSteps& d) {
        type(d, EDIT_STEPS, "3");
        click(d, OK);
    });
    ASSERT_TRUE(starter.showRangeSteps(tFrom, tTo, step));
    EXPECT_EQ(std::tie(tFrom, tTo, step), std::make_tuple(-2, 2, 3));
}

TEST_F(DialogTest, ShowIntegralReturnsStepWidthAreaAndMethod) {
    LodrinStarter starter;
    double from = 0, to = 0, width = 0;
    bool absolute = false;
    int method = -1;
    onNextDialog<CDlgIntegral>([this](CDlgIntegral& d) {
        EXPECT_TRUE(d.isFullScreenDialog());
        type(d, EDIT_FROMX, "0");
        type(d, EDIT_TOX, "3.5");
        d.findChild<QComboBox*>("1035")->setCurrentIndex(4); // "2000"
        d.findChild<QComboBox*>("1038")->setCurrentIndex(2); // Simpson
        click(d, CHECK_AREA);
        click(d, OK);
    });
    ASSERT_TRUE(starter.showIntegral(from, to, width, absolute, method));
    EXPECT_EQ(from, 0.0);
    EXPECT_EQ(to, 3.5);
    EXPECT_DOUBLE_EQ(width, 0.0005);
    EXPECT_TRUE(absolute);
    EXPECT_EQ(method, 2);

    onNextDialog<CDlgIntegral>([this](CDlgIntegral& d) {
        EXPECT_EQ(text(d, 1035), "2000");
        EXPECT_EQ(text(d, EDIT_TOX), "3.5");
        click(d, CANCEL);
    });
    double w2 = 9;
    EXPECT_FALSE(starter.showIntegral(from, to, w2, absolute, method));
    EXPECT_EQ(w2, 9.0);
}

TEST_F(DialogTest, ShowOptionsPassesRpnFlagThroughAndCopiesBackOnOk) {
    LodrinStarter starter;
    int mode = 0, precision = 10, language = 0, stdBackground = 1;
    bool useJ = false, useRPN = true, resultInInput = false;
    unsigned long background = 0x123456;

    onNextDialog<CDlgOptions>([this](CDlgOptions& d) {
        EXPECT_EQ(text(d, OPT_PRECISION), "10");
        d.findChild<QComboBox*>("1110")->setCurrentIndex(1);
        click(d, OPT_USE_J);
        click(d, CANCEL);
    });
    EXPECT_FALSE(starter.showOptions(mode, precision, language, stdBackground, useJ, useRPN, resultInInput,
                                     background));
    EXPECT_EQ(mode, 0);
    EXPECT_FALSE(useJ);

    m_platform.colorPicker.answer(0x0000FF);
    onNextDialog<CDlgOptions>([this](CDlgOptions& d) {
        d.findChild<QComboBox*>("1110")->setCurrentIndex(2);
        d.findChild<QComboBox*>("1003")->setCurrentIndex(2); // 3 digits
        d.findChild<QComboBox*>("1072")->setCurrentIndex(1);
        click(d, OPT_STD_BACKGROUND);
        click(d, OPT_USE_J);
        click(d, OPT_RESULT_IN_INPUT);
        click(d, OPT_BACKGROUND_COLOR);
        click(d, OK);
    });
    ASSERT_TRUE(starter.showOptions(mode, precision, language, stdBackground, useJ, useRPN, resultInInput,
                                    background));
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(precision, 3);
    EXPECT_EQ(language, 1);
    EXPECT_EQ(stdBackground, 0);
    EXPECT_TRUE(useJ);
    EXPECT_TRUE(resultInInput);
    EXPECT_EQ(background, 0x0000FFul);
    EXPECT_TRUE(useRPN) << "the RPN flag has no control and comes back unchanged";
}

TEST_F(DialogTest, ShowPlotteroptionsCopiesBackOnlyAfterOk) {
    LodrinStarter starter;
    double xmin = -10, xmax = 10, ymin = -5, ymax = 5;
    bool pi = false, e = false;
    int quality = 2, type_ = 0, line = 1;
    unsigned long bg = 0xFFFFFF, c1 = 1, c2 = 2, c3 = 3, c4 = 4;

    onNextDialog<CPropSheetPlotteroptions>([this](CPropSheetPlotteroptions& d) {
        type(d, P2_XMIN, "-7");
        click(d, CANCEL);
    });
    EXPECT_FALSE(
        starter.showPlotteroptions(xmin, xmax, ymin, ymax, pi, e, quality, type_, line, bg, c1, c2, c3, c4));
    EXPECT_EQ(xmin, -10.0);

    onNextDialog<CPropSheetPlotteroptions>([this](CPropSheetPlotteroptions& d) {
        EXPECT_EQ(text(d, P2_YMIN), "-5");
        EXPECT_EQ(text(d, P2_QUALITY), "2");
        type(d, P2_XMIN, "1.5");
        d.findChild<QComboBox*>("1091")->setCurrentIndex(1);
        d.findChild<QComboBox*>("1049")->setCurrentIndex(3);
        d.findChild<QComboBox*>("1028")->setCurrentIndex(2);
        click(d, OK);
    });
    ASSERT_TRUE(
        starter.showPlotteroptions(xmin, xmax, ymin, ymax, pi, e, quality, type_, line, bg, c1, c2, c3, c4));
    EXPECT_EQ(xmin, 1.5);
    EXPECT_EQ(xmax, 10.0);
    EXPECT_TRUE(pi);
    EXPECT_FALSE(e);
    EXPECT_EQ(line, 4);
    EXPECT_EQ(type_, 2);
    EXPECT_EQ(std::make_tuple(bg, c1, c2, c3, c4), std::make_tuple(0xFFFFFFul, 1ul, 2ul, 3ul, 4ul));
}

TEST_F(DialogTest, ShowPlotteroptions3DAndComplexRoundTrip) {
    LodrinStarter starter;
    double xmin = -3, xmax = 3, ymin = -4, ymax = 4, zmin = -5, zmax = 5;
    int automaticZ = 1, quality = 3, zRot = 30, yRot = -60, lineHeight = 2;
    unsigned long fore = 0xFF, back = 0xFFFFFF;
    onNextDialog<CPropSheetPlotteroptions3d>([this](CPropSheetPlotteroptions3d& d) { click(d, OK); });
    ASSERT_TRUE(starter.showPlotteroptions3D(xmin, xmax, ymin, ymax, zmin, zmax, automaticZ, quality, zRot,
                                             yRot, lineHeight, fore, back));
    EXPECT_EQ(std::make_tuple(xmin, xmax, ymin, ymax, zmin, zmax),
              std::make_tuple(-3., 3., -4., 4., -5., 5.));
    EXPECT_EQ(std::make_tuple(automaticZ, quality, zRot, yRot, lineHeight),
              std::make_tuple(1, 3, 30, -60, 2));
    EXPECT_EQ(std::make_tuple(fore, back), std::make_tuple(0xFFul, 0xFFFFFFul));

    double reMin = -2, reMax = 1, imMin = -1, imMax = 1, border = 4.0;
    int iterations = 50, fq = 1;
    unsigned long zero = 0xFF0000, max = 0x00FF00;
    onNextDialog<CPropSheetPlotteroptionsComplex>([this](CPropSheetPlotteroptionsComplex& d) {
        EXPECT_EQ(text(d, PC_ITERATIONS_LABEL), "50");
        EXPECT_EQ(text(d, PC_BORDER_LABEL), "4.0");
        click(d, OK);
    });
    ASSERT_TRUE(
        starter.showPlotteroptionsComplex(reMin, reMax, imMin, imMax, iterations, border, fq, zero, max));
    EXPECT_EQ(std::make_tuple(reMin, reMax, imMin, imMax), std::make_tuple(-2., 1., -1., 1.));
    EXPECT_EQ(iterations, 50);
    EXPECT_DOUBLE_EQ(border, 4.0);
    EXPECT_EQ(std::make_tuple(zero, max), std::make_tuple(0xFF0000ul, 0x00FF00ul));
}

TEST_F(DialogTest, DisplayDialogsShowTheirText) {
    LodrinStarter starter;
    onNextDialog<CDlgMessage>([this](CDlgMessage& d) {
        EXPECT_EQ(text(d, MESSAGE_TEXT), "Saved.");
        click(d, OK);
    });
    EXPECT_TRUE(starter.showMessage(L"Saved."));

    std::wstring result = L"x1 = 2\nx2 = -2";
    onNextDialog<CDlgResult>([this](CDlgResult& d) {
        EXPECT_EQ(d.findChild<QPlainTextEdit*>("1051")->toPlainText(), "x1 = 2\nx2 = -2");
        click(d, CANCEL);
    });
    starter.showResult(result);

    onNextDialog<CDlgAbout>([](CDlgAbout& d) {
        bool version = false;
        for (QLabel* label : d.findChildren<QLabel*>())
            version = version || label->text().contains("3.2");
        EXPECT_TRUE(version);
    });
    EXPECT_TRUE(starter.showAboutBox(true));
}

TEST_F(DialogTest, LauncherSlotsIgnoreSlotsOutOfRange) {
    LodrinStarter starter;
    starter.initFunctions(27, L"sq", L"f(x)=x^2");
    starter.initFunctions(28, L"no", L"no");
    starter.initFunctions(-1, L"no", L"no");
    starter.setConst(13, L"c", L"299792458");
    starter.setConst(14, L"no", L"no");
    starter.initEquations(13, L"E", L"a=b");
    EXPECT_EQ(starter.getDescription(27), L"sq");
    EXPECT_EQ(starter.getExpression(27), L"f(x)=x^2");
    EXPECT_EQ(starter.getDescription(28), L"");
    EXPECT_EQ(starter.getConstVal(13), L"299792458");
    EXPECT_EQ(starter.getConstKey(-5), L"");
    EXPECT_FALSE(starter.isEquationDeleted(13));
    EXPECT_FALSE(starter.isEquationDeleted(14));
}

TEST_F(DialogTest, AnalysisAndSolverRangesAreRememberedApart) {
    double from = 0, to = 0;
    onNextDialog<CDlgRange>([this](CDlgRange& d) {
        type(d, EDIT_FROMX, "-3");
        type(d, EDIT_TOX, "4");
        click(d, OK);
    });
    ASSERT_TRUE(LodrinStarter().showRange(L"", from, to));
    onNextDialog<CDlgRangeSolver>([this](CDlgRangeSolver& d) {
        EXPECT_EQ(text(d, EDIT_FROMX), "-10");
        EXPECT_EQ(text(d, EDIT_TOX), "10");
    });
    EXPECT_FALSE(LodrinStarter().showRangeSolver(L"", from, to));
}
