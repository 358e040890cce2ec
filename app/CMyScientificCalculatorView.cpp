#include "CMyScientificCalculatorView.h"

#include "ModeTable.h"

CMyScientificCalculatorView::CMyScientificCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::SCIENTIFIC, parent) {}
