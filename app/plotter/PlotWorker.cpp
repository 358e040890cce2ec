#include "PlotWorker.h"

#include <QPainter>

PlotWorker::PlotWorker(OrvantaCalcBase& engine, std::function<void()> notify,
                       std::function<void(PlotPass::Result)> finished)
    : m_engine(engine), m_notify(std::move(notify)), m_finished(std::move(finished)) {}

PlotWorker::~PlotWorker() {
    cancel(true);
    if (m_thread.joinable()) m_thread.join();
}

bool PlotWorker::start(const PlotJob& job, const QSize& client) {
    if (m_running) return false;
    // A pass that outlived its cancel time-out has ended by now or ends soon.
    if (m_thread.joinable()) m_thread.join();
    m_running = true;
    m_complete = false;
    m_stopped.reset();
    m_thread = std::thread(&PlotWorker::runPass, this, job, client);
    const bool began = m_started.wait(START_TIMEOUT);
    m_started.reset();
    return began;
}

void PlotWorker::cancel(bool wait) {
    if (!m_running) return;
    m_running = false;
    if (wait) {
        m_stopped.wait(STOP_TIMEOUT);
        m_stopped.reset();
    }
    m_complete = false;
}

QImage PlotWorker::picture() {
    std::lock_guard lock(m_picture_mutex);
    return m_picture;
}

void PlotWorker::publish(const QImage& canvas) {
    {
        std::lock_guard lock(m_picture_mutex);
        m_picture = canvas.copy(); // a deep copy: the pass goes on drawing into its own
    }
    if (m_notify) m_notify();
}

void PlotWorker::runPass(PlotJob job, QSize client) {
    m_started.set();
    PlotPass::Result result = PlotPass::Result::OutOfMemory;
    QImage canvas(client, QImage::Format_RGB32);
    if (!canvas.isNull()) {
        QPainter painter(&canvas);
        PlotContext context(m_engine, job.angle, &m_running, [&] {
            if (m_wanted.exchange(false)) publish(canvas);
        });
        result = PlotPass::run(painter, client, job, context);
        painter.end();
        publish(canvas);
    }
    bool ran = true;
    if (m_running.compare_exchange_strong(ran, false)) {
        m_complete = result == PlotPass::Result::Complete;
    } else {
        m_complete = false; // cancelled meanwhile
        m_stopped.set();
    }
    if (m_finished) m_finished(result);
}
