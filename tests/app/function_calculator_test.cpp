#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "AppTest.h"
#include "CDlgRange.h"
#include "CDlgXPos.h"
#include "CFunctionCalculatorView.h"
#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "CValueTableDialog.h"
#include "LodrinIds.h"
#include "ModeTable.h"
#include "OrvantaApp.h"

namespace {
using V = CFunctionCalculatorView;

class FunctionCalculatorTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        startShown(m_app, ModeTable::FUNCTION_CALCULATOR);
    }
    void TearDown() override {
        m_app.reset();
        AppTest::TearDown();
    }
    V& view() { return *static_cast<V*>(m_app->frame()->activeView()); }
    // Runs an operation on f and waits for a worker, if one was started.
    std::wstring run(int operation, const std::wstring& f) {
        view().setOperation(operation);
        view().setInputText(f);
        view().onKey(1023);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !view().busy(); }, 20000));
        return view().resultText();
    }
    void nextRange(const char* from, const char* to, unsigned prompt) {
        onNextDialog<CDlgRange>([=](CDlgRange& d) {
            EXPECT_EQ(d.findChild<QLabel*>(QString::number(LodrinId::PROMPT))->text().toStdWString(),
                      engineText(prompt));
            d.findChild<QLineEdit*>(QString::number(LodrinId::EDIT_FROMX))->setText(from);
            d.findChild<QLineEdit*>(QString::number(LodrinId::EDIT_TOX))->setText(to);
            d.accept();
        });
    }
    std::unique_ptr<OrvantaApp> m_app;
};

TEST_F(FunctionCalculatorTest, TheListHasThirteenOperationsInOrder) {
    QComboBox* list = view().operationList();
    ASSERT_EQ(list->count(), V::OPERATION_COUNT);
    EXPECT_EQ(list->itemText(0), "derivate (symbolic)");
    EXPECT_EQ(list->itemText(3), "Calculate polynom parts");
    EXPECT_EQ(list->itemText(4), "Polynomdivision");
    EXPECT_EQ(list->itemText(12), "definite integral (num.)");
}

TEST_F(FunctionCalculatorTest, OperationsWithoutARange) {
    EXPECT_EQ(run(V::VALUE_AT_ZERO, L"x^2+1"), L"1");
    EXPECT_EQ(run(V::DERIVATE, L"x^3-2*x"), L"3x^2-2");
    onNextDialog<CDlgXPos>([](CDlgXPos& d) {
        d.findChild<QLineEdit*>(QString::number(LodrinId::XPOS))->setText("2");
        d.accept();
    });
    EXPECT_EQ(run(V::DERIVATE_AT, L"x^3-2*x"), L"10");
}

TEST_F(FunctionCalculatorTest, TheFunctionCheckStopsAnInputWithY) {
    view().setResultText(L"before");
    const std::wstring shown = run(V::ZEROS, L"x*y"); // no range dialog is expected
    EXPECT_NE(shown, L"before");
    EXPECT_NE(shown.find(L"unknown variables"), std::wstring::npos)
        << QString::fromStdWString(shown).toStdString();
}

TEST_F(FunctionCalculatorTest, EachSearchAsksWithItsPromptAndRunsOnTheWorker) {
    struct Case {
        int operation;
        unsigned prompt;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {V::ZEROS, 40275, L"f(x)=0 at "},
        {V::EXTREMA, 40276, L""},
        {V::SADDLE_POINTS, 40278, L""},
        {V::DISCONTINUITIES, 40279, L""},
    };
    for (const Case& c : cases) {
        nextRange("-2", "2", c.prompt);
        const std::wstring shown = run(c.operation, L"x^3-2*x");
        EXPECT_EQ(shown.rfind(c.expected, 0), 0u) << c.operation;
        EXPECT_NE(shown, engineText(40277)) << "still calculating";
    }
    // A cancelled range dialog leaves the result line alone.
    view().setResultText(L"kept");
    onNextDialog<CDlgRange>([](CDlgRange& d) { d.reject(); });
    EXPECT_EQ(run(V::ZEROS, L"x^2-1"), L"kept");
}

TEST_F(FunctionCalculatorTest, CancelStopsALongSearchQuicklyAndTheViewStaysUsable) {
    view().setResultText(L"before");
    view().setOperation(V::DISCONTINUITIES);
    view().setInputText(L"sin(x)*cos(x)+x^3-2*x");
    nextRange("-999", "999", 40279);
    view().onKey(1023);
    ASSERT_TRUE(view().busy());
    EXPECT_EQ(view().resultText(), engineText(40277));
    QTest::qWait(50);   // the window repaints meanwhile
    view().onKey(1402); // keys other than Cancel wait for the work
    EXPECT_EQ(view().inputText(), L"sin(x)*cos(x)+x^3-2*x");
    QElapsedTimer clock;
    clock.start();
    view().onKey(V::CANCEL_KEY);
    EXPECT_LT(clock.elapsed(), 100);
    EXPECT_FALSE(view().busy());
    EXPECT_EQ(view().resultText(), L"before");
    QTest::qWait(20); // a stale result must not arrive late
    EXPECT_EQ(view().resultText(), L"before");
    EXPECT_EQ(run(V::VALUE_AT_ZERO, L"x+5"), L"5");
}

TEST_F(FunctionCalculatorTest, PlotHandsTheFunctionToThePlotter) {
    view().setInputText(L"x^2");
    view().onKey(V::PLOT_KEY);
    CMainFrame& frame = *m_app->frame();
    ASSERT_EQ(frame.currentMode(), ModeTable::PLOTTER);
    EXPECT_EQ(frame.activeView()->inputText(), L"f(x)=x^2");
}

class ValueTableTest : public FunctionCalculatorTest {
protected:
    QString fill(CValueTableDialog& d, const char* from, const char* to, const char* step) {
        d.findChild<QLineEdit*>("2000")->setText(from);
        d.findChild<QLineEdit*>("2001")->setText(to);
        d.findChild<QLineEdit*>("2003")->setText(step);
        d.calculate();
        EXPECT_TRUE(QTest::qWaitFor([&d] { return !d.busy(); }, 20000));
        return d.tableText();
    }
};

TEST_F(ValueTableTest, RowsCountFromStartToEndWithFiveDecimals) {
    CValueTableDialog d(L"x^2", *m_app->document());
    EXPECT_EQ(d.findChild<QLabel*>("1274")->text(), "f(x)=x^2");
    EXPECT_EQ(fill(d, "-1", "1", "0.5"),
              "x\tf(x)\n-1.00000\t1\n-0.50000\t0.25\n0.00000\t0\n0.50000\t0.25\n1.00000\t1\n");
    EXPECT_EQ(fill(d, "2*2", "", ""), "x\tf(x)\n4.00000\t16\n") << "no end: one row";
    EXPECT_EQ(fill(d, "3", "1", "1"), "x\tf(x)\n") << "start above the end: no rows";
    d.copyTable();
    EXPECT_EQ(QApplication::clipboard()->text(), "x\tf(x)\n");
    EXPECT_EQ(fill(d, "0", "0", "1"), "x\tf(x)\n0.00000\t0\n");
    CValueTableDialog failing(L"ln(x)", *m_app->document());
    std::wstring f = L"ln(x)", expected;
    m_app->document()->calculateFunctionAt(f, expected, -1.0);
    EXPECT_EQ(fill(failing, "-1", "", "").toStdWString(), L"x\tf(x)\n-1.00000\t" + expected + L"\n");
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(ValueTableTest, BadFieldsAreRefusedWithTheirMessage) {
    struct Case {
        const char* from;
        const char* to;
        const char* step;
        unsigned message;
    };
    const Case cases[] = {
        {"", "1", "1", 40257},       {"1+", "1", "1", 40258},        {"0", "x", "1", 40259},
        {"0", "1", "", 40260},       {"0", "1", "0", 40260},         {"0", "1", "-1", 40260},
        {"0", "1E6", "1E-6", 40260}, {"1E16", "1E17", "0.5", 40260},
    };
    CValueTableDialog d(L"x", *m_app->document());
    fill(d, "0", "1", "1");
    for (const Case& c : cases) {
        EXPECT_EQ(fill(d, c.from, c.to, c.step), "x\tf(x)\n0.00000\t0\n1.00000\t1\n")
            << c.from << " " << c.to;
        EXPECT_EQ(takeMessages(), std::vector<std::wstring>{engineText(c.message)}) << c.from << " " << c.to;
    }
}
} // namespace
