#include "ComplexOperatorExpression.h"

ComplexOperatorExpression::ComplexOperatorExpression(const std::wstring& left, const std::wstring& right,
                                                     wchar_t op)
    : m_operator(op) {
    m_left = parseComplexExpression(left);
    m_right = parseComplexExpression(right);
    m_constant = m_left.isConstant() && m_right.isConstant();
}

bool ComplexOperatorExpression::isConstant() {
    return m_left.isConstant() && m_right.isConstant();
}

Complex ComplexOperatorExpression::calculateComplex(Complex z) {
    if (!m_constant) return combine(m_left.calculateComplex(z), m_right.calculateComplex(z));
    if (!m_known) {
        m_value = combine(m_left.calculateComplex(z), m_right.calculateComplex(z));
        m_known = true;
    }
    return m_value;
}

Complex ComplexOperatorExpression::calculateComplexConst() {
    return combine(m_left.calculateComplexConst(), m_right.calculateComplexConst());
}

bool ComplexOperatorExpression::containsX() {
    return m_left.containsX() || m_right.containsX();
}

bool ComplexOperatorExpression::containsY() {
    return m_left.containsY() || m_right.containsY();
}

Complex ComplexOperatorExpression::combine(const Complex& left, const Complex& right) const {
    switch (m_operator) {
    case L'+':
        return left + right;
    case L'-':
        return left - right;
    case L'*':
        return left * right;
    case L'/':
        return left / right;
    case L'^':
        return left.hoch(right);
    default:
        raiseEngineError(ErrorCode::INVALID_INPUT);
    }
}
