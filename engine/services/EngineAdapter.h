#pragma once
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

    bool calculateNormal(std::wstring& input, std::wstring& result);
    bool calculateComplex(std::wstring& input, std::wstring& result);
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

    // A unit conversion; a failure replaces the result by the message.
    bool calculateConverter(std::wstring& value, std::wstring& from, std::wstring& to, std::wstring& result);

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
