#include "CPropSheetPlotteroptions3d.h"

#include "CPropPage3dOther.h"
#include "CPropPage3dRange.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* first;
    const wchar_t* second;
};
constexpr Texts ENGLISH{L"3D plot settings", L"Range", L"Other"};
constexpr Texts GERMAN{L"3D-Ploteinstellungen", L"Bereich", L"Sonstiges"};
} // namespace

CPropSheetPlotteroptions3d::CPropSheetPlotteroptions3d(QWidget* parent)
    : CLodrinPropertySheet(parent), m_range(new CPropPage3dRange(language(), this)),
      m_other(new CPropPage3dOther(language(), this)) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(t.title));
    addPage(m_range, t.first);
    addPage(m_other, t.second);
}
