#include "CDlgRange.h"

#include "DataExchange.h"
#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* from;
    const wchar_t* to;
};
constexpr Texts ENGLISH{L"Specify Range", L"from:", L"to:"};
constexpr Texts GERMAN{L"Bereich festlegen", L"von:", L"bis:"};

constexpr double LIMIT = 9999.0;
} // namespace

double CDlgRange::s_last_from = -10.0;
double CDlgRange::s_last_to = 10.0;

CDlgRange::CDlgRange(std::wstring prompt, QWidget* parent)
    : CKeypadDialog(parent), m_from(s_last_from), m_to(s_last_to), m_prompt(std::move(prompt)) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(t.title));
    buildKeypadLayout(LodrinUi::qs(m_prompt), {{LodrinId::EDIT_FROMX, t.from}, {LodrinId::EDIT_TOX, t.to}},
                      true);
}

void CDlgRange::DoDataExchange(DataExchange& dx) {
    dx.text(LodrinId::PROMPT, m_prompt);
    dx.number(LodrinId::EDIT_FROMX, m_from, -LIMIT, LIMIT);
    dx.number(LodrinId::EDIT_TOX, m_to, -LIMIT, LIMIT);
}

void CDlgRange::OnOK() {
    if (!UpdateData(true)) return;
    if (!(m_from < m_to)) {
        showLibraryMessage(LodrinText::TO_VALUE_GREATER);
        return;
    }
    s_last_from = m_from;
    s_last_to = m_to;
    EndDialog(Accepted);
}
