#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <random>
#include <string>
#include <vector>

#include "IExpression.h"
#include "MessageIds.h"
#include "OrvantaCalcBase.h"
#include "ReportingFixture.h"

namespace {
using CalculatorModes::REG_EXPONENTIAL;
using CalculatorModes::REG_LINEAR;
using CalculatorModes::REGRESSIONTYPE;

class StatisticsTest : public ReportingTest {
protected:
    void SetUp() override {
        ReportingTest::SetUp();
        IExpression::s_withex = true; // as the program calls it
    }
    void TearDown() override {
        IExpression::s_withex = false;
        ReportingTest::TearDown();
    }

    OrvantaCalcBase calc;
};

double number(const std::wstring& text) {
    return std::wcstod(text.c_str(), nullptr);
}

std::wstring numberText(double v) {
    std::wstring text;
    IExpression::value2String(v, text, 0, 8, true);
    return text;
}

struct StatisticCase {
    bool pairs;
    const wchar_t* formula;
    const wchar_t* values;
    double expected;
};

const StatisticCase kStatistics[] = {
    {false, L"meanx()", L"2;4;4;4;5;5;7;9", 5},
    {false, L"stddevpopx()", L"2;4;4;4;5;5;7;9", 2},
    {false, L"cnt()", L"1;2;3;", 3}, // the empty last item is no item
    {false, L"sumx()", L"1.5;-2.5;4", 3},
    {false, L"quantx(0.25)", L"4;1;3;2", 1.5},
    {false, L"quantx(0.3)", L"4;1;3;2", 2},
    {false, L"cnt()", L"", 0},
    {false, L"meanx()+2*stddevpopx()", L"2;4;4;4;5;5;7;9", 9},
    {false, L"maxx()-minx()", L"2*3;sqr(16);1E1;-1", 11}, // items are expressions
    {false, L"2meanx()", L"1;2;3", 4},                    // pre-translated: 2*meanx()
    {true, L"covxy(0)*3+sumy()", L"1;2;2;4;3;6", 16},
    {true, L"sumxy()", L"1;2;2;4;3;6", 28},
    {true, L"covxy(0)", L"1;2;2;4;3;6", 4.0 / 3.0},
    {true, L"meany()", L"1;2;2;4;3;6;", 4},
    {true, L"cnt()", L"1;2;2;4;3", 2}, // the unpaired last value is left out
};

TEST_F(StatisticsTest, StatisticsOverValueTexts) {
    for (const StatisticCase& c : kStatistics) {
        std::wstring formula = c.formula;
        std::wstring values = c.values;
        std::wstring result;
        SCOPED_TRACE(std::string(formula.begin(), formula.end()) + " over " +
                     std::string(values.begin(), values.end()));
        ASSERT_TRUE(c.pairs ? calc.calculateStatisticXY(formula, result, values)
                            : calc.calculateStatisticX(formula, result, values))
            << std::string(OrvantaCalcBase::getLastError().begin(), OrvantaCalcBase::getLastError().end());
        EXPECT_NEAR(number(result), c.expected, 1e-9);
    }
}

struct FailureCase {
    bool pairs;
    const wchar_t* formula;
    const wchar_t* values;
    unsigned int message;
};

const FailureCase kFailures[] = {
    {false, L"meanx()", L"1;;3", MessageId::INVALID_ELEMENTS}, // an empty item inside the list
    {true, L"meanx()", L"1;2;;4", MessageId::INVALID_ELEMENTS},
    {false, L"meany()", L"1;2;3", MessageId::NO_Y_FUNCTIONS}, // y values asked of x values
    {false, L"quantx(1.5)", L"1;2;3", MessageId::ALPHA_RANGE},
    {true, L"quanty(-1)", L"1;2;3;4", MessageId::ALPHA_RANGE},
};

TEST_F(StatisticsTest, FailuresReportTheirMessage) {
    for (const FailureCase& c : kFailures) {
        std::wstring formula = c.formula;
        std::wstring values = c.values;
        std::wstring result = L"untouched";
        SCOPED_TRACE(std::string(formula.begin(), formula.end()) + " over " +
                     std::string(values.begin(), values.end()));
        EXPECT_FALSE(c.pairs ? calc.calculateStatisticXY(formula, result, values)
                             : calc.calculateStatisticX(formula, result, values));
        EXPECT_EQ(OrvantaCalcBase::getLastError(), OrvantaCalcBase::loadString(c.message));
        EXPECT_EQ(result, L"untouched");
    }
}

struct Regression {
    bool ok = false;
    std::wstring fitted;
    std::wstring quality;
};

Regression regress(OrvantaCalcBase& calc, REGRESSIONTYPE type, const std::wstring& data) {
    Regression r;
    std::wstring reserved;
    std::wstring values = data;
    r.ok = calc.calculateStatisticRegression(type, reserved, r.fitted, r.quality, values);
    return r;
}

TEST_F(StatisticsTest, RegressionsOnExactData) {
    struct Case {
        REGRESSIONTYPE type;
        const wchar_t* values;
        std::wstring fitted;
        const wchar_t* quality; // nullptr: only R² = 1 is checked
    };
    const Case cases[] = {
        {REG_LINEAR, L"1;3;2;5;3;7", numberText(2) + L"*x+" + numberText(1),
         L"R\u00B2=1.00000; cov=1.33333; r=1.00000"},
        {REG_LINEAR, L"0;-1;1;1;2;3;", numberText(2) + L"*x" + numberText(-1), nullptr},
        {REG_LINEAR, L"1;2;2;4", numberText(2) + L"*x", nullptr},
        {REG_LINEAR, L".5;1;1.5;2;+2.5;3", numberText(1) + L"*x+" + numberText(0.5), nullptr},
        {REG_LINEAR, L"1;1+2;2;sqr(25);3;7", numberText(2) + L"*x+" + numberText(1), nullptr},
        {REG_LINEAR, L"1;5;2;3;3;1", numberText(-2) + L"*x+" + numberText(7),
         L"R\u00B2=1.00000; cov=-1.33333; r=-1.00000"},
        {REG_EXPONENTIAL, L"0;-1;1;-2", numberText(-1) + L"*e^(" + numberText(std::log(2.0)) + L"*x)",
         nullptr},
        {REG_EXPONENTIAL, L"0;3;1;3;2;3", numberText(3) + L"*e^(" + numberText(0) + L"*x)", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.values, c.values + std::wcslen(c.values)));
        const Regression r = regress(calc, c.type, c.values);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.fitted, c.fitted);
        if (c.quality != nullptr) {
            EXPECT_EQ(r.quality, c.quality);
        } else if (c.type == REG_LINEAR || std::wstring(c.values) == L"0;-1;1;-2") {
            EXPECT_EQ(r.quality.substr(0, 10), L"R\u00B2=1.00000");
        }
    }
}

// Independent least squares: slope from the normal equations solved by
// Cramer's rule, and the correlation from the raw moments.
struct Reference {
    double slope, intercept, r, cov;
};

Reference referenceFit(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        syy += y[i] * y[i];
        sxy += x[i] * y[i];
    }
    const double det = sxx * n - sx * sx;
    Reference f{};
    f.slope = (sxy * n - sx * sy) / det;
    f.intercept = (sxx * sy - sx * sxy) / det;
    f.cov = sxy / n - (sx / n) * (sy / n);
    f.r = f.cov / std::sqrt((sxx / n - (sx / n) * (sx / n)) * (syy / n - (sy / n) * (sy / n)));
    return f;
}

void readQuality(const std::wstring& quality, double& r2, double& cov, double& r) {
    ASSERT_EQ(std::swscanf(quality.c_str(), L"R\u00B2=%lf; cov=%lf; r=%lf", &r2, &cov, &r), 3)
        << std::string(quality.begin(), quality.end());
}

TEST_F(StatisticsTest, RegressionsOnNoisyDataAgreeWithAnIndependentFit) {
    std::mt19937 generator(11);
    std::normal_distribution<double> noise(0.0, 0.05);
    for (const REGRESSIONTYPE type : {REG_LINEAR, REG_EXPONENTIAL}) {
        std::vector<double> x, y, fitY;
        std::wstring values;
        for (int i = 0; i < 20; ++i) {
            const double xi = 0.5 * i;
            const double yi = type == REG_LINEAR ? 1.5 * xi - 4 + noise(generator)
                                                 : 2.5 * std::exp(0.3 * xi) * (1 + noise(generator));
            x.push_back(xi);
            y.push_back(yi);
            fitY.push_back(type == REG_LINEAR ? yi : std::log(yi));
            wchar_t item[64];
            std::swprintf(item, 64, L"%.17g;%.17g;", xi, yi);
            values += item;
        }
        const Regression r = regress(calc, type, values);
        ASSERT_TRUE(r.ok);
        const Reference ref = referenceFit(x, fitY);

        const std::size_t star = r.fitted.find(type == REG_LINEAR ? L"*x" : L"*e^(");
        ASSERT_NE(star, std::wstring::npos);
        const double first = number(r.fitted.substr(0, star));
        const double second =
            number(r.fitted.substr(star + (type == REG_LINEAR ? 2 : 4))); // "+b" / "-b" / "b*x)"
        if (type == REG_LINEAR) {
            EXPECT_NEAR(first, ref.slope, 1e-6);
            EXPECT_NEAR(second, ref.intercept, 1e-6);
        } else {
            EXPECT_NEAR(first, std::exp(ref.intercept), 1e-6);
            EXPECT_NEAR(second, ref.slope, 1e-6);
        }
        double r2 = 0, cov = 0, rr = 0;
        readQuality(r.quality, r2, cov, rr);
        EXPECT_NEAR(rr, ref.r, 1e-5);
        EXPECT_NEAR(cov, ref.cov, 1e-5);
        EXPECT_NEAR(r2, ref.r * ref.r, 1e-5); // for a least-squares line R² is r²
        EXPECT_LT(r2, 1.0);
    }
}

TEST_F(StatisticsTest, RegressionFailures) {
    struct Case {
        REGRESSIONTYPE type;
        const wchar_t* values;
        unsigned int message;
    };
    const Case cases[] = {
        {REG_LINEAR, L"1;3;2;5;3", MessageId::INVALID_ELEMENTS},    // odd count
        {REG_LINEAR, L"", MessageId::INVALID_ELEMENTS},             // nothing to pair
        {REG_LINEAR, L"1;3;;5;3;7", MessageId::INVALID_ELEMENTS},   // a missing value is not read as 0
        {REG_EXPONENTIAL, L"0;1;1;-2", MessageId::REGRESSION_TYPE}, // mixed signs
        {REG_EXPONENTIAL, L"0;-1;1;2;2;-3", MessageId::REGRESSION_TYPE},
        {REG_LINEAR, L"1;3;2;5;3;;", MessageId::INVALID_ELEMENTS},
        {REG_LINEAR, L"1;3;2;x5", MessageId::INVALID_ELEMENTS}, // not a value
        {REG_LINEAR, L"1;3;2;5-",
         MessageId::INVALID_ELEMENTS}, // a sign at the end: no number, and no expression either
        {REG_LINEAR, L"1;3;-;5", MessageId::INVALID_ELEMENTS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.values, c.values + std::wcslen(c.values)));
        const Regression r = regress(calc, c.type, c.values);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(OrvantaCalcBase::getLastError(), OrvantaCalcBase::loadString(c.message));
    }
}

TEST_F(StatisticsTest, UnknownRegressionTypeReportsZeros) {
    std::wstring reserved, fitted = L"kept", quality, values = L"1;3;2;5";
    ASSERT_TRUE(
        calc.calculateStatisticRegression(static_cast<REGRESSIONTYPE>(7), reserved, fitted, quality, values));
    EXPECT_EQ(fitted, L"kept");
    EXPECT_EQ(quality, L"R\u00B2=0.00000; cov=0.00000; r=0.00000");
}

TEST_F(StatisticsTest, ZeroInAnExponentialFitIsNotRefused) {
    const Regression r = regress(calc, REG_EXPONENTIAL, L"0;0;1;1;2;2");
    EXPECT_TRUE(r.ok);
}
} // namespace
