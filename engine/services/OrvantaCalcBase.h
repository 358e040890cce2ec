#pragma once
#include <array>
#include <string>

#include "CalculatorModes.h"
#include "IExpression.h"

// The engine facade: one object per process, reached by the expression engine
// through IExpression::s_calculator.
class OrvantaCalcBase {
public:
    static constexpr int FUNCTION_SLOTS = 28;
    static constexpr int CONSTANT_SLOTS = 14;
    static constexpr int EQUATION_SLOTS = 10;

    OrvantaCalcBase();
    virtual ~OrvantaCalcBase();
    OrvantaCalcBase(const OrvantaCalcBase&) = delete;
    OrvantaCalcBase& operator=(const OrvantaCalcBase&) = delete;

    // User functions: slot 2k is key k+1, slot 2k+1 its inverse.
    void initFunctions(int slot, const std::wstring& caption, const std::wstring& formula);
    const std::wstring& getDescription(int slot) const;
    const std::wstring& getExpression(int slot) const;

    // User constants, used in formulas as {name}.
    void setConst(int slot, const std::wstring& name, const std::wstring& value);
    const std::wstring& getConstKey(int slot) const;
    const std::wstring& getConstVal(int slot) const;

    int getConstSize() const { return 2 * CONSTANT_SLOTS; }
    int getFunctionSize() const { return FUNCTION_SLOTS; }

protected:
    std::array<std::wstring, FUNCTION_SLOTS> m_function_captions;
    std::array<std::wstring, FUNCTION_SLOTS> m_function_formulas;
    std::array<std::wstring, CONSTANT_SLOTS> m_const_names;
    std::array<std::wstring, CONSTANT_SLOTS> m_const_values;
    std::array<std::wstring, EQUATION_SLOTS> m_equation_names;
    std::array<std::wstring, EQUATION_SLOTS> m_equations;
    std::array<std::wstring, EQUATION_SLOTS> m_equation_params;
    std::array<std::wstring, EQUATION_SLOTS> m_equation_values;
};
