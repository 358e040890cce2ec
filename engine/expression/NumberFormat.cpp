// Every number the calculator shows or writes back into a formula passes
// through here: fixed decimals, scientific and engineering notation.
#include <algorithm>
#include <cmath>
#include <string>

#include "IExpression.h"
#include "NumberText.h"

namespace {
enum Format { FLOATING_POINT = 0, SCIENTIFIC = 1, ENGINEERING = 2 };

// Beyond this a double has no more digits to show; it also bounds the text.
constexpr int MAX_DIGITS = 340;
const wchar_t* const NOT_A_NUMBER = L"NaN";

int clampDigits(int digits) {
    return std::clamp(digits, 0, MAX_DIGITS);
}

// Drops the zeros at the end of a fraction, then a "." left at the end.
void trimFraction(std::wstring& text) {
    if (text.find(L'.') == std::wstring::npos) return;
    text.erase(text.find_last_not_of(L'0') + 1);
    if (!text.empty() && text.back() == L'.') text.pop_back();
}

void unsignZero(std::wstring& text) {
    if (text == L"-0") text = L"0";
}

// The handheld's "%E" writes at least three exponent digits: "1.5E+003".
void padExponent(std::wstring& text) {
    const std::size_t e = text.find(L'E');
    if (e == std::wstring::npos || e + 1 >= text.size()) return;
    const std::size_t digits = text.size() - (e + 2);
    if (digits < 3) text.insert(e + 2, 3 - digits, L'0');
}

std::wstring fixed(double value, int decimals) {
    if (!std::isfinite(value)) return NOT_A_NUMBER;
    std::wstring text = NumberText::format("%.*f", clampDigits(decimals), value);
    trimFraction(text);
    unsignZero(text);
    return text;
}

std::wstring scientific(double value, int digits) {
    const bool negative = value < 0.0;
    std::wstring text = NumberText::format("%1.*E", std::max(digits - 1, 0), negative ? -value : value);
    if (text.find(L'.') != std::wstring::npos) {
        std::size_t e = text.find(L'E');
        while (e > 0 && text[e - 1] == L'0')
            text.erase(--e, 1);
        if (e > 0 && text[e - 1] == L'.') text.erase(e - 1, 1);
    }
    padExponent(text);
    if (negative) text.insert(0, 1, L'-');
    unsignZero(text);
    return text;
}

// The exponent, a multiple of 3, that leaves a mantissa of 1 to 1000.
int engineeringExponent(double magnitude) {
    if (magnitude == 0.0) return 0;
    if (magnitude >= 1.0) {
        int k = 3;
        while (magnitude > std::pow(10.0, k))
            k += 3;
        return k - 3;
    }
    int n = -3;
    while (magnitude < std::pow(10.0, n))
        n -= 3;
    return n;
}

std::wstring exponentText(int n) {
    std::wstring text = std::to_wstring(n < 0 ? -n : n);
    if (text.size() < 3) text.insert(0, 3 - text.size(), L'0');
    return (n < 0 ? L"-" : L"+") + text;
}

std::wstring engineering(double value, int digits) {
    const bool negative = value < 0.0;
    const double magnitude = negative ? -value : value;
    const int n = engineeringExponent(magnitude);
    const double mantissa = n < 0 ? std::pow(10.0, -n) * magnitude : magnitude / std::pow(10.0, n);
    // Integer digits of the mantissa, counted as the handheld did: a mantissa
    // of exactly 10 or 100 counts one digit less, which only adds a decimal.
    int m = 1;
    for (double g = mantissa * 0.1; g > 1.0; g *= 0.1)
        ++m;
    std::wstring text = NumberText::format("%*.*f", m, std::max(digits - m, 0), mantissa);
    trimFraction(text);
    unsignZero(text);
    text += L"E" + exponentText(n);
    if (negative) text.insert(0, 1, L'-');
    return text;
}
} // namespace

void IExpression::value2String(double value, std::wstring& out, int decimals) {
    out = fixed(value, decimals);
}

void IExpression::value2String(double value, std::wstring& out, int format, int digits, bool autoExponent) {
    // Infinities and NaN have no digits in any form; the text cannot be read
    // back as a number.
    if (!std::isfinite(value)) {
        out = NOT_A_NUMBER;
        return;
    }
    digits = clampDigits(digits);
    const double small = std::pow(10.0, -digits);
    const bool forced =
        autoExponent && (value > 1e12 || value < -1e12 || (value != 0.0 && value > -small && value < small));
    if (forced && format == FLOATING_POINT) digits = 15;

    if (format == SCIENTIFIC || forced)
        out = scientific(value, digits);
    else if (format == ENGINEERING)
        out = engineering(value, digits);
    else
        out = fixed(value, digits);
}

void IExpression::formatNumber(std::wstring& text) {
    trimFraction(text);
}
