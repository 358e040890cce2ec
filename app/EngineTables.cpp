#include "EngineTables.h"

#include "RegistryNames.h"

// The engine owns the value names and defaults of its user slots; the
// settings keys they live under are the program's.
namespace EngineTables {
SlotTable functions() {
    return {RegistryNames::ROOT, OrvantaCalcBase::s_myfunctions_size / 2, OrvantaCalcBase::s_myfunctions,
            [](const OrvantaCalcBase& e, int entry) { return e.getFunctionText(entry); },
            [](OrvantaCalcBase& e, int entry, const std::wstring& text) { e.setFunctionText(entry, text); }};
}

SlotTable constants() {
    return {RegistryNames::CONSTANTS, OrvantaCalcBase::s_const_size / 2, OrvantaCalcBase::s_const,
            [](const OrvantaCalcBase& e, int entry) { return e.getConstText(entry); },
            [](OrvantaCalcBase& e, int entry, const std::wstring& text) { e.setConstText(entry, text); }};
}

SlotTable equations() {
    return {RegistryNames::EQUATIONS, OrvantaCalcBase::s_equation_size / 2, OrvantaCalcBase::s_equation,
            [](const OrvantaCalcBase& e, int entry) { return e.getEquationText(entry); },
            [](OrvantaCalcBase& e, int entry, const std::wstring& text) { e.setEquationText(entry, text); }};
}
} // namespace EngineTables
