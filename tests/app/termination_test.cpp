#include <QApplication>
#include <QElapsedTimer>
#include <csignal>

#include "AppTest.h"
#include "CCalculatorView.h"
#include "CMainFrame.h"
#include "MenuResources.h"
#include "OrvantaApp.h"
#include "RegistryNames.h"
#include "TerminationSignals.h"

namespace {
constexpr int EQUALS = 1023;

using TerminationTest = AppTest;

// A logout ends the program with SIGTERM: it must leave as File > Exit does.
TEST_F(TerminationTest, ASignalAfterACalculationKeepsTheHistory) {
    for (int number : {SIGTERM, SIGINT, SIGHUP}) {
        auto app = start();
        app->frame()->show();
        CCalculatorView& view = *app->frame()->activeView();
        const std::wstring input = L"1+" + std::to_wstring(number);
        view.setInputText(input);
        view.onKey(EQUALS);
        TerminationSignals termination([&app] { app->frame()->onCommand(MenuResources::ID_EXIT); });
        ASSERT_TRUE(termination.installed());
        std::raise(number);
        QElapsedTimer clock;
        clock.start();
        while (app->frame()->isVisible() && clock.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        EXPECT_FALSE(app->frame()->isVisible()) << number;
        app.reset(); // what main() does once the event loop has ended
        EXPECT_EQ(persisted(RegistryNames::HISTORY, L"History1"), input) << number;
    }
}
} // namespace
