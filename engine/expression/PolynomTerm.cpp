#include "PolynomTerm.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "EngineError.h"
#include "ExpressionText.h"
#include "IExpression.h"
#include "NumberText.h"

const int PolynomTerm::s_max_depth = 1000;
const int PolynomTerm::s_max_summands = 512;
const int PolynomTerm::s_max_products = 2500;

namespace {

// Longest exponent text kept when exponents that are not numbers are added.
const std::size_t s_max_exponent_text = 4096;
// Highest power of x that polynomial division reads from a sum.
const int s_max_division_degree = 100;
// The quotient of two numbers is kept when its text is shorter than this.
const std::size_t s_short_quotient = 6;

bool isWhole(double value) {
    return std::isfinite(value) && std::floor(value) == value;
}

bool isEven(double value) {
    return isWhole(value / 2.0);
}

double textToNumber(const std::wstring& text) {
    return NumberText::toDouble(text);
}

std::wstring six(double value) {
    return ExpressionText::sixDecimals(value);
}

std::wstring wholeText(int value) {
    return std::to_wstring(value);
}

} // namespace

// --- Creation -----------------------------------------------------------------

std::unique_ptr<PolynomTerm> PolynomTerm::fromNumber(double value) {
    std::unique_ptr<PolynomTerm> term(new PolynomTerm());
    term->m_value = value;
    return term;
}

std::unique_ptr<PolynomTerm> PolynomTerm::fromToken(const std::wstring& token) {
    const std::wstring text = !token.empty() && token[0] == L'+' ? token.substr(1) : token;
    if (IExpression::isNumber(text)) return fromNumber(textToNumber(text));
    std::unique_ptr<PolynomTerm> term(new PolynomTerm());
    if (text == L"x") {
        term->m_kind = XPOWER;
        term->m_value = 1.0;
        term->m_exponent = L"1";
    } else {
        term->m_kind = SYMBOL;
        term->m_name = text;
    }
    return term;
}

std::unique_ptr<PolynomTerm> PolynomTerm::compound(std::unique_ptr<PolynomTerm> left,
                                                   std::unique_ptr<PolynomTerm> right, wchar_t op) {
    std::unique_ptr<PolynomTerm> term(new PolynomTerm());
    term->m_kind = COMPOUND;
    term->m_operator = op;
    term->m_left = std::move(left);
    term->m_right = std::move(right);
    term->refreshDepth();
    return term;
}

std::unique_ptr<PolynomTerm> PolynomTerm::sum(std::unique_ptr<PolynomTerm> first,
                                              std::unique_ptr<PolynomTerm> second) {
    Summands summands;
    summands.push_back(std::move(first));
    summands.push_back(std::move(second));
    std::unique_ptr<PolynomTerm> term(new PolynomTerm());
    term->becomeSum(std::move(summands));
    return term;
}

std::unique_ptr<PolynomTerm> PolynomTerm::combine(std::unique_ptr<PolynomTerm> left,
                                                  std::unique_ptr<PolynomTerm> right, wchar_t op) {
    if (!left || !right) return nullptr;
    switch (op) {
    case L'+':
        if (left->add(*right)) return left;
        return sum(std::move(left), std::move(right));
    case L'-':
        if (left->subtract(*right)) return left;
        if (!right->scale(-1.0)) right = compound(fromNumber(-1.0), std::move(right), L'*');
        return sum(std::move(left), std::move(right));
    case L'*': {
        if (left->isNumber() && left->m_value == 1.0) return right;
        if (left->multiply(*right)) return left;
        // Numbers and symbols lead a product the rules could not merge.
        const auto leads = [](const PolynomTerm& t) { return t.isNumber() || t.m_kind == SYMBOL; };
        if (leads(*right) && !leads(*left)) return compound(std::move(right), std::move(left), L'*');
        return compound(std::move(left), std::move(right), L'*');
    }
    case L'/':
        if (left->divide(*right)) return left;
        return compound(std::move(left), std::move(right), L'/');
    case L'^':
        if (left->power(*right)) return left;
        return compound(std::move(left), std::move(right), L'^');
    default:
        return nullptr;
    }
}

// --- Copy and shape -------------------------------------------------------------

PolynomTerm::PolynomTerm(const PolynomTerm& other)
    : m_kind(other.m_kind), m_value(other.m_value), m_exponent(other.m_exponent), m_name(other.m_name),
      m_operator(other.m_operator), m_depth(other.m_depth) {
    if (other.m_left) m_left = other.m_left->clone();
    if (other.m_right) m_right = other.m_right->clone();
    if (other.m_argument) m_argument = other.m_argument->clone();
    m_summands.reserve(other.m_summands.size());
    for (const auto& summand : other.m_summands)
        m_summands.push_back(summand->clone());
}

PolynomTerm& PolynomTerm::operator=(const PolynomTerm& other) {
    // Copy first: other may be a part of this term.
    PolynomTerm copy(other);
    *this = std::move(copy);
    return *this;
}

PolynomTerm::PolynomTerm(PolynomTerm&&) noexcept = default;
PolynomTerm& PolynomTerm::operator=(PolynomTerm&&) noexcept = default;
PolynomTerm::~PolynomTerm() = default;

void PolynomTerm::becomeNumber(double value) {
    PolynomTerm number;
    number.m_value = value;
    *this = std::move(number);
}

void PolynomTerm::becomeSum(Summands summands) {
    if (summands.empty()) {
        becomeNumber(0.0);
        return;
    }
    PolynomTerm term;
    term.m_kind = SUM;
    term.m_summands = std::move(summands);
    term.refreshDepth();
    *this = std::move(term);
}

void PolynomTerm::becomeFunction(const std::wstring& name, double coefficient,
                                 std::unique_ptr<PolynomTerm> argument) {
    PolynomTerm term;
    term.m_kind = FUNCTION;
    term.m_name = name;
    term.m_value = coefficient;
    term.m_argument = std::move(argument);
    term.refreshDepth();
    *this = std::move(term);
}

void PolynomTerm::refreshDepth() {
    int inner = 0;
    if (m_left) inner = std::max(inner, m_left->m_depth);
    if (m_right) inner = std::max(inner, m_right->m_depth);
    if (m_argument) inner = std::max(inner, m_argument->m_depth);
    for (const auto& summand : m_summands)
        inner = std::max(inner, summand->m_depth);
    m_depth = inner + 1;
    // Every walk over a term recurses once per level; keep that bounded.
    if (m_depth > s_max_depth) raiseEngineError(ErrorCode::INVALID_INPUT);
}

bool PolynomTerm::hasNumericExponent() const {
    return isXPower() && !m_exponent.empty() && IExpression::isNumber(m_exponent);
}

double PolynomTerm::exponentValue() const {
    return textToNumber(m_exponent);
}

bool PolynomTerm::isZeroSummand() const {
    return isSimple() && m_value == 0.0;
}

void PolynomTerm::applyFunction(const std::wstring& name) {
    auto argument = std::make_unique<PolynomTerm>(std::move(*this));
    becomeFunction(name, 1.0, std::move(argument));
}

// --- Addition -------------------------------------------------------------------

bool PolynomTerm::add(const PolynomTerm& u) {
    if (&u == this) {
        const PolynomTerm copy(u);
        return add(copy);
    }
    if (isNumber() && u.isNumber()) {
        m_value += u.m_value;
        return true;
    }
    if (isXPower() && u.isXPower() && m_exponent == u.m_exponent) {
        m_value += u.m_value;
        return true;
    }
    if (isSum() && u.isSimple()) return addSimple(u);
    if (isNumber() && m_value == 0.0 && u.isXPower()) {
        *this = u;
        return true;
    }
    if (isXPower() && u.isNumber() && u.m_value == 0.0) return true;
    if (isSimple() && u.isSimple()) {
        Summands summands;
        summands.push_back(clone());
        summands.push_back(u.clone());
        becomeSum(std::move(summands));
        return true;
    }
    if (isSum() && u.isSum()) return mergeSummands(u.m_summands);
    if (isSimple() && u.isSum()) {
        if (1 + u.m_summands.size() > static_cast<std::size_t>(s_max_summands)) return false;
        Summands summands;
        summands.push_back(clone());
        becomeSum(std::move(summands));
        return mergeSummands(u.m_summands);
    }
    return false;
}

namespace {
// The first summand that is not a sum and takes u by plain addition.
int acceptingSummand(const std::vector<std::unique_ptr<PolynomTerm>>& summands, const PolynomTerm& u) {
    for (std::size_t i = 0; i < summands.size(); ++i) {
        const PolynomTerm& s = *summands[i];
        if (s.kind() != u.kind()) continue;
        if (u.kind() == PolynomTerm::NUMBER) return static_cast<int>(i);
        if (u.kind() == PolynomTerm::XPOWER && s.exponent() == u.exponent()) return static_cast<int>(i);
    }
    return -1;
}
} // namespace

bool PolynomTerm::addSimple(const PolynomTerm& u) {
    if (acceptingSummand(m_summands, u) < 0 && m_summands.size() >= static_cast<std::size_t>(s_max_summands))
        return false;
    mergeInto(m_summands, u);
    removeZeroSummands();
    return true;
}

bool PolynomTerm::mergeSummands(const Summands& summands) {
    if (m_summands.size() + summands.size() > static_cast<std::size_t>(s_max_summands)) return false;
    for (const auto& summand : summands)
        mergeInto(m_summands, *summand);
    removeZeroSummands();
    if (isSum()) refreshDepth();
    return true;
}

void PolynomTerm::mergeInto(Summands& summands, const PolynomTerm& u) {
    const int index = u.isSimple() ? acceptingSummand(summands, u) : -1;
    if (index >= 0)
        summands[static_cast<std::size_t>(index)]->m_value += u.m_value;
    else
        summands.push_back(u.clone());
}

void PolynomTerm::removeZeroSummands() {
    m_summands.erase(std::remove_if(m_summands.begin(), m_summands.end(),
                                    [](const std::unique_ptr<PolynomTerm>& s) { return s->isZeroSummand(); }),
                     m_summands.end());
    // Everything cancelled: the sum is the number 0.
    if (m_summands.empty()) becomeNumber(0.0);
}

bool PolynomTerm::subtract(const PolynomTerm& u) {
    PolynomTerm negated(u);
    if (!negated.scale(-1.0)) return false;
    return add(negated);
}

// --- Scaling --------------------------------------------------------------------

bool PolynomTerm::scale(double factor) {
    if (!canScale()) return false;
    applyScale(factor);
    return true;
}

bool PolynomTerm::canScale() const {
    switch (m_kind) {
    case NUMBER:
    case XPOWER:
    case FUNCTION:
        return true;
    case SUM:
        return std::all_of(m_summands.begin(), m_summands.end(),
                           [](const std::unique_ptr<PolynomTerm>& s) { return s->canScale(); });
    case COMPOUND:
        // A zero denominator cannot carry a sign: y/-0 would be written y/0.
        return m_operator != L'^' &&
               (m_left->canScale() ||
                (m_right->canScale() && !(m_operator == L'/' && m_right->isZeroSummand())));
    default:
        return false;
    }
}

void PolynomTerm::applyScale(double factor) {
    switch (m_kind) {
    case NUMBER:
    case XPOWER:
    case FUNCTION:
        m_value *= factor;
        break;
    case SUM:
        for (auto& summand : m_summands)
            summand->applyScale(factor);
        break;
    case COMPOUND:
        if (m_left->canScale()) m_left->applyScale(factor);
        // A denominator scaled by 1/k scales the quotient by k.
        else
            m_right->applyScale(m_operator == L'/' ? 1.0 / factor : factor);
        break;
    default:
        break;
    }
}

// --- Multiplication -------------------------------------------------------------

bool PolynomTerm::multiply(const PolynomTerm& u) {
    if (&u == this) {
        const PolynomTerm copy(u);
        return multiply(copy);
    }
    if (isFunction() && u.isNumber()) {
        m_value *= u.m_value;
        return true;
    }
    if (isNumber() && u.isFunction()) {
        // Written as "c*(f(a))"; the cosmetic tables drop the extra pair.
        auto argument = u.clone();
        argument->m_value = 1.0;
        becomeFunction(L"", u.m_value * m_value, std::move(argument));
        return true;
    }
    if (u.isSimple() && isCompound(L'*')) {
        const bool done = m_left->multiply(u) || m_right->multiply(u);
        refreshDepth();
        return done;
    }
    if (u.isSimple() && isCompound(L'/')) {
        const bool done = m_left->multiply(u);
        refreshDepth();
        return done;
    }
    if (isXPower() && u.isXPower()) return multiplyXPowers(u);
    if ((isNumber() || isXPower()) && u.isNumber()) {
        m_value *= u.m_value;
        return true;
    }
    if (isNumber() && u.isXPower()) {
        const double coefficient = m_value * u.m_value;
        *this = u;
        m_value = coefficient;
        return true;
    }
    if (isSimple() && u.isSum()) return multiplyDistribute(u);
    if (isSum() && u.isSimple()) return multiplySumBy(u);
    if (isSum() && u.isSum()) return multiplySums(u);
    return false;
}

bool PolynomTerm::multiplyXPowers(const PolynomTerm& u) {
    std::wstring exponent;
    if (hasNumericExponent() && u.hasNumericExponent()) {
        const double sum = exponentValue() + u.exponentValue();
        if (!std::isfinite(sum)) return false;
        exponent = ExpressionText::numberText(sum);
    } else {
        exponent = L"(" + m_exponent + L")+(" + u.m_exponent + L")";
        if (exponent.size() > s_max_exponent_text) return false;
    }
    m_value *= u.m_value;
    m_exponent = exponent;
    // x^0 is the coefficient itself.
    if (m_exponent == L"0") becomeNumber(m_value);
    return true;
}

bool PolynomTerm::multiplyDistribute(const PolynomTerm& u) {
    if (u.m_summands.size() > static_cast<std::size_t>(s_max_products)) return false;
    Summands products;
    for (const auto& summand : u.m_summands) {
        auto product = summand->clone();
        if (!product->multiply(*this)) return false;
        products.push_back(std::move(product));
    }
    becomeSum(std::move(products));
    return true;
}

bool PolynomTerm::multiplySumBy(const PolynomTerm& u) {
    Summands products;
    for (const auto& summand : m_summands) {
        auto product = summand->clone();
        if (!product->multiply(u)) return false;
        products.push_back(std::move(product));
    }
    becomeSum(std::move(products));
    return true;
}

bool PolynomTerm::multiplySums(const PolynomTerm& u) {
    if (m_summands.size() * u.m_summands.size() > static_cast<std::size_t>(s_max_products)) return false;
    Summands products;
    for (const auto& a : m_summands) {
        for (const auto& b : u.m_summands) {
            auto product = a->clone();
            if (!product->multiply(*b)) return false;
            mergeInto(products, *product);
        }
    }
    becomeSum(std::move(products));
    if (isSum()) removeZeroSummands();
    return true;
}

// --- Powers ---------------------------------------------------------------------

bool PolynomTerm::power(const PolynomTerm& u) {
    if (&u == this) {
        const PolynomTerm copy(u);
        return power(copy);
    }
    if (u.isNumber() && u.m_value == 1.0) return true;
    // (x^e)^n is x^(e*n) except where an even power loses the sign of x and
    // a fractional n would bring it back: (x^2)^0.5 is |x|, not x.
    if (hasNumericExponent() && u.isNumber() && !(isEven(exponentValue()) && !isWhole(u.m_value))) {
        const double exponent = exponentValue() * u.m_value;
        const double coefficient = std::pow(m_value, u.m_value);
        if (!std::isfinite(exponent) || !std::isfinite(coefficient)) return false;
        m_value = coefficient;
        m_exponent = ExpressionText::numberText(exponent);
        if (m_exponent == L"0") becomeNumber(coefficient);
        return true;
    }
    if (isNumber() && u.isNumber()) {
        const double result = std::pow(m_value, u.m_value);
        if (!std::isfinite(result)) return false;
        m_value = result;
        return true;
    }
    if (isSum() && u.isNumber() && isWhole(u.m_value) && u.m_value > 0.0 && u.m_value <= 9.0)
        return powerOfSum(static_cast<int>(u.m_value));
    return false;
}

bool PolynomTerm::powerOfSum(int n) {
    // Expand on a copy so a product that cannot be formed leaves this sum as it was.
    PolynomTerm result(*this);
    for (int i = 1; i < n; ++i)
        if (!result.multiply(*this)) return false;
    *this = std::move(result);
    return true;
}

// --- Division -------------------------------------------------------------------

bool PolynomTerm::divide(PolynomTerm& u) {
    if (&u == this) {
        PolynomTerm copy(u);
        return divide(copy);
    }
    if (isXPower() && u.isXPower() && hasNumericExponent() && u.hasNumericExponent() && divideXPowers(u))
        return true;
    if (isNumber() && u.isNumber()) return divideNumbers(u);
    if (isXPower() && u.isNumber() && divideXPowerByNumberShort(u)) return true;
    if (isNumber() && u.isXPower()) {
        // Only the common factor goes; the reduced fraction stays.
        cancelNumberByXPower(u);
        return false;
    }
    if (isFunction() && u.isFunction()) return divideFunctions(u);
    if (isXPower() && u.isNumber() && divideXPowerByNumberExact(u)) return true;
    if (isSum() && u.isSum() && divideByLinear(u)) return true;
    if (isSum() && u.isXPower() && divideByX(u)) return true;
    if (isCompound(L'/') && (u.isXPower() || u.m_kind == COMPOUND) && divideIntoDenominator(u)) return true;
    if (isSum() && u.isSum() && termText() == u.termText()) {
        becomeNumber(1.0);
        return true;
    }
    return false;
}

bool PolynomTerm::divideXPowers(PolynomTerm& u) {
    const double e1 = exponentValue();
    const double e2 = u.exponentValue();
    const std::wstring difference = ExpressionText::numberText(e1 - e2);
    if (e1 >= e2 || difference == L"0") {
        if (u.m_value == 0.0) return false;
        const double coefficient = m_value / u.m_value;
        if (difference == L"0") {
            becomeNumber(coefficient);
        } else {
            m_value = coefficient;
            m_exponent = difference;
        }
        return true;
    }
    // The higher power stays in the denominator: c1 / (c2*x^(e2-e1)).
    u.m_exponent = ExpressionText::numberText(e2 - e1);
    becomeNumber(m_value);
    return false;
}

bool PolynomTerm::divideNumbers(PolynomTerm& u) {
    double a = m_value;
    double b = u.m_value;
    // A zero divisor is left as the fraction the user wrote.
    if (b == 0.0 || !std::isfinite(a) || !std::isfinite(b)) return false;
    if (std::fmod(a, b) == 0.0) {
        becomeNumber(a / b);
        return true;
    }
    // Halving ends: a finite non-zero number stops being even after at most
    // about 1100 halvings.
    for (int i = 0; i < 2200 && isWhole(a / 2.0) && isWhole(b / 2.0); ++i) {
        a /= 2.0;
        b /= 2.0;
    }
    m_value = a;
    u.m_value = b;
    const double quotient = a / b;
    if (!std::isfinite(quotient) || ExpressionText::numberText(quotient).size() >= s_short_quotient)
        return false;
    becomeNumber(quotient);
    return true;
}

bool PolynomTerm::divideXPowerByNumberShort(const PolynomTerm& u) {
    if (u.m_value == 0.0) return false;
    const double quotient = m_value / u.m_value;
    if (!std::isfinite(quotient) || ExpressionText::numberText(quotient).size() >= s_short_quotient)
        return false;
    m_value = quotient;
    return true;
}

void PolynomTerm::cancelNumberByXPower(PolynomTerm& u) {
    const double n = m_value;
    const double c = u.m_value;
    if (n == 0.0 || c == 0.0 || !std::isfinite(n) || !std::isfinite(c)) return;
    if (std::fmod(n, c) == 0.0) {
        m_value = n / c;
        u.m_value = 1.0;
    } else if (std::fmod(c, n) == 0.0) {
        m_value = 1.0;
        u.m_value = c / n;
    }
}

bool PolynomTerm::divideFunctions(PolynomTerm& u) {
    if (m_argument->termText() != u.m_argument->termText()) return false;
    const std::wstring quotientName = m_name == L"sin" && u.m_name == L"cos"   ? L"tan"
                                      : m_name == L"cos" && u.m_name == L"sin" ? L"cot"
                                                                               : L"";
    if (!quotientName.empty()) {
        if (u.m_value == 0.0) return false;
        m_name = quotientName;
        m_value /= u.m_value;
        return true;
    }
    if (m_name == u.m_name) {
        // f(a)/f(a): the fraction of the coefficients remains.
        becomeNumber(m_value);
        u.becomeNumber(u.m_value);
    }
    return false;
}

bool PolynomTerm::divideXPowerByNumberExact(const PolynomTerm& u) {
    if (u.m_value == 0.0 || std::fmod(m_value, u.m_value) != 0.0) return false;
    m_value /= u.m_value;
    return true;
}

bool PolynomTerm::polynomialCoefficients(std::vector<double>& coefficients) const {
    coefficients.assign(s_max_division_degree + 1, 0.0);
    const auto read = [&coefficients](const PolynomTerm& s) {
        if (s.isNumber()) {
            coefficients[0] += s.m_value;
            return true;
        }
        if (!s.hasNumericExponent()) return false;
        const double e = s.exponentValue();
        if (!isWhole(e) || e < 0.0 || e > s_max_division_degree) return false;
        coefficients[static_cast<std::size_t>(e)] += s.m_value;
        return true;
    };
    if (isSum())
        return std::all_of(m_summands.begin(), m_summands.end(),
                           [&read](const std::unique_ptr<PolynomTerm>& s) { return read(*s); });
    return read(*this);
}

bool PolynomTerm::divideByLinear(const PolynomTerm& u) {
    std::vector<double> p;
    std::vector<double> d;
    if (!polynomialCoefficients(p) || !u.polynomialCoefficients(d)) return false;
    if (std::any_of(d.begin() + 2, d.end(), [](double c) { return c != 0.0; })) return false;
    const double a = d[1];
    const double b = d[0];
    if (a == 0.0 || !std::isfinite(a) || !std::isfinite(b)) return false;
    int n = s_max_division_degree;
    while (n > 0 && p[static_cast<std::size_t>(n)] == 0.0)
        --n;
    if (n < 1) return false;

    // Synthetic division by x - r. The remainder counts as zero when it is
    // within rounding of the size of the terms summed to get it.
    const double r = -b / a;
    std::vector<double> q(static_cast<std::size_t>(n));
    q[static_cast<std::size_t>(n - 1)] = p[static_cast<std::size_t>(n)];
    for (int k = n - 1; k >= 1; --k)
        q[static_cast<std::size_t>(k - 1)] =
            p[static_cast<std::size_t>(k)] + r * q[static_cast<std::size_t>(k)];
    const double remainder = p[0] + r * q[0];
    double size = 0.0;
    for (int k = n; k >= 0; --k)
        size = size * std::fabs(r) + std::fabs(p[static_cast<std::size_t>(k)]);
    if (!(std::fabs(remainder) <= 1e-12 * size)) return false;

    Summands quotient;
    for (int k = n - 1; k >= 0; --k) {
        const double c = q[static_cast<std::size_t>(k)];
        if (c == 0.0) continue;
        const std::wstring power = six(c) + L"*x^(" + wholeText(k) + L")";
        const std::wstring text = a == 1.0 ? power : L"(" + power + L")/" + six(a);
        quotient.push_back(fromToken(text));
    }
    becomeSum(std::move(quotient));
    return true;
}

bool PolynomTerm::divideByX(const PolynomTerm& u) {
    if (u.m_exponent != L"1" || u.m_value == 0.0) return false;
    std::vector<double> unused;
    if (!polynomialCoefficients(unused)) return false;
    const double c = u.m_value;
    Summands parts;
    for (const auto& summand : m_summands) {
        std::wstring text;
        if (summand->isNumber())
            text = six(summand->m_value) + (c == 1.0 ? L"/x" : L"/(" + six(c) + L"*x)");
        else
            text =
                L"(" + six(summand->m_value) + L"*x^" + six(summand->exponentValue() - 1.0) + L")/" + six(c);
        parts.push_back(fromToken(text));
    }
    becomeSum(std::move(parts));
    return true;
}

bool PolynomTerm::divideIntoDenominator(const PolynomTerm& u) {
    const bool done = m_right->multiply(u);
    refreshDepth();
    return done;
}

// --- Text -----------------------------------------------------------------------

std::wstring PolynomTerm::text() const {
    std::wstring text = termText();
    cleanUp(text);
    return text;
}

std::wstring PolynomTerm::termText() const {
    switch (m_kind) {
    case NUMBER:
        return ExpressionText::numberText(m_value);
    case XPOWER:
        return xPowerText();
    case SYMBOL:
        return m_name;
    case FUNCTION:
        return functionText();
    case COMPOUND:
        return ExpressionText::joinOperands(m_operator, m_left->termText(), m_left->textOperator(),
                                            m_right->termText(), m_right->textOperator());
    case SUM:
        return sumText();
    }
    return std::wstring();
}

wchar_t PolynomTerm::textOperator() const {
    switch (m_kind) {
    case XPOWER:
        if (m_value == 0.0 || m_exponent == L"0") return L' ';
        if (m_value == 1.0) return m_exponent == L"1" ? L' ' : L'^';
        return L'*'; // "c*x^e", and "-x" which reads as -1*x
    case SYMBOL:
        return ExpressionText::topLevelOperator(m_name);
    case FUNCTION:
        return m_value == 1.0 ? L' ' : L'*';
    case COMPOUND:
        return m_operator;
    case SUM:
        return m_summands.size() == 1 ? m_summands[0]->textOperator() : L'+';
    default:
        return L' ';
    }
}

std::wstring PolynomTerm::xPowerText() const {
    // A vanished x-power is left out of a sum; alone it is the number 0.
    if (m_value == 0.0) return L"0";
    if (m_exponent == L"0") return ExpressionText::numberText(m_value);
    std::wstring text = m_value == 1.0    ? L"x"
                        : m_value == -1.0 ? L"-x"
                                          : ExpressionText::numberText(m_value) + L"*x";
    if (m_exponent != L"1") {
        text += L'^';
        text += IExpression::isNumber(m_exponent) ? m_exponent : L"(" + m_exponent + L")";
    }
    return text;
}

std::wstring PolynomTerm::functionText() const {
    std::wstring text = m_value == 1.0 ? std::wstring() : ExpressionText::numberText(m_value) + L"*";
    return text + m_name + L"(" + m_argument->termText() + L")";
}

std::wstring PolynomTerm::sumText() const {
    // Powers of x from x^10 down to x, then the numbers, then the rest as added.
    std::vector<const PolynomTerm*> ordered;
    std::vector<bool> placed(m_summands.size(), false);
    const auto place = [&](const auto& belongs) {
        for (std::size_t i = 0; i < m_summands.size(); ++i) {
            if (!placed[i] && belongs(*m_summands[i])) {
                placed[i] = true;
                ordered.push_back(m_summands[i].get());
            }
        }
    };
    for (int n = 10; n >= 1; --n)
        place([n](const PolynomTerm& s) { return s.hasNumericExponent() && s.exponentValue() == n; });
    place([](const PolynomTerm& s) { return s.isNumber(); });
    place([](const PolynomTerm&) { return true; });

    std::wstring text;
    for (const PolynomTerm* summand : ordered) {
        if (summand->isXPower() && summand->m_value == 0.0) continue;
        const std::wstring piece = summand->termText();
        // Every piece that does not bring its own minus gets a plus.
        if (!text.empty() && (piece.empty() || piece[0] != L'-')) text += L'+';
        text += piece;
    }
    return text.empty() ? L"0" : text;
}

// --- Clean-up -------------------------------------------------------------------

namespace {

// Removes the parentheses around a whole number after an opening parenthesis
// or an operator: "((2)" -> "(2", "*(2)" -> "*2", "+(-3)" -> "-3", "-(-3)" -> "+3".
// Replaces pattern except where a "^" follows it: there the parentheses hold
// a negative base, and folding its sign into the operator before it would
// change the value ("1+(-2)^y" is not "1-2^y").
void replaceUnlessBase(std::wstring& text, const std::wstring& pattern, const std::wstring& replacement) {
    std::wstring result;
    std::size_t from = 0;
    for (std::size_t at = text.find(pattern); at != std::wstring::npos; at = text.find(pattern, from)) {
        const std::size_t after = at + pattern.size();
        const bool base = after < text.size() && text[after] == L'^';
        result.append(text, from, at - from);
        result += base ? pattern : replacement;
        from = after;
    }
    result.append(text, from, std::wstring::npos);
    text.swap(result);
}

// Removes the parentheses around a whole number after an opening parenthesis
// or an operator: "((2)" -> "(2", "*(2)" -> "*2", "+(-3)" -> "-3", "-(-3)" -> "+3".
void unwrapWholeNumber(std::wstring& text, int value) {
    const std::wstring number = wholeText(value);
    const std::wstring wrapped = L"(" + number + L")";
    if (text.find(wrapped) == std::wstring::npos) return;
    static const wchar_t prefixes[] = L"(+-*/^";
    for (const wchar_t* p = prefixes; *p; ++p) {
        const std::wstring pattern = std::wstring(1, *p) + wrapped;
        if (value < 0 && *p == L'+')
            replaceUnlessBase(text, pattern, number);
        else if (value < 0 && *p == L'-')
            replaceUnlessBase(text, pattern, L"+" + wholeText(-value));
        else
            ExpressionText::replaceAll(text, pattern, std::wstring(1, *p) + number);
    }
}

// "((a))" -> "(a)" wherever the inner pair closes right before the outer one.
void collapseDoubledParentheses(std::wstring& text) {
    if (text.find(L"((") == std::wstring::npos) return;
    std::vector<int> closing(text.size(), -1);
    std::vector<int> open;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'(') {
            open.push_back(static_cast<int>(i));
        } else if (text[i] == L')' && !open.empty()) {
            closing[static_cast<std::size_t>(open.back())] = static_cast<int>(i);
            open.pop_back();
        }
    }
    std::vector<bool> drop(text.size(), false);
    for (std::size_t k = 0; k + 1 < text.size(); ++k) {
        const int outer = closing[k];
        const int inner = closing[k + 1];
        if (text[k] == L'(' && text[k + 1] == L'(' && inner >= 0 && outer == inner + 1) {
            drop[k + 1] = true;
            drop[static_cast<std::size_t>(inner)] = true;
        }
    }
    std::wstring result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!drop[i]) result += text[i];
    text.swap(result);
}

} // namespace

void PolynomTerm::cleanUp(std::wstring& text) {
    for (int i = 1; i <= 99; ++i)
        unwrapWholeNumber(text, i);
    for (int a = -100; a <= -1; ++a)
        unwrapWholeNumber(text, a);

    const auto unwrapLeading = [&text](int value) {
        const std::wstring wrapped = L"(" + wholeText(value) + L")";
        if (text.compare(0, wrapped.size(), wrapped) != 0) return false;
        text = wholeText(value) + text.substr(wrapped.size());
        return true;
    };
    bool unwrapped = false;
    for (int i = 1; i <= 99 && !unwrapped; ++i)
        unwrapped = unwrapLeading(i);
    for (int a = -100; a <= -1 && !unwrapped; ++a)
        unwrapped = unwrapLeading(a);

    collapseDoubledParentheses(text);
    ExpressionText::replaceAll(text, L"(e)^(x)", L"e^x");
}
