#include "CPlotterInputView.h"

#include "ModeTable.h"

CPlotterInputView::CPlotterInputView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::PLOTTER, parent) {}
