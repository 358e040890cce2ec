// Commands for the function calculator and the plotter's sampling:
// 'orvanta-calc zeros x^2-4 -10 10', 'orvanta-calc sample f(x)=1/x -1 1 0.1'.
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "CliSession.h"
#include "CliText.h"
#include "MessageIds.h"

namespace {
using Arguments = std::vector<std::string>;

void requireCount(const Arguments& args, std::size_t least, std::size_t most, const char* usage) {
    if (args.size() < least || args.size() > most)
        throw UsageError{std::string("usage: orvanta-calc ") + usage};
}

int answer(bool ok, const std::wstring& text) {
    printLine(text);
    return ok ? 0 : 1;
}

// A number argument, evaluated as an expression ('2*pi').
double number(CliSession& session, const std::string& text, const char* what) {
    std::wstring input = fromUtf8(text);
    double value = 0.0;
    session.adapter().prepare(true);
    if (!session.engine().calculateNormal(input, value))
        throw UsageError{std::string(what) + ": " + toUtf8(OrvantaCalcBase::getLastError())};
    if (!std::isfinite(value))
        throw UsageError{std::string(what) + ": '" + text + "' is not a finite number"};
    return value;
}

// The check the function calculator and the function list run first; its
// message is the answer when it fails.
bool checked(CliSession& session, const std::wstring& function) {
    std::wstring message;
    session.adapter().prepare(true);
    if (session.adapter().checkFunction(function, message)) return true;
    printLine(message);
    return false;
}

std::wstring valueText(double v) {
    std::wstring text;
    IExpression::value2String(v, text, 10);
    return text;
}

const char* const s_derive_usage = "derive F";
const char* const s_simplify_usage = "simplify F";
const char* const s_symbolic_usage = "symbolic F";
const char* const s_factor_usage = "factor F";
const char* const s_polydiv_usage = "polydiv F";
const char* const s_zeros_usage = "zeros F FROM TO";
const char* const s_slope_usage = "slope F X";
const char* const s_extrema_usage = "extrema F FROM TO";
const char* const s_saddle_usage = "saddle F FROM TO";
const char* const s_discont_usage = "discont F FROM TO";
const char* const s_at_usage = "at F X";
const char* const s_integral_usage = "integral F FROM TO N [rect|trapez|simpson] [--abs]";
const char* const s_table_usage = "table F FROM TO STEP";
const char* const s_sample_usage =
    "sample 'f(x)=...'|'f(y)=...'|'f(n)=...' FROM TO STEP | sample 'f(t)=[...]' COUNT";

// --- The function calculator: F is checked as "f(x)=" + F, then analysed ---

using Operation = bool (*)(CliSession&, std::wstring& f, std::wstring& result, const Arguments& args);

template <std::size_t Least, std::size_t Most, Operation Run, const char* const* Usage>
int functionCommand(CliSession& session, const Arguments& args) {
    requireCount(args, Least, Most, *Usage);
    std::wstring f = fromUtf8(args[0]), result;
    if (!checked(session, L"f(x)=" + f)) return 1;
    return answer(Run(session, f, result, args), result);
}

bool derive(CliSession& s, std::wstring& f, std::wstring& r, const Arguments&) {
    return s.adapter().calculateFunctionDerivation(f, r);
}
bool simplify(CliSession& s, std::wstring& f, std::wstring& r, const Arguments&) {
    return s.adapter().calculateFunctionSimplify(f, r, true, false);
}
bool symbolic(CliSession& s, std::wstring& f, std::wstring& r, const Arguments&) {
    return s.adapter().calculateFunctionSimplify(f, r, false, true);
}
bool factor(CliSession& s, std::wstring& f, std::wstring& r, const Arguments&) {
    return s.adapter().calculatePolynomparts(f, r);
}
bool polydiv(CliSession& s, std::wstring& f, std::wstring& r, const Arguments&) {
    return s.adapter().calculatePolynomdivision(f, r);
}
bool zeros(CliSession& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    const double from = number(s, a[1], "FROM"), to = number(s, a[2], "TO");
    return s.adapter().calculateFunctionSolve(f, r, from, to);
}
bool extrema(CliSession& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    const double from = number(s, a[1], "FROM"), to = number(s, a[2], "TO");
    return s.adapter().calculateFunctionExtrema(f, r, from, to);
}
bool saddle(CliSession& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    const double from = number(s, a[1], "FROM"), to = number(s, a[2], "TO");
    return s.adapter().calculateFunctionSaddlePoints(f, r, from, to);
}
bool discont(CliSession& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    const double from = number(s, a[1], "FROM"), to = number(s, a[2], "TO");
    return s.adapter().calculateFunctionDiscontinues(f, r, from, to);
}
bool slope(CliSession& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    const double x = number(s, a[1], "X");
    return s.adapter().calculateFunctionDerivation(f, r, x);
}
bool at(CliSession& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    const double x = number(s, a[1], "X");
    return s.adapter().calculateFunctionAt(f, r, x);
}

// N gives the step width 1/N, as the integral dialog does; then a rule and --abs in any order.
bool integral(CliSession& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    struct Rule {
        const char* word;
        CalculatorModes::INTEGRALTYPE type;
    };
    static const Rule rules[] = {{"rect", CalculatorModes::INT_RECTANGULAR},
                                 {"trapez", CalculatorModes::INT_TRAPEZ},
                                 {"simpson", CalculatorModes::INT_SIMPSON}};
    CalculatorModes::INTEGRALTYPE type = CalculatorModes::INT_RECTANGULAR;
    bool absolute = false;
    for (std::size_t i = 4; i < a.size(); ++i) {
        bool known = a[i] == "--abs";
        absolute = absolute || known;
        for (const Rule& rule : rules) {
            if (a[i] != rule.word) continue;
            type = rule.type;
            known = true;
        }
        if (!known)
            throw UsageError{"integral: unknown rule '" + a[i] + "' (rect, trapez, simpson or --abs)"};
    }
    const double from = number(s, a[1], "FROM"), to = number(s, a[2], "TO");
    const double step = 1.0 / number(s, a[3], "N");
    return s.adapter().calculateFunctionIntegral(f, r, from, to, step, absolute, type);
}

// The value table: "x<TAB>f(x)" per row, x from FROM while not above TO.
int runTable(CliSession& session, const Arguments& args) {
    requireCount(args, 4, 4, s_table_usage);
    const std::wstring f = fromUtf8(args[0]);
    if (!checked(session, L"f(x)=" + f)) return 1;
    const double from = number(session, args[1], "FROM"), to = number(session, args[2], "TO");
    const double step = number(session, args[3], "STEP");
    // A step that would never reach the end is refused.
    if (from <= to && OrvantaCalcBase::plotSampleCount(from, to, step) == 0)
        return answer(false, OrvantaCalcBase::loadString(MessageId::STEP_INVALID));
    std::size_t rows = 0;
    for (double v = from; v <= to && rows < OrvantaCalcBase::MAX_SAMPLES; v += step, ++rows) {
        char x[64];
        std::snprintf(x, sizeof x, "%.5f", v);
        std::wstring function = f, value;
        session.adapter().calculateFunctionAt(function, value, v);
        std::cout << x << '\t' << toUtf8(value) << '\n';
    }
    return 0;
}

// --- Plot samples, as the plotter receives them ---

// Positions a sampling walk takes from `from` by `step` while not above `to`.
std::size_t walkLength(double from, double to, double step, std::size_t capacity) {
    std::size_t n = 0;
    for (double x = from; x <= to && n < capacity; x += step)
        ++n;
    return n;
}

// Values a recursive sequence stores: the start value, then one per n from FROM up to TO.
std::size_t sequenceLength(double from, double to) {
    if (!(to <= static_cast<double>(OrvantaCalcBase::MAX_SAMPLES))) return 1; // refused by the engine
    std::size_t n = 1;
    for (double u = 1.0; u < to; u += 1.0)
        if (u >= from) ++n;
    return n;
}

int printValues(bool ok, const std::vector<double>& values, std::size_t count) {
    if (!ok) return answer(false, OrvantaCalcBase::getLastError());
    for (std::size_t i = 0; i < count && i < values.size(); ++i)
        printLine(valueText(values[i]));
    return 0;
}

int sampleRange(CliSession& session, const std::wstring& function, const Arguments& a) {
    requireCount(a, 4, 4, s_sample_usage);
    double from = number(session, a[1], "FROM"), to = number(session, a[2], "TO");
    double step = number(session, a[3], "STEP");
    std::vector<double> values(OrvantaCalcBase::plotSampleCount(from, to, step));
    std::wstring body = function.substr(5);
    EngineAdapter& adapter = session.adapter();
    if (function.starts_with(L"f(y)=")) {
        const bool ok = adapter.calculatePlotterY(body, from, to, step, values.data(), values.size());
        return printValues(ok, values, walkLength(from, to, step, values.size()));
    }
    if (function.starts_with(L"f(n)=")) {
        IExpression::replaceUnknown(body, L'n', L'x');
        const std::size_t marker = body.find(L";f(0)=");
        if (marker != std::wstring::npos || body.find(L"f(x-") != std::wstring::npos) {
            std::wstring start = marker == std::wstring::npos ? std::wstring() : body.substr(marker + 6);
            std::wstring sequence = body.substr(0, marker);
            values.assign(sequenceLength(from, to), NAN);
            const bool ok =
                adapter.calculateFolgeRecursiv(sequence, from, to, start, values.data(), values.size());
            return printValues(ok, values, values.size());
        }
    }
    const bool ok = adapter.calculatePlotterX(body, from, to, step, values.data(), values.size());
    return printValues(ok, values, walkLength(from, to, step, values.size()));
}

int sampleCurve(CliSession& session, const std::wstring& function, const Arguments& a) {
    requireCount(a, 2, 2, s_sample_usage);
    const double countValue = number(session, a[1], "COUNT");
    if (countValue < 1 || countValue > 1e6 || std::floor(countValue) != countValue)
        throw UsageError{"COUNT: a whole number from 1 to 1000000"};
    const int count = static_cast<int>(countValue);
    std::vector<std::vector<double>> points(3, std::vector<double>(static_cast<std::size_t>(count), NAN));
    std::wstring text = function;
    EngineAdapter& adapter = session.adapter();
    bool ok = false;
    std::size_t coordinates = 2;
    if (function.starts_with(L"z=f(t)=[")) {
        ok = adapter.calculateParameter3DFunction(text, count, points[0].data(), points[1].data(),
                                                  points[2].data());
        coordinates = 3;
    } else if (function.starts_with(L"f(t)=p")) {
        ok = adapter.calculatePolarFunction(text, count, points[0].data(), points[1].data());
    } else {
        ok = adapter.calculateParameterFunction(text, count, points[0].data(), points[1].data());
    }
    if (!ok) return answer(false, OrvantaCalcBase::getLastError());
    // A polar curve may end before COUNT samples: its angles stop at the end of the range.
    for (std::size_t i = 0; i < static_cast<std::size_t>(count) && !std::isnan(points[0][i]); ++i) {
        std::wstring line;
        for (std::size_t k = 0; k < coordinates; ++k)
            line += (k ? L"\t" : L"") + valueText(points[k][i]);
        printLine(line);
    }
    return 0;
}

int runSample(CliSession& session, const Arguments& args) {
    requireCount(args, 2, 4, s_sample_usage);
    const std::wstring function = fromUtf8(args[0]);
    if (!checked(session, function)) return 1;
    for (const wchar_t* prefix : {L"f(x)=", L"f(y)=", L"f(n)="})
        if (function.starts_with(prefix)) return sampleRange(session, function, args);
    for (const wchar_t* prefix : {L"f(t)=[", L"z=f(t)=[", L"f(t)=p"})
        if (function.starts_with(prefix)) return sampleCurve(session, function, args);
    throw UsageError{
        "sample: the function must start with f(x)=, f(y)=, f(n)=, f(t)=[, z=f(t)=[ or f(t)=p=["};
}

} // namespace

const std::vector<CliCommand>& analysisCommands() {
    static const std::vector<CliCommand> commands = {
        {"derive", s_derive_usage, functionCommand<1, 1, derive, &s_derive_usage>},
        {"simplify", s_simplify_usage, functionCommand<1, 1, simplify, &s_simplify_usage>},
        {"symbolic", s_symbolic_usage, functionCommand<1, 1, symbolic, &s_symbolic_usage>},
        {"factor", s_factor_usage, functionCommand<1, 1, factor, &s_factor_usage>},
        {"polydiv", s_polydiv_usage, functionCommand<1, 1, polydiv, &s_polydiv_usage>},
        {"zeros", s_zeros_usage, functionCommand<3, 3, zeros, &s_zeros_usage>},
        {"slope", s_slope_usage, functionCommand<2, 2, slope, &s_slope_usage>},
        {"extrema", s_extrema_usage, functionCommand<3, 3, extrema, &s_extrema_usage>},
        {"saddle", s_saddle_usage, functionCommand<3, 3, saddle, &s_saddle_usage>},
        {"discont", s_discont_usage, functionCommand<3, 3, discont, &s_discont_usage>},
        {"at", s_at_usage, functionCommand<2, 2, at, &s_at_usage>},
        {"integral", s_integral_usage, functionCommand<4, 6, integral, &s_integral_usage>},
        {"table", s_table_usage, runTable},
        {"sample", s_sample_usage, runSample},
    };
    return commands;
}
