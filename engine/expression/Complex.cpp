#include "Complex.h"

#include <cmath>
#include <memory>

#include "EngineRandom.h"
#include "IExpression.h"

bool Complex::s_use_j = false;

namespace {
constexpr double EULER = 2.718281828459045;
constexpr double LN10 = 2.302585092994046;
// The band around pi in which a base counts as a negative real number for a
// non-real exponent.
constexpr double NEGATIVE_REAL_LOW = 3.141592653489793;
constexpr double NEGATIVE_REAL_HIGH = 3.141592653689793;
// Whole exponents up to this size are multiplied out one factor at a time;
// larger ones are squared repeatedly so the time stays bounded.
constexpr double MAX_PLAIN_EXPONENT = 64.0;
const wchar_t* const PI_TEXT = L"3.1415926535897932384626433832795";

Complex rect(const Complex& z) {
    Complex r(z);
    r.toRectangular();
    return r;
}

bool isWhole(double v) {
    return std::fmod(v, 1.0) == 0.0;
}

bool isPlainNumberText(const std::wstring& text) {
    for (wchar_t c : text)
        if (!((c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'.')) return false;
    return true;
}

// Value of a real constant expression such as "2" or "3.14159/2".
double evaluateRealConstant(const std::wstring& text) {
    std::unique_ptr<IExpression> tree(IExpression::parseExpression(text, true));
    return tree->calculateConst();
}

// A signed part of a polar literal may carry its sign only in front.
bool hasInnerSign(const std::wstring& part) {
    return part.find_first_of(L"+-", 1) != std::wstring::npos;
}

// z multiplied by itself n - 1 times, n a whole number >= 1.
Complex wholePower(const Complex& z, double n) {
    if (n <= MAX_PLAIN_EXPONENT) {
        Complex product(z);
        for (int i = 1; i < static_cast<int>(n); ++i)
            product *= z;
        return product;
    }
    Complex result(1.0, 0.0);
    Complex square(z);
    // n may be far beyond any integer type: halve it as a double.
    while (n >= 1.0) {
        if (std::fmod(n, 2.0) == 1.0) result *= square;
        n = std::floor(n / 2.0);
        if (n >= 1.0) square *= square;
    }
    return result;
}

// One part in the display form. A part that is not a finite number is
// written "NaN" in every format, as the fixed form writes it.
void displayText(double value, std::wstring& out, int format, int digits) {
    if (std::isfinite(value))
        IExpression::value2String(value, out, format, digits, false);
    else
        out = L"NaN";
}

void appendUnit(std::wstring& out) {
    out += Complex::s_use_j ? L'j' : L'i';
}

// "pol(" magnitude "," angle ")", or "0" for a zero magnitude.
void writePolar(std::wstring& out, const std::wstring& magnitude, const std::wstring& angle, bool zero) {
    out = zero ? L"0" : L"pol(" + magnitude + L"," + angle + L")";
}
} // namespace

Complex::Complex() = default;

Complex::Complex(double a, double b, bool polar) : m_a(a), m_b(b), m_polar(polar) {}

Complex::Complex(const std::wstring& text) {
    if (text == L"j" || text == L"i") {
        m_b = 1.0;
        return;
    }
    if (isPlainNumberText(text)) {
        // The whole text must be the number: read only up to its first bad
        // character, "3..5" would be 3 and "---1" 0.
        wchar_t* end = nullptr;
        m_a = std::wcstod(text.c_str(), &end);
        if (text.empty() || end != text.c_str() + text.size()) raiseEngineError(ErrorCode::INVALID_INPUT);
        return;
    }
    if (text.rfind(L"pol(", 0) != 0) raiseEngineError(ErrorCode::INVALID_INPUT);
    if (text.find(L'j') != std::wstring::npos && text.find(L'i') != std::wstring::npos)
        raiseEngineError(ErrorCode::INVALID_INPUT);
    const std::size_t comma = text.find(L',', 4);
    if (comma == std::wstring::npos) raiseEngineError(ErrorCode::INVALID_INPUT);
    const std::size_t close = text.find(L')', comma + 1);
    if (close == std::wstring::npos) raiseEngineError(ErrorCode::INVALID_INPUT);
    // Anything after the literal would otherwise be dropped without a word.
    if (close + 1 != text.size()) raiseEngineError(ErrorCode::INVALID_INPUT);
    const std::wstring magnitude = text.substr(4, comma - 4);
    std::wstring angle = text.substr(comma + 1, close - comma - 1);
    if (magnitude.empty() || angle.empty() || hasInnerSign(magnitude) || hasInnerSign(angle))
        raiseEngineError(ErrorCode::INVALID_INPUT);
    // In parentheses, so that "2pi" still reads as a product.
    for (std::size_t at = angle.find(L"pi"); at != std::wstring::npos; at = angle.find(L"pi", at)) {
        const std::wstring value = L"(" + std::wstring(PI_TEXT) + L")";
        angle.replace(at, 2, value);
        at += value.size();
    }
    m_a = evaluateRealConstant(magnitude);
    m_b = IExpression::input2rad(evaluateRealConstant(angle));
    m_polar = true;
    toRectangular();
}

void Complex::setAB(double a, double b) {
    m_a = a;
    m_b = b;
}
void Complex::setA(double a) {
    m_a = a;
}
void Complex::setB(double b) {
    m_b = b;
}
void Complex::add2A(double v) {
    m_a += v;
}
void Complex::add2B(double v) {
    m_b += v;
}

void Complex::toRectangular() {
    if (!m_polar) return;
    const double r = m_a;
    m_a = r * std::cos(m_b);
    m_b = r * std::sin(m_b);
    m_polar = false;
}

void Complex::toPolar() {
    if (m_polar) return;
    const double r = std::hypot(m_a, m_b);
    m_b = std::atan2(m_b, m_a);
    m_a = r;
    m_polar = true;
}

void Complex::toPolarExt() {
    toPolar();
    m_b = IExpression::rad2output(m_b);
}

Complex& Complex::operator+=(const Complex& z) {
    toRectangular();
    const Complex w = rect(z);
    m_a += w.m_a;
    m_b += w.m_b;
    return *this;
}

Complex& Complex::operator-=(const Complex& z) {
    toRectangular();
    const Complex w = rect(z);
    m_a -= w.m_a;
    m_b -= w.m_b;
    return *this;
}

Complex& Complex::operator*=(const Complex& z) {
    toRectangular();
    const Complex w = rect(z);
    const double a = m_a * w.m_a - m_b * w.m_b;
    const double b = m_a * w.m_b + m_b * w.m_a;
    m_a = a;
    m_b = b;
    return *this;
}

Complex& Complex::operator/=(const Complex& z) {
    toRectangular();
    const Complex w = rect(z);
    if (w.m_a == 0.0 && w.m_b == 0.0) raiseEngineError(FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO);
    // Scaling the divisor keeps c^2 + d^2 from overflowing or vanishing for
    // very large or very small divisors; otherwise it is the textbook quotient.
    const double scale = std::fmax(std::fabs(w.m_a), std::fabs(w.m_b));
    const double c = w.m_a / scale;
    const double d = w.m_b / scale;
    const double denominator = std::pow(c, 2) + std::pow(d, 2);
    const double a = (m_a * c + m_b * d) / denominator / scale;
    const double b = (m_b * c - m_a * d) / denominator / scale;
    m_a = a;
    m_b = b;
    return *this;
}

// Adding a real number moves along the real axis, so a polar value is taken
// to rectangular form first.
Complex& Complex::operator+=(double d) {
    if (d == 0.0) return *this;
    toRectangular();
    m_a += d;
    return *this;
}

Complex& Complex::operator-=(double d) {
    if (d == 0.0) return *this;
    toRectangular();
    m_a -= d;
    return *this;
}

Complex& Complex::operator*=(double d) {
    if (d == 1.0) return *this;
    return *this *= Complex(d, 0.0);
}

Complex& Complex::operator/=(double d) {
    if (d == 1.0) return *this;
    return *this /= Complex(d, 0.0);
}

Complex Complex::abs() const {
    return Complex(absAsDouble(), 0.0);
}

double Complex::absAsDouble() const {
    const Complex z = rect(*this);
    return std::hypot(z.m_a, z.m_b);
}

Complex Complex::sinc() const {
    const Complex z = rect(*this);
    return Complex(std::sin(z.m_a) * std::cosh(z.m_b), std::cos(z.m_a) * std::sinh(z.m_b));
}

Complex Complex::cosc() const {
    const Complex z = rect(*this);
    return Complex(std::cos(z.m_a) * std::cosh(z.m_b), -std::sin(z.m_a) * std::sinh(z.m_b));
}

Complex Complex::tanc() const {
    return sinc() / cosc();
}

Complex Complex::sinhc() const {
    const Complex z = rect(*this);
    return Complex(std::sinh(z.m_a) * std::cos(z.m_b), std::cosh(z.m_a) * std::sin(z.m_b));
}

Complex Complex::coshc() const {
    const Complex z = rect(*this);
    return Complex(std::cosh(z.m_a) * std::cos(z.m_b), std::sinh(z.m_a) * std::sin(z.m_b));
}

Complex Complex::tanhc() const {
    return sinhc() / coshc();
}

// -i ln(iz + sqrt(1 - z^2))
Complex Complex::asinc() const {
    const Complex i(0.0, 1.0);
    const Complex z = rect(*this);
    return Complex(0.0, -1.0) * (i * z + (1.0 - z * z).sqr()).logarithmus_e();
}

// -i ln(z + i sqrt(1 - z^2))
Complex Complex::acosc() const {
    const Complex i(0.0, 1.0);
    const Complex z = rect(*this);
    return Complex(0.0, -1.0) * (z + i * (1.0 - z * z).sqr()).logarithmus_e();
}

// (i/2) ln((i + z) / (i - z))
Complex Complex::atanc() const {
    const Complex i(0.0, 1.0);
    const Complex z = rect(*this);
    return Complex(0.0, 0.5) * ((i + z) / (i - z)).logarithmus_e();
}

// ln(z + sqrt(z^2 + 1))
Complex Complex::asinhc() const {
    const Complex z = rect(*this);
    return (z + (z * z + 1.0).sqr()).logarithmus_e();
}

// ln(z + sqrt(z^2 - 1))
Complex Complex::acoshc() const {
    const Complex z = rect(*this);
    return (z + (z * z - 1.0).sqr()).logarithmus_e();
}

// ln((1 + z) sqrt(1 / (1 - z^2)))
Complex Complex::atanhc() const {
    const Complex z = rect(*this);
    return ((1.0 + z) * (1.0 / (1.0 - z * z)).sqr()).logarithmus_e();
}

Complex Complex::conj() const {
    const Complex z = rect(*this);
    return Complex(z.m_a, -z.m_b);
}

Complex Complex::Re() const {
    return Complex(rect(*this).m_a, 0.0);
}

Complex Complex::Im() const {
    return Complex(0.0, rect(*this).m_b);
}

Complex Complex::randomc() const {
    const double re = EngineRandom::draw();
    return Complex(re, EngineRandom::draw());
}

Complex Complex::signc() const {
    if (absAsDouble() == 0.0) return Complex();
    return rect(*this) / abs();
}

Complex Complex::logarithmus10() const {
    const Complex z = rect(*this);
    return Complex(std::log10(z.absAsDouble()), std::atan2(z.m_b, z.m_a) / LN10);
}

Complex Complex::logarithmus_e() const {
    const Complex z = rect(*this);
    return Complex(std::log(z.absAsDouble()), std::atan2(z.m_b, z.m_a));
}

// Principal square root; the axes are handled exactly.
Complex Complex::sqr() const {
    const Complex z = rect(*this);
    const double x = z.m_a;
    const double y = z.m_b;
    if (y == 0.0) return x < 0.0 ? Complex(0.0, std::sqrt(-x)) : Complex(std::sqrt(x), 0.0);
    if (x == 0.0) {
        const double h = std::sqrt(std::fabs(y)) / std::sqrt(2.0);
        return Complex(h, y > 0.0 ? h : -h);
    }
    Complex p(z);
    p.toPolar();
    Complex root(std::sqrt(p.m_a), p.m_b / 2.0, true);
    root.toRectangular();
    return root;
}

Complex Complex::ehoch() const {
    const Complex z = rect(*this);
    const double e = std::pow(EULER, z.m_a);
    return Complex(e * std::cos(z.m_b), e * std::sin(z.m_b));
}

Complex Complex::hoch(const double& p) const {
    const Complex z = rect(*this);
    if (p == 2.0) return z * z;
    if (p == 0.0) return Complex(1.0, 0.0);
    if (p == 0.5) return z.sqr();
    if (!isWhole(p)) {
        Complex polar(z);
        polar.toPolar();
        const double r = std::pow(polar.m_a, p);
        return Complex(r * std::cos(p * polar.m_b), r * std::sin(p * polar.m_b));
    }
    const Complex product = wholePower(z, std::fabs(p));
    return p < 0.0 ? Complex(1.0, 0.0) / product : product;
}

Complex Complex::hoch(const Complex& w) const {
    const Complex exponent = rect(w);
    const double c = exponent.m_a;
    const double d = exponent.m_b;
    if (d == 0.0) return hoch(c);
    if (isZero()) raiseEngineError(ErrorCode::COMPLEX_POWER);
    Complex base = rect(*this);
    base.toPolar();
    const double r = base.m_a;
    double phi = base.m_b;
    double sign = 1.0;
    if (phi > NEGATIVE_REAL_LOW && phi < NEGATIVE_REAL_HIGH) {
        phi = 0.0;
        sign = -1.0;
    }
    const double m = sign * std::pow(r, c) * std::pow(EULER, -phi * d);
    const double theta = c * phi + d * std::log(std::fabs(r));
    return Complex(m * std::cos(theta), m * std::sin(theta));
}

bool Complex::isZero() const {
    return m_polar ? m_a == 0.0 : (m_a == 0.0 && m_b == 0.0);
}

bool Complex::hasImaginaryPart() const {
    return rect(*this).m_b != 0.0;
}

void Complex::toString(std::wstring& out, int format, int digits) const {
    if (m_polar) {
        std::wstring magnitude, angle;
        // The stored angle is read as degrees; fmod keeps huge angles from
        // needing endless turns and leaves at most one turn to take off.
        double degrees = std::fmod(m_b, 360.0);
        if (degrees > 180.0) degrees -= 360.0;
        if (degrees < -180.0) degrees += 360.0;
        displayText(m_a, magnitude, format, digits);
        displayText(degrees, angle, format, digits);
        writePolar(out, magnitude, angle, m_a == 0.0);
        return;
    }
    std::wstring re, im;
    displayText(m_a, re, format, digits);
    displayText(m_b, im, format, digits);
    const bool writeRe = m_a != 0.0 && re != L"0";
    const bool writeIm = m_b != 0.0 && im != L"0";
    if (!writeRe && !writeIm) {
        out = L"0";
        return;
    }
    const bool exponentForm = format == 1 || format == 2; // scientific, engineering
    if (exponentForm) {
        re = L"(" + re + L")";
        im = L"(" + im + L")";
    }
    out = writeRe ? re : std::wstring();
    if (writeIm) {
        // In exponent form the sign stands inside the parentheses, so the
        // parts are always joined with "+": "(1E+000)(-2E+000)i" would read
        // as a product.
        if (writeRe && (exponentForm || im[0] != L'-')) out += L'+';
        out += im;
        appendUnit(out);
    }
}

void Complex::toStringRectangular(std::wstring& out, int decimals) const {
    const Complex z = rect(*this);
    out.clear();
    std::wstring re, im;
    IExpression::value2String(z.m_a, re, decimals);
    IExpression::value2String(z.m_b, im, decimals);
    // A part too small for the decimals writes "0"; leaving it out keeps
    // 1 - 1e-12i from reading "10i".
    const bool writeRe = z.m_a != 0.0 && re != L"0";
    const bool writeIm = z.m_b != 0.0 && im != L"0";
    if (!writeRe && !writeIm) {
        out = L"0";
        return;
    }
    if (writeRe) out = re;
    if (writeIm) {
        if (im[0] != L'-') out += L'+';
        out += im;
        appendUnit(out);
    }
}

void Complex::toStringPolar(std::wstring& out, int decimals) const {
    Complex p(*this);
    p.toPolar();
    std::wstring magnitude, angle;
    IExpression::value2String(p.m_a, magnitude, decimals);
    IExpression::value2String(p.m_b, angle, decimals);
    writePolar(out, magnitude, angle, p.m_a == 0.0);
}

Complex operator+(const Complex& l, const Complex& r) {
    return Complex(l) += r;
}
Complex operator-(const Complex& l, const Complex& r) {
    return Complex(l) -= r;
}
Complex operator*(const Complex& l, const Complex& r) {
    return Complex(l) *= r;
}
Complex operator/(const Complex& l, const Complex& r) {
    return Complex(l) /= r;
}
Complex operator+(const Complex& l, double r) {
    return Complex(l) += r;
}
Complex operator-(const Complex& l, double r) {
    return Complex(l) -= r;
}
Complex operator*(const Complex& l, double r) {
    return Complex(l) *= r;
}
Complex operator/(const Complex& l, double r) {
    return Complex(l) /= r;
}
Complex operator+(double l, const Complex& r) {
    return Complex(l, 0.0) += r;
}
Complex operator-(double l, const Complex& r) {
    return Complex(l, 0.0) -= r;
}
Complex operator*(double l, const Complex& r) {
    return Complex(l, 0.0) *= r;
}
Complex operator/(double l, const Complex& r) {
    return Complex(l, 0.0) /= r;
}

bool operator==(const Complex& l, const Complex& r) {
    return l.getA() == r.getA() && l.getB() == r.getB() && l.getPolar() == r.getPolar();
}
bool operator!=(const Complex& l, const Complex& r) {
    return !(l == r);
}
