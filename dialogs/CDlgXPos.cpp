#include "CDlgXPos.h"

#include <QLineEdit>

#include "DataExchange.h"
#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* prompt;
    const wchar_t* label;
};
constexpr Texts ENGLISH{L"X Position",
                        L"Please specify the x-position where to calculate the derivation of the function.",
                        L"XPos:"};
constexpr Texts GERMAN{
    L"X-Position",
    L"Bitte geben Sie die x-Position an, an der die Ableitung der Funktion berechnet werden "
    L"soll.",
    L"XPos:"};
} // namespace

CDlgXPos::CDlgXPos(QWidget* parent) : CKeypadDialog(parent) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(t.title));
    buildKeypadLayout(LodrinUi::qs(t.prompt), {{LodrinId::XPOS, t.label}}, true);
}

void CDlgXPos::DoDataExchange(DataExchange& dx) {
    dx.number(LodrinId::XPOS, m_x);
}

void CDlgXPos::OnInitDialog() {
    CKeypadDialog::OnInitDialog();
    auto* edit = control<QLineEdit>(LodrinId::XPOS);
    edit->setFocus(Qt::OtherFocusReason);
    // The first key replaces the value shown.
    edit->selectAll();
    setKeypadTarget(LodrinId::XPOS);
}
