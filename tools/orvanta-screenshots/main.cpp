// Photographs the Orvanta window: the first start, then every mode in English
// and in German, chosen through the frame's commands as the menu would. The
// program runs exactly as it does for the user, on the settings folder the
// environment names (ORVANTA_CONFIG_DIR). Usage:
//   orvanta-screenshots [--screen WxH] FOLDER
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "ModeTable.h"
#include "OrvantaApp.h"
#include "Screen.h"
#include "ToolOptions.h"
#include "SettingsStore.h"

namespace {
void settle(int milliseconds = 300) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool report(bool ok, const QString& path, const QPixmap& picture) {
    std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "FAILED", qPrintable(path), picture.width(),
                picture.height());
    return ok;
}

bool save(QWidget& window, const QString& path) {
    QPixmap picture;
    if (QScreen* screen = window.screen()) picture = screen->grabWindow(window.winId());
    if (picture.isNull()) picture = window.grab();
    return report(picture.save(path), path, picture);
}

// The frame with its Calculator menu open, so the check mark shows.
bool saveWithMenu(CMainFrame& frame, const QString& path) {
    QAction* calculator = frame.menuBar()->actions().value(1);
    if (!calculator || !calculator->menu()) return false;
    frame.menuBar()->setActiveAction(calculator);
    settle();
    QPixmap picture;
    if (QScreen* screen = frame.screen()) {
        const QRect area = frame.frameGeometry().united(calculator->menu()->geometry());
        picture = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    }
    calculator->menu()->hide();
    settle(100);
    return report(!picture.isNull() && picture.save(path), path, picture);
}

QString fileName(const ModeInfo& mode) {
    return QString::fromWCharArray(mode.english).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}
} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QString folder;
    if (const int status = prepareOutput(QStringLiteral("screenshots"), folder)) return status;

    SettingsStore store(SettingsStore::defaultFolder());
    bool ok = true;
    {
        OrvantaApp orvanta(store);
        if (!orvanta.initInstance()) return 1;
        CMainFrame& frame = *orvanta.frame();
        COrvantaDoc& document = *orvanta.document();
        frame.move(20, 20);
        frame.show();
        settle(600);
        ok = save(frame, folder + QStringLiteral("/first-start.png")) && ok;
        // The settings as the first start left them, for a look at the defaults.
        const QString settings = folder + QStringLiteral("/settings-after-first-start.conf");
        QFile::remove(settings);
        ok = QFile::copy(QString::fromStdString(store.filePath().string()), settings) && ok;

        const std::pair<int, const char*> languages[] = {{0, "en"}, {1, "de"}};
        for (const auto& [language, suffix] : languages) {
            // What the Options dialog does when the user picks the language.
            document.setLanguage(language);
            document.writeOptions();
            frame.languageChanged();
            int number = 1;
            for (const ModeInfo& mode : ModeTable::modes()) {
                frame.onCommand(mode.id);
                settle();
                ok = save(frame, QStringLiteral("%1/%2-%3-%4.png")
                                     .arg(folder, QLatin1String(suffix))
                                     .arg(number++)
                                     .arg(fileName(mode))) &&
                     ok;
            }
            ok = saveWithMenu(frame, QStringLiteral("%1/%2-menu.png").arg(folder, QLatin1String(suffix))) &&
                 ok;
        }
        // Leave the user's first language behind, as a fresh start has it.
        document.setLanguage(0);
        document.writeOptions();
        frame.close();
    }
    return ok ? 0 : 1;
}
