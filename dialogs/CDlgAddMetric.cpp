#include "CDlgAddMetric.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "DataExchange.h"
#include "LodrinIds.h"
#include "LodrinStrings.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* kind;
    const wchar_t* name;
    const wchar_t* value;
};
constexpr Texts ENGLISH{L"Add Metric", L"Kind:", L"Name:", L"Value:"};
constexpr Texts GERMAN{L"Einheit hinzufügen", L"Art:", L"Name:", L"Wert:"};
} // namespace

CDlgAddMetric::CDlgAddMetric(QWidget* parent) : CLodrinDialog(parent) {
    using LodrinUi::qs;
    using LodrinUi::withId;
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(qs(t.title));
    auto* top = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* kinds = withId(new QComboBox(this), LodrinId::METRIC_KIND_LIST);
    LodrinUi::allowLongItems(kinds);
    form->addRow(qs(t.kind), kinds);
    auto* name = withId(new QLineEdit(this), LodrinId::METRIC_NAME);
    LodrinUi::guardUnitName(name);
    form->addRow(qs(t.name), name);
    form->addRow(qs(t.value), withId(new QLineEdit(this), LodrinId::METRIC_VALUE));
    top->addLayout(form);
    auto* base = withId(new QLabel(this), LodrinId::METRIC_BASE_LINE);
    base->setWordWrap(true);
    top->addWidget(base);
    top->addStretch();
    top->addLayout(createOkCancel(false));

    connect(kinds, &QComboBox::currentIndexChanged, this, &CDlgAddMetric::showBase);
    connect(kinds, &QComboBox::currentIndexChanged, this, &CDlgAddMetric::updateOk);
    connect(name, &QLineEdit::textChanged, this, &CDlgAddMetric::updateOk);
}

void CDlgAddMetric::DoDataExchange(DataExchange& dx) {
    dx.text(LodrinId::METRIC_NAME, m_name);
    dx.number(LodrinId::METRIC_VALUE, m_value);
}

void CDlgAddMetric::OnInitDialog() {
    auto* kinds = control<QComboBox>(LodrinId::METRIC_KIND_LIST);
    {
        QSignalBlocker quiet(kinds);
        LodrinUi::setItems(kinds, m_kinds);
        kinds->setCurrentIndex(m_kinds.empty() ? -1 : 0);
    }
    control<QLineEdit>(LodrinId::METRIC_NAME)->setText(LodrinUi::qs(m_name));
    // The factor starts empty: there is no sensible default to confirm.
    showBase(kinds->currentIndex());
    updateOk();
}

void CDlgAddMetric::showBase(int kind) {
    std::wstring line = LodrinStrings::embedded().load(LodrinText::BASE_IS, language());
    if (kind >= 0 && static_cast<std::size_t>(kind) < m_bases.size())
        line += m_bases[static_cast<std::size_t>(kind)];
    control<QLabel>(LodrinId::METRIC_BASE_LINE)->setText(LodrinUi::qs(line));
}

// A unit needs a kind and a name.
void CDlgAddMetric::updateOk() {
    const bool complete = control<QComboBox>(LodrinId::METRIC_KIND_LIST)->currentIndex() >= 0 &&
                          !control<QLineEdit>(LodrinId::METRIC_NAME)->text().isEmpty();
    control<QPushButton>(LodrinId::OK)->setEnabled(complete);
}

void CDlgAddMetric::OnOK() {
    auto* kinds = control<QComboBox>(LodrinId::METRIC_KIND_LIST);
    if (kinds->currentIndex() < 0 || control<QLineEdit>(LodrinId::METRIC_NAME)->text().isEmpty()) return;
    if (!UpdateData(true)) return;
    m_kind = kinds->currentText().toStdWString();
    EndDialog(Accepted);
}
