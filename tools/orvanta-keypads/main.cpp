// Drives the calculators through their keypads the way a user taps them and
// photographs each result, in English and German. The program runs on the
// settings folder the environment names (ORVANTA_CONFIG_DIR). Usage:
//   orvanta-keypads [--screen WxH] FOLDER
#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "CCalculatorView.h"
#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "ModeTable.h"
#include "OrvantaApp.h"
#include "Screen.h"
#include "ToolOptions.h"
#include "SettingsStore.h"

namespace {
void settle(int milliseconds = 150) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Calculation {
    const char* name;
    int mode;
    std::vector<int> keys; // tapped after the clear key
};

// DEG sin 3 0 =; 2 ^ 3 ^ 2 =; 1 / 0 =; (3+4i) in polar form; 5+5 in decimal, shown in binary.
const Calculation s_calculations[] = {
    {"sin30-deg", ModeTable::SCIENTIFIC, {1305, 1425, 1410, 1411, 1023}},
    {"power-2-3-2", ModeTable::SCIENTIFIC, {1409, 1421, 1410, 1421, 1409, 1023}},
    {"division-by-zero", ModeTable::SCIENTIFIC, {1408, 1414, 1411, 1023}},
    {"complex-polar", ModeTable::COMPLEX, {1316, 1410, 1417, 1405, 1040, 1023, 1315}},
    {"programmer-bin", ModeTable::COMPUTER, {1320, 1406, 1417, 1406, 1023, 1514}},
};

bool tap(CCalculatorView& view, int id) {
    auto* key = view.findChild<QAbstractButton*>(QString::number(id));
    if (!key || !key->isVisible()) {
        std::printf("key %d is not on the keypad\n", id);
        return false;
    }
    key->click();
    settle(30);
    return true;
}

bool save(QWidget& window, const QString& path) {
    QPixmap picture;
    if (QScreen* screen = window.screen()) picture = screen->grabWindow(window.winId());
    if (picture.isNull()) picture = window.grab();
    const bool ok = picture.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}
} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QString folder;
    if (const int status = prepareOutput(QStringLiteral("keypads"), folder)) return status;

    SettingsStore store(SettingsStore::defaultFolder());
    OrvantaApp orvanta(store);
    if (!orvanta.initInstance()) return 1;
    CMainFrame& frame = *orvanta.frame();
    COrvantaDoc& document = *orvanta.document();
    frame.move(20, 20);
    frame.show();
    settle(500);
    bool ok = true;
    const std::pair<int, const char*> languages[] = {{0, "en"}, {1, "de"}};
    for (const auto& [language, suffix] : languages) {
        document.setLanguage(language);
        document.writeOptions();
        frame.languageChanged();
        for (const Calculation& c : s_calculations) {
            frame.onCommand(c.mode);
            settle();
            CCalculatorView& view = *frame.activeView();
            ok = tap(view, 1360) && ok;
            for (int id : c.keys)
                ok = tap(view, id) && ok;
            settle();
            std::printf("%s %s: %s -> %s\n", suffix, c.name, qPrintable(QString::fromStdWString(view.inputText())),
                        qPrintable(QString::fromStdWString(view.resultText())));
            ok = save(frame, QStringLiteral("%1/%2-%3.png").arg(folder, QLatin1String(suffix), QLatin1String(c.name))) &&
                 ok;
        }
    }
    document.setLanguage(0);
    document.writeOptions();
    frame.close();
    return ok ? 0 : 1;
}
