#include "Derivation.h"

#include "FunctionExpression.h"
#include "IExpression.h"
#include "OperatorExpression.h"
#include "ValueExpression.h"

const wchar_t* const Derivation::s_invalid = L"invalid";

namespace {

bool isZero(const std::wstring& derivative) {
    return derivative == L"0";
}

std::wstring ofSum(const Derivation::Operands& o) {
    std::wstring text;
    if (!isZero(o.leftDerivative)) text = o.leftDerivative;
    if (!isZero(o.rightDerivative)) {
        if (!text.empty()) text += L"+";
        text += o.rightDerivative;
    }
    return text;
}

std::wstring ofDifference(const Derivation::Operands& o) {
    std::wstring text;
    if (!isZero(o.leftDerivative)) text = o.leftDerivative;
    if (!isZero(o.rightDerivative)) text += L"-1*(" + o.rightDerivative + L")";
    return text;
}

// (du)*(V) and (dv)*(U), the two halves of the product and quotient rules.
std::wstring leftHalf(const Derivation::Operands& o) {
    return L"(" + o.leftDerivative + L")*(" + o.right + L")";
}
std::wstring rightHalf(const Derivation::Operands& o) {
    return L"(" + o.rightDerivative + L")*(" + o.left + L")";
}

std::wstring ofProduct(const Derivation::Operands& o) {
    std::wstring text;
    if (!isZero(o.leftDerivative)) text = leftHalf(o);
    if (!isZero(o.leftDerivative) && !isZero(o.rightDerivative)) text += L"+";
    if (!isZero(o.rightDerivative)) text += rightHalf(o);
    return text;
}

std::wstring ofQuotient(const Derivation::Operands& o) {
    if (isZero(o.leftDerivative) && isZero(o.rightDerivative)) return L"0";
    std::wstring text = L"(";
    if (!isZero(o.leftDerivative)) text += leftHalf(o);
    text += L"-";
    if (!isZero(o.rightDerivative)) text += rightHalf(o);
    return text + L")/((" + o.right + L")^2)";
}

std::wstring ofPower(const Derivation::Operands& o) {
    const std::wstring& U = o.left;
    const std::wstring& V = o.right;
    const std::wstring& du = o.leftDerivative;
    const std::wstring& dv = o.rightDerivative;
    if (U == L"e" && V == L"x") return L"e^x";
    if (U == L"e" && V == L"-x") return L"-1*(e^-x)";
    if (o.leftContainsX && !o.rightContainsX) {
        if (!o.leftIsOperator) return du + L"*(" + V + L")*(" + U + L")^(" + V + L"-1)";
        return L"(" + V + L")*(" + U + L")^(" + V + L"-1)*(" + du + L")";
    }
    if (o.leftContainsX && o.rightContainsX)
        return L"(" + U + L")^(" + V + L")*((" + dv + L")*ln(" + U + L")+(" + V + L")*((" + du + L")/(" + U +
               L")))";
    if (o.rightContainsX) return L"(" + U + L")^(" + V + L")*ln(" + U + L")*(" + dv + L")";
    return L"0";
}

} // namespace

bool Derivation::isUnderivable(const std::wstring& text) {
    return text.find(L'!') != std::wstring::npos || text.find(L"binom") != std::wstring::npos ||
           text.find(L"sum") != std::wstring::npos;
}

std::wstring Derivation::ofOperator(wchar_t op, const Operands& operands) {
    std::wstring text;
    switch (op) {
    case L'+':
        text = ofSum(operands);
        break;
    case L'-':
        text = ofDifference(operands);
        break;
    case L'*':
        text = ofProduct(operands);
        break;
    case L'/':
        text = ofQuotient(operands);
        break;
    case L'^':
        text = ofPower(operands);
        break;
    default:
        break;
    }
    return text.empty() ? L"0" : text;
}

const wchar_t* Derivation::ruleFor(const std::wstring& name) {
    for (int i = 0; i < IExpression::s_functions_len; ++i) {
        const FunctionEntry& entry = IExpression::s_functions[i];
        if (name == entry.name) return entry.rule && entry.rule[0] ? entry.rule : nullptr;
    }
    return nullptr;
}

std::wstring Derivation::applyRule(const std::wstring& rule, const std::wstring& derivative,
                                   const std::wstring& argument) {
    // One pass, so a derivative that happens to contain ";" stays as it is.
    std::wstring text;
    for (wchar_t c : rule) {
        if (c == L':')
            text += derivative;
        else if (c == L';')
            text += argument;
        else
            text += c;
    }
    return text;
}

// --- Derivatives of the real-number nodes ---------------------------------------

namespace {
// A derivative text that stands for "cannot be derived".
bool failed(const std::wstring& derivative) {
    return derivative.empty() || derivative == Derivation::s_invalid;
}

[[noreturn]] void cannotDerive() {
    raiseEngineError(ErrorCode::CANNOT_DERIVE);
}
} // namespace

std::wstring ValueExpression::derivate() {
    const std::wstring& token = getText();
    if (!token.empty() && token.back() == L'!' && s_withex) cannotDerive();
    return token == L"x" ? L"1" : L"0";
}

std::wstring FunctionExpression::derivate() {
    if (getParameterCount() == 2 && s_withex) cannotDerive();
    IExpression* argument = getArgument();
    if (!argument || !argument->containsX()) return L"0";
    const wchar_t* rule = Derivation::ruleFor(getName());
    if (!rule) {
        if (s_withex) cannotDerive();
        return std::wstring();
    }
    const std::wstring inner = argument->derivate();
    // An argument that cannot be derived must not turn into "()", which
    // would read as 0.
    if (failed(inner)) return Derivation::s_invalid;
    return Derivation::applyRule(rule, inner, argument->toString(0));
}

std::wstring OperatorExpression::derivate() {
    if (m_operator == L'!') return Derivation::s_invalid;
    IExpression* left = getLeft();
    IExpression* right = getRight();
    Derivation::Operands operands;
    // The node's text is its operands' texts joined, so they tell whether it
    // names something without a derivative.
    operands.left = left->toString(0);
    operands.right = right->toString(0);
    if (Derivation::isUnderivable(operands.left) || Derivation::isUnderivable(operands.right))
        return Derivation::s_invalid;
    operands.leftDerivative = left->derivate();
    operands.rightDerivative = right->derivate();
    if (failed(operands.leftDerivative) || failed(operands.rightDerivative)) return Derivation::s_invalid;
    operands.leftContainsX = left->containsX();
    operands.rightContainsX = right->containsX();
    operands.leftIsOperator = left->isOperator();
    return Derivation::ofOperator(m_operator, operands);
}
