#include "CPropPagePlotterColors.h"

#include <QFormLayout>

#include "CColorButton.h"
#include "LodrinIds.h"

namespace {
constexpr const wchar_t* ENGLISH_BACKGROUND = L"Background";
constexpr const wchar_t* GERMAN_BACKGROUND = L"Hintergrund";
} // namespace

CPropPagePlotterColors::CPropPagePlotterColors(int language, QWidget* parent)
    : CLodrinPropertyPage(language, parent) {
    auto* form = new QFormLayout(this);
    CColorButton* background = createColorButtonNoBlack(LodrinId::P2_BACKGROUND);
    form->addRow(LodrinUi::qs(LodrinUi::byLanguage(language, ENGLISH_BACKGROUND, GERMAN_BACKGROUND)),
                 background);
    for (int i = 0; i < 4; ++i) {
        CColorButton* fn = createColorButton(LodrinId::P2_FN1 + i);
        fn->setAcceptor([this, background](ColorRef colour) {
            if (colour != background->colour()) return true;
            showLibraryMessage(LodrinText::SAME_AS_BACKGROUND, MessageIcon::Exclamation);
            return false;
        });
        form->addRow(QStringLiteral("FN%1").arg(i + 1), fn);
    }
}

void CPropPagePlotterColors::fill() {
    control<CColorButton>(LodrinId::P2_BACKGROUND)->setColour(m_background);
    for (int i = 0; i < 4; ++i)
        control<CColorButton>(LodrinId::P2_FN1 + i)->setColour(m_colours[static_cast<std::size_t>(i)]);
}

bool CPropPagePlotterColors::takeOver() {
    m_background = control<CColorButton>(LodrinId::P2_BACKGROUND)->colour();
    for (int i = 0; i < 4; ++i)
        m_colours[static_cast<std::size_t>(i)] = control<CColorButton>(LodrinId::P2_FN1 + i)->colour();
    return true;
}
