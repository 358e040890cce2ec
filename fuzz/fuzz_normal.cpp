// The scientific calculator: an input line with a user function and a user
// constant in reach, calculated and formatted as the program does it.
// Settings, two bytes: the angle unit in bits 0-1, the number mode in bits
// 2-3, German in bit 7, the precision less one in bits 8-11. Fields: the
// input line, the definition of the user function f, the value of {c}.
#include "EngineAdapter.h"
#include "FuzzSupport.h"
#include "OrvantaCalcBase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OrvantaCalcBase* const s_engine = new OrvantaCalcBase();
    const fuzz::Input input(data, size, 2);
    s_engine->initFunctions(0, L"f", fuzz::toText(input.field(1)));
    s_engine->setConst(0, L"c", fuzz::toText(input.field(2)));

    EngineAdapter adapter(*s_engine);
    CalculatorSettings& settings = adapter.settings();
    settings.angle = static_cast<CalculatorModes::MODE>(input.pick(0, 3));
    settings.numberMode = static_cast<int>(input.pick(2, 3));
    settings.precision = 1 + static_cast<int>(input.pick(8, 14));
    adapter.setParameterSource([](PlaceholderValues& values) {
        for (int i = 0; i < 4; ++i)
            values.value[i] = 1.5 - i;
        return true;
    });
    OrvantaCalcBase::setLanguage(input.flag(7) ? 1 : 0);

    std::wstring line = fuzz::toText(input.field(0));
    std::wstring result;
    adapter.calculateNormal(line, result);
    return 0;
}
