#include <gtest/gtest.h>

#include "ExpressionText.h"
#include "polynom_term_builder.h"

namespace {

struct Rewrite {
    const wchar_t* before;
    const wchar_t* after;
};

void PrintTo(const Rewrite& c, std::ostream* os) {
    *os << polynom_test::narrow(c.before);
}

class CleanUp : public ::testing::TestWithParam<Rewrite> {};

TEST_P(CleanUp, Rewrites) {
    std::wstring text = GetParam().before;
    PolynomTerm::cleanUp(text);
    EXPECT_EQ(text, GetParam().after);
}

const Rewrite s_cleanups[] = {
    {L"((2)*x)", L"(2*x)"},
    {L"x*(12)", L"x*12"},
    {L"x^(99)", L"x^99"},
    {L"x^(100)", L"x^(100)"},
    {L"x+(-5)", L"x-5"},
    {L"x-(-5)", L"x+5"},
    {L"x/(-100)", L"x/-100"},
    {L"x^(-101)", L"x^(-101)"},
    {L"(3)*x", L"3*x"},
    {L"(-3)*x", L"-3*x"},
    {L"sin(2)", L"sin(2)"},
    {L"x^(0)", L"x^(0)"},
    {L"((x+1))", L"(x+1)"},
    {L"(((y)))*2", L"(y)*2"},
    {L"sin((x))", L"sin(x)"},
    {L"((x+1)*(x-1))", L"((x+1)*(x-1))"},
    {L"(e)^(x)", L"e^x"},
    // A negative base keeps its sign inside the parentheses.
    {L"1+(-2)^y", L"1+(-2)^y"},
    {L"x-(-2)^2", L"x-(-2)^2"},
    {L"x-(-2)-(-2)^2", L"x+2-(-2)^2"},
    {L"3*(-2)^y", L"3*-2^y"},
    {L"2*(e)^(x)", L"2*e^x"},
};
INSTANTIATE_TEST_SUITE_P(Steps, CleanUp, ::testing::ValuesIn(s_cleanups));

class EasyTables : public ::testing::TestWithParam<Rewrite> {};

TEST_P(EasyTables, Tidy) {
    std::wstring text = GetParam().before;
    ExpressionText::applyEasyTables(text);
    EXPECT_EQ(text, GetParam().after);
}

const Rewrite s_easy[] = {
    {L"5*x", L"5x"},
    {L"-1*x^2+10*x", L"-x^2+10x"},
    {L"y+1*x", L"y+x"},
    {L"3*(x)", L"3*x"},
    {L"2^(x)", L"2^x"},
    {L"(e^x)", L"e^x"},
    {L"3*(sin(x+1))", L"3*sin(x+1)"},
    {L"3*(sin(x))+2*(sin(x))", L"3*sin(x)+2*sin(x)"},
    // Only the first call's argument is used for each pattern.
    {L"3*(cos(x))+2*(cos(y))", L"3*cos(x)+2*(cos(y))"},
    {L"2*(sinh(x))", L"2*sinh(x)"},
    {L"2^(tan(x))", L"2^tan(x)"},
    {L"2*(sin(x)+1)", L"2*(sin(x)+1)"},
    {L"2*(sin(x", L"2*(sin(x"},
    // Signs and parentheses that open a divisor or an exponent stay.
    {L"y/-1*x+y^-1*x-1*x", L"y/-1x+y^-1x-x"},
    {L"y^(e^x)+2*(e^x)+cos(e^x)", L"y^(e^x)+2*e^x+cos(e^x)"},
};
INSTANTIATE_TEST_SUITE_P(Tables, EasyTables, ::testing::ValuesIn(s_easy));

TEST(EasyTables, Sizes) {
    EXPECT_EQ(ExpressionText::s_easy_functions_x_size, 19);
    EXPECT_EQ(ExpressionText::s_easy_expressions_x_size, 16);
}

struct Join {
    wchar_t op;
    const wchar_t* left;
    wchar_t leftOp;
    const wchar_t* right;
    wchar_t rightOp;
    const wchar_t* text;
};

class JoinOperands : public ::testing::TestWithParam<Join> {};

TEST_P(JoinOperands, UsesFewestParentheses) {
    const Join& j = GetParam();
    EXPECT_EQ(ExpressionText::joinOperands(j.op, j.left, j.leftOp, j.right, j.rightOp), j.text);
}

const Join s_joins[] = {
    {L'*', L"x", L' ', L"y+1", L'+', L"x*(y+1)"},
    {L'*', L"x", L' ', L"y^2", L'^', L"x*(y^2)"},
    {L'*', L"x", L' ', L"y/2", L'/', L"x*y/2"},
    {L'/', L"x", L' ', L"a*b", L'*', L"x/(a*b)"},
    {L'/', L"x", L' ', L"a/b", L'/', L"x/(a/b)"},
    {L'-', L"x", L' ', L"a-b", L'-', L"x-(a-b)"},
    {L'-', L"x", L' ', L"a*b", L'*', L"x-a*b"},
    {L'+', L"x", L' ', L"a-b", L'-', L"x+a-b"},
    {L'^', L"2", L' ', L"x+1", L'+', L"2^(x+1)"},
    {L'^', L"2", L' ', L"x*y", L'*', L"2^(x*y)"},
    {L'*', L"x+1", L'+', L"y", L' ', L"(x+1)*y"},
    {L'*', L"x^2", L'^', L"y", L' ', L"x^2*y"},
    {L'-', L"x+1", L'+', L"y", L' ', L"x+1-y"},
    {L'^', L"x*2", L'*', L"y", L' ', L"(x*2)^y"},
    {L'+', L"a-b", L'-', L"c-d", L'-', L"a-b+c-d"},
    {L'-', L"a-b", L'-', L"c-d", L'-', L"a-b-(c-d)"},
    {L'*', L"a*b", L'*', L"c*d", L'*', L"a*b*c*d"},
    {L'*', L"a*b", L'*', L"c+d", L'+', L"a*b*(c+d)"},
    {L'*', L"a+b", L'+', L"c*d", L'*', L"(a+b)*c*d"},
    {L'*', L"x+1", L'+', L"x-1", L'-', L"(x+1)*(x-1)"},
    {L'/', L"a*b", L'*', L"c*d", L'*', L"(a*b)/(c*d)"},
    {L'^', L"a^b", L'^', L"c^d", L'^', L"(a^b)^(c^d)"},
    {L'*', L"x", L' ', L"y", L' ', L"x*y"},
    {L'^', L"-2", L' ', L"y", L' ', L"(-2)^y"},
    {L'^', L"y", L' ', L"-2", L' ', L"y^-2"},
};
INSTANTIATE_TEST_SUITE_P(Rules, JoinOperands, ::testing::ValuesIn(s_joins));

struct Classified {
    const wchar_t* text;
    wchar_t op;
};

TEST(ExpressionText, TopLevelOperatorFollowsTheParserSplit) {
    const Classified cases[] = {
        {L"x", L' '},         {L"-2.5", L' '},    {L"-x", L'*'},         {L"sin(x+1)", L' '},
        {L"a+b*c", L'+'},     {L"a*-b", L'*'},    {L"a/b*c", L'*'},      {L"a*b/c", L'/'},
        {L"x^-2", L'^'},      {L"(a+b)^2", L'^'}, {L"1.000000/x", L'/'}, {L"(1.0*x^(1))/2.0", L'/'},
        {L"2*x^(1)+1", L'+'}, {L"a-b", L'+'},     {L"(a+b)", L' '},
    };
    for (const Classified& c : cases)
        EXPECT_EQ(ExpressionText::topLevelOperator(c.text), c.op) << polynom_test::narrow(c.text);
}

// Term text forms of single terms and the order of a sum's summands.
TEST(TermWriter, FormsOfPowersOfX) {
    const Rewrite cases[] = {
        {L"x", L"x"},         {L"-1*x", L"-x"},           {L"2*x", L"2*x"}, {L"x^3", L"x^3"},
        {L"-1*x^3", L"-x^3"}, {L"0.5*x^-2", L"0.5*x^-2"}, {L"0*x", L"0"},   {L"x^2*0", L"0"},
    };
    for (const Rewrite& c : cases)
        EXPECT_EQ(polynom_test::build(c.before)->termText(), c.after) << polynom_test::narrow(c.before);
}

TEST(TermWriter, OrdersSummandsByPowerThenNumbersThenTheRest) {
    const auto term = polynom_test::build(L"y+1+x+sin(x)-2*x^2+x^3+x^12");
    EXPECT_EQ(term->text(), L"x^3-2*x^2+x+1+y+sin(x)+x^12");
}

TEST(TermWriter, LeavesVanishedPowersOutOfASum) {
    // 0*(x+1) distributes into 0*x and 0; the zero power writes nothing.
    EXPECT_EQ(polynom_test::build(L"0*(x+1)")->text(), L"0");
    EXPECT_EQ(polynom_test::build(L"0*(x+1)+y")->text(), L"0+y");
}

TEST(TermWriter, TinyNegativeNumbersKeepTheSumReadable) {
    // -1e-12 writes as "0" at ten decimals; it must not glue onto the power.
    EXPECT_EQ(polynom_test::build(L"x+-0.000000000001")->text(), L"x+0");
}

TEST(TermWriter, ParenthesizesCompoundChildren) {
    const Rewrite cases[] = {
        {L"(x+y)^2", L"(x+y)^2"},   {L"(2*y)^y", L"(2*y)^y"}, {L"y^(2*y)", L"y^(2*y)"},
        {L"(-1*x)^y", L"(-x)^y"},   {L"y^(x^2)", L"y^(x^2)"}, {L"(y/2)^y", L"(y/2)^y"},
        {L"y/(x+y)", L"y/(x+y)"},   {L"(x+y)/y", L"(x+y)/y"}, {L"(1/3)^2", L"(1/3)^2"},
        {L"1+(-2)^y", L"1+(-2)^y"},
    };
    for (const Rewrite& c : cases)
        EXPECT_EQ(polynom_test::build(c.before)->text(), c.after) << polynom_test::narrow(c.before);
}

} // namespace
