// The document's adapter operations: each hands the document's settings to
// the engine, calls one entry point and turns a failure into text. The
// preparation and the calculations the command-line calculator also offers
// come from the shared EngineAdapter, so both behave alike.
#include <QApplication>

#include "COrvantaDoc.h"
#include "ParameterPrompt.h"
#include "Platform.h"

CalculatorSettings COrvantaDoc::calculatorSettings() const {
    CalculatorSettings s;
    s.angle = m_mode;
    s.computerMode = m_computerMode;
    s.complexResult = m_complexResult;
    s.computerResult = m_computerResult;
    s.numberMode = m_numMode;
    s.precision = m_precision;
    return s;
}

EngineAdapter& COrvantaDoc::adapter() {
    m_adapter->settings() = calculatorSettings();
    return *m_adapter;
}

void COrvantaDoc::setParameterSource(EngineAdapter::ParameterSource source) {
    m_adapter->setParameterSource(source ? std::move(source) : EngineAdapter::ParameterSource(askParameters));
}

bool COrvantaDoc::calculateNormal(std::wstring& input, std::wstring& result) {
    return adapter().calculateNormal(input, result);
}

bool COrvantaDoc::calculateComplex(std::wstring& input, std::wstring& result) {
    return adapter().calculateComplex(input, result);
}

bool COrvantaDoc::calculateComputer(std::wstring& input, std::wstring& result) {
    return adapter().calculateComputer(input, result);
}

bool COrvantaDoc::checkFunction(const std::wstring& text, std::wstring& message) {
    return adapter().checkFunction(text, message);
}

bool COrvantaDoc::calculateStatisticX(std::wstring& formula, std::wstring& result, std::wstring& values) {
    return adapter().calculateStatisticX(formula, result, values);
}

bool COrvantaDoc::calculateStatisticXY(std::wstring& formula, std::wstring& result, std::wstring& values) {
    return adapter().calculateStatisticXY(formula, result, values);
}

bool COrvantaDoc::calculateStatisticRegression(CalculatorModes::REGRESSIONTYPE type, std::wstring& fitted,
                                               std::wstring& quality, std::wstring& values) {
    return adapter().calculateStatisticRegression(type, fitted, quality, values);
}

// A matrix has no result line to hold a message: it appears in a box.
bool COrvantaDoc::calculateMatrix(MatrixContent& result, MatrixContent& a, MatrixContent& b,
                                  CalculatorModes::MATRIXOPERATION op, bool real) {
    std::wstring message;
    const bool ok = adapter().calculateMatrix(result, a, b, op, real, message);
    if (!ok)
        Platform::messageBox().show(QApplication::activeWindow(), message, L"Orvanta", MessageIcon::None,
                                    MessageButtons::Ok);
    return ok;
}

bool COrvantaDoc::calculateConverter(std::wstring& value, std::wstring& from, std::wstring& to,
                                     std::wstring& result) {
    return adapter().calculateConverter(value, from, to, result);
}

// ---- Function calculator ----

bool COrvantaDoc::calculateFunctionSimplify(std::wstring& f, std::wstring& result, bool keepShorter,
                                            bool symbolic) {
    return adapter().calculateFunctionSimplify(f, result, keepShorter, symbolic);
}
bool COrvantaDoc::calculatePolynomparts(std::wstring& f, std::wstring& result) {
    return adapter().calculatePolynomparts(f, result);
}
bool COrvantaDoc::calculatePolynomdivision(std::wstring& f, std::wstring& result) {
    return adapter().calculatePolynomdivision(f, result);
}
bool COrvantaDoc::calculateFunctionSolve(std::wstring& f, std::wstring& result, double from, double to) {
    return adapter().calculateFunctionSolve(f, result, from, to);
}
bool COrvantaDoc::calculateFunctionExtrema(std::wstring& f, std::wstring& result, double from, double to) {
    return adapter().calculateFunctionExtrema(f, result, from, to);
}
bool COrvantaDoc::calculateFunctionSaddlePoints(std::wstring& f, std::wstring& result, double from,
                                                double to) {
    return adapter().calculateFunctionSaddlePoints(f, result, from, to);
}
bool COrvantaDoc::calculateFunctionDiscontinues(std::wstring& f, std::wstring& result, double from,
                                                double to) {
    return adapter().calculateFunctionDiscontinues(f, result, from, to);
}
bool COrvantaDoc::calculateFunctionIntegral(std::wstring& f, std::wstring& result, double from, double to,
                                            double step, bool absolute, CalculatorModes::INTEGRALTYPE type) {
    return adapter().calculateFunctionIntegral(f, result, from, to, step, absolute, type);
}
bool COrvantaDoc::calculateFunctionAt(std::wstring& f, std::wstring& result, double x) {
    return adapter().calculateFunctionAt(f, result, x);
}
bool COrvantaDoc::calculateFunctionAt(std::wstring& f, double& value, double x) {
    return adapter().calculateFunctionAt(f, value, x);
}
bool COrvantaDoc::calculateFunctionDerivation(std::wstring& f, std::wstring& result) {
    return adapter().calculateFunctionDerivation(f, result);
}
bool COrvantaDoc::calculateFunctionDerivation(std::wstring& f, std::wstring& result, double x) {
    return adapter().calculateFunctionDerivation(f, result, x);
}

bool COrvantaDoc::calculateSolver(const std::wstring& equation, std::wstring& result, bool& found) {
    return adapter().calculateSolver(equation, result, found);
}
bool COrvantaDoc::calculateSolver(const std::wstring& equation, std::wstring& result, double from, double to,
                                  bool& found) {
    return adapter().calculateSolver(equation, result, from, to, found);
}

// ---- Plot sampling ----

bool COrvantaDoc::calculatePlotterX(std::wstring& f, double& from, double& to, double& step, double* values,
                                    std::size_t capacity) {
    return adapter().calculatePlotterX(f, from, to, step, values, capacity);
}
bool COrvantaDoc::calculatePlotterX(std::wstring& f, double& from, double& to, double* values,
                                    std::size_t capacity) {
    return adapter().calculatePlotterX(f, from, to, values, capacity);
}
bool COrvantaDoc::calculatePlotterTX(std::wstring& f, double& t, double& from, double& to, double& step,
                                     double* values, std::size_t capacity) {
    return adapter().calculatePlotterTX(f, t, from, to, step, values, capacity);
}
bool COrvantaDoc::calculatePlotterY(std::wstring& f, double& from, double& to, double& step, double* values,
                                    std::size_t capacity) {
    return adapter().calculatePlotterY(f, from, to, step, values, capacity);
}
bool COrvantaDoc::calculateParameterFunction(std::wstring& f, int count, double* xs, double* ys) {
    return adapter().calculateParameterFunction(f, count, xs, ys);
}
bool COrvantaDoc::calculateParameter3DFunction(std::wstring& f, int count, double* xs, double* ys,
                                               double* zs) {
    return adapter().calculateParameter3DFunction(f, count, xs, ys, zs);
}
bool COrvantaDoc::calculatePolarFunction(std::wstring& f, int count, double* ts, double* rs) {
    return adapter().calculatePolarFunction(f, count, ts, rs);
}
bool COrvantaDoc::calculateFolgeRecursiv(std::wstring& f, double& from, double& to, std::wstring& start,
                                         double* values, std::size_t capacity) {
    return adapter().calculateFolgeRecursiv(f, from, to, start, values, capacity);
}

// ---- Pass-through operations: no settings are involved ----

bool COrvantaDoc::addMetric(const std::wstring& name, const std::wstring& group, double factor) {
    return m_engine->addMetric(name, group, factor);
}
bool COrvantaDoc::deleteMetric(const std::wstring& name) {
    return m_engine->deleteMetric(name);
}
bool COrvantaDoc::resetMetrics() {
    return m_engine->resetMetrics();
}
bool COrvantaDoc::addMetricKind(const std::wstring& group, const std::wstring& baseUnit) {
    return m_engine->addMetricKind(group, baseUnit);
}
bool COrvantaDoc::deleteMetricKind(const std::wstring& group) {
    return m_engine->deleteMetricKind(group);
}
void COrvantaDoc::initConverter() {
    m_engine->initConverter();
}
Metric COrvantaDoc::getMetric(int index) const {
    return m_engine->getMetric(index);
}
std::wstring COrvantaDoc::getGroup(int index) const {
    return m_engine->getGroup(index);
}
int COrvantaDoc::getMetricSize() const {
    return m_engine->getMetricSize();
}
int COrvantaDoc::getGroupSize() const {
    return m_engine->getGroupSize();
}
int COrvantaDoc::getIntegralSize() {
    return m_engine->getIntegralSize();
}
int COrvantaDoc::getIntegralGroupSize() {
    return m_engine->getIntegralGroupSize();
}
std::wstring COrvantaDoc::getIntegralGroup(int number) {
    return m_engine->getIntegralGroup(number);
}
Integral COrvantaDoc::getIntegral(int index) {
    return m_engine->getIntegral(index);
}
