#pragma once
#include <string>

#include "IExpression.h"
#include "IExpressionHolder.h"

// Two-operand node of the complex family: "+", "-", "*", "/" or "^".
class ComplexOperatorExpression : public IExpression {
public:
    // Parses both operand texts with parseComplexExpression.
    ComplexOperatorExpression(const std::wstring& left, const std::wstring& right, wchar_t op);

    bool isOperand() override { return false; }
    bool isConstant() override;
    IExpression* getLeft() override { return m_left.getExpression(); }
    IExpression* getRight() override { return m_right.getExpression(); }
    Complex calculateComplex(Complex z) override;
    Complex calculateComplexConst() override;
    bool containsX() override;
    bool containsY() override;
    bool isOperator() override { return true; }
    wchar_t getOperator() override { return m_operator; }

private:
    Complex combine(const Complex& left, const Complex& right) const;

    wchar_t m_operator;
    IExpressionHolder m_left;
    IExpressionHolder m_right;
    // Operators of values alone give the same value every time: it is kept
    // from the first evaluation that succeeds ("(-1+0*j)" in a fractal's
    // iteration). A failing one raises its error every time, as before.
    bool m_constant = false;
    bool m_known = false;
    Complex m_value;
};
