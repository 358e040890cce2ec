#include "CDlgSelect.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* prompt;
    const wchar_t* expression;
    const wchar_t* constant;
    const wchar_t* edit;
};
constexpr Texts ENGLISH{L"Select constant / expression",
                        L"Please select an equation or constant for inserting into the input field, or press "
                        L"one of the \"edit\"-buttons to edit an expression or constant.",
                        L"Expression:", L"Constant:", L"edit"};
constexpr Texts GERMAN{L"Konstante / Ausdruck auswählen",
                       L"Bitte wählen Sie eine Gleichung oder Konstante zum Einfügen in das Eingabefeld aus, "
                       L"oder drücken Sie eine der \"ändern\"-Schaltflächen, um einen Ausdruck oder eine "
                       L"Konstante zu bearbeiten.",
                       L"Ausdruck:", L"Konstante:", L"ändern"};
} // namespace

CDlgSelect::CDlgSelect(QWidget* parent) : CLodrinDialog(parent) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(t.title));
    auto* top = new QVBoxLayout(this);
    top->addWidget(createPrompt(LodrinUi::qs(t.prompt)));
    QComboBox* expressions = addList(top, LodrinId::SEL_EXPRESSIONS, LodrinId::SEL_EDIT_EXPRESSIONS,
                                     t.expression, t.edit, EDIT_EXPRESSIONS);
    QComboBox* constants = addList(top, LodrinId::SEL_CONSTANTS, LodrinId::SEL_EDIT_CONSTANTS, t.constant,
                                   t.edit, EDIT_CONSTANTS);
    // One choice at a time: picking in one list clears the other, so OK
    // never has to guess which of two selections the user meant.
    connect(expressions, &QComboBox::currentIndexChanged, constants, [constants](int index) {
        if (index >= 0) constants->setCurrentIndex(-1);
    });
    connect(constants, &QComboBox::currentIndexChanged, expressions, [expressions](int index) {
        if (index >= 0) expressions->setCurrentIndex(-1);
    });
    top->addStretch();
    top->addLayout(createOkCancel(false));
}

QComboBox* CDlgSelect::addList(QBoxLayout* layout, int listId, int buttonId, const wchar_t* label,
                               const wchar_t* edit, Edit which) {
    layout->addWidget(new QLabel(LodrinUi::qs(label), this));
    auto* row = new QHBoxLayout;
    auto* list = LodrinUi::withId(new QComboBox(this), listId);
    LodrinUi::allowLongItems(list);
    row->addWidget(list, 1);
    auto* button = LodrinUi::withId(new QPushButton(LodrinUi::qs(edit), this), buttonId);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, which] {
        m_edit = which;
        EndDialog(Accepted);
    });
    row->addWidget(button);
    layout->addLayout(row);
    return list;
}

void CDlgSelect::OnInitDialog() {
    for (auto [id, items] : {std::pair{LodrinId::SEL_EXPRESSIONS, &m_expressions},
                             std::pair{LodrinId::SEL_CONSTANTS, &m_constants}}) {
        auto* list = control<QComboBox>(id);
        LodrinUi::setItems(list, *items);
        list->setCurrentIndex(-1);
    }
}

void CDlgSelect::OnOK() {
    const std::wstring expression =
        control<QComboBox>(LodrinId::SEL_EXPRESSIONS)->currentText().toStdWString();
    const std::wstring constant = control<QComboBox>(LodrinId::SEL_CONSTANTS)->currentText().toStdWString();
    if (expression.empty() && constant.empty()) {
        showLibraryMessage(LodrinText::SELECT_ITEM, MessageIcon::Stop);
        return;
    }
    m_text = expression.empty() ? constant : expression;
    m_edit = EDIT_NONE;
    EndDialog(Accepted);
}
