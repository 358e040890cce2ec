#pragma once
#include <array>
#include <cstdint>
#include <functional>
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

    // Error reporting (ErrorReporting.cpp). A public operation that fails returns
    // false and leaves a ready-to-show text in m_error; a later success does not
    // clear it, so it is only meaningful right after a false.
    static std::wstring m_error;
    static std::uint32_t m_last_exception; // engine code or fault status last caught or raised
    static int s_language;                 // 0 English, 1 German

    // Text of message id in the current language; falls back to id itself (a
    // text missing in German shows in English), then to the empty text.
    static std::wstring loadString(unsigned int id);
    static void setLanguage(int language);
    static void setLastError(const std::wstring& text);
    // Sets the message of the code recorded in m_last_exception; the filters
    // record the code first, so the argument only names what is being reported.
    static void setLastError(int code);
    static std::wstring getLastError();
    static std::uint32_t getLastException();
    // Message number for an engine code (1002-1040) or a fault status; 40125
    // "Unknown exception!" for anything else.
    static unsigned int messageForCode(std::uint32_t code);

    // The filters the guards of EngineGuard.h run on a fault; each returns 1
    // (handle it). Reporting: record the code and set its message. Recording:
    // record the code only. None: record nothing.
    static int exceptionHandler(std::uint32_t code);
    static int exceptionContinueHandler(std::uint32_t code);
    static int exceptionNoneHandler(std::uint32_t code);

    // The few messages the engine shows itself (refused integral, bad matrix
    // cell, unit editing) go through a handler the program installs; without
    // one they are dropped, which is what a headless caller wants.
    enum class MessageIcon { None, Exclamation, Stop };
    using MessageBoxHandler = std::function<void(const std::wstring& text, MessageIcon icon)>;
    static void setMessageBoxHandler(MessageBoxHandler handler);
    static void showMessageBox(const std::wstring& text, MessageIcon icon = MessageIcon::None);

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
