#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "DataFolderFixture.h"
#include "EngineAdapter.h"
#include "MessageIds.h"

namespace {
class ConversionTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        calc->initConverter();
    }
    bool convert(const std::wstring& value, const std::wstring& from, const std::wstring& to,
                 std::wstring& result) {
        std::wstring input = value, fromName = from, toName = to;
        return calc->calculateConverter(input, fromName, toName, result);
    }
};

struct FactorCase {
    const wchar_t* value;
    const wchar_t* from;
    const wchar_t* to;
    const wchar_t* expected;
};

// One conversion in every group of units.
const FactorCase kFactorCases[] = {
    {L"5", L"kilometer", L"mile", L"3.106940906"},
    {L"3", L"feet", L"inch", L"36"},
    {L"2", L"kilogram", L"gram", L"2000"},
    {L"1", L"gallon(usa)", L"liter (cubic decimeter)", L"3.7853"},
    {L"36", L"kilometers/hour", L"meters/second", L"10"},
    {L"1", L"square kilometer", L"hectare", L"100"},
    {L"1", L"kilowatt", L"ps", L"1.3586956522"},
    {L"1", L"Day", L"Minute", L"1440"},
    {L"1", L"Athmospheres", L"Bar (ger)", L"1.0133"},
    {L"2", L"Pound/in² (psi)", L"Bar (ger)", L"0.1379"},
    {L"2*2.5", L"kilometer", L"mile", L"3.106940906"}, // the value is an expression
};

class FactorConversionTest : public ConversionTest, public ::testing::WithParamInterface<FactorCase> {};

TEST_P(FactorConversionTest, ConvertsThroughTheBaseUnit) {
    const FactorCase& c = GetParam();
    std::wstring result;
    ASSERT_TRUE(convert(c.value, c.from, c.to, result)) << OrvantaCalcBase::getLastError();
    EXPECT_EQ(result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(EveryGroup, FactorConversionTest, ::testing::ValuesIn(kFactorCases));

// The scales by way of Celsius, computed independently of the engine's table.
constexpr const wchar_t* kScales[] = {L"Celsius", L"Fahrenheit", L"Kelvin", L"Reaumur", L"Rankine"};
double toCelsius(int scale, double v) {
    const double celsius[] = {v, (v - 32) / 1.8, v - 273.15, v / 0.8, v / 1.8 - 273.15};
    return celsius[scale];
}
double fromCelsius(int scale, double c) {
    const double value[] = {c, c * 1.8 + 32, c + 273.15, c * 0.8, (c + 273.15) * 1.8};
    return value[scale];
}

TEST_F(ConversionTest, ConvertsEveryPairOfTemperatureScales) {
    for (int from = 0; from < 5; ++from) {
        for (int to = 0; to < 5; ++to) {
            for (const double v : {-40.0, 0.0, 37.5, 1000.0}) {
                std::wstring result;
                ASSERT_TRUE(convert(std::to_wstring(v), kScales[from], kScales[to], result));
                const double expected = fromCelsius(to, toCelsius(from, v));
                EXPECT_NEAR(std::wcstod(result.c_str(), nullptr), expected, 1e-9 * (1 + std::fabs(expected)))
                    << "from " << from << " to " << to << " value " << v;
            }
        }
    }
}

TEST_F(ConversionTest, ShowsTemperaturesAsUsersKnowThem) {
    const FactorCase cases[] = {
        {L"100", L"Celsius", L"Fahrenheit", L"212"},
        {L"0", L"Kelvin", L"Celsius", L"-273.15"},
        {L"10", L"Reaumur", L"Rankine", L"514.17"},
    };
    for (const FactorCase& c : cases) {
        std::wstring result;
        ASSERT_TRUE(convert(c.value, c.from, c.to, result));
        EXPECT_EQ(result, c.expected);
    }
}

struct RefusalCase {
    const wchar_t* value;
    const wchar_t* from;
    const wchar_t* to;
    unsigned message;
};

TEST_F(ConversionTest, RefusesWhatCannotBeConverted) {
    const RefusalCase cases[] = {
        {L"1", L"meter", L"gram", MessageId::NO_CONVERSION},    // different kinds
        {L"1", L"meter", L"furlong", MessageId::NO_CONVERSION}, // unknown unit
        {L"1", L"", L"meter", MessageId::CONVERTER_FILL_BOTH},  // nothing chosen
        {L"1", L"meter", L"", MessageId::CONVERTER_FILL_BOTH},
        {L"", L"meter", L"yard", MessageId::NOTHING_TO_CALCULATE}, // nothing to convert
    };
    for (const RefusalCase& c : cases) {
        std::wstring result = L"untouched";
        EXPECT_FALSE(convert(c.value, c.from, c.to, result));
        EXPECT_EQ(OrvantaCalcBase::getLastError(), OrvantaCalcBase::loadString(c.message));
        EXPECT_EQ(result, L"untouched");
    }
    std::wstring result;
    EXPECT_FALSE(convert(L"1", L"meter", L"gram", result));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), L"No appropriate conversion found!");
}
// A conversion without a finite value shows its message and fails, so that
// no caller has to compare texts to know.
TEST_F(ConversionTest, TheAdapterFailsAConversionWithoutAValue) {
    EngineAdapter adapter(*calc);
    std::wstring value = L"10^400", from = L"meter", to = L"centimeter", result;
    EXPECT_FALSE(adapter.calculateConverter(value, from, to, result));
    EXPECT_EQ(result, OrvantaCalcBase::loadString(MessageId::INFINITE_VALUE));
    value = L"2";
    EXPECT_TRUE(adapter.calculateConverter(value, from, to, result));
    EXPECT_EQ(result, L"200");
}
} // namespace
