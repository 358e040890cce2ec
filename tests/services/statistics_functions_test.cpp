#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "EngineError.h"
#include "IExpression.h"

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

const std::vector<double> kEight = {2, 4, 4, 4, 5, 5, 7, 9};
const std::vector<double> kThree = {1, 2, 3};
const std::vector<double> kPairs = {1, 2, 2, 4, 3, 6}; // (1,2) (2,4) (3,6)
const std::vector<double> kFourShuffled = {4, 1, 3, 2};
const std::vector<double> kOddPairs = {1, 10, 2, 20, 3}; // the 3 has no partner
const std::vector<double> kEmpty = {};
const std::vector<double> kOne = {7};

struct StatisticCase {
    const wchar_t* name;
    const std::vector<double>* data;
    bool pairs;
    double argument;
    double expected; // NaN: the result must be NaN
};

const StatisticCase kCases[] = {
    // A data set with known moments.
    {L"meanx", &kEight, false, 0, 5},
    {L"varpopx", &kEight, false, 0, 4},
    {L"stddevpopx", &kEight, false, 0, 2},
    {L"varx", &kEight, false, 0, 32.0 / 7.0},
    {L"stddevx", &kEight, false, 0, std::sqrt(32.0 / 7.0)},
    {L"varcoffsamx", &kEight, false, 0, std::sqrt(32.0 / 7.0) / 5.0},
    {L"varcoffpopx", &kEight, false, 0, 0.4},
    {L"medx", &kEight, false, 0, 4.5},
    {L"cnt", &kEight, false, 0, 8},
    {L"minx", &kEight, false, 0, 2},
    {L"maxx", &kEight, false, 0, 9},
    {L"sumx", &kEight, false, 0, 40},
    {L"sumsqx", &kEight, false, 0, 232},
    {L"medx", &kThree, false, 0, 2},
    {L"meangeomx", &kThree, false, 0, std::pow(6.0, 1.0 / 3.0)},
    // Pairs: x is 1, 2, 3 and y is 2, 4, 6.
    {L"sumxy", &kPairs, true, 0, 28},
    {L"covxy", &kPairs, true, 0, 4.0 / 3.0},
    {L"meany", &kPairs, true, 0, 4},
    {L"sumy", &kPairs, true, 0, 12},
    {L"sumsqy", &kPairs, true, 0, 56},
    {L"miny", &kPairs, true, 0, 2},
    {L"maxy", &kPairs, true, 0, 6},
    {L"medy", &kPairs, true, 0, 4},
    {L"vary", &kPairs, true, 0, 4},
    {L"varpopy", &kPairs, true, 0, 8.0 / 3.0},
    {L"stddevy", &kPairs, true, 0, 2},
    {L"stddevpopy", &kPairs, true, 0, std::sqrt(8.0 / 3.0)},
    {L"varcoffsamy", &kPairs, true, 0, 0.5},
    {L"varcoffpopy", &kPairs, true, 0, std::sqrt(8.0 / 3.0) / 4.0},
    {L"meangeomy", &kPairs, true, 0, std::pow(48.0, 1.0 / 3.0)},
    {L"cnt", &kPairs, true, 0, 3},
    {L"meanx", &kPairs, true, 0, 2},
    // Quantiles over 1..4 given unsorted: t = 4 * alpha.
    {L"quantx", &kFourShuffled, false, 0.25, 1.5}, // t = 1, whole: (s0 + s1) / 2
    {L"quantx", &kFourShuffled, false, 0.5, 2.5},
    {L"quantx", &kFourShuffled, false, 0.75, 3.5},
    {L"quantx", &kFourShuffled, false, 0.3, 2}, // t = 1.2: s1
    {L"quantx", &kFourShuffled, false, 0.9, 4}, // t = 3.6: s3
    {L"quantx", &kFourShuffled, false, 0.1, 1}, // t = 0.4: s0
    {L"quantx", &kFourShuffled, false, 0.0, 1}, // bounds: first and last value
    {L"quantx", &kFourShuffled, false, 1.0, 4},
    {L"quanty", &kPairs, true, 0.5, 4},       // y 2, 4, 6: t = 1.5: s1
    {L"quanty", &kPairs, true, 1.0 / 3.0, 3}, // t = 1: (s0 + s1) / 2
    // An unpaired last value is left out.
    {L"cnt", &kOddPairs, true, 0, 2},
    {L"sumx", &kOddPairs, true, 0, 3},
    {L"sumy", &kOddPairs, true, 0, 30},
    {L"sumxy", &kOddPairs, true, 0, 50},
    // Empty lists: sums and the count are 0, everything else undefined.
    {L"sumx", &kEmpty, false, 0, 0},
    {L"cnt", &kEmpty, false, 0, 0},
    {L"meanx", &kEmpty, false, 0, NaN},
    {L"meangeomx", &kEmpty, false, 0, NaN},
    {L"varx", &kEmpty, false, 0, NaN},
    {L"stddevpopx", &kEmpty, false, 0, NaN},
    {L"medx", &kEmpty, false, 0, NaN},
    {L"minx", &kEmpty, false, 0, NaN},
    {L"maxx", &kEmpty, false, 0, NaN},
    {L"quantx", &kEmpty, false, 0.5, NaN},
    {L"covxy", &kEmpty, true, 0, NaN},
    {L"medy", &kEmpty, true, 0, NaN},
    {L"varx", &kThree, false, 0, 1},
    {L"varx", &kOne, false, 0, NaN}, // one value: 0 / 0
    {L"varpopx", &kOne, false, 0, 0},
    {L"medx", &kOddPairs, false, 0, 3},
};

class StatisticFunctionTest : public ::testing::Test {
protected:
    void TearDown() override { IExpression::s_withex = false; }
};

TEST_F(StatisticFunctionTest, EveryNameOverKnownData) {
    for (const bool withex : {false, true}) {
        IExpression::s_withex = withex;
        for (const StatisticCase& c : kCases) {
            std::vector<double> data = *c.data;
            SCOPED_TRACE(std::string(c.name, c.name + std::wcslen(c.name)) + " alpha " +
                         std::to_string(c.argument));
            const double v = IExpression::calculateStatisticFunction(c.name, data, c.pairs, c.argument);
            if (std::isnan(c.expected)) {
                EXPECT_TRUE(std::isnan(v)) << v;
            } else {
                EXPECT_NEAR(v, c.expected, 1e-12);
            }
            EXPECT_EQ(data, *c.data); // the caller's data stays as it was
        }
    }
}

// The sort taken literally: out goes the first smallest remaining value.
std::vector<double> selectionSorted(std::vector<double> v) {
    std::vector<double> out;
    while (!v.empty()) {
        std::size_t smallest = 0;
        for (std::size_t k = 1; k < v.size(); ++k)
            if (v[k] < v[smallest]) smallest = k;
        out.push_back(v[smallest]);
        v.erase(v.begin() + static_cast<std::ptrdiff_t>(smallest));
    }
    return out;
}

TEST_F(StatisticFunctionTest, QuantilesFollowTheSelectionOrderWithNotANumberAnywhere) {
    std::mt19937 generator(3);
    std::uniform_int_distribution<int> pick(0, 5);
    for (int round = 0; round < 200; ++round) {
        std::vector<double> data(static_cast<std::size_t>(1 + round % 9));
        for (double& v : data)
            v = pick(generator) == 0 ? NaN : pick(generator); // repeats and NaN
        const std::vector<double> s = selectionSorted(data);
        for (std::size_t k = 0; k < s.size(); ++k) {
            // t just above k selects s(k).
            const double alpha = (static_cast<double>(k) + 0.5) / static_cast<double>(s.size());
            const double v = IExpression::calculateStatisticFunction(L"quantx", data, false, alpha);
            EXPECT_TRUE(v == s[k] || (std::isnan(v) && std::isnan(s[k])))
                << "round " << round << " index " << k;
        }
    }
}

struct FailureCase {
    const wchar_t* name;
    const std::vector<double>* data;
    bool pairs;
    double argument;
    std::uint32_t code;
};

const FailureCase kFailures[] = {
    {L"quantx", &kFourShuffled, false, 1.5, ErrorCode::ALPHA_RANGE},
    {L"quantx", &kFourShuffled, false, -0.1, ErrorCode::ALPHA_RANGE},
    {L"quantx", &kFourShuffled, false, NaN, ErrorCode::ALPHA_RANGE},
    {L"quanty", &kPairs, true, 2, ErrorCode::ALPHA_RANGE},
    {L"quantx", &kEmpty, false, 2, ErrorCode::ALPHA_RANGE}, // the level is checked before the list
    {L"meanz", &kEight, false, 0, ErrorCode::NO_Y_FUNCTIONS},
    {L"Meanx", &kEight, false, 0, ErrorCode::NO_Y_FUNCTIONS},
    {L"sin", &kEight, false, 0, ErrorCode::NO_Y_FUNCTIONS},
    // y names over x values only.
    {L"meany", &kEight, false, 0, ErrorCode::NO_Y_FUNCTIONS},
    {L"sumxy", &kEight, false, 0, ErrorCode::NO_Y_FUNCTIONS},
    {L"covxy", &kEight, false, 0, ErrorCode::NO_Y_FUNCTIONS},
    {L"quanty", &kEight, false, 0.5, ErrorCode::NO_Y_FUNCTIONS},
};

TEST_F(StatisticFunctionTest, FailuresRaiseTheirCodeOnlyWhenErrorsAreRaised) {
    for (const FailureCase& c : kFailures) {
        std::vector<double> data = *c.data;
        SCOPED_TRACE(std::string(c.name, c.name + std::wcslen(c.name)));
        IExpression::s_withex = false;
        EXPECT_TRUE(std::isnan(IExpression::calculateStatisticFunction(c.name, data, c.pairs, c.argument)));
        IExpression::s_withex = true;
        try {
            IExpression::calculateStatisticFunction(c.name, data, c.pairs, c.argument);
            ADD_FAILURE() << "nothing raised";
        } catch (const EngineError& e) {
            EXPECT_EQ(e.code(), c.code);
        }
    }
}
} // namespace
