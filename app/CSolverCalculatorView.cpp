#include "CSolverCalculatorView.h"

#include "ModeTable.h"

CSolverCalculatorView::CSolverCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::SOLVER, parent) {}
