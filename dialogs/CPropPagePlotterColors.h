#pragma once
#include <array>

#include "CLodrinPropertyPage.h"
#include "ColorRef.h"

// 2D plot settings, page "Colors": the background and the colours of the
// four functions. Black is no background, and no function may have the
// background's colour.
class CPropPagePlotterColors : public CLodrinPropertyPage {
    Q_OBJECT
public:
    CPropPagePlotterColors(int language, QWidget* parent);

    ColorRef m_background = makeColorRef(255, 255, 255);
    std::array<ColorRef, 4> m_colours{};

    void fill() override;
    bool takeOver() override;
};
