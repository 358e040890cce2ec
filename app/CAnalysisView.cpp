#include "CAnalysisView.h"

#include <QPlainTextEdit>
#include <QShortcut>
#include <algorithm>
#include <iterator>

#include "AnalysisMessages.h"
#include "AnalysisWorker.h"
#include "COrvantaDoc.h"

namespace {
constexpr int CLEAR_KEYS[] = {1360, 1028};
}

CAnalysisView::CAnalysisView(COrvantaDoc& document, int mode, QWidget* parent)
    : CCalculatorView(document, mode, parent), m_worker(new AnalysisWorker(document.engine(), this)) {
    connect(m_worker, &AnalysisWorker::finished, this, [this](bool cancelled) {
        setBusy(false);
        if (cancelled) setResultText(m_result_before);
    });
    // Escape stops the work wherever the focus is in the view.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_escape->setContext(Qt::WidgetWithChildrenShortcut);
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, &CAnalysisView::cancelWork);
}

CAnalysisView::~CAnalysisView() = default;

bool CAnalysisView::busy() const {
    return m_worker->busy();
}

bool CAnalysisView::viewKey(int id) {
    const bool clear = std::find(std::begin(CLEAR_KEYS), std::end(CLEAR_KEYS), id) != std::end(CLEAR_KEYS);
    if (id == CANCEL_KEY || (busy() && clear)) {
        cancelWork();
        return true;
    }
    // While the worker runs, the input stays as it was handed to it.
    return busy();
}

void CAnalysisView::cancelWork() {
    m_worker->cancel();
}

void CAnalysisView::setBusy(bool busy) {
    inputLine()->setReadOnly(busy);
    m_escape->setEnabled(busy);
    busyChanged(busy);
}

void CAnalysisView::runLong(Job job, std::function<void(const std::wstring&)> done) {
    if (busy()) return;
    m_result_before = resultText();
    setResultText(message(AnalysisMessages::CALCULATING));
    setBusy(true);
    m_worker->start(
        document().calculatorSettings(),
        [job = std::move(job)](EngineAdapter& adapter, const std::atomic<bool>&) {
            std::wstring result;
            job(adapter, result);
            return result;
        },
        std::move(done));
}

void CAnalysisView::runLong(Job job) {
    runLong(std::move(job), [this](const std::wstring& result) { setResultText(result); });
}
