#include <QFile>

#include "CCalculatorView.h"
#include "CPlotterInputView.h"
#include "E2ESession.h"
#include "ModeTable.h"
#include "PlotMessages.h"
#include "PlotWindow.h"

namespace {
struct PlotKind {
    const char* name;
    const char* function;
};

// One function of each kind the plotter draws.
const PlotKind s_kinds[] = {
    {"function", "f(x)=x^2-3"},
    {"surface", "z=f(x,y)=sin(x)*cos(y)"},
    {"sequence", "f(n)=f(n-1)+1;f(0)=1"},
    {"parametric", "f(t)=[x:=4*sin(2*t);y:=4*cos(3*t);t:=0..2*pi]"},
    {"polar", "f(t)=p=[cos(4*t);t:=0..2*pi]"},
    {"fractal", "z(n+1)=z(n)^2+z(0);z(0)=0"},
};

// A drawn picture has more than the background, the axes and their labels.
constexpr int MIN_COLOURS = 3;
const QString s_canvas = QString::fromLatin1(PlotWindow::CANVAS_NAME);

void PrintTo(const PlotKind& kind, std::ostream* out) {
    *out << kind.name;
}

class E2EPlotTest : public E2ETest, public ::testing::WithParamInterface<PlotKind> {
protected:
    // The picture's colour count once drawing has settled, 0 when none shows.
    int drawnColours() {
        int colours = 0;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < WAIT_MS && remainingMs() > 0) {
            colours = ask(QStringLiteral("colours ") + s_canvas).value_or(QStringLiteral("0")).toInt();
            if (colours >= MIN_COLOURS) break;
            QThread::msleep(200);
        }
        return colours;
    }
    // The Save button takes a finished picture only: pressed until the file dialog opens.
    bool openSaveDialog() {
        for (int attempt = 0; attempt < 10 && remainingMs() > 0; ++attempt) {
            click(PlotMessages::ID_SAVE);
            if (waitShown(QStringLiteral("fileNameEdit"), true, 2000)) return true;
        }
        return false;
    }
};

TEST_P(E2EPlotTest, PlotsShowsAndSaves) {
    const PlotKind& kind = GetParam();
    start();
    switchMode(ModeTable::PLOTTER);
    click(CCalculatorView::INPUT_LINE);
    type(QString::fromLatin1(kind.function));
    click(CPlotterInputView::PLOT_KEY);
    ASSERT_TRUE(waitShown(s_canvas)) << "no plot window";
    EXPECT_GE(drawnColours(), MIN_COLOURS) << "the picture stays empty";
    photograph(QStringLiteral("shown"));

    ASSERT_TRUE(openSaveDialog());
    const QString path = folder() + QStringLiteral("/%1.png").arg(QLatin1String(kind.name));
    key(QStringLiteral("ctrl+a"));
    type(path);
    key(QStringLiteral("Return"));
    EXPECT_TRUE(waitShown(QStringLiteral("fileNameEdit"), false));
    QFile saved(path);
    QElapsedTimer clock;
    clock.start();
    while (saved.size() == 0 && clock.elapsed() < WAIT_MS)
        QThread::msleep(100);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << qPrintable(path);
    EXPECT_TRUE(saved.read(8).startsWith("\x89PNG")) << "not a PNG picture";

    key(QStringLiteral("Escape"));
    EXPECT_TRUE(waitShown(s_canvas, false)) << "the plot window stays open";
    quit();
}

INSTANTIATE_TEST_SUITE_P(Kinds, E2EPlotTest, ::testing::ValuesIn(s_kinds),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
