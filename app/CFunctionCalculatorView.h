#pragma once
#include "CCalculatorView.h"

// The function calculator: derivatives, simplification, zeros, extrema,
// integrals, values and tables of one function.
class CFunctionCalculatorView : public CCalculatorView {
    Q_OBJECT
public:
    explicit CFunctionCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);
};
