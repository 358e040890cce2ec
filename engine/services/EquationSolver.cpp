// Stored equations: reading parameter values and solving for the free variable.
#include <cmath>
#include <memory>
#include <string_view>

#include "EngineGuard.h"
#include "MessageIds.h"
#include "OrvantaCalcBase.h"

namespace {

bool isSeparator(wchar_t ch) {
    return ch == L' ' || ch == L';';
}

std::wstring_view trimmed(std::wstring_view text) {
    while (!text.empty() && isSeparator(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSeparator(text.back()))
        text.remove_suffix(1);
    return text;
}

// The value text of name in 'a:=1; b:=2': from behind "name:=" to the
// separator before the next parameter's name, or to the end. The name must
// stand at the start of the list or after a separator, so that 'a' is not
// found inside 'ba:=2'.
bool findParamValue(std::wstring_view list, const std::wstring& name, std::wstring& value) {
    if (name.empty()) return false;
    const std::wstring key = name + L":=";
    std::size_t pos = list.find(key);
    while (pos != std::wstring_view::npos && pos > 0 && !isSeparator(list[pos - 1]))
        pos = list.find(key, pos + 1);
    if (pos == std::wstring_view::npos) return false;

    const std::size_t start = pos + key.size();
    std::size_t end = list.find(L":=", start);
    if (end == std::wstring_view::npos) {
        end = list.size();
    } else {
        while (end > start && !isSeparator(list[end - 1]))
            --end; // back over the next name
    }
    value = trimmed(list.substr(start, end - start));
    return !value.empty();
}
} // namespace

bool OrvantaCalcBase::calculateParam(const std::wstring& list, const std::wstring& name, double& value) {
    return guarded<Guard::Reporting>([&] {
        std::wstring text;
        if (!findParamValue(list, name, text)) return false;
        if (text.find(L'[') != std::wstring::npos) {
            showMessageBox(loadString(MessageId::NO_PARAMS_IN_PARAMS_BOX));
            raiseEngineError(ErrorCode::NO_PARAMS_IN_PARAMS);
        }
        return calculateNormal(text, value);
    });
}

namespace {

// Functions defined for natural numbers only are searched on 1..200 in whole steps.
bool needsNaturalSearch(const std::wstring& f) {
    return f.find(L'!') != std::wstring::npos || f.find(L"binom") != std::wstring::npos ||
           f.find(L"sum") != std::wstring::npos;
}
} // namespace

// The whole numbers 1 to 200 where f is zero. Functions of naturals are
// undefined between the whole numbers, so the zero search, which probes
// inside every step, could never confirm a root of theirs; they are tested at
// each whole number instead, with domain errors as undefined points.
std::vector<double> OrvantaCalcBase::naturalZeros(std::wstring f) {
    std::vector<double> zeros;
    guarded<Guard::Silent>([&] {
        if (!proove(f)) return false;
        replaceEHoch(f);
        std::unique_ptr<IExpression> tree(IExpression::parseExpression(f, true));
        struct QuietErrors {
            bool raising = IExpression::s_withex;
            QuietErrors() { IExpression::s_withex = false; }
            ~QuietErrors() { IExpression::s_withex = raising; }
        } quiet;
        for (int n = 1; n <= 200; ++n) {
            double value = tree->calculate(n, 0.0);
            if (std::isfinite(value) && std::fabs(value) < 1e-9) zeros.push_back(n);
        }
        return true;
    });
    return zeros;
}

// Solves 'left=right' for x as the zeros of left-(right); an equation without
// "=" is taken as 'left=0'. The zeros are appended to result as '=z1; z2'.
bool OrvantaCalcBase::calculateSolver(const std::wstring& equation, std::wstring& result, double from, double to,
                                      bool& found, int, int decimals) {
    const std::size_t equals = equation.find(L'=');
    const std::wstring left = equation.substr(0, equals);
    const std::wstring right = equals == std::wstring::npos ? L"0" : equation.substr(equals + 1);
    std::vector<double> zeros;
    std::wstring function = left + L"-(" + right + L")";
    if (needsNaturalSearch(function)) {
        zeros = naturalZeros(function);
    } else {
        std::wstring ignored;
        calculateFunctionSolve(function, ignored, zeros, from, to, (to - from) * 0.001);
    }

    if (zeros.empty()) {
        result = loadString(MessageId::NO_POINTS);
        return true;
    }
    found = true;
    result += L"=";
    for (std::size_t i = 0; i < zeros.size(); ++i) {
        std::wstring text;
        IExpression::value2String(zeros[i], text, decimals);
        result += (i > 0 ? L"; " : L"") + text;
    }
    return true;
}
