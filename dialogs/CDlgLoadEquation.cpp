#include "CDlgLoadEquation.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* equation;
    const wchar_t* select;
};
constexpr Texts ENGLISH{L"Load Equation", L"Equation:", L"Select"};
constexpr Texts GERMAN{L"Gleichung laden", L"Gleichung:", L"Auswählen"};
} // namespace

CDlgLoadEquation::CDlgLoadEquation(QWidget* parent) : CLodrinDialog(parent) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(t.title));
    auto* top = new QVBoxLayout(this);
    top->addWidget(new QLabel(LodrinUi::qs(t.equation), this));
    auto* list = LodrinUi::withId(new QComboBox(this), LodrinId::EQ_LIST);
    LodrinUi::allowLongItems(list);
    top->addWidget(list);
    auto* equation = LodrinUi::withId(new QLineEdit(this), LodrinId::EQ_TEXT);
    equation->setReadOnly(true);
    top->addWidget(equation);
    top->addStretch();
    top->addLayout(createOkCancel(false));
    control<QPushButton>(LodrinId::OK)->setText(LodrinUi::qs(t.select));
    connect(list, &QComboBox::currentIndexChanged, this, &CDlgLoadEquation::showEquation);
}

void CDlgLoadEquation::OnInitDialog() {
    m_equations.resize(m_names.size());
    auto* list = control<QComboBox>(LodrinId::EQ_LIST);
    QSignalBlocker quiet(list);
    LodrinUi::setItems(list, m_names);
    LodrinUi::selectIndex(list, m_selected);
    showEquation(list->currentIndex());
}

void CDlgLoadEquation::showEquation(int slot) {
    const bool valid = slot >= 0 && static_cast<std::size_t>(slot) < m_equations.size();
    control<QLineEdit>(LodrinId::EQ_TEXT)
        ->setText(valid ? LodrinUi::qs(m_equations[static_cast<std::size_t>(slot)]) : QString());
}

void CDlgLoadEquation::OnOK() {
    m_selected = control<QComboBox>(LodrinId::EQ_LIST)->currentIndex();
    EndDialog(Accepted);
}
