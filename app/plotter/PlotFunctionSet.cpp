#include "PlotFunctionSet.h"

#include "Complex.h"
#include "IExpressionHolder.h"
#include "OrvantaCalcBase.h"
#include "PlotMessages.h"

namespace M = PlotMessages;

std::vector<std::wstring> PlotFunctionSet::inSetOrder() const {
    std::vector<std::wstring> all;
    all.reserve(list.size() + 1);
    all.push_back(current);
    all.insert(all.end(), list.begin(), list.end());
    return all;
}

bool PlotFunctionSet::hasPrefix(std::initializer_list<const wchar_t*> prefixes) const {
    auto matches = [&](const std::wstring& text) {
        for (const wchar_t* p : prefixes)
            if (PlotFunctions::startsWith(text, p)) return true;
        return false;
    };
    if (matches(current)) return true;
    for (const std::wstring& entry : list)
        if (matches(entry)) return true;
    return false;
}

namespace PlotFunctions {
namespace {
std::wstring text(unsigned id) {
    return OrvantaCalcBase::loadString(id);
}

// The shortest text of each type that can hold a body; nothing for a text
// of no known type.
std::optional<bool> longEnough(const std::wstring& f) {
    struct MinimumLength {
        const wchar_t* prefix;
        std::size_t length;
    };
    static constexpr MinimumLength s_minimum[] = {
        {L"f(x,y)=", 8}, {L"f(t,x)=", 8}, {L"z(n+1)=", 8}, {L"z=f(x,y)=", 10}, {L"z=f(t)=", 10},
        {L"f(x)=", 6},   {L"f(y)=", 6},   {L"f(n)=", 6},   {L"f(t)=", 6},
    };
    for (const MinimumLength& m : s_minimum)
        if (startsWith(f, m.prefix)) return f.size() >= m.length;
    return std::nullopt;
}

bool is3D(const std::wstring& f) {
    return startsWith(f, L"z=f(x,y)=") || startsWith(f, L"z=f(t)=");
}

// The start value of "z(n+1)=z(n)^2+z(0);z(0)=..." must be a complex number.
bool startValueValid(const std::wstring& f) {
    static const std::wstring s_form = L"z(n+1)=z(n)^2+z(0);z(0)=";
    if (!startsWith(f, s_form.c_str())) return true;
    const std::size_t at = f.find(L"z(0)=");
    try {
        IExpressionHolder tree(IExpression::parseComplexExpression(f.substr(at + 5)));
        if (tree.isEmpty()) return false;
        (void)tree.calculateComplexConst();
        return true;
    } catch (...) {
        return false;
    }
}

struct MixFlags {
    bool twoD = false;
    bool threeD = false;
    bool parametric = false;
    bool polar = false;
    bool fractal = false;
};

// The rules for one list entry; 0 when it may join the set.
unsigned mixEntry(const std::wstring& e, MixFlags& f) {
    if (startsWith(e, L"f(t)=[")) {
        if (f.threeD) return M::MIX_3D_PARAMETRIC;
        if (f.fractal) return M::MIX_PARAMETRIC_COMPLEX;
        if (f.parametric) return M::ONE_PARAMETRIC;
        f.parametric = true;
    } else if (startsWith(e, L"f(t)=p")) {
        if (f.threeD) return M::MIX_3D_POLAR;
        if (f.fractal) return M::MIX_PARAMETRIC_POLAR;
        if (f.polar) return M::ONE_POLAR;
        f.parametric = true; // the polar flag itself is never set by an entry
    } else if (is3D(e)) {
        if (f.threeD) return M::ONE_3D;
        if (f.twoD) return M::MIX_3D_2D;
        if (f.fractal) return M::MIX_3D_COMPLEX;
        if (f.parametric) return M::MIX_3D_PARAMETRIC_LIST;
        if (f.polar) return M::MIX_3D_POLAR;
        f.threeD = true;
        return 0;
    }
    if (f.threeD) return M::MIX_2D_3D;
    if (f.fractal) return M::MIX_2D_FRACTAL;
    f.twoD = true;
    return 0;
}
} // namespace

bool startsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool isFractal(const PlotFunctionSet& set) {
    return startsWith(set.current, L"z(n+1)=");
}

bool isStartValueFractal(const PlotFunctionSet& set) {
    return isFractal(set) && set.current.find(L";z(0)=") != std::wstring::npos;
}

PlotKind kindOf(const PlotFunctionSet& set) {
    if (set.hasPrefix({L"z=f(x,y)=", L"z=f(t)="})) return PlotKind::Surface3D;
    const bool sequence = set.hasPrefix({L"f(n)="});
    const bool parametric = set.hasPrefix({L"f(t)=["});
    const bool polar = set.hasPrefix({L"f(t)=p"});
    if (set.hasPrefix({L"f(x)=", L"f(n)=", L"f(y)=", L"f(x,y)=", L"f(t)=", L"f(t,x)="}) && !sequence &&
        !parametric && !polar)
        return PlotKind::TwoD;
    if (sequence) return PlotKind::Sequence;
    if (parametric) return PlotKind::Parametric;
    if (polar) return PlotKind::Polar;
    return PlotKind::Fractal;
}

std::optional<std::wstring> checkSet(const PlotFunctionSet& set, const FunctionCheck& check) {
    std::wstring message;
    MixFlags flags;
    const std::wstring& f = set.current;
    if (!f.empty()) {
        // A bare type prefix says "no function" rather than "not valid".
        const std::optional<bool> length = longEnough(f);
        if (length == false) return text(M::NO_FUNCTION_SPECIFIED);
        if (!check(f, message)) return message;
        if (!length) return text(M::NO_FUNCTION_SPECIFIED);
        if (startsWith(f, L"f(t,x)=") && !set.list.empty()) return text(M::ONE_FAMILY);
        flags.twoD = !is3D(f);
        flags.parametric = startsWith(f, L"f(t)=[");
        flags.polar = startsWith(f, L"f(t)=p");
        flags.fractal = startsWith(f, L"z(n+1)=");
        if (flags.fractal && !startValueValid(f)) return text(M::INVALID_FUNCTION);
    }
    for (const std::wstring& entry : set.list) {
        if (!check(entry, message)) return message;
        if (const unsigned failure = mixEntry(entry, flags)) return text(failure);
    }
    return std::nullopt;
}
} // namespace PlotFunctions
