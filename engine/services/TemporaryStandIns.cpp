// TEMPORARY STAND-INS, to be deleted as soon as the real definitions land on
// main: the complex-number class is being written on another branch. Only the
// members the matrix code needs are here, with plain rectangular arithmetic.
#include <cmath>
#include <cstdio>

#include "Complex.h"

bool Complex::s_use_j = false;

Complex::Complex() = default;
Complex::Complex(double a, double b, bool polar) : m_a(a), m_b(b), m_polar(polar) {}
Complex::Complex(const Complex& other) = default;
Complex& Complex::operator=(const Complex& other) = default;

void Complex::setB(double b) {
    m_b = b;
}

void Complex::toRectangular() {
    if (!m_polar) return;
    const double r = m_a;
    m_a = r * std::cos(m_b);
    m_b = r * std::sin(m_b);
    m_polar = false;
}

Complex Complex::conj() const {
    Complex z(*this);
    z.toRectangular();
    return Complex(z.m_a, -z.m_b);
}

void Complex::toStringRectangular(std::wstring& out, int decimals) const {
    Complex z(*this);
    z.toRectangular();
    wchar_t buffer[128];
    std::swprintf(buffer, 128, L"%.*f%+.*fi", decimals, z.m_a, decimals, z.m_b);
    out = buffer;
}

void Complex::toStringPolar(std::wstring& out, int decimals) const {
    Complex z(*this);
    z.toRectangular();
    wchar_t buffer[128];
    std::swprintf(buffer, 128, L"pol(%.*f,%.*f)", decimals, std::hypot(z.m_a, z.m_b), decimals,
                  std::atan2(z.m_b, z.m_a));
    out = buffer;
}

namespace {
Complex rect(const Complex& z) {
    Complex r(z);
    r.toRectangular();
    return r;
}
} // namespace

Complex operator+(const Complex& l, const Complex& r) {
    return Complex(rect(l).getA() + rect(r).getA(), rect(l).getB() + rect(r).getB());
}
Complex operator-(const Complex& l, const Complex& r) {
    return Complex(rect(l).getA() - rect(r).getA(), rect(l).getB() - rect(r).getB());
}
Complex operator*(const Complex& l, const Complex& r) {
    const Complex a = rect(l), b = rect(r);
    return Complex(a.getA() * b.getA() - a.getB() * b.getB(), a.getA() * b.getB() + a.getB() * b.getA());
}
Complex operator/(const Complex& l, const Complex& r) {
    const Complex a = rect(l), b = rect(r);
    const double d = b.getA() * b.getA() + b.getB() * b.getB();
    return Complex((a.getA() * b.getA() + a.getB() * b.getB()) / d,
                   (a.getB() * b.getA() - a.getA() * b.getB()) / d);
}
Complex operator*(const Complex& l, double r) {
    return Complex(rect(l).getA() * r, rect(l).getB() * r);
}
bool operator==(const Complex& l, const Complex& r) {
    return rect(l).getA() == rect(r).getA() && rect(l).getB() == rect(r).getB();
}

// TEMPORARY: the facade's plain calculation, the number formatter and the
// parser are being written on other branches. These read plain numbers and
// single statistic calls only.
#include "OrvantaCalcBase.h"

namespace {
bool readNumber(const std::wstring& text, double& value) {
    if (text.empty()) return false;
    wchar_t* end = nullptr;
    value = std::wcstod(text.c_str(), &end);
    return end != nullptr && *end == L'\0';
}

class StandInStatisticCall : public IExpression {
public:
    StandInStatisticCall(std::wstring name, double argument)
        : m_name(std::move(name)), m_argument(argument) {}
    bool isOperand() override { return true; }
    bool isConstant() override { return false; }
    bool containsX() override { return false; }
    bool containsY() override { return false; }
    double calculateStatistic(std::vector<double>& data) override {
        return calculateStatisticFunction(m_name, data, false, m_argument);
    }
    double calculateStatisticXY(std::vector<double>& data) override {
        return calculateStatisticFunction(m_name, data, true, m_argument);
    }

private:
    std::wstring m_name;
    double m_argument;
};
} // namespace

bool OrvantaCalcBase::calculateNormal(std::wstring& input, double& result) {
    if (readNumber(input, result)) return true;
    setLastError(loadString(40155));
    return false;
}

bool OrvantaCalcBase::calculateComplex(std::wstring& input, Complex& result) {
    double v = 0.0;
    if (input == L"i") {
        result = Complex(0, 1);
        return true;
    }
    if (!input.empty() && input.back() == L'i' && readNumber(input.substr(0, input.size() - 1), v)) {
        result = Complex(0, v);
        return true;
    }
    if (readNumber(input, v)) {
        result = Complex(v, 0);
        return true;
    }
    setLastError(loadString(40155));
    return false;
}

void OrvantaCalcBase::setValue(double value, std::wstring& text, int, int) {
    IExpression::value2String(value, text, 10);
}

void IExpression::value2String(double value, std::wstring& out, int decimals) {
    wchar_t buffer[128];
    std::swprintf(buffer, 128, L"%.*f", decimals, value);
    out = buffer;
    if (out.find(L'.') != std::wstring::npos) {
        while (out.back() == L'0')
            out.pop_back();
        if (out.back() == L'.') out.pop_back();
    }
    if (out == L"-0") out = L"0";
}

void IExpression::value2String(double value, std::wstring& out, int, int digits, bool) {
    value2String(value, out, digits);
}

bool IExpression::isNumber(const std::wstring& text) {
    double v = 0.0;
    return text.empty() || readNumber(text, v);
}

IExpression* IExpression::parseExpression(const std::wstring& text, bool) {
    const std::size_t open = text.find(L'(');
    if (open == std::wstring::npos || text.back() != L')') raiseEngineError(ErrorCode::INVALID_INPUT);
    const std::wstring inside = text.substr(open + 1, text.size() - open - 2);
    double argument = 0.0;
    if (!inside.empty() && !readNumber(inside, argument)) raiseEngineError(ErrorCode::INVALID_INPUT);
    return new StandInStatisticCall(text.substr(0, open), argument);
}
