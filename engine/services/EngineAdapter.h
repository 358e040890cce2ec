#pragma once
#include <cstddef>
#include <functional>
#include <string>

#include "CalculatorModes.h"
#include "OrvantaCalcBase.h"

// Values of the placeholders [w], [x], [y], [z] found in an input line.
struct PlaceholderValues {
    bool present[4] = {false, false, false, false}; // w, x, y, z
    double value[4] = {0.0, 0.0, 0.0, 0.0};
};

// The settings a front end hands to the engine before every calculation.
struct CalculatorSettings {
    CalculatorModes::MODE angle = CalculatorModes::RAD;
    CalculatorModes::COMPMODE computerMode = CalculatorModes::COMP_HEX;
    CalculatorModes::COMLEXRESULT complexResult = CalculatorModes::RECTANGULAR;
    CalculatorModes::COMPUTERRESULT computerResult = CalculatorModes::RESULT_HEX;
    int numberMode = 0;  // 0 floating point, 1 scientific, 2 engineering
    int precision = 10;
};

// What every front end does around an engine call: hand over the current
// settings, call one entry point, and turn a failure into the text to show.
// The program and the command-line calculator share it.
class EngineAdapter {
public:
    // Asks the user for the values of the placeholders marked present; returns
    // false when the user cancels.
    using ParameterSource = std::function<bool(PlaceholderValues&)>;

    explicit EngineAdapter(OrvantaCalcBase& engine) : m_engine(engine) {}

    CalculatorSettings& settings() { return m_settings; }
    void setParameterSource(ParameterSource source) { m_parameters = std::move(source); }

    // Hands the settings to the engine; raiseErrors is off only for plot sampling.
    void prepare(bool raiseErrors);

    // A value that is undefined or infinite shows its message and counts as a
    // failure, like a calculation that raised an error.
    bool calculateNormal(std::wstring& input, std::wstring& result);
    // value, when given, receives the number behind the text.
    bool calculateComplex(std::wstring& input, std::wstring& result, Complex* value = nullptr);
    bool calculateComputer(std::wstring& input, std::wstring& result);

    // Statistics: a failure replaces the result (the quality text for a
    // regression, whose fitted text is then emptied) by the message.
    bool calculateStatisticX(std::wstring& formula, std::wstring& result, std::wstring& values);
    bool calculateStatisticXY(std::wstring& formula, std::wstring& result, std::wstring& values);
    bool calculateStatisticRegression(CalculatorModes::REGRESSIONTYPE type, std::wstring& fitted,
                                      std::wstring& quality, std::wstring& values);

    // A matrix operation in the number form of the settings. The message of a
    // failure goes to message (the program shows it in a message box).
    bool calculateMatrix(MatrixContent& result, MatrixContent& a, MatrixContent& b,
                         CalculatorModes::MATRIXOPERATION op, bool real, std::wstring& message);

    // A unit conversion; a failure replaces the result by the message. An
    // undefined or infinite result shows its message and returns false.
    bool calculateConverter(std::wstring& value, std::wstring& from, std::wstring& to, std::wstring& result);

    // The function calculator (EngineAdapterAnalysis.cpp): a failure replaces
    // the result by the message. The zero search takes the engine's default step.
    bool calculateFunctionSimplify(std::wstring& f, std::wstring& result, bool keepShorter, bool symbolic);
    bool calculatePolynomparts(std::wstring& f, std::wstring& result);
    bool calculatePolynomdivision(std::wstring& f, std::wstring& result);
    // The equation solver; without a range it searches -32000 to 32000. A
    // failure replaces the result by the message only when it is empty.
    bool calculateSolver(const std::wstring& equation, std::wstring& result, bool& found);
    bool calculateSolver(const std::wstring& equation, std::wstring& result, double from, double to, bool& found);
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

    // Plot sampling, with raised errors off so that undefined points become
    // gaps; false makes the caller treat the samples as undefined. The arrays
    // are sized as the engine's sampling operations say.
    bool calculatePlotterX(std::wstring& f, double& from, double& to, double& step, double* values,
                           std::size_t capacity);
    // The same with the step 1.0 (the samples of an explicit sequence).
    bool calculatePlotterX(std::wstring& f, double& from, double& to, double* values, std::size_t capacity);
    bool calculatePlotterTX(std::wstring& f, double& t, double& from, double& to, double& step, double* values,
                            std::size_t capacity);
    bool calculatePlotterY(std::wstring& f, double& from, double& to, double& step, double* values,
                           std::size_t capacity);
    bool calculateParameterFunction(std::wstring& f, int count, double* xs, double* ys);
    bool calculateParameter3DFunction(std::wstring& f, int count, double* xs, double* ys, double* zs);
    bool calculatePolarFunction(std::wstring& f, int count, double* ts, double* rs);
    bool calculateFolgeRecursiv(std::wstring& f, double& from, double& to, std::wstring& start, double* values,
                                std::size_t capacity);

    // Whether text is a well-formed function of one of the plot types; the
    // reason goes to message otherwise.
    bool checkFunction(const std::wstring& text, std::wstring& message);

    // Replaces the placeholders of input by the values the parameter source
    // gives and returns the description 'f(x=3)='; empty when there are none
    // or the user cancelled (input is then unchanged).
    std::wstring substituteParameters(std::wstring& input);

private:
    std::wstring formatResult(double value) const;
    bool checkImplicitCurve(const std::wstring& text, std::wstring& message);

    OrvantaCalcBase& m_engine;
    CalculatorSettings m_settings;
    ParameterSource m_parameters;
};
