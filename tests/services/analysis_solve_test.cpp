#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "AnalysisFixture.h"
#include "MessageIds.h"

namespace {
constexpr double PI = 3.141592653589793;

struct ZeroCase {
    const char* name;
    const wchar_t* f;
    double from, to, step;
    std::vector<double> zeros; // expected, in the order found
};

const ZeroCase kZeroCases[] = {
    {"two simple roots", L"x^2-4", -10, 10, 0, {-2, 2}},
    {"three roots of a cubic", L"(x-1)*(x+2)*(x-3)", -5, 5, 0, {-2, 1, 3}},
    {"touching zero through the derivative", L"x^2", -1, 1, 0, {0}},
    {"touching zero off the origin", L"(x-1)^2", -3, 3, 0, {1}},
    {"periodic", L"sin(x)", -4, 4, 0, {-PI, 0, PI}},
    {"defined on one side only", L"sqr(x)-1", -5, 5, 0, {1}},
    {"logarithm from its domain edge on", L"ln(x)", -1, 3, 0, {1}},
    {"a given step", L"x^2-2", 0, 3, 0.25, {std::sqrt(2.0)}},
    {"a function without a derivative rule", L"abs(x)-1", -3, 3, 0, {-1, 1}},
};

class ZeroSearch : public AnalysisTest, public ::testing::WithParamInterface<ZeroCase> {};

TEST_P(ZeroSearch, FindsTheKnownRootsOnce) {
    const ZeroCase& c = GetParam();
    std::wstring f = c.f, result;
    std::vector<double> zeros = {42.0};
    ASSERT_TRUE(engine.calculateFunctionSolve(f, result, zeros, c.from, c.to, c.step))
        << OrvantaCalcBase::getLastError();
    ASSERT_EQ(zeros.size(), c.zeros.size()) << std::string(result.begin(), result.end());
    for (std::size_t i = 0; i < zeros.size(); ++i)
        EXPECT_NEAR(zeros[i], c.zeros[i], 1e-4) << i;
    EXPECT_EQ(result.rfind(msg(MessageId::ZEROS), 0), 0u);
    EXPECT_EQ(numbersIn(result.substr(msg(MessageId::ZEROS).size())).size(), c.zeros.size());
}

INSTANTIATE_TEST_SUITE_P(Roots, ZeroSearch, ::testing::ValuesIn(kZeroCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

TEST_F(AnalysisTest, SolveWritesTheZerosAsTheFunctionCalculatorShowsThem) {
    std::wstring f = L"x^2-4", result;
    std::vector<double> zeros;
    ASSERT_TRUE(engine.calculateFunctionSolve(f, result, zeros, -10, 10, 0));
    EXPECT_EQ(result, L"f(x)=0 at -2; 2");
}

TEST_F(AnalysisTest, APoleIsNoZero) {
    for (const wchar_t* text : {L"1/x", L"x^2+1"}) {
        std::wstring f = text, result;
        std::vector<double> zeros;
        ASSERT_TRUE(engine.calculateFunctionSolve(f, result, zeros, -1, 1, 0));
        EXPECT_EQ(result, L"No points found...");
        EXPECT_TRUE(zeros.empty());
    }
}

struct SolveFailure {
    const char* name;
    const wchar_t* f;
    double from, to, step;
    unsigned int message;
};

const SolveFailure kSolveFailures[] = {
    {"no x", L"5", -1, 1, 0, MessageId::NO_FUNCTION_OF_X},
    {"invalid text", L"x+", -1, 1, 0, MessageId::BAD_END},
    {"negative step", L"x", -1, 1, -0.1, MessageId::STEP_INVALID},
    {"step too small for the range", L"x", -1e6, 1e6, 1e-9, MessageId::STEP_INVALID},
    {"step lost in the size of the numbers", L"x", 1e17, 1e17 + 1000, 0.25, MessageId::STEP_INVALID},
    {"range without end", L"x", 0, INFINITY, 0, MessageId::ZEROS_RANGE},
    {"range without start", L"x", NAN, 1, 0, MessageId::ZEROS_RANGE},
};

TEST_F(AnalysisTest, SolveRefusesWhatItCannotWalkAtOnce) {
    for (const SolveFailure& c : kSolveFailures) {
        SCOPED_TRACE(c.name);
        std::wstring f = c.f, result = L"old";
        std::vector<double> zeros = {1.0};
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(engine.calculateFunctionSolve(f, result, zeros, c.from, c.to, c.step));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_EQ(OrvantaCalcBase::getLastError(), msg(c.message));
        EXPECT_TRUE(zeros.empty());
    }
}
} // namespace
