#include "CConverterCalculatorView.h"

#include "ModeTable.h"

CConverterCalculatorView::CConverterCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::CONVERTER, parent) {}
