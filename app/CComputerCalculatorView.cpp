#include "CComputerCalculatorView.h"

#include "ModeTable.h"

CComputerCalculatorView::CComputerCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::COMPUTER, parent) {}
