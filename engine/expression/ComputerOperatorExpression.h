#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "IExpression.h"
#include "IExpressionHolder.h"

// Programmer-mode node for "+", "-", "*", "/" (and "%", "#", "^", which parse
// but have no whole-number meaning) applied to two operands.
class ComputerOperatorExpression : public IExpression {
public:
    // Parses both operand texts one recursion level below depth.
    ComputerOperatorExpression(std::wstring_view left, std::wstring_view right, wchar_t op, int depth);

    bool isOperand() override { return false; }
    bool isConstant() override { return m_left.isConstant() && m_right.isConstant(); }
    IExpression* getLeft() override { return m_left.getExpression(); }
    IExpression* getRight() override { return m_right.getExpression(); }
    std::uint64_t calculateComputer() override;
    bool containsX() override { return false; }
    bool containsY() override { return false; }
    std::wstring toString(int mode) override;
    bool isOperator() override { return true; }
    wchar_t getOperator() override { return m_operator; }

private:
    wchar_t m_operator;
    IExpressionHolder m_left;
    IExpressionHolder m_right;
};
