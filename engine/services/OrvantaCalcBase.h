#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "CalculatorModes.h"
#include "Complex.h"
#include "IExpression.h"
#include "Integral.h"
#include "Metric.h"
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

    // Stored equations: name, equation with one "=", parameter names separated
    // by ";", parameter values.
    void setEquation(int slot, const std::wstring& name, const std::wstring& equation,
                     const std::wstring& params, const std::wstring& values);
    const std::wstring& getEquationName(int slot) const;
    const std::wstring& getEquation(int slot) const;
    const std::wstring& getEquationParams(int slot) const;
    const std::wstring& getEquationValues(int slot) const;

    int getConstSize() const { return 2 * CONSTANT_SLOTS; }
    int getEquationSize() const { return 4 * EQUATION_SLOTS; }
    int getFunctionSize() const { return FUNCTION_SLOTS; }

    // --- Modes ---
    void setMode(CalculatorModes::MODE mode);
    void setComplexTyp(CalculatorModes::COMLEXRESULT type) { m_complex_result = type; }
    void setComputerTyp(CalculatorModes::COMPUTERRESULT type) { m_computer_result = type; }
    void setComputerMode(CalculatorModes::COMPMODE mode) { m_computer_mode = mode; }

    // --- The plain calculator modes ---
    bool calculateNormal(std::wstring& input, double& result);
    bool calculateNormal(std::wstring& input, std::wstring& result);
    // The same, also handing back the value: an undefined or infinite value
    // succeeds with its message as result, and only the value tells it apart.
    bool calculateNormal(std::wstring& input, std::wstring& result, double& value);
    bool calculateComplex(std::wstring& input, Complex& result);
    bool calculateComputer(std::wstring& input, std::wstring& result);
    bool calculateExpertMode(const std::wstring& line, std::wstring& result);
    bool isValid(double value);

    // --- Validation of an input line ---
    bool proove(std::wstring& input);
    bool proove_computer(std::wstring& input);

    // Error reporting (ErrorReporting.cpp). A public operation that fails returns
    // false and leaves a ready-to-show text in m_error; a later success does not
    // clear it, so it is only meaningful right after a false. Both belong to
    // the calling thread: a worker's failure never changes the GUI thread's.
    static VEMTRA_THREAD_STATE std::wstring m_error;
    static VEMTRA_THREAD_STATE std::uint32_t
        m_last_exception;  // engine code or fault status last caught or raised
    static int s_language; // 0 English, 1 German, set on the GUI thread

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

    // The same slots by entry of the settings tables below: entry i of
    // s_const (0..27), s_equation (0..39) or s_myfunctions (0..55) is the text
    // stored under that value name, so settings code can walk the tables.
    const std::wstring& getConstText(int entry) const;
    void setConstText(int entry, const std::wstring& text);
    const std::wstring& getEquationText(int entry) const;
    void setEquationText(int entry, const std::wstring& text);
    const std::wstring& getFunctionText(int entry) const;
    void setFunctionText(int entry, const std::wstring& text);

    // Settings value names with their default texts, as flat lists of string
    // pointers: entry i has its name at 2i and its default at 2i+1.
    static const wchar_t* const s_const[];
    static const int s_const_size; // 56 pointers, 28 entries
    static const wchar_t* const s_equation[];
    static const int s_equation_size; // 80 pointers, 40 entries
    static const wchar_t* const s_myfunctions[];
    static const int s_myfunctions_size; // 112 pointers, 56 entries

    // --- Data folder ---
    // The folder of "metrics.dat", "base.dat" and "integrals.txt"; empty means
    // none: the units are the defaults, kept in memory, and nothing is stored.
    // The caller decides (see DataFolder::resolveDefault).
    void setDataFolder(const std::filesystem::path& folder);
    const std::filesystem::path& getDataFolder() const { return m_data_folder; }
    std::filesystem::path dataFile(const char* name) const;
    // Creates the data folder when missing and puts the shipped integral table
    // there when it has none; false if the folder cannot be created.
    bool prepareDataFolder();
    // Writes the shipped "integrals.txt" into the data folder unless one is
    // there; true if the folder holds one afterwards.
    bool installIntegrals();

    static constexpr const char* METRICS_FILE = "metrics.dat";
    static constexpr const char* BASE_FILE = "base.dat";
    static constexpr const char* INTEGRALS_FILE = "integrals.txt";

    // --- Unit converter ---
    // Editing operations show their refusals and store failures in a message
    // box and leave the same text as last error; they return true when the
    // change was made and both files were stored.
    //
    // At start the user's files are never lost: a pair that cannot be used is
    // moved aside whole (ReadWrite) or left alone (ReadOnly), a file that
    // exists but cannot be read is never replaced, and the converter works
    // with the defaults in memory. Only ReadWrite writes the defaults of a
    // first start.
    enum class DataAccess { ReadWrite, ReadOnly };
    void initConverter(DataAccess access = DataAccess::ReadWrite);
    // What the start did to the unit files that the user should hear about
    // once, or empty; the caller shows it (a message box, a line on standard
    // error) and it is cleared.
    std::wstring takeDataNotice();
    // Replaces both lists from the files; lists that cannot be used give the
    // defaults (in memory only).
    void loadMetrics();
    bool storeMetrics();
    bool resetMetrics();
    bool addMetricKind(const std::wstring& group, const std::wstring& baseUnit);
    bool deleteMetricKind(const std::wstring& group);
    bool addMetric(const std::wstring& name, const std::wstring& group, double factor);
    bool deleteMetric(const std::wstring& name);
    int getGroupSize() const { return static_cast<int>(m_groups.size()); }
    std::wstring getGroup(int index) const;
    std::wstring getGroupBase(int kind) const;
    int getMetricSize() const { return static_cast<int>(m_metrics.size()); }
    Metric getMetric(int index) const;
    bool proove_converter(std::wstring& value, std::wstring& from, std::wstring& to, double& fromFactor,
                          double& toFactor);
    bool calculateConverter(std::wstring& value, std::wstring& from, std::wstring& to, std::wstring& result);
    // The same, also handing back the converted value (see calculateNormal).
    bool calculateConverter(std::wstring& value, std::wstring& from, std::wstring& to, std::wstring& result,
                            double& converted);

    // The built-in groups (index 0 is the pseudo-group of all units) and units.
    static const wchar_t* const s_convertergroups[];
    static const wchar_t* const s_convertergroups_ger[];
    static const int s_convertergroups_size;
    static const MetricDefault s_metrics[];
    static const int s_metrics_size;

    // Loading keeps at most this many groups and reads at most this much of a
    // unit file; anything beyond is dropped like a malformed record.
    static constexpr int MAX_GROUPS = 1000;
    static constexpr std::size_t MAX_METRIC_FILE_BYTES = 4 << 20;

    // --- Integral table ---
    void loadIntegrals();
    int getIntegralSize();
    Integral getIntegral(int index);
    int getIntegralGroupSize();
    std::wstring getIntegralGroup(int number);

    static constexpr std::size_t MAX_INTEGRAL_FILE_BYTES = 4 << 20;
    static constexpr int MAX_INTEGRAL_GROUP = 10000;
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

    // --- Function analysis: values, derivatives, zeros, extrema, inflection
    // points, discontinuities, integrals and polynomials of a function of x ---
    bool calculateFunctionAt(std::wstring& f, double& value, double x);
    bool calculateFunctionAt(std::wstring& f, std::wstring& result, double x);
    bool calculateFunctionDerivation(std::wstring& f, std::wstring& result);
    bool calculateFunctionDerivation(std::wstring& f, std::wstring& result, double x);
    bool calculateFunctionSimplify(std::wstring& f, std::wstring& result, bool keepShorter, bool symbolic);
    // Solves a stored equation, written in x, for x over [from, to] (1..200 in
    // whole steps when it uses "!", "binom" or "sum"); appends '=z1; z2' to
    // result and sets found, or sets result to "No points found...".
    bool calculateSolver(const std::wstring& equation, std::wstring& result, double from, double to, bool& found,
                         int reserved, int decimals);
    bool calculateFunctionSolve(std::wstring& f, std::wstring& result, std::vector<double>& zeros, double from,
                                double to, double step);
    bool calculateFunctionExtrema(std::wstring& f, std::wstring& result, double from, double to);
    bool calculateFunctionSaddlePoints(std::wstring& f, std::wstring& result, double from, double to);
    bool calculateFunctionDiscontinues(std::wstring& f, std::wstring& result, double from, double to);
    bool calculateFunctionDiscontinues(std::wstring& f, double from, double to, std::vector<double>& jumps,
                                       std::vector<double>& undefined);
    // The scan itself, on a parsed function and its derivative; an empty
    // derivative holder scans for jumps of f only.
    bool calculateFunctionDiscontinues(IExpressionHolder& f, IExpressionHolder& df, double from, double to,
                                       std::vector<double>& jumps, std::vector<double>& undefined);
    bool calculateFunctionIntegral(std::wstring& f, std::wstring& result, double from, double to, double step,
                                   bool absolute, CalculatorModes::INTEGRALTYPE type);
    bool calculatePolynomparts(std::wstring& f, std::wstring& result);
    bool calculatePolynomdivision(std::wstring& f, std::wstring& result);
    bool proovePolynomdivision(std::wstring& f, bool quiet);
    // Whether f can be evaluated somewhere: as a function of x (inX) or of y.
    bool prooveFunction(std::wstring& f, bool inX);
    bool prooveFunction2Parameters(std::wstring& f);

    // --- Plot sampling ---
    // Every walk over a range, and every sampling array, is bounded by this
    // many samples; a longer walk is refused with a message. A million keeps
    // the slowest walk (discontinuities: four evaluations per sample) of an
    // ordinary formula well within a second.
    static constexpr std::size_t MAX_SAMPLES = 1000000;
    // Size of the array calculatePlotterX, calculatePlotterY and
    // calculatePlotterTX fill for the range and step: one value per sample
    // point from `from` to `to`, plus one for the rounding of the accumulated
    // position; 0 when the walk would be refused.
    static std::size_t plotSampleCount(double from, double to, double step);
    bool calculatePlotter(std::wstring& f, double x, double y, double& value);
    // The array overloads write at most `capacity` values.
    bool calculatePlotterX(std::wstring& f, double& from, double& to, double& step, double* values,
                           std::size_t capacity);
    bool calculatePlotterY(std::wstring& f, double& from, double& to, double& step, double* values,
                           std::size_t capacity);
    bool calculatePlotterTX(std::wstring& f, double& t, double& from, double& to, double& step, double* values,
                            std::size_t capacity);
    bool calculateParameterFunction(std::wstring& f, int count, double* xs, double* ys);
    bool calculateParameter3DFunction(std::wstring& f, int count, double* xs, double* ys, double* zs);
    bool calculatePolarFunction(std::wstring& f, int count, double* ts, double* rs);
    // values[0] is the start value, then one value per term from `from` up to
    // (not including) `to`.
    bool calculateFolgeRecursiv(std::wstring& f, double& from, double& to, std::wstring& start, double* values,
                                std::size_t capacity);
    bool calculateFolgeRecursiv(std::wstring& f, double& n, double& y, std::wstring& start, double& value);
    bool prooveParameterFunction(const std::wstring& f, std::wstring& message);
    bool proovePolarFunction(const std::wstring& f, std::wstring& message);
    bool prooveFolge(std::wstring& f);

protected:
    // The start of every analysis that returns a text: clears result, validates
    // f and rewrites its scientific notation; with requireX a function without
    // the letter x raises 1033 ("No function is specified!").
    bool prepareFunction(std::wstring& f, std::wstring& result, bool requireX);

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

    CalculatorModes::COMLEXRESULT m_complex_result = CalculatorModes::RECTANGULAR;
    CalculatorModes::COMPUTERRESULT m_computer_result = CalculatorModes::RESULT_HEX;
    CalculatorModes::COMPMODE m_computer_mode = CalculatorModes::COMP_HEX;

    // Reads the value of parameter name from a list like 'a:=1; b:=2' and
    // evaluates it; false when the parameter is missing or has no value.
    bool calculateParam(const std::wstring& list, const std::wstring& name, double& value);
    std::vector<double> naturalZeros(std::wstring f);
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

    std::vector<Metric> m_metrics;
    std::vector<std::wstring> m_groups;
    std::vector<Integral> m_integrals;
    std::filesystem::path m_data_folder;
    // Set when the unit files must not be written over (none known, or one
    // that exists cannot be read).
    bool m_metrics_locked = false;
    std::wstring m_data_notice;

private:
    bool failWith(unsigned int messageId);
    bool prooveAllPatterns(std::wstring& input, bool computer);
    bool proove_imaginary(std::wstring& input);
    void applyComputerMode();
    std::wstring computerResultText(std::uint64_t value) const;

    enum class ListsRead { Loaded, Missing, Unreadable, Unusable };
    ListsRead readLists();
    void useDefaultMetrics();
    void initConverterFiles(DataAccess access);
    void storeAtStart();
    void tellData(const std::wstring& text);
    int writeLists(const std::vector<Metric>& metrics, const std::vector<std::wstring>& groups);
    std::wstring storeFailure(int failed) const;
    bool storeLists(const std::vector<Metric>& metrics, const std::vector<std::wstring>& groups);
    bool commitMetrics(std::vector<Metric> metrics, std::vector<std::wstring> groups);
    bool refuse(const std::wstring& text, MessageIcon icon);
    int findGroup(const std::wstring& group) const;
    int findMetric(const std::wstring& name) const;
};
