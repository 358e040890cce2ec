// The user slots (functions, constants, equations), the settings value names
// under which the program keeps them, and their first-start defaults.
#include "OrvantaCalcBase.h"

// clang-format off
const wchar_t* const OrvantaCalcBase::s_const[] = {
    L"MyConst1Key", L"",
    L"MyConst1Val", L"",
    L"MyConst2Key", L"",
    L"MyConst2Val", L"",
    L"MyConst3Key", L"",
    L"MyConst3Val", L"",
    L"MyConst4Key", L"",
    L"MyConst4Val", L"",
    L"MyConst5Key", L"",
    L"MyConst5Val", L"",
    L"MyConst6Key", L"",
    L"MyConst6Val", L"",
    L"MyConst7Key", L"",
    L"MyConst7Val", L"",
    L"MyConst8Key", L"",
    L"MyConst8Val", L"",
    L"MyConst9Key", L"",
    L"MyConst9Val", L"",
    L"MyConst10Key", L"",
    L"MyConst10Val", L"",
    L"MyConst11Key", L"",
    L"MyConst11Val", L"",
    L"MyConst12Key", L"",
    L"MyConst12Val", L"",
    L"MyConst13Key", L"",
    L"MyConst13Val", L"",
    L"MyConst14Key", L"",
    L"MyConst14Val", L"",
};

// Three of the parameter-value names lack the "P": existing settings are
// stored under exactly these names.
const wchar_t* const OrvantaCalcBase::s_equation[] = {
    L"MyEquation0Name", L"phytagoras",
    L"MyEquation0Equation", L"a^2+b^2=c^2",
    L"MyEquation0Params", L"a;b;c",
    L"MyEquation0ParamValue", L"",
    L"MyEquation1Name", L"2 functions interception",
    L"MyEquation1Equation", L"x^2-3=x+1",
    L"MyEquation1Params", L"x",
    L"MyEquation1ParamValue", L"",
    L"MyEquation2Name", L"circle",
    L"MyEquation2Equation", L"r=U/(2*PI)",
    L"MyEquation2Params", L"r;U",
    L"MyEquation2ParamValue", L"",
    L"MyEquation3Name", L"",
    L"MyEquation3Equation", L"",
    L"MyEquation3Params", L"",
    L"MyEquation3ParamValue", L"",
    L"MyEquation4Name", L"",
    L"MyEquation4Equation", L"",
    L"MyEquation4Params", L"",
    L"MyEquation4ParamValue", L"",
    L"MyEquation5Name", L"",
    L"MyEquation5Equation", L"",
    L"MyEquation5Params", L"",
    L"MyEquation5ParamValue", L"",
    L"MyEquation6Name", L"",
    L"MyEquation6Equation", L"",
    L"MyEquation6Params", L"",
    L"MyEquation6ParamValue", L"",
    L"MyEquation7Name", L"",
    L"MyEquation7Equation", L"",
    L"MyEquation7Params", L"",
    L"MyEquation7aramValue", L"",
    L"MyEquation8Name", L"",
    L"MyEquation8Equation", L"",
    L"MyEquation8Params", L"",
    L"MyEquation8aramValue", L"",
    L"MyEquation9Name", L"",
    L"MyEquation9Equation", L"",
    L"MyEquation9Params", L"",
    L"MyEquation9aramValue", L"",
};

const wchar_t* const OrvantaCalcBase::s_myfunctions[] = {
    L"My1", L"perc(x,y)=x/y*100",
    L"My1Text", L"perc",
    L"My1Inv", L"",
    L"My1InvText", L"",
    L"My2", L"^(1/3)",
    L"My2Text", L"cur",
    L"My2Inv", L"",
    L"My2InvText", L"",
    L"My3", L"",
    L"My3Text", L"",
    L"My3Inv", L"",
    L"My3InvText", L"",
    L"My4", L"",
    L"My4Text", L"",
    L"My4Inv", L"",
    L"My4InvText", L"",
    L"My5", L"",
    L"My5Text", L"",
    L"My5Inv", L"",
    L"My5InvText", L"",
    L"My6", L"",
    L"My6Text", L"",
    L"My6Inv", L"",
    L"My6InvText", L"",
    L"My7", L"",
    L"My7Text", L"",
    L"My7Inv", L"",
    L"My7InvText", L"",
    L"My8", L"",
    L"My8Text", L"",
    L"My8Inv", L"",
    L"My8InvText", L"",
    L"My9", L"",
    L"My9Text", L"",
    L"My9Inv", L"",
    L"My9InvText", L"",
    L"My10", L"",
    L"My10Text", L"",
    L"My10Inv", L"",
    L"My10InvText", L"",
    L"My11", L"",
    L"My11Text", L"",
    L"My11Inv", L"",
    L"My11InvText", L"",
    L"My12", L"",
    L"My12Text", L"",
    L"My12Inv", L"",
    L"My12InvText", L"",
    L"My13", L"",
    L"My13Text", L"",
    L"My13Inv", L"",
    L"My13InvText", L"",
    L"My14", L"",
    L"My14Text", L"",
    L"My14Inv", L"",
    L"My14InvText", L"",
};
// clang-format on

const int OrvantaCalcBase::s_const_size = static_cast<int>(std::size(s_const));
const int OrvantaCalcBase::s_equation_size = static_cast<int>(std::size(s_equation));
const int OrvantaCalcBase::s_myfunctions_size = static_cast<int>(std::size(s_myfunctions));

namespace {
const std::wstring s_empty;

template <std::size_t N> const std::wstring& slotOrEmpty(const std::array<std::wstring, N>& slots, int slot) {
    return slot >= 0 && slot < static_cast<int>(N) ? slots[static_cast<std::size_t>(slot)] : s_empty;
}

template <std::size_t N>
void storeSlot(std::array<std::wstring, N>& slots, int slot, const std::wstring& text) {
    if (slot >= 0 && slot < static_cast<int>(N)) slots[static_cast<std::size_t>(slot)] = text;
}
} // namespace

void OrvantaCalcBase::initFunctions(int slot, const std::wstring& caption, const std::wstring& formula) {
    storeSlot(m_function_captions, slot, caption);
    storeSlot(m_function_formulas, slot, formula);
}
const std::wstring& OrvantaCalcBase::getDescription(int slot) const {
    return slotOrEmpty(m_function_captions, slot);
}
const std::wstring& OrvantaCalcBase::getExpression(int slot) const {
    return slotOrEmpty(m_function_formulas, slot);
}

void OrvantaCalcBase::setConst(int slot, const std::wstring& name, const std::wstring& value) {
    storeSlot(m_const_names, slot, name);
    storeSlot(m_const_values, slot, value);
}
const std::wstring& OrvantaCalcBase::getConstKey(int slot) const {
    return slotOrEmpty(m_const_names, slot);
}
const std::wstring& OrvantaCalcBase::getConstVal(int slot) const {
    return slotOrEmpty(m_const_values, slot);
}

void OrvantaCalcBase::setEquation(int slot, const std::wstring& name, const std::wstring& equation,
                                  const std::wstring& params, const std::wstring& values) {
    storeSlot(m_equation_names, slot, name);
    storeSlot(m_equations, slot, equation);
    storeSlot(m_equation_params, slot, params);
    storeSlot(m_equation_values, slot, values);
}
const std::wstring& OrvantaCalcBase::getEquationName(int slot) const {
    return slotOrEmpty(m_equation_names, slot);
}
const std::wstring& OrvantaCalcBase::getEquation(int slot) const {
    return slotOrEmpty(m_equations, slot);
}
const std::wstring& OrvantaCalcBase::getEquationParams(int slot) const {
    return slotOrEmpty(m_equation_params, slot);
}
const std::wstring& OrvantaCalcBase::getEquationValues(int slot) const {
    return slotOrEmpty(m_equation_values, slot);
}

// Entry order of s_const: name and value of each constant.
const std::wstring& OrvantaCalcBase::getConstText(int entry) const {
    if (entry < 0) return s_empty;
    return slotOrEmpty(entry % 2 == 0 ? m_const_names : m_const_values, entry / 2);
}
void OrvantaCalcBase::setConstText(int entry, const std::wstring& text) {
    if (entry < 0) return;
    storeSlot(entry % 2 == 0 ? m_const_names : m_const_values, entry / 2, text);
}

// Entry order of s_equation: name, equation, parameter names, parameter values.
const std::wstring& OrvantaCalcBase::getEquationText(int entry) const {
    if (entry < 0) return s_empty;
    const std::array<const decltype(m_equations)*, 4> fields = {&m_equation_names, &m_equations,
                                                                &m_equation_params, &m_equation_values};
    return slotOrEmpty(*fields[static_cast<std::size_t>(entry % 4)], entry / 4);
}
void OrvantaCalcBase::setEquationText(int entry, const std::wstring& text) {
    if (entry < 0) return;
    const std::array<decltype(m_equations)*, 4> fields = {&m_equation_names, &m_equations, &m_equation_params,
                                                          &m_equation_values};
    storeSlot(*fields[static_cast<std::size_t>(entry % 4)], entry / 4, text);
}

// Entry order of s_myfunctions, per key: formula, caption, inverse formula,
// inverse caption; the key's slot is 2k, its inverse's 2k+1.
const std::wstring& OrvantaCalcBase::getFunctionText(int entry) const {
    if (entry < 0) return s_empty;
    const int slot = entry / 4 * 2 + (entry % 4) / 2;
    return slotOrEmpty(entry % 2 == 0 ? m_function_formulas : m_function_captions, slot);
}
void OrvantaCalcBase::setFunctionText(int entry, const std::wstring& text) {
    if (entry < 0) return;
    const int slot = entry / 4 * 2 + (entry % 4) / 2;
    storeSlot(entry % 2 == 0 ? m_function_formulas : m_function_captions, slot, text);
}
