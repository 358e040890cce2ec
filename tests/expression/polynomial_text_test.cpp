#include <gtest/gtest.h>

#include "PolynomialText.h"

namespace {

struct CoefficientCase {
    const wchar_t* text;
    int degree;
    double coefficient;
};

class CoefficientOf : public ::testing::TestWithParam<CoefficientCase> {};

TEST_P(CoefficientOf, ReadsTheNumberInFrontOfThePower) {
    const CoefficientCase& c = GetParam();
    EXPECT_DOUBLE_EQ(PolynomialText::coefficientOf(c.text, c.degree), c.coefficient);
}

const CoefficientCase s_coefficients[] = {
    {L"3*(x^2)+2*x+1", 2, 3.0},
    {L"3*(x^2)+2*x+1", 1, 2.0},
    {L"3*x^2+2*x+1", 3, 0.0},
    {L"x^2-1", 2, 1.0},
    {L"x^2-1", 1, 0.0},
    {L"x-1", 1, 1.0},
    {L"y+x", 1, 1.0},
    {L"5-x", 1, -1.0},
    {L"2.5*x", 1, 2.5},
    {L"-x^3+x^2", 3, -1.0},
    {L"10*x^2-4.5*x^3", 3, -4.5},
    // x^2 is not read out of x^21.
    {L"4*x^21+7*x^2", 2, 7.0},
    {L"4*x^21", 2, 0.0},
    {L"4*x^2.5", 2, 0.0},
};
INSTANTIATE_TEST_SUITE_P(Texts, CoefficientOf, ::testing::ValuesIn(s_coefficients));

struct DivisionCase {
    std::vector<double> dividend;
    std::vector<double> divisor;
    const wchar_t* dividendText;
    const wchar_t* divisorText;
    const wchar_t* text;
};

class LongDivision : public ::testing::TestWithParam<DivisionCase> {};

TEST_P(LongDivision, WritesQuotientAndRemainder) {
    const DivisionCase& c = GetParam();
    EXPECT_EQ(PolynomialText::divide(c.dividend, c.divisor, c.dividendText, c.divisorText), c.text);
}

const DivisionCase s_divisions[] = {
    {{-1, 0, 1}, {-1, 1}, L"x^2-1", L"x-1", L"+1.000000*x^1+1.000000*x^0+()/(x-1)"},
    {{1, 0, 1}, {-1, 1}, L"x^2+1", L"x-1", L"+1.000000*x^1+1.000000*x^0+(+2.000000*x^0)/(x-1)"},
    {{0, -3, 0, 2}, {1, 0, 1}, L"2*x^3-3*x", L"x^2+1", L"+2.000000*x^1+(-5.000000*x^1)/(x^2+1)"},
    {{-0.01, 0, 1}, {-0.1, 1}, L"x^2-0.01", L"x-0.1", L"+1.000000*x^1+0.100000*x^0+()/(x-0.1)"},
    {{4, 2}, {0, 0, 1}, L"2*x+4", L"x^2", L"(2*x+4)/(x^2)"},
    {{4, 2}, {0, 0}, L"2*x+4", L"0", L"(2*x+4)/(0)"},
    {{6, 3}, {3}, L"3*x+6", L"3", L"+1.000000*x^1+2.000000*x^0+()/(3)"},
};
INSTANTIATE_TEST_SUITE_P(Polynomials, LongDivision, ::testing::ValuesIn(s_divisions));

} // namespace
