#include <gtest/gtest.h>

#include "polynom_term_builder.h"

namespace {

struct TermCase {
    const wchar_t* formula;
    const wchar_t* text; // the term's text after the clean-up
};

void PrintTo(const TermCase& c, std::ostream* os) {
    *os << polynom_test::narrow(c.formula);
}

class TermText : public ::testing::TestWithParam<TermCase> {};

TEST_P(TermText, SimplifiesTo) {
    const auto term = polynom_test::build(GetParam().formula);
    ASSERT_NE(term, nullptr);
    EXPECT_EQ(term->text(), GetParam().text);
}

const TermCase s_sums[] = {
    {L"2*x+3*x", L"5*x"},
    {L"x+1+x", L"2*x+1"},
    {L"1+x^2+x^3", L"x^3+x^2+1"},
    {L"x+0", L"x"},
    {L"0+x", L"x"},
    {L"2+3", L"5"},
    {L"x-x", L"0"},
    {L"x+1-(x+1)", L"0"},
    {L"x^2+x-x", L"x^2"},
    {L"x-(-5)", L"x+5"},
    {L"x-5", L"x-5"},
    {L"y+1", L"1+y"},
    {L"y-x", L"-x+y"},
    {L"y-2*y", L"y-2*y"},
    {L"1-y^2", L"1-1*(y^2)"},
    {L"x^11+x^3+1", L"x^3+1+x^11"},
    {L"(x+1)+(x^2-1)", L"x^2+x"},
    {L"5-(x+2)", L"-x+3"},
    {L"sin(x)-sin(x)", L"sin(x)-1*sin(x)"},
};
INSTANTIATE_TEST_SUITE_P(Sums, TermText, ::testing::ValuesIn(s_sums));

const TermCase s_products[] = {
    {L"x*x", L"x^2"},
    {L"2*x*3", L"6*x"},
    {L"1*y", L"y"},
    {L"x*x^-1", L"1"},
    {L"(x+1)*(x-1)", L"x^2-1"},
    {L"2*(x+1)", L"2*x+2"},
    {L"(x+1)*x", L"x^2+x"},
    {L"(x+1)*(x+1)", L"x^2+2*x+1"},
    {L"sin(x)*3", L"3*sin(x)"},
    {L"3*sin(x)", L"3*(sin(x))"},
    {L"y*x", L"y*x"},
    {L"x*y", L"y*x"},
    {L"sin(x)*pi", L"pi*sin(x)"},
    {L"x*(y+1)", L"x*(1+y)"},
    {L"(2*y)*3", L"6*y"},
    {L"(y/2)*4", L"4*y/2"},
    {L"(2/y)*3", L"6/y"},
    {L"(x+y)*(x+1)", L"(x+y)*(x+1)"},
    {L"-1*x", L"-x"},
    {L"0.5*x^2", L"0.5*x^2"},
};
INSTANTIATE_TEST_SUITE_P(Products, TermText, ::testing::ValuesIn(s_products));

const TermCase s_powers[] = {
    {L"x^1", L"x"},
    {L"x^2^3", L"x^6"},
    {L"x^3^(1/3)", L"(x^3)^(1/3)"},
    {L"x^0.5^2", L"x"},
    {L"x^3^0.5", L"x^1.5"},
    // An even power does not give its sign back: (x^2)^0.5 is |x|.
    {L"x^2^0.5", L"(x^2)^0.5"},
    {L"(x*x)^1.5", L"(x^2)^1.5"},
    {L"(2*x)^2", L"4*x^2"},
    {L"x^0.5", L"x^0.5"},
    {L"x^0", L"1"},
    {L"2^10", L"1024"},
    {L"(x+1)^2", L"x^2+2*x+1"},
    {L"(x+1)^3", L"x^3+3*x^2+3*x+1"},
    {L"(x-1)^9", L"x^9-9*x^8+36*x^7-84*x^6+126*x^5-126*x^4+84*x^3-36*x^2+9*x-1"},
    {L"(x+1)^10", L"(x+1)^10"},
    {L"(x+1)^0.5", L"(x+1)^0.5"},
    {L"(x+y)^2", L"(x+y)^2"},
    {L"y^2", L"y^2"},
    {L"0^-1", L"0^-1"},
    {L"2^y", L"2^y"},
    {L"sin(x)^2", L"sin(x)^2"},
    {L"(2*y)^2", L"(2*y)^2"},
};
INSTANTIATE_TEST_SUITE_P(Powers, TermText, ::testing::ValuesIn(s_powers));

const TermCase s_quotients[] = {
    // Powers of x with numeric exponents.
    {L"x^3/x", L"x^2"},
    {L"x/x", L"1"},
    {L"(3*x^2)/(2*x^2)", L"1.5"},
    {L"x/x^3", L"1/(x^2)"},
    {L"(2*x)/(4*x^3)", L"1/(2*x^2)"},
    // Two numbers: exact, halved to a short quotient, or left as a fraction.
    {L"6/3", L"2"},
    {L"6/4", L"1.5"},
    {L"1/8", L"0.125"},
    {L"1/3", L"1/3"},
    {L"2/6", L"1/3"},
    {L"1/16", L"1/16"},
    {L"0/5", L"0"},
    {L"5/0", L"5/0"},
    // A power of x by a number: short quotient, exact quotient, or a fraction.
    {L"x/4", L"0.25*x"},
    {L"x/3", L"x/3"},
    {L"(1234567*x)/1", L"1234567*x"},
    // A number by a power of x: only the common factor cancels.
    {L"6/(3*x)", L"2/x"},
    {L"2/(4*x)", L"1/(2*x)"},
    {L"5/(3*x)", L"5/(3*x)"},
    // Function terms with the same argument.
    {L"sin(x)/cos(x)", L"tan(x)"},
    {L"cos(x)/sin(x)", L"cot(x)"},
    {L"(sin(x)*4)/(cos(x)*2)", L"2*tan(x)"},
    {L"sin(x)/sin(x)", L"1/1"},
    {L"sin(x)/cos(y)", L"sin(x)/cos(y)"},
    // A polynomial by a linear polynomial, by synthetic division.
    {L"(x^2-1)/(x-1)", L"1.000000*x^1+1.000000*x^(0)"},
    {L"(x^3-1)/(x-1)", L"1.000000*x^2+1.000000*x^1+1.000000*x^(0)"},
    {L"(x^2-x)/(x-1)", L"1.000000*x^1"},
    {L"(2*x^2-2)/(2*x-2)", L"(2.000000*x^1)/2.000000+(2.000000*x^(0))/2.000000"},
    {L"(x^2-0.01)/(x-0.1)", L"1.000000*x^1+0.100000*x^(0)"},
    {L"(x^2+1)/(x-1)", L"(x^2+1)/(x-1)"},
    // A polynomial by c*x, term by term.
    {L"(x^2+1)/x", L"(1.000000*x^1.000000)/1.000000+1.000000/x"},
    {L"(x+2)/(2*x)", L"(1.000000*x^0.000000)/2.000000+2.000000/(2.000000*x)"},
    // Into the denominator of a fraction.
    {L"(y/x)/x", L"y/(x^2)"},
    // Equal sums.
    {L"(y+1)/(y+1)", L"1"},
    {L"y/2", L"y/2"},
};
INSTANTIATE_TEST_SUITE_P(Quotients, TermText, ::testing::ValuesIn(s_quotients));

const TermCase s_functions[] = {
    {L"sin(x+1)", L"sin(x+1)"},     {L"sin(2*x)", L"sin(2*x)"},        {L"ln(x)*2", L"2*ln(x)"},
    {L"sin(x)*2+3", L"3+2*sin(x)"}, {L"sin(x)*(-1)+1", L"1-1*sin(x)"}, {L"cos(x^2*x)", L"cos(x^3)"},
};
INSTANTIATE_TEST_SUITE_P(Functions, TermText, ::testing::ValuesIn(s_functions));

TEST(PolynomTerm, CreationFromTokens) {
    EXPECT_EQ(PolynomTerm::fromToken(L"+3")->kind(), PolynomTerm::NUMBER);
    EXPECT_EQ(PolynomTerm::fromToken(L"+3")->value(), 3.0);
    EXPECT_EQ(PolynomTerm::fromToken(L"-2.5")->value(), -2.5);
    const auto x = PolynomTerm::fromToken(L"x");
    EXPECT_EQ(x->kind(), PolynomTerm::XPOWER);
    EXPECT_EQ(x->value(), 1.0);
    EXPECT_EQ(x->exponent(), L"1");
    EXPECT_EQ(PolynomTerm::fromToken(L"pi")->kind(), PolynomTerm::SYMBOL);
    EXPECT_EQ(PolynomTerm::fromToken(L"+y")->name(), L"y");
}

TEST(PolynomTerm, FailedOperationsLeaveTheTermUnchanged) {
    // The second summand cannot be multiplied by y, so the whole product fails.
    auto sum = polynom_test::build(L"x+1");
    const auto y = PolynomTerm::fromToken(L"y");
    EXPECT_FALSE(sum->multiply(*y));
    EXPECT_EQ(sum->text(), L"x+1");
    // A sum holding a power of a symbol cannot be negated.
    auto withPower = polynom_test::build(L"x+y^2");
    EXPECT_FALSE(withPower->scale(-1.0));
    EXPECT_EQ(withPower->text(), L"x+y^2");
    auto base = polynom_test::build(L"(x+1)^2");
    EXPECT_FALSE(base->power(*polynom_test::build(L"(x+1)^9")));
    EXPECT_EQ(base->text(), L"x^2+2*x+1");
}

TEST(PolynomTerm, ScalingAQuotientThroughItsDenominatorKeepsItsValue) {
    // y/x: the symbol cannot be scaled, so the denominator takes the factor.
    auto quotient = polynom_test::build(L"y/(2*x)");
    ASSERT_TRUE(quotient->scale(4.0));
    EXPECT_EQ(quotient->text(), L"y/(0.5*x)");
    // A zero denominator has no sign to take the factor.
    EXPECT_FALSE(polynom_test::build(L"y/0")->scale(-1.0));
    EXPECT_EQ(polynom_test::build(L"1-y/0")->text(), L"1-1*y/0");
}

TEST(PolynomTerm, CopiesAreIndependent) {
    auto original = polynom_test::build(L"sin(x+1)*2");
    auto copy = original->clone();
    ASSERT_TRUE(copy->scale(3.0));
    EXPECT_EQ(original->text(), L"2*sin(x+1)");
    EXPECT_EQ(copy->text(), L"6*sin(x+1)");
}

} // namespace
