#include "ComplexFunctionExpression.h"

namespace {
// The circular functions whose constant arguments are angles in the angle unit.
bool takesAngle(const std::wstring& name) {
    return name == L"sin" || name == L"cos" || name == L"tan";
}
} // namespace

ComplexFunctionExpression::ComplexFunctionExpression(const std::wstring& text) {
    const std::size_t open = text.find(L'(');
    if (open == std::wstring::npos) raiseEngineError(ErrorCode::INVALID_INPUT);
    const int close = findCorrespondingParenthesis(text, static_cast<int>(open));
    if (close != static_cast<int>(text.size()) - 1) raiseEngineError(ErrorCode::INVALID_INPUT);
    m_name = text.substr(0, open);
    m_argumentText = text.substr(open + 1, close - open - 1);
    m_function = ComplexFunctions::resolve(m_name);
    if (m_argumentText == L"n") {
        m_sequence = true;
        return;
    }
    m_argument = parseComplexExpression(m_argumentText);
    // A constant angle is converted from the angle unit once, here.
    if (takesAngle(m_name) && (isNumber(m_argumentText) || isNumberExpression(m_argumentText))) {
        const Complex angle = m_argument.calculateComplexConst();
        if (!angle.hasImaginaryPart()) {
            std::wstring radians;
            value2String(input2rad(angle.Re().getA()), radians, 10);
            m_argument = parseComplexExpression(radians);
        }
    }
}

bool ComplexFunctionExpression::isScientificCall() {
    for (int i = 0; i < s_statistic_functions_pos; ++i)
        if (m_name == s_functions[i].name) return true;
    return false;
}

Complex ComplexFunctionExpression::calculateComplex(Complex z) {
    if (m_sequence) return z;
    return ComplexFunctions::apply(m_function, m_argument.calculateComplex(z));
}

// Without a bound value the sequence variable has nothing to stand for.
Complex ComplexFunctionExpression::calculateComplexConst() {
    if (m_sequence) raiseEngineError(ErrorCode::INVALID_INPUT);
    return ComplexFunctions::apply(m_function, m_argument.calculateComplexConst());
}

bool ComplexFunctionExpression::containsX() {
    return m_argumentText.find(L'x') != std::wstring::npos;
}

bool ComplexFunctionExpression::containsY() {
    return m_argumentText.find(L'y') != std::wstring::npos;
}
