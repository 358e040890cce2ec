#pragma once
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "EvaluationProgram.h"
#include "IExpression.h"
#include "IExpressionHolder.h"

// A call of a named function with no, one or two arguments. The name is
// resolved to the function it computes once, when the node is built, and a
// one-entry cache spares the call when consecutive samples of a plot repeat
// the same input.
class FunctionExpression : public IExpression {
public:
    // Takes a call text "name(argument)" or "name(a,b)"; raises code 1007 when
    // the call does not end the text or the arguments do not fit the name.
    explicit FunctionExpression(std::wstring text);

    bool isOperand() override { return true; }
    bool isScientificCall() override { return m_kind == Kind::Scientific; }
    bool isConstant() override { return false; }
    double calculate(double x, double y) override;
    double calculateConst() override;
    double calculateStatistic(std::vector<double>& data) override;
    double calculateStatisticXY(std::vector<double>& data) override;
    bool containsX() override { return m_containsX; }
    bool containsY() override { return m_containsY; }

    // Simplifier, derivation and text (NodeTerms.cpp, Derivation.cpp, ExpressionText.cpp).
    std::unique_ptr<PolynomTerm> toPolynom() override;
    std::wstring derivate() override;
    std::wstring toString(int mode) override;

    const std::wstring& getName() const { return m_name; }
    int getParameterCount() const { return m_parameters; }
    IExpression* getArgument() const { return m_argument.getExpression(); }
    IExpression* getSecondArgument() const { return m_second.getExpression(); }

    // A root evaluates through its compiled program (see EvaluationProgram).
    void setProgram(std::unique_ptr<EvaluationProgram> program) { m_program = std::move(program); }
    const EvaluationProgram* getProgram() const { return m_program.get(); }

    // The steps of calculate (x, y) for one-argument calls, shared with the
    // compiled program so that both keep the same cache in the same way.
    // Whether the result is cached by the one variable the argument uses:
    bool hasSampleCache() const { return m_cacheKey != CacheKey::None; }
    // The cached result when the sample repeats the last input:
    bool cachedResult(double x, double y, double& result) const {
        if (m_cacheKey == CacheKey::None || !m_hasLast) return false;
        if ((m_cacheKey == CacheKey::X ? x : y) != m_lastInput) return false;
        result = m_lastResult;
        return true;
    }
    // The function applied to the evaluated argument, remembered for the sample:
    double applyOne(double argument, double x, double y) {
        if (!std::isfinite(argument)) return argument;
        const double result = m_function1(argument);
        m_lastResult = result;
        if (m_cacheKey != CacheKey::None) {
            m_lastInput = m_cacheKey == CacheKey::X ? x : y;
            m_hasLast = true;
        }
        return result;
    }
    double applyTwo(double a, double b) const { return m_function2(a, b); }

private:
    // Scientific: one of the names before the statistic block; Statistic: a
    // name computed over a data set; Other: any other name (computed by the
    // library, which rejects what it does not know).
    enum class Kind { Scientific, Statistic, Other };

    void parseOneArgument(std::wstring argument);
    void parseTwoArguments(const std::wstring& argument);
    double calculateOverData(std::vector<double>& data, bool pairs);

    std::wstring m_name;
    int m_parameters = 1;
    Kind m_kind = Kind::Other;
    RealFunction1 m_function1 = nullptr;
    RealFunction2 m_function2 = nullptr;
    IExpressionHolder m_argument;
    IExpressionHolder m_second;
    bool m_containsX = false;
    bool m_containsY = false;

    // calculate (x, y): the last input of the one variable the argument
    // depends on, and the result for it.
    enum class CacheKey { None, X, Y };
    CacheKey m_cacheKey = CacheKey::None;
    bool m_hasLast = false;
    double m_lastInput = 0.0;
    double m_lastResult = 0.0;
    // calculateConst: a call without variables is computed once.
    bool m_hasConst = false;
    double m_constResult = 0.0;

    std::unique_ptr<EvaluationProgram> m_program;
};
