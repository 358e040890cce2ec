// The statistics calculator: a formula over a list of values, as one list of
// x values, as (x, y) pairs and as a regression. Settings: the operation in
// bits 0-1 (x values, pairs, linear and exponential regression), the number
// mode in bits 2-3, the precision less one in bits 4-7. Fields: the formula,
// the values.
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
    const unsigned operation = input.pick(0, 4);
    switch (operation) {
    case 0:
        adapter.calculateStatisticX(formula, result, values);
        break;
    case 1:
        adapter.calculateStatisticXY(formula, result, values);
        break;
    default:
        adapter.calculateStatisticRegression(operation == 2 ? CalculatorModes::REG_LINEAR
                                                            : CalculatorModes::REG_EXPONENTIAL,
                                             result, quality, values);
        break;
    }
    return 0;
}
