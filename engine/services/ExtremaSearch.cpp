// Extrema and inflection points ("saddle points") of a function of x: sign
// changes of the first or second derivative over a range, refined by the
// secant rule.
#include <vector>

#include "AnalysisSupport.h"
#include "EngineGuard.h"
#include "IExpressionHolder.h"
#include "OrvantaCalcBase.h"

namespace {
constexpr double STEP_SHARE = 0.001; // 1001 samples over any range
constexpr int SECANT_STEPS = 10;

struct SignChange {
    double x;
    bool fromBelow; // the derivative was negative before: a minimum
};

// Sign changes of g over [from, to] that pass the monotony test inside their
// step (a pole of g fails it).
std::vector<SignChange> signChanges(IExpressionHolder& g, double from, double to) {
    const double range = to - from;
    const double h = range * STEP_SHARE;
    auto value = [&g](double x) { return g.calculate(x, 0.0); };
    std::vector<SignChange> changes;
    double previous = 0.0;
    analysis::walk(from, to, h, true, OrvantaCalcBase::MAX_SAMPLES, [&](double x) {
        const double d = value(x);
        if (!analysis::isValid(d)) return true;
        if (analysis::oppositeSigns(previous, d)) {
            const double q1 = value(x - range * 0.0005), q2 = value(x - range / 3000.0);
            if (analysis::strictlyMonotone(previous, q1, q2, d)) {
                const auto secant = analysis::secantFixedEnd(value, x - h, previous, x, d, SECANT_STEPS);
                changes.push_back({secant.lastValidT, previous < 0.0});
            }
        }
        previous = d;
        return true;
    });
    return changes;
}

// Whether the range gives the walk a positive step it can take.
bool rangeUsable(double from, double to) {
    return analysis::walkIsBounded(from, to, (to - from) * STEP_SHARE, OrvantaCalcBase::MAX_SAMPLES) &&
           to > from;
}

// "header: entries" without the last separator, or the text for none.
std::wstring listText(std::wstring entries, unsigned int header, unsigned int none) {
    if (entries.empty()) return OrvantaCalcBase::loadString(none);
    analysis::dropSuffix(entries, L";");
    return OrvantaCalcBase::loadString(header) + L": " + entries;
}
} // namespace

bool OrvantaCalcBase::calculateFunctionExtrema(std::wstring& f, std::wstring& result, double from,
                                               double to) {
    return guarded<Guard::Reporting>([&] {
        if (!prepareFunction(f, result, true)) return false;
        if (!rangeUsable(from, to)) return analysis::refuse(MessageId::EXTREMA_RANGE);
        IExpressionHolder tree, derivative;
        analysis::parseInto(tree, f);
        analysis::parseDerivative(tree, derivative, true);
        std::wstring entries;
        for (const SignChange& c : signChanges(derivative, from, to)) {
            entries += std::wstring(c.fromBelow ? L"Min" : L"Max") + L"(" + analysis::fixedText(c.x, 4) +
                       L"," + analysis::fixedText(tree.calculate(c.x, 0.0), 4) + L");";
        }
        result = listText(entries, MessageId::EXTREMA, MessageId::NO_EXTREMA);
        return true;
    });
}

bool OrvantaCalcBase::calculateFunctionSaddlePoints(std::wstring& f, std::wstring& result, double from,
                                                    double to) {
    return guarded<Guard::Reporting>([&] {
        if (!prepareFunction(f, result, true)) return false;
        if (!rangeUsable(from, to)) return analysis::refuse(MessageId::SADDLE_RANGE);
        IExpressionHolder tree, first, second;
        analysis::parseInto(tree, f);
        analysis::parseDerivative(tree, first, true);
        analysis::parseDerivative(first, second, true);
        std::wstring entries;
        for (const SignChange& c : signChanges(second, from, to)) {
            entries += L"(" + analysis::fixedText(c.x, 10) + L"," +
                       analysis::fixedText(tree.calculate(c.x, 0.0), 10) + L");";
        }
        result = listText(entries, MessageId::SADDLE_POINTS, MessageId::NO_SADDLE_POINTS);
        return true;
    });
}
