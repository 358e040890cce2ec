#include <gtest/gtest.h>

#include "OrvantaCalcBase.h"

namespace {
struct SolverCase {
    const wchar_t* equation;
    double from;
    double to;
    const wchar_t* expected; // what follows the "x" the caller passed
    bool found;
};

const SolverCase s_cases[] = {
    {L"x^2=4", -10, 10, L"x=-2; 2", true},
    {L"x^2-4", -10, 10, L"x=-2; 2", true}, // no "=": taken as '=0'
    {L"2*x+1=x", -10, 10, L"x=-1", true},
    {L"x^2=-1", -10, 10, L"No points found...", false},
    // Functions of naturals are tested at the whole numbers 1..200, whatever the range.
    {L"binom(x,2)=10", -1, 1, L"x=5", true},
    {L"x!=120", -1, 1, L"x=5", true},
    {L"sum(x)=55", 0, 0, L"x=10", true},
    {L"binom(x,2)=11", -1, 1, L"No points found...", false},
    {L"x=1", 5, 5, L"No points found...", false}, // an empty range finds nothing
};

class EquationSolver : public ::testing::TestWithParam<SolverCase> {};

TEST_P(EquationSolver, AppendsTheZerosOrSaysNoneWereFound) {
    const SolverCase& c = GetParam();
    OrvantaCalcBase engine;
    IExpression::s_withex = true;
    std::wstring result = L"x";
    bool found = false;
    EXPECT_TRUE(engine.calculateSolver(c.equation, result, c.from, c.to, found, 0, 10));
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(found, c.found);
    EXPECT_TRUE(IExpression::s_withex); // the natural search restores the flag
    IExpression::s_withex = false;
}

INSTANTIATE_TEST_SUITE_P(Table, EquationSolver, ::testing::ValuesIn(s_cases));
} // namespace
