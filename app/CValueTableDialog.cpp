#include "CValueTableDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <memory>

#include "AnalysisMessages.h"
#include "AnalysisWorker.h"
#include "COrvantaDoc.h"
#include "Platform.h"
#include "Screen.h"

namespace {
namespace M = AnalysisMessages;

template <class W> W* withId(W* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

struct Texts {
    const char* title;
    const char* from;
    const char* to;
    const char* step;
    const char* calculate;
    const char* copy;
    const char* cancel;
};
constexpr Texts s_english{"Value table", "From x:", "To x:", "Step Width:", "Calculate", "Copy", "Cancel"};
constexpr Texts s_german{
    "Wertetabelle", "Von x:", "Bis x:", "Schrittweite:", "Berechnen", "Kopieren", "Abbrechen"};

QString xText(double x) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.5f", x);
    return QString::fromLatin1(buffer);
}

// A number the normal calculation printed, read back; false for a message.
bool readNumber(const std::wstring& text, double& value) {
    if (text.empty()) return false;
    wchar_t* end = nullptr;
    value = std::wcstod(text.c_str(), &end);
    return end && *end == L'\0' && std::isfinite(value);
}
} // namespace

CValueTableDialog::CValueTableDialog(const std::wstring& function, COrvantaDoc& document, QWidget* parent)
    : QDialog(parent), m_function(function), m_document(document),
      m_worker(new AnalysisWorker(document.engine(), this)) {
    buildLayout();
    connect(m_worker, &AnalysisWorker::finished, this, [this] { setBusy(false); });
}

CValueTableDialog::~CValueTableDialog() = default;

void CValueTableDialog::buildLayout() {
    const Texts& t = m_document.m_language ? s_german : s_english;
    setWindowTitle(QString::fromUtf8(t.title));
    auto* function = withId(new QLabel(QStringLiteral("f(x)=") + QString::fromStdWString(m_function), this),
                            FUNCTION_LINE);
    function->setWordWrap(true);
    m_from = withId(new QLineEdit(this), FROM_FIELD);
    m_to = withId(new QLineEdit(this), TO_FIELD);
    m_step = withId(new QLineEdit(this), STEP_FIELD);
    m_calculate = withId(new QPushButton(QString::fromUtf8(t.calculate), this), CALCULATE_BUTTON);
    m_copy = withId(new QPushButton(QString::fromUtf8(t.copy), this), COPY_BUTTON);
    m_cancel = withId(new QPushButton(QString::fromUtf8(t.cancel), this), CANCEL_BUTTON);
    m_cancel->setEnabled(false);
    m_calculate->setDefault(true);
    connect(m_calculate, &QPushButton::clicked, this, &CValueTableDialog::calculate);
    connect(m_copy, &QPushButton::clicked, this, &CValueTableDialog::copyTable);
    connect(m_cancel, &QPushButton::clicked, this, &CValueTableDialog::cancelCalculation);

    m_grid = withId(new QTableWidget(0, 0, this), GRID);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->hide();

    auto* fields = new QFormLayout;
    fields->addRow(QString::fromUtf8(t.from), m_from);
    fields->addRow(QString::fromUtf8(t.to), m_to);
    fields->addRow(QString::fromUtf8(t.step), m_step);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_calculate);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_copy);

    auto* controls = new QVBoxLayout;
    controls->addWidget(function);
    controls->addLayout(fields);
    controls->addLayout(buttons);
    // The small landscape screen is short: the table goes beside the fields.
    if (Screen::screenClass() == ScreenClass::QvgaLandscape) {
        auto* layout = new QHBoxLayout(this);
        layout->addWidget(m_grid, 3);
        controls->addStretch(1);
        layout->addLayout(controls, 2);
    } else {
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(controls);
        layout->addWidget(m_grid, 1);
    }
    // Like every window of the program it fills the device screen.
    resize(Screen::width(), Screen::height());
}

bool CValueTableDialog::busy() const {
    return m_worker->busy();
}

bool CValueTableDialog::refuse(unsigned id) {
    Platform::messageBox().show(this, OrvantaCalcBase::loadString(id), L"Orvanta", MessageIcon::Exclamation,
                                MessageButtons::Ok);
    return false;
}

bool CValueTableDialog::evaluate(QLineEdit* field, double& value) {
    std::wstring input = field->text().trimmed().toStdWString(), result;
    return m_document.calculateNormal(input, result) && readNumber(result, value);
}

bool CValueTableDialog::rowValues(double from, double to, double step, std::vector<double>& values) {
    values.clear();
    if (step == 0.0 || !std::isfinite(step)) return false;
    for (double x = from; x <= to; x += step) {
        if (values.size() >= static_cast<std::size_t>(MAX_ROWS)) return false;
        // A step too small to move x here would never reach the end.
        if (!values.empty() && x == values.back()) return false;
        values.push_back(x);
    }
    return true;
}

bool CValueTableDialog::readRange(std::vector<double>& values) {
    double from = 0.0, to = 0.0, step = 1.0;
    if (m_from->text().trimmed().isEmpty()) return refuse(M::FROM_MISSING);
    if (!evaluate(m_from, from)) return refuse(M::FROM_INVALID);
    if (m_to->text().trimmed().isEmpty()) {
        to = from;
    } else {
        if (!evaluate(m_to, to)) return refuse(M::TO_INVALID);
        if (m_step->text().trimmed().isEmpty() || !evaluate(m_step, step)) return refuse(M::STEP_INVALID);
    }
    if (!rowValues(from, to, step, values)) return refuse(M::STEP_INVALID);
    return true;
}

void CValueTableDialog::calculate() {
    std::vector<double> values;
    if (busy() || !readRange(values)) return;
    auto texts = std::make_shared<std::vector<std::wstring>>();
    const std::wstring function = m_function;
    setBusy(true);
    m_worker->start(
        m_document.calculatorSettings(),
        [values, texts, function](EngineAdapter& adapter, const std::atomic<bool>& cancel) {
            for (double x : values) {
                if (cancel) break;
                std::wstring f = function, text;
                adapter.calculateFunctionAt(f, text, x);
                texts->push_back(text);
            }
            return std::wstring();
        },
        [this, values, texts](const std::wstring&) { fill(values, *texts); });
}

void CValueTableDialog::fill(const std::vector<double>& values, const std::vector<std::wstring>& texts) {
    m_grid->clear();
    m_grid->setColumnCount(2);
    m_grid->setRowCount(static_cast<int>(values.size()) + 1);
    m_grid->setColumnWidth(0, 30 * (Screen::HiRes() ? 2 : 1) +
                                  m_grid->fontMetrics().horizontalAdvance(QStringLiteral("-0000.00000")));
    auto cell = [this](int row, int column, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        if (row == 0 || column == 0) item->setBackground(palette().button());
        m_grid->setItem(row, column, item);
    };
    cell(0, 0, QStringLiteral("x"));
    cell(0, 1, QStringLiteral("f(x)"));
    for (std::size_t i = 0; i < values.size() && i < texts.size(); ++i) {
        cell(static_cast<int>(i) + 1, 0, xText(values[i]));
        cell(static_cast<int>(i) + 1, 1, QString::fromStdWString(texts[i]));
    }
    m_grid->horizontalHeader()->setStretchLastSection(true);
}

void CValueTableDialog::cancelCalculation() {
    m_worker->cancel();
}

void CValueTableDialog::setBusy(bool busy) {
    m_calculate->setEnabled(!busy);
    m_cancel->setEnabled(busy);
    if (busy) m_cancel->setFocus();
}

void CValueTableDialog::reject() {
    // Escape while the table is being computed stops the work, not the window.
    if (busy()) {
        cancelCalculation();
        return;
    }
    QDialog::reject();
}

QString CValueTableDialog::tableText() const {
    QStringList lines;
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m_grid->columnCount(); ++c)
            cells << (m_grid->item(r, c) ? m_grid->item(r, c)->text() : QString());
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void CValueTableDialog::copyTable() const {
    QApplication::clipboard()->setText(tableText());
}
