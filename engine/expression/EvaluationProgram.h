#pragma once
#include <cstdint>
#include <vector>

class IExpression;
class FunctionExpression;

// A tree compiled into a flat list of steps for calculate (x, y): a plot
// evaluates the same tree for every sample, and one loop over steps costs far
// less than a virtual call per node. The steps do exactly what the nodes do,
// in the same order (a function node's cache included, which stays in the
// node), so the result is the same to the last bit; nodes the program does
// not know are called through their virtual operation.
//
// The program belongs to the root of a tree built by the parser; trees do not
// change after they are built, so it never goes stale.
class EvaluationProgram {
public:
    // Compiles the tree below root. An empty program (isEmpty) means the
    // tree is evaluated node by node: it is too deep for the program's stack.
    static EvaluationProgram compile(IExpression* root);
    // Compiles the tree and hands the program to its root, when the root is
    // a node that runs one (operator and function nodes). Only roots hold a
    // program, so that a tree stays as small as its nodes.
    static void attachTo(IExpression* root);

    // Whether the parser compiles the trees it returns; off, they are
    // evaluated node by node, which the tests compare the programs with.
    static bool s_enabled;

    bool isEmpty() const { return m_steps.empty(); }
    // A formula that is one run of additions and multiplications of a
    // variable ("((x+1)*2-3)/4") needs none of the machinery of the steps;
    // it is computed here, in the caller.
    double run(double x, double y) const {
        if (m_runOnly) return addMulRun(m_runVariable == 0 ? x : y, m_constants.data(), m_runCount);
        return runSteps(x, y);
    }

    // (acc + a) * m for each pair (a, m) in the written order, four to a
    // round: no pair is combined with another, so every double is the one
    // the tree gives.
    static double addMulRun(double acc, const double* pair, int count) {
        for (; count >= 4; count -= 4, pair += 8) {
            acc = (acc + pair[0]) * pair[1];
            acc = (acc + pair[2]) * pair[3];
            acc = (acc + pair[4]) * pair[5];
            acc = (acc + pair[6]) * pair[7];
        }
        for (; count > 0; --count, pair += 2)
            acc = (acc + pair[0]) * pair[1];
        return acc;
    }

    // Values the program keeps at most on its stack: the operands waiting for
    // their operator. Deeper trees are evaluated node by node.
    static constexpr int STACK_SIZE = 64;

    enum class Code : std::uint8_t;
    struct Step {
        Code code;
        std::uint8_t variable; // 0 for x, 1 for y
        std::uint16_t count;   // pairs of a run
        std::int32_t target;   // index of the step after a skipped part, or of a run's first pair
        double value;
        IExpression* node;
    };

private:
    friend class ProgramBuilder;
    double runSteps(double x, double y) const;

    std::vector<Step> m_steps;
    std::vector<double> m_constants; // pairs of the runs of additions and multiplications
    bool m_withCalls = false;        // some step calls a function
    bool m_runOnly = false;          // the program is one run of pairs on a variable
    std::uint8_t m_runVariable = 0;
    int m_runCount = 0;
};
