#include <gtest/gtest.h>

#include "MessageIds.h"
#include "OrvantaCalcBase.h"

namespace {
// Opens the protected steps to the tests.
class Facade : public OrvantaCalcBase {
public:
    using OrvantaCalcBase::replaceEHoch;
};

std::wstring patternMessage(const std::wstring& pattern) {
    return OrvantaCalcBase::loadString(MessageId::PATTERN) + L" " + pattern;
}

struct ValidationCase {
    const wchar_t* input;
    bool computer;
    unsigned message;       // 0: passes
    const wchar_t* pattern; // for the pattern message
};

const ValidationCase s_validation[] = {
    {L"", false, MessageId::NOTHING_TO_CALCULATE, nullptr},
    {L" 1+2", false, MessageId::BAD_BEGINNING, nullptr},
    {L"*2", false, MessageId::BAD_BEGINNING, nullptr},
    {L")(1", false, MessageId::BAD_BEGINNING, nullptr}, // the beginning is checked before the parentheses
    {L"1+", false, MessageId::BAD_END, nullptr},
    {L"2E", false, MessageId::BAD_END, nullptr},
    {L"(1+2", false, MessageId::PARENTHESIS_CHECK, nullptr},
    {L"1+2)", false, MessageId::PARENTHESIS_CHECK, nullptr},
    {L"(1))(2", false, MessageId::PARENTHESIS_CHECK, nullptr},
    {L"2**3", false, MessageId::PATTERN, L"**"},
    {L"3*/4", false, MessageId::PATTERN, L"*/"},
    {L"5!3", false, MessageId::PATTERN, L"!3"},
    {L"2^-3", false, 0, nullptr},
    {L"2*-3", false, 0, nullptr},
    {L"()", false, 0, nullptr},
    {L"2(3)", false, 0, nullptr},
    {L"2ee", false, MessageId::PATTERN, L"ee"},
    {L"1<<2", false, MessageId::PATTERN, L"<<"},
    {L"2+3jj", false, MessageId::PATTERN, L"jj"},
    {L"j(2)", false, MessageId::PATTERN, L"j("},
    {L"2ii", false, MessageId::PATTERN, L"ii"},
    {L"sin(x)", false, 0, nullptr},
    // The programmer variant.
    {L"FF", true, 0, nullptr},
    {L"1E", true, 0, nullptr},
    {L".5", true, MessageId::BAD_BEGINNING, nullptr},
    {L"()", true, MessageId::PATTERN, L"()"},
    {L"2(", true, MessageId::BAD_END, nullptr},
    {L"2(3)", true, MessageId::PATTERN, L"2("},
    {L"(3)E(", true, MessageId::BAD_END, nullptr},
    {L"1+(2))", true, MessageId::PARENTHESIS_CHECK, nullptr},
};

class ValidationChain : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(ValidationChain, FirstFailingStepSetsItsMessage) {
    const ValidationCase& c = GetParam();
    Facade engine;
    OrvantaCalcBase::setLastError(L"before");
    std::wstring input = c.input;
    bool ok = c.computer ? engine.proove_computer(input) : engine.proove(input);
    if (c.message == 0) {
        EXPECT_TRUE(ok) << OrvantaCalcBase::getLastError();
        EXPECT_EQ(OrvantaCalcBase::getLastError(), L"before");
        return;
    }
    ASSERT_FALSE(ok);
    std::wstring expected = c.pattern ? patternMessage(c.pattern) : OrvantaCalcBase::loadString(c.message);
    EXPECT_EQ(OrvantaCalcBase::getLastError(), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ValidationChain, ::testing::ValuesIn(s_validation));

// Every row of the forbidden-pattern table stops its first pattern.
TEST(ValidationChain, RowsAreCheckedInOrder) {
    Facade engine;
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"1/*2", L"/*"}, {L"(1*)", L"*)"}, {L"1.^2", L".^"}, {L"4!.5", L"!."},
        {L"(1+)", L"+)"}, {L"(1)2", L")2"}, {L"1.(2)", L".("}, {L"(*1)", L"(*"},
        {L"1+E3", L"+E"}, {L"1E/3", L"E/"}, {L"pipi", L"pipi"}, {L"(x*)", L"*)"},
    };
    for (const auto& [input, pattern] : cases) {
        std::wstring text = input;
        EXPECT_FALSE(engine.proove(text)) << input;
        EXPECT_EQ(OrvantaCalcBase::getLastError(), patternMessage(pattern)) << input;
    }
}

struct RewriteCase {
    const wchar_t* input;
    const wchar_t* expected;
};

const RewriteCase s_rewrites[] = {
    {L"1.5E3", L"(1.5*10^3)"},
    {L"2E-5+1", L"(2*10^-5)+1"},
    {L"piE2", L"(pi*10^2)"},
    {L"eE2", L"(e*10^2)"},
    {L"2E", L"(2*10^)"},
    {L"3E--5", L"(3*10^--5)"},
    {L"2E5-3", L"(2*10^5)-3"},
    {L"1E2+3E4", L"(1*10^2)+(3*10^4)"},
    {L"2E3E4", L"(2*10^3)(*10^4)"},
    {L"sin(1)", L"sin(1)"},
};

class ScientificNotation : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(ScientificNotation, BecomesAnExplicitPowerOfTen) {
    Facade engine;
    std::wstring text = GetParam().input;
    engine.replaceEHoch(text);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ScientificNotation, ::testing::ValuesIn(s_rewrites));

TEST(ScientificNotation, ManyExponentsStayLinear) {
    Facade engine;
    std::wstring text;
    for (int i = 0; i < 20000; ++i) text += L"1E1+";
    text += L"1";
    engine.replaceEHoch(text);
    EXPECT_EQ(text.find(L'E'), std::wstring::npos);
}

TEST(Modes, AngleUnitSetterMapsUnknownValuesToGrads) {
    Facade engine;
    engine.setMode(CalculatorModes::DEG);
    EXPECT_EQ(IExpression::s_mode, CalculatorModes::DEG);
    engine.setMode(static_cast<CalculatorModes::MODE>(7));
    EXPECT_EQ(IExpression::s_mode, CalculatorModes::GRAD);
    engine.setMode(CalculatorModes::RAD);
    EXPECT_EQ(IExpression::s_mode, CalculatorModes::RAD);
}
} // namespace
