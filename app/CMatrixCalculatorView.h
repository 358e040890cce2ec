#pragma once
#include "CCalculatorView.h"

// The matrix calculator: real and complex matrices up to 10 x 10.
class CMatrixCalculatorView : public CCalculatorView {
    Q_OBJECT
public:
    explicit CMatrixCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);
};
