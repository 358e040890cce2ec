#pragma once
#include "CCalculatorView.h"

// The equation solver: stored equations with named parameters, solved for the
// one parameter left open.
class CSolverCalculatorView : public CCalculatorView {
    Q_OBJECT
public:
    explicit CSolverCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);
};
