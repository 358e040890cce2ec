#pragma once
#include <string>

#include "IExpression.h"

// Leaf of the complex family: a value fixed when the text is parsed.
class ComplexValueExpression : public IExpression {
public:
    // "pi", "e" and their negatives, otherwise a literal read by Complex (text).
    explicit ComplexValueExpression(const std::wstring& text);

    bool isOperand() override { return true; }
    bool isConstant() override { return true; }
    Complex calculateComplex(Complex) override { return m_value; }
    Complex calculateComplexConst() override { return m_value; }
    bool containsX() override { return false; }
    bool containsY() override { return false; }
    bool isValue() override { return true; }

    const Complex& getValue() const { return m_value; }

private:
    Complex m_value;
};
