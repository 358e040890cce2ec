// The adapter's operations for the function calculator and the plotter: hand
// over the settings, call the engine, turn a failure into the text to show.
#include <vector>

#include "EngineAdapter.h"

namespace {
// Hands the last error to result when the call failed.
bool reported(bool ok, std::wstring& result) {
    if (!ok) result = OrvantaCalcBase::getLastError();
    return ok;
}
} // namespace

bool EngineAdapter::calculateFunctionSimplify(std::wstring& f, std::wstring& result, bool keepShorter,
                                              bool symbolic) {
    prepare(true);
    return reported(m_engine.calculateFunctionSimplify(f, result, keepShorter, symbolic), result);
}

bool EngineAdapter::calculatePolynomparts(std::wstring& f, std::wstring& result) {
    prepare(true);
    return reported(m_engine.calculatePolynomparts(f, result), result);
}

bool EngineAdapter::calculatePolynomdivision(std::wstring& f, std::wstring& result) {
    prepare(true);
    return reported(m_engine.calculatePolynomdivision(f, result), result);
}

bool EngineAdapter::calculateFunctionSolve(std::wstring& f, std::wstring& result, double from, double to) {
    prepare(true);
    std::vector<double> zeros;
    return reported(m_engine.calculateFunctionSolve(f, result, zeros, from, to, 0.0), result);
}

bool EngineAdapter::calculateFunctionExtrema(std::wstring& f, std::wstring& result, double from, double to) {
    prepare(true);
    return reported(m_engine.calculateFunctionExtrema(f, result, from, to), result);
}

bool EngineAdapter::calculateFunctionSaddlePoints(std::wstring& f, std::wstring& result, double from,
                                                  double to) {
    prepare(true);
    return reported(m_engine.calculateFunctionSaddlePoints(f, result, from, to), result);
}

bool EngineAdapter::calculateFunctionDiscontinues(std::wstring& f, std::wstring& result, double from,
                                                  double to) {
    prepare(true);
    return reported(m_engine.calculateFunctionDiscontinues(f, result, from, to), result);
}

bool EngineAdapter::calculateFunctionIntegral(std::wstring& f, std::wstring& result, double from, double to,
                                              double step, bool absolute,
                                              CalculatorModes::INTEGRALTYPE type) {
    prepare(true);
    return reported(m_engine.calculateFunctionIntegral(f, result, from, to, step, absolute, type), result);
}

bool EngineAdapter::calculateFunctionAt(std::wstring& f, std::wstring& result, double x) {
    prepare(true);
    return reported(m_engine.calculateFunctionAt(f, result, x), result);
}

bool EngineAdapter::calculateFunctionAt(std::wstring& f, double& value, double x) {
    prepare(true);
    return m_engine.calculateFunctionAt(f, value, x);
}

bool EngineAdapter::calculateFunctionDerivation(std::wstring& f, std::wstring& result) {
    prepare(true);
    return reported(m_engine.calculateFunctionDerivation(f, result), result);
}

bool EngineAdapter::calculateFunctionDerivation(std::wstring& f, std::wstring& result, double x) {
    prepare(true);
    return reported(m_engine.calculateFunctionDerivation(f, result, x), result);
}

bool EngineAdapter::calculatePlotterX(std::wstring& f, double& from, double& to, double& step, double* values,
                                      std::size_t capacity) {
    prepare(false);
    return m_engine.calculatePlotterX(f, from, to, step, values, capacity);
}

bool EngineAdapter::calculatePlotterX(std::wstring& f, double& from, double& to, double* values,
                                      std::size_t capacity) {
    double step = 1.0;
    return calculatePlotterX(f, from, to, step, values, capacity);
}

bool EngineAdapter::calculatePlotterTX(std::wstring& f, double& t, double& from, double& to, double& step,
                                       double* values, std::size_t capacity) {
    prepare(false);
    return m_engine.calculatePlotterTX(f, t, from, to, step, values, capacity);
}

bool EngineAdapter::calculatePlotterY(std::wstring& f, double& from, double& to, double& step, double* values,
                                      std::size_t capacity) {
    prepare(false);
    return m_engine.calculatePlotterY(f, from, to, step, values, capacity);
}

bool EngineAdapter::calculateParameterFunction(std::wstring& f, int count, double* xs, double* ys) {
    prepare(false);
    return m_engine.calculateParameterFunction(f, count, xs, ys);
}

bool EngineAdapter::calculateParameter3DFunction(std::wstring& f, int count, double* xs, double* ys,
                                                 double* zs) {
    prepare(false);
    return m_engine.calculateParameter3DFunction(f, count, xs, ys, zs);
}

bool EngineAdapter::calculatePolarFunction(std::wstring& f, int count, double* ts, double* rs) {
    prepare(false);
    return m_engine.calculatePolarFunction(f, count, ts, rs);
}

bool EngineAdapter::calculateFolgeRecursiv(std::wstring& f, double& from, double& to, std::wstring& start,
                                           double* values, std::size_t capacity) {
    prepare(false);
    return m_engine.calculateFolgeRecursiv(f, from, to, start, values, capacity);
}
