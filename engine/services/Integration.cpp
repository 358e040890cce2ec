// Definite integrals of a function of x by rectangle sums, the trapezoid rule
// or the composite Simpson rule, refused where the function is undefined or
// jumps inside the range.
#include <cmath>

#include "AnalysisSupport.h"
#include "EngineGuard.h"
#include "IExpressionHolder.h"
#include "OrvantaCalcBase.h"

namespace {
// A position within this share of a step before the end counts as the end:
// the accumulated position of n steps may fall short of the end by a rounding
// error, which must not add a step beyond the range.
constexpr double END_TOLERANCE = 1e-9;

// Evaluates f and notes whether any sample was undefined.
struct Sampler {
    IExpressionHolder& f;
    bool undefined = false;

    double operator()(double t) {
        const double v = f.calculate(t, 0.0);
        if (!analysis::isValid(v)) undefined = true;
        return v;
    }
};

double term(double v, bool absolute) {
    return absolute ? std::fabs(v) : v;
}

struct RectangleSums {
    double left = 0.0;
    double right = 0.0;
};

RectangleSums rectangles(Sampler& f, double from, double to, double h, bool absolute) {
    RectangleSums sums;
    const double end = to - h * END_TOLERANCE;
    analysis::walk(from, end, h, false, OrvantaCalcBase::MAX_SAMPLES, [&](double t) {
        sums.left += term(f(t) * h, absolute);
        sums.right += term(f(t + h) * h, absolute);
        return !f.undefined;
    });
    return sums;
}

double trapezoid(Sampler& f, double from, double to, double h, bool absolute) {
    double sum = f(from) / 2.0;
    analysis::walk(from + h, to - h * END_TOLERANCE, h, false, OrvantaCalcBase::MAX_SAMPLES, [&](double t) {
        sum += term(f(t), absolute);
        return !f.undefined;
    });
    return h * (sum + f(to) / 2.0);
}

double simpson(Sampler& f, double from, double to, double step, bool absolute) {
    // The number of steps that cover the range, made even.
    std::size_t n = 0;
    analysis::walk(from, to - step * END_TOLERANCE, step, false, OrvantaCalcBase::MAX_SAMPLES, [&](double) {
        ++n;
        return true;
    });
    if (n % 2 == 1) ++n;
    const double h = n == 0 ? 0.0 : (to - from) / static_cast<double>(n);
    double sum = h / 3.0 * f(from);
    double weight = 4.0;
    analysis::walk(from + h, to - h * END_TOLERANCE, h, false, n == 0 ? 0 : n - 1, [&](double t) {
        sum += term(h / 3.0 * weight * f(t), absolute);
        weight = 6.0 - weight;
        return !f.undefined;
    });
    return sum + h / 3.0 * f(to);
}

bool refuseIntegral(std::wstring& result) {
    result = OrvantaCalcBase::loadString(MessageId::INTEGRAL_REFUSED);
    OrvantaCalcBase::showMessageBox(OrvantaCalcBase::loadString(MessageId::INTEGRAL_BOX));
    return true;
}
} // namespace

bool OrvantaCalcBase::calculateFunctionIntegral(std::wstring& f, std::wstring& result, double from, double to,
                                                double step, bool absolute,
                                                CalculatorModes::INTEGRALTYPE type) {
    return guarded<Guard::Reporting>([&] {
        if (!prepareFunction(f, result, true)) return false;
        if (analysis::walkRefused(from, to, step, MAX_SAMPLES)) return false;
        std::vector<double> jumps, undefined;
        if (!calculateFunctionDiscontinues(f, from, to, jumps, undefined)) return false;
        if (!jumps.empty() || !undefined.empty()) return refuseIntegral(result);

        IExpressionHolder tree;
        analysis::parseInto(tree, f);
        Sampler sample{tree};
        sample(from);
        std::wstring text =
            analysis::rangeText(absolute ? "integral_abs(%.2f,%.2f)=" : "integral(%.2f,%.2f)=", from, to);
        switch (type) {
        case CalculatorModes::INT_RECTANGULAR: {
            const RectangleSums sums = rectangles(sample, from, to, step, absolute);
            text += L"Left:" + analysis::displayText(sums.left, true) + L";Right:" +
                    analysis::displayText(sums.right, true) + L";Avg:" +
                    analysis::displayText((sums.left + sums.right) * 0.5, true);
            break;
        }
        case CalculatorModes::INT_TRAPEZ:
            text += analysis::displayText(trapezoid(sample, from, to, step, absolute), true);
            break;
        case CalculatorModes::INT_SIMPSON:
            text += analysis::displayText(simpson(sample, from, to, step, absolute), true);
            break;
        default:
            text += analysis::displayText(0.0, true);
            break;
        }
        if (sample.undefined) return refuseIntegral(result);
        result = text;
        return true;
    });
}
