#pragma once
#include <string>

// A complex value in rectangular (a + bi) or polar (magnitude a, angle b) form.
// Arithmetic and functions work on rectangular copies and return rectangular results.
class Complex {
public:
    static bool s_use_j; // write the imaginary unit as "j" instead of "i"

    Complex();
    Complex(double a, double b, bool polar = false);
    Complex(const Complex& other) = default;
    explicit Complex(const std::wstring& text); // parses a literal: "i", "2.5", "pol(r,angle)"
    virtual ~Complex() = default;
    Complex& operator=(const Complex& other) = default;

    void setAB(double a, double b);
    void setA(double a);
    void setB(double b);
    double getA() const { return m_a; }
    double getB() const { return m_b; }
    bool getPolar() const { return m_polar; }
    void add2A(double v);
    void add2B(double v);

    void toRectangular();
    void toPolar();
    void toPolarExt();

    Complex& operator+=(const Complex& z);
    Complex& operator-=(const Complex& z);
    Complex& operator*=(const Complex& z);
    Complex& operator/=(const Complex& z);
    Complex& operator+=(double d);
    Complex& operator-=(double d);
    Complex& operator*=(double d);
    Complex& operator/=(double d);

    Complex abs() const;
    double absAsDouble() const;
    Complex sinc() const;
    Complex cosc() const;
    Complex tanc() const;
    Complex sinhc() const;
    Complex coshc() const;
    Complex tanhc() const;
    Complex asinc() const;
    Complex acosc() const;
    Complex atanc() const;
    Complex asinhc() const;
    Complex acoshc() const;
    Complex atanhc() const;
    Complex conj() const;
    Complex Re() const;
    Complex Im() const;
    Complex randomc() const;
    Complex signc() const;
    Complex logarithmus10() const;
    Complex logarithmus_e() const;
    Complex sqr() const;
    Complex ehoch() const;
    Complex hoch(const Complex& w) const;
    Complex hoch(const double& p) const;

    bool isZero() const;
    bool hasImaginaryPart() const;

    void toString(std::wstring& out, int format, int digits) const;
    void toStringRectangular(std::wstring& out, int decimals) const;
    void toStringPolar(std::wstring& out, int decimals) const;

private:
    double m_a = 0.0;
    double m_b = 0.0;
    bool m_polar = false;
};

Complex operator+(const Complex& l, const Complex& r);
Complex operator-(const Complex& l, const Complex& r);
Complex operator*(const Complex& l, const Complex& r);
Complex operator/(const Complex& l, const Complex& r);
Complex operator+(const Complex& l, double r);
Complex operator-(const Complex& l, double r);
Complex operator*(const Complex& l, double r);
Complex operator/(const Complex& l, double r);
Complex operator+(double l, const Complex& r);
Complex operator-(double l, const Complex& r);
Complex operator*(double l, const Complex& r);
Complex operator/(double l, const Complex& r);
bool operator==(const Complex& l, const Complex& r);
bool operator!=(const Complex& l, const Complex& r);
