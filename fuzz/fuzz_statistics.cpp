// The statistics calculator: a formula over a list of values, as one list of
// x values, as (x, y) pairs and as a regression.
#include "EngineAdapter.h"
#include "FuzzSupport.h"
#include "OrvantaCalcBase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OrvantaCalcBase* const s_engine = new OrvantaCalcBase();
    const fuzz::Input input(data, size);
    EngineAdapter adapter(*s_engine);
    adapter.settings().numberMode = static_cast<int>(input.pick(2, 3));
    adapter.settings().precision = 1 + static_cast<int>(input.pick(4, 14));

    std::wstring formula = fuzz::toText(input.field(0));
    std::wstring values = fuzz::toText(input.field(1));
    std::wstring result;
    std::wstring quality;
    switch (input.pick(0, 4)) {
    case 0:
        adapter.calculateStatisticX(formula, result, values);
        break;
    case 1:
        adapter.calculateStatisticXY(formula, result, values);
        break;
    default:
        adapter.calculateStatisticRegression(input.flag(1) ? CalculatorModes::REG_EXPONENTIAL
                                                           : CalculatorModes::REG_LINEAR,
                                             result, quality, values);
        break;
    }
    return 0;
}
