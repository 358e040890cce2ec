#include "CDlgRangeBase.h"

#include "DataExchange.h"
#include "LodrinIds.h"

namespace {
struct Labels {
    const wchar_t* from;
    const wchar_t* to;
};
constexpr Labels ENGLISH{L"from:", L"to:"};
constexpr Labels GERMAN{L"von:", L"bis:"};

constexpr double LIMIT = 9999.0;
} // namespace

CDlgRangeBase::CDlgRangeBase(std::wstring prompt, QWidget* parent, const Titles& titles, double& lastFrom,
                             double& lastTo)
    : CKeypadDialog(parent), m_from(lastFrom), m_to(lastTo), m_prompt(std::move(prompt)),
      m_lastFrom(lastFrom), m_lastTo(lastTo) {
    const Labels& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(isGerman() ? titles.german : titles.english));
    buildKeypadLayout(LodrinUi::qs(m_prompt), {{LodrinId::EDIT_FROMX, t.from}, {LodrinId::EDIT_TOX, t.to}},
                      true);
}

void CDlgRangeBase::DoDataExchange(DataExchange& dx) {
    dx.text(LodrinId::PROMPT, m_prompt);
    dx.number(LodrinId::EDIT_FROMX, m_from, -LIMIT, LIMIT);
    dx.number(LodrinId::EDIT_TOX, m_to, -LIMIT, LIMIT);
}

void CDlgRangeBase::OnOK() {
    if (!UpdateData(true)) return;
    if (!(m_from < m_to)) {
        showLibraryMessage(LodrinText::TO_VALUE_GREATER);
        return;
    }
    m_lastFrom = m_from;
    m_lastTo = m_to;
    EndDialog(Accepted);
}
