#pragma once
#include "CCalculatorView.h"

// The scientific calculator: expressions with operators, functions, constants
// and user functions, in degrees, radians or grads.
class CMyScientificCalculatorView : public CCalculatorView {
    Q_OBJECT
public:
    explicit CMyScientificCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);

    void calculateInput() override;
    // The square and cube keys insert powers.
    bool keyText(int id, std::wstring& text) const override;
};
