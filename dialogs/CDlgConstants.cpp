#include "CDlgConstants.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* select;
    const wchar_t* constant;
    const wchar_t* value;
};
constexpr Texts ENGLISH{L"Constant editor", L"Select constant:", L"Constant:", L"Value:"};
constexpr Texts GERMAN{L"Konstanteneditor", L"Konstante auswählen:", L"Konstante:", L"Wert:"};
} // namespace

CDlgConstants::CDlgConstants(QWidget* parent) : CLodrinDialog(parent) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(t.title));
    auto* top = new QVBoxLayout(this);
    top->addWidget(new QLabel(LodrinUi::qs(t.select), this));
    auto* list = LodrinUi::withId(new QComboBox(this), LodrinId::CONST_LIST);
    LodrinUi::allowLongItems(list);
    top->addWidget(list);
    auto* form = new QFormLayout;
    auto* name = LodrinUi::withId(new QLineEdit(this), LodrinId::CONST_NAME);
    auto* value = LodrinUi::withId(new QLineEdit(this), LodrinId::CONST_VALUE);
    form->addRow(LodrinUi::qs(t.constant), name);
    form->addRow(LodrinUi::qs(t.value), value);
    top->addLayout(form);
    top->addStretch();
    top->addLayout(createOkCancel(false));

    connect(list, &QComboBox::currentIndexChanged, this, &CDlgConstants::showSlot);
    connect(name, &QLineEdit::textChanged, this, &CDlgConstants::editSlot);
    connect(value, &QLineEdit::textChanged, this, &CDlgConstants::editSlot);
}

void CDlgConstants::OnInitDialog() {
    m_values.resize(m_keys.size());
    auto* list = control<QComboBox>(LodrinId::CONST_LIST);
    QSignalBlocker quiet(list);
    list->clear();
    for (std::size_t slot = 0; slot < m_keys.size(); ++slot)
        list->addItem(slotText(slot));
    list->setCurrentIndex(m_keys.empty() ? -1 : 0);
    showSlot(list->currentIndex());
}

void CDlgConstants::showSlot(int slot) {
    const bool valid = slot >= 0 && static_cast<std::size_t>(slot) < m_keys.size();
    for (auto [id, texts] :
         {std::pair{LodrinId::CONST_NAME, &m_keys}, std::pair{LodrinId::CONST_VALUE, &m_values}}) {
        auto* edit = control<QLineEdit>(id);
        QSignalBlocker quiet(edit);
        edit->setText(valid ? LodrinUi::qs((*texts)[static_cast<std::size_t>(slot)]) : QString());
        edit->setEnabled(valid);
    }
}

void CDlgConstants::editSlot() {
    auto* list = control<QComboBox>(LodrinId::CONST_LIST);
    const int slot = list->currentIndex();
    if (slot < 0 || static_cast<std::size_t>(slot) >= m_keys.size()) return;
    const auto i = static_cast<std::size_t>(slot);
    m_keys[i] = control<QLineEdit>(LodrinId::CONST_NAME)->text().toStdWString();
    m_values[i] = control<QLineEdit>(LodrinId::CONST_VALUE)->text().toStdWString();
    list->setItemText(slot, slotText(i));
}

QString CDlgConstants::slotText(std::size_t slot) const {
    // Numbered like the user keys, so an empty slot is a line of its own too.
    return QString::number(slot + 1) + QStringLiteral(": ") + LodrinUi::qs(m_keys[slot]);
}
