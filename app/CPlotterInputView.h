#pragma once
#include "CCalculatorView.h"

// The function plotter's input: the current function and, in the memory list,
// the further functions that one plot shows together.
class CPlotterInputView : public CCalculatorView {
    Q_OBJECT
public:
    explicit CPlotterInputView(COrvantaDoc& document, QWidget* parent = nullptr);
};
