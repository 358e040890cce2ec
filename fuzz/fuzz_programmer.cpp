// The programmer calculator: an input line in every input and result base.
// Settings: the input base in bits 0-1, the result base in bits 2-3. The
// payload is the input line.
#include "EngineAdapter.h"
#include "FuzzSupport.h"
#include "OrvantaCalcBase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OrvantaCalcBase* const s_engine = new OrvantaCalcBase();
    const fuzz::Input input(data, size);
    EngineAdapter adapter(*s_engine);
    CalculatorSettings& settings = adapter.settings();
    settings.computerMode = static_cast<CalculatorModes::COMPMODE>(input.pick(0, 4));
    settings.computerResult = static_cast<CalculatorModes::COMPUTERRESULT>(input.pick(2, 4));

    std::wstring line = fuzz::toText(input.payload());
    std::wstring result;
    adapter.calculateComputer(line, result);
    return 0;
}
