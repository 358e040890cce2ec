#include "CStatisticCalculatorView.h"

#include "ModeTable.h"

CStatisticCalculatorView::CStatisticCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::STATISTIC, parent) {}
