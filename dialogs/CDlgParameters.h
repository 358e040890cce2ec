#pragma once
#include <array>

#include "CKeypadDialog.h"

// Asks for the values of the placeholders w, x, y and z that an expression
// uses. The fields of the others are disabled and their values stay 0; the
// keypad types into the field that last had the focus.
class CDlgParameters : public CKeypadDialog {
    Q_OBJECT
public:
    explicit CDlgParameters(QWidget* parent);

    bool m_useW = false;
    bool m_useX = false;
    bool m_useY = false;
    bool m_useZ = false;
    double m_w = 0.0;
    double m_x = 0.0;
    double m_y = 0.0;
    double m_z = 0.0;

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnInitDialog() override;

private:
    struct Parameter {
        int id;
        bool used;
        double& value;
    };
    std::array<Parameter, 4> parameters();
};
