#include "CDlgResult.h"

#include <QBoxLayout>
#include <QPlainTextEdit>

#include "LodrinIds.h"

namespace {
constexpr const wchar_t* ENGLISH_TITLE = L"Result";
constexpr const wchar_t* GERMAN_TITLE = L"Ergebnis";
} // namespace

CDlgResult::CDlgResult(QWidget* parent) : CLodrinDialog(parent) {
    setWindowTitle(LodrinUi::qs(LodrinUi::byLanguage(language(), ENGLISH_TITLE, GERMAN_TITLE)));
    auto* top = new QVBoxLayout(this);
    auto* text = LodrinUi::withId(new QPlainTextEdit(this), LodrinId::RESULT_TEXT);
    text->setReadOnly(true);
    top->addWidget(text, 1);
    top->addLayout(createOkCancel(false));
}

void CDlgResult::OnInitDialog() {
    control<QPlainTextEdit>(LodrinId::RESULT_TEXT)->setPlainText(LodrinUi::qs(m_text));
}
