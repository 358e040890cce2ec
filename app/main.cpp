// Orvanta: the calculator's window. Usage: orvanta [--screen WxH], or
// orvanta --export-plot OUT [options] FUNCTION... to write a plot picture.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "CMainFrame.h"
#include "MenuResources.h"
#include "OrvantaApp.h"
#include "PlotExport.h"
#include "Screen.h"
#include "SettingsStore.h"
#include "StartupProbe.h"
#include "TerminationSignals.h"
#include "TestProbe.h"

namespace {
// Qt aborts when it cannot reach a display; say so in one line instead.
bool displayMissing() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::strncmp(platform, "xcb", 3) != 0 &&
        std::strncmp(platform, "wayland", 7) != 0)
        return false;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return !(x && *x) && !(wayland && *wayland);
}
} // namespace

int main(int argc, char** argv) {
    StartupProbe::begin();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf(
                "Usage: orvanta [--screen WxH] [--first-paint]\n"
                "  --screen WxH   the device screen to emulate: 240x320, 320x240, 480x640 or 640x480;\n"
                "                 without it the window is resizable and opens at the size left last\n"
                "  --first-paint  print the time of the first painted frame and quit\n"
                "%s"
                "Settings: $ORVANTA_CONFIG_DIR, else $XDG_CONFIG_HOME/orvanta, else ~/.config/orvanta\n",
                PlotExport::usage());
            return 0;
        }
    }
    const bool exporting = PlotExport::requested(argc, argv);
    // A picture needs no window: without a display it is drawn offscreen.
    if (exporting && displayMissing() && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (displayMissing()) {
        std::fprintf(stderr, "orvanta: no display to open the window on; for calculations without one use "
                             "orvanta-calc\n");
        return 1;
    }
    QApplication application(argc, argv);
    StartupProbe::mark("application");
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvanta.Orvanta"));
    QString error;
    if (!Screen::applyOption(QApplication::arguments(), &error)) {
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(error));
        return 2;
    }
    SettingsStore store(SettingsStore::defaultFolder());
    if (exporting) return PlotExport::run(QApplication::arguments(), store);
    OrvantaApp orvanta(store);
    if (!orvanta.initInstance()) return 1;
    orvanta.frame()->showAsLeft();
    StartupProbe::mark("shown");
    if (StartupProbe::firstPaintRequested(argc, argv)) StartupProbe::quitAfterFirstPaint(*orvanta.frame());
    // The end-to-end tests' way in; nothing unless the environment asks for it.
    const std::unique_ptr<TestProbe> probe = TestProbe::fromEnvironment();
    // A logout or shutdown ends the program as File > Exit does.
    TerminationSignals termination([&orvanta] { orvanta.frame()->onCommand(MenuResources::ID_EXIT); });
    return QApplication::exec();
}
