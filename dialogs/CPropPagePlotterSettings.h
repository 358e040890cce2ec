#pragma once
#include "CLodrinPropertyPage.h"

// 2D plot settings, page "Settings": the region, quality, kind of implicit
// plot, line width and the axis scale.
class CPropPagePlotterSettings : public CLodrinPropertyPage {
    Q_OBJECT
public:
    CPropPagePlotterSettings(int language, QWidget* parent);

    double m_xmin = -10;
    double m_xmax = 10;
    double m_ymin = -10;
    double m_ymax = 10;
    int m_quality = 1;   // 1 .. 4
    int m_type = 0;      // 0 show equals, 1 show greater, 2 show less
    int m_lineWidth = 1; // 1 .. 4
    bool m_piScale = false;
    bool m_eScale = false;

    void fill() override;
    bool takeOver() override;

private:
    // The typed or chosen value of a range list; false with 42289 if the
    // typed text is refused.
    bool readTyped(int id, double& value);
};
