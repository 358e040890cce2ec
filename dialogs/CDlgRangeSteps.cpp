#include "CDlgRangeSteps.h"

#include "DataExchange.h"
#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* prompt;
    const wchar_t* from;
    const wchar_t* to;
    const wchar_t* step;
};
constexpr Texts ENGLISH{L"Specify f(t,x)",
                        L"Please give in the start- and end-value of t and the steps-width of t.", L"from:",
                        L"to:", L"step width:"};
constexpr Texts GERMAN{L"f(t,x) festlegen",
                       L"Bitte geben Sie den Start- und Endwert von t sowie die Schrittweite von t ein.",
                       L"von:", L"bis:", L"Schrittweite:"};

constexpr int MIN_VALUE = -32768;
constexpr int MAX_VALUE = 32767;
constexpr int MIN_STEP = 1;
constexpr int MAX_STEP = 1000;
} // namespace

int CDlgRangeSteps::s_last_from = -2;
int CDlgRangeSteps::s_last_to = 2;
int CDlgRangeSteps::s_last_stepwidth = 1;

CDlgRangeSteps::CDlgRangeSteps(QWidget* parent)
    : CKeypadDialog(parent), m_from(s_last_from), m_to(s_last_to), m_stepwidth(s_last_stepwidth) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(t.title));
    buildKeypadLayout(
        LodrinUi::qs(t.prompt),
        {{LodrinId::EDIT_FROMX, t.from}, {LodrinId::EDIT_TOX, t.to}, {LodrinId::EDIT_STEPS, t.step}}, false);
}

void CDlgRangeSteps::DoDataExchange(DataExchange& dx) {
    dx.integer(LodrinId::EDIT_FROMX, m_from, MIN_VALUE, MAX_VALUE);
    dx.integer(LodrinId::EDIT_TOX, m_to, MIN_VALUE, MAX_VALUE);
    dx.integer(LodrinId::EDIT_STEPS, m_stepwidth, MIN_STEP, MAX_STEP);
}

void CDlgRangeSteps::OnOK() {
    if (!UpdateData(true)) return;
    if (m_from >= m_to) {
        showLibraryMessage(LodrinText::TO_VALUE_GREATER);
        return;
    }
    if (m_stepwidth <= 0) {
        showLibraryMessage(LodrinText::STEP_COUNT);
        return;
    }
    s_last_from = m_from;
    s_last_to = m_to;
    s_last_stepwidth = m_stepwidth;
    EndDialog(Accepted);
}
