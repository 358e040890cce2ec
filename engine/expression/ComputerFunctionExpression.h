#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "IExpression.h"
#include "IExpressionHolder.h"

// Programmer-mode call of a bit function: "lsh", "rsh", "not" with one
// argument, "and", "or", "xor", "nand", "nor" with two.
class ComputerFunctionExpression : public IExpression {
public:
    // Parses the call text s ("name(argument)" or "name(first,second)"), its
    // arguments one recursion level below depth; malformed calls raise 1007.
    ComputerFunctionExpression(std::wstring_view s, int depth);

    bool isOperand() override { return true; }
    bool isConstant() override { return false; }
    // An unknown name is found here, at evaluation, with code 1024.
    std::uint64_t calculateComputer() override;
    bool containsX() override { return false; }
    bool containsY() override { return false; }
    std::wstring toString(int mode) override;

    const std::wstring& getName() const { return m_name; }
    IExpression* getFirst() const { return m_first.getExpression(); }
    // Null for one-argument functions.
    IExpression* getSecond() const { return m_second.getExpression(); }

private:
    std::wstring m_name;
    IExpressionHolder m_first;
    IExpressionHolder m_second;
};
