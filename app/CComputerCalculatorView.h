#pragma once
#include "CCalculatorView.h"

// The programmer calculator: unsigned 64-bit integer expressions in
// hexadecimal, decimal, octal or binary.
class CComputerCalculatorView : public CCalculatorView {
    Q_OBJECT
public:
    explicit CComputerCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);
};
