// The symbolic side of a formula: its text, derivative, simplified form,
// coefficients and the division by a second formula; each text the engine
// writes is parsed again, as the function calculator does with it. Settings:
// raised errors in bit 0. Fields: the formula, the divisor.
#include <memory>

#include "FuzzSupport.h"
#include "IExpressionHolder.h"
#include "OrvantaCalcBase.h"

namespace {
std::unique_ptr<IExpression> parseOrNull(const std::wstring& text) {
    try {
        return std::unique_ptr<IExpression>(IExpression::parseExpression(text, true));
    } catch (const EngineError&) {
        return nullptr;
    }
}

template <class Operation> void quietly(Operation operation) {
    try {
        operation();
    } catch (const EngineError&) {
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OrvantaCalcBase* const s_engine = new OrvantaCalcBase();
    (void)s_engine;
    const fuzz::Input input(data, size);
    IExpression::s_withex = input.flag(0);
    IExpressionHolder holder(parseOrNull(fuzz::toText(input.field(0))).release());
    if (holder.isEmpty()) return 0;

    quietly([&] { parseOrNull(holder.toString(0)); });
    quietly([&] {
        std::wstring derivative = holder.derivate();
        if (auto tree = parseOrNull(derivative)) {
            IExpressionHolder second(tree.release());
            parseOrNull(second.derivate());
        }
    });
    quietly([&] { parseOrNull(holder.toSimplifiedString()); });
    quietly([&] {
        for (int n = 0; n < 4; ++n)
            holder.getXHoch(n);
        holder.getNumber();
    });
    if (auto divisor = parseOrNull(fuzz::toText(input.field(1))))
        quietly([&] { parseOrNull(holder.polynomdivision(divisor.get())); });
    return 0;
}
