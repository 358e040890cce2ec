#include "CFunctionCalculatorView.h"

#include "ModeTable.h"

CFunctionCalculatorView::CFunctionCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::FUNCTION_CALCULATOR, parent) {}
