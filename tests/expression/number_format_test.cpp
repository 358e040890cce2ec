#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "EngineTestSupport.h"

namespace {
constexpr double INF = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct FixedCase {
    double value;
    int decimals;
    const wchar_t* expected;
};

class FixedForm : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedForm, WritesDecimalsWithoutTrailingZeros) {
    std::wstring out = L"stale";
    IExpression::value2String(GetParam().value, out, GetParam().decimals);
    EXPECT_EQ(out, GetParam().expected) << GetParam().value;
}

const FixedCase s_fixed[] = {
    {2.5, 10, L"2.5"},
    {3.0, 10, L"3"},
    {-0.00000000001, 10, L"0"},
    {1e20, 10, L"100000000000000000000"},
    {2.0004, 3, L"2"},
    {2.25, 3, L"2.25"},
    {-0.0001, 3, L"0"},
    {-2.5, 0, L"-2"},
    {-0.3, 0, L"0"},
    {1234.5678, 2, L"1234.57"},
    {0.1 + 0.2, 10, L"0.3"},
    {NaN, 10, L"NaN"},
    {INF, 10, L"NaN"},
    {-INF, 10, L"NaN"},
};
INSTANTIATE_TEST_SUITE_P(Table, FixedForm, ::testing::ValuesIn(s_fixed));

struct DisplayCase {
    double value;
    int format; // 0 floating point, 1 scientific, 2 engineering
    int digits;
    bool autoExponent;
    const wchar_t* expected;
};

class DisplayForm : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayForm, WritesTheChosenNotation) {
    const DisplayCase& c = GetParam();
    std::wstring out;
    IExpression::value2String(c.value, out, c.format, c.digits, c.autoExponent);
    EXPECT_EQ(out, c.expected) << c.value << " format " << c.format << " digits " << c.digits;
}

const DisplayCase s_display[] = {
    // floating point, with and without the automatic exponent
    {1e13, 0, 10, true, L"1E+013"},
    {1e-11, 0, 10, true, L"1E-011"},
    {1e12, 0, 10, true, L"1000000000000"},
    {-1e12, 0, 10, true, L"-1000000000000"},
    {0.0, 0, 10, true, L"0"},
    {1e13, 0, 10, false, L"10000000000000"},
    {1.5, 0, 10, true, L"1.5"},
    {-2.5e13, 0, 10, true, L"-2.5E+013"},
    {1.0 / 3.0 * 1e13, 0, 10, true, L"3.33333333333333E+012"},
    // scientific: at least three exponent digits
    {1234.5, 1, 5, false, L"1.2345E+003"},
    {0.5, 1, 3, false, L"5E-001"},
    {-1234.5, 1, 3, false, L"-1.23E+003"},
    {0.0, 1, 5, false, L"0E+000"},
    {1e300, 1, 3, false, L"1E+300"},
    {2.5e-300, 1, 3, false, L"2.5E-300"},
    // engineering: exponents in steps of three
    {12345, 2, 6, false, L"12.345E+003"},
    {0.00012, 2, 4, false, L"120E-006"},
    {0.0, 2, 5, false, L"0E+000"},
    {1000, 2, 5, false, L"1000E+000"},
    {999, 2, 5, false, L"999E+000"},
    {1001, 2, 5, false, L"1.001E+003"},
    {-0.004, 2, 5, false, L"-4E-003"},
    {0.001, 2, 5, false, L"1E-003"},
    {0.0005, 2, 5, false, L"500E-006"},
    {1.5e15, 2, 5, false, L"1.5E+015"},
    // NaN and infinities cannot be read back as numbers
    {NaN, 0, 10, false, L"NaN"},
    {INF, 1, 5, true, L"NaN"},
    {-INF, 2, 5, false, L"NaN"},
};
INSTANTIATE_TEST_SUITE_P(Table, DisplayForm, ::testing::ValuesIn(s_display));

TEST(NumberFormat, TrimsNumberTexts) {
    for (auto [text, expected] : {std::pair{L"12.500", L"12.5"},
                                  {L"12.000", L"12"},
                                  {L"1200", L"1200"},
                                  {L"0.0", L"0"},
                                  {L"", L""}}) {
        std::wstring s = text;
        IExpression::formatNumber(s);
        EXPECT_EQ(s, expected) << text;
    }
}

TEST(NumberFormat, FormulaTextsDoNotFollowTheLocale) {
    // A German locale would write "2,5"; formulas always need "2.5".
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale installed";
    std::wstring out;
    IExpression::value2String(2.5, out, 10);
    const double parsed = engine_test::parse(L"2.5")->calculateConst();
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(out, L"2.5");
    EXPECT_EQ(parsed, 2.5);
}

TEST(NumberFormat, HugeDigitCountsStayBounded) {
    std::wstring out;
    IExpression::value2String(1.0 / 3.0, out, 100000);
    EXPECT_LT(out.size(), 400u);
    IExpression::value2String(1.0 / 3.0, out, 1, -5, true);
    EXPECT_EQ(out, L"3E-001");
}
} // namespace
