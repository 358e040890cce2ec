#pragma once
#include "CCalculatorView.h"

// The unit converter: groups of units, extensible by the user.
class CConverterCalculatorView : public CCalculatorView {
    Q_OBJECT
public:
    explicit CConverterCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);
};
