// The function calculator's symbolic operations and values at a point:
// value, derivative, simplification, linear factors and polynomial division.
#include <memory>

#include "AnalysisSupport.h"
#include "EngineGuard.h"
#include "IExpressionHolder.h"
#include "OrvantaCalcBase.h"

IExpressionHolder OrvantaCalcBase::s_he1;
IExpressionHolder OrvantaCalcBase::s_he2;
IExpressionHolder OrvantaCalcBase::s_he3;
std::wstring OrvantaCalcBase::s_temp;
std::wstring OrvantaCalcBase::s_temp_1;
std::wstring OrvantaCalcBase::s_temp_2;
std::wstring OrvantaCalcBase::s_temp_3;
std::wstring OrvantaCalcBase::s_temp_4;
std::wstring OrvantaCalcBase::s_left;
std::wstring OrvantaCalcBase::s_right;
std::wstring OrvantaCalcBase::s_gesamt;
std::vector<double> OrvantaCalcBase::s_doublelist1;
std::vector<double> OrvantaCalcBase::s_dislist;
std::vector<double> OrvantaCalcBase::s_area;

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
    if (requireX && f.find(L'x') == std::wstring::npos) raiseEngineError(analysis::NO_FUNCTION_OF_X);
    return true;
}

bool OrvantaCalcBase::calculateFunctionAt(std::wstring& f, double& value, double x) {
    return guarded<Guard::Reporting>([&] {
        if (!proove(f)) return false;
        replaceEHoch(f);
        s_temp = f;
        value = std::unique_ptr<IExpression>(IExpression::parseExpression(s_temp, true))->calculate(x, 0.0);
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
        s_temp = f;
        analysis::simplifyPasses(s_he1, s_temp, DERIVATIVE_INPUT_PASSES);
        analysis::parseInto(s_he1, s_temp);
        analysis::derivativeText(s_he1, true, s_temp_1);
        analysis::simplifyPasses(s_he1, s_temp_1, FOLLOW_UP_PASSES);
        result = s_temp_1;
        return true;
    });
}

bool OrvantaCalcBase::calculateFunctionDerivation(std::wstring& f, std::wstring& result, double x) {
    return guarded<Guard::Reporting>([&] {
        if (!prepareFunction(f, result, false)) return false;
        analysis::parseInto(s_he1, f);
        analysis::parseDerivative(s_he1, s_he2, true);
        result = analysis::fixedText(s_he2.calculate(x, 0.0), VALUE_DECIMALS);
        return true;
    });
}

bool OrvantaCalcBase::calculateFunctionSimplify(std::wstring& f, std::wstring& result, bool keepShorter,
                                                bool /*symbolic*/) {
    return guarded<Guard::Reporting>([&] {
        if (!prepareFunction(f, result, false)) return false;
        s_temp = f;
        analysis::simplifyPasses(s_he1, s_temp, FOLLOW_UP_PASSES);
        result = keepShorter && f.size() < s_temp.size() ? f : s_temp;
        return true;
    });
}

bool OrvantaCalcBase::calculatePolynomparts(std::wstring& f, std::wstring& result) {
    return guarded<Guard::Reporting>([&] {
        if (!prepareFunction(f, result, false)) return false;
        s_gesamt = f;
        analysis::simplifyPasses(s_he1, s_gesamt, 1);

        s_temp = f;
        if (!calculateFunctionSolve(s_temp, s_temp_1, s_doublelist1, FACTOR_FROM, FACTOR_TO, FACTOR_STEP) ||
            s_doublelist1.empty()) {
            result = loadString(analysis::msg::NO_POLYNOM_PARTS);
            return true;
        }
        for (double z : s_doublelist1) {
            if (analysis::fixedText(z, VALUE_DECIMALS).size() > MAX_FACTOR_ZERO_LENGTH) continue;
            const std::wstring factor = linearFactor(z);
            s_gesamt = L"(" + s_gesamt + L")/" + factor;
            analysis::simplifyPasses(s_he1, s_gesamt, 1);
            result += factor;
            analysis::simplifyPasses(s_he1, s_gesamt, FOLLOW_UP_PASSES);
        }
        if (s_gesamt != L"1") result += L"(" + s_gesamt + L")";
        return true;
    });
}

bool OrvantaCalcBase::calculatePolynomdivision(std::wstring& f, std::wstring& result) {
    return guarded<Guard::Reporting>([&] {
        result.clear();
        if (!proove(f) || !proovePolynomdivision(f, true)) return false;
        replaceEHoch(f);
        s_temp = f;
        analysis::simplifyPasses(s_he1, s_temp, FOLLOW_UP_PASSES);
        if (!hasDivisionForm(*this, s_temp)) {
            // The simplifier has already divided: its text is the answer.
            result = s_temp;
            return true;
        }
        const std::size_t divide = f.find(L")/(");
        const std::size_t open = f.find(L'(');
        s_left = f.substr(open + 1, divide - open - 1);
        s_right = f.substr(divide + 3, f.size() - divide - 4);
        analysis::parseInto(s_he1, s_left);
        analysis::parseInto(s_he2, s_right);
        s_temp_1 = s_he1.polynomdivision(s_he2.getExpression());
        analysis::simplifyPasses(s_he1, s_temp_1, FOLLOW_UP_PASSES);
        result = s_temp_1;
        return true;
    });
}
