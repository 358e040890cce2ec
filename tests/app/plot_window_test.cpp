// The plot window driven as a user would: the plot key, navigation, the
// worker handshake, saving and the close rule.
#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "AppTest.h"
#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "CPlotterInputView.h"
#include "CPropSheetPlotteroptions.h"
#include "KeyButton.h"
#include "ModeTable.h"
#include "OrvantaApp.h"
#include "PlotMessages.h"
#include "PlotWindow.h"

namespace {
namespace M = PlotMessages;
// Heavy enough that a pass runs for seconds at quality 1 on a large window.
const std::wstring SLOW = L"f(x,y)=1=sin(x*y)^2+cos(x+y)^3+sqrt(abs(x*y))+ln(1+x^2+y^2)";

class PlotWindowTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_view = dynamic_cast<CPlotterInputView*>(startShown(m_app, ModeTable::PLOTTER));
        ASSERT_NE(m_view, nullptr);
        m_previous = PlotWindow::setModalRunner([this](PlotWindow& w) {
            ++m_opened;
            w.show();
            if (m_script) m_script(w);
            return 1;
        });
    }
    void TearDown() override {
        PlotWindow::setModalRunner(m_previous);
        m_app.reset();
        AppTest::TearDown();
    }
    void plot(const std::wstring& f, std::function<void(PlotWindow&)> script = {}) {
        m_script = std::move(script);
        m_view->setInputText(f);
        QTest::mouseClick(m_view->findChild<KeyButton*>(QString::number(CPlotterInputView::PLOT_KEY)),
                          Qt::LeftButton);
    }
    static void waitComplete(PlotWindow& w) { QTRY_VERIFY_WITH_TIMEOUT(w.complete(), 20000); }
    COrvantaDoc& doc() { return *m_app->document(); }
    void tap(int id) {
        QTest::mouseClick(m_view->findChild<KeyButton*>(QString::number(id)), Qt::LeftButton);
    }
    std::wstring caption(int id) { return m_view->findChild<KeyButton*>(QString::number(id))->caption(); }

    std::unique_ptr<OrvantaApp> m_app;
    CPlotterInputView* m_view = nullptr;
    PlotWindow::ModalRunner m_previous;
    std::function<void(PlotWindow&)> m_script;
    int m_opened = 0;
};

TEST_F(PlotWindowTest, PlotKeyDrawsAndTheCloseRuleWritesTheRegionBack) {
    plot(L"f(x)=sin(x)", [](PlotWindow& w) {
        waitComplete(w);
        // The finished picture reaches the window through a queued signal.
        QTRY_VERIFY_WITH_TIMEOUT(!w.picture().isNull(), 20000);
        w.command(M::ID_ZOOM_IN);
        EXPECT_EQ(w.regions().current(), (PlotRegion{-2.5, 2.5, -2.5, 2.5}));
        waitComplete(w);
        QTest::keyClick(&w, Qt::Key_Plus);
        QTest::keyClick(&w, Qt::Key_Backspace); // last region toggles back
        EXPECT_EQ(w.regions().current(), (PlotRegion{-2.5, 2.5, -2.5, 2.5}));
        waitComplete(w);
        w.accept();
    });
    EXPECT_EQ(m_opened, 1);
    EXPECT_EQ(doc().m_plot.xmin, -2.0);
    EXPECT_EQ(doc().m_plot.ymax, 2.0);
}

TEST_F(PlotWindowTest, RefusedSetsOpenNoWindow) {
    plot(L"");
    plot(L"f(x)=");
    EXPECT_EQ(m_opened, 0);
    EXPECT_EQ(takeMessages(),
              (std::vector<std::wstring>{engineText(M::NO_FUNCTION), engineText(M::NO_FUNCTION_SPECIFIED)}));
}

TEST_F(PlotWindowTest, CancelStopsASlowPassAndSaveWaitsForACompletePicture) {
    doc().m_plot.quality = 1;
    plot(SLOW, [this](PlotWindow& w) {
        w.resize(1600, 1600);
        QTRY_VERIFY_WITH_TIMEOUT(w.plotting(), 5000);
        w.command(M::ID_SAVE); // incomplete: no file dialog
        EXPECT_TRUE(m_platform.fileDialog.requests().empty());
        QElapsedTimer timer;
        timer.start();
        w.command(M::ID_CANCEL_PLOT);
        EXPECT_LT(timer.elapsed(), 2000);
        EXPECT_FALSE(w.plotting());
        EXPECT_FALSE(w.complete());
        w.accept();
    });
    EXPECT_EQ(m_opened, 1);
}

TEST_F(PlotWindowTest, SavesBitmapsOfTheScreenSizeAndReportsFailures) {
    const QString bmp = QString::fromStdString((configFolder().parent_path() / "saved.bmp").string());
    m_platform.fileDialog.answer(bmp.toStdWString());
    plot(L"f(x)=x^2", [&](PlotWindow& w) {
        waitComplete(w);
        w.command(M::ID_SAVE);
        EXPECT_FALSE(w.savePicture(QStringLiteral("/nonexistent-folder/plot.png")));
        w.accept();
    });
    EXPECT_EQ(QFile(bmp).size(), 54 + 480 * 3 * 640);
    EXPECT_EQ(takeMessages(), std::vector<std::wstring>{engineText(M::SAVE_FAILED)});
}

TEST_F(PlotWindowTest, KeypadFollowsTheFunctionTypeAndFillsTheList) {
    tap(1459); // the f(t,x) template
    EXPECT_EQ(m_view->inputText(), L"f(t,x)=");
    EXPECT_EQ(caption(1456), L"t");
    tap(1360);
    tap(1429);
    tap(1453);
    EXPECT_EQ(m_view->inputText(), L"f(x)=x");
    EXPECT_EQ(caption(1454), L"x\u00B2");
    EXPECT_EQ(caption(1456), L"");
    tap(1032); // onto the list
    tap(1430);
    const PlotFunctionSet set = m_view->functionSet();
    EXPECT_EQ(set.current, L"f(y)=f(x)=x");
    EXPECT_EQ(set.list, std::vector<std::wstring>{L"f(x)=x"});
}

TEST_F(PlotWindowTest, SettingsSheetKeepsTheRegionBeyondHundred) {
    onNextDialog<CPropSheetPlotteroptions>([](CPropSheetPlotteroptions& d) {
        QWidget* xmax = d.findChild<QWidget*>(QStringLiteral("1023"));
        if (auto* edit = qobject_cast<QLineEdit*>(xmax)) edit->setText(QStringLiteral("150"));
        if (auto* combo = qobject_cast<QComboBox*>(xmax)) combo->setEditText(QStringLiteral("150"));
        d.findChild<QComboBox*>(QStringLiteral("1026"))->setCurrentIndex(2);
        d.findChild<QAbstractButton*>(QStringLiteral("1"))->click();
    });
    tap(CPlotterInputView::PLOT_SETTINGS_KEY);
    EXPECT_EQ(doc().m_plot.xmax, 5.0);
    EXPECT_EQ(doc().m_plot.quality, 3);
}

TEST_F(PlotWindowTest, MoveCommandsTurnASurfaceAndClosingKeepsTheAngles) {
    plot(L"z=f(x,y)=x*y", [](PlotWindow& w) {
        waitComplete(w);
        w.command(M::ID_MOVE_LEFT); // A 30 -> 40
        w.command(M::ID_MOVE_UP);   // B 10 -> 0
        w.command(M::ID_MOVE_UP);   // B stays at 0
        QTest::keyClick(&w, Qt::Key_Right); // A 40 -> 30
        EXPECT_EQ(w.angleA(), 30);
        EXPECT_EQ(w.angleB(), 0);
        EXPECT_EQ(w.regions().current(), (PlotRegion{-5, 5, -5, 5})); // turning leaves the region
        waitComplete(w);
        w.accept();
    });
    EXPECT_EQ(doc().m_plot.angleA, 30);
    EXPECT_EQ(doc().m_plot.angleB, 0);
}
} // namespace
