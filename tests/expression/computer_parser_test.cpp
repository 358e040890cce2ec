#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "ComputerFunctionExpression.h"
#include "computer_test_support.h"

using namespace computer_test;

namespace {
constexpr auto HEX = IExpression::COMP_HEX;
constexpr auto BIN = IExpression::COMP_BIN;
constexpr auto OCT = IExpression::COMP_OCT;
constexpr auto DEC = IExpression::COMP_DEC;

// The structure of a tree: operators in brackets, calls with their arguments,
// parentheses where the parser recorded them.
std::wstring shape(IExpression* node) {
    std::wstring text;
    if (node->isOperator()) {
        text = L"[" + shape(node->getLeft()) + node->getOperator() + shape(node->getRight()) + L"]";
    } else if (auto* call = dynamic_cast<ComputerFunctionExpression*>(node)) {
        text = call->getName() + L"(" + shape(call->getFirst());
        if (call->getSecond()) text += L"," + shape(call->getSecond());
        text += L")";
    } else {
        return node->toString(0);
    }
    return node->getKlammer() ? L"(" + text + L")" : text;
}

struct ShapeCase {
    const wchar_t* text;
    const wchar_t* shape;
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << caseName(c.text);
}

const ShapeCase s_shapes[] = {
    // Level 1 binds weakest; each level associates to the left.
    {L"1+2*3", L"[1+[2*3]]"},
    {L"2*3+1", L"[[2*3]+1]"},
    {L"8-3-2", L"[[8-3]-2]"},
    {L"A-B+C", L"[[A-B]+C]"},
    // Level 2 between the additive and the multiplicative operators.
    {L"1*2%3", L"[[1*2]%3]"},
    {L"1%2#3+4", L"[[[1%2]#3]+4]"},
    // Level 3 and level 4.
    {L"8/4*2", L"[[8/4]*2]"},
    {L"2^3*4", L"[[2^3]*4]"},
    {L"2^3^2", L"[[2^3]^2]"},
    // Parentheses are unwrapped and remembered; operators inside them wait.
    {L"2*(3+4)", L"[2*([3+4])]"},
    {L"(1+2)*(3+4)", L"[([1+2])*([3+4])]"},
    {L"((5))", L"(5)"},
    // Calls, nested in arguments and in operands.
    {L"and(1,2)+3", L"[and(1,2)+3]"},
    {L"not(and(1,2))", L"not(and(1,2))"},
    {L"and(or(1,2),3)", L"and(or(1,2),3)"},
    {L"xor(1+2,3*4)", L"xor([1+2],[3*4])"},
    {L"(lsh(1))", L"(lsh(1))"},
};

class ComputerShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ComputerShapes, SplitsAtTheWeakestRightmostOperator) {
    IExpression::s_compmode = HEX;
    std::unique_ptr<IExpression> tree(IExpression::parseComputerExpression(GetParam().text));
    EXPECT_EQ(shape(tree.get()), GetParam().shape);
    EXPECT_EQ(tree->getHolder(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, ComputerShapes, ::testing::ValuesIn(s_shapes));

struct EvalCase {
    IExpression::COMPMODE mode;
    const wchar_t* text;
    std::uint64_t value;
    std::uint32_t code;
};

void PrintTo(const EvalCase& c, std::ostream* os) {
    *os << modeName(c.mode) << '_' << caseName(c.text);
}

const EvalCase s_evaluations[] = {
    // Number tokens in each base, at their digit limits.
    {HEX, L"FF+1", 256, NONE},
    {HEX, L"FFFFFFFF+1", 0x100000000, NONE},
    {HEX, L"ff", 0, ErrorCode::NOT_A_NUMBER},
    {HEX, L"123456789", 0, ErrorCode::OVERFLOW_DIGITS},
    {BIN, L"1010*11", 30, NONE},
    {BIN, L"1111111111111111111111111111111111111111111111111111111111111111", UINT64_MAX, NONE},
    {BIN, L"11111111111111111111111111111111111111111111111111111111111111111", 0,
     ErrorCode::OVERFLOW_DIGITS},
    {BIN, L"12", 0, ErrorCode::NOT_A_NUMBER},
    {OCT, L"77777777+1", 0x1000000, NONE},
    {OCT, L"8", 0, ErrorCode::NOT_A_NUMBER},
    {DEC, L"99999999", 99999999, NONE},
    {DEC, L"999999999", 0, ErrorCode::OVERFLOW_DIGITS},
    {DEC, L"A", 0, ErrorCode::NOT_A_NUMBER},
    // Arithmetic modulo 2^64, and the checks of "-" and "/".
    {HEX, L"FFFFFFFF*FFFFFFFF*FFFFFFFF*FFFFFFFF", 0xFFFFFFFC00000001, NONE},
    {DEC, L"8-3-2", 3, NONE},
    {DEC, L"5-5", 0, NONE},
    {DEC, L"3-5", 0, ErrorCode::NEGATIVE_RESULT},
    {DEC, L"8/2", 4, NONE},
    {DEC, L"7/2", 0, ErrorCode::NON_INTEGER},
    {DEC, L"5/0", 0, DIV0},
    {DEC, L"0/0", 0, DIV0},
    {DEC, L"(3-5)/0", 0, ErrorCode::NEGATIVE_RESULT}, // the left operand is evaluated first
    {DEC, L"2*(3+4)", 14, NONE},
    // Operators without a whole-number meaning are refused, not answered with 0.
    {DEC, L"2^3", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"7%2", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"7#2", 0, ErrorCode::INVALID_INPUT},
    // Bit functions through the tree.
    {DEC, L"lsh(8)", 16, NONE},
    {DEC, L"rsh(1)", 0, NONE},
    {DEC, L"xor(12,10)", 6, NONE},
    {DEC, L"and(12,10)", 8, NONE},
    {DEC, L"or(12,10)", 14, NONE},
    {DEC, L"nand(6,3)", 5, NONE},
    {DEC, L"nor(5,2)", 0, NONE},
    {DEC, L"not(and(12,10))", 7, NONE},
    {DEC, L"and(or(1,2),3)+1", 4, NONE},
    {BIN, L"not(0)", 1, NONE},
    {BIN, L"not(101)", 2, NONE},
    {HEX, L"not(5)", 10, NONE},
    // Malformed structure.
    {DEC, L"5+", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"()", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"not()", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"not(1,2)", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"and(1)", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"and(1,)", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"and(,1)", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"and(1,2,3)", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"(1)(2)", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"2(3)", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"not(1)2", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"(5", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"not(1", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"max(1)", 0, ErrorCode::INVALID_INPUT},
    {DEC, L"5*-3", 0, ErrorCode::NOT_A_NUMBER}, // a sign is no digit
    // A name that only contains a function name is found at evaluation.
    {DEC, L"nota(1)", 0, ErrorCode::INTERNAL},
    {DEC, L"rand(1)", 0, ErrorCode::INTERNAL},
};

class ComputerEvaluation : public ComputerMode, public ::testing::WithParamInterface<EvalCase> {};

TEST_P(ComputerEvaluation, ValueOrCode) {
    const EvalCase& c = GetParam();
    std::uint64_t value = 0;
    // The checks raise whatever the raise-errors flag says.
    for (bool withex : {false, true}) {
        IExpression::s_withex = withex;
        EXPECT_EQ(evaluate(c.mode, c.text, value), c.code) << "withex " << withex;
        if (c.code == NONE) {
            EXPECT_EQ(value, c.value) << "withex " << withex;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ComputerEvaluation, ::testing::ValuesIn(s_evaluations));

TEST_F(ComputerMode, NodesRefuseRealEvaluation) {
    IExpression::s_compmode = DEC;
    for (const wchar_t* text : {L"1", L"1+2", L"not(1)"}) {
        std::unique_ptr<IExpression> tree(IExpression::parseComputerExpression(text));
        EXPECT_EQ(codeOf([&] { tree->calculate(0, 0); }), ErrorCode::INTERNAL) << text;
        EXPECT_EQ(codeOf([&] { tree->calculateConst(); }), ErrorCode::INTERNAL) << text;
    }
}

TEST_F(ComputerMode, NodeKindsAndTextOfASubtree) {
    IExpression::s_compmode = HEX;
    std::unique_ptr<IExpression> tree(IExpression::parseComputerExpression(L"(A+B)*not(C)"));
    EXPECT_TRUE(tree->isOperator());
    EXPECT_FALSE(tree->isOperand());
    EXPECT_EQ(tree->getOperator(), L'*');
    EXPECT_TRUE(tree->getLeft()->isConstant());
    EXPECT_FALSE(tree->getRight()->isConstant());
    EXPECT_TRUE(tree->getRight()->isOperand());
    EXPECT_TRUE(tree->getLeft()->getLeft()->isValue());
    EXPECT_EQ(tree->toString(0), L"(A+B)*not(C)");
}
} // namespace
