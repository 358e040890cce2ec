#pragma once
#include "CLodrinPropertySheet.h"

class CPropPageComplexStandard;
class CPropPageComplexColors;

// The settings of fractal plots: region and iteration on one page, colours on the other.
class CPropSheetPlotteroptionsComplex : public CLodrinPropertySheet {
    Q_OBJECT
public:
    explicit CPropSheetPlotteroptionsComplex(QWidget* parent);

    CPropPageComplexStandard* m_standard;
    CPropPageComplexColors* m_colors;
};
