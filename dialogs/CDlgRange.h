#pragma once
#include "CDlgRangeBase.h"

// Asks for the range of an analysis of a function. Opens with the range the
// user last accepted.
class CDlgRange : public CDlgRangeBase {
    Q_OBJECT
public:
    static double s_last_from;
    static double s_last_to;

    CDlgRange(std::wstring prompt, QWidget* parent);
};
