#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "IExpression.h"

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double INF = std::numeric_limits<double>::infinity();
constexpr double PI = 3.141592653589793;
constexpr std::uint32_t NONE = 0;

// Restores the engine's process-wide settings after each test.
class FunctionLibrary : public ::testing::Test {
protected:
    void TearDown() override {
        IExpression::s_withex = false;
        IExpression::s_mode = CalculatorModes::RAD;
    }
};

struct Case {
    const wchar_t* name;
    double a;
    double b;  // second argument, NaN for one-argument calls
    double expected; // NaN when the call fails
    std::uint32_t code; // code raised with errors on, NONE when it succeeds
    CalculatorModes::MODE mode;
};

double call(const Case& c) {
    return std::isnan(c.b) ? IExpression::calculateFunction(c.name, c.a)
                           : IExpression::calculateFunction(c.name, c.a, c.b);
}

const Case s_cases[] = {
    // Exact zeros in degree mode and the flushing of tiny results.
    {L"sin", 180, NaN, 0.0, NONE, CalculatorModes::DEG},
    {L"sin", 360, NaN, 0.0, NONE, CalculatorModes::DEG},
    {L"cos", 90, NaN, 0.0, NONE, CalculatorModes::DEG},
    {L"cos", 90, NaN, std::cos(90.0), NONE, CalculatorModes::RAD},
    {L"tan", 90, NaN, NaN, FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO, CalculatorModes::DEG},
    {L"tan", 90, NaN, std::tan(90.0), NONE, CalculatorModes::RAD},
    {L"sin", PI, NaN, 0.0, NONE, CalculatorModes::RAD},
    {L"cot", 0, NaN, NaN, FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO, CalculatorModes::RAD},
    {L"cot", 1, NaN, std::cos(1.0) / std::sin(1.0), NONE, CalculatorModes::RAD},
    // Longer names win over their prefixes.
    {L"sinh", 1, NaN, std::sinh(1.0), NONE, CalculatorModes::DEG},
    {L"cosh", 0, NaN, 1.0, NONE, CalculatorModes::RAD},
    {L"tanh", 0.5, NaN, std::tanh(0.5), NONE, CalculatorModes::RAD},
    {L"coth", 1, NaN, std::cosh(1.0) / std::sinh(1.0), NONE, CalculatorModes::RAD},
    {L"arcsinh", 1, NaN, std::asinh(1.0), NONE, CalculatorModes::RAD},
    {L"arccosh", 2, NaN, std::acosh(2.0), NONE, CalculatorModes::RAD},
    {L"arctanh", 0.5, NaN, std::atanh(0.5), NONE, CalculatorModes::RAD},
    {L"arccoth", 2, NaN, std::atanh(0.5), NONE, CalculatorModes::RAD},
    // Inverse circular results in the output unit.
    {L"arcsin", 1, NaN, 90.0, NONE, CalculatorModes::DEG},
    {L"arccos", 0, NaN, 100.0, NONE, CalculatorModes::GRAD},
    {L"arctan", 1, NaN, PI / 4, NONE, CalculatorModes::RAD},
    {L"arccot", 1, NaN, 45.0, NONE, CalculatorModes::DEG},
    // Domains.
    {L"arcsin", 2, NaN, NaN, ErrorCode::ARCSIN_DOMAIN, CalculatorModes::RAD},
    {L"arccos", -1.5, NaN, NaN, ErrorCode::ARCCOS_DOMAIN, CalculatorModes::RAD},
    {L"arctanh", 1, NaN, NaN, ErrorCode::ARCTANH_DOMAIN, CalculatorModes::RAD},
    {L"arccoth", 1, NaN, NaN, ErrorCode::ARCCOTH_DOMAIN, CalculatorModes::RAD},
    {L"arccoth", -0.5, NaN, NaN, ErrorCode::ARCCOTH_DOMAIN, CalculatorModes::RAD},
    {L"arccosh", 0.5, NaN, NaN, ErrorCode::ARCCOSH_DOMAIN, CalculatorModes::RAD},
    {L"sum", 2.5, NaN, NaN, ErrorCode::SUM_DOMAIN, CalculatorModes::RAD},
    {L"sum", -1, NaN, NaN, ErrorCode::SUM_DOMAIN, CalculatorModes::RAD},
    {L"nosuchname", 1, NaN, NaN, ErrorCode::INVALID_INPUT, CalculatorModes::RAD},
    // Plain functions.
    {L"sign", 0, NaN, 1.0, NONE, CalculatorModes::RAD},
    {L"sign", -3, NaN, -1.0, NONE, CalculatorModes::RAD},
    {L"abs", -2, NaN, 2.0, NONE, CalculatorModes::RAD},
    {L"int", -2.5, NaN, -2.0, NONE, CalculatorModes::RAD},
    {L"frac", -2.5, NaN, -0.5, NONE, CalculatorModes::RAD},
    {L"sum", 4, NaN, 10.0, NONE, CalculatorModes::RAD},
    {L"sum", 0, NaN, 0.0, NONE, CalculatorModes::RAD},
    {L"sum", 1e15, NaN, 1e15 * (1e15 + 1) / 2, NONE, CalculatorModes::RAD},
    {L"lg", 1000, NaN, 3.0, NONE, CalculatorModes::RAD},
    {L"ln", 1, NaN, 0.0, NONE, CalculatorModes::RAD},
    {L"sqr", 9, NaN, 3.0, NONE, CalculatorModes::RAD},
    // Two arguments.
    {L"binom", 5, 2, 10.0, NONE, CalculatorModes::RAD},
    {L"binom", 5, 5, 1.0, NONE, CalculatorModes::RAD},
    {L"binom", 5, 0, 1.0, NONE, CalculatorModes::RAD},
    {L"binom", 200, 1, 200.0, NONE, CalculatorModes::RAD},
    {L"binom", 2, 5, NaN, ErrorCode::BINOM_ORDER, CalculatorModes::RAD},
    {L"binom", 5, 2.5, NaN, ErrorCode::BINOM_NATURAL, CalculatorModes::RAD},
    {L"binom", -5, 2, NaN, ErrorCode::BINOM_NATURAL, CalculatorModes::RAD},
    {L"mod", 7, -3, 1.0, NONE, CalculatorModes::RAD},
    {L"mod", -7, 3, -1.0, NONE, CalculatorModes::RAD},
    {L"imod", 7, 2, 3.0, NONE, CalculatorModes::RAD},
    {L"imod", -7, 2, -3.0, NONE, CalculatorModes::RAD},
    {L"imod", 7, -3, -2.0, NONE, CalculatorModes::RAD},
    {L"gcd", 12, 18, 6.0, NONE, CalculatorModes::RAD},
    {L"gcd", -4, 6, 2.0, NONE, CalculatorModes::RAD},
    {L"gcd", 0, -7, 7.0, NONE, CalculatorModes::RAD},
    {L"gcd", 0, 0, 0.0, NONE, CalculatorModes::RAD},
    {L"gcd", 1e15, 1, 1.0, NONE, CalculatorModes::RAD},
    {L"gcd", 2.5, 5, NaN, ErrorCode::INVALID_INPUT, CalculatorModes::RAD},
    {L"and", 1, 1, NaN, ErrorCode::INVALID_INPUT, CalculatorModes::RAD},
};

class FunctionCases : public FunctionLibrary, public ::testing::WithParamInterface<Case> {};

TEST_P(FunctionCases, QuietAndRaisingResults) {
    const Case& c = GetParam();
    IExpression::s_mode = c.mode;
    double quiet = call(c);
    if (std::isnan(c.expected))
        EXPECT_TRUE(std::isnan(quiet)) << quiet;
    else
        EXPECT_NEAR(quiet, c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected)));

    IExpression::s_withex = true;
    if (c.code == NONE) {
        EXPECT_NO_THROW(call(c));
    } else {
        try {
            call(c);
            ADD_FAILURE() << "no error raised";
        } catch (const EngineError& e) {
            EXPECT_EQ(e.code(), c.code);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FunctionCases, ::testing::ValuesIn(s_cases));

TEST_F(FunctionLibrary, FactorialGrowsToInfinityAndRejectsNonNaturals) {
    EXPECT_EQ(IExpression::calculateFaculty(0), 1.0);
    EXPECT_EQ(IExpression::calculateFaculty(5), 120.0);
    EXPECT_TRUE(std::isfinite(IExpression::calculateFaculty(170)));
    EXPECT_EQ(IExpression::calculateFaculty(171), INF);
    EXPECT_EQ(IExpression::calculateFaculty(1e300), INF); // stops early instead of looping
    EXPECT_TRUE(std::isnan(IExpression::calculateFaculty(-1)));
    EXPECT_TRUE(std::isnan(IExpression::calculateFaculty(2.5)));
    IExpression::s_withex = true;
    EXPECT_THROW(IExpression::calculateFaculty(2.5), EngineError);
}

TEST_F(FunctionLibrary, RandomDrawsWholeNumbersInRange) {
    for (int i = 0; i < 1000; ++i) {
        double r = IExpression::calculateFunction(L"rand", 0.0);
        ASSERT_GE(r, 0.0);
        ASSERT_LE(r, 32767.0);
        ASSERT_EQ(r, std::trunc(r));
    }
}

TEST_F(FunctionLibrary, LastResultIsReadBack) {
    IExpression::setLastResult(42.5);
    EXPECT_EQ(IExpression::calculateFunction(L"lastxval", 0.0), 42.5);
}

TEST(FunctionVocabulary, ParameterCountsAndNameTests) {
    EXPECT_EQ(IExpression::s_functions_len, 73);
    EXPECT_EQ(IExpression::countFunctionParameters(L"covxy"), 1);
    EXPECT_EQ(IExpression::countFunctionParameters(L"cnt"), 0);
    EXPECT_EQ(IExpression::countFunctionParameters(L"rand"), 0);
    EXPECT_EQ(IExpression::countFunctionParameters(L"gcd"), 2);
    EXPECT_EQ(IExpression::countFunctionParameters(L"whatever"), 1);
    EXPECT_TRUE(IExpression::isFunction(L"2*sin(x)"));
    EXPECT_FALSE(IExpression::isFunction(L"(x+1)"));
    EXPECT_TRUE(IExpression::isScientificFunction(L"con(3)"));
    EXPECT_FALSE(IExpression::isScientificFunction(L"gcd(3,4)"));
    EXPECT_TRUE(IExpression::isComputerFunction(L"xor(1,2)"));
    EXPECT_FALSE(IExpression::isComputerFunction(L"sin(1)"));
}
} // namespace
