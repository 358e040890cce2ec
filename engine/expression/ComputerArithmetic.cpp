// Programmer mode on unsigned 64-bit values: digit checks and conversions per
// input base, result texts, and the bit functions.
#include <algorithm>
#include <array>
#include <bit>
#include <string_view>

#include "IExpression.h"

namespace {
// An input base: its radix and the most digits a number token may have.
struct Base {
    unsigned radix;
    std::size_t maxDigits;
};
// Hexadecimal input stops at 32 bits, octal at 24, decimal at 99999999.
constexpr Base kBin{2, 64};
constexpr Base kHex{16, 8};
constexpr Base kOct{8, 8};
constexpr Base kDec{10, 8};

// Value of c as a digit of radix, or -1. Only upper-case letters are
// hexadecimal digits: the keypad writes them so, and "e" must stay an error.
int digitValue(wchar_t c, unsigned radix) {
    int digit = -1;
    if (c >= L'0' && c <= L'9')
        digit = c - L'0';
    else if (c >= L'A' && c <= L'F')
        digit = c - L'A' + 10;
    return digit >= 0 && static_cast<unsigned>(digit) < radix ? digit : -1;
}

void checkNumber(const std::wstring& text, Base base) {
    for (wchar_t c : text)
        if (digitValue(c, base.radix) < 0) raiseEngineError(ErrorCode::NOT_A_NUMBER);
    if (text.size() > base.maxDigits) raiseEngineError(ErrorCode::OVERFLOW_DIGITS);
}

// The checks bound the digit count, so the value never wraps.
std::uint64_t valueOf(const std::wstring& text, Base base) {
    checkNumber(text, base);
    std::uint64_t value = 0;
    for (wchar_t c : text)
        value = value * base.radix + static_cast<unsigned>(digitValue(c, base.radix));
    return value;
}

std::uint64_t lowBits(int width) {
    return width >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1;
}

// Binary digits of a value, "0" for 0: the width the bit functions work in.
int binaryWidth(std::uint64_t value) {
    return std::max(1, static_cast<int>(std::bit_width(value)));
}

// The lowest width bits of value as binary digits, leading zeros kept.
std::wstring binaryDigits(std::uint64_t value, int width) {
    std::wstring text(static_cast<std::size_t>(width), L'0');
    for (int bit = 0; bit < width; ++bit)
        if ((value >> bit) & 1) text[static_cast<std::size_t>(width - 1 - bit)] = L'1';
    return text;
}

// "not" inverts the binary digits of the value; outside binary input it first
// widens them to whole hexadecimal digits, so not 5 is "010" in binary and
// "1010" otherwise.
int notWidth(std::uint64_t value) {
    const int width = binaryWidth(value);
    if (IExpression::s_compmode == IExpression::COMP_BIN) return width;
    return (width + 3) / 4 * 4;
}

std::uint64_t notValue(std::uint64_t a) {
    return ~a & lowBits(notWidth(a));
}
std::uint64_t shiftLeft(std::uint64_t a) {
    return a << 1;
}
std::uint64_t shiftRight(std::uint64_t a) {
    return a >> 1;
}

// "nand" and "nor" work in the width of the larger operand, not in 64 bits.
int pairWidth(std::uint64_t a, std::uint64_t b) {
    return std::max(binaryWidth(a), binaryWidth(b));
}
std::uint64_t andValue(std::uint64_t a, std::uint64_t b) {
    return a & b;
}
std::uint64_t orValue(std::uint64_t a, std::uint64_t b) {
    return a | b;
}
std::uint64_t xorValue(std::uint64_t a, std::uint64_t b) {
    return a ^ b;
}
std::uint64_t nandValue(std::uint64_t a, std::uint64_t b) {
    return ~(a & b) & lowBits(pairWidth(a, b));
}
std::uint64_t norValue(std::uint64_t a, std::uint64_t b) {
    return ~(a | b) & lowBits(pairWidth(a, b));
}

struct Function1 {
    std::wstring_view name;
    std::uint64_t (*compute)(std::uint64_t);
};
struct Function2 {
    std::wstring_view name;
    std::uint64_t (*compute)(std::uint64_t, std::uint64_t);
};

constexpr std::array<Function1, 3> kFunctions1 = {{
    {L"lsh", shiftLeft},
    {L"rsh", shiftRight},
    {L"not", notValue},
}};
constexpr std::array<Function2, 5> kFunctions2 = {{
    {L"and", andValue},
    {L"or", orValue},
    {L"xor", xorValue},
    {L"nand", nandValue},
    {L"nor", norValue},
}};

template <typename Table> auto lookUp(const Table& table, const std::wstring& name) {
    for (const auto& entry : table)
        if (entry.name == name) return entry.compute;
    raiseEngineError(ErrorCode::INTERNAL);
}
} // namespace

void IExpression::checkBinNumber(const std::wstring& text) {
    checkNumber(text, kBin);
}
void IExpression::checkHexNumber(const std::wstring& text) {
    checkNumber(text, kHex);
}
void IExpression::checkOctNumber(const std::wstring& text) {
    checkNumber(text, kOct);
}
void IExpression::checkDecNumber(const std::wstring& text) {
    checkNumber(text, kDec);
}

std::uint64_t IExpression::getLongValueFromBin(const std::wstring& text) {
    return valueOf(text, kBin);
}
std::uint64_t IExpression::getLongValueFromHex(const std::wstring& text) {
    return valueOf(text, kHex);
}
std::uint64_t IExpression::getLongValueFromOct(const std::wstring& text) {
    return valueOf(text, kOct);
}
std::uint64_t IExpression::getLongValueFromDec(const std::wstring& text) {
    return valueOf(text, kDec);
}

void IExpression::longValue2BinaryString(std::wstring& out, std::uint64_t value) {
    out = binaryDigits(value, binaryWidth(value));
}

void IExpression::longValue2HexadecimalString(std::wstring& out, std::uint64_t value) {
    if (value > 0xFFFFFFFFu) raiseEngineError(ErrorCode::OVERFLOW_DIGITS);
    static constexpr std::wstring_view digits = L"0123456789ABCDEF";
    out.clear();
    do {
        out.insert(out.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
}

void IExpression::calculateNot(std::wstring& out, std::uint64_t value) {
    out = binaryDigits(notValue(value), notWidth(value));
}

std::uint64_t IExpression::calculateComputerFunction(const std::wstring& name, std::uint64_t a) {
    return lookUp(kFunctions1, name)(a);
}

std::uint64_t IExpression::calculateComputerFunction(const std::wstring& name, std::uint64_t a,
                                                     std::uint64_t b) {
    return lookUp(kFunctions2, name)(a, b);
}
