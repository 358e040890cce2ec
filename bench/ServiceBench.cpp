// The calculation services that evaluate a tree many times: plot sampling and
// the searches of the function analysis.
#include <string>
#include <vector>

#include "Formulas.h"
#include "Measures.h"
#include "MatrixContent.h"
#include "OrvantaCalcBase.h"

namespace {
OrvantaCalcBase& engine() {
    static OrvantaCalcBase s_engine;
    return s_engine;
}

// A plot 640 samples wide across [-5, 5], as the plot window asks for it.
void plotRow(benchmark::State& state, const BenchFormula& f) {
    const double width = 10.0 / 640;
    std::vector<double> values(OrvantaCalcBase::plotSampleCount(-5.0, 5.0, width));
    for (auto _ : state) {
        std::wstring text = f.ours;
        double from = -5.0;
        double to = 5.0;
        double step = width;
        if (!engine().calculatePlotterX(text, from, to, step, values.data(), values.size()))
            state.SkipWithError("calculatePlotterX failed");
        benchmark::DoNotOptimize(values.data());
    }
}

struct Search {
    const wchar_t* function;
    double from;
    double to;
};

const Search s_searches[] = {
    {L"x^2-4", -10.0, 10.0},
    {L"(x^3-2*x)/(x^2+1)", -5.0, 5.0},
    {L"sin(x)*cos(2*x)+tan(x/3)", -4.0, 4.0},
};

enum class Operation { Zeros, Extrema, Integral };

void search(benchmark::State& state, const Search& s, Operation operation) {
    std::vector<double> zeros;
    for (auto _ : state) {
        std::wstring text = s.function;
        std::wstring result;
        bool ok = false;
        switch (operation) {
        case Operation::Zeros:
            ok = engine().calculateFunctionSolve(text, result, zeros, s.from, s.to, 0.0);
            break;
        case Operation::Extrema:
            ok = engine().calculateFunctionExtrema(text, result, s.from, s.to);
            break;
        case Operation::Integral:
            ok = engine().calculateFunctionIntegral(text, result, s.from, s.to, 0.01, false,
                                                    CalculatorModes::INT_SIMPSON);
            break;
        }
        if (!ok) state.SkipWithError("the search failed");
        benchmark::DoNotOptimize(result.data());
    }
}

// A dense 10 x 10 matrix, the largest the editor allows, with cells that
// leave it regular: real cells for the determinant and the inverse, complex
// ones for the complex inverse.
MatrixContent denseMatrix(bool complex) {
    constexpr int order = 10;
    std::vector<std::wstring> cells;
    for (int r = 0; r < order; ++r) {
        for (int c = 0; c < order; ++c) {
            std::wstring cell = std::to_wstring((r * 7 + c * 3) % 11 + (r == c ? 20 : 1));
            if (complex) cell += L"+" + std::to_wstring((r + 2 * c) % 5) + L"i";
            cells.push_back(cell);
        }
    }
    return MatrixContent(order, order, std::move(cells));
}

void matrix(benchmark::State& state, CalculatorModes::MATRIXOPERATION operation, bool real) {
    for (auto _ : state) {
        MatrixContent a = denseMatrix(!real);
        MatrixContent b;
        MatrixContent result;
        if (!engine().calculateMatrix(result, a, b, operation, 0, 10, real, true))
            state.SkipWithError("the matrix operation failed");
        benchmark::DoNotOptimize(result.cells.data());
    }
}

std::string label(const char* what, const Search& s) {
    char range[64];
    std::snprintf(range, sizeof range, " on [%g, %g]", s.from, s.to);
    return what + narrow(s.function) + range;
}
} // namespace

void registerServiceBenchmarks() {
    const auto formulas = benchFormulas();
    for (int i = 0; i < static_cast<int>(formulas.size()); ++i) {
        const BenchFormula& f = formulas[i];
        addMeasure({"plot_ours/" + std::to_string(i), Column::OursPlot, i, "", 1},
                   [&f](benchmark::State& s) { plotRow(s, f); });
    }
    int n = 0;
    for (const Search& s : s_searches) {
        const std::string index = std::to_string(n++);
        addMeasure({"zeros/" + index, Column::Service, -1, label("zeros of ", s), 1},
                   [&s](benchmark::State& st) { search(st, s, Operation::Zeros); });
        addMeasure({"extrema/" + index, Column::Service, -1, label("extrema of ", s), 1},
                   [&s](benchmark::State& st) { search(st, s, Operation::Extrema); });
        addMeasure(
            {"integral/" + index, Column::Service, -1, label("Simpson integral (step 0.01) of ", s), 1},
            [&s](benchmark::State& st) { search(st, s, Operation::Integral); });
    }
    addMeasure({"matrix/det", Column::Service, -1, "determinant of a dense 10 x 10 matrix", 1},
               [](benchmark::State& st) { matrix(st, CalculatorModes::MAT_DET, true); });
    addMeasure({"matrix/inverse", Column::Service, -1, "inverse of a dense 10 x 10 matrix", 1},
               [](benchmark::State& st) { matrix(st, CalculatorModes::MAT_INVERSE, true); });
    addMeasure({"matrix/complex-inverse", Column::Service, -1, "inverse of a dense complex 10 x 10 matrix", 1},
               [](benchmark::State& st) { matrix(st, CalculatorModes::MAT_INVERSE, false); });
}
