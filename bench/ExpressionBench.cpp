// Evaluation of a parsed tree and parsing, ours against muparser and native
// C++, on the same formulas and the same samples.
#include <memory>
#include <string>
#include <vector>

#include <muParser.h>

#include "Formulas.h"
#include "IExpression.h"
#include "Measures.h"

namespace {
std::string indexed(const char* what, int i) {
    return std::string(what) + "/" + std::to_string(i);
}

// A plot stores one value per sample; so does every variant here, which keeps
// the compiler from dropping or merging the evaluations.
template <typename Evaluate> void sweep(benchmark::State& state, Evaluate evaluate) {
    const auto xs = plotSamples();
    std::vector<double> out(xs.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < xs.size(); ++i)
            out[i] = evaluate(xs[i]);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(out.data());
}

void evalOurs(benchmark::State& state, const BenchFormula& f) {
    IExpression::s_withex = false; // as when plotting
    std::unique_ptr<IExpression> tree(IExpression::parseExpression(f.ours, true));
    IExpression* root = tree.get();
    sweep(state, [root](double x) { return root->calculate(x, 0.0); });
}

void evalMuparser(benchmark::State& state, const BenchFormula& f) {
    mu::Parser parser;
    double x = 0.0;
    parser.DefineVar("x", &x);
    parser.SetExpr(f.muparser);
    parser.Eval();
    sweep(state, [&](double v) {
        x = v;
        return parser.Eval();
    });
}

void evalNative(benchmark::State& state, const BenchFormula& f) {
    // Called through a pointer, once per sample, as a compiled formula would be.
    double (*volatile fn)(double) = f.native;
    sweep(state, [fn](double x) { return fn(x); });
}

void parseOurs(benchmark::State& state, const BenchFormula& f) {
    for (auto _ : state) {
        std::unique_ptr<IExpression> tree(IExpression::parseExpression(f.ours, true));
        benchmark::DoNotOptimize(tree.get());
    }
}

// muparser parses on the first evaluation after SetExpr.
void parseMuparser(benchmark::State& state, const BenchFormula& f) {
    mu::Parser parser;
    double x = 1.0;
    parser.DefineVar("x", &x);
    for (auto _ : state) {
        parser.SetExpr(f.muparser);
        benchmark::DoNotOptimize(parser.Eval());
    }
}
} // namespace

void registerExpressionBenchmarks() {
    const auto formulas = benchFormulas();
    const double samples = static_cast<double>(plotSamples().size());
    for (int i = 0; i < static_cast<int>(formulas.size()); ++i) {
        const BenchFormula& f = formulas[i];
        addMeasure({indexed("eval_ours", i), Column::OursEval, i, "", samples},
                   [&f](benchmark::State& s) { evalOurs(s, f); });
        addMeasure({indexed("eval_muparser", i), Column::MuparserEval, i, "", samples},
                   [&f](benchmark::State& s) { evalMuparser(s, f); });
        addMeasure({indexed("eval_native", i), Column::NativeEval, i, "", samples},
                   [&f](benchmark::State& s) { evalNative(s, f); });
        addMeasure({indexed("parse_ours", i), Column::OursParse, i, "", 1},
                   [&f](benchmark::State& s) { parseOurs(s, f); });
        addMeasure({indexed("parse_muparser", i), Column::MuparserParse, i, "", 1},
                   [&f](benchmark::State& s) { parseMuparser(s, f); });
    }
}
