#include <gtest/gtest.h>

#include <chrono>

#include "EngineError.h"
#include "polynom_term_builder.h"

namespace {

using polynom_test::build;

std::unique_ptr<PolynomTerm> nestedSines(int depth) {
    auto term = PolynomTerm::fromToken(L"x");
    for (int i = 0; i < depth; ++i)
        term->applyFunction(L"sin");
    return term;
}

TEST(PolynomTermLimits, NestingUpToTheBoundIsWritten) {
    const auto term = nestedSines(PolynomTerm::s_max_depth - 1);
    const std::wstring text = term->text();
    EXPECT_EQ(text.size(), 5u * (PolynomTerm::s_max_depth - 1) + 1u);
    EXPECT_EQ(term->clone()->text(), text);
}

TEST(PolynomTermLimits, DeeperNestingIsRejected) {
    try {
        nestedSines(PolynomTerm::s_max_depth + 1);
        FAIL() << "no error";
    } catch (const EngineError& e) {
        EXPECT_EQ(e.code(), ErrorCode::INVALID_INPUT);
    }
}

TEST(PolynomTermLimits, LongChainsOfUnmergeableProductsAreRejected) {
    auto term = PolynomTerm::fromToken(L"y");
    EXPECT_THROW(
        {
            for (int i = 0; i < 2 * PolynomTerm::s_max_depth; ++i)
                term = PolynomTerm::combine(std::move(term), PolynomTerm::fromToken(L"y"), L'*');
        },
        EngineError);
}

TEST(PolynomTermLimits, RepeatedPowersOfSumsStopExpanding) {
    const auto start = std::chrono::steady_clock::now();
    const auto term = build(L"(((x+1)^9)^9)^9");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    // The second power expands (degree 81); the third would need too many
    // products and stays a power.
    EXPECT_EQ(term->kind(), PolynomTerm::COMPOUND);
    EXPECT_EQ(term->getOperator(), L'^');
    EXPECT_EQ(term->left()->summands().size(), 82u);
}

TEST(PolynomTermLimits, VeryLongSumsNestInsteadOfGrowingWithoutBound) {
    auto term = PolynomTerm::fromToken(L"1");
    const int count = 3 * PolynomTerm::s_max_summands;
    for (int i = 1; i <= count; ++i)
        term = PolynomTerm::combine(std::move(term), build(L"x^" + std::to_wstring(i)), L'+');
    ASSERT_EQ(term->kind(), PolynomTerm::SUM);
    EXPECT_LE(term->summands().size(), static_cast<std::size_t>(PolynomTerm::s_max_summands));
    // Every power is still written exactly once.
    const std::wstring text = term->text();
    for (int i : {2, 11, 600, count}) {
        const std::wstring power = L"x^" + std::to_wstring(i);
        const std::size_t at = text.find(power);
        ASSERT_NE(at, std::wstring::npos) << i;
        const std::size_t after = at + power.size();
        EXPECT_TRUE(after == text.size() || text[after] == L'+') << i;
    }
    // Adding the same powers again merges into the nested sums where they live.
    auto again = term->clone();
    for (int i = 1; i <= count; ++i) {
        auto u = build(L"x^" + std::to_wstring(i));
        if (!again->add(*u)) again = PolynomTerm::sum(std::move(again), std::move(u));
    }
    EXPECT_LT(again->text().size(), 3 * text.size());
}

TEST(PolynomTermLimits, HalvingFractionsEnds) {
    const wchar_t* const fractions[] = {L"0/0", L"1/0", L"5/0", L"0.1/0.3"};
    for (const wchar_t* f : fractions)
        EXPECT_NE(build(f), nullptr) << polynom_test::narrow(f);
    auto big = PolynomTerm::fromNumber(1e300);
    auto divisor = PolynomTerm::fromNumber(3e299);
    EXPECT_FALSE(big->divide(*divisor));
    // Both halved until one became odd; the quotient keeps its value.
    EXPECT_DOUBLE_EQ(big->value() / divisor->value(), 1e300 / 3e299);
}

TEST(PolynomTermLimits, HugeValuesStayFinite) {
    EXPECT_EQ(build(L"10^400")->text(), L"10^400");
    EXPECT_EQ(build(L"(2*x)^2000")->text(), L"(2*x)^2000");
    EXPECT_EQ(build(L"x^(10^300)")->kind(), PolynomTerm::XPOWER);
}

} // namespace
