#pragma once
#include "CCalculatorView.h"

// The programmer ("computer") calculator: unsigned 64-bit integer expressions
// in hexadecimal, decimal, octal or binary, with logical and shift functions.
// Its bank key switches a block of the keypad between the user keys, the
// remaining logic and memory keys, and the base cycle key.
class CComputerCalculatorView : public CCalculatorView {
    Q_OBJECT
public:
    explicit CComputerCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);

    void calculateInput() override;
    void refreshKeys(int group) override;
    void baseChanged() override;
};
