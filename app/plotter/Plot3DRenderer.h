#pragma once
#include <QFontMetricsF>
#include <QRectF>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "IPlotRenderer.h"

// The 3D kind: the current "z=f(x,y)=" as a shaded surface of grid cells
// filled back to front, or the current "z=f(t)=[...]" as a shaded space
// curve, inside the projected box of the x, y and z ranges with its range
// labels, turned by the two view angles.
class Plot3DRenderer : public IPlotRenderer {
public:
    static constexpr int ANGLE_STEP = 10;

    void paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) override;
    bool takesMouseInput() const override { return false; }

    // Cells per side of the surface grid: 30, 25, 20, 15 for quality 1..4.
    static int gridSize(int quality);
    // The z range the automatic choice derives from the smallest and largest
    // height seen (clamped to -10..10).
    static std::pair<double, double> automaticZ(double smallest, double largest);
    // The angles after a rotation step; nothing when A would leave -90..90
    // or B 0..90.
    static std::optional<std::pair<int, int>> rotate(int angleA, int angleB, int dA, int dB);
    // The rows of cells in the painter's order for angle A: back to front.
    static std::vector<int> rowOrder(int cells, int angleA);

    // The sampled points of a pass: x, y, z per point (z NaN when invalid).
    struct Points {
        std::vector<double> x, y, z;
        double smallest = 100.0;
        double largest = -100.0;
    };
    // The surface's (N + 1)^2 points, row by row.
    static Points surfacePoints(IExpression& f, const PlotRegion& region, int cells);
    // Out-of-range points lose their height (fixed z range only); the
    // curve's points also when x or y leaves its range.
    static void dropOutOfRange(Points& points, const PlotRegion& region, double zmin, double zmax, bool curve);

private:
    struct Pass;
    void drawSurface(Pass& pass);
    void drawCurve(Pass& pass);
    void drawBox(Pass& pass);
    // The six range labels and where they stand.
    static std::vector<std::pair<QString, QRectF>> labelBoxes(const Pass& pass, const QFontMetricsF& metrics);
};
