#pragma once
#include <QImage>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

#include "PlotEvent.h"
#include "PlotPass.h"

// The thread that runs the plot window's paint passes, one at a time. The
// pass draws into a picture of its own; the window asks for copies while it
// grows and gets the finished one. The worker never touches a widget: it
// tells the window through the notify callback, which posts to the window's
// thread.
class PlotWorker {
public:
    static constexpr std::chrono::milliseconds START_TIMEOUT{1000};
    static constexpr std::chrono::milliseconds STOP_TIMEOUT{2000};

    // notify runs on the worker thread after a new picture is available;
    // finished runs there when a pass ends, with its result.
    PlotWorker(OrvantaCalcBase& engine, std::function<void()> notify,
               std::function<void(PlotPass::Result)> finished);
    ~PlotWorker();
    PlotWorker(const PlotWorker&) = delete;
    PlotWorker& operator=(const PlotWorker&) = delete;

    // Starts a pass unless one runs; waits up to START_TIMEOUT for the
    // worker to begin.
    bool start(const PlotJob& job, const QSize& client);
    // Stops a running pass: clears the running flag and, when wait is set,
    // waits up to STOP_TIMEOUT for the worker to confirm.
    void cancel(bool wait = true);
    bool running() const { return m_running.load(); }
    bool complete() const { return m_complete.load(); }
    void invalidate() { m_complete = false; }
    // A copy of the picture as far as it is drawn.
    QImage picture();
    // Asks the running pass for a fresh copy at its next checkpoint.
    void requestPicture() { m_wanted = true; }

private:
    void runPass(PlotJob job, QSize client);
    void publish(const QImage& canvas);

    OrvantaCalcBase& m_engine;
    std::function<void()> m_notify;
    std::function<void(PlotPass::Result)> m_finished;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_complete{false};
    std::atomic<bool> m_wanted{false};
    PlotEvent m_started;
    PlotEvent m_stopped;
    std::mutex m_picture_mutex;
    QImage m_picture;
    std::thread m_thread;
};
