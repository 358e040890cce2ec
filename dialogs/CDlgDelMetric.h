#pragma once
#include "CDlgListChoice.h"

// Asks which unit to delete, from the units the caller lists. Base units
// cannot be deleted; the engine refuses them.
class CDlgDelMetric : public CDlgListChoice {
    Q_OBJECT
public:
    explicit CDlgDelMetric(QWidget* parent);
};
