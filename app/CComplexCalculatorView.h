#pragma once
#include "CCalculatorView.h"

// The complex calculator: complex expressions, results in rectangular or polar
// form.
class CComplexCalculatorView : public CCalculatorView {
    Q_OBJECT
public:
    explicit CComplexCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);

    void calculateInput() override;
    // The square and cube keys insert powers.
    bool keyText(int id, std::wstring& text) const override;
};
