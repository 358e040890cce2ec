#include <string>

#include "EngineTestSupport.h"
#include "OrvantaCalcBase.h"

using namespace engine_test;

namespace {
struct Rewrite {
    const wchar_t* input;
    const wchar_t* expected;
};

class PreTranslate : public ::testing::TestWithParam<Rewrite> {};

TEST_P(PreTranslate, RewritesAsTheTableSays) {
    EXPECT_EQ(preTranslated(GetParam().input), GetParam().expected) << "input: " << GetParam().input;
}

// One or more cases per group of the table, and cases where the order of the
// pairs decides the result.
const Rewrite s_rewrites[] = {
    {L"e^-x", L"e^(-1*x)"},
    // sign folding
    {L"2+-3", L"2-3"},
    {L"2-+3", L"2-3"},
    {L"2--3", L"2+3"},
    {L"2++3", L"2+3"},
    {L"2--x", L"2+x"},
    // implicit multiplication with x
    {L"(1)(2)", L"(1)*(2)"},
    {L"(1)x", L"(1)*x"},
    {L"1+x(2)", L"1+x*(2)"},
    {L"1-x(2)", L"1-1*x*(2)"},
    {L"2*x(3)", L"2*x*(3)"},
    {L"2/x(3)", L"2/x*(3)"},
    {L"1x+2x+3x+4x+5x", L"1*x+2*x+3*x+4*x+5*x"},
    {L"6x+7x+8x+9x+0x", L"6*x+7*x+8*x+9*x+0*x"},
    {L"1/-x", L"1/(-1*x)"},
    {L"-x^2", L"-1*x^2"},
    {L"xy", L"x*y"},
    // implicit multiplication with y
    {L"(2)y", L"(2)*y"},
    {L"1+y(2)", L"1+y*(2)"},
    {L"1-y(2)", L"1-1*y*(2)"},
    {L"2*y(3)", L"2*y*(3)"},
    {L"2/y(3)", L"2/y*(3)"},
    {L"1y+2y+3y+4y+5y", L"1*y+2*y+3*y+4*y+5*y"},
    {L"6y+7y+8y+9y+0y", L"6*y+7*y+8*y+9*y+0*y"},
    {L"-y", L"-1*y"},
    {L"-(1)", L"-1*(1)"},
    {L"2+(3)", L"2+1*(3)"},
    // implicit multiplication with e and pi
    {L"(2)e", L"(2)*e"},
    {L"0e+1e+2e+3e+4e", L"0*e+1*e+2*e+3*e+4*e"},
    {L"5e+6e+7e+8e+9e", L"5*e+6*e+7*e+8*e+9*e"},
    {L"pi(2)", L"pi*(2)"},
    {L"(2)pi", L"(2)*pi"},
    {L"0pi+1pi+2pi+3pi+4pi", L"0*pi+1*pi+2*pi+3*pi+4*pi"},
    {L"5pi+6pi+7pi+8pi+9pi", L"5*pi+6*pi+7*pi+8*pi+9*pi"},
    {L"pi0+pi1+pi2+pi3+pi4", L"pi*0+pi*1+pi*2+pi*3+pi*4"},
    {L"pi5+pi6+pi7+pi8+pi9", L"pi*5+pi*6+pi*7+pi*8+pi*9"},
    {L"pie", L"pi*e"},
    {L"epi", L"e*pi"},
    // implicit multiplication before a parenthesis
    {L"3(x+1)", L"3*(x+1)"},
    {L"0(1)+1(1)+2(1)+3(1)+4(1)", L"0*(1)+1*(1)+2*(1)+3*(1)+4*(1)"},
    {L"5(1)+6(1)+7(1)+8(1)+9(1)", L"5*(1)+6*(1)+7*(1)+8*(1)+9*(1)"},
    {L"(*2)", L"(1*2)"},
    // superscripts
    {L"x\u00B2", L"(x^2)"},
    {L"x\u00B3", L"(x^3)"},
    {L"y\u00B2", L"(y^2)"},
    {L"y\u00B3", L"(y^3)"},
    {L"n\u00B2", L"(n^2)"},
    {L"n\u00B3", L"(n^3)"},
    {L"2x\u00B2", L"2*(x^2)"},
    // a digit before a function name
    {L"2sin(x)", L"2*sin(x)"},
    {L"2sinh(x)", L"2*sinh(x)"},
    {L"3arcsin(1)+12abs(x)", L"3*arcsin(1)+12*abs(x)"},
    {L"4binom(5,2)", L"4*binom(5,2)"},
    // a sign before a function name, at the start or after "("
    {L"-sin(x)", L"-1*sin(x)"},
    {L"2*(-cos(x))", L"2*(-1*cos(x))"},
    {L"-arccoth(2)", L"-1*arccoth(2)"},
    {L"2-sin(x)", L"2-sin(x)"},
    // nothing to do
    {L"", L""},
    {L"sin(x)+1", L"sin(x)+1"},
};
INSTANTIATE_TEST_SUITE_P(Table, PreTranslate, ::testing::ValuesIn(s_rewrites));

TEST(PreTranslateTable, HoldsTheNinetyFourPairsInOrder) {
    ASSERT_EQ(IExpression::s_pretranslate_len, 94);
    EXPECT_STREQ(IExpression::s_pretranslate[0].pattern, L"e^-x");
    EXPECT_STREQ(IExpression::s_pretranslate[93].pattern, L"n\u00B3");
    EXPECT_STREQ(IExpression::s_pretranslate[93].replacement, L"(n^3)");
}

// User constants and user functions live in the engine object.
class UserDefinitions : public EngineTest {
protected:
    OrvantaCalcBase m_calculator;

    static std::wstring consts(std::wstring text) {
        IExpression::preTranslateConsts(text);
        return text;
    }
    static std::wstring functions(std::wstring text) {
        IExpression::preTranslateFunctions(text);
        return text;
    }
    static double value(const std::wstring& text, double x = 0.0, double y = 0.0) {
        return parse(text)->calculate(x, y);
    }
};

TEST_F(UserDefinitions, ConstantsBecomeParenthesizedValues) {
    m_calculator.setConst(0, L"g", L"9.81");
    m_calculator.setConst(1, L"two", L"1+1");
    EXPECT_EQ(consts(L"{g}*2"), L"(9.81)*2");
    EXPECT_EQ(consts(L"3*{two}"), L"3*(1+1)");
    EXPECT_EQ(consts(L"{unknown}"), L"{unknown}");
    EXPECT_EQ(consts(L"{}"), L"{}");
    EXPECT_DOUBLE_EQ(value(L"3*{two}"), 6.0);
    // Implicit multiplication runs before the constants are put in.
    EXPECT_EQ(codeOf([] { value(L"3{two}"); }), ErrorCode::INVALID_INPUT);
}

TEST_F(UserDefinitions, ExponentNotationBecomesAPowerOfTen) {
    EXPECT_EQ(consts(L"1.5E-3"), L"1.5*10^-3");
    EXPECT_EQ(consts(L"2E3+1E2"), L"2*10^3+1*10^2");
    EXPECT_DOUBLE_EQ(value(L"1E3"), 1000.0);
    EXPECT_DOUBLE_EQ(value(L"2E-2"), 0.02);
}

TEST_F(UserDefinitions, ConstantsWorkWithoutAnEngineObject) {
    OrvantaCalcBase* saved = IExpression::s_calculator;
    IExpression::s_calculator = nullptr;
    EXPECT_EQ(consts(L"{g}+1E2"), L"{g}+1*10^2");
    EXPECT_EQ(functions(L"perc(1,2)"), L"perc(1,2)");
    IExpression::s_calculator = saved;
}

struct FunctionCase {
    const wchar_t* definition;
    const wchar_t* formula;
    const wchar_t* expanded; // after one pass
    double x;
    double value;
};

class UserFunctions : public UserDefinitions, public ::testing::WithParamInterface<FunctionCase> {};

TEST_P(UserFunctions, ExpandIntoParenthesizedBodies) {
    const FunctionCase& c = GetParam();
    m_calculator.initFunctions(0, L"f", c.definition);
    EXPECT_EQ(functions(c.formula), c.expanded);
    EXPECT_DOUBLE_EQ(value(c.formula, c.x), c.value);
}

const FunctionCase s_functionCases[] = {
    // no parameters
    {L"two()=2", L"two()+1", L"(2)+1", 0, 3},
    {L"two()=2", L"two()*two()", L"(2)*(2)", 0, 4},
    // one parameter; the body counts as one value
    {L"sq(x)=x^2", L"sq(3)", L"((3)^2)", 0, 9},
    {L"sq(x)=x^2", L"sq(x+1)*2", L"((x+1)^2)*2", 1, 8},
    {L"sq(x)=x^2", L"sq(2)^2", L"((2)^2)^2", 0, 16},
    // a parameter inside a longer word stays
    {L"f(x)=abs(x)+lastxval(x)", L"f(-2)", L"(abs((-2))+lastxval((-2)))", 0, 2},
    // several parameters, arguments with their own commas
    {L"perc(x,y)=x/y*100", L"perc(1,4)", L"((1)/(4)*100)", 0, 25},
    {L"perc(x,y)=x/y*100", L"perc(mod(7,4),2)", L"((mod(7,4))/(2)*100)", 0, 150},
    {L"vol(a,b,c)=a*b*c", L"vol(2,3,x)", L"((2)*(3)*(x))", 4, 24},
    // the first call is expanded with its identical copies; others at deeper levels
    {L"sq(x)=x^2", L"sq(2)+sq(2)+sq(3)", L"((2)^2)+((2)^2)+sq(3)", 0, 17},
};
INSTANTIATE_TEST_SUITE_P(Table, UserFunctions, ::testing::ValuesIn(s_functionCases));

TEST_F(UserDefinitions, ArgumentsNamingOtherParametersAreSubstitutedOnce) {
    m_calculator.initFunctions(0, L"perc", L"perc(x,y)=x/y*100");
    EXPECT_EQ(functions(L"perc(y,x)"), L"((y)/(x)*100)");
    EXPECT_DOUBLE_EQ(value(L"perc(y,x)", 4.0, 1.0), 25.0);
}

TEST_F(UserDefinitions, AMalformedCallStopsTheExpansion) {
    m_calculator.initFunctions(0, L"perc", L"perc(x,y)=x/y*100");
    m_calculator.initFunctions(1, L"sq", L"sq(x)=x^2");
    // Wrong argument count: nothing after it is expanded and the call fails.
    EXPECT_EQ(functions(L"perc(1)+sq(2)"), L"perc(1)+sq(2)");
    EXPECT_EQ(functions(L"perc(1,)"), L"perc(1,)");
    IExpression::s_withex = true;
    EXPECT_EQ(codeOf([] { parse(L"perc(1)")->calculateConst(); }), ErrorCode::INVALID_INPUT);
    // Texts that are not definitions are ignored.
    m_calculator.initFunctions(2, L"cur", L"^(1/3)");
    EXPECT_EQ(functions(L"8cur()"), L"8cur()");
}

TEST_F(UserDefinitions, AnUnclosedCallIsAParenthesisError) {
    m_calculator.initFunctions(0, L"sq", L"sq(x)=x^2");
    EXPECT_EQ(codeOf([] { functions(L"sq(2"); }), ErrorCode::PARENTHESIS);
}

TEST_F(UserDefinitions, SelfReferenceEndsWithAnError) {
    m_calculator.initFunctions(0, L"f", L"f(x)=f(x)+f(x)");
    EXPECT_EQ(codeOf([] { parse(L"f(1)"); }), ErrorCode::INVALID_INPUT);
    m_calculator.setConst(0, L"a", L"{b}+{b}");
    m_calculator.setConst(1, L"b", L"{a}*{a}");
    EXPECT_EQ(codeOf([] { parse(L"{a}"); }), ErrorCode::INVALID_INPUT);
}

TEST_F(UserDefinitions, ChainedDoublingIsBounded) {
    // Each function calls the next one twice: 2^27 copies if nothing stopped it.
    // (A name ending in a digit would be split by the implicit multiplication.)
    auto name = [](int slot) {
        return std::wstring{L'u', wchar_t(L'b' + slot / 6), wchar_t(L'b' + slot % 6)};
    };
    m_calculator.initFunctions(27, name(27), name(27) + L"(x)=x");
    for (int slot = 26; slot >= 0; --slot)
        m_calculator.initFunctions(
            slot, name(slot), name(slot) + L"(x)=" + name(slot + 1) + L"(x)+" + name(slot + 1) + L"(x+1)");
    EXPECT_EQ(codeOf([&] { parse(name(0) + L"(1)"); }), ErrorCode::INVALID_INPUT);
    // A short chain expands in full.
    EXPECT_DOUBLE_EQ(parse(name(24) + L"(1)")->calculateConst(), (1 + 2) + (2 + 3) + (2 + 3) + (3 + 4));
}
} // namespace
