#pragma once
#include "CCalculatorView.h"

// The statistics calculator: one- and two-variable statistics and regression.
class CStatisticCalculatorView : public CCalculatorView {
    Q_OBJECT
public:
    explicit CStatisticCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);
};
