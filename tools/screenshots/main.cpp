// Photographs dialogs of the library in English and German, the way the
// program opens them: through the launcher, over a main window of the size
// of the emulated screen. Usage: lodrin-screenshots [--screen WxH] FOLDER
#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "CLodrinDialog.h"
#include "ColorRef.h"
#include "LodrinStarter.h"
#include "Screen.h"
#include "ToolOptions.h"

namespace {
void settle(int milliseconds = 300) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget& window, const QString& path) {
    QPixmap picture;
    if (QScreen* screen = window.screen()) picture = screen->grabWindow(window.winId());
    if (picture.isNull()) picture = window.grab();
    const bool ok = picture.save(path);
    std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "FAILED", qPrintable(path), picture.width(),
                picture.height());
    return ok;
}

// Shows the dialog, saves one picture per page (or one for a plain dialog)
// and closes it again with Cancel.
LodrinStarter::ModalRunner photographer(const QString& folder, const QString& name, bool& ok) {
    return [folder, name, &ok](CLodrinDialog& dialog) {
        dialog.show();
        settle();
        if (auto* tabs = dialog.findChild<QTabWidget*>()) {
            for (int page = 0; page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                settle(150);
                ok = save(dialog, QStringLiteral("%1/%2-page%3.png").arg(folder, name).arg(page + 1)) && ok;
            }
        } else {
            ok = save(dialog, QStringLiteral("%1/%2.png").arg(folder, name)) && ok;
        }
        return static_cast<int>(QDialog::Rejected);
    };
}

void showOptions(LodrinStarter& starter, int language) {
    int mode = 0, precision = 8, standardBackground = 1;
    bool useJ = false, useRPN = false, resultInInput = true;
    unsigned long background = makeColorRef(128, 128, 0);
    starter.showOptions(mode, precision, language, standardBackground, useJ, useRPN, resultInInput,
                        background);
}

void showPlotSettings(LodrinStarter& starter) {
    double xmin = -10, xmax = 10, ymin = -7.5, ymax = 7.5;
    bool piScale = true, eScale = false;
    int quality = 2, type = 0, lineWidth = 1;
    unsigned long background = makeColorRef(255, 255, 255), fn1 = makeColorRef(0, 0, 255),
                  fn2 = makeColorRef(255, 0, 0), fn3 = makeColorRef(0, 160, 0),
                  fn4 = makeColorRef(255, 0, 255);
    starter.showPlotteroptions(xmin, xmax, ymin, ymax, piScale, eScale, quality, type, lineWidth, background,
                               fn1, fn2, fn3, fn4);
}
// A few keys are taken, the others still free.
void showMyFunctions(LodrinStarter& starter) {
    const std::pair<const wchar_t*, const wchar_t*> functions[] = {{L"sq", L"sq(x)=x^2"},
                                                                   {L"cub", L"cub(x)=x^3"},
                                                                   {L"hyp", L"hyp(x,y)=sqrt(x^2+y^2)"},
                                                                   {L"inv", L"inv(x)=1/x"}};
    int slot = 0;
    for (const auto& [caption, formula] : functions)
        starter.initFunctions(slot++, caption, formula);
    starter.showMyFunctions(L"sin(x)^2+cos(x)^2", LodrinStarter::FUNCTION_SLOTS);
}

void showAddMetric(LodrinStarter& starter, int language) {
    const std::vector<std::wstring> kinds =
        language == 1 ? std::vector<std::wstring>{L"Länge", L"Masse", L"Geschwindigkeit", L"Fläche", L"Zeit"}
                      : std::vector<std::wstring>{L"Length", L"Mass", L"Speed", L"Area", L"Time"};
    const std::vector<std::wstring> bases{L"meter", L"kilogram", L"meters/second", L"square meter",
                                          L"Second"};
    std::wstring name, kind;
    double value = 0;
    starter.showAddMetric(kinds, bases, name, kind, value);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString folder;
    if (const int status = prepareOutput(QStringLiteral("screenshots"), folder)) return status;

    // Stands in for the main window: the dialogs take its area as the screen.
    QWidget mainWindow;
    mainWindow.setWindowTitle(QStringLiteral("Orvanta"));
    mainWindow.setGeometry(0, 0, Screen::width(), Screen::height());
    mainWindow.show();
    settle();

    const std::pair<int, const char*> languages[] = {{0, "en"}, {1, "de"}};
    const std::pair<const char*, std::function<void(LodrinStarter&, int)>> dialogs[] = {
        {"options", [](LodrinStarter& s, int language) { showOptions(s, language); }},
        {"plot2d", [](LodrinStarter& s, int) { showPlotSettings(s); }},
        {"myfunctions", [](LodrinStarter& s, int) { showMyFunctions(s); }},
        {"addmetric", [](LodrinStarter& s, int language) { showAddMetric(s, language); }},
    };
    bool ok = true;
    for (const auto& [language, suffix] : languages) {
        LodrinStarter::setLanguage(language);
        for (const auto& [name, show] : dialogs) {
            LodrinStarter::setModalRunner(
                photographer(folder, QStringLiteral("%1-%2").arg(name, suffix), ok));
            LodrinStarter starter(&mainWindow);
            show(starter, language);
        }
    }
    LodrinStarter::setModalRunner({});
    return ok ? 0 : 1;
}
