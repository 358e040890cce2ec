// Plot sampling: the plotter hands over a function text and a range and gets
// arrays of values back. Each operation parses its text once and evaluates the
// tree per point; undefined points are stored as they are (NaN, infinities)
// and become gaps in the plot.
#include <cmath>
#include <memory>
#include <optional>

#include "AnalysisSupport.h"
#include "BracketedForm.h"
#include "EngineGuard.h"
#include "IExpressionHolder.h"
#include "OrvantaCalcBase.h"

using analysis::isValid;

namespace {
constexpr int POLE_HALVINGS = 20;
constexpr double POLE_MAGNITUDE = 1000.0;
constexpr int EDGE_MIDPOINTS = 100;
constexpr int EDGE_INVALID_RUN = 10;
constexpr int BACKFILL_PROBES = 100;

std::unique_ptr<IExpression> parse(const std::wstring& text) {
    return std::unique_ptr<IExpression>(IExpression::parseExpression(text, true));
}

// Halves [lo, hi] toward a pole from the left end (fromLeft) or the right end,
// remembering the value of every valid midpoint on the side of the pole whose
// sign is that of `side`, until that value reaches POLE_MAGNITUDE.
template <class F>
std::optional<double> approachPole(F&& f, double lo, double hi, double side, bool fromLeft) {
    std::optional<double> remembered;
    for (int k = 0; k < POLE_HALVINGS; ++k) {
        const double m = lo + (hi - lo) / 2.0;
        const double fm = f(m);
        const bool sameSide = isValid(fm) && ((side > 0.0 && fm > 0.0) || (side < 0.0 && fm < 0.0));
        if (sameSide) {
            remembered = fm;
            (fromLeft ? lo : hi) = m;
            if (std::fabs(fm) >= POLE_MAGNITUDE) break;
        } else {
            (fromLeft ? hi : lo) = m;
        }
    }
    return remembered;
}

// Three samples p, q, r that are not monotone and change sign between q and r
// straddle a pole: the two samples next to it are replaced by values close to
// the pole, so the curve runs off the screen instead of joining across it.
template <class F> void refinePole(F&& f, double* values, std::size_t i, double x, double step) {
    if (i < 2 || !isValid(values[i - 1]) || !isValid(values[i])) return;
    const double p = values[i - 2], q = values[i - 1], r = values[i];
    if ((p <= q && q <= r) || (p >= q && q >= r)) return;
    if (!analysis::oppositeSigns(q, r)) return;
    if (auto left = approachPole(f, x - step, x, q, true)) values[i - 1] = *left;
    if (auto right = approachPole(f, x - step, x, r, false)) values[i] = *right;
}

// The value at the leftmost (or rightmost) valid point of [lo, hi], found by
// halving: a valid midpoint becomes the end on the valid side, an invalid one
// the end on the other side.
template <class F> std::optional<double> findDomainEdge(F&& f, double lo, double hi, bool leftmost) {
    std::optional<double> remembered;
    int invalidRun = 0;
    for (int k = 0; k < EDGE_MIDPOINTS && invalidRun < EDGE_INVALID_RUN; ++k) {
        const double m = lo + (hi - lo) / 2.0;
        const double fm = f(m);
        if (isValid(fm)) {
            remembered = fm;
            invalidRun = 0;
            (leftmost ? hi : lo) = m;
        } else {
            ++invalidRun;
            (leftmost ? lo : hi) = m;
        }
    }
    return remembered;
}

// Where the curve enters or leaves its domain inside a step, the sample on the
// undefined side is replaced by the value at the edge, so the curve ends there.
template <class F> void refineDomainEdge(F&& f, double* values, std::size_t i, double x, double step) {
    if (i < 1) return;
    const bool before = isValid(values[i - 1]), now = isValid(values[i]);
    if (!before && now) {
        if (auto edge = findDomainEdge(f, x - step, x, true)) values[i - 1] = *edge;
    } else if (before && !now) {
        if (auto edge = findDomainEdge(f, x - step, x, false)) values[i] = *edge;
    }
}

// Samples of a parametric curve: X, Y (and Z) in t, over the range of the text.
bool sampleParametric(const std::wstring& f, bool threeD, int count, double* const out[3]) {
    analysis::BracketedParts parts;
    if (analysis::cutParametric(f, threeD, parts) != analysis::MissingMarker::None) return false;
    std::wstring* coordinates[3] = {&parts.x, &parts.y, threeD ? &parts.z : nullptr};
    for (std::wstring* text : coordinates)
        if (text && text->empty()) return false;
    if (parts.from.empty() || parts.to.empty()) return false;

    std::unique_ptr<IExpression> trees[3];
    for (int k = 0; k < 3; ++k) {
        if (!coordinates[k]) continue;
        IExpression::replaceUnknown(*coordinates[k], L't', L'x');
        trees[k] = parse(*coordinates[k]);
    }
    const double t0 = parse(parts.from)->calculateConst();
    const double t1 = parse(parts.to)->calculateConst();
    const double dt = (t1 - t0) / count;
    double t = t0;
    for (int i = 0; i < count; ++i, t += dt)
        for (int k = 0; k < 3; ++k)
            if (trees[k]) out[k][i] = trees[k]->calculate(t, 0.0);
    return true;
}

// The sequence text with its recursion term reading the previous term.
std::wstring recursionText(const std::wstring& f) {
    static const std::wstring previous = L"f(x-1)";
    std::wstring text = f;
    for (std::size_t pos = text.find(previous); pos != std::wstring::npos; pos = text.find(previous, pos))
        text.replace(pos, previous.size(), L"lastxval(1)");
    return text;
}

} // namespace

std::size_t OrvantaCalcBase::plotSampleCount(double from, double to, double step) {
    if (!analysis::walkIsBounded(from, to, step, MAX_SAMPLES) || to < from) return 0;
    return static_cast<std::size_t>(std::floor((to - from) / step)) + 2;
}

bool OrvantaCalcBase::calculatePlotter(std::wstring& f, double x, double y, double& value) {
    return guarded<Guard::Reporting>([&] {
        replaceEHoch(f);
        value = parse(f)->calculate(x, y);
        return true;
    });
}

bool OrvantaCalcBase::calculatePlotterX(std::wstring& f, double& from, double& to, double& step,
                                        double* values, std::size_t capacity) {
    return guarded<Guard::Reporting>([&] {
        if (analysis::walkRefused(from, to, step, MAX_SAMPLES)) return false;
        replaceEHoch(f);
        IExpressionHolder tree;
        analysis::parseInto(tree, f);
        auto fx = [&tree](double x) { return tree.calculate(x, 0.0); };
        std::size_t i = 0;
        analysis::walk(from, to, step, true, capacity, [&](double x) {
            values[i] = fx(x);
            refinePole(fx, values, i, x, step);
            refineDomainEdge(fx, values, i, x, step);
            ++i;
            return true;
        });
        return true;
    });
}

bool OrvantaCalcBase::calculatePlotterY(std::wstring& f, double& from, double& to, double& step,
                                        double* values, std::size_t capacity) {
    return guarded<Guard::Reporting>([&] {
        if (analysis::walkRefused(from, to, step, MAX_SAMPLES)) return false;
        replaceEHoch(f);
        auto tree = parse(f);
        std::size_t i = 0;
        analysis::walk(from, to, step, true, capacity, [&](double v) {
            values[i++] = tree->calculate(0.0, v);
            return true;
        });
        return true;
    });
}

bool OrvantaCalcBase::calculatePlotterTX(std::wstring& f, double& t, double& from, double& to, double& step,
                                         double* values, std::size_t capacity) {
    return guarded<Guard::Reporting>([&] {
        if (analysis::walkRefused(from, to, step, MAX_SAMPLES)) return false;
        replaceEHoch(f);
        auto tree = parse(f);
        std::size_t i = 0;
        analysis::walk(from, to, step, true, capacity, [&](double v) {
            values[i] = tree->calculate(v, t);
            // A curve that comes back into its domain starts where it is first
            // defined inside the step, not one step later.
            if (i >= 1 && !isValid(values[i - 1]) && !std::isnan(values[i])) {
                double w = v - step;
                for (int k = 0; k < BACKFILL_PROBES && w < v; ++k, w += step / BACKFILL_PROBES) {
                    const double fw = tree->calculate(w, t);
                    if (isValid(fw)) {
                        values[i - 1] = fw;
                        break;
                    }
                }
            }
            ++i;
            return true;
        });
        return true;
    });
}

bool OrvantaCalcBase::calculateParameterFunction(std::wstring& f, int count, double* xs, double* ys) {
    return guarded<Guard::Reporting>([&] {
        replaceEHoch(f);
        double* const out[3] = {xs, ys, nullptr};
        return sampleParametric(f, false, count, out);
    });
}

bool OrvantaCalcBase::calculateParameter3DFunction(std::wstring& f, int count, double* xs, double* ys,
                                                   double* zs) {
    return guarded<Guard::Reporting>([&] {
        replaceEHoch(f);
        double* const out[3] = {xs, ys, zs};
        return sampleParametric(f, true, count, out);
    });
}

bool OrvantaCalcBase::calculatePolarFunction(std::wstring& f, int count, double* ts, double* rs) {
    return guarded<Guard::Reporting>([&] {
        replaceEHoch(f);
        analysis::BracketedParts parts;
        if (!analysis::cutPolar(f, parts)) return false;
        IExpression::replaceUnknown(parts.x, L't', L'x');
        auto radius = parse(parts.x);
        const double t0 = parse(parts.from)->calculateConst();
        const double t1 = parse(parts.to)->calculateConst();
        const double dt = (t1 - t0) / count;
        double t = t0;
        for (int i = 0; i < count && t < t1; ++i, t += dt) {
            ts[i] = t;
            rs[i] = radius->calculate(t, 0.0);
        }
        return true;
    });
}

bool OrvantaCalcBase::calculateFolgeRecursiv(std::wstring& f, double& from, double& to, std::wstring& start,
                                             double* values, std::size_t capacity) {
    return guarded<Guard::Reporting>([&] {
        if (!isValid(from)) return analysis::refuse(MessageId::FROM_INVALID);
        if (!isValid(to) || to > static_cast<double>(MAX_SAMPLES))
            return analysis::refuse(MessageId::TO_INVALID);
        replaceEHoch(f);
        auto sequence = parse(recursionText(f));
        double s = parse(start)->calculateConst();
        if (capacity == 0) return true;
        values[0] = s;
        std::size_t i = 1;
        double u = 1.0;
        // Terms before `from` are needed for the recursion but not stored; none
        // is needed past `to`.
        for (; u < from && u < to; u += 1.0) {
            IExpression::setLastResult(s);
            s = sequence->calculate(u, 0.0);
        }
        for (; u < to && i < capacity; u += 1.0) {
            IExpression::setLastResult(s);
            s = sequence->calculate(u, 0.0);
            values[i++] = s;
        }
        return true;
    });
}

bool OrvantaCalcBase::calculateFolgeRecursiv(std::wstring& f, double& n, double& y, std::wstring& start,
                                             double& value) {
    return guarded<Guard::Reporting>([&] {
        if (!isValid(n) || n > static_cast<double>(MAX_SAMPLES))
            return analysis::refuse(MessageId::TO_INVALID);
        replaceEHoch(f);
        auto sequence = parse(recursionText(f));
        double s = parse(start)->calculateConst();
        for (double u = 1.0; u <= n; u += 1.0) {
            IExpression::setLastResult(s);
            s = sequence->calculate(u, y);
        }
        if (n >= 1.0) value = s;
        return true;
    });
}
