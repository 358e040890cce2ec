// The compiled program of a tree must give what evaluating node by node gives,
// to the last bit, with the same errors and the same function caches.
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "EvaluationProgram.h"
#include "FunctionExpression.h"
#include "OperatorExpression.h"

using namespace engine_test;

namespace {
constexpr double INF = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// A value, or the engine code raised instead.
struct Outcome {
    std::uint64_t bits = 0;
    std::uint32_t code = NO_ERROR;
    bool operator==(const Outcome&) const = default;
};

// NaN counts as one value: which operand's NaN a sum or product passes on is
// the compiler's choice, as the order of the operands of "+" is.
Outcome evaluate(IExpression& tree, double x, double y) {
    Outcome outcome;
    outcome.code = codeOf([&] {
        const double value = tree.calculate(x, y);
        outcome.bits =
            std::isnan(value) ? std::bit_cast<std::uint64_t>(NaN) : std::bit_cast<std::uint64_t>(value);
    });
    return outcome;
}

// Compiled evaluation off for one parse, and on again however the parse ends.
std::unique_ptr<IExpression> parseNodeByNode(const std::wstring& text) {
    struct CompiledOff {
        CompiledOff() { EvaluationProgram::s_enabled = false; }
        ~CompiledOff() { EvaluationProgram::s_enabled = true; }
    } off;
    return parse(text);
}

const EvaluationProgram* programOf(IExpression& root) {
    if (auto* op = dynamic_cast<OperatorExpression*>(&root)) return op->getProgram();
    if (auto* function = dynamic_cast<FunctionExpression*>(&root)) return function->getProgram();
    return nullptr;
}

// Samples as a plot takes them, with repeats for the caches, and the values
// where arithmetic is least forgiving.
const std::vector<double>& samples() {
    static const std::vector<double> s = [] {
        std::vector<double> v;
        for (int i = -20; i <= 20; ++i)
            v.push_back(i * 0.25);
        for (double special : {0.0, -0.0, 0.0, 1.0, 1.0, 2.0, 1e308, -1e308, 5e-324, -2.5e-310, INF, -INF,
                               NaN, 171.0, 170.0, 90.0, 180.0, 3.0})
            v.push_back(special);
        return v;
    }();
    return s;
}

class ProgramAgreesWithNodes : public EngineTest, public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(ProgramAgreesWithNodes, InEveryModeAndSample) {
    for (bool withex : {false, true}) {
        for (CalculatorModes::MODE mode : {CalculatorModes::RAD, CalculatorModes::DEG}) {
            IExpression::s_withex = withex;
            IExpression::s_mode = mode;
            std::unique_ptr<IExpression> compiled, nodes;
            const std::uint32_t parseCode = codeOf([&] { compiled = parse(GetParam()); });
            ASSERT_EQ(parseCode, codeOf([&] { nodes = parseNodeByNode(GetParam()); }));
            if (parseCode != NO_ERROR) continue;
            for (double x : samples()) {
                for (double y : {x, -1.5, x}) {
                    ASSERT_EQ(evaluate(*compiled, x, y), evaluate(*nodes, x, y))
                        << "x=" << x << " y=" << y << " withex=" << withex << " mode=" << mode;
                }
            }
            // A cached result outlives a change of the angle unit in both.
            IExpression::s_mode = mode == CalculatorModes::RAD ? CalculatorModes::DEG : CalculatorModes::RAD;
            ASSERT_EQ(evaluate(*compiled, 3.0, 3.0), evaluate(*nodes, 3.0, 3.0));
        }
    }
}

const wchar_t* const s_formulas[] = {
    // the shapes the benchmark measures
    L"x",
    L"x^2+3*x+1",
    L"sin(x)^2+cos(x)^2",
    L"sqr(abs(x))*e^(-x^2)",
    L"(x^3-2*x)/(x^2+1)",
    L"sin(x)*cos(2*x)+tan(x/3)",
    L"ln(abs(x)+1)+lg(abs(x)+1)",
    L"((((x+1)*2-3)/4+5)*6-7)/8",
    // every operator with constants, variables and subtrees on either side
    L"2-x",
    L"2/x",
    L"2^x",
    L"x^x",
    L"x^y",
    L"y^2",
    L"x/y",
    L"x-y",
    L"(x+1)/(x-1)",
    L"(x+1)^(x-1)",
    L"(x+1)^2",
    L"(x+1)^0.5",
    L"pi*x-e",
    L"x*pi/e",
    L"1/(x-x)",
    L"x/0",
    L"x/(0)",
    L"0/x",
    L"(x*y)/(y*x)",
    // divisions by powers of two and by other constants, alone and in runs
    L"x/4",
    L"x/0.5",
    L"x/3",
    L"x/-8",
    L"x/1E-320",
    L"x/1E308",
    L"(x-1)/2+3",
    L"x*2*2*2*2-1",
    L"((x-0)*1+0)/1",
    L"x+1-1+1-1",
    L"(x*1E300)*1E300-1",
    L"(x/1E300)/1E300+1E-300",
    // factorials of variables, literals and subtrees
    L"x!",
    L"y!",
    L"5!",
    L"2.5!",
    L"(x+1)!",
    L"(x/2)!+1",
    L"170!/x",
    // calls: cached by x, by y, by neither; nested; two arguments
    L"sin(x)",
    L"sin(y)",
    L"sin(x*y)",
    L"cos(x)+cos(x)",
    L"sin(cos(x))",
    L"sqr(x-2)",
    L"ln(x)",
    L"lg(-x)",
    L"arcsin(x/5)",
    L"arccos(x)",
    L"arctanh(x)",
    L"arccosh(x)",
    L"tan(x)",
    L"cot(x)",
    L"sinh(x)+coth(x)",
    L"mod(x,3)",
    L"mod(1/x,2)",
    L"binom(x,2)",
    L"binom(10,x)",
    L"gcd(x,6)",
    L"imod(x,y)",
    L"sum(x)",
    L"int(x)+frac(x)",
    L"sign(x)*abs(x)",
    L"lastxval()",
    L"lastxval(x)",
    L"sin(30)",
    L"cos(2*pi)",
    L"2*sin(x)^2-1",
    L"-sin(x)",
    L"sin(x)!",
    L"x*(sin(x)+1)",
    L"1+sqr(1+sqr(1+sqr(x)))",
    // arguments evaluated before the cache is asked, or jumped around
    L"sin(2*x)",
    L"cos(2*x+1)",
    L"sin((x+1)*2)",
    L"(sin(x^3)+1)*2",
    L"sin(x^3)*2-1",
    L"sin(x/0)",
    L"sin(1/x)",
    L"cos(x/y)",
    L"sin(y*2)+cos(x*2)",
    L"sqr(x*x+y*y)",
    L"ln(x-1-1-1-1-1-1-1-1)",
    L"mod(x*2,3)*2+1",
    // what only fails when evaluated
    L"3\u00B44",
    L"foo",
    L"x+foo",
    L"sin(foo)",
    // a leaf loaded and combined in one step, also where a jump lands
    L"2*x+3*y",
    L"x^2+y^3-x^3",
    L"sin(x^3)+2*x",
    L"cos(x)+y^2",
    L"(x^2)^2*2*x*3",
    // found by fuzzing: NaN from 0/0 meeting a NaN sample
    L"x+0/0",
};
INSTANTIATE_TEST_SUITE_P(Table, ProgramAgreesWithNodes, ::testing::ValuesIn(s_formulas));

std::wstring nested(int depth) {
    std::wstring text = L"x";
    for (int i = 0; i < depth; ++i)
        text = L"1+(x-" + text + L")";
    return text;
}

// The comparisons above mean something only if the parser really compiles.
TEST_F(EngineTest, ParsedRootsHoldACompiledProgram) {
    for (const wchar_t* text : {L"x^2+3*x+1", L"sin(x)", L"((((x+1)*2-3)/4+5)*6-7)/8"}) {
        auto tree = parse(text);
        const EvaluationProgram* program = programOf(*tree);
        ASSERT_NE(program, nullptr) << text;
        EXPECT_FALSE(program->isEmpty()) << text;
        EXPECT_EQ(programOf(*parseNodeByNode(text)), nullptr) << text;
    }
    EXPECT_EQ(codeOf([] { parseNodeByNode(L"(1"); }), ErrorCode::PARENTHESIS);
    EXPECT_TRUE(EvaluationProgram::s_enabled) << "a failed parse leaves compiled evaluation on";
}

// Deeper than the program's stack, a tree is evaluated node by node.
TEST_F(EngineTest, TreesDeeperThanTheProgramStackStillAgree) {
    for (int depth : {EvaluationProgram::STACK_SIZE - 2, EvaluationProgram::STACK_SIZE + 2}) {
        const std::wstring text = nested(depth);
        auto compiled = parse(text);
        auto nodes = parseNodeByNode(text);
        for (double x : {0.5, -3.0, NaN})
            EXPECT_EQ(evaluate(*compiled, x, 0.0), evaluate(*nodes, x, 0.0)) << depth;
    }
    EXPECT_FALSE(EvaluationProgram::compile(parse(nested(8)).get()).isEmpty());
    EXPECT_TRUE(EvaluationProgram::compile(parse(nested(EvaluationProgram::STACK_SIZE + 2)).get()).isEmpty());
}

// Cubes take a shortcut past the power function; over every range of
// magnitudes, with values of few bits whose cubes are exact or lie exactly
// between two doubles, the result must still be the power function's.
TEST_F(EngineTest, CubesAreThePowerFunctionsToTheLastBit) {
    auto compiled = parse(L"x^3");
    std::mt19937_64 random(7);
    auto check = [&](double x) {
        ASSERT_EQ(evaluate(*compiled, x, 0.0).bits, std::bit_cast<std::uint64_t>(std::pow(x, 3.0))) << x;
    };
    for (int i = 0; i < 300000; ++i) {
        const double anyBits = std::bit_cast<double>(random());
        if (!std::isnan(anyBits)) check(anyBits);
        check(std::uniform_real_distribution<double>(-5.0, 5.0)(random));
        check(std::ldexp(static_cast<double>(random() >> 46), -static_cast<int>(random() % 40)));
        check(std::ldexp(std::uniform_real_distribution<double>(1.0, 2.0)(random),
                         static_cast<int>(random() % 130) - 65));
    }
    for (double x : {0.0, -0.0, 0x1p-64, 0x1p+64, 1e19, -1e19, 1e103, -1e103, 5e-324, INF, -INF})
        check(x);
    // Cubes next to a power of two, where the gap between doubles changes.
    for (int k = -700; k <= 700; ++k) {
        double x = std::cbrt(std::ldexp(1.0, k));
        for (int i = 0; i < 4; ++i)
            x = std::nextafter(x, 0.0);
        for (int i = 0; i < 8; ++i, x = std::nextafter(x, INF))
            check(x);
    }
}
} // namespace
