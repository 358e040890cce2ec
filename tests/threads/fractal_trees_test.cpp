#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "Complex.h"
#include "IExpression.h"
#include "IExpressionHolder.h"

// The fractal bands: every thread parses its own iteration tree and sets its
// own raise-errors flag; two threads iterating over the same points must
// see exactly what one thread sees.
namespace {
struct Iteration {
    const wchar_t* text;
    bool subtractPoint; // a start-value fractal subtracts the point after each step
};
const Iteration kIterations[] = {{L"z(n)^2+(-1+0*j)", false}, {L"z(n)^2+z(0)", true}, {L"sin(z(n))*(1+0.5*j)", false}};

std::vector<double> iterate(const Iteration& it) {
    IExpression::s_withex = true;
    IExpressionHolder tree(IExpression::parseComplexExpression(it.text));
    std::vector<double> out;
    if (tree.isEmpty()) return out;
    for (int row = 0; row < 24; ++row)
        for (int column = 0; column < 24; ++column) {
            const Complex p(-2.0 + column * 0.125, -1.5 + row * 0.125);
            Complex z = it.subtractPoint ? Complex(0, 0) : p;
            int count = 0;
            try {
                for (; z.absAsDouble() < 4.0 && count < 60; ++count) {
                    z = tree.calculateComplex(z);
                    if (it.subtractPoint) z -= p;
                }
            } catch (...) {
                count = -1;
            }
            out.push_back(count);
            out.push_back(z.getA());
            out.push_back(z.getB());
        }
    return out;
}

TEST(ConcurrentFractalTrees, TwoThreadsGetWhatOneGets) {
    for (const Iteration& it : kIterations) {
        const std::vector<double> alone = iterate(it);
        ASSERT_FALSE(alone.empty()) << "the iteration must parse";
        std::vector<double> seen[2];
        std::thread a([&] { seen[0] = iterate(it); });
        std::thread b([&] { seen[1] = iterate(it); });
        a.join();
        b.join();
        for (const std::vector<double>& s : seen) {
            ASSERT_EQ(s.size(), alone.size());
            for (std::size_t i = 0; i < s.size(); ++i)
                ASSERT_TRUE(s[i] == alone[i] || (s[i] != s[i] && alone[i] != alone[i])) << i;
        }
    }
}
} // namespace
