#include "CDlgRangeSolver.h"

double CDlgRangeSolver::s_last_from = -10.0;
double CDlgRangeSolver::s_last_to = 10.0;

CDlgRangeSolver::CDlgRangeSolver(std::wstring prompt, QWidget* parent)
    : CDlgRangeBase(std::move(prompt), parent, {L"Specify range", L"Bereich festlegen"}, s_last_from,
                    s_last_to) {}

void CDlgRangeSolver::add2Input(const QString& text) {
    // The refusal has been shown; the key is still typed, so the user can go
    // on correcting the field with the keypad.
    UpdateData(true);
    CKeypadDialog::add2Input(text);
}
