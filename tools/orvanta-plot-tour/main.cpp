// Takes the plotter through a user's tour on a real (virtual) display:
// types two functions on the keypad, plots, zooms with the rubber band and
// the wheel, moves, goes back, resizes the window and saves; then plots a
// surface and turns it with the move commands, the arrow keys and a drag,
// and zooms into a fractal with the rubber band, photographing each step.
// Usage: orvanta-plot-tour [--screen WxH] FOLDER
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
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
void drag(QWidget* canvas, QPoint from, QPoint to) {
    QTest::mousePress(canvas, Qt::LeftButton, {}, from);
    for (int i = 1; i <= 8; ++i)
        QTest::mouseMove(canvas, from + (to - from) * i / 8);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
    settle(50);
    waitComplete(*static_cast<PlotWindow*>(canvas->window()));
}

void surfaceTour(PlotWindow& w) {
    w.show();
    waitComplete(w);
    photograph(w, "12-surface");
    trigger(w, M::ID_MOVE_LEFT);
    trigger(w, M::ID_MOVE_LEFT);
    photograph(w, "13-surface-turned-left-twice");
    QTest::keyClick(&w, Qt::Key_Down);
    QTest::keyClick(&w, Qt::Key_Down);
    waitComplete(w);
    photograph(w, "14-surface-arrow-down-twice");
    drag(w.canvas(), QPoint(300, 300), QPoint(180, 300)); // leftwards turns as Move left does, up to A = 90
    photograph(w, "15-surface-dragged");
    std::printf("angles after the tour: A %d, B %d\n", w.angleA(), w.angleB());
    w.accept();
}

void fractalTour(PlotWindow& w) {
    w.show();
    waitComplete(w);
    photograph(w, "16-fractal");
    QWidget* canvas = w.canvas();
    const int cw = canvas->width(), ch = canvas->height();
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(cw * 30 / 100, ch * 25 / 100));
    QTest::mouseMove(canvas, QPoint(cw * 45 / 100, ch * 40 / 100));
    QTest::mouseMove(canvas, QPoint(cw * 60 / 100, ch * 50 / 100));
    photograph(w, "17-fractal-rubber-band");
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(cw * 60 / 100, ch * 50 / 100));
    trigger(w, M::ID_ZOOM_IN);
    photograph(w, "18-fractal-zoomed");
    const PlotRegion& r = w.regions().current();
    std::printf("fractal region after the zoom: %g..%g x %g..%g\n", r.xmin, r.xmax, r.ymin, r.ymax);
    w.accept();
}

void plotText(CCalculatorView& view, const std::wstring& text, void (*script)(PlotWindow&)) {
    view.setInputText(text);
    PlotWindow::setModalRunner([script](PlotWindow& w) {
        script(w);
        return 1;
    });
    tap(view, {CPlotterInputView::PLOT_KEY});
    settle(200);
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
    // The 2D functions of the list would not mix with a surface or a fractal.
    if (auto* list = view.findChild<QComboBox*>(QString::number(CCalculatorView::MEMORY_LIST))) list->clear();
    plotText(view, L"z=f(x,y)=sin(x)*cos(y)", surfaceTour);
    COrvantaDoc& doc = *orvanta.document();
    doc.m_plot.xmin = -2, doc.m_plot.xmax = 1, doc.m_plot.ymin = -1.5, doc.m_plot.ymax = 1.5;
    plotText(view, L"z(n+1)=z(n)^2+z(0);z(0)=0", fractalTour);
    return s_failures == 0 ? 0 : 1;
}
