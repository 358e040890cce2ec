#pragma once
#include "CLodrinPropertyPage.h"

// 3D plot settings, page "Range": the x, y and z regions and whether the
// z region is chosen automatically.
class CPropPage3dRange : public CLodrinPropertyPage {
    Q_OBJECT
public:
    CPropPage3dRange(int language, QWidget* parent);

    double m_xmin = -10;
    double m_xmax = 10;
    double m_ymin = -10;
    double m_ymax = 10;
    double m_zmin = -10;
    double m_zmax = 10;
    int m_automaticZ = 0;

    void fill() override;
    bool takeOver() override;
};
