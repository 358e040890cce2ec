#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "Complex.h"
#include "IExpression.h"

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double INF = std::numeric_limits<double>::infinity();
constexpr int FLOATING = 0, SCIENTIFIC = 1, ENGINEERING = 2;

enum class Form { Display, Rectangular, Polar };

struct FormatCase {
    Complex value;
    Form form;
    int format; // display form only
    int digits;
    bool useJ;
    const wchar_t* expected;
};

const FormatCase kCases[] = {
    // display form, rectangular values
    {{2, 3}, Form::Display, FLOATING, 10, false, L"2+3i"},
    {{2, 3}, Form::Display, FLOATING, 10, true, L"2+3j"},
    {{2, -3.25}, Form::Display, FLOATING, 10, false, L"2-3.25i"},
    {{0, 2}, Form::Display, FLOATING, 10, false, L"2i"},
    {{0, -2}, Form::Display, FLOATING, 10, true, L"-2j"},
    {{-1.5, 0}, Form::Display, FLOATING, 10, false, L"-1.5"},
    {{0, 0}, Form::Display, FLOATING, 10, false, L"0"},
    {{1e-12, -1e-12}, Form::Display, FLOATING, 10, false, L"0"},
    {{1.5, 1e-12}, Form::Display, FLOATING, 10, false, L"1.5"},
    {{1e-12, 2}, Form::Display, FLOATING, 10, false, L"2i"},
    {{0, 1e-12}, Form::Display, FLOATING, 10, false, L"0"},
    {{NaN, 1}, Form::Display, FLOATING, 10, false, L"NaN+1i"},
    {{1.5, 2}, Form::Display, SCIENTIFIC, 5, false, L"(1.5E+000)+(2E+000)i"},
    {{1.5, -2}, Form::Display, SCIENTIFIC, 5, false, L"(1.5E+000)+(-2E+000)i"},
    {{0, 2}, Form::Display, SCIENTIFIC, 5, true, L"(2E+000)j"},
    {{NaN, -INF}, Form::Display, SCIENTIFIC, 5, false, L"(NaN)+(NaN)i"},
    {{NaN, 1}, Form::Display, ENGINEERING, 5, false, L"(NaN)+(1E+000)i"},
    {{NaN, 0, true}, Form::Display, ENGINEERING, 5, false, L"pol(NaN,0E+000)"},
    {{12345, 0}, Form::Display, ENGINEERING, 6, false, L"(12.345E+003)"},
    // display form, polar values: the angle is brought into -180..180
    {{2, 270, true}, Form::Display, FLOATING, 10, false, L"pol(2,-90)"},
    {{2, -270, true}, Form::Display, FLOATING, 10, false, L"pol(2,90)"},
    {{2, 540, true}, Form::Display, FLOATING, 10, false, L"pol(2,180)"},
    {{2, -180, true}, Form::Display, FLOATING, 10, false, L"pol(2,-180)"},
    {{0, 45, true}, Form::Display, FLOATING, 10, false, L"0"},
    // fixed rectangular form: a positive imaginary part always gets its "+"
    {{0, 2}, Form::Rectangular, 0, 10, false, L"+2i"},
    {{0, 2}, Form::Rectangular, 0, 10, true, L"+2j"},
    {{0, 0}, Form::Rectangular, 0, 10, false, L"0"},
    {{1.23456, -2}, Form::Rectangular, 0, 2, false, L"1.23-2i"},
    {{1, -1e-12}, Form::Rectangular, 0, 10, false, L"1"},
    {{2, 0.5, true}, Form::Rectangular, 0, 4, false, L"1.7552+0.9589i"},
    // fixed polar form: the angle in radians
    {{0, 2}, Form::Polar, 0, 10, false, L"pol(2,1.5707963268)"},
    {{-1, 0}, Form::Polar, 0, 4, false, L"pol(1,3.1416)"},
    {{2, 0.5, true}, Form::Polar, 0, 10, false, L"pol(2,0.5)"},
    {{0, 0}, Form::Polar, 0, 10, false, L"0"},
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << "(" << c.value.getA() << ", " << c.value.getB() << (c.value.getPolar() ? ", polar" : "")
        << ") expecting " << testing::PrintToString(std::wstring(c.expected));
}

class ComplexFormat : public ::testing::TestWithParam<FormatCase> {
protected:
    void TearDown() override { Complex::s_use_j = false; }
};

TEST_P(ComplexFormat, WritesTheExpectedText) {
    const FormatCase& c = GetParam();
    Complex::s_use_j = c.useJ;
    std::wstring out = L"left over";
    switch (c.form) {
    case Form::Display:
        c.value.toString(out, c.format, c.digits);
        break;
    case Form::Rectangular:
        c.value.toStringRectangular(out, c.digits);
        break;
    case Form::Polar:
        c.value.toStringPolar(out, c.digits);
        break;
    }
    EXPECT_EQ(out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(All, ComplexFormat, ::testing::ValuesIn(kCases));

TEST(ComplexFormatPolar, ResultInTheOutputAngleUnit) {
    IExpression::s_mode = CalculatorModes::DEG;
    Complex z(0, -2);
    z.toPolarExt();
    std::wstring out;
    z.toString(out, FLOATING, 10);
    EXPECT_EQ(out, L"pol(2,-90)");
    // A huge stored angle is reduced without turning it round by hand.
    Complex(2, 1e300, true).toString(out, FLOATING, 4);
    EXPECT_EQ(out.rfind(L"pol(2,", 0), 0u);
    IExpression::s_mode = CalculatorModes::RAD;
}
} // namespace
