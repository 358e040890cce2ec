#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "AnalysisFixture.h"
#include "MessageIds.h"

namespace {
constexpr double PI = 3.141592653589793;

TEST_F(SamplingTest, ParametricCircle) {
    std::wstring f = L"f(t)=[x:=cos(t);y:=sin(t);t:=0..2*pi]";
    std::vector<double> xs(101, NAN), ys(101, NAN);
    ASSERT_TRUE(engine.calculateParameterFunction(f, 100, xs.data(), ys.data()));
    EXPECT_DOUBLE_EQ(xs[0], 1.0);
    EXPECT_DOUBLE_EQ(ys[0], 0.0);
    for (int i = 0; i < 100; ++i)
        EXPECT_NEAR(std::hypot(xs[i], ys[i]), 1.0, 1e-12) << i;
    EXPECT_NEAR(std::atan2(ys[99], xs[99]), -2 * PI / 100, 1e-9); // t = 2*pi*99/100
    EXPECT_TRUE(std::isnan(xs[100]) && std::isnan(ys[100]));
}

TEST_F(SamplingTest, ParametricSpaceCurve) {
    std::wstring f = L"z=f(t)=[x:=t;y:=2*t;z:=t^2;t:=0..1]";
    std::vector<double> xs(10), ys(10), zs(10);
    ASSERT_TRUE(engine.calculateParameter3DFunction(f, 10, xs.data(), ys.data(), zs.data()));
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(xs[i], i * 0.1, 1e-12);
        EXPECT_NEAR(ys[i], i * 0.2, 1e-12);
        EXPECT_NEAR(zs[i], i * i * 0.01, 1e-12);
    }
}

TEST_F(SamplingTest, MalformedParametricTextsFailWithoutAMessage) {
    for (const wchar_t* text : {L"f(t)=[x:=cos(t);y:=sin(t)]", L"f(t)=[x:=;y:=t;t:=0..1]",
                                L"f(t)=[x:=t;y:=t;t:=0..]", L"f(t)=[y:=t;x:=t;t:=0..1]"}) {
        std::wstring f = text;
        std::vector<double> xs(5, NAN), ys(5, NAN);
        OrvantaCalcBase::setLastError(L"earlier");
        EXPECT_FALSE(engine.calculateParameterFunction(f, 5, xs.data(), ys.data()));
        EXPECT_EQ(OrvantaCalcBase::getLastError(), L"earlier");
    }
    std::wstring f = L"z=f(t)=[x:=t;y:=t;t:=0..1]";
    std::vector<double> a(5), b(5), c(5);
    EXPECT_FALSE(engine.calculateParameter3DFunction(f, 5, a.data(), b.data(), c.data()));
}

TEST_F(SamplingTest, PolarSamplesAreAnglesAndRadii) {
    std::wstring f = L"f(t)=p=[2*t;t:=0..pi]";
    std::vector<double> ts(11, NAN), rs(11, NAN);
    ASSERT_TRUE(engine.calculatePolarFunction(f, 10, ts.data(), rs.data()));
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(ts[i], i * PI / 10, 1e-12);
        EXPECT_NEAR(rs[i], 2 * ts[i], 1e-12);
    }
    EXPECT_TRUE(std::isnan(ts[10]));
}

TEST_F(SamplingTest, PolarWithAnEmptyRangeGivesNothing) {
    std::wstring f = L"f(t)=p=[1;t:=1..1]";
    std::vector<double> ts(3, NAN), rs(3, NAN);
    ASSERT_TRUE(engine.calculatePolarFunction(f, 3, ts.data(), rs.data()));
    EXPECT_TRUE(std::isnan(ts[0]));
}

struct SequenceCase {
    const wchar_t* f;
    const wchar_t* start;
    double from, to;
    std::vector<double> values;
};

const SequenceCase kSequences[] = {
    {L"f(x-1)+x", L"0", 1, 5, {0, 1, 3, 6, 10}},
    {L"f(x-1)+x", L"0", 3, 5, {0, 6, 10}}, // terms before 3 are computed, not stored
    {L"2*f(x-1)", L"1", 1, 6, {1, 2, 4, 8, 16, 32}},
    {L"f(x-1)/2+1", L"4", 1, 3, {4, 3, 2.5}},
    {L"f(x-1)+x", L"0", 1, 1, {0}},
};

TEST_F(SamplingTest, RecursiveSequencesStoreTheStartValueAndTheTermsFromFromOn) {
    for (const SequenceCase& c : kSequences) {
        std::wstring f = c.f, start = c.start;
        double from = c.from, to = c.to;
        std::vector<double> values(c.values.size() + 1, -1.0);
        ASSERT_TRUE(engine.calculateFolgeRecursiv(f, from, to, start, values.data(), c.values.size()));
        EXPECT_EQ(std::vector<double>(values.begin(), values.end() - 1), c.values);
        EXPECT_EQ(values.back(), -1.0);
    }
}

TEST_F(SamplingTest, TheNthTermOfARecursiveSequence) {
    std::wstring f = L"f(x-1)+x+y", start = L"0";
    double n = 4, y = 1, value = -1;
    ASSERT_TRUE(engine.calculateFolgeRecursiv(f, n, y, start, value));
    EXPECT_EQ(value, 14.0); // 2, 5, 9, 14
    n = 0;
    value = -1;
    ASSERT_TRUE(engine.calculateFolgeRecursiv(f, n, y, start, value));
    EXPECT_EQ(value, -1.0);
}

TEST_F(SamplingTest, EndlessSequencesAreRefused) {
    std::wstring f = L"f(x-1)+1", start = L"0";
    std::vector<double> values(4);
    const auto begin = std::chrono::steady_clock::now();
    for (double to : {1e300, static_cast<double>(INFINITY), static_cast<double>(NAN)}) {
        double from = 1;
        EXPECT_FALSE(engine.calculateFolgeRecursiv(f, from, to, start, values.data(), values.size()));
        EXPECT_EQ(OrvantaCalcBase::getLastError(), msg(MessageId::TO_INVALID));
        double n = to, y = 0, value = 0;
        EXPECT_FALSE(engine.calculateFolgeRecursiv(f, n, y, start, value));
    }
    double from = 1e300, to = 3;
    ASSERT_TRUE(engine.calculateFolgeRecursiv(f, from, to, start, values.data(), values.size()));
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(1));
}
} // namespace
