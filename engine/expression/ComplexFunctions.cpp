#include "ComplexFunctions.h"

#include <limits>

#include "IExpression.h"

namespace {
struct NamedFunction {
    const wchar_t* name;
    ComplexFunctions::Function function;
};

// Names that select their function by their beginning ("abs", the identity "z").
const NamedFunction s_prefixed[] = {
    {L"abs", [](const Complex& z) { return z.abs(); }},
    {L"z", [](const Complex& z) { return z; }},
};

// Names that must match exactly. There is no angle-unit conversion here: the
// inverse functions return radians.
const NamedFunction s_exact[] = {
    {L"con", [](const Complex& z) { return z.conj(); }},
    {L"sin", [](const Complex& z) { return z.sinc(); }},
    {L"cos", [](const Complex& z) { return z.cosc(); }},
    {L"tan", [](const Complex& z) { return z.tanc(); }},
    {L"sinh", [](const Complex& z) { return z.sinhc(); }},
    {L"cosh", [](const Complex& z) { return z.coshc(); }},
    {L"tanh", [](const Complex& z) { return z.tanhc(); }},
    {L"asin", [](const Complex& z) { return z.asinc(); }},
    {L"arcsin", [](const Complex& z) { return z.asinc(); }},
    {L"acos", [](const Complex& z) { return z.acosc(); }},
    {L"arccos", [](const Complex& z) { return z.acosc(); }},
    {L"atan", [](const Complex& z) { return z.atanc(); }},
    {L"arctan", [](const Complex& z) { return z.atanc(); }},
    {L"arcsinh", [](const Complex& z) { return z.asinhc(); }},
    {L"arccosh", [](const Complex& z) { return z.acoshc(); }},
    {L"arctanh", [](const Complex& z) { return z.atanhc(); }},
    {L"lg", [](const Complex& z) { return z.logarithmus10(); }},
    {L"ln", [](const Complex& z) { return z.logarithmus_e(); }},
    {L"sqr", [](const Complex& z) { return z.sqr(); }},
    {L"rand", [](const Complex& z) { return z.randomc(); }},
    {L"sign", [](const Complex& z) { return z.signc(); }},
    {L"re", [](const Complex& z) { return z.Re(); }},
    {L"im", [](const Complex& z) { return z.Im(); }},
};
} // namespace

namespace ComplexFunctions {
Function resolve(const std::wstring& name) {
    for (const NamedFunction& entry : s_prefixed)
        if (name.rfind(entry.name, 0) == 0) return entry.function;
    for (const NamedFunction& entry : s_exact)
        if (name == entry.name) return entry.function;
    return nullptr;
}

Complex apply(Function f, const Complex& z) {
    if (f) return f(z);
    if (IExpression::s_withex) raiseEngineError(ErrorCode::INVALID_INPUT);
    return Complex(std::numeric_limits<double>::quiet_NaN(), 0.0);
}
} // namespace ComplexFunctions

Complex IExpression::calculateFunction(const std::wstring& name, Complex z) {
    return ComplexFunctions::apply(ComplexFunctions::resolve(name), z);
}
