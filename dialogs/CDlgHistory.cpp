#include "CDlgHistory.h"

#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* label;
};
constexpr Texts ENGLISH{L"History", L"Select History:"};
constexpr Texts GERMAN{L"Verlauf", L"Verlauf auswählen:"};
} // namespace

CDlgHistory::CDlgHistory(QWidget* parent) : CDlgListChoice(parent, LodrinId::HISTORY_LIST) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    buildLayout(LodrinUi::qs(t.title), {}, LodrinUi::qs(t.label));
}
