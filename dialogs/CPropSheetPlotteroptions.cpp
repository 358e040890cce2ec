#include "CPropSheetPlotteroptions.h"

#include "CPropPagePlotterColors.h"
#include "CPropPagePlotterSettings.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* first;
    const wchar_t* second;
};
constexpr Texts ENGLISH{L"Plot settings", L"Settings", L"Colors"};
constexpr Texts GERMAN{L"Ploteinstellungen", L"Einstellungen", L"Farben"};
} // namespace

CPropSheetPlotteroptions::CPropSheetPlotteroptions(QWidget* parent)
    : CLodrinPropertySheet(parent), m_settings(new CPropPagePlotterSettings(language(), this)),
      m_colors(new CPropPagePlotterColors(language(), this)) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(t.title));
    addPage(m_settings, t.first);
    addPage(m_colors, t.second);
}
