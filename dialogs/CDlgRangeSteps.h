#pragma once
#include "CKeypadDialog.h"

// Asks for the integer start, end and step width of t for an "f(t,x)=" plot.
// Opens with the values the user last accepted.
class CDlgRangeSteps : public CKeypadDialog {
    Q_OBJECT
public:
    static int s_last_from;
    static int s_last_to;
    static int s_last_stepwidth;

    explicit CDlgRangeSteps(QWidget* parent);

    int m_from;
    int m_to;
    int m_stepwidth;

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnOK() override;
};
