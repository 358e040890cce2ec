#pragma once
#include <QObject>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "EngineAdapter.h"

// Runs one long engine job (an analysis, a solver search, a value table) on a
// thread of its own, so the window keeps repainting and the user can cancel.
// The job gets an adapter of its own with a copy of the settings; the adapter
// hands them to the engine on the worker's thread before every call, and
// nothing of it touches a widget. The result comes back on the user-interface
// thread; a cancelled job's result is dropped.
class AnalysisWorker : public QObject {
    Q_OBJECT
public:
    // Runs on the worker thread; returns the text to show. A job of many
    // engine calls polls the cancel flag between them.
    using Job = std::function<std::wstring(EngineAdapter&, const std::atomic<bool>& cancel)>;
    // Runs on the user-interface thread with the job's text.
    using Done = std::function<void(const std::wstring&)>;

    AnalysisWorker(OrvantaCalcBase& engine, QObject* parent = nullptr);
    // Cancels a running job and waits for its end.
    ~AnalysisWorker() override;

    bool busy() const { return m_busy; }
    // Starts job unless one is running; false when it was refused.
    bool start(const CalculatorSettings& settings, Job job, Done done);
    // Stops the running job at its next sample and waits for it (the walks
    // poll per sample, so this is quick); done is not called. Nothing happens
    // when no job runs.
    void cancel();

signals:
    // A job has ended, done or cancelled; the worker is free again.
    void finished(bool cancelled);

private:
    void join();
    void complete(unsigned generation, const std::wstring& text, Done done);

    OrvantaCalcBase& m_engine;
    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    bool m_busy = false;
    unsigned m_generation = 0; // tells a stale result from the current job's
};
