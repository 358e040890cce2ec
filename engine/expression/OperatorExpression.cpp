#include "OperatorExpression.h"

#include <cmath>

#include "RealParser.h"

OperatorExpression::OperatorExpression(std::wstring left, std::wstring right, wchar_t op) : m_operator(op) {
    m_left.setExpression(RealParser::parse(std::move(left)));
    m_right.setExpression(RealParser::parse(op == L'!' ? std::wstring() : std::move(right)));
}

bool OperatorExpression::isConstant() {
    return m_left.isConstant() && m_right.isConstant();
}

double OperatorExpression::combine(double left, double right, bool squareByProduct) const {
    switch (m_operator) {
    case L'+':
        return left + right;
    case L'-':
        return left - right;
    case L'*':
        return left * right;
    case L'/':
        // Where the handheld's processor faulted; without raised errors (plot
        // sampling) the infinities and NaN flow through as gaps.
        if (right == 0.0 && s_withex) raiseEngineError(FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO);
        return left / right;
    case L'^':
        return squareByProduct && right == 2.0 ? left * left : std::pow(left, right);
    case L'!':
        return calculateFaculty(left);
    default:
        raiseEngineError(ErrorCode::INVALID_INPUT);
    }
}

double OperatorExpression::calculate(double x, double y) {
    if (m_program) return m_program->run(x, y);
    const double left = m_left.calculate(x, y);
    const double right = m_operator == L'!' ? 0.0 : m_right.calculate(x, y);
    return combine(left, right, true);
}

double OperatorExpression::calculateConst() {
    const double left = m_left.calculateConst();
    const double right = m_operator == L'!' ? 0.0 : m_right.calculateConst();
    return combine(left, right, false);
}

double OperatorExpression::calculateStatistic(std::vector<double>& data) {
    const double left = m_left.calculateStatistic(data);
    const double right = m_operator == L'!' ? 0.0 : m_right.calculateStatistic(data);
    return combine(left, right, true);
}

double OperatorExpression::calculateStatisticXY(std::vector<double>& data) {
    const double left = m_left.calculateStatisticXY(data);
    const double right = m_operator == L'!' ? 0.0 : m_right.calculateStatisticXY(data);
    return combine(left, right, true);
}

bool OperatorExpression::containsX() {
    return m_left.containsX() || m_right.containsX();
}
bool OperatorExpression::containsY() {
    return m_left.containsY() || m_right.containsY();
}
