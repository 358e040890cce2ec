#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "computer_test_support.h"

using namespace computer_test;

namespace {
constexpr auto HEX = IExpression::COMP_HEX;
constexpr auto BIN = IExpression::COMP_BIN;
constexpr auto OCT = IExpression::COMP_OCT;
constexpr auto DEC = IExpression::COMP_DEC;
constexpr std::uint64_t BIT63 = std::uint64_t{1} << 63;

const std::wstring ONES64(64, L'1');
const std::wstring ONES65(65, L'1');
const std::wstring BIT63_TEXT = L"1" + std::wstring(63, L'0');

using Check = void (*)(const std::wstring&);
using Convert = std::uint64_t (*)(const std::wstring&);

struct BaseCase {
    const char* base;
    Check check;
    Convert convert;
    std::wstring text;
    std::uint64_t value;
    std::uint32_t code;
};

void PrintTo(const BaseCase& c, std::ostream* os) {
    *os << c.base << '_' << caseName(c.text);
}

const BaseCase s_bases[] = {
    // Hexadecimal: upper-case digits only, 8 of them, so 32 bits.
    {"hex", IExpression::checkHexNumber, IExpression::getLongValueFromHex, L"FFFFFFFF", 0xFFFFFFFF, NONE},
    {"hex", IExpression::checkHexNumber, IExpression::getLongValueFromHex, L"89ABCDEF", 0x89ABCDEF, NONE},
    {"hex", IExpression::checkHexNumber, IExpression::getLongValueFromHex, L"0000000A", 10, NONE},
    {"hex", IExpression::checkHexNumber, IExpression::getLongValueFromHex, L"", 0, NONE},
    {"hex", IExpression::checkHexNumber, IExpression::getLongValueFromHex, L"123456789", 0,
     ErrorCode::OVERFLOW_DIGITS},
    {"hex", IExpression::checkHexNumber, IExpression::getLongValueFromHex, L"ff", 0, ErrorCode::NOT_A_NUMBER},
    {"hex", IExpression::checkHexNumber, IExpression::getLongValueFromHex, L"G", 0, ErrorCode::NOT_A_NUMBER},
    {"hex", IExpression::checkHexNumber, IExpression::getLongValueFromHex, L"-1", 0, ErrorCode::NOT_A_NUMBER},
    // A bad digit is reported before the length.
    {"hex", IExpression::checkHexNumber, IExpression::getLongValueFromHex, L"abcdefabc", 0,
     ErrorCode::NOT_A_NUMBER},
    // Binary: 64 digits, so the whole value range.
    {"bin", IExpression::checkBinNumber, IExpression::getLongValueFromBin, ONES64, UINT64_MAX, NONE},
    {"bin", IExpression::checkBinNumber, IExpression::getLongValueFromBin, BIT63_TEXT, BIT63, NONE},
    {"bin", IExpression::checkBinNumber, IExpression::getLongValueFromBin, L"101", 5, NONE},
    {"bin", IExpression::checkBinNumber, IExpression::getLongValueFromBin, ONES65, 0,
     ErrorCode::OVERFLOW_DIGITS},
    {"bin", IExpression::checkBinNumber, IExpression::getLongValueFromBin, L"2", 0, ErrorCode::NOT_A_NUMBER},
    // Octal: 8 digits, so 24 bits.
    {"oct", IExpression::checkOctNumber, IExpression::getLongValueFromOct, L"77777777", 0xFFFFFF, NONE},
    {"oct", IExpression::checkOctNumber, IExpression::getLongValueFromOct, L"10", 8, NONE},
    {"oct", IExpression::checkOctNumber, IExpression::getLongValueFromOct, L"100000000", 0,
     ErrorCode::OVERFLOW_DIGITS},
    {"oct", IExpression::checkOctNumber, IExpression::getLongValueFromOct, L"8", 0, ErrorCode::NOT_A_NUMBER},
    // Decimal: 8 digits, so up to 99999999.
    {"dec", IExpression::checkDecNumber, IExpression::getLongValueFromDec, L"99999999", 99999999, NONE},
    {"dec", IExpression::checkDecNumber, IExpression::getLongValueFromDec, L"00000001", 1, NONE},
    {"dec", IExpression::checkDecNumber, IExpression::getLongValueFromDec, L"123456789", 0,
     ErrorCode::OVERFLOW_DIGITS},
    {"dec", IExpression::checkDecNumber, IExpression::getLongValueFromDec, L"1.5", 0,
     ErrorCode::NOT_A_NUMBER},
    {"dec", IExpression::checkDecNumber, IExpression::getLongValueFromDec, L"A", 0, ErrorCode::NOT_A_NUMBER},
};

class ComputerBases : public ::testing::TestWithParam<BaseCase> {};

TEST_P(ComputerBases, CheckAndConversionAgree) {
    const BaseCase& c = GetParam();
    for (bool withex : {false, true}) {
        IExpression::s_withex = withex;
        EXPECT_EQ(codeOf([&] { c.check(c.text); }), c.code) << c.base << " withex " << withex;
        std::uint64_t value = 0;
        EXPECT_EQ(codeOf([&] { value = c.convert(c.text); }), c.code) << c.base << " withex " << withex;
        if (c.code == NONE) {
            EXPECT_EQ(value, c.value) << c.base;
        }
    }
    IExpression::s_withex = false;
}

INSTANTIATE_TEST_SUITE_P(Table, ComputerBases, ::testing::ValuesIn(s_bases));

struct TextCase {
    std::uint64_t value;
    std::wstring binary;
    std::wstring hexadecimal; // empty when the value needs more than 32 bits
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.value;
}

const TextCase s_texts[] = {
    {0, L"0", L"0"},
    {1, L"1", L"1"},
    {255, L"11111111", L"FF"},
    {0xFFFFFFFF, std::wstring(32, L'1'), L"FFFFFFFF"},
    {0x100000000, L"1" + std::wstring(32, L'0'), L""},
    {BIT63, BIT63_TEXT, L""},
    {UINT64_MAX, ONES64, L""},
};

class ComputerTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(ComputerTexts, BinaryAlwaysAndHexadecimalUpTo32Bits) {
    const TextCase& c = GetParam();
    std::wstring out;
    IExpression::longValue2BinaryString(out, c.value);
    EXPECT_EQ(out, c.binary);
    const std::uint32_t code = codeOf([&] { IExpression::longValue2HexadecimalString(out, c.value); });
    if (c.hexadecimal.empty()) {
        EXPECT_EQ(code, ErrorCode::OVERFLOW_DIGITS);
    } else {
        EXPECT_EQ(code, NONE);
        EXPECT_EQ(out, c.hexadecimal);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ComputerTexts, ::testing::ValuesIn(s_texts));

struct NotCase {
    IExpression::COMPMODE mode;
    std::uint64_t value;
    std::wstring text;
    std::uint64_t result;
};

void PrintTo(const NotCase& c, std::ostream* os) {
    *os << modeName(c.mode) << '_' << c.value;
}

const NotCase s_nots[] = {
    // Binary input inverts exactly the digits of the value.
    {BIN, 5, L"010", 2},
    {BIN, 0, L"1", 1},
    {BIN, BIT63, L"0" + std::wstring(63, L'1'), BIT63 - 1},
    // Other bases first widen to whole hexadecimal digits.
    {HEX, 5, L"1010", 10},
    {DEC, 0, L"1111", 15},
    {OCT, 8, L"0111", 7},
    {HEX, 0x10, L"11101111", 0xEF},
    {HEX, 0xFFFFFFFF, std::wstring(32, L'0'), 0},
    {DEC, UINT64_MAX, std::wstring(64, L'0'), 0},
};

class ComputerNot : public ComputerMode, public ::testing::WithParamInterface<NotCase> {};

TEST_P(ComputerNot, InvertsTheDigitsOfTheValue) {
    const NotCase& c = GetParam();
    IExpression::s_compmode = c.mode;
    std::wstring out;
    IExpression::calculateNot(out, c.value);
    EXPECT_EQ(out, c.text);
    EXPECT_EQ(IExpression::calculateComputerFunction(L"not", c.value), c.result);
}

INSTANTIATE_TEST_SUITE_P(Table, ComputerNot, ::testing::ValuesIn(s_nots));

struct FunctionCase {
    const wchar_t* name;
    std::uint64_t a;
    std::uint64_t b;
    bool pair; // two arguments
    std::uint64_t result;
    std::uint32_t code;
};

void PrintTo(const FunctionCase& c, std::ostream* os) {
    *os << caseName(c.name) << '_' << c.a;
    if (c.pair) *os << '_' << c.b;
}

const FunctionCase s_functions[] = {
    {L"lsh", 8, 0, false, 16, NONE},
    {L"lsh", BIT63 + 1, 0, false, 2, NONE}, // the top bit falls out
    {L"rsh", 1, 0, false, 0, NONE},
    {L"rsh", UINT64_MAX, 0, false, BIT63 - 1, NONE},
    {L"and", 12, 10, true, 8, NONE},
    {L"or", 12, 10, true, 14, NONE},
    {L"xor", 12, 10, true, 6, NONE},
    // "nand" and "nor" in the width of the larger operand.
    {L"nand", 6, 3, true, 5, NONE},
    {L"nor", 5, 2, true, 0, NONE},
    {L"nor", 1, 0x80, true, 0x7E, NONE},
    {L"nor", 0x80, 1, true, 0x7E, NONE},
    {L"nand", 1, 0xFF, true, 0xFE, NONE},
    {L"nor", 0, 0, true, 1, NONE},
    {L"nand", 0, 0, true, 1, NONE},
    {L"nor", BIT63, 0, true, BIT63 - 1, NONE},
    {L"nand", UINT64_MAX, UINT64_MAX, true, 0, NONE},
    // Names are matched exactly, and each form knows only its own names.
    {L"shl", 1, 0, false, 0, ErrorCode::INTERNAL},
    {L"NOT", 1, 0, false, 0, ErrorCode::INTERNAL},
    {L"and", 1, 0, false, 0, ErrorCode::INTERNAL},
    {L"not", 1, 2, true, 0, ErrorCode::INTERNAL},
    {L"ands", 1, 2, true, 0, ErrorCode::INTERNAL},
};

class ComputerFunctions : public ComputerMode, public ::testing::WithParamInterface<FunctionCase> {};

TEST_P(ComputerFunctions, ResultOrCode) {
    const FunctionCase& c = GetParam();
    std::uint64_t result = 0;
    const std::uint32_t code = codeOf([&] {
        result = c.pair ? IExpression::calculateComputerFunction(c.name, c.a, c.b)
                        : IExpression::calculateComputerFunction(c.name, c.a);
    });
    EXPECT_EQ(code, c.code);
    if (c.code == NONE) {
        EXPECT_EQ(result, c.result);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ComputerFunctions, ::testing::ValuesIn(s_functions));
} // namespace
