#pragma once
#include "CDlgListChoice.h"

// Asks which model a regression fits: 0 "y=ax + b", 1 "y=a*e^(bx)". Nothing
// is preselected, and OK needs a choice.
class CDlgRegressionModel : public CDlgListChoice {
    Q_OBJECT
public:
    explicit CDlgRegressionModel(QWidget* parent);

protected:
    void OnOK() override;
};
