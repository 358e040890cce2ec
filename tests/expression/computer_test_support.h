#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "IExpression.h"

namespace computer_test {
constexpr std::uint32_t NONE = 0;
constexpr std::uint32_t DIV0 = FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO;

// The engine code work() raises, or NONE when it returns normally.
template <typename Work> std::uint32_t codeOf(Work&& work) {
    try {
        work();
    } catch (const EngineError& e) {
        return e.code();
    }
    return NONE;
}

// Parses and evaluates text in the given input base; value is set on success.
inline std::uint32_t evaluate(IExpression::COMPMODE mode, const std::wstring& text, std::uint64_t& value) {
    IExpression::s_compmode = mode;
    return codeOf([&] {
        std::unique_ptr<IExpression> tree(IExpression::parseComputerExpression(text));
        value = tree->calculateComputer();
    });
}

// Restores the engine's process-wide settings after each test.
class ComputerMode : public ::testing::Test {
protected:
    void TearDown() override {
        IExpression::s_compmode = IExpression::COMP_HEX;
        IExpression::s_withex = false;
    }
};
} // namespace computer_test
