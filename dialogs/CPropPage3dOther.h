#pragma once
#include "CLodrinPropertyPage.h"
#include "ColorRef.h"

// 3D plot settings, page "Other": quality, line height, the two rotation
// angles and the fore- and background colours (neither may be black).
class CPropPage3dOther : public CLodrinPropertyPage {
    Q_OBJECT
public:
    CPropPage3dOther(int language, QWidget* parent);

    int m_quality = 1;    // 1 .. 4
    int m_lineHeight = 1; // 1 .. 4
    int m_zRotation = 0;  // 0 .. 90 in steps of 10
    int m_yRotation = 0;  // -90 .. 90 in steps of 10
    ColorRef m_foreColour = makeColorRef(0, 0, 255);
    ColorRef m_backColour = makeColorRef(255, 255, 255);

    void fill() override;
    bool takeOver() override;
};
