#include <gtest/gtest.h>

#include <complex>
#include <cstdint>
#include <functional>
#include <limits>

#include "Complex.h"
#include "IExpression.h"

namespace {
using Std = std::complex<double>;
constexpr double PI = 3.141592653589793;
const Std I(0.0, 1.0);

Std toStd(const Complex& z) {
    Complex r(z);
    r.toRectangular();
    return {r.getA(), r.getB()};
}

void expectNear(const Complex& got, Std want, const char* what) {
    const Std g = toStd(got);
    const double tolerance = 1e-9 * std::max(1.0, std::abs(want));
    EXPECT_NEAR(g.real(), want.real(), tolerance) << what;
    EXPECT_NEAR(g.imag(), want.imag(), tolerance) << what;
}

std::uint32_t codeOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EngineError& e) {
        return e.code();
    }
    return 0;
}

// Points off every branch cut, in all four quadrants.
const Std kPoints[] = {{0.3, 0.4},  {-0.7, 1.2}, {1.5, -0.5}, {-2.0, -3.0},
                       {0.1, -2.0}, {3.0, 0.2},  {-0.4, 0.05}};

struct FunctionCase {
    const char* name;
    Complex (Complex::*member)() const;
    std::function<Std(Std)> reference;
};

// The inverse functions follow their logarithm formulas, which pick the
// principal value except for acosh in the left half-plane, where the formula
// gives the other root of cosh w = z.
const FunctionCase kFunctions[] = {
    {"sin", &Complex::sinc, [](Std z) { return std::sin(z); }},
    {"cos", &Complex::cosc, [](Std z) { return std::cos(z); }},
    {"tan", &Complex::tanc, [](Std z) { return std::tan(z); }},
    {"sinh", &Complex::sinhc, [](Std z) { return std::sinh(z); }},
    {"cosh", &Complex::coshc, [](Std z) { return std::cosh(z); }},
    {"tanh", &Complex::tanhc, [](Std z) { return std::tanh(z); }},
    {"asin", &Complex::asinc, [](Std z) { return std::asin(z); }},
    {"acos", &Complex::acosc, [](Std z) { return std::acos(z); }},
    {"atan", &Complex::atanc, [](Std z) { return std::atan(z); }},
    {"asinh", &Complex::asinhc, [](Std z) { return std::asinh(z); }},
    {"acosh", &Complex::acoshc, [](Std z) { return z.real() < 0 ? -std::acosh(z) : std::acosh(z); }},
    {"atanh", &Complex::atanhc, [](Std z) { return std::atanh(z); }},
    {"ln", &Complex::logarithmus_e, [](Std z) { return std::log(z); }},
    {"lg", &Complex::logarithmus10, [](Std z) { return std::log10(z); }},
    {"sqr", &Complex::sqr, [](Std z) { return std::sqrt(z); }},
    {"ehoch", &Complex::ehoch, [](Std z) { return std::exp(z); }},
    {"abs", &Complex::abs, [](Std z) { return Std(std::abs(z), 0.0); }},
    {"conj", &Complex::conj, [](Std z) { return std::conj(z); }},
    {"Re", &Complex::Re, [](Std z) { return Std(z.real(), 0.0); }},
    {"Im", &Complex::Im, [](Std z) { return Std(0.0, z.imag()); }},
    {"sign", &Complex::signc, [](Std z) { return z / std::abs(z); }},
};

class ComplexFunction : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(ComplexFunction, AgreesWithIndependentValuesInBothForms) {
    const FunctionCase& c = GetParam();
    for (const Std& p : kPoints) {
        const Std want = c.reference(p);
        expectNear((Complex(p.real(), p.imag()).*c.member)(), want, c.name);
        // A polar operand gives the same rectangular result.
        Complex polar(p.real(), p.imag());
        polar.toPolar();
        const Complex got = (polar.*c.member)();
        EXPECT_FALSE(got.getPolar()) << c.name;
        expectNear(got, want, c.name);
    }
}

INSTANTIATE_TEST_SUITE_P(All, ComplexFunction, ::testing::ValuesIn(kFunctions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComplexArithmetic, OperatorsAgreeWithStdComplex) {
    for (const Std& p : kPoints) {
        for (const Std& q : kPoints) {
            const Complex a(p.real(), p.imag()), b(q.real(), q.imag());
            expectNear(a + b, p + q, "+");
            expectNear(a - b, p - q, "-");
            expectNear(a * b, p * q, "*");
            expectNear(a / b, p / q, "/");
            expectNear(a * 2.5, p * 2.5, "* double");
            expectNear(2.5 / a, 2.5 / p, "double /");
            expectNear(a - 1.5, p - 1.5, "- double");
        }
    }
    // Quotients near the ends of the double range stay finite.
    expectNear(Complex(1.0, 1.0) / Complex(1e-200, 1e-200), Std(1e200, 0.0), "tiny divisor");
    expectNear(Complex(1e300, 1e300) / Complex(1e300, -1e300), Std(0.0, 1.0), "huge divisor");
}

TEST(ComplexArithmetic, ZeroDivisorFaultsEvenWithErrorsQuiet) {
    IExpression::s_withex = false;
    EXPECT_EQ(codeOf([] { Complex(1.0, 1.0) / Complex(); }), FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO);
    EXPECT_EQ(codeOf([] { Complex(1.0, 1.0) / 0.0; }), FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO);
    EXPECT_EQ(codeOf([] { Complex().hoch(-2.0); }), FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO);
    EXPECT_EQ(codeOf([] { Complex().hoch(Complex(1.0, 1.0)); }), ErrorCode::COMPLEX_POWER);
}

TEST(ComplexArithmetic, RealOperandsKeepOrConvertTheForm) {
    // A real operand that changes nothing leaves the stored form alone.
    const Complex polar(2.0, PI / 2, true);
    EXPECT_EQ(polar + 0.0, polar);
    EXPECT_EQ(polar * 1.0, polar);
    EXPECT_EQ(polar / 1.0, polar);
    // Otherwise it moves the point, whatever its form.
    expectNear(polar + 1.0, Std(1.0, 2.0), "polar + 1");
    expectNear(polar * 2.0, Std(0.0, 4.0), "polar * 2");
    Complex stored(2.0, 0.5, true);
    stored.add2A(1.0);
    stored.add2B(0.25);
    EXPECT_EQ(stored, Complex(3.0, 0.75, true));
    EXPECT_NE(Complex(1.0, 0.0, true), Complex(1.0, 0.0, false));
}

struct PowerCase {
    const char* what;
    Std base;
    double exponent;
    Std expected;
};

const PowerCase kRealPowers[] = {
    {"square", {1, 1}, 2, {0, 2}},
    {"zero power", {0, 0}, 0, {1, 0}},
    {"half takes the square root", {-8, 0}, 0.5, {0, std::sqrt(8.0)}},
    {"third takes the polar route", {-8, 0}, 1.0 / 3, {1, std::sqrt(3.0)}},
    {"whole", {1, 2}, 5, Std(1, 2) * Std(1, 2) * Std(1, 2) * Std(1, 2) * Std(1, 2)},
    {"negative whole", {1, 2}, -3, 1.0 / (Std(1, 2) * Std(1, 2) * Std(1, 2))},
    {"non-whole", {0.6, -0.8}, -2.7, std::exp(-2.7 * std::log(Std(0.6, -0.8)))},
    {"large whole", {0.6, 0.8}, 1e6 + 1, std::polar(1.0, (1e6 + 1) * std::arg(Std(0.6, 0.8)))},
};

TEST(ComplexPower, RealExponentsTakeTheirRoutes) {
    for (const PowerCase& c : kRealPowers) {
        expectNear(Complex(c.base.real(), c.base.imag()).hoch(c.exponent), c.expected, c.what);
        expectNear(Complex(c.base.real(), c.base.imag()).hoch(Complex(c.exponent, 0.0)), c.expected, c.what);
    }
}

// Exponents far beyond any integer type are squared out, not multiplied out.
TEST(ComplexPower, HugeWholeExponentsEnd) {
    expectNear(Complex(1.0, 0.0).hoch(-1e18), Std(1.0, 0.0), "one to a huge power");
    expectNear(Complex(0.0, 1.0).hoch(4e300), Std(1.0, 0.0), "i to a multiple of four");
    expectNear(Complex(0.5, 0.5).hoch(1e300), Std(0.0, 0.0), "inside the unit circle");
}

TEST(ComplexPower, ComplexExponents) {
    expectNear(Complex(0.0, 1.0).hoch(Complex(0.0, 1.0)), Std(std::exp(-PI / 2), 0.0), "i^i");
    const Std b(1.5, -0.7), w(0.3, 1.1);
    expectNear(Complex(1.5, -0.7).hoch(Complex(0.3, 1.1)), std::pow(b, w), "general");
    // A negative real base is taken as its magnitude with the sign outside.
    expectNear(Complex(-1.0, 0.0).hoch(Complex(0.0, 1.0)), Std(-1.0, 0.0), "(-1)^i");
    expectNear(Complex(-4.0, 0.0).hoch(Complex(0.5, 1.0)), -std::pow(Std(4.0, 0.0), Std(0.5, 1.0)), "(-4)^w");
}

TEST(ComplexSpecialCases, SquareRootOnTheAxesAndLogOfNegatives) {
    expectNear(Complex(-4.0, 0.0).sqr(), Std(0, 2), "sqr(-4)");
    expectNear(Complex(0.0, 2.0).sqr(), Std(1, 1), "sqr(2i)");
    expectNear(Complex(0.0, -2.0).sqr(), Std(1, -1), "sqr(-2i)");
    expectNear(Complex(-1.0, 0.0).logarithmus_e(), Std(0, PI), "ln(-1)");
    expectNear(Complex().signc(), Std(0, 0), "sign(0)");
}

TEST(ComplexForms, ConversionsAndPredicates) {
    Complex z(-1.0, 1.0);
    z.toPolar();
    EXPECT_TRUE(z.getPolar());
    EXPECT_DOUBLE_EQ(z.getA(), std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(z.getB(), 3 * PI / 4);
    IExpression::s_mode = CalculatorModes::DEG;
    z.toPolarExt();
    EXPECT_DOUBLE_EQ(z.getB(), 135.0);
    Complex w(-1.0, 0.0);
    w.toPolarExt();
    EXPECT_DOUBLE_EQ(w.getB(), 180.0);
    IExpression::s_mode = CalculatorModes::RAD;
    EXPECT_TRUE(Complex(0.0, 3.0, true).isZero());
    EXPECT_FALSE(Complex(0.0, 3.0).isZero());
    EXPECT_TRUE(Complex(2.0, PI / 2, true).hasImaginaryPart());
    EXPECT_FALSE(Complex(-2.0, -0.0).hasImaginaryPart());
    const Complex r = Complex().randomc();
    EXPECT_TRUE(r.getA() >= 0 && r.getA() <= 32767 && r.getA() == std::floor(r.getA()));
    EXPECT_TRUE(r.getB() >= 0 && r.getB() <= 32767 && r.getB() == std::floor(r.getB()));
}
} // namespace
