#include "Formulas.h"

#include <cmath>
#include <string>
#include <vector>

namespace {
double fIdentity(double x) {
    return x;
}
double fQuadratic(double x) {
    return x * x + 3 * x + 1;
}
double fPythagoras(double x) {
    const double s = std::sin(x);
    const double c = std::cos(x);
    return s * s + c * c;
}
double fBell(double x) {
    return std::sqrt(std::fabs(x)) * std::exp(-x * x);
}
double fRational(double x) {
    return (x * x * x - 2 * x) / (x * x + 1);
}
double fTrigonometric(double x) {
    return std::sin(x) * std::cos(2 * x) + std::tan(x / 3);
}
double fLogarithms(double x) {
    return std::log(std::fabs(x) + 1) + std::log10(std::fabs(x) + 1);
}
double fNested(double x) {
    return ((((x + 1) * 2 - 3) / 4 + 5) * 6 - 7) / 8;
}

// muparser writes e as "_e", sqr as "sqrt", lg as "log10"; the exponent is
// parenthesised so that its own sign rules do not matter.
const BenchFormula s_formulas[] = {
    {L"x", "x", fIdentity},
    {L"x^2+3*x+1", "x^2+3*x+1", fQuadratic},
    {L"sin(x)^2+cos(x)^2", "sin(x)^2+cos(x)^2", fPythagoras},
    {L"sqr(abs(x))*e^(-x^2)", "sqrt(abs(x))*_e^(-(x^2))", fBell},
    {L"(x^3-2*x)/(x^2+1)", "(x^3-2*x)/(x^2+1)", fRational},
    {L"sin(x)*cos(2*x)+tan(x/3)", "sin(x)*cos(2*x)+tan(x/3)", fTrigonometric},
    {L"ln(abs(x)+1)+lg(abs(x)+1)", "ln(abs(x)+1)+log10(abs(x)+1)", fLogarithms},
    {L"((((x+1)*2-3)/4+5)*6-7)/8", "((((x+1)*2-3)/4+5)*6-7)/8", fNested},
};

std::vector<double> makeSamples() {
    constexpr int count = 1001;
    std::vector<double> xs;
    xs.reserve(count);
    for (int i = 0; i < count; ++i)
        xs.push_back(-5.0 + 10.0 * i / (count - 1));
    return xs;
}
} // namespace

std::span<const BenchFormula> benchFormulas() {
    return s_formulas;
}

std::span<const double> plotSamples() {
    static const std::vector<double> s_samples = makeSamples();
    return s_samples;
}

std::string narrow(const wchar_t* text) {
    std::string out;
    for (; *text; ++text)
        out.push_back(static_cast<char>(*text));
    return out;
}
