#include "CPropPageComplexColors.h"

#include <QFormLayout>

#include "CColorButton.h"
#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* zero;
    const wchar_t* max;
};
constexpr Texts ENGLISH{L"Color for iteration equals zero:", L"Color for max iteration value:"};
constexpr Texts GERMAN{L"Farbe für Iteration gleich null:", L"Farbe für maximalen Iterationswert:"};
} // namespace

CPropPageComplexColors::CPropPageComplexColors(int language, QWidget* parent)
    : CLodrinPropertyPage(language, parent) {
    const Texts& t = LodrinUi::byLanguage(language, ENGLISH, GERMAN);
    auto* form = new QFormLayout(this);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->addRow(LodrinUi::qs(t.zero), createColorButtonNoBlack(LodrinId::PC_COLOR_ZERO));
    form->addRow(LodrinUi::qs(t.max), createColorButtonNoBlack(LodrinId::PC_COLOR_MAX));
}

void CPropPageComplexColors::fill() {
    control<CColorButton>(LodrinId::PC_COLOR_ZERO)->setColour(m_colourZero);
    control<CColorButton>(LodrinId::PC_COLOR_MAX)->setColour(m_colourMax);
}

bool CPropPageComplexColors::takeOver() {
    m_colourZero = control<CColorButton>(LodrinId::PC_COLOR_ZERO)->colour();
    m_colourMax = control<CColorButton>(LodrinId::PC_COLOR_MAX)->colour();
    return true;
}
