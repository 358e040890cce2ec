// A tour of the equation solver and the function calculator as a user would
// take it, photographed on the way: Pythagoras solved for c, stored, and
// loaded again after a restart; the derivative, zeros, extrema and Simpson
// integral of x^3-2*x, a value table, and a long search cancelled with Escape. Dialogs are filled in through
// their controls and photographed before they close. Runs on the settings folder the environment names
// (ORVANTA_CONFIG_DIR). Usage:
//   orvanta-analysis-tour [--screen WxH] FOLDER
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>

#include "CDlgIntegral.h"
#include "CFunctionCalculatorView.h"
#include "CGridCtrl.h"
#include "CLodrinDialog.h"
#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "CSolverCalculatorView.h"
#include "CValueTableDialog.h"
#include "LodrinIds.h"
#include "LodrinStarter.h"
#include "ModeTable.h"
#include "OrvantaApp.h"
#include "SettingsStore.h"
#include "ToolOptions.h"

namespace {
QString g_folder;
bool g_ok = true;
std::deque<std::function<void(CLodrinDialog&)>> g_dialogs;

void settle(int milliseconds = 300) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void save(QWidget& window, const char* name) {
    QPixmap picture;
    if (QScreen* screen = window.screen()) picture = screen->grabWindow(window.winId());
    if (picture.isNull()) picture = window.grab();
    const QString path = g_folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    const bool ok = picture.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    g_ok = g_ok && ok;
}

void say(const char* what, const std::wstring& text) {
    std::printf("%s: %s\n", what, QString::fromStdWString(text).toUtf8().constData());
}

// The next dialog is filled in by script, photographed and confirmed.
void nextDialog(const char* picture, std::function<void(CLodrinDialog&)> script) {
    g_dialogs.push_back([picture, script](CLodrinDialog& d) {
        script(d);
        settle(200);
        save(d, picture);
    });
}

template <class W = QLineEdit> W* field(QWidget& d, int id) {
    return d.findChild<W*>(QString::number(id));
}

void range(const char* picture, const char* from, const char* to) {
    nextDialog(picture, [from, to](CLodrinDialog& d) {
        field(d, LodrinId::EDIT_FROMX)->setText(QString::fromLatin1(from));
        field(d, LodrinId::EDIT_TOX)->setText(QString::fromLatin1(to));
    });
}

void waitWhileBusy(CAnalysisView& view) {
    QElapsedTimer clock;
    clock.start();
    while (view.busy() && clock.elapsed() < 60000)
        settle(50);
}

void runOperation(CMainFrame& frame, CFunctionCalculatorView& view, int operation, const char* picture) {
    view.setOperation(operation);
    view.onKey(1023);
    waitWhileBusy(view);
    settle();
    say(picture, view.resultText());
    save(frame, picture);
}

CSolverCalculatorView& solverView(CMainFrame& frame) {
    frame.onCommand(ModeTable::SOLVER);
    return *static_cast<CSolverCalculatorView*>(frame.activeView());
}

void solveAndStore(CMainFrame& frame) {
    CSolverCalculatorView& view = solverView(frame);
    view.setInputText(L"a^2+b^2=c^2");
    view.onKey(CSolverCalculatorView::NAMES_KEY);
    view.grid()->setItemText(1, 1, L"3");
    view.grid()->setItemText(1, 2, L"4");
    settle();
    save(frame, "solver-1-parameters");
    // The wide search misses the zeros of a parabola between its coarse
    // samples; the solver then asks for a range.
    range("solver-2-range-dialog", "-10", "10");
    view.onKey(CSolverCalculatorView::WIDE_EQUALS_KEY);
    waitWhileBusy(view);
    settle();
    say("solved", view.resultText());
    save(frame, "solver-3-solved");
    nextDialog("solver-4-store-dialog", [](CLodrinDialog& d) {
        field<QComboBox>(d, LodrinId::EQ_LIST)->setCurrentIndex(0);
        field(d, LodrinId::EQ_NAME)->setText(QStringLiteral("Pythagoras"));
    });
    view.onKey(1257);
}

void reload(CMainFrame& frame) {
    CSolverCalculatorView& view = solverView(frame);
    settle();
    save(frame, "solver-5-after-restart");
    nextDialog("solver-6-load-dialog",
               [](CLodrinDialog& d) { field<QComboBox>(d, LodrinId::EQ_LIST)->setCurrentIndex(0); });
    view.onKey(1256);
    settle();
    say("reloaded", view.inputText());
    say("name", view.equationName());
    save(frame, "solver-7-reloaded");
}

void functionCalculator(CMainFrame& frame) {
    frame.onCommand(ModeTable::FUNCTION_CALCULATOR);
    auto& view = *static_cast<CFunctionCalculatorView*>(frame.activeView());
    view.setInputText(L"x^3-2*x");
    runOperation(frame, view, CFunctionCalculatorView::DERIVATE, "function-1-derivative");
    range("function-2-zeros-range", "-3", "3");
    runOperation(frame, view, CFunctionCalculatorView::ZEROS, "function-3-zeros");
    range("function-4-extrema-range", "-3", "3");
    runOperation(frame, view, CFunctionCalculatorView::EXTREMA, "function-5-extrema");
    nextDialog("function-6-integral-dialog", [](CLodrinDialog& d) {
        field(d, LodrinId::EDIT_FROMX)->setText(QStringLiteral("0"));
        field(d, LodrinId::EDIT_TOX)->setText(QStringLiteral("2"));
        field<QComboBox>(d, LodrinId::COMBO_TYPE)->setCurrentIndex(CalculatorModes::INT_SIMPSON);
    });
    runOperation(frame, view, CFunctionCalculatorView::INTEGRAL, "function-7-simpson-integral");

    // The value table is the view's own modal window: fill it once it is up.
    QTimer::singleShot(400, [] {
        auto* table = qobject_cast<CValueTableDialog*>(QApplication::activeModalWidget());
        if (!table) {
            std::printf("FAILED: no value table\n");
            g_ok = false;
            return;
        }
        field(*table, CValueTableDialog::FROM_FIELD)->setText(QStringLiteral("-2"));
        field(*table, CValueTableDialog::TO_FIELD)->setText(QStringLiteral("2"));
        field(*table, CValueTableDialog::STEP_FIELD)->setText(QStringLiteral("0.5"));
        table->calculate();
        while (table->busy())
            settle(50);
        settle();
        save(*table, "function-8-value-table");
        std::printf("value table:\n%s", qPrintable(table->tableText()));
        table->accept();
    });
    view.setOperation(CFunctionCalculatorView::VALUE_TABLE);
    view.onKey(1023);

    // A long search, stopped with Escape in the input line.
    view.setInputText(L"sin(x)*cos(x)+x^3-2*x");
    view.setOperation(CFunctionCalculatorView::DISCONTINUITIES);
    range("function-9-long-search-range", "-999", "999");
    view.onKey(1023);
    settle(400);
    say("while searching", view.resultText());
    save(frame, "function-10-calculating");
    QElapsedTimer clock;
    clock.start();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(view.inputLine(), &escape);
    std::printf("cancelled after %lld ms, still busy: %s\n", static_cast<long long>(clock.elapsed()),
                view.busy() ? "yes" : "no");
    settle();
    save(frame, "function-11-cancelled");
    view.setInputText(L"x^2+1");
    runOperation(frame, view, CFunctionCalculatorView::VALUE_AT_ZERO, "function-12-usable-again");
}
} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // the values reach a log even if the run is cut short
    QApplication application(argc, argv);
    if (const int status = prepareOutput(QStringLiteral("screenshots/analysis"), g_folder)) return status;
    LodrinStarter::setModalRunner([](CLodrinDialog& dialog) {
        if (g_dialogs.empty()) return static_cast<int>(QDialog::Rejected);
        auto script = std::move(g_dialogs.front());
        g_dialogs.pop_front();
        dialog.show();
        settle(200);
        script(dialog);
        dialog.accept();
        return dialog.result();
    });
    SettingsStore store(SettingsStore::defaultFolder());
    // The program as it starts for the user: a fresh application object each time.
    auto launch = [&store] {
        auto orvanta = std::make_unique<OrvantaApp>(store);
        if (!orvanta->initInstance()) return std::unique_ptr<OrvantaApp>();
        orvanta->frame()->move(20, 20);
        orvanta->frame()->show();
        settle(600);
        return orvanta;
    };
    auto orvanta = launch();
    if (!orvanta) return 1;
    solveAndStore(*orvanta->frame());
    orvanta->frame()->close();
    orvanta.reset(); // the restart
    orvanta = launch();
    if (!orvanta) return 1;
    reload(*orvanta->frame());
    functionCalculator(*orvanta->frame());
    orvanta->frame()->close();
    return g_ok && g_dialogs.empty() ? 0 : 1;
}
