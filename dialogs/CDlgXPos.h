#pragma once
#include "CKeypadDialog.h"

// Asks for the x position at which a function's derivative is calculated.
// The keypad always types into the one field.
class CDlgXPos : public CKeypadDialog {
    Q_OBJECT
public:
    explicit CDlgXPos(QWidget* parent);

    double m_x = 0.0;

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnInitDialog() override;
};
