#include "OrvantaCalcBase.h"

namespace {
const std::wstring s_empty;

template <std::size_t N>
const std::wstring& slotOrEmpty(const std::array<std::wstring, N>& slots, int slot) {
    return slot >= 0 && slot < static_cast<int>(N) ? slots[static_cast<std::size_t>(slot)] : s_empty;
}

template <std::size_t N>
void storeSlot(std::array<std::wstring, N>& slots, int slot, const std::wstring& text) {
    if (slot >= 0 && slot < static_cast<int>(N)) slots[static_cast<std::size_t>(slot)] = text;
}
} // namespace

Complex OrvantaCalcBase::s_erg;

void OrvantaCalcBase::initFunctions(int slot, const std::wstring& caption, const std::wstring& formula) {
    storeSlot(m_function_captions, slot, caption);
    storeSlot(m_function_formulas, slot, formula);
}
const std::wstring& OrvantaCalcBase::getDescription(int slot) const { return slotOrEmpty(m_function_captions, slot); }
const std::wstring& OrvantaCalcBase::getExpression(int slot) const { return slotOrEmpty(m_function_formulas, slot); }

void OrvantaCalcBase::setConst(int slot, const std::wstring& name, const std::wstring& value) {
    storeSlot(m_const_names, slot, name);
    storeSlot(m_const_values, slot, value);
}
const std::wstring& OrvantaCalcBase::getConstKey(int slot) const { return slotOrEmpty(m_const_names, slot); }
const std::wstring& OrvantaCalcBase::getConstVal(int slot) const { return slotOrEmpty(m_const_values, slot); }
