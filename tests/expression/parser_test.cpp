#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "EngineTestSupport.h"
#include "FunctionExpression.h"
#include "FunctionNames.h"
#include "ValueExpression.h"

using namespace engine_test;

namespace {
constexpr double INF = std::numeric_limits<double>::infinity();

// The shape of a tree in prefix form: operators as "op(left,right)", values
// as their token, calls as "name[...]"; enough to see where a text split.
std::wstring shape(IExpression* node) {
    if (node->isOperator()) {
        return std::wstring(1, node->getOperator()) + L"(" + shape(node->getLeft()) + L"," +
               shape(node->getRight()) + L")";
    }
    if (auto* value = dynamic_cast<ValueExpression*>(node)) return value->getText();
    auto* call = dynamic_cast<FunctionExpression*>(node);
    std::wstring text = call->getName() + L"[" + shape(call->getArgument());
    if (call->getSecondArgument()) text += L";" + shape(call->getSecondArgument());
    return text + L"]";
}

struct ShapeCase {
    const wchar_t* text;
    const wchar_t* shape;
};

class Splitting : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(Splitting, SplitsAtTheRightmostOperatorOfLowestPrecedence) {
    EXPECT_EQ(shape(parse(GetParam().text, false).get()), GetParam().shape) << GetParam().text;
}

const ShapeCase s_shapes[] = {
    {L"8-3-2", L"-(-(8,3),2)"},
    {L"8/4/2", L"/(/(8,4),2)"},
    {L"2^3^2", L"^(^(2,3),2)"},
    {L"1+2*3^4", L"+(1,*(2,^(3,4)))"},
    {L"2*-3", L"*(2,-3)"},
    {L"-3^2", L"^(-3,2)"},
    {L"2^-1", L"^(2,-1)"},
    {L"(1+2)*3", L"*(+(1,2),3)"},
    {L"(2+3)!", L"!(+(2,3),)"},
    {L"5!", L"5!"},
    {L"sin(x)+cos(y)", L"+(sin[x],cos[y])"},
    {L"mod(7,-3)", L"mod[7;-3]"},
    {L"mod(mod(7,4),2)", L"mod[mod[7;4];2]"},
    {L"sin((x))", L"sin[x]"},
    {L"rand()", L"rand[]"},
};
INSTANTIATE_TEST_SUITE_P(Table, Splitting, ::testing::ValuesIn(s_shapes));

TEST(Parser, AnEnclosingPairMarksTheNode) {
    auto tree = parse(L"((x))", false);
    ASSERT_TRUE(tree->isValue());
    EXPECT_TRUE(tree->getKlammer());
    EXPECT_TRUE(tree->containsX());
    EXPECT_FALSE(parse(L"x", false)->getKlammer());
}

struct EvalCase {
    const wchar_t* text;
    double x;
    double y;
    double expected;
};

class Evaluation : public EngineTest, public ::testing::WithParamInterface<EvalCase> {};

TEST_P(Evaluation, GivesTheValueWithTheVariablesBound) {
    const EvalCase& c = GetParam();
    const double got = parse(c.text)->calculate(c.x, c.y);
    if (std::isnan(c.expected))
        EXPECT_TRUE(std::isnan(got)) << c.text;
    else if (std::isinf(c.expected))
        EXPECT_EQ(got, c.expected) << c.text;
    else
        EXPECT_NEAR(got, c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected))) << c.text;
}

const EvalCase s_evaluations[] = {
    {L"2^3^2", 0, 0, 64},
    {L"8-3-2", 0, 0, 3},
    {L"8/4/2", 0, 0, 1},
    {L"2*-3", 0, 0, -6},
    {L"-3^2", 0, 0, 9},
    {L"-x^2", 3, 0, -9},
    {L"x^2", -3, 0, 9},
    {L"2x+y", 2, 5, 9},
    {L"xy", 2, 3, 6},
    {L"x\u00B2+y\u00B3", 3, 2, 17},
    {L"3(x+1)", 1, 0, 6},
    {L"(x+1)(x-1)", 3, 0, 8},
    {L"e^-x", 0, 0, 1},
    {L"2pi", 0, 0, 2 * 3.141592653589793},
    {L"2e", 0, 0, 2 * 2.718281828459045},
    {L"1E3", 0, 0, 1000},
    {L"2E-2", 0, 0, 0.02},
    {L"2sin(x)", 0.5, 0, 2 * std::sin(0.5)},
    {L"-sin(x)", 0.5, 0, -std::sin(0.5)},
    {L"sin(x)*cos(y)", 0.5, 0.25, std::sin(0.5) * std::cos(0.25)},
    {L"x!", 4, 0, 24},
    {L"y!", 0, 5, 120},
    {L"5!", 0, 0, 120},
    {L"(2+3)!", 0, 0, 120},
    {L"(x+1)!", 3, 0, 24},
    {L"(sin(0))!", 0, 0, 1},
    {L"binom(5,2)", 0, 0, 10},
    {L"mod(7,-3)", 0, 0, 1},
    {L"sin(mod(7,4))", 0, 0, std::sin(3.0)},
    {L"1/0", 0, 0, INF},
    {L"sqr(x)", -1, 0, NAN},
    {L"sin(sqr(x))", -1, 0, NAN},
    {L"", 0, 0, 0},
};
INSTANTIATE_TEST_SUITE_P(Table, Evaluation, ::testing::ValuesIn(s_evaluations));

struct ErrorCase {
    const wchar_t* text;
    std::uint32_t code; // raised while parsing or evaluating, with errors raised
};

class Errors : public EngineTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(Errors, AreRaisedAsEngineCodes) {
    IExpression::s_withex = true;
    EXPECT_EQ(codeOf([&] { parse(GetParam().text)->calculateConst(); }), GetParam().code) << GetParam().text;
}

const ErrorCase s_errors[] = {
    {L"x(3)", ErrorCode::INVALID_INPUT},
    {L"sin(x)2", ErrorCode::INVALID_INPUT},
    {L"(x+1", ErrorCode::PARENTHESIS},
    {L"binom(5)", ErrorCode::INVALID_INPUT},
    {L"rand(3)", ErrorCode::INVALID_INPUT},
    {L"sin()", ErrorCode::INVALID_INPUT},
    {L"sin(1,2)", ErrorCode::INVALID_INPUT},
    {L"mod(1,)", ErrorCode::INVALID_INPUT},
    {L"mod(,1)", ErrorCode::INVALID_INPUT},
    {L"2.5!", ErrorCode::FACULTY},
    {L"(-1)!", ErrorCode::FACULTY},
    {L"x", ErrorCode::INVALID_INPUT},
    {L"foo", ErrorCode::INVALID_INPUT},
    {L"3\u00B44", ErrorCode::INVALID_INPUT},
    {L"1/0", FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO},
    {L"0/0", FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO},
    {L"1/(1-1)", FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO},
    {L"asin(1)", ErrorCode::INVALID_INPUT},
    {L"1+2", NO_ERROR},
};
INSTANTIATE_TEST_SUITE_P(Table, Errors, ::testing::ValuesIn(s_errors));

TEST_F(EngineTest, WithoutRaisedErrorsFailuresGiveQuietValues) {
    EXPECT_EQ(parse(L"2.5!")->calculateConst(), 0.0);
    EXPECT_EQ(parse(L"1/0")->calculateConst(), INF);
    EXPECT_TRUE(std::isnan(parse(L"0/0")->calculateConst()));
    EXPECT_TRUE(std::isnan(parse(L"asin(1)")->calculateConst()));
}

TEST_F(EngineTest, RealNodesRefuseOtherFamilies) {
    auto tree = parse(L"1+sin(2)");
    EXPECT_EQ(codeOf([&] { tree->calculateComplexConst(); }), ErrorCode::INTERNAL);
    EXPECT_EQ(codeOf([&] { tree->calculateComputer(); }), ErrorCode::INTERNAL);
}

TEST_F(EngineTest, ConstantAnglesAreConvertedOnceWhenParsed) {
    IExpression::s_mode = CalculatorModes::DEG;
    auto sine = parse(L"sin(30)");
    auto* argument =
        dynamic_cast<ValueExpression*>(dynamic_cast<FunctionExpression*>(sine.get())->getArgument());
    ASSERT_NE(argument, nullptr);
    EXPECT_EQ(argument->getText(), L"0.5235987756");
    EXPECT_NEAR(sine->calculateConst(), 0.5, 1e-10);
    // The unit is read when parsing, not when evaluating.
    IExpression::s_mode = CalculatorModes::RAD;
    EXPECT_NEAR(sine->calculateConst(), 0.5, 1e-10);
    IExpression::s_mode = CalculatorModes::DEG;

    EXPECT_NEAR(parse(L"cos(30+30)")->calculateConst(), 0.5, 1e-10);
    EXPECT_NEAR(std::fabs(parse(L"sin(180)")->calculateConst()), 0.0, 1e-10);
    EXPECT_DOUBLE_EQ(parse(L"sinh(1)")->calculateConst(), std::sinh(1.0));
    EXPECT_DOUBLE_EQ(parse(L"sin(x)")->calculate(30, 0), std::sin(30.0));
    IExpression::s_mode = CalculatorModes::GRAD;
    EXPECT_NEAR(parse(L"cos(200)")->calculateConst(), -1.0, 1e-10);
}

TEST_F(EngineTest, ConstantCallsAreComputedOnce) {
    IExpression::s_lastresult = 5;
    auto tree = parse(L"lastxval(1)+mod(lastxval(1),10)");
    EXPECT_DOUBLE_EQ(tree->calculateConst(), 10);
    IExpression::s_lastresult = 7;
    // The one-argument call keeps its value; the two-argument call is recomputed
    // but its argument is the cached call inside it.
    EXPECT_DOUBLE_EQ(tree->calculateConst(), 10);

    auto random = parse(L"rand()");
    const double first = random->calculateConst();
    EXPECT_EQ(random->calculateConst(), first);
    EXPECT_GE(first, 0.0);
    EXPECT_LE(first, 32767.0);
}

struct CacheCase {
    const wchar_t* text;
    double x2, y2;  // second evaluation, after the first at (1, 1)
    bool fromCache; // the second evaluation returns the first result
};

class FunctionCache : public EngineTest, public ::testing::WithParamInterface<CacheCase> {};

// lastxval ignores its argument and returns the last result, which changes
// between the two evaluations: an unchanged answer shows the cache.
TEST_P(FunctionCache, RepeatsTheResultForTheSameInput) {
    const CacheCase& c = GetParam();
    auto tree = parse(c.text);
    IExpression::s_lastresult = 5;
    EXPECT_DOUBLE_EQ(tree->calculate(1, 1), 5);
    IExpression::s_lastresult = 7;
    EXPECT_DOUBLE_EQ(tree->calculate(c.x2, c.y2), c.fromCache ? 5 : 7) << c.text;
}

const CacheCase s_cacheCases[] = {
    {L"lastxval(x)", 1, 2, true},  // depends on x only: y may change
    {L"lastxval(x)", 2, 1, false}, // a new x
    {L"lastxval(y)", 2, 1, true},    {L"lastxval(y)", 1, 2, false},
    {L"lastxval(x*y)", 1, 1, false}, // both variables: never cached
    {L"lastxval(2)", 1, 1, false},   // no variable: computed every time
};
INSTANTIATE_TEST_SUITE_P(Table, FunctionCache, ::testing::ValuesIn(s_cacheCases));

TEST_F(EngineTest, TheCacheIsEmptyUntilTheFirstComputation) {
    // An input equal to the cache's initial contents must still be computed.
    IExpression::s_lastresult = 3;
    EXPECT_DOUBLE_EQ(parse(L"lastxval(x)")->calculate(0, 0), 3);
    EXPECT_TRUE(std::isnan(parse(L"sin(x)")->calculate(NAN, 0)));
    EXPECT_EQ(parse(L"sin(x)")->calculate(INF, 0), INF);
}

TEST(Parser, StatisticPathCombinesLikeEvaluation) {
    std::vector<double> data{1, 2, 3};
    EXPECT_DOUBLE_EQ(parse(L"2*3+sqr(16)")->calculateStatistic(data), 10);
    EXPECT_DOUBLE_EQ(parse(L"mod(7,4)^2")->calculateStatisticXY(data), 9);
    EXPECT_TRUE(parse(L"sin(1)")->isScientificCall());
    EXPECT_FALSE(parse(L"gcd(4,6)")->isScientificCall());
    EXPECT_FALSE(parse(L"meanx()")->isScientificCall());
}

// --- text helpers ---

struct TextTest {
    const wchar_t* text;
    bool number, numberExpression, bruch;
};

class TextTests : public ::testing::TestWithParam<TextTest> {};

TEST_P(TextTests, ClassifyNumberTexts) {
    const TextTest& c = GetParam();
    EXPECT_EQ(IExpression::isNumber(c.text), c.number) << c.text;
    EXPECT_EQ(IExpression::isNumberExpression(c.text), c.numberExpression) << c.text;
    EXPECT_EQ(IExpression::isBruch(c.text), c.bruch) << c.text;
}

const TextTest s_texts[] = {
    {L"", true, true, true},           {L"12", true, true, true},      {L"-1.5", true, true, false},
    {L"1.5-", true, true, false}, // the sign may stand anywhere
    {L"+-1", false, true, false},      {L"1.2.3", false, true, false}, {L"2*3/4", false, true, false},
    {L"3\u00B44", false, false, true}, {L"1e5", false, false, false},  {L"x", false, false, false},
};
INSTANTIATE_TEST_SUITE_P(Table, TextTests, ::testing::ValuesIn(s_texts));

TEST(TextHelpers, FindTheClosingParenthesis) {
    EXPECT_EQ(IExpression::findCorrespondingParenthesis(L"(a(b)c)", 0), 6);
    EXPECT_EQ(IExpression::findCorrespondingParenthesis(L"(a(b)c)", 2), 4);
    EXPECT_EQ(codeOf([] { IExpression::findCorrespondingParenthesis(L"(a(b)", 0); }), ErrorCode::PARENTHESIS);
    EXPECT_EQ(codeOf([] { IExpression::findCorrespondingParenthesis(L"(a)", 7); }), ErrorCode::PARENTHESIS);
}

TEST(TextHelpers, FreeVariablesAreFoundAndReplaced) {
    std::wstring text = L"max(x)";
    IExpression::replaceUnknown(text, L'x', L't');
    EXPECT_EQ(text, L"max(t)");
    text = L"exp(2)";
    EXPECT_FALSE(IExpression::findUnknown(text, L'x'));
    text = L"x+xx+2*x";
    EXPECT_TRUE(IExpression::findUnknown(text, L'x'));
    IExpression::replaceUnknown(text, L'x', L't');
    EXPECT_EQ(text, L"t+xx+2*t");
}

// The parser's one-pass scan must answer as the library's name test does.
TEST(TextHelpers, FunctionNameScanAgreesWithIsFunction) {
    const std::wstring alphabet = L"abcdegilmnoqrstuvxyz(,1";
    std::mt19937 random(7);
    for (int n = 0; n < 20000; ++n) {
        std::wstring text;
        for (std::size_t i = random() % 10; i > 0; --i)
            text += alphabet[random() % alphabet.size()];
        ASSERT_EQ(FunctionNames::containedIn(text), IExpression::isFunction(text)) << text;
    }
}

} // namespace
