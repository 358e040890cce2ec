#pragma once
#include <optional>

// A rectangle of the plane in axis units, and the arithmetic of the plot
// window's navigation on it. Every operation answers nothing when its result
// would be empty, inverted or (moves) outside the allowed range, so the
// caller keeps the old region.
struct PlotRegion {
    double xmin = -5.0;
    double xmax = 5.0;
    double ymin = -5.0;
    double ymax = 5.0;

    bool operator==(const PlotRegion&) const = default;
    bool ordered() const { return xmin < xmax && ymin < ymax; }
};

// A selection in client pixels, normalized; all zero means none.
struct PlotSelection {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    bool empty() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
};

namespace PlotNavigation {
inline constexpr double LIMIT = 999.0;
// Zoom in (direction +1) or out (-1). A selection zooms to it; without one
// every bound moves by a quarter of the smaller side, clamped to +-999.
// startValueFractal: the selection is read with y growing downwards.
std::optional<PlotRegion> zoom(const PlotRegion& r, int direction, const PlotSelection& selection, int width,
                               int height, bool startValueFractal = false);
// The stepwise zoom that keeps the point at the fractions fx, fy of the
// picture (0 left / top, 1 right / bottom) where it is: the mouse wheel.
std::optional<PlotRegion> zoomAbout(const PlotRegion& r, int direction, double fx, double fy);
// Moves by a fifth of the region per step in dx and dy (-1, 0, +1).
std::optional<PlotRegion> move(const PlotRegion& r, int dx, int dy);
// Shifts by exact amounts (a drag); the same range rule as move.
std::optional<PlotRegion> shift(const PlotRegion& r, double dx, double dy);
// The region the closing window writes back: integer parts, only when each
// bound has a non-zero integer part and lies strictly within -100..100.
std::optional<PlotRegion> closingRegion(const PlotRegion& r);
} // namespace PlotNavigation

// The current, last and first region of a plot window. Taking a region
// keeps the current one as the last; going back swaps them, so Last region
// toggles between the two latest regions.
class PlotRegionHistory {
public:
    explicit PlotRegionHistory(const PlotRegion& start) : m_current(start), m_last(start), m_first(start) {}
    const PlotRegion& current() const { return m_current; }
    const PlotRegion& last() const { return m_last; }
    const PlotRegion& first() const { return m_first; }
    void take(const PlotRegion& next) {
        m_last = m_current;
        m_current = next;
    }
    void toLast() { take(PlotRegion(m_last)); }
    void toFirst() { take(PlotRegion(m_first)); }

private:
    PlotRegion m_current;
    PlotRegion m_last;
    PlotRegion m_first;
};
