#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CalculatorModes.h"
#include "Complex.h"
#include "EngineError.h"

class IExpressionHolder;

// Evaluation state (raise-errors flag, angle unit, programmer base, last
// sequence value, last error) belongs to the thread that evaluates: a plot or
// analysis worker sets its own flags and never disturbs the GUI thread. The
// initial-exec model reaches such a variable with one load instead of a call
// per access; it holds because the library is loaded with the program.
#define VEMTRA_THREAD_STATE thread_local __attribute__((tls_model("initial-exec")))
class PolynomTerm;
class OrvantaCalcBase;

// A (pattern, replacement) pair of the rewrite tables applied before parsing.
struct RewritePair {
    const wchar_t* pattern;
    const wchar_t* replacement;
};

// A function name of the vocabulary with its derivative rule (empty when none).
struct FunctionEntry {
    const wchar_t* name;
    const wchar_t* rule;
};

// Node of an expression tree. Three families derive from it (real, complex,
// programmer); all share the holder, the splitting scheme and the virtual
// operations below, whose order is part of the library's interface.
class IExpression {
public:
    // Input base of programmer-mode number tokens.
    enum COMPMODE { COMP_HEX = 0, COMP_BIN = 1, COMP_OCT = 2, COMP_DEC = 3 };

    using RealFunction1 = double (*)(double);
    using RealFunction2 = double (*)(double, double);

    IExpression() = default;
    IExpression(const IExpression& other) = default;
    IExpression& operator=(const IExpression& other) = default;

    // The virtual operations, in slot order.
    virtual bool isOperand() = 0;
    virtual bool isScientificCall() { return false; }
    virtual bool isConstant() = 0;
    virtual ~IExpression() = default;
    virtual IExpression* getLeft() { return nullptr; }
    virtual IExpression* getRight() { return nullptr; }
    virtual double getNumber() { return 0.0; }
    virtual double getXHoch(int n);
    virtual double calculate(double x, double y);
    virtual double calculateConst();
    virtual Complex calculateComplex(Complex z);
    virtual Complex calculateComplexConst();
    virtual std::uint64_t calculateComputer();
    virtual std::unique_ptr<PolynomTerm> toPolynom();
    virtual double calculateStatistic(std::vector<double>& data);
    virtual double calculateStatisticXY(std::vector<double>& data);
    virtual std::wstring polynomdivision(IExpression* divisor);
    virtual std::wstring derivate();
    virtual bool containsX() = 0;
    virtual bool containsY() = 0;
    virtual std::wstring toString(int mode);
    virtual bool isValue() { return false; }
    virtual bool isOperator() { return false; }
    virtual wchar_t getOperator() { return L' '; }

    void setKlammer(bool klammer = true) { m_klammer = klammer; }
    bool getKlammer() const { return m_klammer; }
    IExpressionHolder* getHolder() const { return m_holder; }
    void setHolder(IExpressionHolder* holder) { m_holder = holder; }
    static void setLastResult(double value) { s_lastresult = value; }

    // --- Parsing and pre-translation of the real family ---
    static const RewritePair s_pretranslate[];
    static const int s_pretranslate_len;
    static const FunctionEntry s_functions[];
    static const int s_functions_len;
    // Per thread (see VEMTRA_THREAD_STATE): the last value of a recursive
    // sequence, whether domain errors raise, and the angle unit.
    static VEMTRA_THREAD_STATE double s_lastresult;
    static VEMTRA_THREAD_STATE bool s_withex;
    static VEMTRA_THREAD_STATE CalculatorModes::MODE s_mode;
    // The facade whose user constants and functions the pre-translation reads.
    // It is shared by every thread: the program edits those tables only on the
    // GUI thread while no worker runs (a plot pass is cancelled first).
    static OrvantaCalcBase* s_calculator;

    // Deepest recursion the parsers accept (a level per parenthesis pair, call
    // and operator of a chain: "1+1+1" is a left-deep tree); deeper text raises 1007.
    static const int s_max_depth;

    // The parsers hand out trees that belong to the caller. A tree is used by
    // one thread at a time (its function caches live in its nodes): parallel
    // work parses one tree per thread. Any thread may parse and evaluate.
    static IExpression* parseExpression(const std::wstring& text, bool pretranslate);
    static IExpression* parseExpressionComplete(const std::wstring& text, bool pretranslate);
    static void preTranslate(std::wstring& text);
    static void preTranslateConsts(std::wstring& text);
    static void preTranslateFunctions(std::wstring& text);
    static int findCorrespondingParenthesis(const std::wstring& text, int open);
    static bool isNumber(const std::wstring& text);
    static bool isNumberExpression(const std::wstring& text);
    static bool isBruch(const std::wstring& text);
    static bool isFunction(const std::wstring& text, int a = 0, int b = 0);
    static bool findUnknown(std::wstring& text, wchar_t name);
    static void replaceUnknown(std::wstring& text, wchar_t from, wchar_t to);
    static wchar_t operand_plusminus(wchar_t a, wchar_t b);

    // --- Number formatting and angle units ---
    static void value2String(double value, std::wstring& out, int decimals);
    static void value2String(double value, std::wstring& out, int format, int digits, bool autoExponent);
    static void formatNumber(std::wstring& text);
    static double input2rad(double value);
    static double rad2output(double value);

    // --- Scientific function library ---
    static const int s_statistic_functions_pos;
    static const wchar_t* const s_computer_functions[];
    static const int s_computer_functions_size;
    static int countFunctionParameters(const std::wstring& name);
    static bool isScientificFunction(const std::wstring& text, int a = 0, int b = 0);
    static bool isComputerFunction(const std::wstring& text, int a = 0, int b = 0);
    // The function a name computes, resolved once by the same prefix rules as
    // calculateFunction; unknown names resolve to the invalid-input function.
    static RealFunction1 resolveFunction(const std::wstring& name);
    static RealFunction2 resolveFunction2(const std::wstring& name);
    static double calculateFunction(const std::wstring& name, double x);
    static double calculateFunction(const std::wstring& name, double a, double b);
    static double calculateFaculty(double n);
    static double calculateEulerGCD(double a, double b);

    // --- Programmer mode ---
    static VEMTRA_THREAD_STATE COMPMODE s_compmode; // per thread
    static IExpression* parseComputerExpression(const std::wstring& text);
    static std::uint64_t getLongValueFromBin(const std::wstring& text);
    static std::uint64_t getLongValueFromHex(const std::wstring& text);
    static std::uint64_t getLongValueFromOct(const std::wstring& text);
    static std::uint64_t getLongValueFromDec(const std::wstring& text);
    static void checkBinNumber(const std::wstring& text);
    static void checkHexNumber(const std::wstring& text);
    static void checkOctNumber(const std::wstring& text);
    static void checkDecNumber(const std::wstring& text);
    static void longValue2BinaryString(std::wstring& out, std::uint64_t value);
    static void longValue2HexadecimalString(std::wstring& out, std::uint64_t value);
    static void calculateNot(std::wstring& out, std::uint64_t value);
    static std::uint64_t calculateComputerFunction(const std::wstring& name, std::uint64_t a);
    static std::uint64_t calculateComputerFunction(const std::wstring& name, std::uint64_t a, std::uint64_t b);

    // --- Complex numbers ---
    static const RewritePair s_pretranslate_complex[];
    static const int s_pretranslate_complex_len;
    static IExpression* parseComplexExpression(const std::wstring& text);
    static void preTranslateComplex(std::wstring& text);
    static Complex calculateFunction(const std::wstring& name, Complex z);

    // --- Statistic functions ---
    static double calculateStatisticFunction(const std::wstring& name, std::vector<double>& data, bool pairs,
                                             double argument);

private:
    bool m_klammer = false;
    IExpressionHolder* m_holder = nullptr;
};
