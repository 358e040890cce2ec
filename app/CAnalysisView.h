#pragma once
#include <functional>
#include <memory>

#include "CCalculatorView.h"

class AnalysisWorker;
class EngineAdapter;
class QShortcut;

// Base of the views whose calculations may take long (the function
// calculator and the equation solver). Such a calculation runs on a worker:
// the result line says "calculating...", the window keeps repainting, and
// only the Cancel key or Escape acts until it ends. Cancelling shows the
// result line as it was before.
class CAnalysisView : public CCalculatorView {
    Q_OBJECT
public:
    static constexpr int CANCEL_KEY = KeyId::CANCEL_WORK;

    CAnalysisView(COrvantaDoc& document, int mode, QWidget* parent = nullptr);
    ~CAnalysisView() override;

    bool busy() const;
    bool viewKey(int id) override;
    void cancelWork() override;

protected:
    // A job fills its result text and returns the engine's answer.
    using Job = std::function<bool(EngineAdapter&, std::wstring& result)>;
    // Runs job on the worker; done gets its result text on this thread.
    void runLong(Job job, std::function<void(const std::wstring&)> done);
    // The same, showing the result text in the result line.
    void runLong(Job job);
    // The view's own controls follow the busy state (the input line already does).
    virtual void busyChanged(bool) {}

private:
    void setBusy(bool busy);

    AnalysisWorker* m_worker = nullptr;
    QShortcut* m_escape = nullptr; // only while busy: otherwise Escape clears
    std::wstring m_result_before;
};
