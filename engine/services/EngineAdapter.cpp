#include "EngineAdapter.h"

#include <cmath>
#include <cstdio>

#include "MessageIds.h"

namespace {
const wchar_t* const s_placeholders[4] = {L"[w]", L"[x]", L"[y]", L"[z]"};
const wchar_t s_placeholder_names[4] = {L'w', L'x', L'y', L'z'};

std::wstring msg(unsigned id) { return OrvantaCalcBase::loadString(id); }

void replaceAll(std::wstring& text, const std::wstring& from, const std::wstring& to) {
    for (std::size_t pos = text.find(from); pos != std::wstring::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
}

std::wstring sixDecimals(double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%f", value);
    return std::wstring(buffer, buffer + std::char_traits<char>::length(buffer));
}

// Hands the last error to text when the call failed.
bool reportInto(bool ok, std::wstring& text) {
    if (!ok) text = OrvantaCalcBase::getLastError();
    return ok;
}

bool fail(std::wstring& message, const std::wstring& text) {
    message = text;
    return false;
}

// "Function f(x)=... is not valid!" and its siblings.
std::wstring notValid(unsigned kind, const std::wstring& text) {
    return msg(kind) + L" " + text + msg(MessageId::NOT_VALID_SUFFIX);
}

// An explicit function of x or y, or a sequence, must have a value somewhere.
bool checkExplicit(OrvantaCalcBase& engine, const std::wstring& text, std::wstring& message) {
    const bool inX = text.starts_with(L"f(x)="), inY = text.starts_with(L"f(y)=");
    if (!inX && !inY && !text.starts_with(L"f(n)=")) return true;
    std::wstring body = text.substr(5);
    // A function of y is tried along y; along x it would be tried at y = 0 only.
    if (inX || inY)
        return engine.prooveFunction(body, inX) || fail(message, notValid(MessageId::FUNCTION_WORD, text));
    return engine.prooveFolge(body) || fail(message, notValid(MessageId::SEQUENCE_WORD, text));
}

// A parametric or polar curve: the engine's check names what is wrong.
template <class Check> bool checkCurve(Check&& check, const std::wstring& text, std::wstring& message) {
    std::wstring detail;
    if (check(text, detail)) return true;
    return fail(message, notValid(MessageId::PARAMETER_FUNCTION_WORD, text) + L"\n" + detail);
}
} // namespace

void EngineAdapter::prepare(bool raiseErrors) {
    IExpression::s_withex = raiseErrors;
    m_engine.setComputerMode(m_settings.computerMode);
    m_engine.setMode(m_settings.angle);
    m_engine.setComplexTyp(m_settings.complexResult);
    m_engine.setComputerTyp(m_settings.computerResult);
}

std::wstring EngineAdapter::formatResult(double value) const {
    if (std::isnan(value)) return msg(MessageId::NOT_A_NUMBER_VALUE);
    if (!std::isfinite(value)) return msg(MessageId::INFINITE_VALUE);
    std::wstring text;
    IExpression::value2String(value, text, m_settings.numberMode, m_settings.precision, true);
    return text;
}

std::wstring EngineAdapter::substituteParameters(std::wstring& input) {
    PlaceholderValues values;
    bool any = false;
    for (int i = 0; i < 4; ++i) {
        values.present[i] = input.find(s_placeholders[i]) != std::wstring::npos;
        any = any || values.present[i];
    }
    if (!any || !m_parameters || !m_parameters(values)) return std::wstring();

    std::wstring description = L"f(";
    for (int i = 0; i < 4; ++i) {
        if (!values.present[i]) continue;
        replaceAll(input, s_placeholders[i], sixDecimals(values.value[i]));
        if (description.size() > 2) description += L",";
        std::wstring number;
        IExpression::value2String(values.value[i], number, 10);
        description += std::wstring(1, s_placeholder_names[i]) + L"=" + number;
    }
    return description + L")=";
}

bool EngineAdapter::calculateNormal(std::wstring& input, std::wstring& result) {
    prepare(true);
    if (input.find(L'[') == std::wstring::npos) {
        double value = 0.0;
        bool ok = m_engine.calculateNormal(input, value);
        result = ok ? formatResult(value) : OrvantaCalcBase::getLastError();
        return ok && std::isfinite(value);
    }
    std::wstring description = substituteParameters(input);
    if (description.empty()) return true;
    double value = 0.0;
    bool ok = m_engine.calculateNormal(input, result, value);
    result = ok ? description + result : OrvantaCalcBase::getLastError();
    return ok && std::isfinite(value);
}

bool EngineAdapter::calculateComplex(std::wstring& input, std::wstring& result, Complex* value) {
    prepare(true);
    Complex number;
    bool ok = m_engine.calculateComplex(input, number);
    if (ok)
        number.toString(result, m_settings.numberMode, m_settings.precision);
    else
        result = OrvantaCalcBase::getLastError();
    if (value) *value = number;
    return ok;
}

bool EngineAdapter::calculateComputer(std::wstring& input, std::wstring& result) {
    prepare(true);
    return reportInto(m_engine.calculateComputer(input, result), result);
}

bool EngineAdapter::calculateStatisticX(std::wstring& formula, std::wstring& result, std::wstring& values) {
    prepare(true);
    return reportInto(m_engine.calculateStatisticX(formula, result, values), result);
}

bool EngineAdapter::calculateStatisticXY(std::wstring& formula, std::wstring& result, std::wstring& values) {
    prepare(true);
    return reportInto(m_engine.calculateStatisticXY(formula, result, values), result);
}

bool EngineAdapter::calculateStatisticRegression(CalculatorModes::REGRESSIONTYPE type, std::wstring& fitted,
                                                 std::wstring& quality, std::wstring& values) {
    prepare(true);
    std::wstring reserved;
    bool ok = m_engine.calculateStatisticRegression(type, reserved, fitted, quality, values);
    if (!ok) fitted.clear();
    return reportInto(ok, quality);
}

bool EngineAdapter::calculateSolver(const std::wstring& equation, std::wstring& result, bool& found) {
    return calculateSolver(equation, result, -32000.0, 32000.0, found);
}

bool EngineAdapter::calculateSolver(const std::wstring& equation, std::wstring& result, double from, double to,
                                    bool& found) {
    prepare(true);
    bool ok = m_engine.calculateSolver(equation, result, from, to, found, m_settings.numberMode,
                                       m_settings.precision);
    if (!ok && result.empty()) result = OrvantaCalcBase::getLastError();
    return ok;
}

bool EngineAdapter::calculateMatrix(MatrixContent& result, MatrixContent& a, MatrixContent& b,
                                    CalculatorModes::MATRIXOPERATION op, bool real, std::wstring& message) {
    prepare(true);
    bool ok = m_engine.calculateMatrix(result, a, b, op, m_settings.numberMode, m_settings.precision, real,
                                       m_settings.complexResult == CalculatorModes::RECTANGULAR);
    return reportInto(ok, message);
}

bool EngineAdapter::calculateConverter(std::wstring& value, std::wstring& from, std::wstring& to,
                                       std::wstring& result) {
    prepare(true);
    double converted = 0.0;
    return reportInto(m_engine.calculateConverter(value, from, to, result, converted), result) &&
           std::isfinite(converted);
}

bool EngineAdapter::checkFunction(const std::wstring& text, std::wstring& message) {
    std::wstring t = text;
    if (!t.starts_with(L"f(") && !t.starts_with(L"z=f(") && !t.starts_with(L"z(n+1)="))
        return fail(message, msg(MessageId::NO_TYPE));
    if (t.find(L'=') == std::wstring::npos) return fail(message, msg(MessageId::NO_RESULT));

    struct Forbidden {
        const wchar_t* start;
        const wchar_t* unknowns;
    };
    static const Forbidden s_forbidden[] = {{L"f(y)", L"xnt"}, {L"f(x)", L"ynt"}, {L"f(n)", L"yxt"}};
    for (const Forbidden& rule : s_forbidden) {
        if (!t.starts_with(rule.start)) continue;
        for (const wchar_t* c = rule.unknowns; *c; ++c)
            if (IExpression::findUnknown(t, *c))
                return fail(message,
                            msg(MessageId::FUNCTION_WORD) + L" " + text + msg(MessageId::UNKNOWN_VARIABLES));
    }
    if (!checkExplicit(m_engine, t, message)) return false;
    if (t.starts_with(L"f(t)=["))
        return checkCurve(
            [this](const std::wstring& f, std::wstring& d) { return m_engine.prooveParameterFunction(f, d); },
            t, message);
    if (t.starts_with(L"f(t)=p"))
        return checkCurve(
            [this](const std::wstring& f, std::wstring& d) { return m_engine.proovePolarFunction(f, d); }, t,
            message);
    if (t.starts_with(L"f(x,y)") && !checkImplicitCurve(t, message)) return false;
    if (t.starts_with(L"z(n+1)") && t.find(L"z(n)") == std::wstring::npos)
        return fail(message, msg(MessageId::SEQUENCE_DEPENDENCE));
    if (m_engine.proove(t)) return true;
    return fail(message, OrvantaCalcBase::getLastError());
}

// An implicit curve is written 'f(x,y)=VALUE=EXPRESSION' with a numeric value.
bool EngineAdapter::checkImplicitCurve(const std::wstring& text, std::wstring& message) {
    if (!text.starts_with(L"f(x,y)=")) return fail(message, msg(MessageId::IMPLICIT_START));
    std::wstring body = text.substr(7);
    std::size_t equals = body.find(L'=');
    if (equals == std::wstring::npos || equals == 0)
        return fail(message, msg(MessageId::IMPLICIT_NO_RESULT) + L" " + text + L".");
    std::wstring value = body.substr(0, equals);
    std::wstring expression = body.substr(equals + 1);
    for (wchar_t c : value)
        if (!((c >= L'0' && c <= L'9') || c == L'.'))
            return fail(message, expression + L": " + msg(MessageId::RESULT_NUMBER));
    return m_engine.prooveFunction2Parameters(expression) ||
           fail(message, notValid(MessageId::FUNCTION_WORD, text));
}
