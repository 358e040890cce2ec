#pragma once
#include "CLodrinPropertySheet.h"

class CPropPagePlotterSettings;
class CPropPagePlotterColors;

// The settings of 2D plots: region and drawing on one page, colours on the other.
class CPropSheetPlotteroptions : public CLodrinPropertySheet {
    Q_OBJECT
public:
    explicit CPropSheetPlotteroptions(QWidget* parent);

    CPropPagePlotterSettings* m_settings;
    CPropPagePlotterColors* m_colors;
};
