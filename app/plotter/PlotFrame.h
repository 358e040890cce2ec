#pragma once
#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <cmath>

#include "PlotRegion.h"

class QPainter;

// Which axes count in units of pi/2 or e/2.
struct AxisUnits {
    bool xPi = false;
    bool yPi = false;
    bool xE = false;
    bool yE = false;
};

// The coordinate system of a pass: the client area (left and top at 0) and
// the region scaled by the axis units. The stored region stays as it was;
// drawing works on the scaled copy. Also draws the axes, the grid and the
// tick labels that the 2D, sequence, parametric, polar and statistics plots
// share.
class PlotFrame {
public:
    static constexpr double HALF_PI = 1.5707963267948966;
    static constexpr double HALF_E = 1.3591409142295225;

    PlotFrame(const QSize& client, const PlotRegion& region, AxisUnits units = {});

    const PlotRegion& scaled() const { return m_r; }
    int width() const { return m_w; }
    int height() const { return m_h; }
    int right() const { return m_w; }
    int bottom() const { return m_h; }
    double xstep() const { return m_xstep; }
    double ystep() const { return m_ystep; }
    // Pixel of a value, as the truncated row or column (kept as a double so
    // that a value far outside cannot overflow).
    double rowOf(double y) const;
    double columnOf(double x) const;

    // Background, axes, grid and labels.
    void drawAxes(QPainter& painter, const QFont& font, const QColor& background) const;

private:
    struct Axis;
    void drawLabels(QPainter& painter, const Axis& axis, const QColor& background, int h) const;

    PlotRegion m_r;
    AxisUnits m_units;
    int m_w;
    int m_h;
    double m_xstep;
    double m_ystep;
};

namespace PlotDraw {
// The engine marks an undefined sample with -999.0; NaN and the infinities
// are gaps as well.
inline constexpr double UNDEFINED_SAMPLE = -999.0;
inline bool defined(double v) {
    return v != UNDEFINED_SAMPLE && std::isfinite(v);
}
// Text in colour on an opaque background box as wide as the text, placed in
// rect by flags; it may run beyond rect.
void opaqueText(QPainter& painter, const QRect& rect, int flags, const QString& text, const QColor& colour,
                const QColor& background);
// The function text of a sequence, parametric, polar or fractal picture:
// centred in the band of 15 pixels at the bottom of the client area,
// transparent unless a background is given.
void bottomBand(QPainter& painter, const QSize& client, const QString& text, const QColor& colour,
                const QColor& background = QColor());
// A line with both ends clipped to the client area widened by a margin, so
// that far-off ends never reach the painter's raster limits.
void clippedLine(QPainter& painter, QPointF a, QPointF b, const QSize& client);
} // namespace PlotDraw
