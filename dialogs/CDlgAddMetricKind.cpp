#include "CDlgAddMetricKind.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "DataExchange.h"
#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* prompt;
    const wchar_t* kind;
    const wchar_t* base;
};
constexpr Texts ENGLISH{L"Add metric kind",
                        L"Please enter the name of the metric kind (e.g. radioactivity) and the base metric "
                        L"(the international standard metric for this kind)",
                        L"Kind:", L"Basename:"};
constexpr Texts GERMAN{L"Einheitenart hinzufügen",
                       L"Bitte geben Sie den Namen der Einheitenart (z. B. Radioaktivität) und die "
                       L"Basiseinheit (die internationale Standardeinheit dieser Art) ein",
                       L"Art:", L"Basisname:"};
} // namespace

CDlgAddMetricKind::CDlgAddMetricKind(QWidget* parent) : CLodrinDialog(parent) {
    using LodrinUi::qs;
    using LodrinUi::withId;
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(qs(t.title));
    auto* top = new QVBoxLayout(this);
    top->addWidget(createPrompt(qs(t.prompt)));
    auto* form = new QFormLayout;
    for (auto [id, label] :
         {std::pair{LodrinId::KIND_NAME, t.kind}, std::pair{LodrinId::KIND_BASE, t.base}}) {
        auto* edit = withId(new QLineEdit(this), id);
        LodrinUi::guardUnitName(edit);
        connect(edit, &QLineEdit::textChanged, this, &CDlgAddMetricKind::updateOk);
        form->addRow(qs(label), edit);
    }
    top->addLayout(form);
    top->addStretch();
    top->addLayout(createOkCancel(false));
}

void CDlgAddMetricKind::DoDataExchange(DataExchange& dx) {
    dx.text(LodrinId::KIND_NAME, m_name);
    dx.text(LodrinId::KIND_BASE, m_base);
}

void CDlgAddMetricKind::OnInitDialog() {
    CLodrinDialog::OnInitDialog();
    updateOk();
}

// A kind needs a name and a base unit.
void CDlgAddMetricKind::updateOk() {
    const bool complete = !control<QLineEdit>(LodrinId::KIND_NAME)->text().isEmpty() &&
                          !control<QLineEdit>(LodrinId::KIND_BASE)->text().isEmpty();
    control<QPushButton>(LodrinId::OK)->setEnabled(complete);
}

void CDlgAddMetricKind::OnOK() {
    const std::wstring name = control<QLineEdit>(LodrinId::KIND_NAME)->text().toStdWString();
    if (name.empty() || control<QLineEdit>(LodrinId::KIND_BASE)->text().isEmpty()) return;
    if (std::find(m_kinds.begin(), m_kinds.end(), name) != m_kinds.end()) {
        showLibraryMessage(LodrinText::KIND_EXISTS);
        return;
    }
    UpdateData(true);
    EndDialog(Accepted);
}
