#pragma once
#include <string>

#include "ComplexFunctions.h"
#include "IExpression.h"
#include "IExpressionHolder.h"

// Function call of the complex family. The argument "n" stands for the
// sequence variable z(n) of a complex sequence and is bound at evaluation.
class ComplexFunctionExpression : public IExpression {
public:
    explicit ComplexFunctionExpression(const std::wstring& text);

    bool isOperand() override { return true; }
    bool isScientificCall() override;
    bool isConstant() override { return false; }
    Complex calculateComplex(Complex z) override;
    Complex calculateComplexConst() override;
    bool containsX() override;
    bool containsY() override;

    const std::wstring& getName() const { return m_name; }
    bool isSequenceVariable() const { return m_sequence; }

private:
    IExpressionHolder m_argument;
    std::wstring m_name;
    std::wstring m_argumentText;
    bool m_sequence = false;
    ComplexFunctions::Function m_function = nullptr;
};
