#include "CDlgStatisticOptions.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QLineEdit>

#include "DataExchange.h"
#include "LodrinIds.h"
#include "Platform.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* type;
    const wchar_t* types[2];
    const wchar_t* count;
};
constexpr Texts ENGLISH{
    L"Statistic calculator settings", L"Statistic type:", {L"1 Variable", L"2 Variable"}, L"Data count:"};
constexpr Texts GERMAN{L"Einstellungen des Statistikrechners",
                       L"Statistiktyp:",
                       {L"1 Variable", L"2 Variablen"},
                       L"Datenanzahl:"};
} // namespace

CDlgStatisticOptions::CDlgStatisticOptions(QWidget* parent) : CLodrinDialog(parent) {
    using LodrinUi::qs;
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(qs(t.title));
    auto* top = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    auto* types = LodrinUi::withId(new QComboBox(this), LodrinId::STAT_TYPE);
    for (const wchar_t* item : t.types)
        types->addItem(qs(item));
    form->addRow(qs(t.type), types);
    auto* count = LodrinUi::withId(new QLineEdit(this), LodrinId::STAT_COUNT);
    count->installEventFilter(this);
    form->addRow(qs(t.count), count);
    top->addLayout(form);
    top->addStretch();
    top->addLayout(createOkCancel(false));
}

void CDlgStatisticOptions::DoDataExchange(DataExchange& dx) {
    dx.integer(LodrinId::STAT_COUNT, m_count, 0, MAX_COUNT);
}

void CDlgStatisticOptions::OnInitDialog() {
    CLodrinDialog::OnInitDialog();
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::STAT_TYPE), static_cast<int>(m_type) - 1);
}

void CDlgStatisticOptions::OnOK() {
    const int previousCount = m_count;
    if (!UpdateData(true)) return;
    if (m_count < MIN_COUNT) {
        m_count = previousCount;
        showLibraryMessage(LodrinText::STATISTIC_COUNT, MessageIcon::Stop);
        return;
    }
    const int index = control<QComboBox>(LodrinId::STAT_TYPE)->currentIndex();
    if (index >= 0) m_type = static_cast<unsigned>(index) + 1;
    Platform::inputPanel().hide();
    EndDialog(Accepted);
}

void CDlgStatisticOptions::OnCancel() {
    Platform::inputPanel().hide();
    CLodrinDialog::OnCancel();
}

bool CDlgStatisticOptions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && qobject_cast<QLineEdit*>(watched)) Platform::inputPanel().show();
    return CLodrinDialog::eventFilter(watched, event);
}
