#include "StartupProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
QElapsedTimer s_clock;

bool tracing() {
    static const bool on = [] {
        const char* value = std::getenv("ORVANTA_STARTUP_TRACE");
        return value && *value && std::strcmp(value, "0") != 0;
    }();
    return on;
}

// Waits for the window's first paint event; the frame is on the screen once
// the event loop has finished that paint pass.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget& window) : QObject(&window), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && !m_seen && widget && widget->window() == &m_window) {
            m_seen = true;
            QTimer::singleShot(0, this, [] {
                StartupProbe::mark("first paint");
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("first paint at %lld ns\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_window;
    bool m_seen = false;
};
} // namespace

namespace StartupProbe {
void begin() {
    s_clock.start();
}

void mark(const char* step) {
    if (tracing()) std::fprintf(stderr, "startup: %6.1f ms %s\n", s_clock.nsecsElapsed() / 1e6, step);
}

bool firstPaintRequested(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], FIRST_PAINT_OPTION) == 0) return true;
    return false;
}

void quitAfterFirstPaint(QWidget& window) {
    // Any of the window's widgets may paint first.
    QCoreApplication::instance()->installEventFilter(new FirstPaint(window));
}
} // namespace StartupProbe
