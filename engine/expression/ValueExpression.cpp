#include "ValueExpression.h"

#include <algorithm>

#include "NumberText.h"

namespace {
constexpr double PI = 3.141592653589793;
constexpr double EULER = 2.718281828459045;
} // namespace

ValueExpression::ValueExpression(std::wstring token) : m_text(std::move(token)) {
    m_text.erase(
        std::remove_if(m_text.begin(), m_text.end(), [](wchar_t c) { return c == L'(' || c == L')'; }),
        m_text.end());
    if (m_text == L"x") {
        m_kind = Kind::X;
    } else if (m_text == L"y") {
        m_kind = Kind::Y;
    } else if (isNumber(m_text)) {
        m_kind = Kind::Number;
        m_value = NumberText::toDouble(m_text);
    } else if (m_text == L"pi") {
        m_kind = Kind::Pi;
    } else if (m_text == L"e") {
        m_kind = Kind::E;
    } else if (m_text == L"x!") {
        m_kind = Kind::FactorialX;
    } else if (m_text == L"y!") {
        m_kind = Kind::FactorialY;
    } else if (!m_text.empty() && m_text.back() == L'!') {
        const std::wstring operand = m_text.substr(0, m_text.size() - 1);
        if (isNumber(operand) && operand.find(L'.') == std::wstring::npos) {
            m_kind = Kind::FactorialNumber;
            m_value = NumberText::toDouble(operand);
        } else {
            m_kind = Kind::FactorialInvalid;
        }
    }
}

double ValueExpression::calculate(double x, double y) {
    switch (m_kind) {
    case Kind::X:
        return x;
    case Kind::Number:
        return m_value;
    case Kind::Y:
        return y;
    case Kind::FactorialX:
        return calculateFaculty(x);
    case Kind::FactorialY:
        return calculateFaculty(y);
    default:
        return calculateConst();
    }
}

double ValueExpression::calculateConst() {
    switch (m_kind) {
    case Kind::Number:
        return m_value;
    case Kind::Pi:
        return PI;
    case Kind::E:
        return EULER;
    case Kind::FactorialNumber:
        return calculateFaculty(m_value);
    // Without variables "x!" is a factorial of something that is no literal.
    case Kind::FactorialX:
    case Kind::FactorialY:
    case Kind::FactorialInvalid:
        if (s_withex) raiseEngineError(ErrorCode::FACULTY);
        return 0.0;
    default:
        raiseEngineError(ErrorCode::INVALID_INPUT);
    }
}
