#include "CDlgListChoice.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>

CDlgListChoice::CDlgListChoice(QWidget* parent, int listId) : CLodrinDialog(parent), m_listId(listId) {}

void CDlgListChoice::buildLayout(const QString& title, const QString& prompt, const QString& label) {
    setWindowTitle(title);
    auto* top = new QVBoxLayout(this);
    if (!prompt.isEmpty()) top->addWidget(createPrompt(prompt));
    if (!label.isEmpty()) top->addWidget(new QLabel(label, this));
    auto* items = LodrinUi::withId(new QComboBox(this), m_listId);
    LodrinUi::allowLongItems(items);
    top->addWidget(items);
    top->addStretch();
    top->addLayout(createOkCancel(false));
}

std::wstring CDlgListChoice::selectedText() const {
    if (m_selected < 0 || static_cast<std::size_t>(m_selected) >= m_items.size()) return {};
    return m_items[static_cast<std::size_t>(m_selected)];
}

QComboBox* CDlgListChoice::list() const {
    return control<QComboBox>(m_listId);
}

void CDlgListChoice::OnInitDialog() {
    LodrinUi::setItems(list(), m_items);
    LodrinUi::selectIndex(list(), m_selected);
}

void CDlgListChoice::OnOK() {
    m_selected = list()->currentIndex();
    EndDialog(Accepted);
}
