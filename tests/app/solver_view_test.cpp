#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "AppTest.h"
#include "CDlgLoadEquation.h"
#include "CDlgRangeSolver.h"
#include "CDlgStoreEquation.h"
#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "CSolverCalculatorView.h"
#include "LodrinIds.h"
#include "ModeTable.h"
#include "OrvantaApp.h"

namespace {
using V = CSolverCalculatorView;
using Params = std::vector<SolverEquation::Parameter>;

class SolverViewTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        launch();
    }
    void TearDown() override {
        m_app.reset();
        AppTest::TearDown();
    }
    void launch() {
        startShown(m_app, ModeTable::SOLVER);
    }
    V& view() { return *static_cast<V*>(m_app->frame()->activeView()); }
    COrvantaDoc& doc() { return *m_app->document(); }
    std::wstring solve(int equalsKey, const std::wstring& equation, const Params& params) {
        view().setInputText(equation);
        view().setParameters(params);
        view().onKey(equalsKey);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !view().busy(); }, 20000));
        return view().resultText();
    }
    void nextRange(bool accept) {
        onNextDialog<CDlgRangeSolver>([accept](CDlgRangeSolver& d) {
            EXPECT_EQ(d.findChild<QLabel*>(QString::number(LodrinId::PROMPT))->text().toStdWString(),
                      engineText(40273));
            EXPECT_EQ(d.findChild<QLineEdit*>(QString::number(LodrinId::EDIT_FROMX))->text(), "-10");
            accept ? d.accept() : d.reject();
        });
    }
    std::unique_ptr<OrvantaApp> m_app;
};

const Params kPythagoras = {{L"a", L"3"}, {L"b", L"4"}, {L"c", L""}};

TEST_F(SolverViewTest, SolvesForTheUnknownInTheAskedRange) {
    nextRange(true);
    EXPECT_EQ(solve(1023, L"a^2+b^2=c^2", kPythagoras), L"c=-5; 5");
}

TEST_F(SolverViewTest, TheWideSearchComesFirstAndAsksOnlyWhenItFindsNothing) {
    EXPECT_EQ(solve(V::WIDE_EQUALS_KEY, L"2*r=a", {{L"r", L""}, {L"a", L"8"}}), L"r=4");
    nextRange(false);
    EXPECT_EQ(solve(V::WIDE_EQUALS_KEY, L"r^2=a", {{L"r", L""}, {L"a", L"-1"}}), engineText(40183));
}

TEST_F(SolverViewTest, RefusalsShowTheirMessage) {
    struct Case {
        const wchar_t* equation;
        Params params;
        unsigned message;
    };
    const Case cases[] = {
        {L"a+b", kPythagoras, 40264},
        {L"a=b", {{L"a", L""}, {L"b", L""}}, 40265},
        {L"2a=b", {{L"a", L"1"}, {L"b", L""}}, 40266},
        {L"a=1", {{L"a", L"1"}}, 40267},
    };
    for (const Case& c : cases) {
        view().setResultText(L"kept");
        EXPECT_EQ(solve(1023, c.equation, c.params), L"kept");
        EXPECT_EQ(takeMessages(), std::vector<std::wstring>{engineText(c.message)});
    }
}

TEST_F(SolverViewTest, NamesFillTheGridKeepingTypedValues) {
    view().setInputText(L"sin(a)*b=c+pi");
    view().setParameters({{L"c", L"2"}, {L"z", L"9"}});
    view().onKey(V::NAMES_KEY);
    const Params p = view().parameters();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].name, L"a");
    EXPECT_EQ(p[2].name, L"c");
    EXPECT_EQ(p[2].value, L"2");
}

TEST_F(SolverViewTest, AStoredEquationSurvivesARestartAndLoadsIntoTheGrid) {
    view().setInputText(L"a^2+b^2=c^2");
    view().setParameters(kPythagoras);
    onNextDialog<CDlgStoreEquation>([](CDlgStoreEquation& d) {
        d.findChild<QComboBox*>(QString::number(LodrinId::EQ_LIST))->setCurrentIndex(3);
        d.findChild<QLineEdit*>(QString::number(LodrinId::EQ_NAME))->setText("Pythagoras");
        d.accept();
    });
    view().onKey(1257);
    EXPECT_EQ(persisted(L"Software\\Orvanta\\Equations", L"MyEquation3ParamValue"), L"a=3;b=4;");

    launch();
    onNextDialog<CDlgLoadEquation>([](CDlgLoadEquation& d) {
        d.findChild<QComboBox*>(QString::number(LodrinId::EQ_LIST))->setCurrentIndex(3);
        d.accept();
    });
    view().onKey(1256);
    EXPECT_EQ(view().inputText(), L"a^2+b^2=c^2");
    EXPECT_EQ(view().equationName(), L"Pythagoras");
    const Params p = view().parameters();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].value, L"3");
    EXPECT_EQ(p[1].value, L"4");
    EXPECT_EQ(p[2].value, L"");
}
} // namespace
