// The statistics calculator driven through its keys, grid, dialogs and files.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QComboBox>
#include <QTest>

#include "AppTest.h"
#include "CDlgRegressionModel.h"
#include "CGridCtrl.h"
#include "CMainFrame.h"
#include "CStatisticCalculatorView.h"
#include "KeyButton.h"
#include "KeyIds.h"
#include "LodrinIds.h"
#include "MessageIds.h"
#include "ModeTable.h"
#include "OrvantaApp.h"
#include "PlotStatistics.h"
#include "PlotWindow.h"
#include "StatisticsState.h"

namespace {
namespace K = KeyId;
using V = CStatisticCalculatorView;
using Cells = std::vector<std::wstring>;

class StatisticsViewTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_view = dynamic_cast<V*>(startShown(m_app, ModeTable::STATISTIC));
        ASSERT_NE(m_view, nullptr);
        m_previous = PlotWindow::setModalRunner([this](PlotWindow& w) {
            m_plotted = w.currentJob().statistics;
            m_region = w.regions().current();
            return 1;
        });
    }
    void TearDown() override {
        PlotWindow::setModalRunner(std::move(m_previous));
        m_app.reset();
        AppTest::TearDown();
    }
    void fill(const Cells& x, const Cells& y = {}) {
        for (std::size_t i = 0; i < x.size(); ++i) {
            m_view->grid().setItemText(V::X_ROW, static_cast<int>(i) + 1, x[i]);
            if (i < y.size()) m_view->grid().setItemText(V::Y_ROW, static_cast<int>(i) + 1, y[i]);
        }
    }
    // The program ends and starts again on the same settings folder.
    void restart() {
        m_app.reset();
        m_app = start();
        m_app->frame()->switchMode(ModeTable::STATISTIC);
        m_view = dynamic_cast<V*>(m_app->frame()->activeView());
        ASSERT_NE(m_view, nullptr);
    }
    void chooseModel(int model) {
        onNextDialog<CDlgRegressionModel>([model](CDlgRegressionModel& d) {
            d.findChild<QComboBox*>(QString::number(LodrinId::REGRESSION_LIST))->setCurrentIndex(model);
            d.accept();
        });
    }
    std::string file(const char* name) const { return (configFolder().parent_path() / name).string(); }
    static QByteArray bytesOf(const std::string& path) {
        QFile f(QString::fromStdString(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    static void write(const std::string& path, const QByteArray& bytes) {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    std::unique_ptr<OrvantaApp> m_app;
    V* m_view = nullptr;
    PlotWindow::ModalRunner m_previous;
    std::shared_ptr<const PlotStatistics> m_plotted;
    PlotRegion m_region;
};

TEST_F(StatisticsViewTest, ThreePointsAreNotEnoughForAnyOperation) {
    fill({L"1", L"2", L"3"}, {L"1", L"2", L"3"});
    m_view->setInputText(L"meanx()");
    for (int key : {K::EQUALS, K::REGRESSION, K::HISTORY_ADD, K::STORE}) {
        m_view->onKey(key);
        EXPECT_EQ(takeMessages(), (std::vector<std::wstring>{L"No / not enough values entered!"})) << key;
    }
    EXPECT_EQ(m_view->resultText(), L"");
    EXPECT_EQ(m_plotted, nullptr);
}

TEST_F(StatisticsViewTest, CalculatesInBothModes) {
    fill({L"2", L"4", L"4", L"4", L"5", L"5", L"7", L"9"}, {L"1", L"2", L"3", L"4", L"5", L"6", L"7", L""});
    m_view->setInputText(L"meanx()");
    m_view->onKey(K::EQUALS); // x/y: the eighth point has no y and ends the data
    EXPECT_EQ(m_view->resultText(), L"4.4285714286");
    m_view->setGridSize(8, false);
    m_view->onKey(K::EQUALS);
    EXPECT_EQ(m_view->resultText(), L"5");
    m_view->setInputText(L"meany()");
    m_view->onKey(K::EQUALS);
    EXPECT_EQ(m_view->resultText(), engineText(MessageId::NO_Y_FUNCTIONS)) << "no y values in x mode";
    m_view->setGridSize(8, true); // the hidden y values are back
    m_view->onKey(K::EQUALS);
    EXPECT_EQ(m_view->resultText(), L"4");
}

TEST_F(StatisticsViewTest, RegressionFitsAndShowPlotsTheCurve) {
    fill({L"1", L"2", L"3", L"4"}, {L"3", L"5", L"7", L"9"});
    chooseModel(0);
    m_view->onKey(K::REGRESSION);
    EXPECT_EQ(m_view->inputText(), L"2*x+1");
    EXPECT_EQ(m_view->resultText(), L"R\u00B2=1.00000; cov=2.50000; r=1.00000");
    EXPECT_TRUE(m_view->regressionDone());
    m_view->onKey(K::HISTORY_ADD);
    ASSERT_NE(m_plotted, nullptr);
    EXPECT_TRUE(m_plotted->regression);
    EXPECT_EQ(m_plotted->function, L"2*x+1");
    EXPECT_EQ(m_plotted->points.size(), 4u);
    EXPECT_EQ(m_region, (PlotRegion{0.7, 4.3, 2.4, 9.6}));
    EXPECT_EQ(m_plotted->region, m_region);

    // A calculation clears the flag: the next plot has the points only.
    m_view->onKey(K::EQUALS);
    EXPECT_FALSE(m_view->regressionDone());
}

TEST_F(StatisticsViewTest, ExponentialRegressionRefusesAZeroY) {
    fill({L"1", L"2", L"3", L"4"}, {L"3", L"0", L"7", L"9"});
    m_view->setInputText(L"meanx()");
    chooseModel(1);
    m_view->onKey(K::REGRESSION);
    EXPECT_EQ(m_view->resultText(), L"y=0 is not allowed for this regression type!");
    EXPECT_EQ(m_view->inputText(), L"");
    EXPECT_FALSE(m_view->regressionDone());
}

TEST_F(StatisticsViewTest, RegressionAndShowNeedXYMode) {
    m_view->setGridSize(4, false);
    fill({L"1", L"2", L"3", L"4"});
    m_view->onKey(K::REGRESSION);
    EXPECT_EQ(takeMessages(), (std::vector<std::wstring>{L"Regression is only available in x/y-mode"}));
    EXPECT_EQ(m_view->resultText(), L"Regression is only available in x/y-mode");
    m_view->onKey(K::HISTORY_ADD);
    EXPECT_EQ(takeMessages(), (std::vector<std::wstring>{L"This is only possible in x/y-mode!"}));
    EXPECT_EQ(m_plotted, nullptr);
}

TEST_F(StatisticsViewTest, SavesAndLoadsTheData) {
    fill({L"1", L"2,5", L"3", L"\u0141"}, {L"4", L"5", L"6", L"7"});
    const std::string path = file("data.csv");
    m_platform.fileDialog.answer(QString::fromStdString(path).toStdWString());
    m_view->onKey(K::STORE);
    EXPECT_EQ(bytesOf(path), QByteArray("1;4;2,5;5;3;6;A;7;\0", 19));

    m_view->setGridSize(12, true);
    for (int c = 1; c <= 4; ++c)
        m_view->grid().setItemText(V::X_ROW, c, L"");
    m_view->setInputText(L"meanx()");
    m_platform.fileDialog.answer(QString::fromStdString(path).toStdWString());
    m_view->onKey(K::LOAD);
    EXPECT_EQ(m_view->pointCount(), 4);
    EXPECT_EQ(m_view->row(V::X_ROW), (Cells{L"1", L"2.5", L"3", L"A"}));
    EXPECT_EQ(m_view->row(V::Y_ROW), (Cells{L"4", L"5", L"6", L"7"}));
    EXPECT_EQ(m_view->inputText(), L"");
    EXPECT_NE(m_platform.fileDialog.requests().back().filter.find(L"one x,y pair a line"), std::wstring::npos);
}

TEST_F(StatisticsViewTest, TheGridIsFoundAgainAfterARestart) {
    m_view->setGridSize(12, true);
    fill({L"1", L"", L"mod(7,3)", L"4"}, {L"2", L"5", L"", L"8"});
    m_view->setGridSize(12, false);
    restart();
    EXPECT_FALSE(m_view->pairMode());
    Cells x{L"1", L"", L"mod(7,3)", L"4"}, y{L"2", L"5", L"", L"8"};
    x.resize(12), y.resize(12);
    EXPECT_EQ(m_view->row(V::X_ROW), x);
    EXPECT_EQ(m_view->row(V::Y_ROW), y);

    // A damaged file is put aside without a word; the grid starts empty.
    const std::filesystem::path kept = configFolder() / StatisticsState::FILE_NAME;
    m_app.reset();
    write(kept.string(), QByteArray("1;2;3;"));
    m_view = nullptr;
    restart();
    EXPECT_EQ(m_view->row(V::X_ROW), Cells(12));
    EXPECT_EQ(bytesOf(kept.string() + ".corrupt"), QByteArray("1;2;3;"));
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(StatisticsViewTest, LoadsForeignFilesAndRefusesBrokenOnes) {
    const std::string lines = file("lines.csv"), odd = file("odd.csv");
    write(lines, "1;2\r\n3;4\r\n");
    write(odd, "1;2;3;");
    auto load = [&](const std::string& path) {
        m_platform.fileDialog.answer(QString::fromStdString(path).toStdWString());
        m_view->onKey(K::LOAD);
    };
    load(lines);
    EXPECT_EQ(m_view->row(V::X_ROW), (Cells{L"1", L"3", L"", L""}));
    EXPECT_EQ(m_view->row(V::Y_ROW), (Cells{L"2", L"4", L"", L""}));
    load(odd);
    EXPECT_EQ(takeMessages(), (std::vector<std::wstring>{L"Invalid file for x/y-mode!"}));
    EXPECT_EQ(m_view->row(V::X_ROW), (Cells{L"1", L"3", L"", L""})) << "the grid stays";
    load(file("missing.csv"));
    EXPECT_EQ(takeMessages(), (std::vector<std::wstring>{L"File could not be opened!"}));
    m_view->setGridSize(4, false);
    load(lines);
    EXPECT_EQ(m_view->row(V::X_ROW), (Cells{L"1", L"2", L"3", L"4"}));

    // A save that cannot be written says so and leaves the old file alone.
    m_platform.fileDialog.answer(QString::fromStdString(file("no/such/folder.csv")).toStdWString());
    m_view->onKey(K::STORE);
    EXPECT_EQ(takeMessages(), (std::vector<std::wstring>{L"File could not be created!"}));
}

TEST_F(StatisticsViewTest, PastedColumnsFillTheGridAndKeysTypeIntoIt) {
    m_view->setGridSize(4, false);
    QApplication::setActiveWindow(m_app->frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_app->frame(), 2000));
    m_view->grid().setFocus();
    m_view->grid().setFocusCell(V::X_ROW, 2);
    QApplication::clipboard()->setText(QStringLiteral("1,5\t10\r\n2\t20\r\n3\t30\r\n4\t40\r\n5\t50\r\n"));
    m_view->paste();
    EXPECT_TRUE(m_view->pairMode());
    EXPECT_EQ(m_view->row(V::X_ROW), (Cells{L"", L"1.5", L"2", L"3", L"4", L"5"}));
    EXPECT_EQ(m_view->row(V::Y_ROW), (Cells{L"", L"10", L"20", L"30", L"40", L"50"}));

    m_view->grid().setFocusCell(V::X_ROW, 1);
    for (int key : {K::DIGIT_7, K::POINT, K::DIGIT_5, K::BACK, K::DIGIT_2})
        m_view->onKey(key);
    EXPECT_EQ(m_view->row(V::X_ROW).front(), L"7.2");
    EXPECT_EQ(m_view->inputText(), L"");
}
} // namespace
