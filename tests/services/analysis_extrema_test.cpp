#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cwchar>
#include <string>

#include "AnalysisFixture.h"
#include "MessageIds.h"

namespace {
struct PointCase {
    const wchar_t* f;
    double from, to;
    const wchar_t* expected;
};

const PointCase kExtremaCases[] = {
    {L"x^2", -1, 1, L"Extremas: Min(0,0)"},       {L"x^3-3*x", -3, 3, L"Extremas: Max(-1,2);Min(1,-2)"},
    {L"-(x-2)^2+3", 0, 5, L"Extremas: Max(2,3)"}, {L"x", -1, 1, L"No extremas found..."},
    {L"1/x", -1, 1, L"No extremas found..."}, // f' keeps its sign across the pole
};

TEST_F(AnalysisTest, ExtremaAreTheSignChangesOfTheDerivative) {
    for (const PointCase& c : kExtremaCases) {
        SCOPED_TRACE(std::string(c.f, c.f + std::wcslen(c.f)));
        std::wstring f = c.f, result = L"old";
        ASSERT_TRUE(engine.calculateFunctionExtrema(f, result, c.from, c.to))
            << OrvantaCalcBase::getLastError();
        EXPECT_EQ(result, c.expected);
    }
}

const PointCase kSaddleCases[] = {
    {L"x^3", -1, 1, L"saddle-points: (0,0)"},
    {L"x^3-3*x^2", -5, 5, L"saddle-points: (1,-2)"},
    {L"x^2", -1, 1, L"No saddle points found..."},
};

TEST_F(AnalysisTest, SaddlePointsAreTheSignChangesOfTheSecondDerivative) {
    for (const PointCase& c : kSaddleCases) {
        SCOPED_TRACE(std::string(c.f, c.f + std::wcslen(c.f)));
        std::wstring f = c.f, result;
        ASSERT_TRUE(engine.calculateFunctionSaddlePoints(f, result, c.from, c.to))
            << OrvantaCalcBase::getLastError();
        EXPECT_EQ(result, c.expected);
    }
}

TEST_F(AnalysisTest, SaddlePointsOfTheSineLieOnTheAxisAtMultiplesOfPi) {
    std::wstring f = L"sin(x)", result;
    ASSERT_TRUE(engine.calculateFunctionSaddlePoints(f, result, -4, 4));
    const auto numbers = numbersIn(result);
    ASSERT_EQ(numbers.size(), 6u) << std::string(result.begin(), result.end());
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(numbers[2 * k], (k - 1) * 3.141592653589793, 1e-6);
        EXPECT_NEAR(numbers[2 * k + 1], 0.0, 1e-6);
    }
}

struct RangeFailure {
    const char* name;
    bool saddle;
    const wchar_t* f;
    double from, to;
    unsigned int message;
};

const RangeFailure kRangeFailures[] = {
    {"extrema over an empty range", false, L"x^2", 1, 1, MessageId::EXTREMA_RANGE},
    {"extrema over a reversed range", false, L"x^2", 2, 1, MessageId::EXTREMA_RANGE},
    {"extrema over an endless range", false, L"x^2", -INFINITY, 1, MessageId::EXTREMA_RANGE},
    {"saddle points over an empty range", true, L"x^3", 1, 1, MessageId::SADDLE_RANGE},
    {"extrema without a derivative", false, L"abs(x)", -1, 1, MessageId::CANNOT_DERIVE},
    {"saddle points of a factorial", true, L"(x+1)!", -1, 1, MessageId::CANNOT_DERIVE},
    {"no x", false, L"2+3", -1, 1, MessageId::NO_FUNCTION_OF_X},
};

TEST_F(AnalysisTest, ExtremaAndSaddlePointsRefuseAtOnce) {
    for (const RangeFailure& c : kRangeFailures) {
        SCOPED_TRACE(c.name);
        std::wstring f = c.f, result = L"old";
        const auto start = std::chrono::steady_clock::now();
        const bool ok = c.saddle ? engine.calculateFunctionSaddlePoints(f, result, c.from, c.to)
                                 : engine.calculateFunctionExtrema(f, result, c.from, c.to);
        EXPECT_FALSE(ok);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_EQ(OrvantaCalcBase::getLastError(), msg(c.message));
        EXPECT_EQ(result, L"");
    }
}
} // namespace
