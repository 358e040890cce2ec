// The equation solver: an equation in x, solved over the default range and
// over a small one picked by the settings. Settings, two bytes: the angle
// unit in bits 0-1, the range in bits 4-5, the default range in bit 6, the
// precision less one in bits 8-11. Field: the equation.
#include "EngineAdapter.h"
#include "FuzzSupport.h"
#include "OrvantaCalcBase.h"

namespace {
constexpr double FROM[] = {-10.0, 0.0, 1.0, -1E6};
constexpr double TO[] = {10.0, 0.0, 200.0, 1E6};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OrvantaCalcBase* const s_engine = new OrvantaCalcBase();
    const fuzz::Input input(data, size, 2);
    EngineAdapter adapter(*s_engine);
    adapter.settings().angle = static_cast<CalculatorModes::MODE>(input.pick(0, 3));
    adapter.settings().precision = 1 + static_cast<int>(input.pick(8, 14));
    const std::wstring equation = fuzz::toText(input.field(0));
    std::wstring result;
    bool found = false;
    if (input.flag(6))
        adapter.calculateSolver(equation, result, found);
    else
        adapter.calculateSolver(equation, result, FROM[input.pick(4, 4)], TO[input.pick(4, 4)], found);
    return 0;
}
