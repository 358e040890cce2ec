#pragma once
#include "CLodrinPropertyPage.h"
#include "ColorRef.h"

// Fractal settings, page "Colors for fractals": the colours for points that
// escape at once and for points that reach the iteration limit (not black).
class CPropPageComplexColors : public CLodrinPropertyPage {
    Q_OBJECT
public:
    CPropPageComplexColors(int language, QWidget* parent);

    ColorRef m_colourZero = makeColorRef(255, 255, 255);
    ColorRef m_colourMax = makeColorRef(0, 0, 255);

    void fill() override;
    bool takeOver() override;
};
