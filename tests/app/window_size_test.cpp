#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScreen>
#include <csignal>

#include "AppTest.h"
#include "CCalculatorView.h"
#include "CMainFrame.h"
#include "KeyButton.h"
#include "MenuResources.h"
#include "ModeTable.h"
#include "OrvantaApp.h"
#include "RegistryNames.h"
#include "Screen.h"
#include "TerminationSignals.h"
#include "TextFit.h"

namespace {
using namespace ModeTable;
namespace R = RegistryNames;

// The desktop window: no device screen is emulated.
class WindowSizeTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Screen::useDesktopWindow();
    }
    void TearDown() override {
        m_app.reset();
        AppTest::TearDown();
    }
    CMainFrame& launch() {
        m_app = start();
        m_app->frame()->show();
        return *m_app->frame();
    }
    void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    std::unique_ptr<OrvantaApp> m_app;
};

TEST_F(WindowSizeTest, KeysStayApartInsideTheWindowAndCaptionsFitAtEverySize) {
    struct Case {
        QSize window; // empty: as small as the window goes
        int landscape; // -1: either layout
    };
    const Case cases[] = {{{}, -1}, {{480, 640}, 0}, {{1600, 1000}, 1}};
    CMainFrame& frame = launch();
    const QString longResult = QString(200, QLatin1Char('7'));
    for (int mode : {SCIENTIFIC, MATRIX, COMPUTER}) {
        frame.switchMode(mode);
        CCalculatorView& view = *frame.activeView();
        view.setResultText(longResult.toStdWString());
        QFont captionAtDesign;
        for (const Case& c : cases) {
            // The minimum follows the layout, which follows the size: a second
            // step reaches the size the first one may have been held from.
            for (int step = 0; step < 2; ++step) {
                frame.resize(c.window.isEmpty() ? QSize(1, 1) : c.window);
                settle();
            }
            SCOPED_TRACE("mode " + std::to_string(mode) + " at " + std::to_string(frame.width()) + "x" +
                         std::to_string(frame.height()));
            if (!c.window.isEmpty()) {
                EXPECT_EQ(frame.size(), c.window);
            }
            if (c.landscape >= 0) {
                EXPECT_EQ(view.landscapeLayout(), c.landscape == 1);
            }
            const QList<KeyButton*> keys = view.findChildren<KeyButton*>();
            ASSERT_FALSE(keys.isEmpty());
            std::vector<QRect> placed;
            for (const KeyButton* key : keys) {
                if (!key->isVisible()) continue;
                const QRect r(key->mapTo(&frame, QPoint(0, 0)), key->size());
                EXPECT_TRUE(frame.rect().contains(r)) << "key " << key->id();
                for (const QRect& other : placed)
                    EXPECT_FALSE(r.intersects(other)) << "key " << key->id();
                placed.push_back(r);
                const QFont font = key->captionFont();
                EXPECT_GE(font.pixelSize(), KeyButton::MIN_DESKTOP_CAPTION_PIXELS)
                    << "key " << key->id() << " " << key->caption().size() << " " << key->width();
                EXPECT_LE(TextFit::width(font, QString::fromStdWString(key->caption())),
                          key->captionArea().width())
                    << "key " << key->id();
            }
            // The result line's overflow rule holds at every size: the long
            // result shrinks to its smallest font and stays whole in the tooltip.
            EXPECT_LT(view.resultLine()->font().pixelSize(), view.resultFont().pixelSize());
            EXPECT_EQ(view.resultLine()->toolTip(), longResult);
            const KeyButton* equals = view.key(KeyId::EQUALS);
            ASSERT_NE(equals, nullptr);
            if (c.window == QSize(480, 640)) captionAtDesign = equals->captionFont();
            if (c.landscape == 1) {
                EXPECT_GT(equals->captionFont().pixelSize(), captionAtDesign.pixelSize());
            }
        }
    }
}

TEST_F(WindowSizeTest, TheSizeIsKeptWhenATerminationSignalEndsTheSession) {
    CMainFrame& frame = launch();
    frame.resize(700, 500);
    settle();
    TerminationSignals termination([this] { m_app->frame()->onCommand(MenuResources::ID_EXIT); });
    ASSERT_TRUE(termination.installed());
    std::raise(SIGTERM);
    QElapsedTimer clock;
    clock.start();
    while (frame.isVisible() && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    m_app.reset();
    EXPECT_EQ(persisted(R::OPTIONS, R::WINDOW_WIDTH), L"700");
    EXPECT_EQ(persisted(R::OPTIONS, R::WINDOW_HEIGHT), L"500");
    EXPECT_EQ(persisted(R::OPTIONS, R::WINDOW_MAXIMIZED), L"0");
    EXPECT_EQ(launch().size(), QSize(700, 500));
}

TEST_F(WindowSizeTest, StoredSizesThatCannotBeTheWindowsGiveTheDefault) {
    const std::pair<const wchar_t*, const wchar_t*> stored[] = {
        {L"", L""}, {L"abc", L"500"}, {L"600", L"99999"}, {L"-600", L"500"}, {L"99", L"500"}};
    for (const auto& [width, height] : stored) {
        store().writeString(R::OPTIONS, R::WINDOW_WIDTH, width);
        store().writeString(R::OPTIONS, R::WINDOW_HEIGHT, height);
        const QSize screen = QGuiApplication::primaryScreen()->availableSize();
        EXPECT_EQ(CMainFrame::storedSize(store()),
                  QSize(Screen::DEFAULT_WIDTH, Screen::DEFAULT_HEIGHT).boundedTo(screen))
            << QString::fromWCharArray(width).toStdString() << "x" << QString::fromWCharArray(height).toStdString();
    }
}

TEST_F(WindowSizeTest, AnEmulatedScreenKeepsItsSizeAndWritesNone) {
    Screen::setSize(320, 240);
    CMainFrame& frame = launch();
    frame.resize(700, 500);
    frame.onCommand(MenuResources::ID_EXIT);
    m_app.reset();
    EXPECT_EQ(persisted(R::OPTIONS, R::WINDOW_WIDTH), L"<missing>");
}
} // namespace
