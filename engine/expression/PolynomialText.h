#pragma once
#include <string>
#include <vector>

// Reading polynomial coefficients back from formula text, and polynomial long
// division written as text. The polynomial services hand the engine texts such
// as "3*x^2+2*x+1"; these routines are the other half of that exchange.
class PolynomialText {
public:
    // Highest degree the polynomial routines read and write.
    static const int s_max_degree = 99;

    // Coefficient of x^n read from text: the number written in front of
    // "x+", "x-" or a final "x" (n < 2) or of "x^n" (n >= 2); 0 when absent.
    static double coefficientOf(const std::wstring& text, int n);

    // Long division of two coefficient lists (index = degree, at most
    // s_max_degree + 1 entries). Writes the quotient and the remainder over
    // the divisor; when the dividend's degree is below the divisor's, or the
    // divisor is zero, the plain fraction of the two texts.
    static std::wstring divide(const std::vector<double>& dividend, const std::vector<double>& divisor,
                               const std::wstring& dividendText, const std::wstring& divisorText);
};
