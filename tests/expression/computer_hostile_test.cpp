// Text no keypad would produce must end in a value or an engine error: no
// crash, no hang, no exhausted stack, whatever the base.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "computer_test_support.h"

using namespace computer_test;

namespace {
constexpr IExpression::COMPMODE s_modes[] = {IExpression::COMP_HEX, IExpression::COMP_BIN,
                                             IExpression::COMP_OCT, IExpression::COMP_DEC};

std::wstring repeat(const std::wstring& piece, std::size_t count) {
    std::wstring text;
    text.reserve(piece.size() * count);
    for (std::size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

// Any outcome but a crash is acceptable; evaluate() catches engine errors.
void survive(const std::wstring& text) {
    for (IExpression::COMPMODE mode : s_modes) {
        std::uint64_t value = 0;
        evaluate(mode, text, value);
    }
}

TEST_F(ComputerMode, EveryPrintableCharacterInEveryPosition) {
    for (wchar_t a = 32; a < 127; ++a) {
        const std::wstring c(1, a);
        for (const std::wstring& text : {c, L"1" + c, c + L"1", L"1" + c + L"1", L"(" + c + L")", c + L"(1)",
                                         L"not(" + c + L")", L"and(1," + c + L")", L"(1" + c + L"1)*1"})
            survive(text);
        for (wchar_t b = 32; b < 127; ++b)
            survive(L"1" + c + std::wstring(1, b) + L"1");
    }
}

struct LongCase {
    const char* what;
    std::wstring text;
    std::uint32_t code;
};

void PrintTo(const LongCase& c, std::ostream* os) {
    *os << caseName(std::wstring(c.what, c.what + std::strlen(c.what)));
}

constexpr std::size_t N = 100000;

const LongCase s_long[] = {
    {"long sum", repeat(L"1+", N) + L"1", ErrorCode::INVALID_INPUT},
    {"long product", repeat(L"1*", N) + L"1", ErrorCode::INVALID_INPUT},
    {"long mixed chain", repeat(L"1+1*1^", N) + L"1", ErrorCode::INVALID_INPUT},
    {"deep parentheses", repeat(L"(", N) + L"1" + repeat(L")", N), ErrorCode::INVALID_INPUT},
    {"deep calls", repeat(L"not(", N) + L"1" + repeat(L")", N), ErrorCode::INVALID_INPUT},
    {"deep two-argument calls", repeat(L"and(1,", N) + L"1" + repeat(L")", N), ErrorCode::INVALID_INPUT},
    {"deep products of sums", repeat(L"2*(1+", N) + L"1" + repeat(L")", N), ErrorCode::INVALID_INPUT},
    {"only opening", repeat(L"(", N), ErrorCode::INVALID_INPUT},
    {"only closing", repeat(L")", N), ErrorCode::NOT_A_NUMBER},
    {"huge number", repeat(L"1", N), ErrorCode::OVERFLOW_DIGITS},
    {"commas", L"and(" + repeat(L"1,", N) + L"1)", ErrorCode::INVALID_INPUT},
};

class ComputerLongText : public ComputerMode, public ::testing::WithParamInterface<LongCase> {};

TEST_P(ComputerLongText, RefusedWithoutExhaustingTheStack) {
    std::uint64_t value = 0;
    EXPECT_EQ(evaluate(IExpression::COMP_HEX, GetParam().text, value), GetParam().code) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Table, ComputerLongText, ::testing::ValuesIn(s_long));

TEST_F(ComputerMode, DeepButReasonableTextStillComputes) {
    std::uint64_t value = 0;
    EXPECT_EQ(evaluate(IExpression::COMP_DEC, repeat(L"(", 200) + L"7" + repeat(L")", 200), value), NONE);
    EXPECT_EQ(value, 7u);
    EXPECT_EQ(evaluate(IExpression::COMP_DEC, repeat(L"1+", 199) + L"1", value), NONE);
    EXPECT_EQ(value, 200u);
    EXPECT_EQ(evaluate(IExpression::COMP_DEC, repeat(L"lsh(", 63) + L"1" + repeat(L")", 63), value), NONE);
    EXPECT_EQ(value, std::uint64_t{1} << 63);
}
} // namespace
