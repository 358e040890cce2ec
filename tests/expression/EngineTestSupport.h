#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "IExpression.h"

// Helpers for the expression tests. The engine's settings are process-wide, so
// every test that changes them derives from EngineTest, which restores them.
namespace engine_test {
constexpr std::uint32_t NO_ERROR = 0;

inline std::unique_ptr<IExpression> parse(const std::wstring& text, bool pretranslate = true) {
    return std::unique_ptr<IExpression>(IExpression::parseExpression(text, pretranslate));
}

// The engine code raised by f, or NO_ERROR when it returns.
template <typename F> std::uint32_t codeOf(F&& f) {
    try {
        f();
    } catch (const EngineError& e) {
        return e.code();
    }
    return NO_ERROR;
}

inline std::wstring preTranslated(std::wstring text) {
    IExpression::preTranslate(text);
    return text;
}

class EngineTest : public ::testing::Test {
protected:
    void TearDown() override {
        IExpression::s_withex = false;
        IExpression::s_mode = CalculatorModes::RAD;
        IExpression::s_lastresult = 0.0;
    }
};
} // namespace engine_test
