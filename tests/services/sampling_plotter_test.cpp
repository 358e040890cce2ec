#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "AnalysisFixture.h"
#include "MessageIds.h"

namespace {
constexpr double SENTINEL = -12345.0;

// A caller's array: the capacity the count contract asks for, and one guard
// slot behind it that must stay untouched.
struct Samples {
    explicit Samples(std::size_t capacity) : capacity(capacity), values(capacity + 1, NAN) {
        values[capacity] = SENTINEL;
    }
    double* data() { return values.data(); }
    bool guardIntact() const { return values[capacity] == SENTINEL; }
    std::size_t capacity;
    std::vector<double> values;
};

TEST_F(SamplingTest, PolesAreRefinedSoTheCurveRunsOffTheScreen) {
    std::wstring f = L"1/x";
    double from = -1.05, to = 1.0, step = 0.1;
    Samples s(OrvantaCalcBase::plotSampleCount(from, to, step));
    ASSERT_TRUE(engine.calculatePlotterX(f, from, to, step, s.data(), s.capacity));
    // Samples 10 and 11 lie at -0.05 and 0.05, next to the pole.
    EXPECT_LE(s.values[10], -1000.0);
    EXPECT_GE(s.values[11], 1000.0);
    for (int i : {0, 5, 9, 12, 15, 20})
        EXPECT_NEAR(s.values[i], 1.0 / (from + i * step), 1e-9) << i;
    EXPECT_TRUE(s.guardIntact());
}

TEST_F(SamplingTest, CurvesEndAtTheEdgeOfTheirDomain) {
    struct EdgeCase {
        const wchar_t* f;
        int refined;          // index of the sample replaced by the value at the edge
        bool undefinedBefore; // the samples before it are undefined (else after)
    };
    for (const EdgeCase& c : {EdgeCase{L"sqrt(x)", 3, true}, EdgeCase{L"sqr(-x)", 4, false}}) {
        SCOPED_TRACE(std::string(c.f, c.f + std::wcslen(c.f)));
        std::wstring f = c.f;
        double from = -1.0, to = 1.0, step = 0.3;
        Samples s(OrvantaCalcBase::plotSampleCount(from, to, step));
        ASSERT_TRUE(engine.calculatePlotterX(f, from, to, step, s.data(), s.capacity));
        EXPECT_TRUE(std::isfinite(s.values[c.refined]));
        EXPECT_LT(s.values[c.refined], 0.01);
        EXPECT_TRUE(std::isnan(s.values[c.undefinedBefore ? c.refined - 1 : c.refined + 1]));
    }
}

TEST_F(SamplingTest, MonotoneSamplesAreLeftAsTheyAre) {
    for (const wchar_t* text : {L"-x", L"x^3", L"e^x"}) {
        std::wstring f = text;
        double from = -2.0, to = 2.0, step = 0.25;
        Samples s(OrvantaCalcBase::plotSampleCount(from, to, step));
        ASSERT_TRUE(engine.calculatePlotterX(f, from, to, step, s.data(), s.capacity));
        std::unique_ptr<IExpression> tree(IExpression::parseExpression(text, true));
        for (int i = 0; i <= 16; ++i)
            EXPECT_DOUBLE_EQ(s.values[i], tree->calculate(from + i * step, 0.0)) << i;
    }
}

TEST_F(SamplingTest, TheCountFormulaBoundsEveryWalk) {
    struct Walk {
        double from, to, step;
    };
    for (const Walk& w : {Walk{0, 1, 0.1}, Walk{-1.05, 1, 0.1}, Walk{0, 10, 1}, Walk{-3, 7, 1.0 / 3.0},
                          Walk{0, 0, 0.5}, Walk{1e6, 1e6 + 1, 0.01}, Walk{-0.7, 0.7, 0.07}}) {
        double from = w.from, to = w.to, step = w.step;
        std::wstring f = L"x";
        Samples x(OrvantaCalcBase::plotSampleCount(from, to, step));
        ASSERT_TRUE(engine.calculatePlotterX(f, from, to, step, x.data(), x.capacity));
        EXPECT_TRUE(x.guardIntact());
        // floor((to - from) / step) + 1 values, give or take one for rounding.
        const auto written =
            std::count_if(x.values.begin(), x.values.end() - 1, [](double v) { return !std::isnan(v); });
        EXPECT_GE(written + 2, static_cast<long>(x.capacity) - 1);
        Samples y(OrvantaCalcBase::plotSampleCount(from, to, step));
        f = L"y";
        ASSERT_TRUE(engine.calculatePlotterY(f, from, to, step, y.data(), y.capacity));
        EXPECT_TRUE(y.guardIntact());
        double t = 1.0;
        Samples tx(OrvantaCalcBase::plotSampleCount(from, to, step));
        f = L"x*y";
        ASSERT_TRUE(engine.calculatePlotterTX(f, t, from, to, step, tx.data(), tx.capacity));
        EXPECT_TRUE(tx.guardIntact());
    }
}

TEST_F(SamplingTest, ASmallArrayIsNeverOverrun) {
    std::wstring f = L"x";
    double from = 0, to = 100, step = 1;
    Samples s(10);
    ASSERT_TRUE(engine.calculatePlotterX(f, from, to, step, s.data(), s.capacity));
    EXPECT_TRUE(s.guardIntact());
    EXPECT_EQ(s.values[9], 9.0);
}

TEST_F(SamplingTest, WalksThatCannotEndAreRefused) {
    struct Bad {
        double from, to, step;
        unsigned int message;
    };
    for (const Bad& b :
         {Bad{0, 1, 0, MessageId::STEP_INVALID}, Bad{0, 1, -0.1, MessageId::STEP_INVALID},
          Bad{0, 1, NAN, MessageId::STEP_INVALID}, Bad{0, 1e9, 1e-3, MessageId::STEP_INVALID},
          Bad{NAN, 1, 0.1, MessageId::FROM_INVALID}, Bad{0, INFINITY, 0.1, MessageId::TO_INVALID}}) {
        double from = b.from, to = b.to, step = b.step, t = 0;
        std::wstring f = L"x";
        Samples s(4);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(engine.calculatePlotterX(f, from, to, step, s.data(), s.capacity));
        EXPECT_EQ(OrvantaCalcBase::getLastError(), msg(b.message));
        EXPECT_FALSE(engine.calculatePlotterY(f, from, to, step, s.data(), s.capacity));
        EXPECT_FALSE(engine.calculatePlotterTX(f, t, from, to, step, s.data(), s.capacity));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        EXPECT_EQ(OrvantaCalcBase::plotSampleCount(from, to, step), 0u);
    }
}

TEST_F(SamplingTest, CurveInYAndFamilyInTAndX) {
    std::wstring f = L"y^2";
    double from = -1, to = 1, step = 0.5, t = 3.0;
    Samples y(OrvantaCalcBase::plotSampleCount(from, to, step));
    ASSERT_TRUE(engine.calculatePlotterY(f, from, to, step, y.data(), y.capacity));
    EXPECT_EQ(std::vector<double>(y.values.begin(), y.values.begin() + 5),
              (std::vector<double>{1, 0.25, 0, 0.25, 1}));

    f = L"x*y";
    Samples tx(OrvantaCalcBase::plotSampleCount(from, to, step));
    ASSERT_TRUE(engine.calculatePlotterTX(f, t, from, to, step, tx.data(), tx.capacity));
    EXPECT_EQ(std::vector<double>(tx.values.begin(), tx.values.begin() + 5),
              (std::vector<double>{-3, -1.5, 0, 1.5, 3}));
}

TEST_F(SamplingTest, FamilyCurvesStartWhereTheyBecomeDefined) {
    std::wstring f = L"sqr(x)";
    double from = -1, to = 1, step = 0.3, t = 0;
    Samples s(OrvantaCalcBase::plotSampleCount(from, to, step));
    ASSERT_TRUE(engine.calculatePlotterTX(f, t, from, to, step, s.data(), s.capacity));
    // Sample 3 (x = -0.1) gets the first valid value probed at step/100 from -0.1
    // on: x is 0 or a little more.
    EXPECT_GE(s.values[3], 0.0);
    EXPECT_LE(s.values[3], std::sqrt(0.0031));
    EXPECT_TRUE(std::isnan(s.values[2]));
}

TEST_F(SamplingTest, OneValueAndFaults) {
    std::wstring f = L"x^2+y";
    double value = 0;
    ASSERT_TRUE(engine.calculatePlotter(f, 3, 1, value));
    EXPECT_EQ(value, 10.0);
    f = L"2E1*x";
    ASSERT_TRUE(engine.calculatePlotter(f, 2, 0, value));
    EXPECT_EQ(value, 40.0);
    f = L"x(3)";
    EXPECT_FALSE(engine.calculatePlotter(f, 3, 1, value));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), msg(MessageId::INVALID_INPUT));
}
} // namespace
