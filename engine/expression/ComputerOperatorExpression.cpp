#include "ComputerOperatorExpression.h"

#include "ComputerParser.h"

ComputerOperatorExpression::ComputerOperatorExpression(std::wstring_view left, std::wstring_view right,
                                                       wchar_t op, int depth)
    : m_operator(op) {
    m_left = ComputerParser::parse(left, depth + 1);
    m_right = ComputerParser::parse(right, depth + 1);
}

std::uint64_t ComputerOperatorExpression::calculateComputer() {
    const std::uint64_t v = m_left.calculateComputer();
    const std::uint64_t u = m_right.calculateComputer();
    switch (m_operator) {
    case L'+':
        return v + u; // wraps modulo 2^64
    case L'*':
        return v * u;
    case L'-':
        if (u > v) raiseEngineError(ErrorCode::NEGATIVE_RESULT);
        return v - u;
    case L'/':
        if (u == 0) raiseEngineError(FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO);
        if (v % u != 0) raiseEngineError(ErrorCode::NON_INTEGER);
        return v / u;
    default:
        // "%", "#" and "^" have no meaning on unsigned whole numbers; answering
        // 0 would show a wrong result as if it were right.
        raiseEngineError(ErrorCode::INVALID_INPUT);
    }
}

std::wstring ComputerOperatorExpression::toString(int mode) {
    return ComputerParser::withKlammer(*this, m_left.toString(mode) + m_operator + m_right.toString(mode));
}
