#pragma once
// Building blocks shared by the function analysis and the plot sampling:
// bounded walks over a range, the refinement rules, derivative handling and
// the number texts of the results. Not part of the library's interface.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "IExpressionHolder.h"
#include "MessageIds.h"

namespace analysis {

// Neither NaN nor infinite.
inline bool isValid(double v) {
    return std::isfinite(v);
}

// a and b have strictly opposite signs.
inline bool oppositeSigns(double a, double b) {
    return (a < 0.0 && b > 0.0) || (a > 0.0 && b < 0.0);
}

// a, b, c, d strictly increasing or strictly decreasing.
inline bool strictlyMonotone(double a, double b, double c, double d) {
    return (a < b && b < c && c < d) || (a > b && b > c && c > d);
}

// Whether a walk from `from` by repeated addition of h can run to `to`: all
// finite, h positive, every addition moves the position, and no more than
// maxSamples positions.
bool walkIsBounded(double from, double to, double h, std::size_t maxSamples);

// Sets the message why a walk with a caller's step cannot run (the start,
// the end or the step is not valid) and returns true; false when it can run.
bool walkRefused(double from, double to, double step, std::size_t maxSamples);

// Visits x = from, from + h, ... while x <= to (inclusive) or x < to, the
// position accumulated by repeated addition, and at most `limit` positions so
// that a walk always ends. visit(x) returns false to stop early.
template <class Visit>
void walk(double from, double to, double h, bool inclusive, std::size_t limit, Visit&& visit) {
    std::size_t count = 0;
    for (double x = from; (inclusive ? x <= to : x < to) && count < limit; x += h, ++count) {
        if (!visit(x)) return;
    }
}

// Result of the fixed-end secant rule.
struct SecantResult {
    double t;          // the last point computed
    double ft;         // its value
    double lastValidT; // the last point whose value was valid (the start if none)
};

// The secant rule with one end fixed at (x, fx): starting from (t, ft),
// t := t - (t - x) / (ft - fx) * ft, at most maxSteps times, stopping early when
// the value is not valid or equals fx.
template <class F>
SecantResult secantFixedEnd(F&& f, double t, double ft, double x, double fx, int maxSteps) {
    SecantResult r{t, ft, t};
    for (int i = 0; i < maxSteps; ++i) {
        r.t = r.t - (r.t - x) / (r.ft - fx) * r.ft;
        r.ft = f(r.t);
        if (!isValid(r.ft)) break;
        r.lastValidT = r.t;
        if (r.ft == fx) break;
    }
    return r;
}

// Result of a search for the edge of the domain.
struct EdgeResult {
    double m;  // the last midpoint
    double fm; // its value
};

// Halves the interval between a point where f is valid and one where it may
// not be, moving the valid end to every valid midpoint and the other end to
// every invalid one: 40 halvings, and up to 60 while the last midpoint was
// not valid.
template <class F> EdgeResult bisectDomainEdge(F&& f, double validEnd, double otherEnd) {
    EdgeResult r{validEnd, std::nan("")};
    for (int i = 0; i < 60; ++i) {
        if (i >= 40 && isValid(r.fm)) break;
        double lo = validEnd < otherEnd ? validEnd : otherEnd;
        double hi = validEnd < otherEnd ? otherEnd : validEnd;
        r.m = lo + (hi - lo) / 2.0;
        r.fm = f(r.m);
        if (isValid(r.fm))
            validEnd = r.m;
        else
            otherEnd = r.m;
    }
    return r;
}

// The derivative text of a parsed function. A function that cannot be
// derived (a function without a rule, a factorial, "binom", "sum") gives false;
// with `required` it raises 1032 ("The expresssion cannot be derivated!")
// instead.
bool derivativeText(IExpressionHolder& f, bool required, std::wstring& text);

// The derivative of a parsed function, parsed into `into`; as derivativeText,
// and `into` is left empty when there is none.
bool parseDerivative(IExpressionHolder& f, IExpressionHolder& into, bool required);

// Value of a function held in a holder at (x, 0); NaN for an empty holder.
inline double valueAt(IExpressionHolder& f, double x) {
    return f.isEmpty() ? std::nan("") : f.calculate(x, 0.0);
}

// Parses text (with pre-translation) into holder.
void parseInto(IExpressionHolder& holder, const std::wstring& text);

// Runs `passes` simplification passes on text: parse it into holder and
// replace it by the holder's simplified text.
void simplifyPasses(IExpressionHolder& holder, std::wstring& text, int passes);

// value2String with a fixed number of decimals, as a returned text.
std::wstring fixedText(double value, int decimals);
// value2String in the display form: floating point, 8 digits.
std::wstring displayText(double value, bool autoExponent);
// A printf format with two doubles (the range of a result), as a wide text.
std::wstring rangeText(const char* format, double from, double to);

// Removes `tail` from the end of text if it is there.
void dropSuffix(std::wstring& text, const std::wstring& tail);

// Sets the message `id` as the last error and returns false.
bool refuse(unsigned int id);

} // namespace analysis
