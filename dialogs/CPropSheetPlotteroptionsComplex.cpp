#include "CPropSheetPlotteroptionsComplex.h"

#include "CPropPageComplexColors.h"
#include "CPropPageComplexStandard.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* first;
    const wchar_t* second;
};
constexpr Texts ENGLISH{L"Fractal settings", L"Standard", L"Colors for fractals"};
constexpr Texts GERMAN{L"Fraktaleinstellungen", L"Standard", L"Farben für Fraktale"};
} // namespace

CPropSheetPlotteroptionsComplex::CPropSheetPlotteroptionsComplex(QWidget* parent)
    : CLodrinPropertySheet(parent), m_standard(new CPropPageComplexStandard(language(), this)),
      m_colors(new CPropPageComplexColors(language(), this)) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(t.title));
    addPage(m_standard, t.first);
    addPage(m_colors, t.second);
}
