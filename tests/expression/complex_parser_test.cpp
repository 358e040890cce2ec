#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "IExpression.h"
#include "PolynomTerm.h"

namespace {
using Std = std::complex<double>;
using CalculatorModes::DEG;
using CalculatorModes::GRAD;
using CalculatorModes::RAD;
constexpr double PI = 3.141592653589793;
const Std I(0.0, 1.0);

std::unique_ptr<IExpression> parse(const std::wstring& text) {
    return std::unique_ptr<IExpression>(IExpression::parseComplexExpression(text));
}

// The engine code a parse and constant evaluation raise, 0 when they succeed.
std::uint32_t failureOf(const std::wstring& text) {
    try {
        parse(text)->calculateComplexConst();
    } catch (const EngineError& e) {
        return e.code();
    }
    return 0;
}

class ComplexParser : public ::testing::Test {
protected:
    void TearDown() override {
        IExpression::s_withex = false;
        IExpression::s_mode = RAD;
    }
};

struct RewriteCase {
    const wchar_t* input;
    const wchar_t* expected;
};

const RewriteCase kRewrites[] = {
    {L"2+3j", L"2+1*(3*j)"}, // an imaginary literal binds tightest
    {L"2^1.5i", L"2^(1.5*i)"},
    {L"2+3j*5j", L"2+1*(3*j)*(5*j)"}, // each literal on its own
    {L"3j+2", L"3*j+2"},              // not at the start of the text
    {L"sin(3i)", L"sin(3*i)"},        // not after "("
    {L"(2+3i)", L"(2+3*i)"},          // not where the unit closes a parenthesis
    {L"pi+ei", L"pi+(e*i)"},          // not inside words
    {L"2isin(1)", L"2*j*sin(1)"},     // a unit before a function name becomes "j*"
    {L"2sinh(i)", L"2*sinh(i)"},
    {L"-sin(i)", L"-1*sin(i)"},
    {L"2*(-cos(i))", L"2*(-1*cos(i))"},
    {L"3(1+i)(1-i)", L"3*(1+i)*(1-i)"},
    {L"2--3+-i", L"2+3-1*(i)"},
    {L"-(1+i)", L"-1*(1+i)"},
    {L"-pol(2,90)", L"-1*pol(2,90)"},
    {L"jpi+pij", L"(j*pi)+(pi*j)"},
};

TEST_F(ComplexParser, PreTranslationRewritesInOrder) {
    for (const RewriteCase& c : kRewrites) {
        std::wstring text = c.input;
        IExpression::preTranslateComplex(text);
        EXPECT_EQ(text, c.expected) << "input " << std::string(c.input, c.input + wcslen(c.input));
    }
}

struct ValueCase {
    const wchar_t* formula;
    CalculatorModes::MODE mode;
    Std expected;
};

const ValueCase kValues[] = {
    {L"2+3i", RAD, {2, 3}},
    {L"2+3j", RAD, {2, 3}},
    {L"(1+i)^2", RAD, {0, 2}},
    {L"i^i", RAD, {std::exp(-PI / 2), 0}},
    {L"2^3i", RAD, std::pow(2.0, Std(0, 3))},
    {L"(-8)^(1/3)", RAD, {1, std::sqrt(3.0)}},
    {L"(-8)^0.5", RAD, {0, std::sqrt(8.0)}},
    {L"(-1)^i", RAD, {-1, 0}},
    {L"e^(pi*i)", RAD, {-1, 0}},
    {L"8-3-2", RAD, {3, 0}},
    {L"2^3^2", RAD, {64, 0}},
    {L"2*-3", RAD, {-6, 0}},
    {L"1/(1+i)", RAD, {0.5, -0.5}},
    {L"3(1+i)(1-i)", RAD, {6, 0}},
    {L"2E1+i", RAD, {20, 1}},
    {L"sqr(-4)", RAD, {0, 2}},
    {L"ln(-1)", RAD, {0, PI}},
    {L"2sin(i)", RAD, 2.0 * std::sin(I)},
    {L"-cosh(1-2i)", RAD, -std::cosh(Std(1, -2))},
    {L"abs(3+4i)+con(1+2i)", RAD, {6, -2}},
    {L"re(2-5i)*im(2-5i)", RAD, {0, -10}},
    {L"arctan(2i+1)", RAD, std::atan(Std(1, 2))},
    {L"lg(100i)", RAD, std::log10(Std(0, 100))},
    // constant angles of sin, cos and tan are read in the angle unit
    {L"sin(30)", DEG, {0.5, 0}},
    {L"cos(2*30)", DEG, {0.5, 0}},
    {L"tan(50)", GRAD, {1, 0}},
    {L"sin(1)", RAD, {std::sin(1.0), 0}},
    {L"sinh(1)", DEG, {std::sinh(1.0), 0}},
    {L"sin(30+0i)", DEG, std::sin(Std(30, 0))},
    // polar literals: the angle in the angle unit, a sign only in front
    {L"pol(2,pi/2)", RAD, {0, 2}},
    {L"pol(2,-pi/2)", RAD, {0, -2}},
    {L"pol(2,2pi)", RAD, {2, 0}},
    {L"pol(2,90)", DEG, {0, 2}},
    {L"pol(2,-90)", DEG, {0, -2}},
    {L"pol(2,100)", GRAD, {0, 2}},
    {L"pol(2,-100)", GRAD, {0, -2}},
    {L"pol(-2,90)", DEG, {0, -2}},
    {L"-pol(2,90)", DEG, {0, -2}},
    {L"1+pol(1,180)", DEG, {0, 0}},
    {L"pol(2,3*30)i", DEG, {-2, 0}},
};

TEST_F(ComplexParser, EvaluatesFormulas) {
    for (const ValueCase& c : kValues) {
        IExpression::s_mode = c.mode;
        const Complex got = parse(c.formula)->calculateComplexConst();
        const std::string name(c.formula, c.formula + wcslen(c.formula));
        EXPECT_NEAR(got.getA(), c.expected.real(), 1e-9) << name;
        EXPECT_NEAR(got.getB(), c.expected.imag(), 1e-9) << name;
    }
}

struct FailureCase {
    const wchar_t* formula;
    std::uint32_t code;
};

const FailureCase kFailures[] = {
    {L"pol(2,3-1)", ErrorCode::INVALID_INPUT},
    {L"pol(2+1,3)", ErrorCode::INVALID_INPUT},
    {L"pol(2)", ErrorCode::INVALID_INPUT},
    {L"pol(,3)", ErrorCode::INVALID_INPUT},
    {L"pol(2,)", ErrorCode::INVALID_INPUT},
    {L"pol(2,3)4", ErrorCode::INVALID_INPUT},
    {L"pol(2,x)", ErrorCode::INVALID_INPUT},
    {L"pol(j,pi)", ErrorCode::INVALID_INPUT},
    {L"cot(1+i)", ErrorCode::INVALID_INPUT},
    {L"mod(1,2)", ErrorCode::INVALID_INPUT},
    {L"2x", ErrorCode::INVALID_INPUT},
    {L"sin(1)2", ErrorCode::INVALID_INPUT},
    // Numbers are read whole, never up to their first bad character.
    {L"3..5", ErrorCode::INVALID_INPUT},
    {L"1.2.3", ErrorCode::INVALID_INPUT},
    {L"2i3", ErrorCode::INVALID_INPUT},
    {L"2+3j4*5j", ErrorCode::INVALID_INPUT},
    {L"2+3j4j", ErrorCode::INVALID_INPUT},
    {L"(1+2.5j4)", ErrorCode::INVALID_INPUT},
    {L"---1", ErrorCode::INVALID_INPUT},
    {L"2*(1+(i)", ErrorCode::PARENTHESIS},
    {L"(1+i", ErrorCode::PARENTHESIS},
    {L"z(n)", ErrorCode::INVALID_INPUT},
    {L"0^i", ErrorCode::COMPLEX_POWER},
    {L"1/(0+0i)", FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO},
};

TEST_F(ComplexParser, RejectsMalformedInput) {
    IExpression::s_withex = true;
    for (const FailureCase& c : kFailures)
        EXPECT_EQ(failureOf(c.formula), c.code) << std::string(c.formula, c.formula + wcslen(c.formula));
}

TEST_F(ComplexParser, QuietErrorsGiveNaNButZeroDivisorStillFaults) {
    IExpression::s_withex = false;
    EXPECT_TRUE(std::isnan(parse(L"cot(1+i)")->calculateComplexConst().getA()));
    EXPECT_EQ(failureOf(L"1/(0+0i)"), FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO);
    EXPECT_EQ(failureOf(L"0^(2i)"), ErrorCode::COMPLEX_POWER);
}

TEST_F(ComplexParser, SequenceVariableIsBoundAtEvaluation) {
    auto tree = parse(L"z(n)^2+1");
    const Complex got = tree->calculateComplex(Complex(1.0, 1.0));
    EXPECT_DOUBLE_EQ(got.getA(), 1.0);
    EXPECT_DOUBLE_EQ(got.getB(), 2.0);
    EXPECT_THROW(tree->calculate(1.0, 2.0), EngineError); // no real value from a complex tree
}

// A constant part is computed once per tree; a failing one fails every time.
TEST_F(ComplexParser, ConstantPartsKeepTheirValueAndTheirFault) {
    auto tree = parse(L"z(n)^2+(-1+0.5*j)");
    for (double re : {1.0, 2.0, 1.0}) {
        const Complex got = tree->calculateComplex(Complex(re, 0.0));
        EXPECT_EQ(got.getA(), re * re - 1.0);
        EXPECT_EQ(got.getB(), 0.5);
    }
    auto failing = parse(L"z(n)+1/(0*j)");
    for (int i = 0; i < 2; ++i)
        EXPECT_THROW(failing->calculateComplex(Complex(1.0, 0.0)), EngineError);
}

TEST_F(ComplexParser, RealFamilyEvaluationsAreInternalErrors) {
    auto tree = parse(L"1+sin(i)");
    std::vector<double> data{1.0};
    const std::function<void()> calls[] = {
        [&] { tree->calculate(0, 0); },
        [&] { tree->calculateConst(); },
        [&] { tree->calculateComputer(); },
        [&] { tree->calculateStatistic(data); },
        [&] { tree->calculateStatisticXY(data); },
        [&] { tree->toPolynom(); },
    };
    for (const auto& call : calls) {
        try {
            call();
            ADD_FAILURE() << "nothing raised";
        } catch (const EngineError& e) {
            EXPECT_EQ(e.code(), ErrorCode::INTERNAL);
        }
    }
}

TEST_F(ComplexParser, DeepOrLongInputEndsWithAnError) {
    const int n = IExpression::s_max_depth + 10;
    const std::wstring deep = std::wstring(n * 50, L'(') + L"1" + std::wstring(n * 50, L')');
    std::wstring functions;
    for (int k = 0; k < n; ++k)
        functions += L"sin(";
    functions += L"i" + std::wstring(n, L')');
    std::wstring sums = L"1", products = L"1", powers = L"1";
    for (int k = 0; k < n; ++k) {
        sums += L"+2i";
        products += L"*2i";
        powers += L"^1";
    }
    for (const std::wstring& text : {deep, functions, sums, products, powers})
        EXPECT_EQ(failureOf(text), ErrorCode::INVALID_INPUT);
    // Within the bound the same shapes parse and evaluate: the top level
    // and one more for each operator of a chain.
    const int m = IExpression::s_max_depth / 2 - 1;
    const std::wstring nested = std::wstring(m, L'(') + L"i" + std::wstring(m, L')');
    EXPECT_EQ(parse(nested)->calculateComplexConst().getB(), 1.0);
    std::wstring sum = L"1";
    for (int k = 1; k < IExpression::s_max_depth; ++k)
        sum += L"+2";
    EXPECT_EQ(parse(sum)->calculateComplexConst().getA(), 2 * IExpression::s_max_depth - 1);
    EXPECT_EQ(failureOf(sum + L"+2"), ErrorCode::INVALID_INPUT);
}

// Random text over the formula alphabet never crashes or hangs the parser:
// it either gives a value or raises an engine error.
TEST_F(ComplexParser, SurvivesHostileText) {
    const std::wstring alphabet = L"0123456789.+-*/^()ijepolsnczra,E!x \u00b2\u00b4";
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::wstring text;
        const int length = 1 + static_cast<int>(random() % 24);
        for (int k = 0; k < length; ++k)
            text += alphabet[random() % alphabet.size()];
        IExpression::s_withex = round % 2 == 0;
        try {
            auto tree = parse(text);
            tree->calculateComplex(Complex(0.5, -0.5));
        } catch (const EngineError&) {
        }
    }
}
} // namespace
