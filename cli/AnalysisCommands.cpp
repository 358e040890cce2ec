#include "AnalysisCommands.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "CliText.h"
#include "EngineAdapter.h"
#include "OrvantaCalcBase.h"

const char* const s_analysis_usage =
    "Function calculator (F is a function of x, without \"f(x)=\"):\n"
    "  orvanta-calc derive F | simplify F | symbolic F | factor F | polydiv F\n"
    "  orvanta-calc zeros|extrema|saddle|discont F FROM TO\n"
    "  orvanta-calc slope F X | at F X\n"
    "  orvanta-calc integral F FROM TO N [rect|trapez|simpson] [--abs]   (step width 1/N)\n"
    "  orvanta-calc table F FROM TO STEP\n"
    "Plot samples, as the plotter receives them:\n"
    "  orvanta-calc sample 'f(x)=...'|'f(y)=...'|'f(n)=...' FROM TO STEP\n"
    "  orvanta-calc sample 'f(t)=[...]'|'z=f(t)=[...]'|'f(t)=p=[...]' COUNT\n"
    "Numbers may be expressions ('2*pi').\n";

namespace {
using Arguments = std::vector<std::string>;

// One engine, prepared with the command line's settings.
class Session {
public:
    explicit Session(const CliOptions& options) : m_adapter(m_engine) {
        OrvantaCalcBase::setLanguage(options.language);
        m_adapter.settings() = options.settings;
        // The engine's own message boxes (a refused integral) go to standard error.
        OrvantaCalcBase::setMessageBoxHandler([](const std::wstring& text, OrvantaCalcBase::MessageIcon) {
            std::cerr << toUtf8(text) << '\n';
        });
        m_adapter.prepare(true);
    }

    OrvantaCalcBase& engine() { return m_engine; }
    EngineAdapter& adapter() { return m_adapter; }

    // A number argument, evaluated as an expression.
    double number(const std::string& text, const char* name) {
        std::wstring input = fromUtf8(text);
        double value = 0.0;
        m_adapter.prepare(true);
        if (!m_engine.calculateNormal(input, value))
            throw UsageError{std::string(name) + ": " + toUtf8(OrvantaCalcBase::getLastError())};
        if (!std::isfinite(value)) throw UsageError{std::string(name) + ": '" + text + "' is not a finite number"};
        return value;
    }

    // Runs the function check the function calculator runs; prints its message on failure.
    bool checked(const std::wstring& function) {
        std::wstring message;
        m_adapter.prepare(true);
        if (m_adapter.checkFunction(function, message)) return true;
        std::cout << toUtf8(message) << '\n';
        return false;
    }

private:
    OrvantaCalcBase m_engine;
    EngineAdapter m_adapter;
};

// Prints an operation's result, or the engine's message when it failed.
int answer(bool ok, const std::wstring& result) {
    std::cout << toUtf8(ok ? result : OrvantaCalcBase::getLastError()) << '\n';
    return ok ? 0 : 1;
}

std::string valueText(double v) {
    std::wstring text;
    IExpression::value2String(v, text, 10);
    return toUtf8(text);
}

// --- The function calculator ---

using FunctionOperation = bool (*)(Session&, std::wstring& f, std::wstring& result, const Arguments& args);

bool derive(Session& s, std::wstring& f, std::wstring& r, const Arguments&) {
    return s.engine().calculateFunctionDerivation(f, r);
}
bool simplify(Session& s, std::wstring& f, std::wstring& r, const Arguments&) {
    return s.engine().calculateFunctionSimplify(f, r, true, false);
}
bool symbolic(Session& s, std::wstring& f, std::wstring& r, const Arguments&) {
    return s.engine().calculateFunctionSimplify(f, r, false, true);
}
bool factor(Session& s, std::wstring& f, std::wstring& r, const Arguments&) {
    return s.engine().calculatePolynomparts(f, r);
}
bool polydiv(Session& s, std::wstring& f, std::wstring& r, const Arguments&) {
    return s.engine().calculatePolynomdivision(f, r);
}
bool zeros(Session& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    std::vector<double> found;
    return s.engine().calculateFunctionSolve(f, r, found, s.number(a[1], "FROM"), s.number(a[2], "TO"), 0.0);
}
bool slope(Session& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    return s.engine().calculateFunctionDerivation(f, r, s.number(a[1], "X"));
}
bool extrema(Session& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    return s.engine().calculateFunctionExtrema(f, r, s.number(a[1], "FROM"), s.number(a[2], "TO"));
}
bool saddle(Session& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    return s.engine().calculateFunctionSaddlePoints(f, r, s.number(a[1], "FROM"), s.number(a[2], "TO"));
}
bool discont(Session& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    return s.engine().calculateFunctionDiscontinues(f, r, s.number(a[1], "FROM"), s.number(a[2], "TO"));
}
bool at(Session& s, std::wstring& f, std::wstring& r, const Arguments& a) {
    return s.engine().calculateFunctionAt(f, r, s.number(a[1], "X"));
}

bool integral(Session& s, std::wstring& f, std::wstring& r, const Arguments& a) {
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
        if (!known) throw UsageError{"integral: unknown rule '" + a[i] + "' (rect, trapez, simpson or --abs)"};
    }
    const double from = s.number(a[1], "FROM"), to = s.number(a[2], "TO");
    const double step = 1.0 / s.number(a[3], "N");
    return s.engine().calculateFunctionIntegral(f, r, from, to, step, absolute, type);
}

// The value table: "x<TAB>f(x)" per row, x from FROM while not above TO.
int table(Session& s, const Arguments& a) {
    const std::wstring f = fromUtf8(a[0]);
    if (!s.checked(L"f(x)=" + f)) return 1;
    const double from = s.number(a[1], "FROM"), to = s.number(a[2], "TO"), step = s.number(a[3], "STEP");
    if (OrvantaCalcBase::plotSampleCount(from, to, step) == 0 && from <= to) {
        std::cout << toUtf8(OrvantaCalcBase::loadString(40260)) << '\n';
        return 1;
    }
    std::size_t rows = 0;
    for (double v = from; v <= to && rows < OrvantaCalcBase::MAX_SAMPLES; v += step, ++rows) {
        char x[64];
        std::snprintf(x, sizeof x, "%.5f", v);
        std::wstring function = f, value;
        s.adapter().prepare(true);
        if (!s.engine().calculateFunctionAt(function, value, v)) value = OrvantaCalcBase::getLastError();
        std::cout << x << '\t' << toUtf8(value) << '\n';
    }
    return 0;
}

// --- Plot sampling ---

// Positions of a walk from `from` by `step` while not above `to`, as the
// sampling operations take them, at most `capacity`.
std::size_t walkLength(double from, double to, double step, std::size_t capacity) {
    std::size_t n = 0;
    for (double x = from; x <= to && n < capacity; x += step) ++n;
    return n;
}

// Terms a recursive sequence stores: the start value, then one per n from FROM up to TO.
std::size_t sequenceLength(double from, double to, std::size_t capacity) {
    std::size_t n = 1;
    for (double u = 1.0; u < to && n < capacity; u += 1.0)
        if (u >= from) ++n;
    return n;
}

int printValues(bool ok, const std::vector<double>& values, std::size_t count) {
    if (!ok) return answer(false, L"");
    for (std::size_t i = 0; i < count && i < values.size(); ++i) std::cout << valueText(values[i]) << '\n';
    return 0;
}

bool startsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

int sampleRange(Session& s, const std::wstring& function, const Arguments& a) {
    if (a.size() != 4) throw UsageError{"sample: an f(x)=, f(y)= or f(n)= function takes FROM TO STEP"};
    double from = s.number(a[1], "FROM"), to = s.number(a[2], "TO"), step = s.number(a[3], "STEP");
    std::vector<double> values(OrvantaCalcBase::plotSampleCount(from, to, step));
    std::wstring body = function.substr(5);
    OrvantaCalcBase& engine = s.engine();
    s.adapter().prepare(false);
    if (startsWith(function, L"f(y)=")) {
        const bool ok = engine.calculatePlotterY(body, from, to, step, values.data(), values.size());
        return printValues(ok, values, walkLength(from, to, step, values.size()));
    }
    if (startsWith(function, L"f(n)=")) {
        IExpression::replaceUnknown(body, L'n', L'x');
        const std::size_t marker = body.find(L";f(0)=");
        if (marker != std::wstring::npos || body.find(L"f(x-") != std::wstring::npos) {
            std::wstring start = marker == std::wstring::npos ? std::wstring() : body.substr(marker + 6);
            std::wstring sequence = body.substr(0, marker);
            // The engine refuses an end beyond its bound before it writes anything.
            const bool bounded = to <= static_cast<double>(OrvantaCalcBase::MAX_SAMPLES);
            values.assign(bounded ? sequenceLength(from, to, OrvantaCalcBase::MAX_SAMPLES) : 1, NAN);
            const bool ok = engine.calculateFolgeRecursiv(sequence, from, to, start, values.data(), values.size());
            return printValues(ok, values, sequenceLength(from, to, values.size()));
        }
    }
    const bool ok = engine.calculatePlotterX(body, from, to, step, values.data(), values.size());
    return printValues(ok, values, walkLength(from, to, step, values.size()));
}

int sampleCurve(Session& s, const std::wstring& function, const Arguments& a) {
    if (a.size() != 2) throw UsageError{"sample: a parametric or polar function takes COUNT"};
    const double countValue = s.number(a[1], "COUNT");
    if (countValue < 1 || countValue > 1e6 || std::floor(countValue) != countValue)
        throw UsageError{"COUNT: a whole number from 1 to 1000000"};
    const int count = static_cast<int>(countValue);
    std::vector<std::vector<double>> points(3, std::vector<double>(static_cast<std::size_t>(count), NAN));
    std::wstring text = function;
    OrvantaCalcBase& engine = s.engine();
    s.adapter().prepare(false);
    bool ok = false;
    std::size_t coordinates = 2;
    if (startsWith(function, L"z=f(t)=[")) {
        ok = engine.calculateParameter3DFunction(text, count, points[0].data(), points[1].data(), points[2].data());
        coordinates = 3;
    } else if (startsWith(function, L"f(t)=p")) {
        ok = engine.calculatePolarFunction(text, count, points[0].data(), points[1].data());
    } else {
        ok = engine.calculateParameterFunction(text, count, points[0].data(), points[1].data());
    }
    if (!ok) return answer(false, L"");
    // A polar curve may end before COUNT samples: its angles stop at the end of the range.
    for (std::size_t i = 0; i < static_cast<std::size_t>(count) && !std::isnan(points[0][i]); ++i) {
        for (std::size_t k = 0; k < coordinates; ++k) std::cout << (k ? "\t" : "") << valueText(points[k][i]);
        std::cout << '\n';
    }
    return 0;
}

int sample(Session& s, const Arguments& a) {
    const std::wstring function = fromUtf8(a[0]);
    if (!s.checked(function)) return 1;
    for (const wchar_t* prefix : {L"f(x)=", L"f(y)=", L"f(n)="})
        if (startsWith(function, prefix)) return sampleRange(s, function, a);
    for (const wchar_t* prefix : {L"f(t)=[", L"z=f(t)=[", L"f(t)=p"})
        if (startsWith(function, prefix)) return sampleCurve(s, function, a);
    throw UsageError{"sample: the function must start with f(x)=, f(y)=, f(n)=, f(t)=[, z=f(t)=[ or f(t)=p=["};
}

// --- The command table ---

struct Command {
    const char* name;
    std::size_t minArgs, maxArgs; // after the command name
    const char* usage;
    FunctionOperation operation;     // the function calculator's operations
    int (*run)(Session&, const Arguments&); // the others
};

const Command s_commands[] = {
    {"derive", 1, 1, "derive F", derive, nullptr},
    {"simplify", 1, 1, "simplify F", simplify, nullptr},
    {"symbolic", 1, 1, "symbolic F", symbolic, nullptr},
    {"factor", 1, 1, "factor F", factor, nullptr},
    {"polydiv", 1, 1, "polydiv F", polydiv, nullptr},
    {"zeros", 3, 3, "zeros F FROM TO", zeros, nullptr},
    {"slope", 2, 2, "slope F X", slope, nullptr},
    {"extrema", 3, 3, "extrema F FROM TO", extrema, nullptr},
    {"saddle", 3, 3, "saddle F FROM TO", saddle, nullptr},
    {"discont", 3, 3, "discont F FROM TO", discont, nullptr},
    {"at", 2, 2, "at F X", at, nullptr},
    {"integral", 4, 6, "integral F FROM TO N [rect|trapez|simpson] [--abs]", integral, nullptr},
    {"table", 4, 4, "table F FROM TO STEP", nullptr, table},
    {"sample", 2, 4, "sample FUNCTION FROM TO STEP | sample FUNCTION COUNT", nullptr, sample},
};

const Command* findCommand(const CliOptions& options) {
    if (options.arguments.empty()) return nullptr;
    for (const Command& c : s_commands)
        if (options.arguments[0] == c.name) return &c;
    return nullptr;
}
} // namespace

bool isAnalysisCommand(const CliOptions& options) { return findCommand(options) != nullptr; }

int runAnalysisCommand(const CliOptions& options) {
    const Command& command = *findCommand(options);
    const Arguments args(options.arguments.begin() + 1, options.arguments.end());
    if (args.size() < command.minArgs || args.size() > command.maxArgs)
        throw UsageError{std::string("usage: orvanta-calc ") + command.usage};
    Session session(options);
    if (command.run) return command.run(session, args);

    // As the function calculator: the check of "f(x)=" + F first, then the operation on F.
    std::wstring f = fromUtf8(args[0]), result;
    if (!session.checked(L"f(x)=" + f)) return 1;
    session.adapter().prepare(true);
    const bool ok = command.operation(session, f, result, args);
    return answer(ok, result);
}
