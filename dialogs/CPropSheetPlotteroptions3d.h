#pragma once
#include "CLodrinPropertySheet.h"

class CPropPage3dRange;
class CPropPage3dOther;

// The settings of 3D plots: the region on one page, view and colours on the other.
class CPropSheetPlotteroptions3d : public CLodrinPropertySheet {
    Q_OBJECT
public:
    explicit CPropSheetPlotteroptions3d(QWidget* parent);

    CPropPage3dRange* m_range;
    CPropPage3dOther* m_other;
};
