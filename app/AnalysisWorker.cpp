#include "AnalysisWorker.h"

#include "AnalysisCancel.h"

AnalysisWorker::AnalysisWorker(OrvantaCalcBase& engine, QObject* parent)
    : QObject(parent), m_engine(engine) {}

AnalysisWorker::~AnalysisWorker() {
    m_cancel = true;
    join();
}

bool AnalysisWorker::start(const CalculatorSettings& settings, Job job, Done done) {
    if (m_busy) return false;
    join(); // a finished thread waits to be joined until the next start
    m_cancel = false;
    m_busy = true;
    const unsigned generation = ++m_generation;
    m_thread =
        std::thread([this, generation, settings, job = std::move(job), done = std::move(done)]() mutable {
            EngineAdapter adapter(m_engine);
            adapter.settings() = settings;
            AnalysisCancel::setFlag(&m_cancel);
            const std::wstring text = job(adapter, m_cancel);
            AnalysisCancel::setFlag(nullptr);
            // Queued to this object: dropped when the worker is gone by then.
            QMetaObject::invokeMethod(
                this, [this, generation, text, done = std::move(done)] { complete(generation, text, done); },
                Qt::QueuedConnection);
        });
    return true;
}

void AnalysisWorker::complete(unsigned generation, const std::wstring& text, Done done) {
    if (!m_busy || generation != m_generation) return; // cancelled meanwhile: the result is stale
    join();
    m_busy = false;
    if (done) done(text);
    emit finished(false);
}

void AnalysisWorker::cancel() {
    if (!m_busy) return;
    m_cancel = true;
    join();
    m_busy = false;
    emit finished(true);
}

void AnalysisWorker::join() {
    if (m_thread.joinable()) m_thread.join();
}
