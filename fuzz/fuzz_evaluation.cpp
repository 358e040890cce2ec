// A formula parsed as the plotter parses it and evaluated at many samples,
// with and without raised errors: the compiled program must agree with
// evaluating node by node, bit for bit and error for error. Settings: raised
// errors in bit 0, the angle unit in bits 1-2. Fields: the formula, the
// definition of the user function f.
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <vector>

#include "EngineRandom.h"
#include "EvaluationProgram.h"
#include "FuzzSupport.h"
#include "IExpression.h"
#include "OrvantaCalcBase.h"

namespace {
constexpr double SAMPLES[] = {-2.5,
                              -1.0,
                              -1.0,
                              0.0,
                              -0.0,
                              0.5,
                              2.0,
                              3.0,
                              3.0,
                              90.0,
                              171.0,
                              1e300,
                              -1e-310,
                              std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};

// The value bits of each sample, or the engine code raised there. NaN counts
// as one value: which operand's NaN a sum or product passes on is the
// compiler's choice, as the order of the operands of "+" is.
std::vector<std::uint64_t> outcomes(IExpression& tree) {
    std::vector<std::uint64_t> out;
    EngineRandom::seed(7);
    for (double x : SAMPLES) {
        for (double y : {x, -0.75}) {
            try {
                const double value = tree.calculate(x, y);
                out.push_back(std::isnan(value) ? 0x7FF8000000000000ull
                                                : std::bit_cast<std::uint64_t>(value));
            } catch (const EngineError& e) {
                out.push_back(0xEEEE000000000000ull | e.code());
            }
        }
    }
    return out;
}

std::unique_ptr<IExpression> parse(const std::wstring& text, bool compiled, std::uint32_t& code) {
    EvaluationProgram::s_enabled = compiled;
    code = 0;
    std::unique_ptr<IExpression> tree;
    try {
        tree.reset(IExpression::parseExpression(text, true));
    } catch (const EngineError& e) {
        code = e.code();
    }
    EvaluationProgram::s_enabled = true;
    return tree;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OrvantaCalcBase* const s_engine = new OrvantaCalcBase();
    const fuzz::Input input(data, size);
    s_engine->initFunctions(0, L"f", fuzz::toText(input.field(1)));
    IExpression::s_withex = input.flag(0);
    IExpression::s_mode = static_cast<CalculatorModes::MODE>(input.pick(1, 3));

    const std::wstring text = fuzz::toText(input.field(0));
    std::uint32_t compiledCode = 0;
    std::uint32_t nodesCode = 0;
    auto compiled = parse(text, true, compiledCode);
    auto nodes = parse(text, false, nodesCode);
    if (compiledCode != nodesCode) std::abort();
    if (compiled && outcomes(*compiled) != outcomes(*nodes)) {
        std::fprintf(stderr, "compiled program and nodes disagree on '%ls'\n", text.c_str());
        std::abort();
    }
    if (compiled) {
        try {
            compiled->calculateConst();
        } catch (const EngineError&) {
        }
    }
    return 0;
}
