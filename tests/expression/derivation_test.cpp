#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"
#include "IExpressionHolder.h"

namespace {

using engine_test::codeOf;
using engine_test::EngineTest;
using engine_test::parse;

std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

std::wstring derivativeOf(const std::wstring& formula) {
    return parse(formula)->derivate();
}

struct DerivativeText {
    const wchar_t* formula;
    const wchar_t* derivative;
};

void PrintTo(const DerivativeText& c, std::ostream* os) {
    *os << narrow(c.formula);
}

class DerivativeTexts : public ::testing::TestWithParam<DerivativeText> {};

TEST_P(DerivativeTexts, AreWrittenByTheRules) {
    EXPECT_EQ(derivativeOf(GetParam().formula), GetParam().derivative);
}

const DerivativeText s_texts[] = {
    {L"x^3", L"1*(3)*(x)^(3-1)"},
    {L"2*x", L"(1)*(2)"},
    {L"x*2", L"(1)*(2)"},
    {L"x+5", L"1"},
    {L"5+x", L"1"},
    {L"7", L"0"},
    {L"y", L"0"},
    {L"x-x", L"1-1*((1)*(1))"},
    {L"e^x", L"e^x"},
    {L"e^-x", L"(e)^(-1*x)*ln(e)*((1)*(-1))"},
    {L"x^x", L"(x)^(x)*((1)*ln(x)+(x)*((1)/(x)))"},
    {L"(x+1)^2", L"(2)*(x+1)^(2-1)*(1)"},
    {L"2^x", L"(2)^(x)*ln(2)*(1)"},
    {L"2^3", L"0"},
    {L"1/x", L"(-(1)*(1))/((x)^2)"},
    {L"x/2", L"((1)*(2)-)/((2)^2)"},
    {L"sin(x)", L"(1)*cos(x)"},
    {L"sin(x^2)", L"(1*(2)*(x)^(2-1))*cos(x^2)"},
    {L"sin(5)", L"0"},
    {L"cos(x)", L"-1*(1)*sin(x)"},
    {L"ln(x)", L"((1)/(x))"},
    {L"sqr(x)", L"(1)/(2*sqr(x))"},
    {L"(x+1)!", L"invalid"},
    {L"x*binom(5,2)", L"invalid"},
    {L"x*sumx()", L"invalid"},
};
INSTANTIATE_TEST_SUITE_P(Rules, DerivativeTexts, ::testing::ValuesIn(s_texts));

class DerivationFailures : public EngineTest {};

TEST_F(DerivationFailures, RaiseOnlyWithRaisedErrors) {
    IExpression::s_withex = true;
    for (const wchar_t* formula : {L"mod(x,2)", L"x!", L"abs(x)", L"x*mod(x,2)"})
        EXPECT_EQ(codeOf([&] { derivativeOf(formula); }), ErrorCode::CANNOT_DERIVE) << narrow(formula);
    IExpression::s_withex = false;
    EXPECT_EQ(derivativeOf(L"x!"), L"0");
    EXPECT_EQ(derivativeOf(L"abs(x)"), L"");
    EXPECT_EQ(derivativeOf(L"mod(x,2)"), L"");
}

TEST_F(DerivationFailures, DoNotHideInsideLargerFormulas) {
    // Without raised errors an argument or operand that cannot be derived
    // makes the whole derivative fail, instead of reading as "()" = 0.
    for (const wchar_t* formula : {L"x*abs(x)", L"sin(abs(x))", L"abs(x)+x^2", L"sin(mod(x,2))"})
        EXPECT_EQ(derivativeOf(formula), L"invalid") << narrow(formula);
}

// Symbolic derivatives against central differences of the same formula.
struct NumericCase {
    const wchar_t* formula;
    double x;
};

void PrintTo(const NumericCase& c, std::ostream* os) {
    *os << narrow(c.formula) << " at " << c.x;
}

double centralDifference(IExpression& f, double x, double y) {
    const double h = 1e-5 * std::max(1.0, std::fabs(x));
    return (f.calculate(x + h, y) - f.calculate(x - h, y)) / (2.0 * h);
}

void expectNear(double symbolic, double numeric, const std::wstring& text) {
    EXPECT_NEAR(symbolic, numeric, 1e-5 * std::max(1.0, std::fabs(numeric))) << narrow(text);
}

class NumericDerivatives : public ::testing::TestWithParam<NumericCase> {};

TEST_P(NumericDerivatives, MatchCentralDifferences) {
    const NumericCase& c = GetParam();
    const double y = 0.7;
    auto f = parse(c.formula);
    const std::wstring derivative = f->derivate();
    ASSERT_NE(derivative, L"invalid");
    auto df = parse(derivative);
    expectNear(df->calculate(c.x, y), centralDifference(*f, c.x, y), derivative);

    // The simplified derivative, as the function calculator shows it, has the same value.
    IExpressionHolder holder(IExpression::parseExpression(derivative, true));
    std::wstring simplified = derivative;
    for (int pass = 0; pass < 3; ++pass) {
        holder.setExpression(IExpression::parseExpression(simplified, true));
        simplified = holder.toSimplifiedString();
    }
    expectNear(parse(simplified)->calculate(c.x, y), df->calculate(c.x, y), simplified);
}

const NumericCase s_numeric[] = {
    {L"x^3", 1.3},
    {L"3*x^2-2*x+1", 0.4},
    {L"x*x*x", -0.8},
    {L"(x^2+1)^3", 0.6},
    {L"1/x", 1.7},
    {L"x^-2", 1.2},
    {L"x^0.5", 2.1},
    {L"x/(x+1)", 0.3},
    {L"(x+1)/(x-2)", 0.5},
    {L"(x^2-1)/(x-1)", 0.25},
    {L"e^x", 0.9},
    {L"e^(2*x)", 0.3},
    {L"e^-x", 0.4},
    {L"x^x", 1.4},
    {L"2^x", 0.7},
    {L"(x+1)^(x-1)", 0.8},
    {L"sqr(x)", 2.5},
    {L"ln(x)", 0.6},
    {L"ln(x^2+1)", -0.7},
    {L"lg(x)", 3.0},
    {L"sin(x)", 0.5},
    {L"cos(x)", 0.5},
    {L"tan(x)", 0.3},
    {L"cot(x)", 0.9},
    {L"sin(x^2)", 1.1},
    {L"sin(x)*cos(x)", 0.6},
    {L"sin(x)^2", 0.6},
    {L"sin(x)/cos(x)", 0.2},
    {L"sinh(x)", 0.5},
    {L"cosh(x)", 0.5},
    {L"tanh(x)", 0.5},
    {L"coth(x)", 0.5},
    {L"arcsin(x/2)", 0.5},
    {L"arccos(x/2)", 0.5},
    {L"arctan(x)", 0.5},
    {L"arccot(x)", 0.5},
    {L"arcsinh(x)", 0.5},
    {L"arccosh(x+2)", 0.5},
    {L"arctanh(x/2)", 0.5},
    {L"arccoth(x+2)", 0.5},
    {L"x*y+y^2", 0.5},
    {L"pi*x-e", 0.5},
    {L"2*sin(3*x+1)-x", 0.2},
    {L"x*ln(x)-x", 1.9},
    {L"sqr(1-x^2)", 0.3},
};
INSTANTIATE_TEST_SUITE_P(Formulas, NumericDerivatives, ::testing::ValuesIn(s_numeric));

} // namespace
