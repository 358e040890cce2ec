// Speed of the plot window's paint pass on an offscreen 480 x 640 picture,
// printed as a table: each figure is the median of its samples, for two
// runs. Not asserted anywhere.
#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "COrvantaDoc.h"
#include "PlotPass.h"
#include "SettingsStore.h"
#include <QPainter>
#include <atomic>
#include <thread>

namespace {
using Clock = std::chrono::steady_clock;
const QSize CLIENT(480, 640);
constexpr int SAMPLES = 15;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double timePass(COrvantaDoc& doc, const PlotJob& job) {
    std::vector<double> times;
    for (int i = 0; i < SAMPLES; ++i) {
        const auto start = Clock::now();
        PlotPass::renderImage(job, CLIENT, doc.engine());
        times.push_back(milliseconds(Clock::now() - start));
    }
    return median(times);
}

// From the cancel request until the drawing thread has left its pass (the
// window's worker then only hands the picture over).
double timeCancel(COrvantaDoc& doc, const PlotJob& job) {
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        std::atomic<bool> running{true};
        Clock::time_point end;
        std::thread worker([&] {
            QImage canvas(QSize(1600, 1600), QImage::Format_RGB32);
            QPainter painter(&canvas);
            PlotContext context(doc.engine(), job.angle, &running);
            PlotPass::run(painter, canvas.size(), job, context);
            end = Clock::now();
        });
        // Well inside the pass, which takes several times as long.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const auto request = Clock::now();
        running = false;
        worker.join();
        times.push_back(milliseconds(end - request));
    }
    return median(times);
}

struct Row {
    const char* what;
    double target;
    std::function<double()> measure;
};
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    SettingsStore store(folder.path().toStdString());
    COrvantaDoc doc(store);
    auto job = [&](PlotFunctionSet set, int quality = 1, PlotTRange t = {}, PlotRegion region = {-5, 5, -5, 5},
                   int threads = 0) {
        PlotJob j = PlotJob::fromDocument(doc);
        j.functions = std::move(set);
        j.settings.quality = quality;
        j.settings.iterations = 50;
        j.settings.valueBorder = 4.0;
        j.region = region;
        j.t = t;
        j.threads = threads;
        return j;
    };
    const PlotRegion mandelbrot{-2, 1, -1.5, 1.5};
    const PlotJob plainAll = job({L"z(n+1)=z(n)^2+(-1+0*j)", {}});
    const PlotJob plainOne = job({L"z(n+1)=z(n)^2+(-1+0*j)", {}}, 1, {}, {-5, 5, -5, 5}, 1);
    const PlotJob startAll = job({L"z(n+1)=z(n)^2+z(0);z(0)=0", {}}, 1, {}, mandelbrot);
    const PlotJob startOne = job({L"z(n+1)=z(n)^2+z(0);z(0)=0", {}}, 1, {}, mandelbrot, 1);
    const PlotJob surface = job({L"z=f(x,y)=sin(x)*cos(y)", {}});
    const PlotJob rose = job({L"f(t)=p=[cos(4*t);t:=0..2*pi]", {}}, 1, {}, {-1.5, 1.5, -1.5, 1.5});
    PlotJob fractalSlow = job({L"z(n+1)=z(n)^2+z(0);z(0)=0", {}}, 1, {}, mandelbrot);
    fractalSlow.settings.iterations = 100000;
    const PlotJob five = job({L"f(x)=sin(x)", {L"f(x)=x^2-3", L"f(x)=tan(x)", L"f(x)=sqr(x)", L"f(x)=1/x"}});
    const PlotJob circle = job({L"f(x,y)=4=x^2+y^2", {}});
    const PlotJob family = job({L"f(t,x)=t*sin(x)", {}}, 1, {1, 10, 1});
    const PlotJob slow = job({L"f(x,y)=1=sin(x*y)^2+cos(x+y)^3+sqrt(abs(x*y))", {}});
    const Row rows[] = {
        {"five f(x) functions with axes and labels", 5.0, [&] { return timePass(doc, five); }},
        {"implicit circle f(x,y)=4=x^2+y^2, quality 1", 30.0, [&] { return timePass(doc, circle); }},
        {"family f(t,x)=t*sin(x), t = 1..10", 15.0, [&] { return timePass(doc, family); }},
        {"cancel seen by the worker", 20.0, [&] { return timeCancel(doc, slow); }},
        {"fractal z(n)^2+(-1+0*j), 50 it., all cores", 100.0, [&] { return timePass(doc, plainAll); }},
        {"fractal z(n)^2+(-1+0*j), 50 it., one thread", 0.0, [&] { return timePass(doc, plainOne); }},
        {"fractal z(n)^2+z(0);z(0)=0 on -2..1, all cores", 100.0, [&] { return timePass(doc, startAll); }},
        {"fractal z(n)^2+z(0);z(0)=0 on -2..1, one thread", 0.0, [&] { return timePass(doc, startOne); }},
        {"fractal bands: cancel seen by the worker", 20.0, [&] { return timeCancel(doc, fractalSlow); }},
        {"surface z=f(x,y)=sin(x)*cos(y), quality 1", 5.0, [&] { return timePass(doc, surface); }},
        {"polar rose f(t)=p=[cos(4*t);t:=0..2*pi]", 5.0, [&] { return timePass(doc, rose); }},
    };
    std::printf("%-48s %10s %10s %10s\n", "paint pass (480 x 640)", "run 1 ms", "run 2 ms", "target ms");
    for (const Row& row : rows) {
        const double first = row.measure();
        const double second = row.measure();
        if (row.target > 0)
            std::printf("%-48s %10.2f %10.2f %10.1f\n", row.what, first, second, row.target);
        else
            std::printf("%-48s %10.2f %10.2f %10s\n", row.what, first, second, "-");
    }
    return 0;
}
