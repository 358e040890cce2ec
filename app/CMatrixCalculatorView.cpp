#include "CMatrixCalculatorView.h"

#include "ModeTable.h"

CMatrixCalculatorView::CMatrixCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::MATRIX, parent) {}
