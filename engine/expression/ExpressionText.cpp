#include "ExpressionText.h"

#include "FunctionExpression.h"
#include "IExpressionHolder.h"
#include "NumberText.h"
#include "OperatorExpression.h"
#include "PolynomTerm.h"
#include "ValueExpression.h"

#include <cmath>
#include <cwchar>

const RewritePair ExpressionText::s_easy_functions_x[] = {
    {L"-1*x", L"-x"}, {L"+1*x", L"+x"}, {L"*1x^", L"*x^"}, {L"1*x", L"1x"},    {L"2*x", L"2x"},
    {L"3*x", L"3x"},  {L"4*x", L"4x"},  {L"5*x", L"5x"},   {L"6*x", L"6x"},    {L"7*x", L"7x"},
    {L"8*x", L"8x"},  {L"9*x", L"9x"},  {L"0*x", L"0x"},   {L"-(x)", L"-x"},   {L"*(x)", L"*x"},
    {L"+(x)", L"+x"}, {L"/(x)", L"/x"}, {L"^(x)", L"^x"},  {L"(e^x)", L"e^x"},
};
const int ExpressionText::s_easy_functions_x_size =
    static_cast<int>(sizeof(s_easy_functions_x) / sizeof(s_easy_functions_x[0]));

const RewritePair ExpressionText::s_easy_expressions_x[] = {
    {L"*(sin(#))", L"*sin(#)"},   {L"*(cos(#))", L"*cos(#)"},   {L"*(cot(#))", L"*cot(#)"},
    {L"*(tan(#))", L"*tan(#)"},   {L"*(sinh(#))", L"*sinh(#)"}, {L"*(cosh(#))", L"*cosh(#)"},
    {L"*(coth(#))", L"*coth(#)"}, {L"*(tanh(#))", L"*tanh(#)"}, {L"^(sin(#))", L"^sin(#)"},
    {L"^(cos(#))", L"^cos(#)"},   {L"^(cot(#))", L"^cot(#)"},   {L"^(tan(#))", L"^tan(#)"},
    {L"^(sinh(#))", L"^sinh(#)"}, {L"^(cosh(#))", L"^cosh(#)"}, {L"^(coth(#))", L"^coth(#)"},
    {L"^(tanh(#))", L"^tanh(#)"},
};
const int ExpressionText::s_easy_expressions_x_size =
    static_cast<int>(sizeof(s_easy_expressions_x) / sizeof(s_easy_expressions_x[0]));

namespace {

bool isSumOperator(wchar_t op) {
    return op == L'+' || op == L'-';
}

std::wstring parenthesized(const std::wstring& text) {
    return L"(" + text + L")";
}

// Which operand texts an operator puts in parentheses.
struct Wrap {
    bool left;
    bool right;
};

// The right operand is an operator node, the left one a value or function.
bool wrapRightAfterOperand(wchar_t op, wchar_t right) {
    switch (op) {
    case L'*':
        return isSumOperator(right) || right == L'^';
    case L'/':
        return isSumOperator(right) || right == L'^' || right == L'*' || right == L'/';
    case L'-':
        return isSumOperator(right);
    case L'^':
        return true;
    default:
        return false;
    }
}

// The left operand is an operator node, the right one a value or function.
bool wrapLeftBeforeOperand(wchar_t op, wchar_t left) {
    switch (op) {
    case L'*':
    case L'/':
        return isSumOperator(left);
    case L'^':
        return true;
    default:
        return false;
    }
}

// Both operands are operator nodes.
Wrap wrapBetweenOperators(wchar_t op, wchar_t left, wchar_t right) {
    switch (op) {
    case L'-':
        return {false, isSumOperator(right)};
    case L'*': {
        const bool leftProduct = left == L'*';
        const bool rightProduct = right == L'*';
        if (leftProduct && rightProduct) return {false, false};
        if (leftProduct) return {false, true};
        if (rightProduct) return {true, false};
        return {true, true};
    }
    case L'/':
    case L'^':
        return {true, true};
    default:
        return {false, false};
    }
}

} // namespace

std::wstring ExpressionText::joinOperands(wchar_t op, const std::wstring& left, wchar_t leftOperator,
                                          const std::wstring& right, wchar_t rightOperator) {
    const bool leftIsOperator = leftOperator != L' ';
    const bool rightIsOperator = rightOperator != L' ';
    Wrap wrap{false, false};
    if (!leftIsOperator && rightIsOperator) {
        wrap.right = wrapRightAfterOperand(op, rightOperator);
    } else if (leftIsOperator && !rightIsOperator) {
        wrap.left = wrapLeftBeforeOperand(op, leftOperator);
    } else if (leftIsOperator && rightIsOperator) {
        wrap = wrapBetweenOperators(op, leftOperator, rightOperator);
    }
    // A negative base keeps its parentheses: "1+-2^y" would lose its sign to
    // the sign folding of the pre-translation.
    if (op == L'^' && !left.empty() && left[0] == L'-') wrap.left = true;
    std::wstring text = wrap.left ? parenthesized(left) : left;
    text += op;
    text += wrap.right ? parenthesized(right) : right;
    return text;
}

wchar_t ExpressionText::topLevelOperator(const std::wstring& text) {
    // The same three scans as the parser: sums first, then products, then powers.
    static const wchar_t* const scans[] = {L"+-", L"*/", L"^"};
    static const wchar_t* const excluded[] = {L"*+-/^", L"*+-/^", L"*/-+"};
    for (int scan = 0; scan < 3; ++scan) {
        int depth = 0;
        for (int i = static_cast<int>(text.size()) - 1; i > 0; --i) {
            const wchar_t c = text[static_cast<std::size_t>(i)];
            if (c == L')')
                ++depth;
            else if (c == L'(')
                --depth;
            else if (depth == 0 && std::wcschr(scans[scan], c) &&
                     !std::wcschr(excluded[scan], text[static_cast<std::size_t>(i) - 1]))
                return scan == 0 ? L'+' : c;
        }
    }
    // A leading minus in front of a name stands for a product with -1 once
    // the text is pre-translated; a negative literal stays an operand.
    if (!text.empty() && text[0] == L'-' && !IExpression::isNumber(text)) return L'*';
    return L' ';
}

void ExpressionText::applyEasyTables(std::wstring& text) {
    for (int i = 0; i < s_easy_functions_x_size; ++i) {
        // A sign or a parenthesis right after "/" or "^" opens the divisor or
        // the exponent: "y/-1*x" is (y/-1)*x, and "y/-x" would divide by -x.
        // A parenthesis after a name is a call's: "cos(e^x)" keeps it.
        const wchar_t first = s_easy_functions_x[i].pattern[0];
        const wchar_t* notAfter = first == L'('                    ? L"/^abcdefghijklmnopqrstuvwxyz"
                                  : first == L'-' || first == L'+' ? L"/^"
                                                                   : nullptr;
        replaceAll(text, s_easy_functions_x[i].pattern, s_easy_functions_x[i].replacement, notAfter);
    }

    for (int i = 0; i < s_easy_expressions_x_size; ++i) {
        const std::wstring pattern = s_easy_expressions_x[i].pattern;
        const std::wstring replacement = s_easy_expressions_x[i].replacement;
        const std::wstring prefix = pattern.substr(0, pattern.find(L'#'));
        const std::size_t found = text.find(prefix);
        if (found == std::wstring::npos) continue;
        // The argument is the first call's: from after the prefix up to the
        // parenthesis that closes the "(" ending the prefix.
        const int open = static_cast<int>(found + prefix.size()) - 1;
        const int close = closingParenthesis(text, open);
        if (close < 0) continue;
        const std::wstring argument =
            text.substr(found + prefix.size(), static_cast<std::size_t>(close - open - 1));
        std::wstring completed = pattern;
        std::wstring completedReplacement = replacement;
        replaceAll(completed, L"#", argument);
        replaceAll(completedReplacement, L"#", argument);
        replaceAll(text, completed, completedReplacement);
    }
}

bool ExpressionText::replaceAll(std::wstring& text, const std::wstring& pattern,
                                const std::wstring& replacement, const wchar_t* notAfter) {
    if (pattern.empty()) return false;
    std::size_t found = text.find(pattern);
    if (found == std::wstring::npos) return false;
    std::wstring result;
    result.reserve(text.size());
    std::size_t from = 0;
    bool replaced = false;
    while (found != std::wstring::npos) {
        const bool kept = notAfter && found > 0 && std::wcschr(notAfter, text[found - 1]);
        result.append(text, from, found - from);
        result += kept ? pattern : replacement;
        replaced = replaced || !kept;
        from = found + pattern.size();
        found = text.find(pattern, from);
    }
    result.append(text, from, std::wstring::npos);
    text.swap(result);
    return replaced;
}

int ExpressionText::closingParenthesis(const std::wstring& text, int open) {
    int depth = 0;
    for (std::size_t i = static_cast<std::size_t>(open < 0 ? 0 : open); i < text.size(); ++i) {
        if (text[i] == L'(') {
            ++depth;
        } else if (text[i] == L')') {
            if (depth == 1) return static_cast<int>(i);
            --depth;
        }
    }
    return -1;
}

std::wstring ExpressionText::numberText(double value) {
    std::wstring text;
    IExpression::value2String(value, text, 10);
    return text;
}

std::wstring ExpressionText::sixDecimals(double value) {
    return NumberText::format("%f", value);
}

std::wstring IExpressionHolder::toSimplifiedString() {
    const std::unique_ptr<PolynomTerm> term = m_node->toPolynom();
    // A tree the simplifier has no term for is written as it stands.
    std::wstring text = term ? term->text() : m_node->toString(0);
    ExpressionText::applyEasyTables(text);
    return text;
}

bool ExpressionText::isCircularName(const std::wstring& name) {
    for (const wchar_t* hyperbolic : {L"sinh", L"cosh", L"tanh", L"coth"})
        if (name.rfind(hyperbolic, 0) == 0) return false;
    for (const wchar_t* circular : {L"sin", L"cos", L"tan", L"cot"})
        if (name.rfind(circular, 0) == 0) return true;
    return false;
}

double ExpressionText::angleAsWritten(double radians) {
    if (IExpression::s_mode == CalculatorModes::RAD) return radians;
    // The radians were kept at 10 decimals; 8 decimals of the angle unit
    // undo that rounding, so "30" degrees comes back as 30.
    const double angle = IExpression::rad2output(radians);
    if (!std::isfinite(angle) || std::fabs(angle) > 1e7) return angle;
    return std::round(angle * 1e8) / 1e8;
}

// --- Texts of the real-number nodes ---------------------------------------------

std::wstring ValueExpression::toString(int) {
    std::wstring text = getText();
    if (text.find(L'.') != std::wstring::npos) {
        text.erase(text.find_last_not_of(L'0') + 1);
        if (!text.empty() && text.back() == L'.') text.pop_back();
    }
    return text;
}

std::wstring FunctionExpression::toString(int mode) {
    IExpression* argument = getArgument();
    std::wstring text;
    if (argument && ExpressionText::isCircularName(getName()) && argument->isValue() &&
        argument->isConstant() && s_mode != CalculatorModes::RAD)
        text = ExpressionText::numberText(ExpressionText::angleAsWritten(argument->calculateConst()));
    else if (argument)
        text = argument->toString(mode);
    if (getParameterCount() == 2 && getSecondArgument()) text += L"," + getSecondArgument()->toString(mode);
    return getName() + L"(" + text + L")";
}

std::wstring OperatorExpression::toString(int mode) {
    IExpression* left = getLeft();
    const std::wstring leftText = left->toString(mode);
    const wchar_t leftOperator = left->isOperator() ? left->getOperator() : L' ';
    if (m_operator == L'!') return leftOperator == L' ' ? leftText + L"!" : L"(" + leftText + L")!";
    IExpression* right = getRight();
    return ExpressionText::joinOperands(m_operator, leftText, leftOperator, right->toString(mode),
                                        right->isOperator() ? right->getOperator() : L' ');
}
