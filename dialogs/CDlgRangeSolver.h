#pragma once
#include "CDlgRangeBase.h"

// Asks for the range in which the equation solver searches. Opens with the
// range the user last accepted there.
class CDlgRangeSolver : public CDlgRangeBase {
    Q_OBJECT
public:
    static double s_last_from;
    static double s_last_to;

    CDlgRangeSolver(std::wstring prompt, QWidget* parent);

    // Takes the fields over (with validation) before typing, so a bad entry
    // is reported at the next key press.
    void add2Input(const QString& text) override;
};
