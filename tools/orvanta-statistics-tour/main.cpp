// A tour of the statistics calculator as a user would take it, photographed
// on the way: six x/y points typed into the grid, three with the keypad and
// three with the keyboard; meanx() and the correlation; a linear and an
// exponential regression, each shown as a plot that is saved as PNG and BMP;
// the data saved, the grid cleared and the data loaded back. Dialogs are
// answered through their controls and photographed; the file dialogs are
// answered with paths in FOLDER. Runs on the settings folder the environment
// names (ORVANTA_CONFIG_DIR). Usage:
//   orvanta-statistics-tour [--screen WxH] FOLDER
#include <QApplication>
#include <QFile>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>

#include "CDlgRegressionModel.h"
#include "CGridCtrl.h"
#include "CMainFrame.h"
#include "CStatisticCalculatorView.h"
#include "KeyButton.h"
#include "KeyIds.h"
#include "LodrinIds.h"
#include "LodrinStarter.h"
#include "ModeTable.h"
#include "OrvantaApp.h"
#include "Platform.h"
#include "PlotMessages.h"
#include "PlotWindow.h"
#include "ScriptedPlatform.h"
#include "SettingsStore.h"
#include "ToolOptions.h"

namespace {
namespace K = KeyId;
using V = CStatisticCalculatorView;
QString g_folder;
bool g_ok = true;
ScriptedFileDialog g_files;
std::function<void(PlotWindow&)> g_plot;

void settle(int milliseconds = 300) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

QString path(const char* name) {
    return g_folder + QLatin1Char('/') + QLatin1String(name);
}

void save(QWidget& window, const char* name) {
    QPixmap picture;
    if (QScreen* screen = window.screen()) picture = screen->grabWindow(window.winId());
    if (picture.isNull()) picture = window.grab();
    const QString file = path(name) + QStringLiteral(".png");
    const bool ok = picture.save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    g_ok = g_ok && ok;
}

void say(const char* what, const std::wstring& text) {
    std::printf("%s: %s\n", what, QString::fromStdWString(text).toUtf8().constData());
}

void press(V& view, int id) {
    auto* key = view.findChild<KeyButton*>(QString::number(id));
    if (!key || !key->isVisible()) {
        std::printf("FAILED: key %d not on the keypad\n", id);
        g_ok = false;
        return;
    }
    QTest::mouseClick(key, Qt::LeftButton);
    settle(60);
}

// A number typed on the keypad, key by key.
void keypad(V& view, const char* text) {
    static const std::map<char, int> keys = {
        {'0', K::DIGIT_0}, {'1', K::DIGIT_1}, {'2', K::DIGIT_2}, {'3', K::DIGIT_3}, {'4', K::DIGIT_4},
        {'5', K::DIGIT_5}, {'6', K::DIGIT_6}, {'7', K::DIGIT_7}, {'8', K::DIGIT_8}, {'9', K::DIGIT_9},
        {'.', K::POINT},   {'-', K::MINUS}};
    for (const char* c = text; *c; ++c)
        press(view, keys.at(*c));
}

// Text typed on the keyboard into whatever has the focus.
void keyboard(const char* text) {
    for (const char* c = text; *c; ++c) {
        QTest::keyClick(QApplication::focusWidget(), *c);
        settle(20);
    }
}

void keyboardKey(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    settle(60);
}

void enterPoints(CMainFrame& frame, V& view) {
    // Close to y = e^x, so that the exponential fit is the better one.
    static const char* const points[][2] = {{"1", "2.7"},  {"2", "7.4"},   {"3", "20.1"},
                                            {"4", "54.6"}, {"5", "148.4"}, {"6", "403.4"}};
    CGridCtrl& grid = view.grid();
    grid.setFocus();
    for (int i = 0; i < 6; ++i) {
        const bool byKeypad = i < 3;
        grid.setFocusCell(V::X_ROW, i + 1);
        if (byKeypad) {
            keypad(view, points[i][0]);
            grid.setFocusCell(V::Y_ROW, i + 1);
            keypad(view, points[i][1]);
            grid.endEditing();
        } else {
            // Typed into the x cell; Enter goes down to the y cell of the point.
            keyboard(points[i][0]);
            keyboardKey(Qt::Key_Return);
            keyboard(points[i][1]);
            keyboardKey(Qt::Key_Return);
        }
        settle(100);
    }
    grid.setFocusCell(V::X_ROW, 1);
    settle();
    say("x", view.row(V::X_ROW).at(5));
    say("y", view.row(V::Y_ROW).at(5));
    save(frame, "statistics-1-six-points");
}

void calculate(CMainFrame& frame, V& view) {
    view.inputLine()->setFocus();
    press(view, K::CLEAR);
    press(view, K::STAT_MEAN);
    press(view, K::EQUALS);
    settle();
    say(qPrintable(QString::fromStdWString(view.inputText())), view.resultText());
    save(frame, "statistics-2-meanx");
    // The correlation: the covariance over both population deviations,
    // typed on the keyboard.
    view.inputLine()->setFocus();
    press(view, K::CLEAR);
    keyboard("covxy(0)/(stddevpopx()*stddevpopy())");
    keyboardKey(Qt::Key_Return);
    settle();
    say("covxy(0)/(stddevpopx()*stddevpopy())", view.resultText());
    save(frame, "statistics-3-correlation");
}

void regression(CMainFrame& frame, V& view, int model, const char* dialogPicture, const char* picture) {
    LodrinStarter::setModalRunner([model, dialogPicture](CLodrinDialog& dialog) {
        dialog.show();
        settle(200);
        if (auto* list = dialog.findChild<QComboBox*>(QString::number(LodrinId::REGRESSION_LIST)))
            list->setCurrentIndex(model);
        settle(100);
        save(dialog, dialogPicture);
        dialog.accept();
        return dialog.result();
    });
    press(view, K::REGRESSION);
    settle();
    say("fitted", view.inputText());
    say("quality", view.resultText());
    save(frame, picture);
}

// Show: the plot window, photographed and saved as PNG and BMP.
void show(V& view, const char* picture) {
    g_plot = [picture](PlotWindow& window) {
        for (int i = 0; i < 100 && !window.complete(); ++i)
            settle(100);
        settle();
        save(window, picture);
        for (const char* suffix : {".png", ".bmp"}) {
            const QString file = path(picture) + QStringLiteral("-saved") + QLatin1String(suffix);
            g_files.answer(file.toStdWString());
            window.command(PlotMessages::ID_SAVE);
            std::printf("%s %s (%lld bytes)\n", QFile::exists(file) ? "saved" : "FAILED", qPrintable(file),
                        static_cast<long long>(QFile(file).size()));
            g_ok = g_ok && QFile::exists(file);
        }
    };
    press(view, K::HISTORY_ADD);
}

void filesRoundTrip(CMainFrame& frame, V& view) {
    const QString data = path("statistics-data.csv");
    g_files.answer(data.toStdWString());
    press(view, K::STORE);
    QFile file(data);
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        std::printf("data file: %lld bytes, \"%s\" and a zero byte at the end: %s\n",
                    static_cast<long long>(bytes.size()), bytes.left(bytes.size() - 1).constData(),
                    bytes.endsWith('\0') ? "yes" : "no");
    } else {
        std::printf("FAILED: no data file\n");
        g_ok = false;
    }
    // Cleared as a user does: everything selected, then Delete.
    view.grid().setFocus();
    view.grid().selectAllCells();
    keyboardKey(Qt::Key_Delete);
    settle();
    save(frame, "statistics-10-cleared");
    g_files.answer(data.toStdWString());
    press(view, K::LOAD);
    settle();
    std::wstring loaded;
    for (int r : {V::X_ROW, V::Y_ROW})
        for (const std::wstring& cell : view.row(r))
            loaded += (cell.empty() ? L"_" : cell) + L" ";
    say("loaded", loaded);
    save(frame, "statistics-11-loaded");
}
} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // the values reach a log even if the run is cut short
    QApplication application(argc, argv);
    if (const int status = prepareOutput(QStringLiteral("screenshots/statistics"), g_folder)) return status;
    Platform::Services services;
    services.fileDialog = &g_files;
    Platform::install(services);
    PlotWindow::setModalRunner([](PlotWindow& window) {
        window.show();
        if (g_plot) g_plot(window);
        window.accept();
        return 1;
    });
    SettingsStore store(SettingsStore::defaultFolder());
    OrvantaApp orvanta(store);
    if (!orvanta.initInstance()) return 1;
    CMainFrame& frame = *orvanta.frame();
    frame.move(20, 20);
    frame.show();
    QApplication::setActiveWindow(&frame);
    settle(600);
    frame.onCommand(ModeTable::STATISTIC);
    settle();
    auto* view = dynamic_cast<V*>(frame.activeView());
    if (!view) return 1;
    enterPoints(frame, *view);
    calculate(frame, *view);
    regression(frame, *view, 0, "statistics-4-linear-model", "statistics-5-linear-fit");
    show(*view, "statistics-6-linear-plot");
    regression(frame, *view, 1, "statistics-7-exponential-model", "statistics-8-exponential-fit");
    show(*view, "statistics-9-exponential-plot");
    filesRoundTrip(frame, *view);
    frame.close();
    return g_ok ? 0 : 1;
}
