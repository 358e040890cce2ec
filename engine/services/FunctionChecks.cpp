// Checks the function list and the function calculator run before they plot
// or analyse a text: whether it has the form of its kind and can be evaluated
// somewhere.
#include <algorithm>
#include <memory>

#include "AnalysisSupport.h"
#include "BracketedForm.h"
#include "EngineGuard.h"
#include "OrvantaCalcBase.h"

namespace {
constexpr double TRIAL_OFFSET = 0.01;

bool failWithDetail(std::wstring& message, unsigned int id) {
    message = OrvantaCalcBase::loadString(id);
    return false;
}

std::unique_ptr<IExpression> parse(const std::wstring& text) {
    return std::unique_ptr<IExpression>(IExpression::parseExpression(text, true));
}

double constantValue(const std::wstring& text) {
    return parse(text)->calculateConst();
}

// Evaluates an expression in t (as x) at one point; a fault ends the check.
void tryAt(std::wstring expression, double t) {
    IExpression::replaceUnknown(expression, L't', L'x');
    parse(expression)->calculate(t, 0.0);
}

// The two sweeps of points at which the plotter's checks try a function.
template <class Try> bool sweep(bool inclusive, Try&& tryPoint) {
    struct Sweep {
        double start, step, end;
    };
    static constexpr Sweep sweeps[] = {{-5.1223, 1.1, 6.0}, {-99.93, 10.1, 99.0}};
    for (const Sweep& s : sweeps)
        for (double v = s.start; inclusive ? v <= s.end : v < s.end; v += s.step)
            if (tryPoint(v)) return true;
    return false;
}
} // namespace

bool OrvantaCalcBase::prooveParameterFunction(const std::wstring& f, std::wstring& message) {
    return guarded<Guard::Reporting>([&] {
        using namespace MessageId;
        if (!f.starts_with(L"f(t)=[")) return failWithDetail(message, INVALID_INPUT);
        if (f.back() != L']') return failWithDetail(message, END_BRACKET);
        analysis::BracketedParts parts;
        switch (analysis::cutParametric(f, false, parts)) {
        case analysis::MissingMarker::X:
            return failWithDetail(message, NEED_X);
        case analysis::MissingMarker::Y:
            return failWithDetail(message, NEED_Y);
        case analysis::MissingMarker::Z:
        case analysis::MissingMarker::T:
            return failWithDetail(message, NEED_T);
        case analysis::MissingMarker::None:
            break;
        }
        if (!parts.hasRange) return failWithDetail(message, PARAMETER_RANGE);
        for (std::wstring* part : {&parts.from, &parts.to, &parts.x, &parts.y}) {
            if (!proove(*part)) return false;
            replaceEHoch(*part);
        }
        tryAt(parts.x, constantValue(parts.from) + TRIAL_OFFSET);
        tryAt(parts.y, constantValue(parts.to) - TRIAL_OFFSET);
        return true;
    });
}

bool OrvantaCalcBase::proovePolarFunction(const std::wstring& f, std::wstring& message) {
    return guarded<Guard::Reporting>([&] {
        using namespace MessageId;
        if (!f.starts_with(analysis::POLAR_PREFIX)) return failWithDetail(message, INVALID_INPUT);
        if (f.back() != L']') return failWithDetail(message, END_BRACKET);
        analysis::BracketedParts parts;
        if (!analysis::cutPolar(f, parts)) return failWithDetail(message, NEED_T);
        if (!parts.hasRange) return failWithDetail(message, POLAR_RANGE);
        for (std::wstring* part : {&parts.from, &parts.to}) {
            if (!proove(*part)) return false;
            replaceEHoch(*part);
        }
        tryAt(parts.x, constantValue(parts.from) + TRIAL_OFFSET);
        tryAt(parts.x, constantValue(parts.to) - TRIAL_OFFSET);
        return true;
    });
}

bool OrvantaCalcBase::prooveFolge(std::wstring& f) {
    return guarded<Guard::Reporting>([&] {
        if (!proove(f)) return false;
        std::wstring text = f;
        IExpression::replaceUnknown(text, L'n', L'x');
        static const std::wstring startMarker = L";f(0)=";
        const std::size_t marker = text.find(startMarker);
        if (marker != std::wstring::npos && text.find(L"f(x-1)") != std::wstring::npos) {
            std::wstring start = text.substr(marker + startMarker.size());
            std::wstring sequence = text.substr(0, marker);
            double y = 0.0, value = 0.0;
            for (double n : {1.0, 5.0})
                if (calculateFolgeRecursiv(sequence, n, y, start, value)) return true;
            return false;
        }
        double value = 0.0;
        for (double x : {1.0, 5.0})
            if (calculatePlotter(text, x, 0.0, value)) return true;
        return false;
    });
}

bool OrvantaCalcBase::prooveFunction(std::wstring& f, bool inX) {
    return guarded<Guard::Reporting>([&] {
        if (!proove(f)) return false;
        return sweep(false, [&](double v) {
            double value = 0.0;
            return calculatePlotter(f, inX ? v : 0.0, inX ? 0.0 : v, value) && analysis::isValid(value);
        });
    });
}

bool OrvantaCalcBase::prooveFunction2Parameters(std::wstring& f) {
    return guarded<Guard::Reporting>([&] {
        if (!proove(f)) return false;
        return sweep(true, [&](double v) {
            double value = 0.0;
            return calculatePlotter(f, v, -v, value) || calculatePlotter(f, -v, v, value) ||
                   calculatePlotter(f, v, v, value);
        });
    });
}

bool OrvantaCalcBase::proovePolynomdivision(std::wstring& f, bool /*quiet*/) {
    return guarded<Guard::Reporting>([&] {
        if (!proove(f)) return false;
        const std::size_t open1 = f.find(L'(');
        const std::size_t close1 = f.find(L')');
        const std::size_t open2 = close1 == std::wstring::npos ? close1 : f.find(L'(', close1);
        const std::size_t close2 = open2 == std::wstring::npos ? open2 : f.find(L')', open2);
        const auto parentheses =
            std::count_if(f.begin(), f.end(), [](wchar_t c) { return c == L'(' || c == L')'; });
        const bool divisionForm = f.front() == L'(' && f.back() == L')' &&
                                  f.find(L")/(") != std::wstring::npos && close1 > open1 &&
                                  close2 != std::wstring::npos && parentheses == 4;
        if (!divisionForm) return analysis::refuse(MessageId::NO_DIVISION_FORM);
        return true;
    });
}
