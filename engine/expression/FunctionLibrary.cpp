// The real-valued functions of the normal mode. A name resolves once to the
// function it computes (longer names are tested before their prefixes), so
// that evaluating a tree does no text work.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "EngineRandom.h"
#include "IExpression.h"

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double EULER = 2.718281828459045;
constexpr double HALF_PI = 1.5707963267948966;

// A domain failure gives NaN, and raises its code only while errors are raised.
double fail(std::uint32_t code) {
    if (IExpression::s_withex) raiseEngineError(code);
    return NaN;
}

bool isWhole(double v) { return std::fmod(v, 1.0) == 0.0; }

bool inDegrees() { return IExpression::s_mode == CalculatorModes::DEG; }

// Results of the plain circular and hyperbolic functions this close to zero are zero.
double flushTiny(double v) {
    static const double limit = std::pow(10.0, -15.0);
    return (v > -limit && v < limit) ? 0.0 : v;
}

double fnSinh(double x) { return flushTiny(std::sinh(x)); }
double fnSin(double x) { return inDegrees() && std::fmod(x, 180.0) == 0.0 ? 0.0 : flushTiny(std::sin(x)); }
double fnCosh(double x) { return flushTiny(std::cosh(x)); }
double fnCos(double x) { return inDegrees() && std::fmod(x - 90.0, 180.0) == 0.0 ? 0.0 : flushTiny(std::cos(x)); }
double fnTanh(double x) { return flushTiny(std::tanh(x)); }
double fnTan(double x) {
    if (inDegrees() && std::fmod(x - 90.0, 180.0) == 0.0) return fail(FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO);
    return flushTiny(std::tan(x));
}
double fnCoth(double x) {
    double e = std::pow(EULER, 2.0 * x);
    return (e + 1.0) / (e - 1.0);
}
double fnCot(double x) {
    double s = std::sin(x);
    if (s == 0.0) return fail(FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO);
    return std::cos(x) / s;
}
double fnArcsinh(double x) {
    double arg = x + std::sqrt(x * x + 1.0);
    if (arg < 0.0) return fail(ErrorCode::LOG_DOMAIN);
    return std::log(arg);
}
double fnArcsin(double x) {
    if (x < -1.0 || x > 1.0) return fail(ErrorCode::ARCSIN_DOMAIN);
    return IExpression::rad2output(std::asin(x));
}
double fnArccosh(double x) {
    if (!(x >= 1.0)) return fail(ErrorCode::ARCCOSH_DOMAIN);
    return std::log(x + std::sqrt(x * x - 1.0));
}
double fnArccos(double x) {
    if (x < -1.0 || x > 1.0) return fail(ErrorCode::ARCCOS_DOMAIN);
    return IExpression::rad2output(std::acos(x));
}
double fnArctanh(double x) {
    if (!(x > -1.0 && x < 1.0)) return fail(ErrorCode::ARCTANH_DOMAIN);
    return 0.5 * std::log((1.0 + x) / (1.0 - x));
}
double fnArctan(double x) { return IExpression::rad2output(std::atan(x)); }
double fnArccoth(double x) {
    if (!(x < -1.0 || x > 1.0)) return fail(ErrorCode::ARCCOTH_DOMAIN);
    return 0.5 * std::log((x + 1.0) / (x - 1.0));
}
double fnArccot(double x) { return IExpression::rad2output(HALF_PI - std::atan(x)); }
double fnLg(double x) { return std::log10(x); }
double fnLn(double x) { return std::log(x); }
double fnSqr(double x) { return std::sqrt(x); }
double fnAbs(double x) { return x < 0.0 ? -x : x; }
double fnSign(double x) { return x < 0.0 ? -1.0 : 1.0; }
double fnRand(double) { return static_cast<double>(EngineRandom::draw()); }
// 1 + 2 + ... + x in closed form: the same value as adding term by term for
// every whole x up to 2^53, without a loop that a huge x could make endless.
double fnSum(double x) {
    if (x == 0.0) return 0.0;
    if (x < 0.0 || !isWhole(x)) return fail(ErrorCode::SUM_DOMAIN);
    return x * (x + 1.0) / 2.0;
}
double fnInt(double x) { return std::trunc(x); }
double fnFrac(double x) { return x - std::trunc(x); }
double fnLastxval(double) { return IExpression::s_lastresult; }
double fnInvalid(double) { return fail(ErrorCode::INVALID_INPUT); }

// n! / ((n-k)! k!) for naturals, with k = 0 giving 1. Where the factorials
// overflow (n above 170) the product form keeps the result finite as long as it is.
double fnBinom(double n, double k) {
    if (!isWhole(n) || !isWhole(k) || n < 1.0 || k < 0.0) return fail(ErrorCode::BINOM_NATURAL);
    if (k > n) return fail(ErrorCode::BINOM_ORDER);
    if (k == n || k == 0.0) return 1.0;
    if (n <= 170.0)
        return IExpression::calculateFaculty(n) /
               (IExpression::calculateFaculty(n - k) * IExpression::calculateFaculty(k));
    double m = std::min(k, n - k);
    double result = 1.0;
    for (double i = 1.0; i <= m && std::isfinite(result); i += 1.0) result = result * (n - m + i) / i;
    return result;
}
double fnMod(double a, double b) { return std::fmod(a, b); }
double fnImod(double a, double b) { return (a - std::fmod(a, b)) / b; }
double fnGcd(double a, double b) {
    if (!isWhole(a) || !isWhole(b)) return fail(ErrorCode::INVALID_INPUT);
    return IExpression::calculateEulerGCD(a, b);
}
double fnInvalid2(double, double) { return fail(ErrorCode::INVALID_INPUT); }

template <typename Fn>
struct NamedFunction {
    std::wstring_view prefix;
    Fn fn;
};

// Matched by prefix in this order: each hyperbolic name before its circular
// prefix, each inverse hyperbolic name before its inverse circular prefix.
const NamedFunction<IExpression::RealFunction1> s_one_argument[] = {
    {L"sinh", fnSinh},       {L"sin", fnSin},         {L"cosh", fnCosh},     {L"cos", fnCos},
    {L"tanh", fnTanh},       {L"tan", fnTan},         {L"coth", fnCoth},     {L"cot", fnCot},
    {L"arcsinh", fnArcsinh}, {L"arcsin", fnArcsin},   {L"arccosh", fnArccosh}, {L"arccos", fnArccos},
    {L"arctanh", fnArctanh}, {L"arctan", fnArctan},   {L"arccoth", fnArccoth}, {L"arccot", fnArccot},
    {L"lg", fnLg},           {L"ln", fnLn},           {L"sqr", fnSqr},       {L"abs", fnAbs},
    {L"sign", fnSign},       {L"rand", fnRand},       {L"sum", fnSum},       {L"int", fnInt},
    {L"frac", fnFrac},       {L"lastxval", fnLastxval},
};

const NamedFunction<IExpression::RealFunction2> s_two_arguments[] = {
    {L"binom", fnBinom}, {L"mod", fnMod}, {L"imod", fnImod}, {L"gcd", fnGcd}};

template <typename Fn, std::size_t N>
Fn resolveByPrefix(const NamedFunction<Fn> (&table)[N], const std::wstring& name, Fn fallback) {
    for (const auto& entry : table)
        if (std::wstring_view(name).substr(0, entry.prefix.size()) == entry.prefix) return entry.fn;
    return fallback;
}
} // namespace

IExpression::RealFunction1 IExpression::resolveFunction(const std::wstring& name) {
    return resolveByPrefix(s_one_argument, name, &fnInvalid);
}

IExpression::RealFunction2 IExpression::resolveFunction2(const std::wstring& name) {
    return resolveByPrefix(s_two_arguments, name, &fnInvalid2);
}

double IExpression::calculateFunction(const std::wstring& name, double x) { return resolveFunction(name)(x); }

double IExpression::calculateFunction(const std::wstring& name, double a, double b) {
    return resolveFunction2(name)(a, b);
}

// The product stops growing once it is infinite (from 171 on), so a huge n
// costs no more than 171 steps.
double IExpression::calculateFaculty(double n) {
    if (!(n >= 0.0) || !isWhole(n)) return fail(ErrorCode::FACULTY);
    double result = 1.0;
    for (double i = 2.0; i <= n && std::isfinite(result); i += 1.0) result *= i;
    return result;
}

// Euclid's algorithm. The remainder form gives the same result as repeated
// subtraction in a number of steps logarithmic in the arguments; a zero
// argument gives the other one.
double IExpression::calculateEulerGCD(double a, double b) {
    a = std::fabs(a);
    b = std::fabs(b);
    if (!std::isfinite(a) || !std::isfinite(b)) return NaN;
    while (b != 0.0) {
        double r = std::fmod(a, b);
        a = b;
        b = r;
    }
    return a;
}
