#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"
#include "IExpressionHolder.h"

namespace {

using engine_test::EngineTest;
using engine_test::parse;

std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// One simplification pass: parse, then the holder's simplified text.
std::wstring simplified(const std::wstring& formula) {
    IExpressionHolder holder(IExpression::parseExpression(formula, true));
    return holder.toSimplifiedString();
}

struct TextCase {
    const wchar_t* formula;
    const wchar_t* text;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << narrow(c.formula);
}

class NodeText : public ::testing::TestWithParam<TextCase> {};

TEST_P(NodeText, UsesFewestParentheses) {
    // Without the pre-translation, so that "-(" is not turned into "-1*(".
    EXPECT_EQ(parse(GetParam().formula, false)->toString(0), GetParam().text);
}

const TextCase s_node_texts[] = {
    {L"x*(y+1)", L"x*(y+1)"},   {L"(x+1)*(x-1)", L"(x+1)*(x-1)"},
    {L"2^(x+1)", L"2^(x+1)"},   {L"x-(a-b)", L"x-(a-b)"},
    {L"x/(a*b)", L"x/(a*b)"},   {L"3*x^2+2*x+1", L"3*(x^2)+2*x+1"},
    {L"((x))", L"x"},           {L"2.500*x", L"2.5*x"},
    {L"3.0+x", L"3+x"},         {L"sin(x+1)^2", L"sin(x+1)^2"},
    {L"(x+1)!", L"(x+1)!"},     {L"5!*x", L"5!*x"},
    {L"mod(x,2)", L"mod(x,2)"}, {L"rand()", L"rand()"},
    {L"(-2)^x", L"(-2)^x"},
};
INSTANTIATE_TEST_SUITE_P(Formulas, NodeText, ::testing::ValuesIn(s_node_texts));

class SimplifiedText : public ::testing::TestWithParam<TextCase> {};

TEST_P(SimplifiedText, IsTheTermTextTidied) {
    EXPECT_EQ(simplified(GetParam().formula), GetParam().text);
}

const TextCase s_simplified[] = {
    {L"2*x+3*x", L"5x"},
    {L"x*x", L"x^2"},
    {L"(x+1)^2", L"x^2+2x+1"},
    {L"x^3/x", L"x^2"},
    {L"sin(x)/cos(x)", L"tan(x)"},
    {L"x-(-5)", L"x+5"},
    {L"6/4", L"1.5"},
    {L"1/3", L"1/3"},
    {L"3*sin(x)", L"3*sin(x)"},
    {L"-x+2", L"-x+2"},
    {L"x*1", L"x"},
    {L"ln(e)", L"1"},
    {L"ln(e)*x", L"x"},
    {L"(x^2-1)/(x-1)", L"1.000000x^1+1.000000x^(0)"},
    {L"(x+1)!*2", L"(x+1)!*2"},
    {L"mod(x,2)+x", L"x+mod(x,2)"},
    {L"rand()*0+1", L"1+rand()*0"},
};
INSTANTIATE_TEST_SUITE_P(Formulas, SimplifiedText, ::testing::ValuesIn(s_simplified));

// Three passes, as the simplify operation runs them, never change the value.
class SimplifyKeepsValue : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(SimplifyKeepsValue, AtSeveralPoints) {
    std::wstring text = GetParam();
    for (int pass = 0; pass < 3; ++pass)
        text = simplified(text);
    auto original = parse(GetParam());
    auto result = parse(text);
    for (double x : {-1.7, -0.3, 0.6, 2.2}) {
        const double expected = original->calculate(x, 0.8);
        if (!std::isfinite(expected)) continue;
        EXPECT_NEAR(result->calculate(x, 0.8), expected, 1e-6 * std::max(1.0, std::fabs(expected)))
            << narrow(text) << " at " << x;
    }
}

const wchar_t* const s_keeps_value[] = {
    L"(x+1)^3-(x-1)^3", L"(x^2+2*x+1)/(x+1)",
    L"(x^3-8)/(x-2)",   L"(2*x^2-8)/(2*x-4)",
    L"(x^2+3*x)/x",     L"(x^2+3)/(2*x)",
    L"x/x^3+x^3/x",     L"(2*x)/(4*x^3)",
    L"6/(3*x)-2/(4*x)", L"y*x-x*y+y^2",
    L"(x+y)^2-(x-y)^2", L"1-(-2)^x",
    L"x-(-2)^2",        L"sin(x)*3-sin(x)*2+cos(x)/sin(x)",
    L"e^-x*e^x",        L"(x^0.5)^2+x^2^0.5",
    L"2^x*2^x",         L"(1/3)*x+(2/3)*x",
    L"x^2/(x-x+1)",     L"(x+1)*(x+2)*(x+3)*(x+4)/(x+4)",
    L"-(x-1)^2+x^2",    L"x/2/3/4",
    L"x^-1*x^3-x^2",    L"5*(x+y)-5*x",
};
INSTANTIATE_TEST_SUITE_P(Formulas, SimplifyKeepsValue, ::testing::ValuesIn(s_keeps_value));

class ConstantAngles : public EngineTest {};

TEST_F(ConstantAngles, AreWrittenInTheAngleUnit) {
    // The parser converts "30" degrees to radians; writing and simplifying
    // must give back the degrees, or the next parse converts them again.
    IExpression::s_mode = CalculatorModes::DEG;
    EXPECT_EQ(parse(L"sin(30)+x")->toString(0), L"sin(30)+x");
    EXPECT_EQ(simplified(L"sin(30)+x"), L"x+sin(30)");
    std::wstring text = L"2*cos(60)*x";
    for (int pass = 0; pass < 3; ++pass)
        text = simplified(text);
    EXPECT_NEAR(parse(text)->calculate(1.0, 0.0), 1.0, 1e-9) << narrow(text);
    IExpression::s_mode = CalculatorModes::RAD;
    EXPECT_EQ(parse(L"sin(0.5)+x")->toString(0), L"sin(0.5)+x");
}

struct CoefficientCase {
    const wchar_t* formula;
    double number;
    double x1;
    double x2;
};

TEST(PolynomialRoutines, ReadCoefficientsOfOperatorNodes) {
    const CoefficientCase cases[] = {
        {L"3*x^2+2*x+1", 1.0, 2.0, 3.0}, {L"x^2-1", -1.0, 0.0, 1.0}, {L"5-x", 5.0, -1.0, 0.0},
        {L"x^2-(x+3)", -3.0, -1.0, 1.0}, {L"2*x", 0.0, 2.0, 0.0},
    };
    for (const CoefficientCase& c : cases) {
        auto tree = parse(c.formula, false);
        EXPECT_DOUBLE_EQ(tree->getNumber(), c.number) << narrow(c.formula);
        EXPECT_DOUBLE_EQ(tree->getXHoch(1), c.x1) << narrow(c.formula);
        EXPECT_DOUBLE_EQ(tree->getXHoch(2), c.x2) << narrow(c.formula);
    }
}

TEST(PolynomialRoutines, DivideOperatorNodes) {
    const TextCase cases[] = {
        {L"x^2-1", L"+1.000000*x^1+1.000000*x^0+()/(x-1)"},
        {L"x^3+2*x", L"+1.000000*x^2+1.000000*x^1+3.000000*x^0+(+3.000000*x^0)/(x-1)"},
    };
    auto divisor = parse(L"x-1");
    for (const TextCase& c : cases)
        EXPECT_EQ(parse(c.formula)->polynomdivision(divisor.get()), c.text);
    // A divisor that is a single value is read from its text too.
    auto x = parse(L"x");
    EXPECT_EQ(parse(L"x^2+x")->polynomdivision(x.get()), L"+1.000000*x^1+1.000000*x^0+()/(x)");
    auto higher = parse(L"x^3+1");
    EXPECT_EQ(parse(L"x+1")->polynomdivision(higher.get()), L"(x+1)/(x^3+1)");
}

} // namespace
