#pragma once
#include <string>

#include "CKeypadDialog.h"

// What the two range dialogs share: prompt, from and to fields limited to
// -9999 .. 9999, the keypad, and OK only for from < to. Each dialog keeps its
// own remembered range, which changes only when the user confirms.
class CDlgRangeBase : public CKeypadDialog {
    Q_OBJECT
public:
    double m_from;
    double m_to;
    std::wstring m_prompt;

protected:
    struct Titles {
        const wchar_t* english;
        const wchar_t* german;
    };
    CDlgRangeBase(std::wstring prompt, QWidget* parent, const Titles& titles, double& lastFrom,
                  double& lastTo);

    void DoDataExchange(DataExchange& dx) override;
    void OnOK() override;

private:
    double& m_lastFrom;
    double& m_lastTo;
};
