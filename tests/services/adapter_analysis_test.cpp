#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "AnalysisFixture.h"
#include "EngineAdapter.h"
#include "MessageIds.h"

namespace {
class AdapterAnalysis : public AnalysisTest {
protected:
    EngineAdapter adapter{engine};
};

TEST_F(AdapterAnalysis, TheFunctionCalculatorRaisesErrorsAndShowsTheMessageAsResult) {
    IExpression::s_withex = false;
    std::wstring f = L"arcsin(x+5)", result = L"old";
    EXPECT_FALSE(adapter.calculateFunctionSolve(f, result, -1, 1));
    EXPECT_EQ(result, msg(MessageId::ARCSIN_DOMAIN)); // a domain error, raised only with errors on
    f = L"x^2";
    EXPECT_FALSE(adapter.calculateFunctionExtrema(f, result, 1, 1));
    EXPECT_EQ(result, msg(MessageId::EXTREMA_RANGE));
    f = L"x^2-4";
    EXPECT_TRUE(adapter.calculateFunctionSolve(f, result, -10, 10));
    EXPECT_EQ(result, L"f(x)=0 at -2; 2");

    double value = 7.0;
    f = L"x(3)";
    EXPECT_FALSE(adapter.calculateFunctionAt(f, value, 1.0));
    EXPECT_EQ(value, 7.0);
}

TEST_F(AdapterAnalysis, PlotSamplingTurnsRaisedErrorsOff) {
    IExpression::s_withex = true;
    // With errors raised the sample at 0 would end the pass with "Division by zero!".
    std::wstring f = L"1/x";
    double from = -1, to = 1, step = 0.5;
    std::vector<double> values(OrvantaCalcBase::plotSampleCount(from, to, step));
    ASSERT_TRUE(adapter.calculatePlotterX(f, from, to, step, values.data(), values.size()));
    EXPECT_FALSE(IExpression::s_withex);
    EXPECT_GE(std::fabs(values[2]), 1000.0); // at the pole, or refined next to it

    f = L"x^2";
    from = 1, to = 3;
    std::vector<double> sequence(OrvantaCalcBase::plotSampleCount(from, to, 1.0));
    ASSERT_TRUE(adapter.calculatePlotterX(f, from, to, sequence.data(), sequence.size()));
    EXPECT_EQ(std::vector<double>(sequence.begin(), sequence.begin() + 3), (std::vector<double>{1, 4, 9}));
}
} // namespace
