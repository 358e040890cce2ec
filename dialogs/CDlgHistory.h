#pragma once
#include "CDlgListChoice.h"

// Lists the last calculations, oldest to newest as the caller hands them
// over; OK returns the index of the one the user picked.
class CDlgHistory : public CDlgListChoice {
    Q_OBJECT
public:
    explicit CDlgHistory(QWidget* parent);
};
