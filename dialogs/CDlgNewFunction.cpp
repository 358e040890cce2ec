#include "CDlgNewFunction.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* name;
    const wchar_t* parameters;
    const wchar_t* parameterName;
    const wchar_t* defaultValue;
    const wchar_t* add;
    const wchar_t* remove;
};
constexpr Texts ENGLISH{
    L"New function", L"Name of the function:", L"Parameters", L"Name:", L"Default-Value:", L"Add", L"Delete"};
constexpr Texts GERMAN{L"Neue Funktion", L"Name der Funktion:", L"Parameter", L"Name:",
                       L"Standardwert:", L"Hinzufügen",         L"Löschen"};

std::wstring trimmed(const std::wstring& text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}
} // namespace

CDlgNewFunction::CDlgNewFunction(QWidget* parent) : CLodrinDialog(parent) {
    using LodrinUi::qs;
    using LodrinUi::withId;
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(qs(t.title));
    auto* top = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->addRow(qs(t.name), withId(new QLineEdit(this), LodrinId::NF_NAME));
    top->addLayout(form);

    auto* group = new QGroupBox(qs(t.parameters), this);
    auto* inGroup = new QVBoxLayout(group);
    auto* parameterForm = new QFormLayout;
    parameterForm->setRowWrapPolicy(QFormLayout::WrapLongRows);
    parameterForm->addRow(qs(t.parameterName), withId(new QLineEdit(group), LodrinId::NF_PARAM_NAME));
    parameterForm->addRow(qs(t.defaultValue), withId(new QLineEdit(group), LodrinId::NF_PARAM_DEFAULT));
    inGroup->addLayout(parameterForm);
    auto* buttons = new QHBoxLayout;
    auto* add = withId(new QPushButton(qs(t.add), group), LodrinId::NF_ADD);
    auto* remove = withId(new QPushButton(qs(t.remove), group), LodrinId::NF_DELETE);
    for (QPushButton* b : {add, remove}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    inGroup->addLayout(buttons);
    inGroup->addWidget(withId(new QListWidget(group), LodrinId::NF_PARAMS), 1);
    top->addWidget(group, 1);
    top->addLayout(createOkCancel(false));

    connect(add, &QPushButton::clicked, this, &CDlgNewFunction::addParameter);
    connect(remove, &QPushButton::clicked, this, &CDlgNewFunction::deleteParameter);
}

void CDlgNewFunction::splitFunction(const std::wstring& text, std::wstring& name,
                                    std::vector<std::wstring>& parameters) {
    parameters.clear();
    const std::size_t open = text.find(L'(');
    if (open == std::wstring::npos) {
        name = trimmed(text);
        return;
    }
    name = trimmed(text.substr(0, open));
    const std::size_t close = text.rfind(L')');
    const std::size_t end = close != std::wstring::npos && close > open ? close : text.size();
    std::wstring entry;
    int depth = 0;
    for (std::size_t i = open + 1; i < end; ++i) {
        const wchar_t c = text[i];
        if (c == L',' && depth == 0) {
            if (!trimmed(entry).empty()) parameters.push_back(trimmed(entry));
            entry.clear();
            continue;
        }
        if (c == L'(') ++depth;
        if (c == L')' && depth > 0) --depth;
        entry += c;
    }
    if (!trimmed(entry).empty()) parameters.push_back(trimmed(entry));
}

std::wstring CDlgNewFunction::buildFunction(const std::wstring& name,
                                            const std::vector<std::wstring>& parameters) {
    std::wstring text = name + L"(";
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        if (i > 0) text += L",";
        text += parameters[i];
    }
    return text + L")";
}

void CDlgNewFunction::OnInitDialog() {
    std::wstring name;
    std::vector<std::wstring> parameters;
    splitFunction(m_text, name, parameters);
    control<QLineEdit>(LodrinId::NF_NAME)->setText(LodrinUi::qs(name));
    auto* list = control<QListWidget>(LodrinId::NF_PARAMS);
    list->clear();
    for (const std::wstring& p : parameters)
        list->addItem(LodrinUi::qs(p));
}

std::vector<std::wstring> CDlgNewFunction::parameterEntries() const {
    std::vector<std::wstring> entries;
    const auto* list = control<QListWidget>(LodrinId::NF_PARAMS);
    for (int row = 0; row < list->count(); ++row)
        entries.push_back(list->item(row)->text().toStdWString());
    return entries;
}

void CDlgNewFunction::addParameter() {
    auto* name = control<QLineEdit>(LodrinId::NF_PARAM_NAME);
    auto* value = control<QLineEdit>(LodrinId::NF_PARAM_DEFAULT);
    const std::wstring parameter = trimmed(name->text().toStdWString());
    if (parameter.empty()) {
        name->setFocus(Qt::OtherFocusReason);
        return;
    }
    const std::wstring defaultValue = trimmed(value->text().toStdWString());
    control<QListWidget>(LodrinId::NF_PARAMS)
        ->addItem(LodrinUi::qs(defaultValue.empty() ? parameter : parameter + L"=" + defaultValue));
    name->clear();
    value->clear();
    name->setFocus(Qt::OtherFocusReason);
}

void CDlgNewFunction::deleteParameter() {
    auto* list = control<QListWidget>(LodrinId::NF_PARAMS);
    const int row = list->currentRow();
    if (row >= 0) delete list->takeItem(row);
}

void CDlgNewFunction::OnOK() {
    const std::wstring name = trimmed(control<QLineEdit>(LodrinId::NF_NAME)->text().toStdWString());
    // A function without a name could never be called: the user is told and
    // can enter one (or cancel).
    if (name.empty()) {
        showLibraryMessage(LodrinText::NO_FUNCTION_NAME);
        control<QLineEdit>(LodrinId::NF_NAME)->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_text = buildFunction(name, parameterEntries());
    EndDialog(Accepted);
}
