// Zeros of a function of x over a range: sign changes between samples,
// refined by the secant rule; edges of the domain found by halving; and
// zeros where the graph only touches the axis, found through the derivative.
#include <algorithm>
#include <cmath>
#include <vector>

#include "AnalysisSupport.h"
#include "EngineGuard.h"
#include "IExpressionHolder.h"
#include "OrvantaCalcBase.h"

using analysis::isValid;

namespace {
constexpr int SECANT_STEPS = 40;
constexpr int TOUCH_SECANT_STEPS = 10;
constexpr double ZERO_TOLERANCE = 0.1;   // |f| below this after the secant rule counts as a zero
constexpr double TOUCH_TOLERANCE = 0.01; // |f| below this where f' changes sign counts as touching
constexpr double SAME_ZERO = 0.001;      // zeros closer than this are one zero
constexpr double DEFAULT_STEP_SHARE = 0.001;
constexpr double MIN_DEFAULT_STEP = 0.01;
constexpr int VALUE_DECIMALS = 10;

// true when a value at the domain edge lies on the other side of the axis than ref.
bool otherSide(double ref, double value) {
    return (ref >= 0.0 && value < 0.0) || (ref <= 0.0 && value > 0.0);
}

// One walk over the range, keeping the previous sample and the previous slope.
class ZeroWalk {
public:
    ZeroWalk(IExpressionHolder& f, IExpressionHolder& df, double range, double step,
             std::vector<double>& zeros, std::wstring& text)
        : m_f(f), m_df(df), m_range(range), m_step(step), m_zeros(zeros), m_text(text) {}

    void sample(double x) {
        const double y = value(x);
        const bool added = isValid(y) ? addCandidate(validSample(x, y)) : addCandidate(invalidSample(x));
        if (!m_df.isEmpty() && !added) touchingZero(x, y);
        m_previous = y;
        m_previousValid = isValid(y);
    }

private:
    struct Candidate {
        bool found = false;
        double x = 0.0;
    };

    double value(double x) { return m_f.calculate(x, 0.0); }
    double slope(double x) { return m_df.calculate(x, 0.0); }

    // y is valid: a sign change since the previous sample, or the start of the domain.
    Candidate validSample(double x, double y) {
        if (!m_previousValid) return domainEdge(x, x - m_step, y);
        const double p = m_previous;
        const bool sameSign = (p < 0.0 && y < 0.0) || (p > 0.0 && y > 0.0) || (p == 0.0 && y == 0.0);
        if (sameSign) return {};
        // Without monotony inside the step the sign change is a pole.
        const double q1 = value(x - m_range * 0.0005), q2 = value(x - m_range / 3000.0);
        if (!analysis::strictlyMonotone(p, q1, q2, y)) return {};
        const auto secant = analysis::secantFixedEnd([this](double t) { return value(t); }, x - m_step, p, x,
                                                     y, SECANT_STEPS);
        if (!isValid(secant.ft)) return domainEdge(x, x - m_step, y);
        if (std::fabs(secant.ft) < ZERO_TOLERANCE) return {true, secant.t};
        return {};
    }

    // y is not valid: the end of the domain since the previous sample.
    Candidate invalidSample(double x) {
        if (!m_previousValid) return {};
        return domainEdge(x - m_step, x, m_previous);
    }

    // A zero at the edge of the domain between a valid end (value ref) and the other end.
    Candidate domainEdge(double validEnd, double otherEnd, double ref) {
        const auto edge =
            analysis::bisectDomainEdge([this](double t) { return value(t); }, validEnd, otherEnd);
        if (isValid(edge.fm) && otherSide(ref, edge.fm)) return {true, edge.m};
        return {};
    }

    bool addCandidate(const Candidate& c) {
        if (!c.found) return false;
        const bool known = std::any_of(m_zeros.begin(), m_zeros.end(),
                                       [&](double z) { return std::fabs(c.x - z) < SAME_ZERO; });
        if (known) return false;
        append(c.x);
        m_previousSlopeValid = false;
        return true;
    }

    // The graph touches the axis where f' changes sign while f is close to 0.
    void touchingZero(double x, double y) {
        const double d = slope(x);
        if (!isValid(d)) {
            m_previousSlopeValid = false;
            return;
        }
        const double pd = m_previousSlope;
        if (m_previousSlopeValid && analysis::oppositeSigns(pd, d) && std::fabs(y) < TOUCH_TOLERANCE) {
            const auto secant =
                analysis::secantFixedEnd([this](double t) { return slope(t); },
                                         x - m_range * DEFAULT_STEP_SHARE, pd, x, d, TOUCH_SECANT_STEPS);
            append(secant.lastValidT);
        }
        m_previousSlope = d;
        m_previousSlopeValid = true;
    }

    void append(double z) {
        m_zeros.push_back(z);
        m_text += analysis::fixedText(z, VALUE_DECIMALS) + L"; ";
    }

    IExpressionHolder& m_f;
    IExpressionHolder& m_df;
    const double m_range;
    const double m_step;
    std::vector<double>& m_zeros;
    std::wstring& m_text;
    double m_previous = 0.0;
    bool m_previousValid = false;
    double m_previousSlope = 0.0;
    bool m_previousSlopeValid = false;
};
} // namespace

bool OrvantaCalcBase::calculateFunctionSolve(std::wstring& f, std::wstring& result,
                                             std::vector<double>& zeros, double from, double to,
                                             double step) {
    return guarded<Guard::Reporting>([&] {
        zeros.clear();
        if (!prepareFunction(f, result, true)) return false;
        if (!analysis::isValid(from) || !analysis::isValid(to))
            return analysis::refuse(MessageId::ZEROS_RANGE);
        const double range = to - from;
        double h = step;
        if (step == 0.0) h = std::max(range * DEFAULT_STEP_SHARE, MIN_DEFAULT_STEP);
        if (!analysis::walkIsBounded(from, to, h, MAX_SAMPLES))
            return analysis::refuse(MessageId::STEP_INVALID);

        IExpressionHolder tree, derivative;
        analysis::parseInto(tree, f);
        analysis::parseDerivative(tree, derivative, false);
        std::wstring list;
        ZeroWalk search(tree, derivative, range, h, zeros, list);
        analysis::walk(from, to, h, true, MAX_SAMPLES, [&](double x) {
            search.sample(x);
            return true;
        });
        if (zeros.empty()) {
            result = loadString(MessageId::NO_POINTS);
        } else {
            analysis::dropSuffix(list, L"; ");
            result = loadString(MessageId::ZEROS) + list;
        }
        return true;
    });
}
