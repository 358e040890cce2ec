#include "PlotRegion.h"

#include <algorithm>
#include <cmath>

namespace PlotNavigation {
namespace {
bool withinLimits(const PlotRegion& r) {
    return r.xmin >= -LIMIT && r.xmax <= LIMIT && r.ymin >= -LIMIT && r.ymax <= LIMIT;
}

std::optional<PlotRegion> ifOrdered(const PlotRegion& r) {
    if (!r.ordered()) return std::nullopt;
    return r;
}

PlotRegion clamped(PlotRegion r) {
    r.xmin = std::max(r.xmin, -LIMIT);
    r.ymin = std::max(r.ymin, -LIMIT);
    r.xmax = std::min(r.xmax, LIMIT);
    r.ymax = std::min(r.ymax, LIMIT);
    return r;
}

double quarterStep(const PlotRegion& r) {
    const double d = 0.25 * std::min(r.xmax - r.xmin, r.ymax - r.ymin);
    return d == 0.0 ? 1.0 : d;
}
} // namespace

std::optional<PlotRegion> zoom(const PlotRegion& r, int direction, const PlotSelection& s, int width,
                               int height, bool startValueFractal) {
    if (!s.empty() && width > 0 && height > 0) {
        const double xstep = (r.xmax - r.xmin) / width;
        const double ystep = (r.ymax - r.ymin) / height;
        PlotRegion next{r.xmin + s.left * xstep, r.xmin + s.right * xstep, 0.0, 0.0};
        if (startValueFractal) {
            const double a = r.ymin + s.bottom * ystep;
            const double b = r.ymin + s.top * ystep;
            next.ymin = std::min(a, b);
            next.ymax = std::max(a, b);
        } else {
            next.ymin = r.ymax - s.bottom * ystep;
            next.ymax = r.ymax - s.top * ystep;
        }
        return ifOrdered(next);
    }
    const double d = direction * quarterStep(r);
    return ifOrdered(clamped({r.xmin + d, r.xmax - d, r.ymin + d, r.ymax - d}));
}

std::optional<PlotRegion> zoomAbout(const PlotRegion& r, int direction, double fx, double fy) {
    const std::optional<PlotRegion> step = zoom(r, direction, PlotSelection{}, 0, 0);
    if (!step) return std::nullopt;
    fx = std::clamp(fx, 0.0, 1.0);
    fy = std::clamp(fy, 0.0, 1.0);
    // The point under the pointer stays under the pointer.
    const double px = r.xmin + fx * (r.xmax - r.xmin);
    const double py = r.ymax - fy * (r.ymax - r.ymin);
    const double w = step->xmax - step->xmin;
    const double h = step->ymax - step->ymin;
    PlotRegion next{px - fx * w, px + (1.0 - fx) * w, py - (1.0 - fy) * h, py + fy * h};
    return ifOrdered(clamped(next));
}

std::optional<PlotRegion> shift(const PlotRegion& r, double dx, double dy) {
    const PlotRegion next{r.xmin + dx, r.xmax + dx, r.ymin + dy, r.ymax + dy};
    if (!next.ordered() || !withinLimits(next)) return std::nullopt;
    return next;
}

std::optional<PlotRegion> move(const PlotRegion& r, int dx, int dy) {
    double sx = (r.xmax - r.xmin) * 0.2 * dx;
    double sy = (r.ymax - r.ymin) * 0.2 * dy;
    if (sx == 0.0 && dx != 0) sx = dx;
    if (sy == 0.0 && dy != 0) sy = dy;
    return shift(r, sx, sy);
}

std::optional<PlotRegion> closingRegion(const PlotRegion& r) {
    const double bounds[] = {r.xmin, r.xmax, r.ymin, r.ymax};
    for (double v : bounds)
        if (!(v > -100.0 && v < 100.0) || std::trunc(v) == 0.0) return std::nullopt;
    return PlotRegion{std::trunc(r.xmin), std::trunc(r.xmax), std::trunc(r.ymin), std::trunc(r.ymax)};
}
} // namespace PlotNavigation
