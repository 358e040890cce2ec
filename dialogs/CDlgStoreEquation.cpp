#include "CDlgStoreEquation.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* equation;
    const wchar_t* name;
    const wchar_t* replace;
    const wchar_t* remove;
};
constexpr Texts ENGLISH{L"Store equation", L"Equation:", L"Equation name:", L"Replace:",
                        L"Delete selected equation"};
constexpr Texts GERMAN{L"Gleichung speichern", L"Gleichung:", L"Name der Gleichung:", L"Ersetzen:",
                       L"Ausgewählte Gleichung löschen"};
} // namespace

CDlgStoreEquation::CDlgStoreEquation(QWidget* parent) : CLodrinDialog(parent) {
    using LodrinUi::qs;
    using LodrinUi::withId;
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(qs(t.title));
    auto* top = new QVBoxLayout(this);
    top->addWidget(new QLabel(qs(t.equation), this));
    auto* equation = withId(new QLineEdit(this), LodrinId::EQ_TEXT);
    equation->setReadOnly(true);
    top->addWidget(equation);
    top->addWidget(new QLabel(qs(t.name), this));
    top->addWidget(withId(new QLineEdit(this), LodrinId::EQ_NAME));
    top->addWidget(new QLabel(qs(t.replace), this));
    auto* list = withId(new QComboBox(this), LodrinId::EQ_LIST);
    LodrinUi::allowLongItems(list);
    top->addWidget(list);
    auto* remove = withId(new QPushButton(qs(t.remove), this), LodrinId::EQ_DELETE);
    remove->setAutoDefault(false);
    top->addWidget(remove);
    top->addStretch();
    top->addLayout(createOkCancel(false));
    connect(remove, &QPushButton::clicked, this, &CDlgStoreEquation::deleteSelected);
}

std::wstring CDlgStoreEquation::slotText(int slot) const {
    const auto i = static_cast<std::size_t>(slot);
    return std::to_wstring(slot + 1) + L": " + (m_deleted[i] ? std::wstring() : m_names[i]);
}

void CDlgStoreEquation::OnInitDialog() {
    m_deleted.resize(m_names.size(), false);
    control<QLineEdit>(LodrinId::EQ_TEXT)->setText(LodrinUi::qs(m_equation));
    control<QLineEdit>(LodrinId::EQ_NAME)->setText(LodrinUi::qs(m_name));
    // Storing again under the same name offers that name's slot.
    m_selected = 0;
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i] == m_name) m_selected = static_cast<int>(i);
    fillList();
}

void CDlgStoreEquation::fillList() {
    auto* list = control<QComboBox>(LodrinId::EQ_LIST);
    QSignalBlocker quiet(list);
    list->clear();
    for (int slot = 0; slot < static_cast<int>(m_names.size()); ++slot)
        list->addItem(LodrinUi::qs(slotText(slot)));
    LodrinUi::selectIndex(list, m_selected);
}

void CDlgStoreEquation::deleteSelected() {
    const int slot = control<QComboBox>(LodrinId::EQ_LIST)->currentIndex();
    if (slot < 0 || static_cast<std::size_t>(slot) >= m_deleted.size()) return;
    m_deleted[static_cast<std::size_t>(slot)] = true;
    m_selected = slot;
    fillList();
}

void CDlgStoreEquation::OnOK() {
    m_selected = control<QComboBox>(LodrinId::EQ_LIST)->currentIndex();
    m_name = control<QLineEdit>(LodrinId::EQ_NAME)->text().toStdWString();
    EndDialog(Accepted);
}
