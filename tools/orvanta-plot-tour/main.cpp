// Takes the plotter through a user's tour on a real (virtual) display:
// types two functions on the keypad, plots, zooms with the rubber band and
// the wheel, moves, goes back, resizes the window and saves, photographing
// each step. Usage: orvanta-plot-tour [--screen WxH] FOLDER
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cstdio>

#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "CPlotterInputView.h"
#include "ModeTable.h"
#include "OrvantaApp.h"
#include "Platform.h"
#include "PlotMessages.h"
#include "PlotWindow.h"
#include "ScriptedPlatform.h"
#include "SettingsStore.h"
#include "ToolOptions.h"

namespace {
namespace M = PlotMessages;
QString s_folder;
int s_failures = 0;

void settle(int milliseconds = 150) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void waitComplete(PlotWindow& w) {
    for (int i = 0; i < 200 && !w.complete(); ++i)
        settle(50);
    settle(100);
}

void photograph(QWidget& window, const char* name) {
    settle();
    QPixmap picture;
    if (QScreen* screen = window.screen()) picture = screen->grabWindow(window.winId());
    if (picture.isNull()) picture = window.grab();
    const QString path = s_folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    const bool ok = picture.save(path);
    s_failures += ok ? 0 : 1;
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
}

void tap(QWidget& view, std::initializer_list<int> ids) {
    for (int id : ids) {
        auto* key = view.findChild<QAbstractButton*>(QString::number(id));
        if (!key || !key->isVisible()) {
            std::printf("key %d is not on the keypad\n", id);
            ++s_failures;
            continue;
        }
        QTest::mouseClick(key, Qt::LeftButton);
        settle(40);
    }
}

void trigger(PlotWindow& w, int id) {
    if (auto* action = w.findChild<QAction*>(QString::number(id))) action->trigger();
    settle(50);
    waitComplete(w);
}

void tour(PlotWindow& w) {
    w.show();
    waitComplete(w);
    photograph(w, "03-plot");
    QWidget* canvas = w.canvas();
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(120, 160));
    QTest::mouseMove(canvas, QPoint(240, 320));
    QTest::mouseMove(canvas, QPoint(360, 400));
    photograph(w, "04-rubber-band");
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(360, 400));
    trigger(w, M::ID_ZOOM_IN);
    photograph(w, "05-zoomed-to-rectangle");
    const QPointF at(canvas->width() * 0.75, canvas->height() * 0.25);
    QWheelEvent wheel(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &wheel);
    waitComplete(w);
    photograph(w, "06-wheel-zoomed-out");
    trigger(w, M::ID_MOVE_LEFT);
    photograph(w, "07-moved");
    trigger(w, M::ID_LAST_REGION);
    photograph(w, "08-last-region");
    w.resize(w.width() + 300, w.height() - 100);
    settle(300);
    waitComplete(w);
    photograph(w, "09-resized");
    ScriptedFileDialog files;
    files.answer((s_folder + QStringLiteral("/10-saved.bmp")).toStdWString());
    files.answer((s_folder + QStringLiteral("/10-saved.svg")).toStdWString());
    Platform::Services previous = Platform::install({nullptr, nullptr, &files, nullptr});
    trigger(w, M::ID_SAVE);
    trigger(w, M::ID_SAVE);
    Platform::install(previous);
    std::printf("saved %s and %s\n", qPrintable(s_folder + QStringLiteral("/10-saved.bmp")),
                qPrintable(s_folder + QStringLiteral("/10-saved.svg")));
    w.accept();
}
} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (const int status = prepareOutput(QStringLiteral("screenshots/plot"), s_folder)) return status;
    SettingsStore store(SettingsStore::defaultFolder());
    OrvantaApp orvanta(store);
    if (!orvanta.initInstance()) return 1;
    CMainFrame& frame = *orvanta.frame();
    frame.show();
    frame.switchMode(ModeTable::PLOTTER);
    settle(300);
    photograph(frame, "01-plotter");
    CCalculatorView& view = *frame.activeView();
    // f(x)=sin(x) into the list, then f(x)=x^2-3 as the current function.
    tap(view, {1360, 1429, 1425, 1453, 1032, 1360, 1429, 1453, 1421, 1409, 1416, 1410});
    photograph(frame, "02-typed");
    PlotWindow::setModalRunner([](PlotWindow& w) {
        tour(w);
        return 1;
    });
    tap(view, {CPlotterInputView::PLOT_KEY});
    settle(200);
    photograph(frame, "11-closed");
    return s_failures == 0 ? 0 : 1;
}
