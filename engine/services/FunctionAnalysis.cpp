// The function calculator's symbolic operations and values at a point:
// value, derivative, simplification, linear factors and polynomial division.
#include <memory>
#include <string>
#include <vector>

#include "AnalysisSupport.h"
#include "EngineGuard.h"
#include "IExpressionHolder.h"
#include "OrvantaCalcBase.h"

namespace {
constexpr int VALUE_DECIMALS = 10;
// Passes of the simplifier: each pass parses the previous text again, which
// lets later passes combine what an earlier one only rearranged.
constexpr int DERIVATIVE_INPUT_PASSES = 4;
constexpr int FOLLOW_UP_PASSES = 3;
// Factors whose zero needs more characters than this are not split off.
constexpr std::size_t MAX_FACTOR_ZERO_LENGTH = 5;
// The zero search behind the linear factors.
constexpr double FACTOR_FROM = -100.0, FACTOR_TO = 100.0, FACTOR_STEP = 0.25;

// The form '(numerator)/(denominator)' that the polynomial division takes.
bool hasDivisionForm(OrvantaCalcBase& engine, std::wstring text) {
    return engine.proovePolynomdivision(text, true);
}

// The linear factor whose zero is z.
std::wstring linearFactor(double z) {
    const std::wstring text = analysis::fixedText(z, VALUE_DECIMALS);
    if (text == L"0") return L"(x)";
    if (z < 0.0) return L"(x+" + analysis::fixedText(-z, VALUE_DECIMALS) + L")";
    return L"(x-" + text + L")";
}
} // namespace

bool OrvantaCalcBase::prepareFunction(std::wstring& f, std::wstring& result, bool requireX) {
    result.clear();
    if (!proove(f)) return false;
    replaceEHoch(f);
    if (requireX && f.find(L'x') == std::wstring::npos) raiseEngineError(ErrorCode::NO_FUNCTION_OF_X);
    return true;
}

bool OrvantaCalcBase::calculateFunctionAt(std::wstring& f, double& value, double x) {
    return guarded<Guard::Reporting>([&] {
        if (!proove(f)) return false;
        replaceEHoch(f);
        value = std::unique_ptr<IExpression>(IExpression::parseExpression(f, true))->calculate(x, 0.0);
        return true;
    });
}

bool OrvantaCalcBase::calculateFunctionAt(std::wstring& f, std::wstring& result, double x) {
    return guarded<Guard::Reporting>([&] {
        double value = 0.0;
        result.clear();
        if (!calculateFunctionAt(f, value, x)) return false;
        result = analysis::fixedText(value, VALUE_DECIMALS);
        return true;
    });
}

bool OrvantaCalcBase::calculateFunctionDerivation(std::wstring& f, std::wstring& result) {
    return guarded<Guard::Reporting>([&] {
        if (!prepareFunction(f, result, false)) return false;
        IExpressionHolder tree;
        std::wstring text = f;
        analysis::simplifyPasses(tree, text, DERIVATIVE_INPUT_PASSES);
        analysis::parseInto(tree, text);
        std::wstring derivative;
        analysis::derivativeText(tree, true, derivative);
        analysis::simplifyPasses(tree, derivative, FOLLOW_UP_PASSES);
        result = derivative;
        return true;
    });
}

bool OrvantaCalcBase::calculateFunctionDerivation(std::wstring& f, std::wstring& result, double x) {
    return guarded<Guard::Reporting>([&] {
        if (!prepareFunction(f, result, false)) return false;
        IExpressionHolder tree, derivative;
        analysis::parseInto(tree, f);
        analysis::parseDerivative(tree, derivative, true);
        result = analysis::fixedText(derivative.calculate(x, 0.0), VALUE_DECIMALS);
        return true;
    });
}

bool OrvantaCalcBase::calculateFunctionSimplify(std::wstring& f, std::wstring& result, bool keepShorter,
                                                bool /*symbolic*/) {
    return guarded<Guard::Reporting>([&] {
        if (!prepareFunction(f, result, false)) return false;
        IExpressionHolder tree;
        std::wstring text = f;
        analysis::simplifyPasses(tree, text, FOLLOW_UP_PASSES);
        result = keepShorter && f.size() < text.size() ? f : text;
        return true;
    });
}

bool OrvantaCalcBase::calculatePolynomparts(std::wstring& f, std::wstring& result) {
    return guarded<Guard::Reporting>([&] {
        if (!prepareFunction(f, result, false)) return false;
        IExpressionHolder tree;
        std::wstring rest = f;
        analysis::simplifyPasses(tree, rest, 1);

        std::wstring function = f, zerosText;
        std::vector<double> zeros;
        if (!calculateFunctionSolve(function, zerosText, zeros, FACTOR_FROM, FACTOR_TO, FACTOR_STEP) ||
            zeros.empty()) {
            result = loadString(MessageId::NO_POLYNOM_PARTS);
            return true;
        }
        for (double z : zeros) {
            if (analysis::fixedText(z, VALUE_DECIMALS).size() > MAX_FACTOR_ZERO_LENGTH) continue;
            const std::wstring factor = linearFactor(z);
            rest = L"(" + rest + L")/" + factor;
            analysis::simplifyPasses(tree, rest, 1);
            result += factor;
            analysis::simplifyPasses(tree, rest, FOLLOW_UP_PASSES);
        }
        if (rest != L"1") result += L"(" + rest + L")";
        return true;
    });
}

bool OrvantaCalcBase::calculatePolynomdivision(std::wstring& f, std::wstring& result) {
    return guarded<Guard::Reporting>([&] {
        result.clear();
        if (!proove(f) || !proovePolynomdivision(f, true)) return false;
        replaceEHoch(f);
        IExpressionHolder numerator, denominator;
        std::wstring text = f;
        analysis::simplifyPasses(numerator, text, FOLLOW_UP_PASSES);
        if (!hasDivisionForm(*this, text)) {
            // The simplifier has already divided: its text is the answer.
            result = text;
            return true;
        }
        const std::size_t divide = f.find(L")/(");
        const std::size_t open = f.find(L'(');
        analysis::parseInto(numerator, f.substr(open + 1, divide - open - 1));
        analysis::parseInto(denominator, f.substr(divide + 3, f.size() - divide - 4));
        std::wstring quotient = numerator.polynomdivision(denominator.getExpression());
        analysis::simplifyPasses(numerator, quotient, FOLLOW_UP_PASSES);
        result = quotient;
        return true;
    });
}
