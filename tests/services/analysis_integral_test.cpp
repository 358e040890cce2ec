#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cwchar>
#include <string>
#include <vector>

#include "AnalysisFixture.h"
#include "MessageIds.h"

namespace {
using CalculatorModes::INT_RECTANGULAR;
using CalculatorModes::INT_SIMPSON;
using CalculatorModes::INT_TRAPEZ;

// The value after "=" of a single-value integral text.
double integralValue(const std::wstring& text) {
    const auto numbers = numbersIn(text.substr(text.find(L'=') + 1));
    return numbers.empty() ? NAN : numbers.front();
}

struct IntegralCase {
    const char* name;
    const wchar_t* f;
    double from, to, step;
    bool absolute;
    CalculatorModes::INTEGRALTYPE type;
    double expected;
    double tolerance;
};

const IntegralCase kIntegralCases[] = {
    // Simpson's rule is exact for polynomials up to degree three.
    {"simpson, square", L"x^2", 0, 1, 0.1, false, INT_SIMPSON, 1.0 / 3.0, 1e-8},
    {"simpson, cube", L"x^3", 0, 2, 0.1, false, INT_SIMPSON, 4.0, 1e-8},
    {"simpson, odd step count made even", L"x^3", 0, 2, 0.4, false, INT_SIMPSON, 4.0, 1e-8},
    {"simpson, sine", L"sin(x)", 0, 3.141592653589793, 0.01, false, INT_SIMPSON, 2.0, 1e-8},
    // The trapezoid rule overestimates x^2 by exactly h^2/6 per unit.
    {"trapezoid, square", L"x^2", 0, 1, 0.01, false, INT_TRAPEZ, 1.0 / 3.0 + 0.0001 / 6.0, 1e-8},
    {"trapezoid, line", L"2*x+1", 1, 3, 0.1, false, INT_TRAPEZ, 10.0, 1e-8},
    {"trapezoid, exponential", L"e^x", 0, 1, 0.001, false, INT_TRAPEZ, std::exp(1.0) - 1.0, 1e-6},
    // With the absolute value the interior terms count positive, the end terms keep their sign.
    {"trapezoid, absolute", L"x", -1, 1, 0.1, true, INT_TRAPEZ, 0.9, 1e-8},
    {"simpson, absolute", L"x", -1, 1, 0.1, true, INT_SIMPSON, 2.8 / 3.0, 1e-8},
    {"simpson, plain odd function", L"x", -1, 1, 0.1, false, INT_SIMPSON, 0.0, 1e-8},
    {"simpson, empty range", L"x", 1, 1, 0.1, false, INT_SIMPSON, 0.0, 0.0},
};

TEST_F(AnalysisTest, IntegralsAgreeWithTheirClosedForms) {
    for (const IntegralCase& c : kIntegralCases) {
        SCOPED_TRACE(c.name);
        std::wstring f = c.f, result;
        ASSERT_TRUE(engine.calculateFunctionIntegral(f, result, c.from, c.to, c.step, c.absolute, c.type))
            << OrvantaCalcBase::getLastError();
        EXPECT_EQ(result.rfind(c.absolute ? L"integral_abs(" : L"integral(", 0), 0u);
        EXPECT_NEAR(integralValue(result), c.expected, c.tolerance)
            << std::string(result.begin(), result.end());
    }
    EXPECT_TRUE(boxes.empty());
}

struct RectangleCase {
    const wchar_t* f;
    double from, to, step;
    bool absolute;
    const wchar_t* expected;
};

const RectangleCase kRectangleCases[] = {
    {L"x", 0, 1, 0.01, false, L"integral(0.00,1.00)=Left:0.495;Right:0.505;Avg:0.5"},
    // Ten steps of 0.1 add up to slightly less than 1: still ten rectangles.
    {L"x-x+1", 0, 1, 0.1, false, L"integral(0.00,1.00)=Left:1;Right:1;Avg:1"},
    {L"x", -1, 1, 0.1, true, L"integral_abs(-1.00,1.00)=Left:1;Right:1;Avg:1"},
    {L"x", 1, 0, 0.1, false, L"integral(1.00,0.00)=Left:0;Right:0;Avg:0"},
};

TEST_F(AnalysisTest, RectangleSumsGiveLeftRightAndMean) {
    for (const RectangleCase& c : kRectangleCases) {
        std::wstring f = c.f, result;
        ASSERT_TRUE(
            engine.calculateFunctionIntegral(f, result, c.from, c.to, c.step, c.absolute, INT_RECTANGULAR));
        EXPECT_EQ(result, c.expected);
    }
}

TEST_F(AnalysisTest, AnUnknownRuleGivesZero) {
    std::wstring f = L"x", result;
    ASSERT_TRUE(engine.calculateFunctionIntegral(f, result, 0, 1, 0.1, false,
                                                 static_cast<CalculatorModes::INTEGRALTYPE>(7)));
    EXPECT_EQ(result, L"integral(0.00,1.00)=0");
}

TEST_F(AnalysisTest, IntegralOverUndefinedPointsOrJumpsIsRefusedWithAMessageBox) {
    for (const wchar_t* text : {L"sqrt(x)", L"ln(x)", L"1/x", L"1/(x-0.5)"}) {
        SCOPED_TRACE(std::string(text, text + std::wcslen(text)));
        boxes.clear();
        std::wstring f = text, result;
        ASSERT_TRUE(engine.calculateFunctionIntegral(f, result, -1, 1, 0.01, false, INT_SIMPSON));
        EXPECT_EQ(result, L"Cannot calculate integral!");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], L"Cannot calculate integral!\nFunction has undefined points in the given range!");
    }
}

TEST_F(AnalysisTest, ASampleBeyondTheRangeThatIsUndefinedAlsoRefuses) {
    // The right rectangle of the last step reaches 1.2, where sqr(1-x) is undefined.
    std::wstring f = L"sqr(1-x)", result;
    ASSERT_TRUE(engine.calculateFunctionIntegral(f, result, 0, 1, 0.3, false, INT_RECTANGULAR));
    EXPECT_EQ(result, L"Cannot calculate integral!");
    EXPECT_EQ(boxes.size(), 1u);
}

struct IntegralFailure {
    const char* name;
    const wchar_t* f;
    double from, to, step;
    unsigned int message;
};

const IntegralFailure kIntegralFailures[] = {
    {"zero step", L"x", 0, 1, 0, MessageId::STEP_INVALID},
    {"negative step", L"x", 0, 1, -0.5, MessageId::STEP_INVALID},
    {"too many steps", L"x", 0, 1, 1e-12, MessageId::STEP_INVALID},
    {"endless range", L"x", 0, INFINITY, 0.1, MessageId::TO_INVALID},
    {"no x", L"4", 0, 1, 0.1, MessageId::NO_FUNCTION_OF_X},
    {"range too wide to scan for discontinuities", L"x", 0, 1e5, 1, MessageId::DISCONTINUITIES_RANGE},
};

TEST_F(AnalysisTest, IntegralRefusesWalksThatWouldNotEnd) {
    for (const IntegralFailure& c : kIntegralFailures) {
        SCOPED_TRACE(c.name);
        std::wstring f = c.f, result;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(engine.calculateFunctionIntegral(f, result, c.from, c.to, c.step, false, INT_TRAPEZ));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_EQ(OrvantaCalcBase::getLastError(), msg(c.message));
        EXPECT_TRUE(boxes.empty());
    }
}

struct DiscontinuityCase {
    const char* name;
    const wchar_t* f;
    double from, to;
    std::vector<double> jumps;
    bool undefined;
};

const DiscontinuityCase kDiscontinuityCases[] = {
    {"pole with a sign change", L"1/x", -1, 1, {0.0}, false},
    {"shifted pole", L"1/(x-0.5)", 0, 1, {0.5}, false},
    {"pole of the derivative only", L"1/x^2", -1, 1, {0.0}, false},
    {"smooth", L"x^2", -1, 1, {}, false},
    {"half undefined", L"sqr(x)", -1, 1, {}, true},
    {"smooth without a derivative rule", L"abs(x)+1", -1, 1, {}, false},
};

TEST_F(AnalysisTest, DiscontinuitiesAreJumpsOfTheFunctionOrItsDerivative) {
    for (const DiscontinuityCase& c : kDiscontinuityCases) {
        SCOPED_TRACE(c.name);
        std::wstring f = c.f;
        std::vector<double> jumps = {9.0}, undefined = {9.0};
        ASSERT_TRUE(engine.calculateFunctionDiscontinues(f, c.from, c.to, jumps, undefined))
            << OrvantaCalcBase::getLastError();
        ASSERT_EQ(jumps.size(), c.jumps.size());
        for (std::size_t i = 0; i < jumps.size(); ++i)
            EXPECT_NEAR(jumps[i], c.jumps[i], 1e-3);
        EXPECT_EQ(!undefined.empty(), c.undefined);
    }
}

TEST_F(AnalysisTest, DiscontinuityTextNamesTheRangeAndTheJumps) {
    std::wstring f = L"1/(x-0.5)", result;
    ASSERT_TRUE(engine.calculateFunctionDiscontinues(f, result, 0, 1));
    ASSERT_EQ(result.rfind(L"discontinuities(0.00,1.00)=", 0), 0u)
        << std::string(result.begin(), result.end());
    EXPECT_NEAR(numbersIn(result.substr(result.find(L'=') + 1)).at(0), 0.5, 1e-3);

    f = L"x^2";
    ASSERT_TRUE(engine.calculateFunctionDiscontinues(f, result, -1, 1));
    EXPECT_EQ(result, L"discontinuities(-1.00,1.00)=No discontinuities found...");
}
} // namespace
