#pragma once
#include <filesystem>
#include <list>
#include <memory>
#include <string>

#include "CalculatorModes.h"
#include "DataFolder.h"
#include "EngineAdapter.h"
#include "OrvantaCalcBase.h"
#include "PlotSettings.h"

class SettingsStore;
struct SlotTable;

// The document: owns the one engine object and every setting. It loads the
// settings in its constructor (writing the first-start defaults in the same
// pass), writes them back when they are edited, and writes the angle unit and
// the history when it is destroyed. The views reach the engine only through
// its adapter operations, which hand the current settings over first.
class COrvantaDoc {
public:
    static constexpr int HISTORY_SIZE = 10;

    // dataFolder holds the engine's unit files and integral table.
    explicit COrvantaDoc(SettingsStore& store,
                         const std::filesystem::path& dataFolder = DataFolder::resolveDefault());
    ~COrvantaDoc();
    COrvantaDoc(const COrvantaDoc&) = delete;
    COrvantaDoc& operator=(const COrvantaDoc&) = delete;

    // ---- Contents, in this order ----
    unsigned char m_inv = 0; // second-function state of the keypad
    unsigned char m_hyp = 0; // hyperbolic state of the keypad
    CalculatorModes::MODE m_mode = CalculatorModes::RAD;
    CalculatorModes::COMPMODE m_computerMode = CalculatorModes::COMP_HEX;
    CalculatorModes::COMLEXRESULT m_complexResult = CalculatorModes::RECTANGULAR;
    CalculatorModes::COMPUTERRESULT m_computerResult = CalculatorModes::RESULT_HEX;
    int m_precision = 10;
    int m_language = 0; // 0 English, anything else German
    int m_numMode = 0;
    std::list<std::wstring> m_history; // head: the most recent calculation
    PlotSettings m_plot;
    int m_stdBackground = 1;
    unsigned char m_useJ = 0;
    unsigned char m_useRPN = 0; // kept and passed through; nothing depends on it
    unsigned char m_resultInInput = 0;
    unsigned char m_angleFlag = 1;      // the angle-unit keys apply in this mode
    unsigned char m_programmerFlag = 0; // the programmer mode is active

    OrvantaCalcBase& engine() { return *m_engine; }
    SettingsStore& store() { return m_store; }

    // ---- Settings ----
    // User key slot 0..27 (slot 2k is key k+1, 2k+1 the same key with Inv).
    void setUserKey(int slot, const std::wstring& caption, const std::wstring& formula);
    void setConstant(int slot, const std::wstring& name, const std::wstring& value);
    void setEquation(int slot, const std::wstring& name, const std::wstring& equation,
                     const std::wstring& params, const std::wstring& values);
    void writeUserKeys();
    void writeConstants();
    void writeEquations();
    // The Options group, flushed.
    void writeOptions();
    // The background and function colours, flushed (after the plot settings).
    void writeColours();
    void writeAngleUnit();
    void writeHistory();

    void setLanguage(int language);
    void setUseJ(bool useJ);

    // The view background: grey with the standard background, else the
    // colour chosen in the Options dialog.
    ColorRef viewBackground() const;

    // ---- History: the last HISTORY_SIZE distinct calculations ----
    void addToHistory(const std::wstring& text);
    std::wstring getHistory(int index) const; // 0 is the most recent
    int getHistorySize() const { return static_cast<int>(m_history.size()); }

    // ---- Engine adapter ----
    // Each operation hands the settings above to the engine, calls one entry
    // point and, where the engine fails, leaves its message as the result.
    bool calculateNormal(std::wstring& input, std::wstring& result);
    bool calculateComplex(std::wstring& input, std::wstring& result);
    bool calculateComputer(std::wstring& input, std::wstring& result);
    // Whether text is a well-formed function of one of the plot types.
    bool checkFunction(const std::wstring& text, std::wstring& message);
    // Statistics over x values or x/y pairs; on failure the result is the
    // message.
    bool calculateStatisticX(std::wstring& formula, std::wstring& result, std::wstring& values);
    bool calculateStatisticXY(std::wstring& formula, std::wstring& result, std::wstring& values);
    // On failure the quality text is the message and the fitted text empty.
    bool calculateStatisticRegression(CalculatorModes::REGRESSIONTYPE type, std::wstring& fitted,
                                      std::wstring& quality, std::wstring& values);
    // In the number form of the settings; a failure is shown in a message box.
    bool calculateMatrix(MatrixContent& result, MatrixContent& a, MatrixContent& b,
                         CalculatorModes::MATRIXOPERATION op, bool real);
    // On failure the result is the message.
    bool calculateConverter(std::wstring& value, std::wstring& from, std::wstring& to, std::wstring& result);

    // The function calculator: on failure the result is the message. The zero
    // search reports its zeros only as text.
    bool calculateFunctionSimplify(std::wstring& f, std::wstring& result, bool keepShorter, bool symbolic);
    bool calculatePolynomparts(std::wstring& f, std::wstring& result);
    bool calculatePolynomdivision(std::wstring& f, std::wstring& result);
    bool calculateFunctionSolve(std::wstring& f, std::wstring& result, double from, double to);
    bool calculateFunctionExtrema(std::wstring& f, std::wstring& result, double from, double to);
    bool calculateFunctionSaddlePoints(std::wstring& f, std::wstring& result, double from, double to);
    bool calculateFunctionDiscontinues(std::wstring& f, std::wstring& result, double from, double to);
    bool calculateFunctionIntegral(std::wstring& f, std::wstring& result, double from, double to, double step,
                                   bool absolute, CalculatorModes::INTEGRALTYPE type);
    bool calculateFunctionAt(std::wstring& f, std::wstring& result, double x);
    // The value as a number; on failure nothing is replaced.
    bool calculateFunctionAt(std::wstring& f, double& value, double x);
    bool calculateFunctionDerivation(std::wstring& f, std::wstring& result);
    bool calculateFunctionDerivation(std::wstring& f, std::wstring& result, double x);

    // Plot sampling, with raised errors off: undefined points become gaps,
    // and false tells the plot to treat the samples as undefined. The arrays
    // hold capacity values.
    bool calculatePlotterX(std::wstring& f, double& from, double& to, double& step, double* values,
                           std::size_t capacity);
    bool calculatePlotterX(std::wstring& f, double& from, double& to, double* values, std::size_t capacity);
    bool calculatePlotterTX(std::wstring& f, double& t, double& from, double& to, double& step,
                            double* values, std::size_t capacity);
    bool calculatePlotterY(std::wstring& f, double& from, double& to, double& step, double* values,
                           std::size_t capacity);
    bool calculateParameterFunction(std::wstring& f, int count, double* xs, double* ys);
    bool calculateParameter3DFunction(std::wstring& f, int count, double* xs, double* ys, double* zs);
    bool calculatePolarFunction(std::wstring& f, int count, double* ts, double* rs);
    bool calculateFolgeRecursiv(std::wstring& f, double& from, double& to, std::wstring& start,
                                double* values, std::size_t capacity);

    // Solves a stored equation for x, between from and to (without a range:
    // -32000 to 32000). The result gets "=" and the zeros appended, or the
    // message when the engine left it empty.
    bool calculateSolver(const std::wstring& equation, std::wstring& result, bool& found);
    bool calculateSolver(const std::wstring& equation, std::wstring& result, double from, double to,
                         bool& found);

    // Passed to the engine as they are: the units and groups of the converter
    // and the integral table.
    bool addMetric(const std::wstring& name, const std::wstring& group, double factor);
    bool deleteMetric(const std::wstring& name);
    bool resetMetrics();
    bool addMetricKind(const std::wstring& group, const std::wstring& baseUnit);
    bool deleteMetricKind(const std::wstring& group);
    void initConverter();
    Metric getMetric(int index) const;
    std::wstring getGroup(int index) const;
    int getMetricSize() const;
    int getGroupSize() const;
    int getIntegralSize();
    int getIntegralGroupSize();
    std::wstring getIntegralGroup(int number);
    Integral getIntegral(int index);

    // The settings the adapter hands to the engine, for a worker's own adapter.
    CalculatorSettings calculatorSettings() const;

    // Who answers the placeholders [w], [x], [y], [z] of a normal calculation;
    // by default the parameter dialog.
    void setParameterSource(EngineAdapter::ParameterSource source);

private:
    // Construction, step by step.
    void loadUserKeys();
    void loadConstants();
    void loadEquations();
    void loadNumberFormat();
    void markFirstStart();
    void loadAngleUnit();
    void loadLanguage();
    void loadColours();
    void loadFlags();
    void loadHistory();

    // Writes the default of a value when it cannot be read; then reads it.
    bool readOption(const wchar_t* name, std::wstring& value, const wchar_t* defaultText);
    void writeDefaults(const SlotTable& table);
    void writeSlots(const SlotTable& table);
    void writeOption(const wchar_t* name, int value);

    EngineAdapter& adapter(); // with the document's settings handed over

    SettingsStore& m_store;
    std::unique_ptr<OrvantaCalcBase> m_engine;
    std::unique_ptr<EngineAdapter> m_adapter;
};
