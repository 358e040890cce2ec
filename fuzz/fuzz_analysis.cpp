// The function calculator and the plotter's sampling: every analysis and
// sampling entry point on a formula of x (and y or t), over small ranges.
// Settings, two bytes: the operation in bits 0-3, the range in bits 4-5,
// raised errors in bit 6, German in bit 7, the step in bits 8-9.
// Fields: the formula, a second text (the start value of a sequence).
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "OrvantaCalcBase.h"

namespace {
constexpr double FROM[] = {-2.0, -1.0, 0.0, -3.5};
constexpr double TO[] = {1.0, 2.0, 0.5, 3.0};
constexpr double STEP[] = {0.0, 0.1, 0.25, 0.05};
constexpr int COUNT = 50;

void analyse(OrvantaCalcBase& engine, unsigned operation, std::wstring f, std::wstring second, double from,
             double to, double step) {
    std::wstring result;
    std::wstring message;
    double value = 0.0;
    std::vector<double> list;
    std::vector<double> other;
    std::vector<double> a(OrvantaCalcBase::plotSampleCount(from, to, step == 0.0 ? 0.1 : step) + COUNT);
    std::vector<double> b(a.size());
    std::vector<double> c(a.size());
    double t = 0.5;
    switch (operation) {
    case 0: engine.calculateFunctionAt(f, result, from); break;
    case 1: engine.calculateFunctionDerivation(f, result); break;
    case 2: engine.calculateFunctionDerivation(f, result, to); break;
    case 3: engine.calculateFunctionSimplify(f, result, true, false); break;
    case 4: engine.calculateFunctionSolve(f, result, list, from, to, step); break;
    case 5: engine.calculateFunctionExtrema(f, result, from, to); break;
    case 6: engine.calculateFunctionSaddlePoints(f, result, from, to); break;
    case 7: engine.calculateFunctionDiscontinues(f, result, from, to); break;
    case 8:
        engine.calculateFunctionIntegral(f, result, from, to, step == 0.0 ? 0.1 : step, from < -1.5,
                                         static_cast<CalculatorModes::INTEGRALTYPE>(static_cast<int>(to) % 3));
        break;
    case 9: engine.calculatePolynomparts(f, result); break;
    case 10: engine.calculatePolynomdivision(f, result); break;
    case 11:
        engine.prooveFunction(f, true);
        engine.prooveFunction2Parameters(f);
        engine.calculatePlotter(f, from, to, value);
        break;
    case 12:
        step = step == 0.0 ? 0.1 : step;
        engine.calculatePlotterX(f, from, to, step, a.data(), a.size());
        engine.calculatePlotterY(f, from, to, step, b.data(), b.size());
        engine.calculatePlotterTX(f, t, from, to, step, c.data(), c.size());
        break;
    case 13:
        if (engine.prooveParameterFunction(f, message)) {
            engine.calculateParameterFunction(f, COUNT, a.data(), b.data());
            engine.calculateParameter3DFunction(f, COUNT, a.data(), b.data(), c.data());
        }
        break;
    case 14:
        if (engine.proovePolarFunction(f, message)) engine.calculatePolarFunction(f, COUNT, a.data(), b.data());
        break;
    default:
        if (engine.prooveFolge(f)) {
            double start = 1.0;
            double end = start + static_cast<double>(a.size()) - 1.0;
            engine.calculateFolgeRecursiv(f, start, end, second, a.data(), a.size());
            double n = 5.0;
            double y = 0.0;
            engine.calculateFolgeRecursiv(f, n, y, second, value);
        }
        break;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OrvantaCalcBase* const s_engine = new OrvantaCalcBase();
    const fuzz::Input input(data, size, 2);
    IExpression::s_withex = input.flag(6);
    OrvantaCalcBase::setLanguage(input.flag(7) ? 1 : 0);
    const unsigned operation = input.pick(0, 16);
    const std::wstring formula = fuzz::toText(input.field(0));
    const std::wstring second = fuzz::toText(input.field(1));
    analyse(*s_engine, operation, formula, second, FROM[input.pick(4, 4)], TO[input.pick(4, 4)],
            STEP[input.pick(8, 4)]);
    return 0;
}
