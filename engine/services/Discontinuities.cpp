// Discontinuities of a function of x: jumps of f or of f' between samples
// 0.002 apart, located by halving, and the points where f is undefined.
#include <cmath>
#include <vector>

#include "AnalysisSupport.h"
#include "EngineGuard.h"
#include "IExpressionHolder.h"
#include "OrvantaCalcBase.h"

using analysis::isValid;

namespace {
constexpr double SAMPLES_PER_UNIT = 500.0;
constexpr int HALVINGS = 20;
constexpr double SLOPE_THRESHOLD = 1e-13; // smaller slopes count as flat

// The midpoint value lies below both ends or above both.
bool outsideEnds(double a, double m, double b) {
    return (m <= a && m < b) || (m >= a && m > b);
}

// Halves [lo, hi] (end values a, b) toward the jump; the last midpoint.
template <class F> double locateJump(F&& g, double lo, double hi, double a, double b) {
    double m = lo;
    for (int k = 0; k < HALVINGS; ++k) {
        m = lo + (hi - lo) / 2.0;
        const double gm = g(m);
        if (!isValid(gm)) break;
        const bool above = gm > a && gm > b, below = gm < a && gm < b;
        const bool risingThroughZero = a < 0.0 && b > 0.0;
        // Where g rises through zero, a midpoint above both ends lies right of
        // the jump and one below both left of it; where it falls, the reverse.
        if ((risingThroughZero && above) || (!risingThroughZero && below)) {
            hi = m;
            b = gm;
        } else if ((risingThroughZero && below) || (!risingThroughZero && above)) {
            lo = m;
            a = gm;
        }
    }
    return m;
}

bool changesSign(double a, double b, double threshold) {
    return (a < -threshold && b > threshold) || (a > threshold && b < -threshold);
}
} // namespace

bool OrvantaCalcBase::calculateFunctionDiscontinues(IExpressionHolder& f, IExpressionHolder& df, double from,
                                                    double to, std::vector<double>& jumps,
                                                    std::vector<double>& undefined) {
    return guarded<Guard::Reporting>([&] {
        jumps.clear();
        undefined.clear();
        if (f.isEmpty()) raiseEngineError(ErrorCode::INVALID_INPUT);
        if (!isValid(from) || !isValid(to)) return analysis::refuse(MessageId::DISCONTINUITIES_RANGE);
        const double h = 1.0 / SAMPLES_PER_UNIT;
        if (!analysis::walkIsBounded(from, to, h, MAX_SAMPLES))
            return analysis::refuse(MessageId::DISCONTINUITIES_RANGE);
        auto value = [&f](double x) { return f.calculate(x, 0.0); };
        auto slope = [&df](double x) { return analysis::valueAt(df, x); };

        double p = value(from), pd = slope(from);
        analysis::walk(from, to, h, false, MAX_SAMPLES, [&](double x) {
            const double y = value(x);
            if (!isValid(y)) {
                undefined.push_back(x);
                return true;
            }
            const double m = x - h / 2.0;
            const double fm = value(m), d = slope(x), dm = slope(m);
            bool jumped = false;
            if (isValid(p) && isValid(fm) && changesSign(p, y, 0.0) && outsideEnds(p, fm, y)) {
                jumps.push_back(locateJump(value, x - h, x, p, y));
                jumped = true;
            }
            if (!jumped && isValid(pd) && isValid(d) && isValid(dm) && changesSign(pd, d, SLOPE_THRESHOLD) &&
                outsideEnds(pd, dm, d)) {
                jumps.push_back(locateJump(slope, x - h, x, pd, d));
            }
            p = y;
            pd = d;
            return true;
        });
        return true;
    });
}

bool OrvantaCalcBase::calculateFunctionDiscontinues(std::wstring& f, double from, double to,
                                                    std::vector<double>& jumps,
                                                    std::vector<double>& undefined) {
    return guarded<Guard::Reporting>([&] {
        jumps.clear();
        undefined.clear();
        std::wstring unused;
        if (!prepareFunction(f, unused, true)) return false;
        IExpressionHolder tree, derivative;
        analysis::parseInto(tree, f);
        // Without a derivative only jumps of f itself are found.
        analysis::parseDerivative(tree, derivative, false);
        return calculateFunctionDiscontinues(tree, derivative, from, to, jumps, undefined);
    });
}

bool OrvantaCalcBase::calculateFunctionDiscontinues(std::wstring& f, std::wstring& result, double from,
                                                    double to) {
    result.clear();
    std::vector<double> jumps, undefined;
    if (!calculateFunctionDiscontinues(f, from, to, jumps, undefined)) return false;
    result = loadString(MessageId::DISCONTINUITIES) + analysis::rangeText("(%.2f,%.2f)=", from, to);
    if (jumps.empty()) {
        result += loadString(MessageId::NO_DISCONTINUITIES);
        return true;
    }
    for (double x : jumps)
        result += analysis::displayText(x, false) + L"; ";
    analysis::dropSuffix(result, L"; ");
    return true;
}
