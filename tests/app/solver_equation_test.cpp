#include <gtest/gtest.h>

#include "SolverEquation.h"

namespace {
using SolverEquation::Parameter;
using Params = std::vector<Parameter>;

struct PrepareCase {
    const char* name;
    const wchar_t* equation;
    Params parameters;
    unsigned refusal;        // 0 when the equation is prepared
    const wchar_t* expected; // the prepared equation (or the unchanged one)
    const wchar_t* unknown;
};

const PrepareCase kCases[] = {
    {"pythagoras", L"a^2+b^2=c^2", {{L"a", L"3"}, {L"b", L"4"}, {L"c", L""}}, 0, L"(3)^2+(4)^2=x^2", L"c"},
    {"names inside longer names stay",
     L"tan(a)+abs(s)=r",
     {{L"a", L"1"}, {L"s", L"2"}, {L"r", L""}},
     0,
     L"tan((1))+abs((2))=x",
     L"r"},
    {"a parameter next to a function's letters",
     L"abs(x)=a",
     {{L"a", L""}, {L"b", L"2"}},
     0,
     L"abs(x)=x",
     L"a"},
    {"the unknown after a digit and before a square", L"2r\u00B2=8", {{L"r", L""}}, 0, L"2x\u00B2=8", L"r"},
    {"the unknown as an argument",
     L"binom(n,k)=10",
     {{L"n", L"5"}, {L"k", L""}},
     0,
     L"binom((5),x)=10",
     L"k"},
    {"no equals sign", L"a+b", {{L"a", L""}}, 40264, L"a+b", L""},
    {"two unknowns", L"a=b", {{L"a", L""}, {L"b", L""}}, 40265, L"a=b", L""},
    {"a value next to a digit", L"2a=b", {{L"a", L"3"}, {L"b", L""}}, 40266, L"2a=b", L""},
    {"a value before a parenthesis", L"a(2)=b", {{L"a", L"3"}, {L"b", L""}}, 40266, L"a(2)=b", L""},
    {"no unknown", L"a=1", {{L"a", L"1"}}, 40267, L"a=1", L""},
    {"the unknown before a digit", L"r2=1", {{L"r", L""}}, 40267, L"r2=1", L""},
};

class Prepare : public ::testing::TestWithParam<PrepareCase> {};

TEST_P(Prepare, SubstitutesWholeNamesOrRefuses) {
    const PrepareCase& c = GetParam();
    std::wstring equation = c.equation, unknown;
    EXPECT_EQ(SolverEquation::prepare(equation, c.parameters, unknown), c.refusal);
    EXPECT_EQ(equation, c.expected);
    if (c.refusal == 0) {
        EXPECT_EQ(unknown, c.unknown);
    }
}

INSTANTIATE_TEST_SUITE_P(Equations, Prepare, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

TEST(SolverNames, AreTheLettersThatAreNoFunctionsOrConstants) {
    EXPECT_EQ(SolverEquation::names(L"sin(alpha)*r+2E5*pi=e^r+f(q)+ln(E)"),
              (std::vector<std::wstring>{L"alpha", L"r", L"q", L"E"}));
    const Params kept = SolverEquation::withNames(L"a^2+d=c", {{L"a", L"3"}, {L"b", L"4"}, {L"c", L""}});
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].value, L"3");
    EXPECT_EQ(kept[1].name, L"d");
    EXPECT_EQ(kept[1].value, L"");
    EXPECT_EQ(kept[2].name, L"c");
}

TEST(SolverLists, RoundTripAsStored) {
    const Params loaded = SolverEquation::fromLists(L"a;b;c;", L"a=3;b=4;");
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_EQ(loaded[0].value, L"3");
    EXPECT_EQ(loaded[1].value, L"4");
    EXPECT_EQ(loaded[2].value, L"");
    EXPECT_EQ(SolverEquation::nameList(loaded), L"a;b;c;");
    EXPECT_EQ(SolverEquation::valueList(loaded), L"a=3;b=4;");
    EXPECT_TRUE(SolverEquation::fromLists(L"", L"a=1;").empty());
}
} // namespace
