#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "CalculatorModes.h"
#include "Complex.h"
#include "IExpression.h"
#include "MatrixContent.h"

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

    // --- Modes ---
    void setMode(CalculatorModes::MODE mode);
    void setComplexTyp(CalculatorModes::COMLEXRESULT type) { m_complex_result = type; }
    void setComputerTyp(CalculatorModes::COMPUTERRESULT type) { m_computer_result = type; }
    void setComputerMode(CalculatorModes::COMPMODE mode) { m_computer_mode = mode; }

    // --- The plain calculator modes ---
    bool calculateNormal(std::wstring& input, double& result);
    bool calculateNormal(std::wstring& input, std::wstring& result);
    bool calculateComplex(std::wstring& input, Complex& result);
    bool calculateComputer(std::wstring& input, std::wstring& result);
    bool calculateExpertMode(const std::wstring& line, std::wstring& result);
    bool isValid(double value);

    // --- Validation of an input line ---
    bool proove(std::wstring& input);
    bool proove_computer(std::wstring& input);

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

    // Statistics (Statistics.cpp). values: items separated by ";", each a number
    // or an expression; for XY and the regressions x1;y1;x2;y2;... The
    // regression writes the fitted formula and the quality figures (R², cov, r);
    // its second argument is not read.
    bool calculateStatisticX(std::wstring& formula, std::wstring& result, std::wstring& values);
    bool calculateStatisticXY(std::wstring& formula, std::wstring& result, std::wstring& values);
    bool calculateStatisticRegression(CalculatorModes::REGRESSIONTYPE type, std::wstring& reserved,
                                      std::wstring& fitted, std::wstring& quality, std::wstring& values);

    // Matrix operations (Matrix*.cpp): checks the operands, evaluates every
    // cell (as a real or a complex number), computes and writes the result
    // cells; format1 and format2 are the number form of real results.
    bool calculateMatrix(MatrixContent& result, MatrixContent& a, MatrixContent& b,
                         CalculatorModes::MATRIXOPERATION op, int format1, int format2, bool real,
                         bool rectangular);
    // Largest order the determinant and the inverse expand; larger ones fail
    // with "Not enough memory..." (the expansion keeps 2^n minors).
    static constexpr int MAX_EXPANSION_ORDER = 16;

protected:
    double calculateValue(std::wstring& input);
    Complex calculateValueComplex(std::wstring& input);
    void replaceEHoch(std::wstring& input);
    void setValue(double value, std::wstring& text, int a, int b);

    bool proove_len(std::wstring& input);
    bool proove_beginning(std::wstring& input);
    bool proove_beginning_computer(std::wstring& input);
    bool proove_end(std::wstring& input);
    bool proove_end_computer(std::wstring& input);
    bool proove_parenthesis(std::wstring& input);
    bool proove_patterns(std::wstring& input);
    bool proove_patterns_computer(std::wstring& input);
    bool proove_pattern_pre(std::wstring& input, const std::wstring& set, wchar_t ch);
    bool proove_pattern_post(std::wstring& input, const std::wstring& set, wchar_t ch);
    bool proove_pattern(std::wstring& input, const std::wstring& pattern);
    bool proove_pattern(std::wstring& input, const std::wstring& pattern, const std::wstring& shown);
    void proovePreconditions(std::wstring& input);

    static Complex s_erg; // last complex result

    CalculatorModes::COMLEXRESULT m_complex_result = CalculatorModes::RECTANGULAR;
    CalculatorModes::COMPUTERRESULT m_computer_result = CalculatorModes::RESULT_HEX;
    CalculatorModes::COMPMODE m_computer_mode = CalculatorModes::COMP_HEX;

    // The values of a statistic; an item that is no number raises 1036.
    std::vector<double> readStatisticValues(const std::wstring& values);

    // Matrix checks and computations (Matrix*.cpp). The kernels work on
    // row-major arrays and size their output themselves.
    bool prooveMatrix(MatrixContent& result, MatrixContent& a, MatrixContent& b,
                      CalculatorModes::MATRIXOPERATION op);
    bool prooveMatrix(MatrixContent& m);
    bool calculateMatrixReal(MatrixContent& result, MatrixContent& a, MatrixContent& b,
                             CalculatorModes::MATRIXOPERATION op, int format1, int format2);
    bool calculateMatrixComplex(MatrixContent& result, MatrixContent& a, MatrixContent& b,
                                CalculatorModes::MATRIXOPERATION op, bool rectangular);
    static void calculateGauss(std::vector<double>& out, const std::vector<double>& in, int rows, int cols,
                               CalculatorModes::MATRIXOPERATION op);
    static void calculateInverse(std::vector<double>& out, const std::vector<double>& in, int n);
    static void calculateInverse(std::vector<Complex>& out, const std::vector<Complex>& in, int n);
    static double calculateDeterminante(const std::vector<double>& in, int n);
    static Complex calculateDeterminante(const std::vector<Complex>& in, int n);
    static void calculateComplexConjugate(std::vector<Complex>& out, const std::vector<Complex>& in, int rows,
                                          int cols);
    static void calculateComplexAdjugate(std::vector<Complex>& out, const std::vector<Complex>& in, int rows,
                                         int cols);

    std::array<std::wstring, FUNCTION_SLOTS> m_function_captions;
    std::array<std::wstring, FUNCTION_SLOTS> m_function_formulas;
    std::array<std::wstring, CONSTANT_SLOTS> m_const_names;
    std::array<std::wstring, CONSTANT_SLOTS> m_const_values;
    std::array<std::wstring, EQUATION_SLOTS> m_equation_names;
    std::array<std::wstring, EQUATION_SLOTS> m_equations;
    std::array<std::wstring, EQUATION_SLOTS> m_equation_params;
    std::array<std::wstring, EQUATION_SLOTS> m_equation_values;

private:
    bool failWith(unsigned int messageId);
    bool prooveAllPatterns(std::wstring& input, bool computer);
    bool proove_imaginary(std::wstring& input);
    void applyComputerMode();
    std::wstring computerResultText(std::uint64_t value) const;
};
