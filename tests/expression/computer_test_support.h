#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cwctype>
#include <memory>
#include <ostream>
#include <string>

#include "IExpression.h"

namespace computer_test {
constexpr std::uint32_t NONE = 0;
constexpr std::uint32_t DIV0 = FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO;

// A test-name friendly text: letters, digits and operators, "_" for the rest
// (test runners split names at some characters), cut short for huge texts.
inline std::string caseName(const std::wstring& text) {
    static const std::wstring keep = L"+-*/^%(),";
    std::string name;
    for (wchar_t c : text.substr(0, 40))
        name +=
            (std::iswalnum(c) && c < 128) || keep.find(c) != std::wstring::npos ? static_cast<char>(c) : '_';
    return text.size() > 40 ? name + "..." : name;
}

inline const char* modeName(IExpression::COMPMODE mode) {
    static const char* const names[] = {"hex", "bin", "oct", "dec"};
    return names[mode];
}

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
