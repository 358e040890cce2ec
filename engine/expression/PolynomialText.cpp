#include "PolynomialText.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "ExpressionText.h"
#include "NumberText.h"
#include "OperatorExpression.h"

namespace {

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Where the "x" of x^n stands, or npos. "x^2" must not be read out of "x^21".
std::size_t findPower(const std::wstring& text, int n) {
    const std::wstring pattern = L"x^" + std::to_wstring(n);
    for (std::size_t at = text.find(pattern); at != std::wstring::npos; at = text.find(pattern, at + 1)) {
        const std::size_t after = at + pattern.size();
        if (after == text.size() || (!isDigit(text[after]) && text[after] != L'.')) return at;
    }
    return std::wstring::npos;
}

// Where the "x" of the linear term stands, or npos.
std::size_t findLinear(const std::wstring& text) {
    std::size_t at = text.find(L"x+");
    if (at == std::wstring::npos) at = text.find(L"x-");
    if (at == std::wstring::npos && !text.empty() && text.back() == L'x') at = text.size() - 1;
    return at;
}

// The number written directly in front of the x at position at.
double coefficientBefore(const std::wstring& text, std::size_t at) {
    if (at == 0) return 1.0;
    std::size_t end = at;
    if (end > 0 && text[end - 1] == L'(') --end;
    if (end > 0 && text[end - 1] == L'*') --end;
    std::size_t start = end;
    while (start > 0 && (isDigit(text[start - 1]) || text[start - 1] == L'.'))
        --start;
    if (start > 0 && (text[start - 1] == L'+' || text[start - 1] == L'-')) --start;
    const std::wstring span = text.substr(start, end - start);
    if (span == L"+") return 1.0;
    if (span == L"-") return -1.0;
    return NumberText::toDouble(span);
}

int degreeOf(const std::vector<double>& coefficients) {
    for (int k = static_cast<int>(coefficients.size()) - 1; k >= 0; --k)
        if (coefficients[static_cast<std::size_t>(k)] != 0.0) return k;
    return -1;
}

// "+c*x^k" for positive and "c*x^k" for negative coefficients, highest first.
std::wstring termsText(const std::vector<double>& coefficients) {
    std::wstring text;
    for (int k = static_cast<int>(coefficients.size()) - 1; k >= 0; --k) {
        const double c = coefficients[static_cast<std::size_t>(k)];
        if (c == 0.0) continue;
        if (c > 0.0) text += L"+";
        text += ExpressionText::sixDecimals(c) + L"*x^" + std::to_wstring(k);
    }
    return text;
}

} // namespace

double PolynomialText::coefficientOf(const std::wstring& text, int n) {
    const std::size_t at = n < 2 ? findLinear(text) : findPower(text, n);
    return at == std::wstring::npos ? 0.0 : coefficientBefore(text, at);
}

std::wstring PolynomialText::divide(const std::vector<double>& dividend, const std::vector<double>& divisor,
                                    const std::wstring& dividendText, const std::wstring& divisorText) {
    const std::wstring fraction = L"(" + dividendText + L")/(" + divisorText + L")";
    const int m = degreeOf(dividend);
    const int n = degreeOf(divisor);
    // A zero divisor has no quotient; the fraction is all there is to write.
    if (n < 0 || m < n) return fraction;

    std::vector<double> rest(dividend.begin(), dividend.begin() + m + 1);
    std::vector<double> quotient(static_cast<std::size_t>(m - n + 1), 0.0);
    const double c = 1.0 / divisor[static_cast<std::size_t>(n)];
    for (int k = m; k >= n; --k) {
        const double q = rest[static_cast<std::size_t>(k)] * c;
        quotient[static_cast<std::size_t>(k - n)] = q;
        for (int j = 0; j <= n; ++j)
            rest[static_cast<std::size_t>(k - n + j)] -= q * divisor[static_cast<std::size_t>(j)];
    }
    // What the subtractions leave at the size of rounding is no remainder.
    double size = 0.0;
    for (double value : dividend)
        size = std::max(size, std::fabs(value));
    rest.resize(static_cast<std::size_t>(n));
    for (double& r : rest)
        if (std::fabs(r) <= 1e-12 * size) r = 0.0;
    return termsText(quotient) + L"+(" + termsText(rest) + L")/(" + divisorText + L")";
}

// --- Polynomial routines of the operator node ------------------------------------

double OperatorExpression::getNumber() {
    if (m_operator != L'+' && m_operator != L'-') return 0.0;
    IExpression* left = getLeft();
    IExpression* right = getRight();
    const double sign = m_operator == L'-' ? -1.0 : 1.0;
    if (left->isConstant()) return left->calculateConst();
    if (right->isConstant()) return sign * right->calculateConst();
    const double number = left->getNumber();
    // The right operand's constant is subtracted with it in a difference.
    return number != 0.0 ? number : sign * right->getNumber();
}

double OperatorExpression::getXHoch(int n) {
    return PolynomialText::coefficientOf(toString(0), n);
}

namespace {
// Coefficients of degrees 0 to 99. Operator nodes read their own; a single
// value or call (a divisor such as "x") is read from its text the same way.
std::vector<double> coefficientsOf(IExpression* node) {
    std::vector<double> coefficients(PolynomialText::s_max_degree + 1, 0.0);
    const bool isOperator = node->isOperator();
    const std::wstring text = isOperator ? std::wstring() : node->toString(0);
    coefficients[0] = isOperator ? node->getNumber() : node->isConstant() ? node->calculateConst() : 0.0;
    for (int k = 1; k <= PolynomialText::s_max_degree; ++k)
        coefficients[static_cast<std::size_t>(k)] =
            isOperator ? node->getXHoch(k) : PolynomialText::coefficientOf(text, k);
    return coefficients;
}
} // namespace

std::wstring OperatorExpression::polynomdivision(IExpression* divisor) {
    if (!divisor) return std::wstring();
    return PolynomialText::divide(coefficientsOf(this), coefficientsOf(divisor), toString(0),
                                  divisor->toString(0));
}
