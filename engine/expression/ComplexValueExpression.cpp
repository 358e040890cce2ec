#include "ComplexValueExpression.h"

namespace {
constexpr double PI = 3.141592653589793;
constexpr double EULER = 2.718281828459045;

Complex valueOf(const std::wstring& text) {
    if (text == L"pi") return Complex(PI, 0.0);
    if (text == L"e") return Complex(EULER, 0.0);
    if (text == L"-pi") return Complex(-PI, 0.0);
    if (text == L"-e") return Complex(-EULER, 0.0);
    return Complex(text);
}
} // namespace

ComplexValueExpression::ComplexValueExpression(const std::wstring& text) : m_value(valueOf(text)) {}
