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
