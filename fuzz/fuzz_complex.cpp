// The complex calculator: an input line in either result form and unit.
// Settings, two bytes: the angle unit in bits 0-1, the polar form in bit 2,
// the number mode in bits 3-4, "j" as the unit in bit 5, the precision less
// one in bits 8-11. Fields: the input line, the value of the constant {c}.
#include <memory>

#include "EngineAdapter.h"
#include "FuzzSupport.h"
#include "OrvantaCalcBase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OrvantaCalcBase* const s_engine = new OrvantaCalcBase();
    const fuzz::Input input(data, size, 2);
    s_engine->setConst(0, L"c", fuzz::toText(input.field(1)));

    EngineAdapter adapter(*s_engine);
    CalculatorSettings& settings = adapter.settings();
    settings.angle = static_cast<CalculatorModes::MODE>(input.pick(0, 3));
    settings.complexResult = input.flag(2) ? CalculatorModes::POLAR : CalculatorModes::RECTANGULAR;
    settings.numberMode = static_cast<int>(input.pick(3, 3));
    settings.precision = 1 + static_cast<int>(input.pick(8, 14));
    Complex::s_use_j = input.flag(5);

    std::wstring line = fuzz::toText(input.field(0));
    std::wstring result;
    adapter.calculateComplex(line, result);

    // The plotter's direct use: parse and evaluate at a point, errors quiet.
    IExpression::s_withex = false;
    try {
        std::unique_ptr<IExpression> tree(IExpression::parseComplexExpression(fuzz::toText(input.field(0))));
        tree->calculateComplex(Complex(0.5, -1.5));
    } catch (const EngineError&) {
    }
    return 0;
}
