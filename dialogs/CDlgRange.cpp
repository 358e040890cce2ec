#include "CDlgRange.h"

double CDlgRange::s_last_from = -10.0;
double CDlgRange::s_last_to = 10.0;

CDlgRange::CDlgRange(std::wstring prompt, QWidget* parent)
    : CDlgRangeBase(std::move(prompt), parent, {L"Specify Range", L"Bereich festlegen"}, s_last_from,
                    s_last_to) {}
