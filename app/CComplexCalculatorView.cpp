#include "CComplexCalculatorView.h"

#include "ModeTable.h"

CComplexCalculatorView::CComplexCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::COMPLEX, parent) {}
