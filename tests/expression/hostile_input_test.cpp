// Texts no user should type but any may: each must give a value or an engine
// error, never a crash, a hang or an exhausted stack.
#include <pthread.h>

#include <limits>
#include <random>
#include <string>

#include "EngineTestSupport.h"
#include "OrvantaCalcBase.h"

using namespace engine_test;

namespace {
// Parses and evaluates both ways; fails the test on anything but a value or
// an engine error.
void survives(const std::wstring& text) {
    for (bool withex : {false, true}) {
        IExpression::s_withex = withex;
        for (bool pretranslate : {false, true}) {
            try {
                auto tree = parse(text, pretranslate);
                tree->calculate(1.5, -2.0);
                tree->calculateConst();
            } catch (const EngineError&) {
            }
        }
    }
}

std::wstring repeat(const std::wstring& part, std::size_t times) {
    std::wstring text;
    text.reserve(part.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += part;
    return text;
}

class HostileInput : public EngineTest {
protected:
    OrvantaCalcBase m_calculator; // with a user function and a constant, as in the program
    void SetUp() override {
        m_calculator.initFunctions(0, L"perc", L"perc(x,y)=x/y*100");
        m_calculator.setConst(0, L"c", L"299792458");
    }
};

TEST_F(HostileInput, EveryPrintableCharacterAloneAndInPairs) {
    std::wstring alphabet;
    for (wchar_t c = 32; c < 127; ++c)
        alphabet += c;
    alphabet += L"\u00B2\u00B3\u00B4";
    for (wchar_t a : alphabet) {
        survives(std::wstring(1, a));
        for (wchar_t b : alphabet)
            survives(std::wstring{a, b});
    }
}

TEST_F(HostileInput, RandomTextsFromTheFormulaAlphabet) {
    const std::wstring alphabet = L"0123456789.+-*/^!(),xyepisncotabglmdqr{}E\u00B2\u00B3\u00B4";
    std::mt19937 random(20240601);
    for (int n = 0; n < 3000; ++n) {
        std::wstring text;
        const std::size_t length = random() % 24;
        for (std::size_t i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        survives(text);
    }
}

TEST_F(HostileInput, DeepNestingIsRefused) {
    const int limit = IExpression::s_max_depth;
    for (const std::wstring& open : {std::wstring(L"("), std::wstring(L"sin("), std::wstring(L"perc(1,")}) {
        const std::wstring text = repeat(open, limit + 1) + L"1" + repeat(L")", limit + 1);
        EXPECT_EQ(codeOf([&] { parse(text); }), ErrorCode::INVALID_INPUT) << open;
    }
    // Unbalanced and enormous: refused before any work per level.
    EXPECT_EQ(codeOf([] { parse(repeat(L"(", 200000)); }), ErrorCode::INVALID_INPUT);
    EXPECT_EQ(codeOf([] { parse(repeat(L"(", 100000) + L"1" + repeat(L")", 100000)); }), ErrorCode::INVALID_INPUT);
}

TEST_F(HostileInput, NestingWithinTheLimitWorks) {
    const int levels = IExpression::s_max_depth - 1;
    const std::wstring text = repeat(L"(", levels) + L"x" + repeat(L")", levels);
    EXPECT_EQ(parse(text)->calculate(2, 0), 2);
    const int calls = IExpression::s_max_depth / 2 - 1;
    EXPECT_DOUBLE_EQ(parse(repeat(L"abs(", calls) + L"-3" + repeat(L")", calls))->calculateConst(), 3);
}

TEST_F(HostileInput, LongOperatorChainsAreRefusedBeyondTheLimit) {
    const int terms = IExpression::s_max_depth;
    EXPECT_EQ(parse(L"1" + repeat(L"+1", terms - 1))->calculateConst(), terms);
    EXPECT_EQ(parse(L"2" + repeat(L"^1", terms - 1))->calculateConst(), 2);
    for (const std::wstring& part : {std::wstring(L"+1"), std::wstring(L"*1"), std::wstring(L"^1")})
        EXPECT_EQ(codeOf([&] { parse(L"1" + repeat(part, terms)); }), ErrorCode::INVALID_INPUT) << part;
    EXPECT_EQ(codeOf([] { parse(L"1" + repeat(L"-x", 500000)); }), ErrorCode::INVALID_INPUT);
    EXPECT_EQ(codeOf([] { parse(repeat(L"2x", 300000)); }), ErrorCode::INVALID_INPUT);
}

TEST_F(HostileInput, LongFlatTextsParse) {
    // One literal of a million digits, and a long pre-translation workload.
    EXPECT_EQ(parse(repeat(L"9", 1000000))->calculateConst(), std::numeric_limits<double>::infinity());
    EXPECT_EQ(parse(L"0." + repeat(L"0", 1000000) + L"1")->calculateConst(), 0.0);
    survives(repeat(L"x\u00B2-(pi)e+-{c}", 20000));
    survives(repeat(L"2sin(", 100000));
}

TEST_F(HostileInput, DeepestTreesEvaluateAndFreeOnASmallStack) {
    // The plot worker evaluates on its own thread; a 512 KiB stack is far less
    // than any thread gets by default.
    const int levels = IExpression::s_max_depth - 1;
    const std::wstring text = repeat(L"(", levels / 2) + L"x" + repeat(L"+1)", levels / 2);
    struct Job {
        std::wstring text;
        double value = 0.0;
    } job{text};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 512 * 1024);
    pthread_t thread;
    auto body = [](void* argument) -> void* {
        auto* job = static_cast<Job*>(argument);
        job->value = parse(job->text)->calculate(1, 0);
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, body, &job), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    EXPECT_EQ(job.value, 1.0 + levels / 2);
}
} // namespace
