#pragma once
#include <string>

#include "CKeypadDialog.h"

// Asks for the range of an analysis of a function. Opens with the range the
// user last accepted.
class CDlgRange : public CKeypadDialog {
    Q_OBJECT
public:
    static double s_last_from;
    static double s_last_to;

    CDlgRange(std::wstring prompt, QWidget* parent);

    double m_from;
    double m_to;
    std::wstring m_prompt;

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnOK() override;
};
