// Random formulas: simplifying never changes a formula's value, the symbolic
// derivative agrees with a numeric one, and no formula crashes either.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "EngineTestSupport.h"
#include "IExpressionHolder.h"

namespace {

using engine_test::codeOf;
using engine_test::EngineTest;
using engine_test::NO_ERROR;
using engine_test::parse;

std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

std::wstring simplifiedThreeTimes(std::wstring text) {
    for (int pass = 0; pass < 3; ++pass) {
        IExpressionHolder holder(IExpression::parseExpression(text, true));
        text = holder.toSimplifiedString();
    }
    return text;
}

// Fully parenthesized formulas in x and y with small integer constants.
class FormulaGenerator {
public:
    explicit FormulaGenerator(unsigned seed) : m_random(seed) {}

    std::wstring formula(int depth) {
        if (depth == 0 || pick(4) == 0) return leaf();
        switch (pick(8)) {
        case 0:
            return call(depth);
        case 1:
            return L"(" + formula(depth - 1) + L")^" + std::to_wstring(pick(4));
        default: {
            static const wchar_t ops[] = L"+-*/+-*";
            const wchar_t op = ops[pick(7)];
            return L"(" + formula(depth - 1) + L")" + op + L"(" + formula(depth - 1) + L")";
        }
        }
    }

private:
    int pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

    std::wstring leaf() {
        switch (pick(6)) {
        case 0:
        case 1:
        case 2:
            return L"x";
        case 3:
            return L"y";
        default:
            return std::to_wstring(pick(7) - 2);
        }
    }

    std::wstring call(int depth) {
        static const wchar_t* const names[] = {L"sin", L"cos", L"sqr", L"ln", L"arctan", L"cosh"};
        return std::wstring(names[pick(6)]) + L"(" + formula(depth - 1) + L")";
    }

    std::mt19937 m_random;
};

bool usable(double value) {
    return std::isfinite(value) && std::fabs(value) < 1e6;
}

class RandomFormulas : public EngineTest {};

TEST_F(RandomFormulas, SimplifyingKeepsTheValue) {
    FormulaGenerator generator(7);
    int checked = 0;
    for (int n = 0; n < 300; ++n) {
        const std::wstring formula = generator.formula(3);
        const std::wstring result = simplifiedThreeTimes(formula);
        auto original = parse(formula);
        auto simplified = parse(result);
        for (double x : {-1.3, 0.4, 1.7, 2.9}) {
            const double expected = original->calculate(x, 0.6);
            if (!usable(expected)) continue;
            ++checked;
            EXPECT_NEAR(simplified->calculate(x, 0.6), expected, 1e-6 * std::max(1.0, std::fabs(expected)))
                << narrow(formula) << " -> " << narrow(result) << " at x=" << x;
        }
    }
    EXPECT_GT(checked, 600);
}

TEST_F(RandomFormulas, DerivativesMatchCentralDifferences) {
    FormulaGenerator generator(11);
    int checked = 0;
    for (int n = 0; n < 300; ++n) {
        const std::wstring formula = generator.formula(3);
        auto f = parse(formula);
        const std::wstring derivative = f->derivate();
        ASSERT_NE(derivative, L"invalid") << narrow(formula);
        auto df = parse(derivative);
        for (double x : {-1.3, 0.4, 1.7}) {
            // Only where f is smooth: two step sizes agree.
            const double h = 1e-4;
            const double coarse = (f->calculate(x + h, 0.6) - f->calculate(x - h, 0.6)) / (2 * h);
            const double fine = (f->calculate(x + h / 2, 0.6) - f->calculate(x - h / 2, 0.6)) / h;
            if (!usable(coarse) || !usable(fine) ||
                std::fabs(coarse - fine) > 1e-4 * std::max(1.0, std::fabs(fine)))
                continue;
            ++checked;
            EXPECT_NEAR(df->calculate(x, 0.6), fine, 1e-4 * std::max(1.0, std::fabs(fine)))
                << narrow(formula) << " -> " << narrow(derivative) << " at x=" << x;
        }
    }
    EXPECT_GT(checked, 450);
}

std::wstring repeat(const std::wstring& part, int times) {
    std::wstring text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

// Simplifying and deriving the deepest and widest formulas the parser takes
// ends with a text or an engine error.
TEST_F(RandomFormulas, DeepAndWideFormulasEnd) {
    const int limit = IExpression::s_max_depth - 1;
    const std::wstring texts[] = {
        repeat(L"(", limit) + L"x" + repeat(L")", limit),
        repeat(L"sin(", limit / 2) + L"x" + repeat(L")", limit / 2),
        L"x" + repeat(L"*x", limit - 1),
        L"y" + repeat(L"*y", limit - 1),
        L"x" + repeat(L"^x", limit - 1),
        L"(x+1)" + repeat(L"^9", limit - 1),
        repeat(L"(x+1)*", 100) + L"1",
        repeat(L"(x^2+x+1)/", 60) + L"1",
        repeat(L"(" + repeat(L"x+", 60) + L"1)+", 30) + L"1",
    };
    for (IExpression::s_withex = false;; IExpression::s_withex = true) {
        for (const std::wstring& text : texts) {
            const auto code = codeOf([&] {
                simplifiedThreeTimes(text);
                parse(text)->derivate();
            });
            EXPECT_TRUE(code == NO_ERROR || code == ErrorCode::INVALID_INPUT) << narrow(text.substr(0, 40));
        }
        if (IExpression::s_withex) break;
    }
}

} // namespace
