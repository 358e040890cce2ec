#pragma once
#include <cstdint>
#include <string>

#include "IExpression.h"

// Programmer-mode number token, converted once at construction in the input
// base of s_compmode.
class ComputerValueExpression : public IExpression {
public:
    // Raises the digit check's code for a token outside the base, and 1007 for
    // an empty token (an operand missing next to an operator or in "()").
    explicit ComputerValueExpression(std::wstring token);

    bool isOperand() override { return true; }
    bool isConstant() override { return true; }
    std::uint64_t calculateComputer() override { return m_value; }
    bool containsX() override { return false; }
    bool containsY() override { return false; }
    std::wstring toString(int mode) override;
    bool isValue() override { return true; }

private:
    std::wstring m_token;
    std::uint64_t m_value;
};
