#include "CDlgMyFunctions.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "LodrinIds.h"
#include "Platform.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* assign;
    const wchar_t* copy;
    const wchar_t* caption;
    const wchar_t* button;
    const wchar_t* variables[5];
};
constexpr Texts ENGLISH{
    L"My Buttons / Functions",
    L"Assign to button:",
    L"Copy expr. from input",
    L"Text of the button:",
    L"Button ",
    {L"Zero Variable", L"One Variable", L"Two Variables", L"Three Variables", L"Four Variables"}};
constexpr Texts GERMAN{
    L"Meine Tasten / Funktionen",
    L"Der Taste zuweisen:",
    L"Ausdr. aus Eingabe kopieren",
    L"Text der Taste:",
    L"Taste ",
    {L"Keine Variable", L"Eine Variable", L"Zwei Variablen", L"Drei Variablen", L"Vier Variablen"}};

// What choosing a variable count puts into the formula; the user replaces
// "<name>" with the function's name.
constexpr const wchar_t* TEMPLATES[] = {L"<name>()=", L"<name>(x)=", L"<name>(x,y)=", L"<name>(x,y,z)=",
                                        L"<name>(w,x,y,z)="};
constexpr const wchar_t* NAME_PLACEHOLDER = L"<name>";

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

} // namespace

CDlgMyFunctions::CDlgMyFunctions(QWidget* parent) : CLodrinDialog(parent) {
    using LodrinUi::qs;
    using LodrinUi::withId;
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(qs(t.title));
    auto* top = new QVBoxLayout(this);
    top->addWidget(new QLabel(qs(t.assign), this));
    auto* slotList = withId(new QComboBox(this), LodrinId::FUNC_SLOTS);
    LodrinUi::allowLongItems(slotList);
    top->addWidget(slotList);
    auto* copy = withId(new QPushButton(qs(t.copy), this), LodrinId::FUNC_COPY_INPUT);
    copy->setAutoDefault(false);
    top->addWidget(copy);
    auto* variables = withId(new QComboBox(this), LodrinId::FUNC_VARIABLES);
    for (const wchar_t* item : t.variables)
        variables->addItem(qs(item));
    variables->setCurrentIndex(-1);
    top->addWidget(variables);
    auto* expression = withId(new QLineEdit(this), LodrinId::FUNC_EXPRESSION);
    expression->setMaxLength(MAX_EXPRESSION);
    top->addWidget(expression);
    auto* form = new QFormLayout;
    auto* caption = withId(new QLineEdit(this), LodrinId::FUNC_CAPTION);
    caption->setMaxLength(MAX_CAPTION);
    form->addRow(qs(t.caption), caption);
    top->addLayout(form);
    top->addStretch();
    top->addLayout(createOkCancel(false));

    connect(slotList, &QComboBox::currentIndexChanged, this, &CDlgMyFunctions::showSlot);
    connect(copy, &QPushButton::clicked, this,
            [this] { control<QLineEdit>(LodrinId::FUNC_EXPRESSION)->setText(LodrinUi::qs(m_input)); });
    // Only a choice of the user puts a template, also when it is the entry
    // already shown.
    connect(variables, &QComboBox::activated, this, &CDlgMyFunctions::putTemplate);
}

unsigned CDlgMyFunctions::checkExpression(const std::wstring& expression) {
    const bool definition = expression.find(L")=") != std::wstring::npos;
    const std::size_t open = expression.find(L'(');
    if (definition && open != std::wstring::npos && open > 0 && isDigit(expression[open - 1]))
        return LodrinText::FUNCTION_NAME_ENDS_WITH_DIGIT;
    // A definition that starts with its parameter list has no name at all,
    // whatever its parameters are called.
    if (expression.starts_with(L"(x") || expression.starts_with(NAME_PLACEHOLDER) ||
        (definition && open == 0))
        return LodrinText::FUNCTION_NAME_MISSING;
    // A formula without "=" is inserted as it stands and has no name to check.
    const std::size_t equals = expression.find(L'=');
    if (equals != std::wstring::npos) {
        for (std::size_t i = 0; i < equals; ++i)
            if (isDigit(expression[i])) return LodrinText::FUNCTION_NAME_DIGITS;
    }
    return 0;
}

int CDlgMyFunctions::variableCount(const std::wstring& expression) {
    const std::size_t open = expression.find(L'(');
    const std::size_t close = expression.find(L")=");
    if (open == std::wstring::npos || close == std::wstring::npos || close < open) return -1;
    const std::wstring variables = expression.substr(open + 1, close - open - 1);
    if (variables.empty()) return 0;
    const auto count = static_cast<int>(std::count(variables.begin(), variables.end(), L',')) + 1;
    return count < static_cast<int>(std::size(TEMPLATES)) ? count : -1;
}

std::wstring CDlgMyFunctions::slotText(int slot) const {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    const auto i = static_cast<std::size_t>(slot);
    return t.button + std::to_wstring(slot / 2 + 1) + (slot % 2 == 0 ? L" Nor. " : L" Inv. ") +
           m_descriptions[i] + L": " + m_expressions[i];
}

void CDlgMyFunctions::OnInitDialog() {
    m_expressions.resize(m_descriptions.size());
    auto* slotList = control<QComboBox>(LodrinId::FUNC_SLOTS);
    QSignalBlocker quiet(slotList);
    slotList->clear();
    for (int slot = 0; slot < static_cast<int>(m_descriptions.size()); ++slot)
        slotList->addItem(LodrinUi::qs(slotText(slot)));
    slotList->setCurrentIndex(m_descriptions.empty() ? -1 : 0);
    showSlot(slotList->currentIndex());
}

// Shows a slot's caption and formula for editing; what was typed for the
// slot shown before is dropped, as only the selected slot is stored.
void CDlgMyFunctions::showSlot(int slot) {
    const bool valid = slot >= 0 && static_cast<std::size_t>(slot) < m_descriptions.size();
    const auto i = static_cast<std::size_t>(slot);
    auto* expression = control<QLineEdit>(LodrinId::FUNC_EXPRESSION);
    auto* caption = control<QLineEdit>(LodrinId::FUNC_CAPTION);
    expression->setText(valid ? LodrinUi::qs(m_expressions[i]) : QString());
    caption->setText(valid ? LodrinUi::qs(m_descriptions[i]) : QString());
    expression->setEnabled(valid);
    caption->setEnabled(valid);
    // The variable-count list shows what the slot's function takes.
    control<QComboBox>(LodrinId::FUNC_VARIABLES)
        ->setCurrentIndex(valid ? variableCount(m_expressions[i]) : -1);
}

void CDlgMyFunctions::putTemplate(int variables) {
    if (variables < 0 || variables >= static_cast<int>(std::size(TEMPLATES))) return;
    control<QLineEdit>(LodrinId::FUNC_EXPRESSION)->setText(LodrinUi::qs(TEMPLATES[variables]));
}

void CDlgMyFunctions::OnOK() {
    const int slot = control<QComboBox>(LodrinId::FUNC_SLOTS)->currentIndex();
    if (slot >= 0 && static_cast<std::size_t>(slot) < m_descriptions.size()) {
        const std::wstring expression = control<QLineEdit>(LodrinId::FUNC_EXPRESSION)->text().toStdWString();
        if (const unsigned refusal = checkExpression(expression)) {
            showLibraryMessage(refusal, MessageIcon::Stop);
            return;
        }
        const auto i = static_cast<std::size_t>(slot);
        m_expressions[i] = expression;
        m_descriptions[i] = control<QLineEdit>(LodrinId::FUNC_CAPTION)->text().toStdWString();
    }
    Platform::inputPanel().hide();
    EndDialog(Accepted);
}
