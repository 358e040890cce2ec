#pragma once
#include "CDlgListChoice.h"

// Asks which unit kind to delete, from the kinds the caller lists.
class CDlgDelMetricKind : public CDlgListChoice {
    Q_OBJECT
public:
    explicit CDlgDelMetricKind(QWidget* parent);
};
